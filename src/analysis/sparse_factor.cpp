#include "analysis/sparse_factor.h"

#include <Eigen/OrderingMethods>
#include <Eigen/SparseCholesky>
#include <Eigen/SparseCore>

#include <cmath>

#include "analysis/frame_system.h"

namespace strandel {

namespace {

using Matrix = Eigen::SparseMatrix<double, Eigen::ColMajor, int>;
using Ldlt = Eigen::SimplicialLDLT<Matrix, Eigen::Lower, Eigen::AMDOrdering<int>>;

} // namespace

std::vector<LowerEntry> KeptStiffness(const FrameSystem& system) {
  std::vector<LowerEntry> lower;
  lower.reserve(system.Blocks.size() * 6);
  for (const FrameSystem::Block& block : system.Blocks) {
    for (int i = 0; i < 3; ++i) {
      const int row = system.KeptIndex[3 * block.RowNode + i];
      if (row < 0) continue;
      for (int j = 0; j < 3; ++j) {
        const int column = system.KeptIndex[3 * block.ColumnNode + j];
        if (column >= 0 && column <= row) lower.push_back({row, column, block.K[i * 3 + j]});
      }
    }
  }
  return lower;
}

struct SparseFactor::Factor {
  Ldlt ldlt;
};

SparseFactor::SparseFactor() : factor_(std::make_unique<Factor>()) {}
SparseFactor::~SparseFactor() = default;

EliminationResult SparseFactor::Factorise(int size, const std::vector<LowerEntry>& lower,
                                          bool sumDuplicates) {
  EliminationResult result;
  if (size == 0) {
    result.Failure = EliminationFailure::NotFinite;
    return result;
  }
  Matrix a(size, size);
  {
    std::vector<Eigen::Triplet<double, int>> triplets;
    triplets.reserve(lower.size());
    for (const LowerEntry& entry : lower)
      triplets.emplace_back(entry.Row, entry.Column, entry.Value);
    if (sumDuplicates)
      a.setFromTriplets(triplets.begin(), triplets.end());
    else
      a.setFromTriplets(triplets.begin(), triplets.end(),
                        [](double, double later) { return later; });
  }
  Ldlt& ldlt = factor_->ldlt;
  ldlt.analyzePattern(a);
  ldlt.factorize(a);

  // Position k of the elimination is unknown original[k] of the matrix.
  const Eigen::VectorXi& placeOf = ldlt.permutationP().indices();
  std::vector<int> original(size);
  for (int i = 0; i < size; ++i)
    original[placeOf[i]] = i;
  const Eigen::VectorXd diagonal = a.diagonal();
  const auto fail = [&](EliminationFailure failure, int k) {
    result.Failure = failure;
    result.Unknown = original[k];
    return result;
  };
  const Eigen::VectorXd& d = ldlt.vectorD();
  if (ldlt.info() != Eigen::Success) {
    // The factorisation stops at the first pivot that is exactly zero; those
    // before it are not.
    for (int k = 0; k < size; ++k)
      if (d[k] == 0.0) return fail(EliminationFailure::ZeroPivot, k);
    return fail(EliminationFailure::ZeroPivot, size - 1);
  }

  for (int k = 0; k < size; ++k) {
    const double pivot = d[k];
    if (const EliminationFailure failure = PivotFailure(pivot); failure != EliminationFailure::None)
      return fail(failure, k);
    if (pivot < 0) ++result.NegativePivots;
    if (const double ratio = std::fabs(pivot) / std::fabs(diagonal[original[k]]);
        ratio < result.SmallestPivotRatio) {
      result.SmallestPivotRatio = ratio;
      result.SmallestPivotUnknown = original[k];
    }
  }
  return result;
}

EliminationResult SparseFactor::Solve(const std::vector<std::vector<double>>& bs,
                                      std::vector<std::vector<double>>& xs) const {
  const Ldlt& ldlt = factor_->ldlt;
  const int size = static_cast<int>(ldlt.rows());
  const int count = static_cast<int>(bs.size());
  Eigen::MatrixXd b(size, count);
  for (int s = 0; s < count; ++s)
    b.col(s) = Eigen::Map<const Eigen::VectorXd>(bs[s].data(), size);
  const Eigen::MatrixXd x = ldlt.solve(b);
  xs.assign(bs.size(), {});
  EliminationResult result;
  for (int s = 0; s < count; ++s) {
    xs[s].assign(x.col(s).data(), x.col(s).data() + size);
    for (int i = 0; i < size; ++i) {
      if (!UsableValue(xs[s][i]) && result.Ok()) {
        result.Failure = EliminationFailure::NotFinite;
        result.Unknown = i;
      }
    }
  }
  return result;
}

} // namespace strandel
