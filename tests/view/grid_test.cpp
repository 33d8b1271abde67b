#include "view/grid.h"

#include <gtest/gtest.h>

#include <cmath>

namespace strandel {
namespace {

TEST(NiceStep, RoundsTheMantissaToOneTwoTwoAndAHalfFiveOrTen) {
  struct Case {
    double Value, Expected;
  };
  const Case cases[] = {
      {0.0734, 0.05}, // 7.3 -> 7 -> 5 (nearer than 10)
      {20, 20},        {1.5, 2},       {2.5, 2.5},       {3.4, 2.5}, // 3 -> 2.5
      {4.2, 5},        // 4 -> 5 (1 from 5, 1.5 from 2.5)
      {8, 100 / 10.0}, // 8 -> 10
      {9.96, 10},      // written 1.0e+01
      {0.54, 0.5},     {1.2e-7, 1e-7}, {123456, 100000}, {0, 0},
      {-3, 0},         {INFINITY, 0},  {NAN, 0},
  };
  for (const Case& c : cases)
    EXPECT_NEAR(NiceStep(c.Value), c.Expected, 1e-12 * std::fabs(c.Expected)) << c.Value;
}

TEST(GridSpacing, IsARoundNumberOfDisplayUnitsAboutTwentyPixelsApart) {
  struct Case {
    double Scale, LengthFactor, Spacing;
  };
  const Case cases[] = {
      {100, 100, 0.2},        // 20 px = 20 cm
      {37, 1, 0.5},           // 20 px = 0.54 m -> 0.5 m
      {2000, 1000, 0.01},     // 20 px = 10 mm
      {50, 3.281, 1 / 3.281}, // 20 px = 1.31 ft -> 1 ft
  };
  for (const Case& c : cases) {
    TGridObject grid;
    grid.LengthFactor = c.LengthFactor;
    UpdateGridSpacing(grid, c.Scale);
    EXPECT_NEAR(grid.Spacing, c.Spacing, 1e-12) << c.Scale;
  }
  // Without a grid, and for a zoom that gives no number, the spacing stays.
  TGridObject none;
  none.GridType = kNoGrid;
  UpdateGridSpacing(none, 100);
  EXPECT_EQ(none.Spacing, 0.1);
  TGridObject broken;
  UpdateGridSpacing(broken, 0);
  EXPECT_EQ(broken.Spacing, 0.1);
}

TEST(GridSpacing, ASetStepHoldsAtEveryZoomAndItsLinesThinOutWhereTheyWouldCrowd) {
  TGridObject grid;
  grid.LengthFactor = 1;
  grid.SetStep = 0.5;
  struct Case {
    double Scale, Lines; // px per m, metres between drawn lines
  };
  // The lines come no closer than 8 px, in steps of 1, 2, 5, 10... times 0.5 m.
  const Case cases[] = {{1000, 0.5}, {16, 0.5},  {15.9, 1}, {8, 1},
                        {7.9, 2.5},  {3.2, 2.5}, {1, 10},   {0.01, 1000}};
  for (const Case& c : cases) {
    UpdateGridSpacing(grid, c.Scale);
    EXPECT_EQ(grid.Spacing, 0.5) << c.Scale; // what the cursor snaps to
    EXPECT_NEAR(GridLineSpacing(grid, c.Scale), c.Lines, 1e-12 * c.Lines) << c.Scale;
  }
  // Without a set step the lines are the spacing, which follows the zoom.
  grid.SetStep = 0;
  UpdateGridSpacing(grid, 37);
  EXPECT_EQ(GridLineSpacing(grid, 37), grid.Spacing);
  EXPECT_NEAR(grid.Spacing, 0.5, 1e-12);
  UpdateGridSpacing(grid, 370);
  EXPECT_NEAR(grid.Spacing, 0.05, 1e-12);
}

TEST(GridSpacing, PolarRingsFollowTheMantissa) {
  TGridObject grid;
  grid.LengthFactor = 100;
  for (auto [spacing, rings] : {std::pair{0.01, 5}, {0.2, 5}, {0.025, 4}, {0.5, 2}}) {
    grid.Spacing = spacing;
    EXPECT_EQ(PolarRingInterval(grid), rings) << spacing;
  }
}

TEST(GridRounding, TakesAPointToTheNearestPointOfEachGrid) {
  TGridObject grid;
  const Point2 cartesian = RoundToGrid(grid, {0.26, -0.74}, 0.5, false);
  EXPECT_DOUBLE_EQ(cartesian.X, 0.5);
  EXPECT_DOUBLE_EQ(cartesian.Y, -0.5);

  // Angulated: axes at 30 degrees through (1, 1). The point at local (1.1, 0.4)
  // rounds to local (1, 0.5).
  grid.GridType = kAngulatedGrid;
  grid.GridOrigin = {1, 1};
  grid.GridAngle = kPi / 6;
  const double c = std::cos(kPi / 6), s = std::sin(kPi / 6);
  const Point2 p{1 + 1.1 * c - 0.4 * s, 1 + 1.1 * s + 0.4 * c};
  const Point2 angulated = RoundToGrid(grid, p, 0.5, false);
  EXPECT_NEAR(angulated.X, 1 + c - 0.5 * s, 1e-12);
  EXPECT_NEAR(angulated.Y, 1 + s + 0.5 * c, 1e-12);

  // Polar about (2, 0): radius 1.37 at 33 degrees rounds to 1.5 at 35 degrees
  // (5-degree rays); in fine mode to 1.37 at 33 degrees.
  grid.GridType = kPolarGrid;
  grid.GridAngle = 0;
  grid.PolarCentre = {2, 0};
  const double a = 33 * kPi / 180;
  const Point2 q{2 + 1.37 * std::cos(a), 1.37 * std::sin(a)};
  const Point2 polar = RoundToGrid(grid, q, 0.5, false);
  EXPECT_NEAR(polar.X, 2 + 1.5 * std::cos(35 * kPi / 180), 1e-12);
  EXPECT_NEAR(polar.Y, 1.5 * std::sin(35 * kPi / 180), 1e-12);
  const Point2 fine = RoundToGrid(grid, q, 0.001, true);
  EXPECT_NEAR(fine.X, q.X, 1e-9);
  EXPECT_NEAR(fine.Y, q.Y, 1e-9);
  // The rays start at the grid's direction: from 2 degrees they run 2, 7, 12 ...
  grid.GridAngle = 2 * kPi / 180;
  const Point2 turned = RoundToGrid(grid, q, 0.5, false);
  EXPECT_NEAR(std::atan2(turned.Y, turned.X - 2), 32 * kPi / 180, 1e-12);
}

TEST(GridRounding, CursorCoordinatesInTheGridsAxes) {
  TGridObject grid;
  grid.GridOrigin = {1, 0};
  grid.GridAngle = kPi / 2; // local x runs up, local y to the left
  grid.PolarCentre = {0, 0};
  grid.Cursor = {3, 4};
  UpdateCursorCoordinates(grid);
  EXPECT_NEAR(grid.LocalX, 4, 1e-12);
  EXPECT_NEAR(grid.LocalY, -2, 1e-12);
  EXPECT_NEAR(grid.Radius, 5, 1e-12);
  EXPECT_NEAR(grid.Theta, std::atan2(4, 3), 1e-12);
}

} // namespace
} // namespace strandel
