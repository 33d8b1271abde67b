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

// Loads and reactions may disagree by this part of their size, beyond what
// rounding may leave of them (kRoundingsPerTerm).
inline constexpr double kLoadImbalanceTolerance = 1e-6;

// Rounding leaves each end force off by a few units of the last digit of the
// terms that formed it, stiffness times displacement, and the solve leaves a
// residual of the same order; where those terms cancel (a member ten thousand
// times as long as deep that bends, the shear near the tip of a long
// cantilever) that is all the precision the results have. The balance allows
// this many units of the sum of the terms' sizes: measured, solved frames
// stay below 30 of them.
inline constexpr double kRoundingsPerTerm = 256;

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
// Only the point loads `selection` takes count (the stretches carry their own).
//
// With `loadExponent` the loads count 2^loadExponent times, as they did in a
// solve scaled to keep tiny or huge loads within the doubles.
LoadBalance CheckLoadBalance(const ModelDocument& doc, const NodeTable& nodes,
                             const FrameSystem& system,
                             const std::vector<double>& settlementMisses = {}, int loadExponent = 0,
                             const LoadSelection& selection = {});

} // namespace strandel
