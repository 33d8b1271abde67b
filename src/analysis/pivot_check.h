#pragma once
// When Gaussian elimination without row exchanges has broken down: the checks
// both eliminations (dense and banded) apply to the same values, so that they
// fail on exactly the same systems and name the same unknown.

#include <cmath>

namespace strandel {

enum class EliminationFailure {
  None,
  ZeroPivot, // a pivot of exactly zero
  NotFinite, // a pivot, multiplier or result infinite or not a number
};

// Why the pivot cannot be divided by; None when it can. A pivot that is tiny
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

} // namespace strandel
