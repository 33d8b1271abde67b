#include "analysis/banded_matrix.h"

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

} // namespace strandel
