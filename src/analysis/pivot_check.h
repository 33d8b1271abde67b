#pragma once
// When an elimination without row exchanges has broken down: the checks the
// dense reference elimination and the frame's sparse factorisation apply to
// their pivots and results.

#include <cmath>

namespace strandel {

enum class EliminationFailure {
  None,
  ZeroPivot, // a pivot of exactly zero
  NotFinite, // a pivot, multiplier or result infinite or not a number
};

// Why the pivot cannot be divided by; None when it can. A pivot that is small
// but not zero is divided by like any other: whether the structure can move is
// decided before the solve, from its geometry (mobility.h), not from the sizes
// of the pivots, which mix rounding with stiffness contrasts.
inline EliminationFailure PivotFailure(double pivot) {
  if (pivot == 0.0) return EliminationFailure::ZeroPivot;
  if (!std::isfinite(pivot)) return EliminationFailure::NotFinite;
  return EliminationFailure::None;
}

// The check of every multiplier and result after computing it.
inline bool UsableValue(double value) {
  return std::isfinite(value);
}

struct EliminationResult {
  EliminationFailure Failure = EliminationFailure::None;
  int Unknown = -1; // the unknown whose pivot failed; -1 when none or not known
  // The smallest |pivot| / |diagonal before elimination| met, and its unknown:
  // how close the structure came to moving (1 for a diagonal matrix).
  double SmallestPivotRatio = 1;
  int SmallestPivotUnknown = -1;
  // How many pivots are negative: the eigenvalues of the matrix below zero
  // (its inertia), none for a stiffness that holds the structure.
  int NegativePivots = 0;
  bool Ok() const { return Failure == EliminationFailure::None; }
};

} // namespace strandel
