#pragma once
// One generated frame checked against the independent judge (property test and
// the larger sweep of the benchmarks): the analysis must refuse exactly the
// frames whose compatibility matrix loses rank, name a node that really moves,
// and give stable frames results in equilibrium that a dense solve confirms.

#include <string>
#include <vector>

#include "support/random_frames.h"

namespace strandel::testing {

struct StabilityTally {
  int Frames = 0, Stable = 0, Moving = 0;
  std::vector<std::string> Disagreements; // each with the frame's description
  // The analysis's own verdict: the smallest sine of a freedom that stands and
  // the largest of one judged to move, each also over its frame's tolerance.
  double SmallestStableSine = 1, LargestMovingSine = 0, LargestTolerance = 0;
  double SmallestStableMargin = 1e300, LargestMovingMargin = 0;
  // The judge's gap: the smallest singular value kept, the largest dropped.
  double SmallestKeptSingular = 1e300, LargestDroppedSingular = 0;
  // Stable frames: the worst equilibrium (part of the loads and reactions), on
  // its own for frames with slender members, whose stiffness equations lose up
  // to ten digits to rounding; and the worst difference from the dense solve
  // (part of the largest displacement).
  double WorstEquilibrium = 0, WorstSlenderEquilibrium = 0, WorstDenseDifference = 0;
  int DenseCompared = 0;
};

// Judges, analyses and checks the frame, adding to the tally. `compareDense`
// also solves a stable frame densely, unless it is slender: the analysis's own
// solve of a slender frame is as inexact as its rounding makes it.
void CheckGeneratedFrame(RandomFrame& frame, bool compareDense, StabilityTally& tally);

std::string Summary(const StabilityTally& tally);

} // namespace strandel::testing
