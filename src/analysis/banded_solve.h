#pragma once
// The frame's equations solved inside their band. A stiffness matrix couples each
// unknown only with those of the nodes joined to its own, so each row holds
// entries in a short run of columns around the diagonal. Elimination without row
// exchanges never creates an entry outside the envelope of those runs; doing the
// dense solver's operations inside the envelope only, in the same order and with
// the same skips, gives the same numbers bit for bit at a fraction of the cost.

#include <cstddef>
#include <vector>

#include "analysis/pivot_check.h"

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

struct EliminationResult {
  EliminationFailure Failure = EliminationFailure::None;
  int Unknown = -1; // the unknown whose pivot failed; -1 when none or not known
  // The smallest |pivot| / |diagonal before elimination| met, and its unknown:
  // how close the structure came to moving (1 for a diagonal matrix).
  double SmallestPivotRatio = 1;
  int SmallestPivotUnknown = -1;
  bool Ok() const { return Failure == EliminationFailure::None; }
};

// Solves a x = b with exactly the arithmetic of GaussSolve, overwriting a and b
// (the caller builds them for this solve). x receives a.Size() entries; when the
// result is not Ok it must not be used. The first pivot that is zero or not
// finite (PivotFailure) names its unknown.
EliminationResult BandedGaussSolve(BandedMatrix& a, std::vector<double>& b, std::vector<double>& x);
// The same for several right-hand sides at once: one elimination of a, each b
// treated with exactly the arithmetic it would have alone.
EliminationResult BandedGaussSolve(BandedMatrix& a, std::vector<std::vector<double>>& bs,
                                   std::vector<std::vector<double>>& xs);

} // namespace strandel
