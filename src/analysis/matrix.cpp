#include "analysis/matrix.h"

#include <new>

#include "common/assert.h"

namespace strandel {

void AllocVector(TVector& v, int high) {
  v = TVector();
  if (high < 0 || high > MaxVectorHigh) return;
  v.values_.reset(new (std::nothrow) double[static_cast<std::size_t>(high) + 1]());
  if (v.values_) v.count_ = high + 1;
}

void AllocMatrix(TMatrix& m, int rowHigh, int columnHigh) {
  m = TMatrix();
  if (rowHigh < 0 || rowHigh > MaxMatrixRowHigh || columnHigh < 0 || columnHigh > MaxVectorHigh)
    return;
  TMatrix result;
  result.rows_.reset(new (std::nothrow) TVector[static_cast<std::size_t>(rowHigh) + 1]);
  if (!result.rows_) return;
  result.rowCount_ = rowHigh + 1;
  for (int row = 0; row <= rowHigh; ++row) {
    AllocVector(result.rows_[row], columnHigh);
    if (!result.rows_[row]) return; // the partial matrix is released on the way out
  }
  m = std::move(result);
}

void FreeVector(TVector& v, int /*high*/) {
  v.values_.reset();
  v.count_ = 0;
}

void FreeMatrix(TMatrix& m, int rowHigh, int /*columnHigh*/) {
  if (!m) return;
  for (int row = rowHigh < m.rowCount_ ? rowHigh : m.rowCount_ - 1; row >= 0; --row)
    m.rows_[row] = TVector();
  m.rows_.reset();
  m.rowCount_ = 0;
}

void MatVecMul(const TMatrix& a, const TVector& x, TVector& y, int rowHigh, int columnHigh) {
  STRANDEL_ASSERT(&x != &y, "MatVecMul would overwrite its own input");
  for (int i = 0; i <= rowHigh; ++i) {
    const TVector& row = a[i];
    double sum = 0.0;
    for (int k = 0; k <= columnHigh; ++k)
      sum += row[k] * x[k];
    y[i] = sum;
  }
}

void MatMatMul(const TMatrix& a, const TMatrix& b, TMatrix& c, int rowHigh, int columnHigh) {
  STRANDEL_ASSERT(&c != &a && &c != &b, "MatMatMul would overwrite its own input");
  for (int i = 0; i <= rowHigh; ++i) {
    const TVector& row = a[i];
    for (int j = 0; j <= columnHigh; ++j) {
      double sum = 0.0;
      for (int k = 0; k <= columnHigh; ++k)
        sum += row[k] * b[k][j];
      c[i][j] = sum;
    }
  }
}

void VecSub(TVector& a, const TVector& b, int high) {
  for (int i = 0; i <= high; ++i)
    a[i] = a[i] - b[i];
}

} // namespace strandel
