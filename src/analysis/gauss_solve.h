#pragma once
// The linear equation solver of the design: Gaussian elimination without row
// exchanges on a dense working copy. Frame stiffness matrices have a strong
// diagonal, so no pivoting is needed for a stable structure.

#include "analysis/matrix.h"
#include "analysis/pivot_check.h"

namespace strandel {

// Solves a x = b for the (high + 1) x (high + 1) matrix a. Returns 0, or -1 when a
// pivot is exactly zero (PivotFailure), a multiplier, pivot or result is infinite
// or not a number, an index lies outside the capacities, or the working copy
// cannot be allocated; x is then partly written and must not be used. a and b are
// never changed.
int GaussSolve(const TMatrix& a, const TVector& b, TVector& x, int high);

} // namespace strandel
