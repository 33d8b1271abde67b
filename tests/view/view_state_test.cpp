#include "view/view_state.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/frame_models.h"
#include "view/model_extents.h"

namespace strandel {
namespace {

// 800 x 600 pixels, 100 pixels per metre, the origin at the bottom-left corner.
ViewState View800x600() {
  ViewState view;
  view.Width = 800;
  view.Height = 600;
  view.Scale = 100;
  view.OriginX = 0;
  view.OriginY = 0;
  return view;
}

Point2 ViewCentre(const ViewState& view) {
  return ToModel(view, view.Width / 2.0, view.Height / 2.0);
}

TEST(ViewTransform, PixelsAndModelCoordinatesMapBothWays) {
  ViewState view = View800x600();
  view.OriginX = -1;
  view.OriginY = 2;
  // Pixel (250, 100): x = 250 / 100 - 1 = 1.5, y = (600 - 100) / 100 + 2 = 7.
  const Point2 model = ToModel(view, 250, 100);
  EXPECT_DOUBLE_EQ(model.X, 1.5);
  EXPECT_DOUBLE_EQ(model.Y, 7);
  EXPECT_EQ(ToScreen(view, 1.5, 7), (PixelPoint{250, 100}));
  // Rounded to the nearest pixel: 1.504 m is 250.4 px, 1.506 m is 250.6 px.
  EXPECT_EQ(ToScreen(view, 1.504, 7).X, 250);
  EXPECT_EQ(ToScreen(view, 1.506, 7).X, 251);
  // A point far outside still gives a pixel, not an overflow.
  const PixelPoint far = ToScreen(view, 1e300, -1e300);
  EXPECT_EQ(far.X, 1000000000);
  EXPECT_EQ(ToScreen(view, std::nan(""), 0).X, 0);
}

TEST(Zoom, InThenOutReturnsAndZoomBackUndoesBothSteps) {
  ViewState view = View800x600();
  view.OriginX = 3;
  view.OriginY = -2;
  const ViewRecord start = view.Current();
  const Point2 centre = ViewCentre(view);

  ZoomAboutCentre(view, 1 / kZoomStep); // zoom in
  EXPECT_NEAR(view.Scale, 110, 1e-9);
  EXPECT_NEAR(ViewCentre(view).X, centre.X, 1e-12);
  EXPECT_NEAR(ViewCentre(view).Y, centre.Y, 1e-12);
  const ViewRecord zoomedIn = view.Current();

  ZoomAboutCentre(view, kZoomStep); // zoom out
  EXPECT_NEAR(view.Scale, start.Scale, 1e-9);
  EXPECT_NEAR(view.OriginX, start.OriginX, 1e-12);
  EXPECT_NEAR(view.OriginY, start.OriginY, 1e-12);
  ASSERT_EQ(view.ZoomHistory.size(), 2u);

  ASSERT_TRUE(PopZoomHistory(view));
  EXPECT_EQ(view.Current(), zoomedIn);
  ASSERT_TRUE(PopZoomHistory(view));
  EXPECT_EQ(view.Current(), start);
  // An empty history changes nothing.
  EXPECT_FALSE(PopZoomHistory(view));
  EXPECT_EQ(view.Current(), start);
}

TEST(Zoom, WindowFillsTheTighterDimensionAndCentresTheOther) {
  struct Case {
    PixelPoint A, B;
    double Left, Bottom, Scale; // the expected view, worked out by hand
  };
  const Case cases[] = {
      // 200 x 100 px: 800/200 = 4 < 600/100 = 6, the width decides. Model box
      // x 1..3, y 4..5; shown 2 m wide at 400 px/m, 1.5 m high centred on 4.5.
      {{100, 100}, {300, 200}, 1, 3.75, 400},
      // The same with the corners given the other way round.
      {{300, 200}, {100, 100}, 1, 3.75, 400},
      // 100 x 150 px: 8 >= 4, the height decides. Model box x 1..2, y 2.5..4;
      // shown 1.5 m high at 400 px/m, 2 m wide centred on x 1.5.
      {{100, 200}, {200, 350}, 0.5, 2.5, 400},
  };
  for (const Case& c : cases) {
    ViewState view = View800x600();
    ASSERT_TRUE(ZoomToRectangle(view, c.A, c.B));
    EXPECT_NEAR(view.OriginX, c.Left, 1e-12);
    EXPECT_NEAR(view.OriginY, c.Bottom, 1e-12);
    EXPECT_NEAR(view.Scale, c.Scale, 1e-12);
    EXPECT_EQ(view.ZoomHistory.size(), 1u);
  }
  ViewState flat = View800x600();
  EXPECT_FALSE(ZoomToRectangle(flat, {100, 100}, {300, 100}));
  EXPECT_FALSE(ZoomToRectangle(flat, {100, 100}, {100, 300}));
  EXPECT_EQ(flat.Current(), View800x600().Current());
  EXPECT_TRUE(flat.ZoomHistory.empty());
}

TEST(Zoom, ExtentsFitTheWidenedBoxAndClearTheHistory) {
  ViewState view = View800x600();
  view.ZoomHistory.push_back({1, 2, 3});
  ModelBox box;
  box.Include({0, 0});
  box.Include({10, 2});
  ASSERT_TRUE(ZoomToBox(view, box));
  // Widened: x -0.5..10.5 (11 m), y -0.1..2.1 (2.2 m); ratio = 2.2/11 * 800/600
  // = 0.2667 < 1, so the 11 m stay and the height grows to 2.2 / 0.2667 = 8.25 m
  // about y = 1.
  EXPECT_NEAR(view.Scale, 800 / 11.0, 1e-9);
  EXPECT_NEAR(view.OriginX, -0.5, 1e-12);
  EXPECT_NEAR(view.OriginY, 1 - 8.25 / 2, 1e-9);
  EXPECT_TRUE(view.ZoomHistory.empty());

  // A tall box keeps its height: x 0..1, y 0..10 in 800 x 600 px.
  ModelBox tall;
  tall.Include({0, 0});
  tall.Include({1, 10});
  ASSERT_TRUE(ZoomToBox(view, tall));
  EXPECT_NEAR(view.Scale, 600 / 11.0, 1e-9);
  EXPECT_NEAR(view.OriginY, -0.5, 1e-12);
  EXPECT_NEAR(ViewCentre(view).X, 0.5, 1e-9);
}

TEST(Zoom, ExtentsOfOnePointCentreIt) {
  ViewState view = View800x600();
  ModelBox point;
  point.Include({4, -3});
  ASSERT_TRUE(ZoomToBox(view, point));
  EXPECT_TRUE(std::isfinite(view.Scale));
  EXPECT_GT(view.Scale, 0);
  EXPECT_NEAR(ViewCentre(view).X, 4, 1e-9);
  EXPECT_NEAR(ViewCentre(view).Y, -3, 1e-9);

  // A model with a single node: the node's circle gives the box its size.
  ModelDocument doc;
  testing::AddNode(doc, 1, 2, 7);
  ASSERT_TRUE(ZoomToBox(view, ModelExtents(doc)));
  EXPECT_NEAR(ViewCentre(view).X, 2, 1e-9);
  EXPECT_NEAR(ViewCentre(view).Y, 7, 1e-9);
  // 4 BeamHeight high, widened by 10%: 0.484 m fill the 600 px.
  EXPECT_NEAR(view.Scale, 600 / (4 * 0.11 * 1.1), 1e-6);
}

TEST(Zoom, ExtentsOfNothingChangeNothing) {
  ViewState view = View800x600();
  view.ZoomHistory.push_back({1, 2, 3});
  EXPECT_FALSE(ZoomToBox(view, ModelBox{}));
  EXPECT_EQ(view.Current(), View800x600().Current());
  EXPECT_EQ(view.ZoomHistory.size(), 1u);
}

TEST(View, InitialViewShowsTenMetresAcrossCentredOnTheXAxis) {
  ViewState view;
  view.ZoomHistory.push_back({1, 2, 3});
  SetInitialView(view, 1010 - 10, 676 - 76);
  EXPECT_DOUBLE_EQ(view.OriginX, -5.1);
  EXPECT_NEAR(view.Scale, 98.0392, 1e-9);
  EXPECT_NEAR(ViewCentre(view).Y, 0, 1e-12);
  EXPECT_NEAR(ToModel(view, 1000, 0).X, 5.1, 1e-5);
  EXPECT_TRUE(view.ZoomHistory.empty());
}

TEST(View, ResizeKeepsTheCentre) {
  ViewState view = View800x600();
  const Point2 centre = ViewCentre(view);
  ResizeView(view, 1000, 500);
  EXPECT_EQ(view.Width, 1000);
  EXPECT_NEAR(ViewCentre(view).X, centre.X, 1e-12);
  EXPECT_NEAR(ViewCentre(view).Y, centre.Y, 1e-12);
  EXPECT_DOUBLE_EQ(view.Scale, 100);
}

TEST(Zoom, TheWheelKeepsThePointUnderThePointerAndRecordsNothing) {
  ViewState view = View800x600();
  const PixelPoint pointer{200, 450};
  const Point2 under = ToModel(view, pointer.X, pointer.Y); // (2, 1.5)
  for (double f : {1 / kZoomStep, 1 / kZoomStep, kZoomStep, 0.5, 3.0}) {
    ASSERT_TRUE(ZoomAboutPixel(view, f, pointer));
    const Point2 now = ToModel(view, pointer.X, pointer.Y);
    EXPECT_NEAR(now.X, under.X, 1e-12);
    EXPECT_NEAR(now.Y, under.Y, 1e-12);
  }
  EXPECT_NEAR(view.Scale, 100 * kZoomStep / 1.5, 1e-10);
  EXPECT_TRUE(view.ZoomHistory.empty());
  // A step past the bounds of the scale changes nothing.
  const ViewRecord before = view.Current();
  EXPECT_FALSE(ZoomAboutPixel(view, view.Scale / (kLeastScale / 2), pointer));
  EXPECT_FALSE(ZoomAboutPixel(view, view.Scale / (kGreatestScale * 2), pointer));
  EXPECT_FALSE(ZoomAboutPixel(view, 0, pointer));
  EXPECT_FALSE(ZoomAboutPixel(view, NAN, pointer));
  EXPECT_EQ(view.Current(), before);
}

TEST(View, PanFollowsThePointerWithoutHistory) {
  ViewState view = View800x600();
  view.DragStart = PixelPoint{400, 300};
  view.PanStart = view.Current();
  // The model point under the press stays under the pointer.
  const Point2 grabbed = ToModel(view, 400, 300);
  PanTo(view, {250, 420});
  const Point2 underPointer = ToModel(view, 250, 420);
  EXPECT_NEAR(underPointer.X, grabbed.X, 1e-12);
  EXPECT_NEAR(underPointer.Y, grabbed.Y, 1e-12);
  EXPECT_TRUE(view.ZoomHistory.empty());
}

} // namespace
} // namespace strandel
