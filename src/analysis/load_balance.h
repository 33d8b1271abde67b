#pragma once
// The last check every solved frame passes before its results count: the
// supports must take exactly the loads the structure carries. Whether the
// structure can move is decided before the solve (mobility.h); this only
// catches a solve that went wrong all the same, as reactions that do not add up
// to the loads.

#include <vector>

#include "analysis/frame_system.h"
#include "analysis/node_table.h"
#include "model/document.h"

namespace strandel {

// Loads and reactions may disagree by this part of their size, or by more
// where the system came close to singular (ImbalanceTolerance). A solved
// frame's imbalance is rounding: measured below 1e-13 on the standard
// structures and grid frames and up to 2e-8 on frames whose members differ a
// million times in stiffness.
inline constexpr double kLoadImbalanceTolerance = 1e-6;

// Rounding in an elimination grows as the system nears singularity, about as
// the machine precision over the smallest pivot / diagonal met (the share of
// its stiffness the weakest freedom keeps). Measured, the imbalance of solved
// frames stays below 10 times that growth (4e-5 on the 2729-stretch
// cantilever, whose tip keeps 5e-11 of its stiffness; 2e-8 at 9e-9 on frames
// with stiffness contrasts of 1e6). 1000 lies a hundred times above.
inline constexpr double kImbalancePerRoundingGrowth = 1000;

// The imbalance a solve may leave whose smallest pivot kept `smallestPivotRatio`
// of its diagonal.
double ImbalanceTolerance(double smallestPivotRatio);

struct LoadBalance {
  // The larger of the force and moment imbalance beyond what the imposed
  // settlements explain, as a part of the size of what the structure carries;
  // 0 when it carries nothing.
  double Imbalance = 0;
  double Tolerance = kLoadImbalanceTolerance;
  bool Balanced() const { return Imbalance <= Tolerance; }
};

// The loads the structure carries (point forces and moments at its nodes, the
// loads spread along its stretches, self-weight included) against the reactions
// of its supports (one per supported node), in x, y and moment about the middle
// of the model. A moment on a node where every stretch is hinged turns only the
// hinge and is not carried, unless a support stands there: the support then
// takes it, as it takes every point load at its node.
//
// What the structure carries has a size: the forces, the moments over the
// model's half-diagonal, and the forces the settlements impose on the
// stretches (a settlement moves a part of the frame against its stiffness even
// where the forces that result cancel). The imbalance is measured against it,
// so a frame loaded only by moments or only by settlements is measured against
// them, and scaling every load by a power of two changes nothing.
//
// A support imposes a settlement through its stiff spring, which holds the node
// only to about 1e-10 of it; the results then take the settlement exactly, and
// the stretches at the node feel the difference as forces no load balances.
// `settlementMisses` holds, per unknown, the prescribed value less the solved one
// (empty: none); the forces those differences give the free unknowns are
// allowed for.
//
// `smallestPivotRatio` is the elimination's (EliminationResult); it sets the
// tolerance. With `loadExponent` the loads count 2^loadExponent times, as they
// did in a solve scaled to keep tiny or huge loads within the doubles.
LoadBalance CheckLoadBalance(const ModelDocument& doc, const NodeTable& nodes,
                             const FrameSystem& system,
                             const std::vector<double>& settlementMisses = {},
                             double smallestPivotRatio = 1, int loadExponent = 0);

} // namespace strandel
