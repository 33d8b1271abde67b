// Drawing by typing and by the wheel: typed points land exactly, a beam tool
// draws a chain, the wheel zooms about the pointer and the middle button pans
// without ending what is under way.

#include <gtest/gtest.h>

#include "common/text_entries.h"
#include "common/translation.h"
#include "editor/typed_point.h"
#include "editor_fixture.h"

namespace strandel {
namespace {

using testing::CountOf;
using testing::EditorTest;
using testing::ExpectPoint;
using testing::PutNode;

TEST(TypedPoint, AbsoluteRelativeAndPolarInTheDisplayUnits) {
  ParameterTable parameters;
  UnitChoice metres;
  metres.Length = 1; // [m]
  UnitChoice centimetres;
  centimetres.Length = 3; // [cm]
  const Point2 from{2, 1};
  struct Case {
    const char* Text;
    const UnitChoice& Units;
    Point2 Expected;
  };
  const Case cases[] = {
      {"6, 4", metres, {6, 4}},
      {"6;4", metres, {6, 4}},
      {"1,5, -2", metres, {1.5, -2}}, // a decimal comma in the first number
      {" 600 , 400 ", centimetres, {6, 4}},
      {"@6, 0", metres, {8, 1}},
      {"@-250, 2*50", centimetres, {-0.5, 2}},
      {"@5<90", metres, {2, 6}},
      {"@500<-90", centimetres, {2, -4}},
      {"@sqrt(2)<45", metres, {3, 2}},
  };
  for (const Case& c : cases) {
    const TypedPoint typed = ReadTypedPoint(c.Text, from, c.Units, parameters);
    ASSERT_TRUE(typed.At) << c.Text << ": " << typed.Error;
    EXPECT_NEAR(typed.At->X, c.Expected.X, 1e-14) << c.Text;
    EXPECT_NEAR(typed.At->Y, c.Expected.Y, 1e-14) << c.Text;
  }
  // Exactly the typed values, not rounded to any grid.
  EXPECT_EQ(ReadTypedPoint("0.123456789, 1e-7", from, metres, parameters).At->X, 0.123456789);
  EXPECT_EQ(ReadTypedPoint("123.4, 0", from, centimetres, parameters).At->X, 1.234);
}

TEST(TypedPoint, WhatCannotBeReadIsRefusedWithAReason) {
  SetTranslations({});
  ParameterTable parameters;
  UnitChoice metres;
  metres.Length = 1;
  for (const char* text :
       {"", "6", "6,4", "1, 2, 3", "x, 1", "1/0, 1", "5<90", "@5<", "@,", "abc"}) {
    const TypedPoint typed = ReadTypedPoint(text, Point2{}, metres, parameters);
    EXPECT_FALSE(typed.At) << text;
    EXPECT_FALSE(typed.Error.empty()) << text;
  }
  // A relative point needs a point to start from.
  const TypedPoint lonely = ReadTypedPoint("@1, 1", std::nullopt, metres, parameters);
  EXPECT_FALSE(lonely.At);
  EXPECT_EQ(lonely.Error, Translated(tr::kMsgTypedPointNoBase));
}

using Drawing = EditorTest;

TEST_F(Drawing, ABeamToolDrawsAChainUntilEsc) {
  editor.StartTool(CreateTool::Beam, true);
  Click(1, 0);
  Click(1, 3);
  Click(5, 3);
  Click(5, 0);
  ASSERT_EQ(Mode(), mode::kBeamEnd);
  EXPECT_EQ(CountOf(doc, ObjectKind::Beam), 4); // three and the one following the pointer
  editor.KeyPress(EditorKey::Escape);
  ASSERT_EQ(CountOf(doc, ObjectKind::Beam), 3);
  EXPECT_EQ(CountOf(doc, ObjectKind::Node), 4);
  for (int number = 1; number <= 3; ++number) {
    const TBeamObject* beam = FindBeam(doc, number);
    ASSERT_NE(beam, nullptr);
    EXPECT_EQ(beam->Node1, number);
    EXPECT_EQ(beam->Node2, number + 1);
    EXPECT_TRUE(beam->Locked1 && beam->Locked2);
  }
  // Each beam was a step of its own.
  EXPECT_EQ(changeView.Shown, 3);
}

TEST_F(Drawing, TypedPointsLandExactlyAndJoinWhatTheyMeet) {
  ParameterTable parameters;
  PutNode(doc, 1, 0, 0);
  editor.StartTool(CreateTool::Beam, true);
  EXPECT_TRUE(editor.TakesTypedPoints());
  EXPECT_EQ(editor.TypePoint("0, 0", parameters), ""); // on node 1
  EXPECT_EQ(editor.TypePoint("@0, 3.7", parameters), "");
  EXPECT_EQ(editor.TypePoint("@6.15<0", parameters), "");
  EXPECT_EQ(editor.TypePoint("@3.7<-90", parameters), "");
  editor.KeyPress(EditorKey::Escape);
  ASSERT_EQ(CountOf(doc, ObjectKind::Beam), 3);
  EXPECT_EQ(FindBeam(doc, 1)->Node1, 1);
  EXPECT_EQ(NodeAt(2).Y, 3.7); // bit for bit: no grid, no pixel
  EXPECT_EQ(NodeAt(3).X, 6.15);
  EXPECT_EQ(NodeAt(3).Y, 3.7);
  EXPECT_NEAR(NodeAt(4).X, 6.15, 1e-15);
  EXPECT_NEAR(NodeAt(4).Y, 0, 1e-15);

  // A typed point on a beam's line is a node on that beam.
  editor.StartTool(CreateTool::Node, true);
  EXPECT_EQ(editor.TypePoint("3, 3.7", parameters), "");
  const TNodeObject* onBeam = FindNode(doc, 5);
  ASSERT_NE(onBeam, nullptr);
  EXPECT_EQ(onBeam->HostBeam, 2);
  EXPECT_NEAR(onBeam->PositionOnBeam, 3 / 6.15, 1e-12);

  // A refused text changes nothing; idle takes no typed point.
  const std::size_t objects = doc.GraphObjects.size();
  EXPECT_NE(editor.TypePoint("3", parameters), "");
  editor.KeyPress(EditorKey::Escape);
  EXPECT_FALSE(editor.TakesTypedPoints());
  EXPECT_NE(editor.TypePoint("1, 1", parameters), "");
  EXPECT_EQ(doc.GraphObjects.size(), objects);
}

TEST_F(Drawing, ATypedTargetMovesEverythingByIt) {
  ParameterTable parameters;
  PutNode(doc, 1, 1, 1);
  editor.MoveObjects();
  EXPECT_EQ(editor.TypePoint("1, 1", parameters), "");
  EXPECT_EQ(editor.TypePoint("@2.25, -0.5", parameters), "");
  EXPECT_EQ(Mode(), mode::kIdle);
  ExpectPoint(NodeAt(1), {3.25, 0.5}, 1e-15);
}

TEST_F(Drawing, TheStatusBarMeasuresTheBeamBeingDrawn) {
  SetTranslations({});
  editor.StartTool(CreateTool::Beam, true);
  EXPECT_EQ(editor.MeasureText(), "");
  Click(1, 1);
  MoveTo(4, 5);
  EXPECT_EQ(editor.MeasureText(), "? 5 [m]   ? 53.1 [Deg]");
  MoveTo(1, -1);
  EXPECT_EQ(editor.MeasureText(), "? 2 [m]   ? -90 [Deg]");
}

TEST_F(Drawing, TheWheelZoomsAboutThePointerAndTheMiddleButtonPansMidBeam) {
  editor.StartTool(CreateTool::Beam, true);
  Click(2, 2);
  ASSERT_EQ(Mode(), mode::kBeamEnd);
  const PointerEvent at = At(3, 4);
  const Point2 before = ToModel(editor.View(), at.X, at.Y);
  editor.Wheel(at, 2); // two notches in
  EXPECT_NEAR(editor.View().Scale, 100 * kZoomStep * kZoomStep, 1e-9);
  const Point2 after = ToModel(editor.View(), at.X, at.Y);
  EXPECT_NEAR(after.X, before.X, 1e-12);
  EXPECT_NEAR(after.Y, before.Y, 1e-12);
  editor.Wheel(at, -0.5); // half a notch of a fine wheel out
  EXPECT_NEAR(editor.View().Scale, 100 * std::pow(kZoomStep, 1.5), 1e-9);

  // The middle button drags the view; the beam is still being drawn.
  const double originX = editor.View().OriginX;
  const double scale = editor.View().Scale;
  editor.Press(PointerEvent{500, 400, PointerButton::Middle});
  editor.PointerMove(PointerEvent{400, 400});
  editor.Release(PointerEvent{400, 400, PointerButton::Middle});
  EXPECT_NEAR(editor.View().OriginX, originX + 100 / scale, 1e-12);
  EXPECT_EQ(Mode(), mode::kBeamEnd);
  EXPECT_EQ(CountOf(doc, ObjectKind::Beam), 1);
  EXPECT_TRUE(editor.View().ZoomHistory.empty());
}

TEST_F(Drawing, TheGridStepHoldsAtEveryZoom) {
  editor.SetGridStep(0.5);
  editor.StartTool(CreateTool::Node, true);
  for (double scale : {5.0, 100.0, 3000.0}) {
    editor.View().Scale = scale;
    editor.View().OriginX = editor.View().OriginY = 0;
    const PointerEvent pointer{static_cast<int>(std::lround(2.3 * scale)),
                               800 - static_cast<int>(std::lround(1.2 * scale))};
    editor.PointerMove(pointer);
    ExpectPoint(editor.Grid().Cursor, {2.5, 1}, 1e-12);
  }
}

} // namespace
} // namespace strandel
