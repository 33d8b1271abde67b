#include "analysis/gauss_solve.h"

namespace strandel {
namespace {

// Steps 2 to 4 on the allocated working matrix w of (n + 2) x (n + 2); false on failure.
bool Eliminate(const TMatrix& a, const TVector& b, TVector& x, int n, TMatrix& w) {
  const int rhs = n + 1; // the right-hand side rides along as the last column
  for (int i = 0; i <= n; ++i) {
    const TVector& from = a[i];
    TVector& to = w[i];
    for (int j = 0; j <= n; ++j)
      to[j] = from[j];
    to[rhs] = b[i];
  }

  // Every pivot is checked when its step begins, the last one included, whether
  // or not a row below needs it: a broken-down elimination is named by its first
  // unusable pivot.
  for (int k = 0; k <= n; ++k) {
    const TVector& pivotRow = w[k];
    const double pivot = pivotRow[k];
    if (PivotFailure(pivot) != EliminationFailure::None) return false;
    for (int i = k + 1; i <= n; ++i) {
      TVector& row = w[i];
      const double entry = row[k];
      if (entry == 0.0) continue;
      const double factor = -entry / pivot;
      if (!UsableValue(factor)) return false;
      row[k] = 0.0;
      // Zero entries of the pivot row change nothing; skipping them keeps the
      // mostly empty rows of a frame cheap.
      for (int j = k + 1; j <= rhs; ++j) {
        const double value = pivotRow[j];
        if (value != 0.0) row[j] = value * factor + row[j];
      }
    }
  }

  for (int i = n; i >= 0; --i) {
    const TVector& row = w[i];
    double sum = 0.0;
    for (int j = i + 1; j <= n; ++j)
      sum += row[j] * x[j];
    const double value = (row[rhs] - sum) / row[i];
    if (!UsableValue(value)) return false;
    x[i] = value;
  }
  return true;
}

} // namespace

int GaussSolve(const TMatrix& a, const TVector& b, TVector& x, int high) {
  const int n = high;
  if (n < 0) return -1; // a system without unknowns is not a system
  TMatrix w;
  AllocMatrix(w, n + 1, n + 1); // null for a size beyond the capacities
  if (!w) return -1;
  bool solved = false;
  try {
    solved = Eliminate(a, b, x, n, w);
  } catch (const RangeError&) {
    solved = false;
  }
  FreeMatrix(w, n + 1, n + 1);
  return solved ? 0 : -1;
}

} // namespace strandel
