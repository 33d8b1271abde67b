#pragma once
// The frame's compacted equations solved by the plain dense elimination: the
// reference every solve of the analysis is checked against.

#include <algorithm>
#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/analysis_outcome.h"
#include "analysis/frame_system.h"
#include "analysis/gauss_solve.h"
#include "analysis/matrix_helpers.h"

namespace strandel::testing {

// How many of the displacements the analysis reported (outcome, of the
// analysed doc) disagree with the dense solution of the same equations, in the
// sense of Disagreements; a prescribed displacement is the support's, not a
// solution, and is not compared. -1 when the dense elimination fails.
inline int DisagreementsWithTheDenseSolve(const ModelDocument& doc,
                                          const AnalysisOutcome& outcome) {
  const NodeTable nodes(doc);
  const FrameSystem system = AssembleFrame(doc, nodes);
  const int high = static_cast<int>(system.Kept.size()) - 1;
  TMatrix k;
  TVector f, dense;
  if (!DenseEquations(system, k, f)) return -1;
  AllocVector(dense, high);
  const int solved = GaussSolve(k, f, dense, high);
  FreeMatrix(k, system.Unknowns - 1, system.Unknowns - 1);
  if (solved != 0) return -1;
  std::vector<double> reference, reported;
  for (int r = 0; r <= high; ++r) {
    const int unknown = system.Kept[r];
    if (system.Restrained[unknown]) continue;
    reference.push_back(dense[r]);
    reported.push_back(outcome.Displacements[unknown]);
  }
  return Disagreements(reported, reference);
}

// The largest error of the displacements the analysis reported, and of the
// plain elimination's in double, against the elimination of the same
// equations in long double; each over the largest displacement. Where the
// stiffnesses differ by many orders neither solve in double agrees with the
// other to many digits, and this tells which is the nearer.
struct SolveErrors {
  double Analysis = 0, PlainElimination = 0;
};
inline SolveErrors ErrorsAgainstLongDouble(const ModelDocument& doc,
                                           const AnalysisOutcome& outcome) {
  const NodeTable nodes(doc);
  const FrameSystem system = AssembleFrame(doc, nodes);
  const int size = static_cast<int>(system.Kept.size());
  TMatrix k;
  TVector f, plain;
  EXPECT_TRUE(DenseEquations(system, k, f));
  std::vector<std::vector<long double>> a(size, std::vector<long double>(size));
  std::vector<long double> b(size), x(size);
  for (int i = 0; i < size; ++i) {
    for (int j = 0; j < size; ++j)
      a[i][j] = k[i][j];
    b[i] = f[i];
  }
  AllocVector(plain, size - 1);
  EXPECT_EQ(GaussSolve(k, f, plain, size - 1), 0);
  FreeMatrix(k, system.Unknowns - 1, system.Unknowns - 1);
  for (int p = 0; p < size; ++p) {
    for (int i = p + 1; i < size; ++i) {
      if (a[i][p] == 0) continue;
      const long double factor = a[i][p] / a[p][p];
      for (int j = p; j < size; ++j)
        a[i][j] -= factor * a[p][j];
      b[i] -= factor * b[p];
    }
  }
  for (int i = size - 1; i >= 0; --i) {
    long double sum = b[i];
    for (int j = i + 1; j < size; ++j)
      sum -= a[i][j] * x[j];
    x[i] = sum / a[i][i];
  }
  SolveErrors errors;
  long double largest = 0;
  for (int r = 0; r < size; ++r) {
    const int unknown = system.Kept[r];
    if (system.Restrained[unknown]) continue;
    largest = std::max(largest, std::fabs(x[r]));
    errors.Analysis = std::max(
        errors.Analysis, static_cast<double>(std::fabs(outcome.Displacements[unknown] - x[r])));
    errors.PlainElimination =
        std::max(errors.PlainElimination, static_cast<double>(std::fabs(plain[r] - x[r])));
  }
  if (largest > 0) {
    errors.Analysis /= static_cast<double>(largest);
    errors.PlainElimination /= static_cast<double>(largest);
  }
  return errors;
}

} // namespace strandel::testing
