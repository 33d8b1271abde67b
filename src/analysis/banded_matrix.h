#pragma once
// A square matrix held inside its envelope: the rows of a sparse matrix whose
// entries stay near the diagonal, each from its first possibly non-zero column
// on. Elimination without row exchanges, and the Givens rotations of a QR
// factorisation, never create an entry outside that envelope.

#include <cstddef>
#include <vector>

namespace strandel {

// A square matrix with a symmetric pattern of entries, stored row by row from
// each row's first possibly non-zero column to the end of the band. Row i holds
// columns First(i) .. Last(i); Last never decreases, and every column j > i whose
// row starts at or before i lies within row i, which is what keeps fill-in inside.
class BandedMatrix {
public:
  BandedMatrix() = default;
  // first[i] <= i is the lowest column of row i (and, the pattern being symmetric,
  // the lowest row of column i) that may hold a non-zero entry.
  explicit BandedMatrix(std::vector<int> first);

  int Size() const { return static_cast<int>(first_.size()); }
  int First(int row) const { return first_[row]; }
  int Last(int row) const { return last_[row]; }
  bool InBand(int row, int column) const { return column >= first_[row] && column <= last_[row]; }
  // The entry; a broken invariant when it lies outside the band.
  double& At(int row, int column);
  // The entry, 0 outside the band.
  double Value(int row, int column) const;
  // Row `row` from column `column` on (column within the band).
  double* From(int row, int column) {
    return values_.data() + offsets_[row] + (column - first_[row]);
  }
  std::size_t StoredEntries() const { return values_.size(); }

private:
  std::vector<int> first_, last_;
  std::vector<std::size_t> offsets_;
  std::vector<double> values_;
};

} // namespace strandel
