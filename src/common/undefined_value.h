#pragma once
// An undefined section or design value is NaN, never a plausible number. These
// helpers keep it undefined where std::min and std::max would quietly drop it.

#include <cmath>
#include <limits>

namespace strandel {

constexpr double kUndefined = std::numeric_limits<double>::quiet_NaN();

inline bool IsDefined(double x) {
  return !std::isnan(x);
}

// The smaller / larger of two values; undefined when either is.
inline double SmallerOf(double a, double b) {
  if (std::isnan(a) || std::isnan(b)) return kUndefined;
  return b < a ? b : a;
}
inline double LargerOf(double a, double b) {
  if (std::isnan(a) || std::isnan(b)) return kUndefined;
  return b > a ? b : a;
}

} // namespace strandel
