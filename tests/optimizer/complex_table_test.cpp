// The moves of the complex method on a small table worked out by hand.

#include "optimizer/complex_table.h"

#include <gtest/gtest.h>

#include <cmath>

namespace strandel {
namespace {

// Three points of two variables: (0, 0), (2, 0), (1, 3) with values 5, 1, 3.
// The first variable lies within -1 .. 3, the second within 0 .. 2.
struct Table {
  Table() {
    for (int i = 0; i < 2; ++i) {
      items[i].LowBound = i == 0 ? -1 : 0;
      items[i].HighBound = i == 0 ? 3 : 2;
      selection.push_back(&items[i]);
    }
    EXPECT_TRUE(table.Allocate(3, 2));
    const double x[3][2] = {{0, 0}, {2, 0}, {1, 3}};
    const double f[3] = {5, 1, 3};
    for (int j = 0; j < 3; ++j) {
      table.F[j] = f[j];
      for (int i = 0; i < 2; ++i)
        table.X[j][i] = x[j][i];
    }
  }
  TVarItem items[2];
  Selection selection;
  ComplexTable table;
};

TEST(ComplexTable, WorstAndBestTakeTheFirstOnTies) {
  Table t;
  EXPECT_EQ(t.table.Worst(), 0);
  EXPECT_EQ(t.table.Best(), 1);
  t.table.F[2] = 5;
  EXPECT_EQ(t.table.Worst(), 0);
  t.table.F[0] = 1;
  EXPECT_EQ(t.table.Best(), 0);
  EXPECT_EQ(t.table.Worst(), 2);
}

TEST(ComplexTable, PointsThatCouldNotBeSolvedRankBehindEverySolvedOne) {
  // Values 5, 1, 3; point 1 fails to solve.
  Table t;
  t.table.SetValue(1, INFINITY, false);
  EXPECT_FALSE(t.table.Solved(1));
  EXPECT_EQ(t.table.Worst(), 1);
  EXPECT_EQ(t.table.Best(), 2);
  // Even a solved point of infinite value (a force meeting no capacity) ranks
  // ahead of one that could not be solved.
  t.table.SetValue(0, INFINITY, true);
  EXPECT_EQ(t.table.Worst(), 1);
  EXPECT_EQ(t.table.Best(), 2);
  // Of several unsolved points the first is the worst; with none solved, the
  // best is the first point.
  t.table.SetValue(0, INFINITY, false);
  EXPECT_EQ(t.table.Worst(), 0);
  t.table.SetValue(2, INFINITY, false);
  EXPECT_EQ(t.table.Best(), 0);
  // A solved value again: it is the best, and a new table starts all solved.
  t.table.SetValue(1, 7, true);
  EXPECT_EQ(t.table.Best(), 1);
  EXPECT_EQ(t.table.Worst(), 0);
  ASSERT_TRUE(t.table.Allocate(3, 2));
  EXPECT_TRUE(t.table.Solved(0) && t.table.Solved(1) && t.table.Solved(2));
}

TEST(ComplexTable, ReflectionThroughTheCentroidOfTheOthers) {
  // Centroid of (2, 0) and (1, 3): (1.5, 1.5). Reflected with coefficient 0.5:
  // 0 + 1.5 x (1.5 - 0) = 2.25 in both; the second is held at its bound 2.
  Table t;
  t.table.Reflect(0, t.selection);
  EXPECT_EQ(t.table.Centroid[0], 1.5);
  EXPECT_EQ(t.table.Centroid[1], 1.5);
  EXPECT_EQ(t.table.X[0][0], 2.25);
  EXPECT_EQ(t.table.X[0][1], 2);
  // Halfway back to the centroid, not held: (1.875, 1.75).
  t.table.Contract(0);
  EXPECT_EQ(t.table.X[0][0], 1.875);
  EXPECT_EQ(t.table.X[0][1], 1.75);
  // The others did not move.
  EXPECT_EQ(t.table.X[2][1], 3);
}

TEST(ComplexTable, ReflectionIsHeldAtTheLowBoundToo) {
  // Point (1, 3) reflected through (1, 0): 1 + 1.5 x 0 = 1 and 3 + 1.5 x (0 - 3) = -1.5, held at 0.
  Table t;
  t.table.Reflect(2, t.selection);
  EXPECT_EQ(t.table.X[2][0], 1);
  EXPECT_EQ(t.table.X[2][1], 0);
}

TEST(ComplexTable, ConvergenceAgainstTheIntervals) {
  // Spreads 2 of a width of 4, 3 of a width of 2: 1 - max(0.5, 1.5) = -0.5.
  Table t;
  EXPECT_DOUBLE_EQ(t.table.Convergence(t.selection), -0.5);
  t.items[1].HighBound = 6; // 3 of 6
  EXPECT_DOUBLE_EQ(t.table.Convergence(t.selection), 0.5);
  for (int j = 0; j < 3; ++j)
    t.table.X[j][0] = t.table.X[j][1] = 1; // all points at one place
  EXPECT_EQ(t.table.Convergence(t.selection), 1);
  t.items[0].HighBound = t.items[0].LowBound; // an interval without width
  EXPECT_TRUE(std::isnan(t.table.Convergence(t.selection)));
}

TEST(ComplexTable, APointAtTheCentroidInTheShownDigits) {
  Table t;
  // The others' centroid is (1.5, 1.5).
  t.table.X[0][0] = 1.5004;
  t.table.X[0][1] = 1.49996;
  EXPECT_TRUE(t.table.ShowsAsCentroid(0)); // both read " 1.5"
  t.table.X[0][1] = 1.51;
  EXPECT_FALSE(t.table.ShowsAsCentroid(0));
  t.table.CopyPoint(1, 0);
  EXPECT_EQ(t.table.X[0][0], 2);
  EXPECT_EQ(t.table.X[0][1], 0);
}

TEST(ComplexTable, AllocationWithinTheTableCapacity) {
  ComplexTable table;
  EXPECT_FALSE(table.Allocate(0, 3));
  EXPECT_FALSE(table.Allocate(3, 0));
  EXPECT_FALSE(table.Allocate(8192, 1)); // more values than a vector holds
  EXPECT_FALSE(table.Allocate(3, 8192)); // more columns than a row holds
  EXPECT_FALSE(table.Allocated());
  EXPECT_TRUE(table.Allocate(8191, 2));
  EXPECT_EQ(table.Points(), 8191);
  table.Release();
  EXPECT_FALSE(table.Allocated());
}

} // namespace
} // namespace strandel
