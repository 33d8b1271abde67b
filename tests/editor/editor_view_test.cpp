// Zooming, panning, grids and the status bar, as the tool bar and the pointer
// drive them.

#include <gtest/gtest.h>

#include "common/translation.h"
#include "editor_fixture.h"

namespace strandel {
namespace {

using testing::CountOf;
using testing::EditorTest;
using testing::ExpectPoint;
using testing::PutBeam;
using testing::PutNode;

using EditorView = EditorTest;

TEST_F(EditorView, ZoomInOutAndBackRoundTrips) {
  const ViewRecord start = editor.View().Current();
  editor.ZoomIn();
  editor.ZoomIn();
  editor.ZoomOut();
  EXPECT_NEAR(editor.View().Scale, 110, 1e-9);
  editor.ZoomBack();
  EXPECT_NEAR(editor.View().Scale, 121, 1e-9);
  editor.ZoomBack();
  editor.ZoomBack();
  EXPECT_EQ(editor.View().Current(), start);
  const int repaints = host.Repaints;
  editor.ZoomBack(); // nothing left to go back to
  EXPECT_EQ(editor.View().Current(), start);
  EXPECT_EQ(host.Repaints, repaints);
  // The grid keeps about 20 pixels: at 121 px/m NiceStep(0.165) = 0.2 m, and
  // at 1000 px/m 0.02 m.
  editor.View().Scale = 1000;
  editor.ZoomExtents(); // an empty model: the view stays
  EXPECT_EQ(editor.View().Scale, 1000);
  EXPECT_NEAR(editor.Grid().Spacing, 0.02, 1e-15);
}

TEST_F(EditorView, ZoomWindowIsDraggedWithThePointer) {
  editor.ZoomWindow(true);
  EXPECT_TRUE(editor.ToolButtons().ZoomWindow);
  // Pixels (100,100)-(300,200) of 1000 x 800: the width decides (5 < 8).
  editor.Press(PointerEvent{100, 100});
  PointerEvent held{300, 200};
  held.LeftHeld = true;
  editor.PointerMove(held);
  ASSERT_TRUE(editor.ZoomRectangle().has_value());
  EXPECT_EQ(editor.ZoomRectangle()->second, (PixelPoint{300, 200}));
  EXPECT_TRUE(doc.GraphObjects.empty()); // no node made by the clicks
  editor.Release(PointerEvent{300, 200});
  EXPECT_FALSE(editor.ToolButtons().ZoomWindow);
  EXPECT_FALSE(editor.ZoomRectangle().has_value());
  // Model x 1..3 fill 1000 px; y 6..7 are centred on 6.5.
  EXPECT_NEAR(editor.View().Scale, 500, 1e-9);
  EXPECT_NEAR(editor.View().OriginX, 1, 1e-12);
  EXPECT_NEAR(ToModel(editor.View(), 500, 400).Y, 6.5, 1e-12);
  editor.ZoomBack();
  EXPECT_EQ(editor.View().Scale, 100);
}

TEST_F(EditorView, PanDragsTheModelAlong) {
  editor.Pan(true);
  EXPECT_TRUE(editor.ToolButtons().Pan);
  editor.Press(PointerEvent{500, 400});
  PointerEvent held{400, 300};
  held.LeftHeld = true;
  editor.PointerMove(held);
  EXPECT_NEAR(editor.View().OriginX, 1, 1e-12);
  EXPECT_NEAR(editor.View().OriginY, -1, 1e-12);
  editor.Release(PointerEvent{400, 300});
  EXPECT_FALSE(editor.ToolButtons().Pan);
  EXPECT_TRUE(editor.View().ZoomHistory.empty());
}

TEST_F(EditorView, ResetShowsTheNewModelWhole) {
  PutNode(doc, 1, 10, 10);
  PutNode(doc, 2, 20, 10);
  PutBeam(doc, 1, 1, 2);
  editor.StartTool(CreateTool::Node, true);
  editor.ResetView(1000, 800);
  EXPECT_EQ(Mode(), mode::kIdle);
  EXPECT_EQ(editor.Grid().GridType, kCartesianGrid);
  const Point2 centre = ToModel(editor.View(), 500, 400);
  ExpectPoint(centre, {15, 10});
  // 10.4 m (the beam and two BeamHeights each side for the node circles)
  // widened by 10% fill the 1000 px.
  EXPECT_NEAR(editor.View().Scale, 1000 / (10.4 * 1.1), 1e-9);
}

TEST_F(EditorView, SnapTolerancesAtTheirBounds) {
  // BeamHeight 0.1: a node catches the pointer 9 pixels (0.09 m) away but not 10.
  PutNode(doc, 1, 1, 1);
  editor.GridButton(kNoGrid);
  editor.StartTool(CreateTool::Node, true);
  editor.PointerMove(PointerEvent{109, 700});
  EXPECT_EQ(editor.Grid().SnappedNode, 1);
  ExpectPoint(editor.Grid().Cursor, {1, 1}, 0);
  editor.PointerMove(PointerEvent{110, 700});
  EXPECT_EQ(editor.Grid().SnappedNode, -1);
  ExpectPoint(editor.Grid().Cursor, {1.1, 1}, 1e-12);
  EXPECT_TRUE(editor.Grid().CursorVisible);
  // Idle, the cursor is the pointer itself.
  editor.StartTool(CreateTool::Node, false);
  editor.PointerMove(PointerEvent{123, 457});
  ExpectPoint(editor.Grid().Cursor, {1.23, 3.43}, 1e-12);
  EXPECT_FALSE(editor.Grid().CursorVisible);
}

TEST_F(EditorView, TheCursorCrossIsRedrawnOnlyWhenItChanges) {
  editor.StartTool(CreateTool::Node, true);
  MoveTo(1, 1);
  EXPECT_TRUE(editor.Grid().CursorVisible);
  const int shown = host.OverlayRepaints;
  MoveTo(1.01, 1); // the same grid point: nothing to redraw
  EXPECT_EQ(host.OverlayRepaints, shown);
  editor.ZoomWindow(true); // hides the cross
  EXPECT_FALSE(editor.Grid().CursorVisible);
  EXPECT_EQ(host.OverlayRepaints, shown + 1);
  editor.ZoomWindow(true); // hidden already
  EXPECT_EQ(host.OverlayRepaints, shown + 1);
}

TEST_F(EditorView, AnAngulatedGridDefinedHalfWayThroughABeam) {
  editor.StartTool(CreateTool::Beam, true);
  Click(1, 1);
  ASSERT_EQ(Mode(), mode::kBeamEnd);
  editor.GridButton(kAngulatedGrid);
  EXPECT_EQ(Mode(), mode::kAngulatedOrigin);
  EXPECT_EQ(editor.ToolButtons().DownTool, CreateTool::None);
  Click(0, 0); // origin
  Click(0, 0); // first point of the direction
  MoveTo(1, 1);
  EXPECT_NEAR(editor.Grid().GridAngle, kPi / 4, 1e-12);
  ASSERT_TRUE(editor.GuideLine().has_value());
  Click(1, 1);
  EXPECT_EQ(editor.Grid().GridType, kAngulatedGrid);
  EXPECT_EQ(Mode(), mode::kBeamEnd); // back to the beam
  EXPECT_TRUE(editor.Grid().CursorVisible);
  // The end snaps to the 45-degree grid: (3, 3.1) is local (4.31, 0.07),
  // rounded to (4.4, 0) on the 0.2 m grid.
  Click(3, 3.1);
  const TBeamObject& beam = *FindBeam(doc, 1);
  ExpectPoint({beam.X2, beam.Y2}, {4.4 / std::sqrt(2.0), 4.4 / std::sqrt(2.0)}, 1e-12);
  EXPECT_EQ(editor.StatusCoordinates().First, " 4.4 [m]");
  EXPECT_EQ(editor.StatusCoordinates().Second, " 0 [m]");
}

TEST_F(EditorView, EscInAGridDefinitionCancelsTheInterruptedBeamToo) {
  editor.StartTool(CreateTool::Beam, true);
  Click(1, 1);
  editor.GridButton(kPolarGrid);
  EXPECT_EQ(Mode(), mode::kPolarCentre);
  Click(2, 2);
  editor.KeyPress(EditorKey::Escape);
  EXPECT_EQ(Mode(), mode::kIdle);
  EXPECT_TRUE(doc.GraphObjects.empty());
  EXPECT_EQ(editor.Grid().GridType, kCartesianGrid);
  // A right click only leaves the definition.
  editor.GridButton(kPolarGrid);
  RightClick(3, 3);
  EXPECT_EQ(Mode(), mode::kIdle);
  editor.GridButton(kPolarGrid);
  Click(2, 2);
  Click(3, 2);
  Click(3, 3);
  EXPECT_EQ(editor.Grid().GridType, kPolarGrid);
  ExpectPoint(editor.Grid().PolarCentre, {2, 2});
  EXPECT_NEAR(editor.Grid().PolarAngle, kPi / 2, 1e-12);
  // Polar read-out: 1 m at 90 degrees from the centre.
  MoveTo(2, 3);
  EXPECT_EQ(editor.StatusCoordinates().First, " 1 [m]");
  EXPECT_EQ(editor.StatusCoordinates().Second, " 90 [Deg]");
}

TEST_F(EditorView, StatusBarNamesTheStepAndTheCursorWithUnits) {
  std::vector<std::string> entries(250);
  for (std::size_t i = 0; i < entries.size(); ++i)
    entries[i] = "entry " + std::to_string(i);
  SetTranslations(entries);
  settings.LastPath = "/home/user/Models/";
  doc.FileName = "Hall.qsd";
  EXPECT_EQ(editor.StatusText(), "/home/user/Models/Hall.qsd");
  const std::pair<CreateTool, const char*> tools[] = {
      {CreateTool::Node, "entry 226"},    {CreateTool::Beam, "entry 227"},
      {CreateTool::Support, "entry 226"}, {CreateTool::Load, "entry 231"},
      {CreateTool::Force, "entry 235"},   {CreateTool::Moment, "entry 235"}};
  for (const auto& [tool, text] : tools) {
    editor.StartTool(tool, true);
    EXPECT_EQ(editor.StatusText(), text);
  }
  editor.StartTool(CreateTool::Beam, true);
  Click(1, 1);
  EXPECT_EQ(editor.StatusText(), "entry 228");
  editor.MoveObjects();
  EXPECT_EQ(editor.StatusText(), "entry 239");
  editor.ZoomWindow(true);
  EXPECT_EQ(editor.StatusText(), "entry 242");
  editor.Pan(true);
  EXPECT_EQ(editor.StatusText(), "entry 243");
  editor.Pan(false);
  editor.CancelOperation();
  SetTranslations({});

  // Coordinates in the chosen length unit: centimetres.
  settings.Units.Length = 3;
  editor.UnitsChanged();
  MoveTo(1.2, 3.4);
  EXPECT_EQ(editor.StatusCoordinates().First, " 120 [cm]");
  EXPECT_EQ(editor.StatusCoordinates().Second, " 340 [cm]");
}

} // namespace
} // namespace strandel
