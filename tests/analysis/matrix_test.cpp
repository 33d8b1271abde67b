// The dense vectors and matrices: capacities, range errors and the products.

#include "analysis/matrix.h"

#include <cmath>
#include <utility>

#include <gtest/gtest.h>

namespace strandel {
namespace {

constexpr double kTestAngle = 3.14159265358979323846 / 6; // 30 degrees

TEST(Matrix, AllocationKeepsToTheCapacities) {
  struct Case {
    int high;
    bool allocated;
  };
  for (const Case c : {Case{0, true}, Case{8190, true}, Case{8191, false}, Case{-1, false}}) {
    TVector v;
    AllocVector(v, c.high);
    EXPECT_EQ(static_cast<bool>(v), c.allocated) << c.high;
    if (v) {
      EXPECT_EQ(v[0], 0.0);
      EXPECT_EQ(v[c.high], 0.0);
    }
  }

  struct MatrixCase {
    int rowHigh, columnHigh;
    bool allocated;
  };
  for (const MatrixCase c :
       {MatrixCase{2, 3, true}, MatrixCase{16382, 0, true}, MatrixCase{16383, 0, false},
        MatrixCase{0, 8191, false}, MatrixCase{-1, 2, false}, MatrixCase{2, -1, false}}) {
    TMatrix m;
    AllocMatrix(m, c.rowHigh, c.columnHigh);
    EXPECT_EQ(static_cast<bool>(m), c.allocated) << c.rowHigh << " x " << c.columnHigh;
    if (m) {
      EXPECT_EQ(m[c.rowHigh][c.columnHigh], 0.0);
    }
    FreeMatrix(m, c.rowHigh, c.columnHigh);
    EXPECT_FALSE(m);
  }
}

TEST(Matrix, AccessOutsideCapacityOrAllocationIsARangeError) {
  TVector v;
  EXPECT_THROW(v[0], RangeError); // never allocated
  AllocVector(v, 4);
  v[4] = 1.5;
  EXPECT_EQ(v[4], 1.5);
  EXPECT_THROW(v[5], RangeError);    // beyond the allocation, inside the capacity
  EXPECT_THROW(v[8191], RangeError); // beyond the capacity
  EXPECT_THROW(v[-1], RangeError);
  FreeVector(v, 4);
  EXPECT_FALSE(v);
  FreeVector(v, 4); // a second release does nothing

  TMatrix m;
  AllocMatrix(m, 1, 1);
  EXPECT_THROW(m[2], RangeError);
  EXPECT_THROW(m[1][2], RangeError);
  // A partial product asked of a too small vector stops at the first bad index.
  TVector x, y;
  AllocVector(x, 0);
  AllocVector(y, 1);
  EXPECT_THROW(MatVecMul(m, x, y, 1, 1), RangeError);
}

TEST(Matrix, RowsAreExchangedByTheirReferences) {
  TMatrix m;
  AllocMatrix(m, 1, 2);
  m[0][2] = 7;
  m[1][0] = 3;
  std::swap(m[0], m[1]);
  EXPECT_EQ(m[0][0], 3);
  EXPECT_EQ(m[1][2], 7);
  EXPECT_EQ(m[0][2], 0);
}

TEST(Matrix, ProductsAndDifference) {
  // A is 2 x 3; with rowHigh 1 and columnHigh 1 only the leading 2 x 2 block and
  // the first two entries of x count: y = (1*5 + 2*6, 4*5 + 5*6).
  TMatrix a;
  AllocMatrix(a, 1, 2);
  a[0][0] = 1, a[0][1] = 2, a[0][2] = 3;
  a[1][0] = 4, a[1][1] = 5, a[1][2] = 6;
  TVector x, y;
  AllocVector(x, 2);
  AllocVector(y, 1);
  x[0] = 5, x[1] = 6, x[2] = 1000;
  MatVecMul(a, x, y, 1, 1);
  EXPECT_EQ(y[0], 17);
  EXPECT_EQ(y[1], 50);
  MatVecMul(a, x, y, 1, 2); // now all three columns
  EXPECT_EQ(y[0], 3017);
  EXPECT_EQ(y[1], 6050);

  // A rotation by 30 degrees times its transpose is the identity.
  const double c = std::cos(kTestAngle), s = std::sin(kTestAngle);
  TMatrix t, tt, product;
  AllocMatrix(t, 1, 1);
  AllocMatrix(tt, 1, 1);
  AllocMatrix(product, 1, 1);
  t[0][0] = c, t[0][1] = s, t[1][0] = -s, t[1][1] = c;
  tt[0][0] = c, tt[0][1] = -s, tt[1][0] = s, tt[1][1] = c;
  MatMatMul(t, tt, product, 1, 1);
  EXPECT_NEAR(product[0][0], 1, 1e-15);
  EXPECT_NEAR(product[0][1], 0, 1e-15);
  EXPECT_NEAR(product[1][0], 0, 1e-15);
  EXPECT_NEAR(product[1][1], 1, 1e-15);

  // [[1, 2], [3, 4]]^2 = [[7, 10], [15, 22]].
  TMatrix b, c2;
  AllocMatrix(b, 1, 1);
  AllocMatrix(c2, 1, 1);
  b[0][0] = 1, b[0][1] = 2, b[1][0] = 3, b[1][1] = 4;
  MatMatMul(b, b, c2, 1, 1);
  EXPECT_EQ(c2[0][0], 7);
  EXPECT_EQ(c2[0][1], 10);
  EXPECT_EQ(c2[1][0], 15);
  EXPECT_EQ(c2[1][1], 22);

  VecSub(x, x, 1); // only the first two entries
  EXPECT_EQ(x[0], 0);
  EXPECT_EQ(x[1], 0);
  EXPECT_EQ(x[2], 1000);
}

} // namespace
} // namespace strandel
