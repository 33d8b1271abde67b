#pragma once
// The largest positive eigenvalue mu of K^-1 B, K symmetric positive definite
// and B symmetric: the reciprocal of the lowest positive load factor alpha of
// (K + alpha K_G) x = 0 when B = -K_G. Lanczos in the inner product of K, each
// new vector taken square against all before it, so that the extreme
// eigenvalues at both ends of the spectrum come out together, whichever end
// holds the larger ones; restarted from the best vector when it has not
// settled within its steps.

#include <vector>

#include "analysis/sparse_factor.h"

namespace strandel {

struct EigenPair {
  bool Converged = false;
  // 0 when no eigenvalue is positive (nothing is compressed).
  double Value = 0;
  std::vector<double> Vector; // K-normalised; empty when Value is 0
};

// `factor` holds K factorised; `k` and `b` the lower triangles of K and B
// (entries given twice add up), of `size` unknowns.
EigenPair LargestPositiveEigen(const SparseFactor& factor, const std::vector<LowerEntry>& k,
                               const std::vector<LowerEntry>& b, int size);

} // namespace strandel
