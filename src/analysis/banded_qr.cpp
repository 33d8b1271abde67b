#include "analysis/banded_qr.h"

#include <cmath>

#include "common/assert.h"

namespace strandel {

BandedQr::BandedQr(std::vector<int> first)
    : r_(std::move(first)), squares_(r_.Size(), 0.0), work_(r_.Size(), 0.0) {}

void BandedQr::AddRow(const std::vector<int>& columns, const std::vector<double>& values) {
  int k = Size();
  for (std::size_t i = 0; i < columns.size(); ++i) {
    const int column = columns[i];
    work_[column] += values[i];
    squares_[column] += values[i] * values[i];
    if (column < k) k = column;
  }
  if (k == Size()) return;
  for (int column : columns)
    STRANDEL_ASSERT(r_.InBand(k, column), "a row reaching outside the band");
  // The row's entries stay within [k, Last(k)] as it is rotated: each rotation
  // fills it only up to the end of R's row k, and Last never decreases.
  int last = r_.Last(k);
  for (; k <= last; ++k) {
    const double entry = work_[k];
    if (entry == 0.0) continue;
    last = r_.Last(k);
    const int width = last - k;
    double* row = r_.From(k, k);
    double* incoming = work_.data() + k;
    if (row[0] == 0.0) {
      // R's row k is still empty: the rest of the row becomes it.
      for (int c = 0; c <= width; ++c) {
        row[c] = incoming[c];
        incoming[c] = 0.0;
      }
      return;
    }
    const double radius = std::hypot(row[0], entry);
    const double cosine = row[0] / radius, sine = entry / radius;
    row[0] = radius;
    incoming[0] = 0.0;
    for (int c = 1; c <= width; ++c) {
      const double upper = row[c], lower = incoming[c];
      row[c] = cosine * upper + sine * lower;
      incoming[c] = cosine * lower - sine * upper;
    }
  }
  // Every entry was rotated to an exact zero: the row lay in the span of R's rows.
}

} // namespace strandel
