#pragma once
// The check every solved frame passes before its results count: the supports
// must take exactly the loads the structure carries, and every joint must be in
// equilibrium. A structure that can move but was solved all the same (its pivot
// just escaped the elimination's test) shows itself here, as reactions that do
// not add up to the loads.

#include <vector>

#include "analysis/frame_system.h"
#include "analysis/node_table.h"
#include "model/document.h"

namespace strandel {

// Loads and reactions may disagree by this part of their size, or by more
// where the system came close to singular (ImbalanceTolerance). A solved
// frame's imbalance is rounding: measured below 1e-13 on the standard
// structures and grid frames and up to 2e-8 on frames whose members differ a
// million times in stiffness. A mechanism that was solved all the same is out
// by a sizeable part of its loads (0.46 on the truss of the tests).
inline constexpr double kLoadImbalanceTolerance = 1e-6;

// Rounding in an elimination grows as the system nears singularity, about as
// the machine precision over the smallest pivot / diagonal met (the share of
// its stiffness the weakest freedom keeps). Measured, the imbalance of solved
// frames stays below 10 times that growth (4e-5 on the 2729-stretch
// cantilever, whose tip keeps 5e-11 of its stiffness; 2e-8 at 9e-9 on frames
// with stiffness contrasts of 1e6); the mechanism that slips through the pivot
// test is out by 1.4e5 times it. 1000 lies a hundred times inside both.
inline constexpr double kImbalancePerRoundingGrowth = 1000;

// The imbalance a solve may leave whose smallest pivot kept `smallestPivotRatio`
// of its diagonal.
double ImbalanceTolerance(double smallestPivotRatio);

struct LoadBalance {
  // The larger of the force and moment imbalance beyond what the imposed
  // settlements explain, each as a part of the size of the loads and reactions
  // it is measured against; 0 when there is nothing.
  double Imbalance = 0;
  double Tolerance = kLoadImbalanceTolerance;
  bool Balanced() const { return Imbalance <= Tolerance; }
};

// The loads the structure carries (point forces and moments at its nodes, the
// loads spread along its stretches, self-weight included) against the reactions
// of its supports (one per supported node), in x, y and moment about the origin.
// A moment on a node where every stretch is hinged turns only the hinge and is
// not carried.
//
// A support imposes a settlement through its stiff spring, which holds the node
// only to about 1e-10 of it; the results then take the settlement exactly, and
// the stretches at the node feel the difference as forces no load balances.
// `settlementMisses` holds, per unknown, the prescribed value less the solved one
// (empty: none); the forces those differences give the free unknowns are
// allowed for.
//
// `smallestPivotRatio` is the elimination's (EliminationResult); it sets the
// tolerance.
LoadBalance CheckLoadBalance(const ModelDocument& doc, const NodeTable& nodes,
                             const FrameSystem& system,
                             const std::vector<double>& settlementMisses = {},
                             double smallestPivotRatio = 1);

} // namespace strandel
