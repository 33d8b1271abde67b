// For every frame of a generated set, the analysis refuses it exactly when the
// rank of its compatibility matrix, found by an independent singular value
// decomposition, says it can move; the node it names moves in a way the
// structure can move; and the frames that stand are solved in equilibrium, as a
// dense solve of their stiffness finds them.

#include <iostream>
#include <random>

#include <gtest/gtest.h>

#include "support/stability_check.h"

namespace strandel {
namespace {

TEST(StabilityProperty, TheAnalysisAgreesWithTheRankOfEveryGeneratedFrame) {
  std::mt19937_64 random(20261207);
  testing::StabilityTally tally;
  int kinds[static_cast<int>(testing::FrameKind::Count)] = {};
  for (int i = 0; i < 300; ++i) {
    testing::RandomFrame frame = testing::MakeRandomFrame(random);
    ++kinds[static_cast<int>(frame.Kind)];
    testing::CheckGeneratedFrame(frame, /*compareDense=*/i % 2 == 0, tally);
  }
  std::cout << testing::Summary(tally) << "\n";
  for (const std::string& disagreement : tally.Disagreements)
    ADD_FAILURE() << disagreement;

  // The set holds both verdicts in number and every kind of frame.
  EXPECT_GT(tally.Stable, 100);
  EXPECT_GT(tally.Moving, 60);
  for (int count : kinds)
    EXPECT_GT(count, 20);
  // The judge's own verdicts are clear-cut: what it counts as rank lies far
  // from what it counts as rounding.
  EXPECT_GT(tally.SmallestKeptSingular, 1e-6);
  EXPECT_LT(tally.LargestDroppedSingular, 1e-13);
  // The analysis's verdict has room on both sides of its tolerance: the
  // freedoms that stand keep a sine thousands of times above it, those that
  // move stay far below.
  EXPECT_GT(tally.SmallestStableMargin, 1e3);
  EXPECT_LT(tally.LargestMovingMargin, 0.1);
  // Stable frames: reactions balance the loads, and a dense solve in long
  // double gives the same displacements.
  EXPECT_LT(tally.WorstEquilibrium, 1e-8);
  EXPECT_LT(tally.WorstSlenderEquilibrium, 1e-4);
  EXPECT_GT(tally.DenseCompared, 30);
  EXPECT_LT(tally.WorstDenseDifference, 1e-6);
}

} // namespace
} // namespace strandel
