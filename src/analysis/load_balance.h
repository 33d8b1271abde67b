#pragma once
// The check every solved frame passes before its results count: the supports
// must take exactly the loads the structure carries, and every joint must be in
// equilibrium. A structure that can move but was solved all the same (its pivot
// just escaped the elimination's test) shows itself here, as reactions that do
// not add up to the loads.

#include "analysis/frame_system.h"
#include "analysis/node_table.h"
#include "model/document.h"

namespace strandel {

// Loads and reactions may disagree by this part of their size. A solved frame's
// imbalance is rounding: measured below 1e-13 on the standard structures and
// grid frames, up to 2e-9 on frames whose members differ a million times in
// stiffness, and 4e-9 where a settlement is imposed through the 1e10 support
// spring, which holds the node only to 1e-10 of the settlement. A mechanism that
// was solved all the same is out by a sizeable part of its loads.
inline constexpr double kLoadImbalanceTolerance = 1e-6;

struct LoadBalance {
  // The larger of the force and moment imbalance, each as a part of the size of
  // the loads and reactions it is measured against; 0 when there is nothing.
  double Imbalance = 0;
  bool Balanced() const { return Imbalance <= kLoadImbalanceTolerance; }
};

// The loads the structure carries (point forces and moments at its nodes, the
// loads spread along its stretches, self-weight included) against the reactions
// of its supports (one per supported node), in x, y and moment about the origin.
// A moment on a node where every stretch is hinged turns only the hinge and is
// not carried.
LoadBalance CheckLoadBalance(const ModelDocument& doc, const NodeTable& nodes,
                             const FrameSystem& system);

} // namespace strandel
