#include "analysis/lanczos.h"

#include <Eigen/Dense>

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "analysis/refined_frame.h"

namespace strandel {
namespace {

// Steps before a restart, and restarts before giving up.
constexpr int kLanczosSteps = 60;
constexpr int kRestarts = 40;
// A Ritz pair has settled when its residual is this small beside the largest
// eigenvalue met: the eigenvalue is then good to about its square.
constexpr double kSettled = 1e-9;

double Dot(const std::vector<double>& a, const std::vector<double>& b) {
  double sum = 0;
  for (std::size_t i = 0; i < a.size(); ++i)
    sum += a[i] * b[i];
  return sum;
}

// A start that no eigenvector of a frame is square to: the same numbers on
// every run, so that the results repeat.
std::vector<double> StartVector(int size) {
  std::vector<double> v(size);
  std::uint64_t state = 0x9E3779B97F4A7C15ULL;
  for (double& x : v) {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    x = static_cast<double>(state >> 11) / 9007199254740992.0 - 0.5;
  }
  return v;
}

// w less its parts along the basis, in the K inner product; kw is K w.
void Orthogonalise(const std::vector<std::vector<double>>& basis, const std::vector<LowerEntry>& k,
                   std::vector<double>& w, std::vector<double>& kw) {
  for (const std::vector<double>& q : basis) {
    const double c = Dot(q, kw);
    for (std::size_t i = 0; i < w.size(); ++i)
      w[i] -= c * q[i];
  }
  SymmetricProduct(k, w, kw);
}

} // namespace

EigenPair LargestPositiveEigen(const SparseFactor& factor, const std::vector<LowerEntry>& k,
                               const std::vector<LowerEntry>& b, int size) {
  EigenPair pair;
  if (size == 0) {
    pair.Converged = true;
    return pair;
  }
  const int steps = std::min(size, kLanczosSteps);
  std::vector<double> start = StartVector(size);
  std::vector<double> kr, bq;
  std::vector<std::vector<double>> basis, solved(1);
  for (int restart = 0; restart < kRestarts; ++restart) {
    basis.clear();
    std::vector<double> alphas, betas;
    std::vector<double> r = start;
    SymmetricProduct(k, r, kr);
    double beta = std::sqrt(std::max(Dot(r, kr), 0.0));
    if (!(beta > 0) || !std::isfinite(beta)) return pair;
    double last = 0;    // the beta after the last step
    double largest = 0; // of the tridiagonal's entries so far
    bool exhausted = false;
    for (int j = 0; j < steps; ++j) {
      for (double& x : r)
        x /= beta;
      basis.push_back(r);
      const std::vector<double>& q = basis.back();
      SymmetricProduct(b, q, bq);
      // w = K^-1 B q, and K w = B q.
      if (!factor.Solve({bq}, solved).Ok()) return pair;
      std::vector<double>& w = solved.front();
      alphas.push_back(Dot(q, bq));
      largest = std::max(largest, std::fabs(alphas.back()));
      std::vector<double> kw = bq;
      Orthogonalise(basis, k, w, kw);
      Orthogonalise(basis, k, w, kw); // twice is enough (Kahan)
      last = std::sqrt(std::max(Dot(w, kw), 0.0));
      r = std::move(w);
      // An invariant subspace: the Ritz values are exact.
      exhausted = !(last > 1e-14 * largest) || !(last > 0);
      if (exhausted || j + 1 == steps) break;
      betas.push_back(last);
      largest = std::max(largest, last);
      beta = last;
    }
    const int m = static_cast<int>(alphas.size());
    Eigen::MatrixXd t = Eigen::MatrixXd::Zero(m, m);
    for (int i = 0; i < m; ++i) {
      t(i, i) = alphas[i];
      if (i + 1 < m) t(i, i + 1) = t(i + 1, i) = betas[i];
    }
    const Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd> eigen(t);
    const Eigen::VectorXd& theta = eigen.eigenvalues(); // rising
    const double top = theta[m - 1];
    const double scale = std::max(std::fabs(theta[0]), std::fabs(top));
    const double residual = last * std::fabs(eigen.eigenvectors()(m - 1, m - 1));
    std::vector<double> x(size, 0.0);
    for (int i = 0; i < m; ++i) {
      const double s = eigen.eigenvectors()(i, m - 1);
      for (int e = 0; e < size; ++e)
        x[e] += s * basis[i][e];
    }
    if (exhausted || m == size || residual <= kSettled * scale) {
      pair.Converged = true;
      // Nothing compressed leaves only rounding on the positive side.
      if (!(top > 1e-12 * scale)) return pair;
      pair.Value = top;
      pair.Vector = std::move(x);
      return pair;
    }
    start = std::move(x);
  }
  return pair;
}

} // namespace strandel
