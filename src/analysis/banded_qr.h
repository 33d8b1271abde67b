#pragma once
// The triangular factor R of a tall sparse matrix, its rows rotated in one at a
// time (Givens rotations) and held in the band its pattern allows. A diagonal
// entry of R over its column's length is the sine of the angle between that
// column and the columns before it, a measure of dependence that does not square
// the rounding as the normal equations would.

#include <cmath>
#include <vector>

#include "analysis/banded_matrix.h"

namespace strandel {

class BandedQr {
public:
  // first[j] <= j is the lowest column that shares a row with column j: the
  // envelope of A^t A, which R never leaves.
  explicit BandedQr(std::vector<int> first);

  int Size() const { return r_.Size(); }
  int Last(int k) const { return r_.Last(k); }
  // Rotates the row with the given (column, value) entries into R. Its columns
  // are distinct, and every pair of them lies within the band given at
  // construction.
  void AddRow(const std::vector<int>& columns, const std::vector<double>& values);
  // |R[k][k]|: how far column k lies from the span of the columns before it.
  double Distance(int k) const { return std::fabs(r_.Value(k, k)); }
  // The length of column k of the rows added, summed exactly as they came.
  double ColumnLength(int k) const { return std::sqrt(squares_[k]); }

private:
  BandedMatrix r_;
  std::vector<double> squares_;
  std::vector<double> work_; // the incoming row, dense over the band it touches
};

} // namespace strandel
