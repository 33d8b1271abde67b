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
constexpr int kRestarts = 12;
constexpr int kCheckEvery = 8;
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

// The largest Ritz value of the tridiagonal matrix the steps have built, its
// residual (the next beta times its vector's last entry) and its vector in the
// Lanczos basis.
struct RitzPair {
  double Top = 0, Scale = 0, Residual = 0;
  Eigen::VectorXd Coefficients;
};

RitzPair LargestRitz(const std::vector<double>& alphas, const std::vector<double>& betas,
                     double next) {
  const int m = static_cast<int>(alphas.size());
  Eigen::MatrixXd t = Eigen::MatrixXd::Zero(m, m);
  for (int i = 0; i < m; ++i) {
    t(i, i) = alphas[i];
    if (i + 1 < m) t(i, i + 1) = t(i + 1, i) = betas[i];
  }
  const Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd> eigen(t);
  const Eigen::VectorXd& theta = eigen.eigenvalues(); // rising
  RitzPair ritz;
  ritz.Top = theta[m - 1];
  ritz.Scale = std::max(std::fabs(theta[0]), std::fabs(ritz.Top));
  ritz.Coefficients = eigen.eigenvectors().col(m - 1);
  ritz.Residual = next * std::fabs(ritz.Coefficients[m - 1]);
  return ritz;
}

std::vector<double> Combined(const std::vector<std::vector<double>>& basis,
                             const Eigen::VectorXd& coefficients, int size) {
  std::vector<double> x(size, 0.0);
  for (std::size_t i = 0; i < basis.size(); ++i) {
    const double c = coefficients[static_cast<Eigen::Index>(i)];
    for (int e = 0; e < size; ++e)
      x[e] += c * basis[i][e];
  }
  return x;
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
    double largest = 0; // of the tridiagonal's entries so far
    RitzPair ritz;
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
      const double next = std::sqrt(std::max(Dot(w, kw), 0.0));
      r = std::move(w);
      // An invariant subspace: the Ritz values are exact.
      const bool exhausted = !(next > 1e-14 * largest) || !(next > 0);
      const bool last = exhausted || j + 1 == steps;
      // The extreme values settle long before the basis is full: look every
      // few steps.
      if (last || (j + 1) % kCheckEvery == 0) {
        ritz = LargestRitz(alphas, betas, next);
        if (exhausted || static_cast<int>(alphas.size()) == size ||
            ritz.Residual <= kSettled * ritz.Scale) {
          pair.Converged = true;
          // Nothing compressed leaves only rounding on the positive side.
          if (!(ritz.Top > 1e-12 * ritz.Scale)) return pair;
          pair.Value = ritz.Top;
          pair.Vector = Combined(basis, ritz.Coefficients, size);
          return pair;
        }
      }
      if (last) break;
      betas.push_back(next);
      largest = std::max(largest, next);
      beta = next;
    }
    start = Combined(basis, ritz.Coefficients, size);
  }
  return pair;
}

} // namespace strandel
