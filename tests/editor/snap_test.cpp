#include "editor/snap.h"

#include <gtest/gtest.h>

#include <cmath>

#include "editor_harness.h"

namespace strandel {
namespace {

using testing::PutBeam;
using testing::PutNode;

TEST(SnapToNode, CatchesWithinOneBeamHeightAndNotAtIt) {
  // BeamHeight 0.1: tol 0.05, nodes are caught closer than 2 tol = 0.1.
  ModelDocument doc;
  PutNode(doc, 1, 0, 0);
  TGridObject grid;
  grid.GridType = kNoGrid; // round to the 0.001 fine step
  const double tol = 0.1 / 2;
  struct Case {
    Point2 Pointer;
    long Node;
  };
  const Case cases[] = {{{0.09, 0}, 1}, {{0, -0.099}, 1}, {{0.1, 0}, -1}, {{0.06, 0.08}, -1}};
  for (const Case& c : cases) {
    const Point2 snapped = Snap(doc, grid, c.Pointer, kSnapNodes | kSnapBeams, tol);
    EXPECT_EQ(grid.SnappedNode, c.Node) << c.Pointer.X << " " << c.Pointer.Y;
    // Not caught, the pointer stays: it is on the fine grid already.
    EXPECT_EQ(snapped, (c.Node == 1 ? Point2{0, 0} : c.Pointer));
  }
}

TEST(SnapToNode, FindsANodeNearTheGridPointToo) {
  // The pointer is 0.12 from the node, but its grid point is the node's place.
  ModelDocument doc;
  PutNode(doc, 4, 0.5, 0.5);
  TGridObject grid;
  grid.Spacing = 0.5;
  const Point2 snapped = Snap(doc, grid, {0.62, 0.5}, kSnapNodes, 0.05);
  EXPECT_EQ(grid.SnappedNode, 4);
  EXPECT_EQ(snapped, (Point2{0.5, 0.5}));
}

TEST(SnapToNode, LeavesOutTheDraggedNodeAndItsBeams) {
  ModelDocument doc;
  PutNode(doc, 1, 0, 0);
  PutNode(doc, 2, 2, 0);
  PutBeam(doc, 1, 1, 2);
  TGridObject grid;
  grid.GridType = kNoGrid;
  Snap(doc, grid, {0.01, 0}, kSnapNodes | kSnapBeams, 0.05, {1, -1});
  EXPECT_EQ(grid.SnappedNode, -1);
  Snap(doc, grid, {1, 0.01}, kSnapNodes | kSnapBeams, 0.05, {1, -1});
  EXPECT_EQ(grid.SnappedBeam, -1);
  Snap(doc, grid, {1, 0.01}, kSnapNodes | kSnapBeams, 0.05, {0, 1});
  EXPECT_EQ(grid.SnappedBeam, -1); // the beam being drawn
  Snap(doc, grid, {1, 0.01}, kSnapNodes | kSnapBeams, 0.05);
  EXPECT_EQ(grid.SnappedBeam, 1);
}

TEST(SnapFine, WithoutGridReturnsThePointerExactly) {
  ModelDocument doc;
  TGridObject grid;
  grid.GridType = kNoGrid;
  const Point2 pointer{0.123456789, -7.000000001};
  EXPECT_EQ(Snap(doc, grid, pointer, kSnapFine, 0.05), pointer);
  // With a grid and no fine flag the point goes to the grid.
  grid.GridType = kCartesianGrid;
  grid.Spacing = 0.25;
  EXPECT_EQ(Snap(doc, grid, pointer, kSnapNodes, 0.05), (Point2{0, -7}));
}

TEST(SnapToBeam, NeedsTheFootBetweenTheEndsAndLessThanTolAway) {
  ModelDocument doc;
  PutNode(doc, 1, 0, 0);
  PutNode(doc, 2, 4, 0);
  PutBeam(doc, 7, 1, 2);
  TGridObject grid;
  grid.GridType = kNoGrid;
  struct Case {
    Point2 Pointer;
    long Beam;
  };
  const Case cases[] = {
      {{1.3, 0.049}, 7}, {{1.3, -0.049}, 7}, {{1.3, 0.05}, -1}, {{4.3, 0.01}, -1}};
  for (const Case& c : cases) {
    const Point2 snapped = Snap(doc, grid, c.Pointer, kSnapBeams, 0.05);
    EXPECT_EQ(grid.SnappedBeam, c.Beam) << c.Pointer.X << " " << c.Pointer.Y;
    if (c.Beam == 7) {
      EXPECT_NEAR(snapped.Y, 0, 1e-15); // the foot on the beam
    }
  }
}

TEST(SnapToBeam, TakesAGridCrossingOnTheBeamWhenOneIsClose) {
  // A 45-degree beam; grid 0.5. Pointer (0.6, 0.55): its foot is (0.575, 0.575),
  // the grid lines x = 0.5 and y = 0.5 cross the beam at (0.5, 0.5), 0.106 away.
  ModelDocument doc;
  PutNode(doc, 1, 0, 0);
  PutNode(doc, 2, 2, 2);
  PutBeam(doc, 1, 1, 2);
  TGridObject grid;
  grid.Spacing = 0.5;
  Point2 snapped = Snap(doc, grid, {0.6, 0.55}, kSnapBeams, 0.25);
  EXPECT_EQ(grid.SnappedBeam, 1);
  EXPECT_NEAR(snapped.X, 0.5, 1e-12);
  EXPECT_NEAR(snapped.Y, 0.5, 1e-12);
  // With tol 0.05 the crossing is too far: the foot stays.
  snapped = Snap(doc, grid, {0.6, 0.57}, kSnapBeams, 0.05);
  EXPECT_EQ(grid.SnappedBeam, 1);
  EXPECT_NEAR(snapped.X, 0.585, 1e-12);
  EXPECT_NEAR(snapped.Y, 0.585, 1e-12);

  // A shallow beam from (0, 0) to (4, 1): the vertical line x = 1 crosses it at
  // y = 0.25, nearer the foot of (1.02, 0.3) than the horizontal line y = 0.5.
  ModelDocument shallow;
  PutNode(shallow, 1, 0, 0);
  PutNode(shallow, 2, 4, 1);
  PutBeam(shallow, 1, 1, 2);
  snapped = Snap(shallow, grid, {1.02, 0.3}, kSnapBeams, 0.25);
  EXPECT_NEAR(snapped.X, 1, 1e-12);
  EXPECT_NEAR(snapped.Y, 0.25, 1e-12);
}

TEST(SnapToBeam, PolarGridCrossingsAreOnItsRaysAndRings) {
  // Polar grid about the origin; a vertical beam x = 1.2. The ring of radius
  // 1.5 crosses it at y = 0.9.
  ModelDocument doc;
  PutNode(doc, 1, 1.2, -3);
  PutNode(doc, 2, 1.2, 3);
  PutBeam(doc, 1, 1, 2);
  TGridObject grid;
  grid.GridType = kPolarGrid;
  grid.Spacing = 0.5;
  grid.AngleStep = 5 * kPi / 180;
  const Point2 snapped = Snap(doc, grid, {1.21, 0.92}, kSnapBeams, 0.05);
  EXPECT_NEAR(snapped.X, 1.2, 1e-12);
  EXPECT_NEAR(std::hypot(snapped.X, snapped.Y), 1.5, 1e-12);
}

TEST(SnapOntoBeam, StaysOnTheBeamAndTakesOnlyItsOwnNodes) {
  ModelDocument doc;
  PutNode(doc, 1, 0, 0);
  PutNode(doc, 2, 4, 0);
  PutBeam(doc, 1, 1, 2);
  PutNode(doc, 3, 2, 0.08);                // near the beam but not on it
  testing::PutNodeOnBeam(doc, 4, 1, 0.75); // lies on it at x = 3
  TGridObject grid;
  grid.GridType = kNoGrid;
  const TBeamObject& beam = *FindBeam(doc, 1);
  Point2 p = SnapOntoBeam(doc, grid, beam, {2.01, 0.5}, 0.05);
  EXPECT_EQ(grid.SnappedNode, -1);
  EXPECT_EQ(grid.SnappedBeam, 1);
  EXPECT_NEAR(p.Y, 0, 1e-15);
  EXPECT_NEAR(p.X, 2.01, 1e-12);
  p = SnapOntoBeam(doc, grid, beam, {3.04, -1}, 0.05);
  EXPECT_EQ(grid.SnappedNode, 4);
  EXPECT_EQ(p, (Point2{3, 0}));
  // Beyond the end the point is held at the end node.
  p = SnapOntoBeam(doc, grid, beam, {9, 2}, 0.05);
  EXPECT_EQ(grid.SnappedNode, 2);
  EXPECT_EQ(p, (Point2{4, 0}));
}

} // namespace
} // namespace strandel
