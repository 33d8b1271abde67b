// The sparse LDL^t factorisation solves what the plain elimination solves,
// whatever the numbering of the unknowns, and names the unknown where a
// symmetric system gives way.

#include "analysis/sparse_factor.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <random>

#include <gtest/gtest.h>

#include "analysis/gauss_solve.h"
#include "analysis/matrix_helpers.h"

namespace strandel {
namespace {

struct System {
  int Size = 0;
  std::vector<LowerEntry> Lower;
  std::vector<double> B;
};

// A random symmetric system with the pattern of a frame: each unknown coupled
// to a few others anywhere in the numbering, many entries exact zeros, right-
// hand sides with zeros of both signs, and a diagonal that keeps it positive
// definite.
System RandomSystem(std::mt19937& random, int size) {
  std::uniform_int_distribution<int> other(0, size - 1);
  std::uniform_real_distribution<double> value(-1.0, 1.0);
  System system{size, {}, std::vector<double>(size)};
  std::vector<double> rowSum(size, 0.0);
  for (int i = 0; i < size; ++i) {
    for (int c = 0; c < 4 && size > 1; ++c) {
      const int j = other(random);
      if (j == i) continue;
      const double entry = c == 3 ? 0.0 : value(random) * 1e3;
      system.Lower.push_back({std::max(i, j), std::min(i, j), entry});
      rowSum[i] += std::fabs(entry), rowSum[j] += std::fabs(entry);
    }
  }
  for (int i = 0; i < size; ++i) {
    system.Lower.push_back({i, i, rowSum[i] + 1 + std::fabs(value(random))});
    const int kind = i % 5;
    system.B[i] = kind == 0 ? 0.0 : kind == 1 ? -0.0 : value(random) * 1e4;
  }
  return system;
}

// The system solved by the plain dense elimination. An entry given twice
// counts once, the later one, as in the factorisation.
std::vector<double> DenseSolution(const System& system) {
  const int high = system.Size - 1;
  TMatrix a;
  AllocMatrix(a, high, high);
  for (const LowerEntry& entry : system.Lower)
    a[entry.Row][entry.Column] = a[entry.Column][entry.Row] = entry.Value;
  TVector b = testing::VectorOf(system.B), x;
  AllocVector(x, high);
  EXPECT_EQ(GaussSolve(a, b, x, high), 0);
  std::vector<double> solution = testing::ValuesOf(x, high);
  FreeMatrix(a, high, high);
  return solution;
}

std::vector<double> Solved(const System& system, EliminationResult* factorised = nullptr) {
  SparseFactor factor;
  const EliminationResult result = factor.Factorise(system.Size, system.Lower);
  if (factorised) *factorised = result;
  EXPECT_TRUE(result.Ok());
  std::vector<std::vector<double>> xs;
  EXPECT_TRUE(factor.Solve({system.B}, xs).Ok());
  return xs.empty() ? std::vector<double>{} : xs[0];
}

TEST(SparseFactor, SolvesWhatTheDenseEliminationSolvesInAnyNumbering) {
  std::mt19937 random(20261207);
  for (int size : {1, 2, 7, 120, 300, 450}) {
    const System system = RandomSystem(random, size);
    const std::vector<double> dense = DenseSolution(system);
    const std::vector<double> sparse = Solved(system);
    EXPECT_EQ(testing::Disagreements(sparse, dense), 0) << size << " unknowns";

    // The same system with its unknowns numbered anew gives the same solution,
    // renumbered.
    std::vector<int> renumber(size);
    std::iota(renumber.begin(), renumber.end(), 0);
    std::shuffle(renumber.begin(), renumber.end(), random);
    System shuffled{size, {}, std::vector<double>(size)};
    for (const LowerEntry& entry : system.Lower) {
      const int row = renumber[entry.Row], column = renumber[entry.Column];
      shuffled.Lower.push_back({std::max(row, column), std::min(row, column), entry.Value});
    }
    for (int i = 0; i < size; ++i)
      shuffled.B[renumber[i]] = system.B[i];
    const std::vector<double> again = Solved(shuffled);
    std::vector<double> back(size);
    for (int i = 0; i < size; ++i)
      back[i] = again[renumber[i]];
    EXPECT_EQ(testing::Disagreements(back, dense), 0) << size << " unknowns renumbered";
  }
}

TEST(SparseFactor, SolvesEveryRightHandSideWithOneFactorisation) {
  std::mt19937 random(7);
  const System system = RandomSystem(random, 200);
  SparseFactor factor;
  ASSERT_TRUE(factor.Factorise(system.Size, system.Lower).Ok());
  std::vector<double> doubled = system.B, zero(system.B.size(), 0.0);
  for (double& value : doubled)
    value *= 2;
  std::vector<std::vector<double>> xs;
  ASSERT_TRUE(factor.Solve({system.B, zero, doubled}, xs).Ok());
  ASSERT_EQ(xs.size(), 3u);
  EXPECT_EQ(testing::Disagreements(xs[0], DenseSolution(system)), 0);
  for (std::size_t i = 0; i < xs[0].size(); ++i) {
    EXPECT_EQ(xs[1][i], 0.0);
    EXPECT_EQ(xs[2][i], 2 * xs[0][i]); // doubling is exact
  }
}

TEST(SparseFactor, PivotRatioIsTheStiffnessAFreedomKeeps) {
  // The free end of one cantilever stretch (E I = L = 1): y and the rotation
  // couple through 12, -6 and 4. Whichever goes first, the other keeps a
  // quarter of its stiffness: 12 - 36 / 4 = 3 of 12, or 4 - 36 / 12 = 1 of 4.
  const System tip{2, {{0, 0, 12}, {1, 0, -6}, {1, 1, 4}}, {1, 0}};
  EliminationResult result;
  const std::vector<double> x = Solved(tip, &result);
  EXPECT_DOUBLE_EQ(result.SmallestPivotRatio, 0.25);
  EXPECT_TRUE(result.SmallestPivotUnknown == 0 || result.SmallestPivotUnknown == 1);
  EXPECT_DOUBLE_EQ(x[0], 1.0 / 3); // F L^3 / (3 E I)
  EXPECT_DOUBLE_EQ(x[1], 0.5);     // F L^2 / (2 E I)
}

TEST(SparseFactor, NamesTheUnknownWhereTheSystemGivesWay) {
  // A free spring pair, beside an unknown held by its own spring: the pair
  // moves as a whole, so either of its unknowns is where it gives way.
  SparseFactor factor;
  EliminationResult result = factor.Factorise(3, {{0, 0, 1}, {1, 0, -1}, {1, 1, 1}, {2, 2, 5}});
  EXPECT_EQ(result.Failure, EliminationFailure::ZeroPivot);
  EXPECT_TRUE(result.Unknown == 0 || result.Unknown == 1) << result.Unknown;

  // The pair keeping a stiffness of one unit of the last digit of its diagonal:
  // what is left is rounding or stiffness, which no pivot size tells apart.
  const double ulp = std::numeric_limits<double>::epsilon();
  // It is divided by, and the factorisation tells how little of its diagonal
  // the pivot kept, and where: the unknowns along which the pair moves.
  result = factor.Factorise(3, {{0, 0, 1}, {1, 0, -1}, {1, 1, 1 + ulp}, {2, 2, 5}});
  ASSERT_TRUE(result.Ok());
  EXPECT_LT(result.SmallestPivotRatio, 4 * ulp);
  EXPECT_TRUE(result.SmallestPivotUnknown == 0 || result.SmallestPivotUnknown == 1);

  // Keeping 1e-14 of it, the pair is soft but holds: it stretches by the load
  // over 1e-14, and the factorisation tells how little of its diagonal it kept.
  result = factor.Factorise(3, {{0, 0, 1}, {1, 0, -1}, {1, 1, 1 + 1e-14}, {2, 2, 5}});
  ASSERT_TRUE(result.Ok());
  EXPECT_NEAR(result.SmallestPivotRatio, 1e-14, 1e-16);
  std::vector<std::vector<double>> xs;
  ASSERT_TRUE(factor.Solve({{0, 1, 1}}, xs).Ok());
  EXPECT_NEAR(xs[0][0], 1e14, 1e12);
  EXPECT_NEAR(xs[0][1], 1e14, 1e12);

  // Values that are not numbers, or a result that overflows.
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(factor.Factorise(2, {{0, 0, 2}, {1, 0, nan}, {1, 1, 3}}).Failure,
            EliminationFailure::NotFinite);
  ASSERT_TRUE(factor.Factorise(1, {{0, 0, 1e-300}}).Ok());
  const EliminationResult solved = factor.Solve({{1e300}}, xs);
  EXPECT_EQ(solved.Failure, EliminationFailure::NotFinite);
  EXPECT_EQ(solved.Unknown, 0);
}

} // namespace
} // namespace strandel
