#pragma once
// Dense double-precision vectors and matrices with inclusive high indices, as the
// frame solver and the optimizer's point tables use them. A vector does not know
// its length and a matrix not its dimensions: every routine is told the high
// indices, and every element access is checked.

#include <memory>
#include <stdexcept>

namespace strandel {

// The capacities of the design: 8191 doubles per vector or matrix row, 16383 rows.
inline constexpr int MaxVectorHigh = 8190;
inline constexpr int MaxMatrixRowHigh = 16382;

// An element access outside a vector's capacity or allocation, or on a vector
// that was never allocated.
class RangeError : public std::out_of_range {
public:
  RangeError() : std::out_of_range("index outside the array") {}
};

// Zero-based doubles; a default-constructed vector is the null reference.
class TVector {
public:
  TVector() = default;
  TVector(TVector&&) noexcept = default;
  TVector& operator=(TVector&&) noexcept = default;

  explicit operator bool() const { return values_ != nullptr; }
  double& operator[](int index) {
    Check(index);
    return values_[index];
  }
  const double& operator[](int index) const {
    Check(index);
    return values_[index];
  }

private:
  friend void AllocVector(TVector& v, int high);
  friend void FreeVector(TVector& v, int high);
  // An index beyond the allocation is refused like one beyond the capacity, so
  // a caller passing too large a high index cannot write past the array.
  void Check(int index) const {
    if (index < 0 || index >= count_) throw RangeError();
  }
  std::unique_ptr<double[]> values_;
  int count_ = 0;
};

// Rows are separate allocations, so two rows are exchanged by exchanging their
// references: std::swap(m[i], m[j]).
class TMatrix {
public:
  TMatrix() = default;
  TMatrix(TMatrix&&) noexcept = default;
  TMatrix& operator=(TMatrix&&) noexcept = default;

  explicit operator bool() const { return rows_ != nullptr; }
  TVector& operator[](int row) {
    Check(row);
    return rows_[row];
  }
  const TVector& operator[](int row) const {
    Check(row);
    return rows_[row];
  }

private:
  friend void AllocMatrix(TMatrix& m, int rowHigh, int columnHigh);
  friend void FreeMatrix(TMatrix& m, int rowHigh, int columnHigh);
  void Check(int row) const {
    if (row < 0 || row >= rowCount_) throw RangeError();
  }
  std::unique_ptr<TVector[]> rows_;
  int rowCount_ = 0;
};

// v := high + 1 zeros, or null when high lies outside 0..MaxVectorHigh or the
// memory is not there.
void AllocVector(TVector& v, int high);
// m := (rowHigh + 1) x (columnHigh + 1) zeros, or null when a high index lies
// outside its capacity or any allocation fails.
void AllocMatrix(TMatrix& m, int rowHigh, int columnHigh);
// Release and reset to null; nothing happens to a null reference.
void FreeVector(TVector& v, int high);
void FreeMatrix(TMatrix& m, int rowHigh, int columnHigh);

// y[i] := sum over k = 0..columnHigh of a[i][k] x[k], for i = 0..rowHigh. y must not be x.
void MatVecMul(const TMatrix& a, const TVector& x, TVector& y, int rowHigh, int columnHigh);
// c[i][j] := sum over k = 0..columnHigh of a[i][k] b[k][j]; b is square with
// columnHigh + 1 rows; c is distinct from a and b.
void MatMatMul(const TMatrix& a, const TMatrix& b, TMatrix& c, int rowHigh, int columnHigh);
// a[i] := a[i] - b[i] for i = 0..high.
void VecSub(TVector& a, const TVector& b, int high);

} // namespace strandel
