// Gaussian elimination without row exchanges: results against hand solutions,
// and -1 for every way it can fail, with the inputs left as they were.

#include "analysis/gauss_solve.h"

#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "analysis/matrix_helpers.h"

namespace strandel {
namespace {

using testing::MatrixOf;
using testing::SameBits;
using testing::ValuesOf;
using testing::VectorOf;

std::vector<std::vector<double>> RowsOf(const TMatrix& m, int high) {
  std::vector<std::vector<double>> rows;
  for (int i = 0; i <= high; ++i)
    rows.push_back(ValuesOf(m[i], high));
  return rows;
}

bool SameBits(const std::vector<double>& a, const std::vector<double>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (!SameBits(a[i], b[i])) return false;
  return true;
}

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(GaussSolve, SolvesRegularSystems) {
  struct Case {
    std::string name;
    TMatrix a;
    std::vector<double> b;
    std::vector<double> expected;
  };
  Case cases[] = {
      // 3 x = 6.
      {"one by one", MatrixOf({{3}}), {6}, {2}},
      // 2x + y = 5, x + 3y = 10: x = 1, y = 3.
      {"two by two", MatrixOf({{2, 1}, {1, 3}}), {5, 10}, {1, 3}},
      // A (1, -2, 3) = (4 + 4 + 3, -2 - 8 - 6, 1 + 4 + 12).
      {"symmetric", MatrixOf({{4, -2, 1}, {-2, 4, -2}, {1, -2, 4}}), {11, -16, 17}, {1, -2, 3}},
      // A bar of three springs k = 1 fixed at the left, unit force at the free end:
      // every node moves by the number of springs behind it.
      {"spring chain", MatrixOf({{2, -1, 0}, {-1, 2, -1}, {0, -1, 1}}), {0, 0, 1}, {1, 2, 3}},
      // Nearly singular, but the second pivot keeps 1e-9 of its diagonal:
      // x + y = 2, x + (1 + 1e-9) y = 2 + 1e-9 gives (1, 1).
      {"small pivot", MatrixOf({{1, 1}, {1, 1 + 1e-9}}), {2, 2 + 1e-9}, {1, 1}},
      // A pivot of 1e-13 of its diagonal is tiny but not zero, and divided by
      // like any other: x + y = 1 twice over leaves y = 0 / 1e-13 = 0.
      {"tiny pivot", MatrixOf({{1, 1}, {1, 1 + 1e-13}}), {1, 1}, {1, 0}},
      // A small diagonal is no small pivot: its row is small too.
      {"small row", MatrixOf({{1e-300, 0}, {0, 1}}), {1e-300, 1}, {1, 1}},
  };
  for (Case& c : cases) {
    const int high = static_cast<int>(c.b.size()) - 1;
    TVector b = VectorOf(c.b), x;
    AllocVector(x, high);
    ASSERT_EQ(GaussSolve(c.a, b, x, high), 0) << c.name;
    for (int i = 0; i <= high; ++i)
      EXPECT_NEAR(x[i], c.expected[i], 1e-14) << c.name << " x" << i;
  }
}

TEST(GaussSolve, FailsWithMinusOneAndLeavesItsInputs) {
  struct Case {
    std::string name;
    TMatrix a;
    std::vector<double> b;
    int high;
  };
  Case cases[] = {
      // Regular, but the first pivot is zero and rows are never exchanged.
      {"needs a row exchange", MatrixOf({{0, 1}, {1, 0}}), {1, 2}, 1},
      // Second pivot 4 - 2 * 2 is exactly zero.
      {"singular", MatrixOf({{1, 2}, {2, 4}}), {1, 2}, 1},
      // A zero last pivot is met only in back substitution.
      {"zero last pivot", MatrixOf({{1, 0}, {0, 0}}), {1, 0}, 1},
      {"zero one by one", MatrixOf({{0}}), {0}, 0}, // 0 / 0
      {"not a number", MatrixOf({{1, kNaN}, {kNaN, 1}}), {1, 1}, 1},
      {"infinite entry", MatrixOf({{kInf, 1}, {1, 1}}), {1, 1}, 1},
      {"infinite right-hand side", MatrixOf({{1, 0}, {0, 1}}), {kInf, 1}, 1},
      // The multiplier -1e300 times 1e10 overflows in the second row.
      {"overflow", MatrixOf({{1e-300, 1e10}, {1, 1}}), {1, 1}, 1},
      // The caller's high index runs past the arrays it passed.
      {"range error", MatrixOf({{1, 0}, {0, 1}}), {1, 1}, 2},
      // 8191 unknowns need a working row of 8193 doubles, beyond the capacity.
      {"beyond the capacity", MatrixOf({{1}}), {1}, 8190},
      {"no unknowns", MatrixOf({{1}}), {1}, -1},
  };
  for (Case& c : cases) {
    TVector b = VectorOf(c.b), x;
    AllocVector(x, static_cast<int>(c.b.size()) - 1);
    const int rows = static_cast<int>(c.b.size()) - 1;
    const auto aBefore = RowsOf(c.a, rows);
    EXPECT_EQ(GaussSolve(c.a, b, x, c.high), -1) << c.name;
    const auto aAfter = RowsOf(c.a, rows);
    for (int i = 0; i <= rows; ++i)
      EXPECT_TRUE(SameBits(aBefore[i], aAfter[i])) << c.name << " row " << i;
    EXPECT_TRUE(SameBits(ValuesOf(b, rows), c.b)) << c.name;
  }
}

} // namespace
} // namespace strandel
