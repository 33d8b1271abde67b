// The cursor cross and the zoom rectangle over a finished picture: inverting,
// so a second drawing gives the picture back and the cross never smears.

#include <set>
#include <utility>

#include <gtest/gtest.h>

#include <QPainter>

#include "picture_probe.h"
#include "render/cursor_overlay.h"
#include "render/palette.h"
#include "support/frame_models.h"

namespace strandel {
namespace {

TEST(CursorCross, TwoStrokesOfCursorSizeThroughTheCursorEachPixelOnce) {
  const ViewState view = testing::TestView(100, 0, 0, 200, 200);
  TGridObject grid;
  grid.Cursor = {1, 1}; // pixel (100, 100)
  grid.GridType = kCartesianGrid;
  const std::vector<QPoint> pixels = CursorCrossPixels(grid, view);
  // 12 along and 12 across, sharing the centre.
  EXPECT_EQ(pixels.size(), 23u);
  std::set<std::pair<int, int>> set;
  for (const QPoint& p : pixels)
    set.insert({p.x(), p.y()});
  EXPECT_TRUE(set.count({100, 100}));
  EXPECT_TRUE(set.count({94, 100}) && set.count({105, 100}) && set.count({100, 94}));
  EXPECT_FALSE(set.count({106, 100}) || set.count({101, 101}));

  // The angulated grid turns the cross with its axes: at 45 degrees no stroke
  // runs along a pixel row.
  grid.GridType = kAngulatedGrid;
  grid.GridAngle = kPi / 4;
  set.clear();
  for (const QPoint& p : CursorCrossPixels(grid, view))
    set.insert({p.x(), p.y()});
  EXPECT_TRUE(set.count({104, 96}) && set.count({96, 96}));
  EXPECT_FALSE(set.count({104, 100}));

  // The polar grid: along and across the direction to its centre (here straight left).
  grid.GridType = kPolarGrid;
  grid.PolarCentre = {0, 1};
  set.clear();
  for (const QPoint& p : CursorCrossPixels(grid, view))
    set.insert({p.x(), p.y()});
  EXPECT_TRUE(set.count({106, 100}) && set.count({100, 95}) && set.count({100, 106}));
}

TEST(CursorCross, InvertsSoTheSecondDrawingRestoresThePicture) {
  ModelDocument doc = testing::EmptyModel();
  testing::AddNode(doc, 1, 1, 1);
  const ViewState view = testing::TestView(100, 0, 0, 200, 200);
  QImage image = testing::DrawnModel(doc, testing::QuietSettings(), view);
  const QImage picture = image.copy();
  TGridObject grid;
  grid.Cursor = {1.3, 1.3}; // on white paper, clear of the node
  {
    QPainter painter(&image);
    DrawCursorCross(painter, grid, view);
  }
  // On white the inverted cross shows in the cursor colour.
  EXPECT_TRUE(testing::SameColour(image.pixelColor(133, 70), CursorColour()))
      << testing::Describe(image.pixelColor(133, 70));
  EXPECT_TRUE(testing::SameColour(image.pixelColor(130, 73), CursorColour()));
  EXPECT_NE(image, picture);
  {
    QPainter painter(&image);
    DrawCursorCross(painter, grid, view);
  }
  EXPECT_EQ(image, picture);
}

TEST(ZoomRectangle, DottedAndInverting) {
  QImage image(100, 100, QImage::Format_RGB32);
  image.fill(Qt::white);
  const QImage blank = image.copy();
  {
    QPainter painter(&image);
    DrawZoomRectangle(painter, {60, 50}, {10, 20});
  }
  EXPECT_EQ(image.pixelColor(10, 20), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(11, 20), QColor(Qt::white)); // dotted
  EXPECT_EQ(image.pixelColor(60, 50), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(30, 35), QColor(Qt::white)); // inside stays
  {
    QPainter painter(&image);
    DrawZoomRectangle(painter, {10, 20}, {60, 50});
  }
  EXPECT_EQ(image, blank);
}

} // namespace
} // namespace strandel
