#pragma once
// Writing small matrices and vectors of the tests as nested braces.

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "analysis/matrix.h"

namespace strandel::testing {

inline TMatrix MatrixOf(std::initializer_list<std::initializer_list<double>> rows) {
  TMatrix m;
  const int columns = static_cast<int>(rows.begin()->size());
  AllocMatrix(m, static_cast<int>(rows.size()) - 1, columns - 1);
  int i = 0;
  for (const auto& row : rows) {
    int j = 0;
    for (double value : row)
      m[i][j++] = value;
    ++i;
  }
  return m;
}

inline TVector VectorOf(const std::vector<double>& values) {
  TVector v;
  AllocVector(v, static_cast<int>(values.size()) - 1);
  for (std::size_t i = 0; i < values.size(); ++i)
    v[static_cast<int>(i)] = values[i];
  return v;
}

inline std::vector<double> ValuesOf(const TVector& v, int high) {
  std::vector<double> values;
  for (int i = 0; i <= high; ++i)
    values.push_back(v[i]);
  return values;
}

// Equal as bit patterns: the sign of a zero and the payload of a NaN count.
inline bool SameBits(double a, double b) {
  return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// How many values of `solved` differ from `reference` by more than `share` of
// the reference value or, for values below `floor` of the largest reference
// value, by more than `share` of that floor: the rounding of a solve is a share
// of the largest values, and a value near zero keeps only that.
inline int Disagreements(const std::vector<double>& solved, const std::vector<double>& reference,
                         double share = 1e-10, double floor = 1e-3) {
  double largest = 0;
  for (double value : reference)
    largest = std::max(largest, std::fabs(value));
  int count = solved.size() == reference.size() ? 0 : 1;
  for (std::size_t i = 0; i < std::min(solved.size(), reference.size()); ++i) {
    const double allowed = share * std::max(std::fabs(reference[i]), floor * largest);
    count += std::fabs(solved[i] - reference[i]) <= allowed ? 0 : 1;
  }
  return count;
}

} // namespace strandel::testing
