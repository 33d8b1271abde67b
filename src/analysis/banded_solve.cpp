#include "analysis/banded_solve.h"

#include <algorithm>
#include <cmath>

#include "common/assert.h"

namespace strandel {

BandedMatrix::BandedMatrix(std::vector<int> first) : first_(std::move(first)) {
  const int size = Size();
  // Column j reaches up to row first[j]; a row must reach as far right as every
  // column that starts at or above it, and as every row above it.
  last_.assign(size, 0);
  for (int j = 0; j < size; ++j) {
    STRANDEL_ASSERT(first_[j] >= 0 && first_[j] <= j, "row starts right of its diagonal");
    last_[first_[j]] = std::max(last_[first_[j]], j);
  }
  int reach = 0;
  for (int i = 0; i < size; ++i) {
    reach = std::max({reach, last_[i], i});
    last_[i] = reach;
  }
  offsets_.resize(size);
  std::size_t offset = 0;
  for (int i = 0; i < size; ++i) {
    offsets_[i] = offset;
    offset += static_cast<std::size_t>(last_[i] - first_[i] + 1);
  }
  values_.assign(offset, 0.0);
}

double& BandedMatrix::At(int row, int column) {
  STRANDEL_ASSERT(row >= 0 && row < Size() && InBand(row, column), "entry outside the band");
  return *From(row, column);
}

double BandedMatrix::Value(int row, int column) const {
  if (!InBand(row, column)) return 0.0;
  return values_[offsets_[row] + (column - first_[row])];
}

namespace {

// row[c] += pivotRow[c] * factor for c = 1..width where pivotRow[c] is not zero.
// Written as a selection rather than a branch so that it vectorises; where the
// pivot-row entry is zero the old value is kept unchanged, exactly as a skip.
void UpdateRow(double* row, const double* pivotRow, double factor, int width) {
  for (int c = 1; c <= width; ++c) {
    const double value = pivotRow[c];
    const double updated = value * factor + row[c];
    row[c] = value != 0.0 ? updated : row[c];
  }
}

} // namespace

EliminationResult BandedGaussSolve(BandedMatrix& a, std::vector<double>& b,
                                   std::vector<double>& x) {
  std::vector<std::vector<double>> bs(1), xs;
  bs[0].swap(b);
  const EliminationResult result = BandedGaussSolve(a, bs, xs);
  b.swap(bs[0]);
  x = xs.empty() ? std::vector<double>(static_cast<std::size_t>(a.Size()), 0.0) : std::move(xs[0]);
  return result;
}

EliminationResult BandedGaussSolve(BandedMatrix& a, std::vector<std::vector<double>>& bs,
                                   std::vector<std::vector<double>>& xs) {
  const int size = a.Size();
  const std::size_t m = bs.size();
  for (const std::vector<double>& b : bs)
    STRANDEL_ASSERT(static_cast<int>(b.size()) == size, "right-hand side of another size");
  xs.assign(m, std::vector<double>(static_cast<std::size_t>(size), 0.0));
  if (size == 0) return {EliminationFailure::NotFinite, -1};
  const int n = size - 1;
  std::vector<double> diagonalBefore(size);
  for (int k = 0; k < size; ++k)
    diagonalBefore[k] = std::fabs(*a.From(k, k));
  EliminationResult result;

  // The right-hand sides side by side, row by row, so that a row operation
  // meets them all in one place.
  std::vector<double> rhs(static_cast<std::size_t>(size) * m);
  for (std::size_t s = 0; s < m; ++s)
    for (int i = 0; i < size; ++i)
      rhs[i * m + s] = bs[s][i];

  // Every pivot is checked when its step begins, as the dense elimination does.
  // Rows below a.Last(k) start right of column k: their entry in column k is an
  // exact zero of the dense matrix, which the dense elimination skips as well.
  for (int k = 0; k <= n; ++k) {
    const double* pivotRow = a.From(k, k);
    const double pivot = pivotRow[0];
    if (const double ratio = std::fabs(pivot) / diagonalBefore[k];
        ratio < result.SmallestPivotRatio) {
      result.SmallestPivotRatio = ratio;
      result.SmallestPivotUnknown = k;
    }
    if (const EliminationFailure failure = PivotFailure(pivot);
        failure != EliminationFailure::None) {
      result.Failure = failure;
      result.Unknown = k;
      return result;
    }
    const int last = a.Last(k);
    const int width = last - k;
    const double* bk = &rhs[k * m];
    for (int i = k + 1; i <= last; ++i) {
      if (a.First(i) > k) continue;
      double* row = a.From(i, k);
      const double entry = row[0];
      if (entry == 0.0) continue;
      const double factor = -entry / pivot;
      if (!UsableValue(factor)) return {EliminationFailure::NotFinite, k};
      row[0] = 0.0;
      UpdateRow(row, pivotRow, factor, width);
      // A zero of b[k] leaves b[i] untouched, exactly as a skip would.
      double* bi = &rhs[i * m];
      for (std::size_t s = 0; s < m; ++s) {
        const double updated = bk[s] * factor + bi[s];
        bi[s] = bk[s] != 0.0 ? updated : bi[s];
      }
    }
  }

  // Entries right of a row's band are zeros of the dense matrix; their products
  // would add only zeros to a sum that starts at +0 and so never is -0.
  std::vector<double> x(static_cast<std::size_t>(size) * m, 0.0), sums(m);
  for (int i = n; i >= 0; --i) {
    const double* row = a.From(i, i);
    const int width = a.Last(i) - i;
    std::fill(sums.begin(), sums.end(), 0.0);
    for (int c = 1; c <= width; ++c) {
      const double entry = row[c];
      const double* xc = &x[(i + c) * m];
      for (std::size_t s = 0; s < m; ++s)
        sums[s] += entry * xc[s];
    }
    for (std::size_t s = 0; s < m; ++s) {
      const double value = (rhs[i * m + s] - sums[s]) / row[0];
      if (!UsableValue(value)) return {EliminationFailure::NotFinite, i};
      x[i * m + s] = value;
    }
  }
  for (std::size_t s = 0; s < m; ++s)
    for (int i = 0; i < size; ++i)
      xs[s][i] = x[i * m + s];
  return result;
}

} // namespace strandel
