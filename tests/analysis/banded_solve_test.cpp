// The banded elimination gives the dense elimination's numbers bit for bit, and
// names the unknown whose pivot vanished.

#include "analysis/banded_solve.h"

#include <limits>
#include <random>
#include <stdexcept>

#include <gtest/gtest.h>

#include "analysis/gauss_solve.h"
#include "analysis/matrix_helpers.h"
#include "common/assert.h"

namespace strandel {
namespace {

using testing::SameBits;

// The dense form of a banded matrix and its right-hand side, solved by GaussSolve.
int DenseSolve(const BandedMatrix& a, const std::vector<double>& b, std::vector<double>& x) {
  const int high = a.Size() - 1;
  TMatrix dense;
  AllocMatrix(dense, high, high);
  TVector rhs, solution;
  AllocVector(rhs, high);
  AllocVector(solution, high);
  for (int i = 0; i <= high; ++i) {
    for (int j = 0; j <= high; ++j)
      dense[i][j] = a.Value(i, j);
    rhs[i] = b[i];
  }
  const int result = GaussSolve(dense, rhs, solution, high);
  x = testing::ValuesOf(solution, high);
  return result;
}

// A random system with the pattern of a frame: every row starts a random short
// way left of its diagonal, entries inside the band are often exactly zero (so
// both skips are taken), the right-hand side holds zeros of both signs, and the
// diagonal is strong enough to need no row exchange.
void RandomSystem(std::mt19937& random, int size, int maxBand, BandedMatrix& a,
                  std::vector<double>& b) {
  std::uniform_int_distribution<int> reach(0, maxBand);
  std::uniform_real_distribution<double> value(-1.0, 1.0);
  std::bernoulli_distribution zero(0.3);
  std::vector<int> first(size);
  for (int i = 0; i < size; ++i)
    first[i] = std::max(0, i - reach(random));
  a = BandedMatrix(first);
  for (int i = 0; i < size; ++i) {
    for (int j = first[i]; j < i; ++j) {
      if (zero(random)) continue;
      a.At(i, j) = value(random) * 1e3;
      a.At(j, i) = value(random) * 1e3;
    }
    a.At(i, i) = 4e3 * maxBand + value(random);
  }
  b.assign(size, 0.0);
  for (int i = 0; i < size; ++i) {
    const int kind = i % 5;
    b[i] = kind == 0 ? 0.0 : kind == 1 ? -0.0 : value(random) * 1e4;
  }
}

TEST(BandedSolve, MatchesTheDenseEliminationBitForBit) {
  std::mt19937 random(20240611);
  struct Case {
    int size, maxBand;
  };
  for (const Case c : {Case{1, 0}, Case{7, 3}, Case{120, 9}, Case{300, 40}, Case{450, 17}}) {
    BandedMatrix a;
    std::vector<double> b;
    RandomSystem(random, c.size, c.maxBand, a, b);
    std::vector<double> dense;
    ASSERT_EQ(DenseSolve(a, b, dense), 0);
    std::vector<double> banded;
    ASSERT_TRUE(BandedGaussSolve(a, b, banded).Ok()) << c.size;
    ASSERT_EQ(banded.size(), dense.size());
    int differing = 0;
    for (std::size_t i = 0; i < dense.size(); ++i)
      differing += SameBits(banded[i], dense[i]) ? 0 : 1;
    EXPECT_EQ(differing, 0) << c.size << " unknowns, band " << c.maxBand;
  }
}

TEST(BandedSolve, RowsReachAsFarAsTheColumnsAboveThem) {
  // Row 3 starts at column 0, so rows 0..2 must reach column 3; row 4 starts at 4.
  const BandedMatrix a({0, 0, 1, 0, 4});
  EXPECT_EQ(a.Last(0), 3);
  EXPECT_EQ(a.Last(1), 3);
  EXPECT_EQ(a.Last(2), 3);
  EXPECT_EQ(a.Last(3), 3);
  EXPECT_EQ(a.Last(4), 4);
  EXPECT_EQ(a.StoredEntries(), 4u + 4 + 3 + 4 + 1);
  EXPECT_EQ(a.Value(4, 0), 0.0);
}

[[noreturn]] void ThrowingHandler(const char*, const char* message, const char*, int) {
  throw std::logic_error(message);
}

TEST(BandedSolve, NeverWritesOutsideItsBand) {
  const AssertHandler previous = SetAssertHandler(&ThrowingHandler);
  BandedMatrix a({0, 1, 1});
  EXPECT_NO_THROW(a.At(2, 1));
  EXPECT_THROW(a.At(2, 0), std::logic_error);
  EXPECT_THROW(a.At(0, 3), std::logic_error);
  SetAssertHandler(previous);
}

TEST(BandedSolve, NamesTheUnknownWhosePivotVanishes) {
  // A free spring pair: the second pivot 1 - 1 * 1 / 1 is exactly zero.
  BandedMatrix a({0, 0, 2});
  a.At(0, 0) = 1, a.At(0, 1) = -1, a.At(1, 0) = -1, a.At(1, 1) = 1, a.At(2, 2) = 5;
  std::vector<double> b = {1, 0, 1}, x;
  EliminationResult result = BandedGaussSolve(a, b, x);
  EXPECT_EQ(result.Failure, EliminationFailure::ZeroPivot);
  EXPECT_EQ(result.Unknown, 1);

  // The same pair with a stiffness of 1e-14 of its own left at the second
  // unknown: tiny, but a pivot that is not zero is divided by. Whether a
  // structure can move is not judged from pivots; both eliminations give the
  // same numbers, and the elimination reports how little of its diagonal the
  // pivot kept.
  BandedMatrix n({0, 0, 2});
  n.At(0, 0) = 1, n.At(0, 1) = -1, n.At(1, 0) = -1, n.At(1, 1) = 1 + 1e-14, n.At(2, 2) = 5;
  std::vector<double> dense;
  b = {1, 0, 1};
  ASSERT_EQ(DenseSolve(n, b, dense), 0);
  result = BandedGaussSolve(n, b, x);
  ASSERT_TRUE(result.Ok());
  EXPECT_TRUE(SameBits(x[0], dense[0]) && SameBits(x[1], dense[1]));
  EXPECT_NEAR(x[1], 1e14, 1e12); // the pair stretches by the load over 1e-14
  EXPECT_EQ(result.SmallestPivotUnknown, 1);
  EXPECT_NEAR(result.SmallestPivotRatio, 1e-14, 1e-16);

  BandedMatrix c({0, 0});
  c.At(0, 0) = 2, c.At(1, 1) = 3, c.At(1, 0) = std::numeric_limits<double>::quiet_NaN();
  b = {1, 1};
  result = BandedGaussSolve(c, b, x);
  EXPECT_EQ(result.Failure, EliminationFailure::NotFinite);

  BandedMatrix d({0});
  d.At(0, 0) = 1e-300;
  b = {1e300};
  EXPECT_EQ(BandedGaussSolve(d, b, x).Failure, EliminationFailure::NotFinite); // overflow
}

} // namespace
} // namespace strandel
