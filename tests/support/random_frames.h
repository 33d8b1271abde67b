#pragma once
// Small frames drawn at random for property tests of the analysis: grids,
// random graphs, trusses, continuous beams with nodes on them, cantilever trees,
// arches and bars in line; random hinges, supports and sections (stiffness
// contrasts up to 1e4, sections down to 1e-4 of their length deep), members
// leaning 0.5 to 5 degrees, and loads of every kind, moments only, settlements
// only, loads summing to zero, or none. About a third are made to move on
// purpose. The same seed gives the same frame.

#include <random>
#include <string>

#include "model/document.h"

namespace strandel::testing {

enum class FrameKind { Grid, Graph, Truss, ContinuousBeam, Tree, Arch, BarsInLine, Count };
enum class LoadMix { Mixed, MomentsOnly, SettlementsOnly, SummingToZero, None, Count };

struct RandomFrame {
  FrameKind Kind = FrameKind::Grid;
  LoadMix Loads = LoadMix::Mixed;
  bool MadeToMove = false; // a support, bar or hinge changed so that it should move
  bool Slender = false;    // some sections 1e-4 to 3e-3 of their length deep
  ModelDocument Doc;
  std::string Description() const;
};

RandomFrame MakeRandomFrame(std::mt19937_64& random);

const char* KindName(FrameKind kind);

} // namespace strandel::testing
