#pragma once
// When Gaussian elimination without row exchanges has broken down: the checks
// both eliminations (dense and banded) apply to the same values, so that they
// fail on exactly the same systems and name the same unknown.

#include <cmath>

namespace strandel {

enum class EliminationFailure {
  None,
  ZeroPivot,       // a pivot of exactly zero
  NegligiblePivot, // a pivot that is only what rounding left of zero
  NotFinite,       // a pivot, multiplier or result infinite or not a number
};

// A pivot no larger than this part of its row's diagonal before elimination is
// taken as zero. The pivot of unknown k is what remains of its own stiffness
// when the unknowns eliminated before it may adjust, so pivot / diagonal says
// how much of that stiffness the structure keeps along k. Everything subtracted
// from a stiffness matrix's diagonal is smaller than the diagonal, so where the
// structure can move the pivot is only the rounding of those subtractions.
// Measured on mechanisms (the sway, sliding, truss and roller mechanisms of the
// tests; the standard structures without supports or with every joint hinged;
// grid frames up to 50 x 50 on rollers or with a storey of hinged columns, with
// members up to a million times stiffer than others): 1e-33 (the cos(pi/2) of a
// vertical bar) to 8e-13, the largest on the biggest frames. Stable structures
// keep much more: 2e-3 to 0.5 on the standard structures, 6e-9 on grid frames
// whose columns are a million times softer than their girders (the columns'
// sway stiffness against the girders' axial stiffness), about 1 where a
// support's stiff spring holds an unknown, and 4.9e-11 at the tip of a
// cantilever of 2729 stretches, the smallest legitimate ratio of the tests (its
// tip stiffness 12EI/L^3 against the 12EI/l^3 of its last stretch, 1/2729^3).
// 3e-12 lies four times above the largest rounding residue and sixteen times
// below that tip.
// Below it lie only mechanisms and frames both a million times softer in their
// columns and as slender as wire, whose pivot rounding could have made.
// Where a mechanism's residue escapes this test (members a million times
// stiffer than the part that moves leave residues up to 7e-11), the balance of
// loads and reactions after the solve catches it (load_balance.h).
inline constexpr double kNegligiblePivotRatio = 3e-12;

// Why the pivot cannot be divided by, given the magnitude of its row's diagonal
// before elimination; None when it can.
inline EliminationFailure PivotFailure(double pivot, double diagonalBefore) {
  if (pivot == 0.0) return EliminationFailure::ZeroPivot;
  if (!std::isfinite(pivot)) return EliminationFailure::NotFinite;
  if (std::fabs(pivot) <= kNegligiblePivotRatio * diagonalBefore)
    return EliminationFailure::NegligiblePivot;
  return EliminationFailure::None;
}

// The check of every multiplier and result after computing it.
inline bool UsableValue(double value) {
  return std::isfinite(value);
}

} // namespace strandel
