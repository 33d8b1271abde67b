// Selecting, dragging and merging nodes, and the Edit-menu commands, driven
// through the pointer as a user does.

#include <gtest/gtest.h>

#include "editor/pick.h"
#include "editor_fixture.h"

namespace strandel {
namespace {

using testing::CountOf;
using testing::EditorTest;
using testing::ExpectPoint;
using testing::PutBeam;
using testing::PutNode;
using testing::PutNodeOnBeam;

// Nodes 1 (0,0) and 2 (4,0) with beam 1, and node 3 lying on it at x = 2.
class FrameEditing : public EditorTest {
protected:
  FrameEditing() {
    PutNode(doc, 1, 0, 0);
    PutNode(doc, 2, 4, 0);
    PutBeam(doc, 1, 1, 2);
    PutNodeOnBeam(doc, 3, 1, 0.5);
  }
};

TEST_F(FrameEditing, ClickingSelectsOneObjectAndEmptySpaceClearsAll) {
  Click(2.02, 0.01); // node 3 lies on the beam: the node is taken
  EXPECT_TRUE(FindNode(doc, 3)->Selected);
  EXPECT_FALSE(FindBeam(doc, 1)->Selected);
  Click(1, 0.03);
  EXPECT_TRUE(FindBeam(doc, 1)->Selected);
  Click(2, 0);
  EXPECT_FALSE(FindNode(doc, 3)->Selected); // a second click deselects
  Click(2, 0);
  Click(2, 2);
  for (const auto& object : doc.GraphObjects)
    EXPECT_FALSE(IsSelected(*object));
  EXPECT_FALSE(doc.Modified);
}

TEST_F(FrameEditing, ABoxSelectsWhatIsInsideOrWhatItTouchesByItsDirection) {
  // Left to right over x 1..5: nodes 2 and 3 lie inside, the beam does not.
  Drag({{1, -1}, {3, 0.5}, {5, 1}});
  EXPECT_FALSE(editor.SelectionRectangle().has_value());
  EXPECT_FALSE(FindNode(doc, 1)->Selected);
  EXPECT_TRUE(FindNode(doc, 2)->Selected && FindNode(doc, 3)->Selected);
  EXPECT_FALSE(FindBeam(doc, 1)->Selected);
  // Right to left over the same box: the beam it crosses too, and the box
  // starts afresh.
  Drag({{5, 1}, {1, -1}});
  EXPECT_TRUE(FindBeam(doc, 1)->Selected && FindNode(doc, 2)->Selected);
  EXPECT_FALSE(FindNode(doc, 1)->Selected);
  // Shift adds, Ctrl takes away; a click on empty space with Shift keeps all.
  const auto withKeys = [this](std::initializer_list<Point2> path, unsigned keys) {
    const Point2 first = *path.begin(), last = *(path.end() - 1);
    PointerEvent press = At(first.X, first.Y);
    press.Modifiers = keys;
    editor.Press(press);
    PointerEvent held = At(last.X, last.Y);
    held.LeftHeld = true;
    editor.PointerMove(held);
    // While dragged from right to left the box says it takes what it touches.
    if (last.X < first.X) {
      EXPECT_TRUE(editor.SelectionRectangle()->Crossing);
    }
    editor.Release(At(last.X, last.Y));
  };
  withKeys({{-1, -1}, {1, 1}}, kShiftKey);
  EXPECT_TRUE(FindNode(doc, 1)->Selected && FindNode(doc, 2)->Selected);
  withKeys({{4.5, 1}, {1, -1}}, kControlKey);
  EXPECT_TRUE(FindNode(doc, 1)->Selected);
  EXPECT_FALSE(FindNode(doc, 2)->Selected || FindBeam(doc, 1)->Selected);
  withKeys({{6, 6}, {6, 6}}, kShiftKey);
  EXPECT_TRUE(FindNode(doc, 1)->Selected);
  // Shift and Ctrl on a single object select and deselect it.
  withKeys({{0, 0}, {0, 0}}, kControlKey);
  EXPECT_FALSE(FindNode(doc, 1)->Selected);
  withKeys({{0, 0}, {0, 0}}, kShiftKey);
  withKeys({{0, 0}, {0, 0}}, kShiftKey);
  EXPECT_TRUE(FindNode(doc, 1)->Selected);
  EXPECT_FALSE(doc.Modified);
}

TEST(BoxRules, InsideTakesWholeObjectsAndCrossingWhatTheBoxTouches) {
  TBeamObject beam;
  beam.X1 = 0;
  beam.Y1 = 0;
  beam.X2 = 4;
  beam.Y2 = 4;
  const GraphObject diagonal = beam;
  struct Case {
    Point2 A, B;
    bool Inside, Crossing;
  };
  const Case cases[] = {
      {{-1, -1}, {5, 5}, true, true},   // around it
      {{1, 1}, {2, 2}, false, true},    // on its middle
      {{3, 0}, {4, 1}, false, false},   // beside it, clear of the line
      {{2, -1}, {3, 2}, false, true},   // the line passes through a corner region
      {{5, 5}, {-1, -1}, true, true},   // corners in either order
      {{4, 4}, {6, 6}, false, true},    // touching its end
      {{0, 4.5}, {4, 6}, false, false}, // above
  };
  for (const Case& c : cases) {
    EXPECT_EQ(InBox(diagonal, c.A, c.B, BoxRule::Inside), c.Inside) << c.A.X << "," << c.A.Y;
    EXPECT_EQ(InBox(diagonal, c.A, c.B, BoxRule::Crossing), c.Crossing) << c.A.X << "," << c.A.Y;
  }
  TForceObject force;
  force.X = 1;
  force.Y = 2;
  EXPECT_TRUE(InBox(GraphObject(force), {0, 0}, {1, 2}, BoxRule::Inside)); // edges count
  EXPECT_FALSE(InBox(GraphObject(force), {0, 0}, {0.9, 3}, BoxRule::Crossing));
}

TEST_F(FrameEditing, DraggingANodeSlidesItAlongItsBeam) {
  doc.ResultsValid = true;
  MoveTo(2, 0);
  editor.Press(At(2, 0));
  PointerEvent held = At(2, 0);
  held.LeftHeld = true;
  held.X += 6;
  held.Y -= 8; // 10 pixels: still a click
  editor.PointerMove(held);
  EXPECT_FALSE(editor.State().DragStarted);
  ExpectPoint(NodeAt(3), {2, 0});
  EXPECT_TRUE(doc.ResultsValid);
  held.X += 1; // now past 10 pixels
  editor.PointerMove(held);
  EXPECT_TRUE(editor.State().DragStarted);
  EXPECT_FALSE(doc.ResultsValid);
  held = At(2.6, 0.3);
  held.LeftHeld = true;
  editor.PointerMove(held);
  ExpectPoint(NodeAt(3), {2.6, 0}); // projected onto its beam
  EXPECT_TRUE(editor.Grid().CursorVisible);
  editor.Release(At(2.6, 0.3));
  const TNodeObject& node = *FindNode(doc, 3);
  EXPECT_EQ(node.HostBeam, 1);
  EXPECT_NEAR(node.PositionOnBeam, 0.65, 1e-12);
  EXPECT_FALSE(node.Selected);
  EXPECT_TRUE(doc.Modified);
  EXPECT_EQ(editor.State().DragNode, 0);
  EXPECT_FALSE(editor.Grid().CursorVisible);
}

TEST_F(FrameEditing, ANodeDroppedOnAnotherIsMergedIntoIt) {
  PutNode(doc, 4, 2, 2);
  PutNode(doc, 5, 2, 4);
  PutBeam(doc, 2, 4, 5);
  TSupportObject& support = AppendObject<TSupportObject>(doc);
  support.NodeNo = 4;
  support.X = 2;
  support.Y = 2;
  Drag({{2, 2}, {3, 1}, {4.04, 0.02}});
  EXPECT_EQ(FindNode(doc, 4), nullptr);
  EXPECT_EQ(FindBeam(doc, 2)->Node1, 2);
  ExpectPoint({FindBeam(doc, 2)->X1, FindBeam(doc, 2)->Y1}, {4, 0});
  EXPECT_EQ(support.NodeNo, 2);
  ExpectPoint({support.X, support.Y}, {4, 0});
  EXPECT_EQ(CountOf(doc, ObjectKind::Node), 4);
}

TEST_F(FrameEditing, ANodeDroppedOnTheOtherEndOfItsBeamGoesBack) {
  Drag({{4, 0}, {3, 1}, {0.02, 0.02}});
  ASSERT_EQ(host.Recorded.Entries.size(), 1u);
  EXPECT_NE(host.Recorded.Entries[0].Text.find("B1"), std::string::npos);
  ExpectPoint(NodeAt(2), {4, 0});
  ExpectPoint(NodeAt(3), {2, 0});
  EXPECT_EQ(CountOf(doc, ObjectKind::Node), 3);
}

TEST_F(FrameEditing, DeleteKeepsWhatOthersStillNeed) {
  PutNode(doc, 4, 2, 3); // free
  PutNode(doc, 5, 3, 3); // a moment acts on it
  AppendObject<TMomentObject>(doc).NodeNo = 5;
  Click(0, 0);    // node 1, a beam end
  Click(1, 0.02); // beam 1, node 3 lies on it
  Click(2, 3);    // node 4
  Click(3, 3);    // node 5 (its moment is not selected)
  doc.ResultsValid = true;
  editor.KeyPress(EditorKey::Delete);
  EXPECT_NE(FindNode(doc, 1), nullptr);
  EXPECT_NE(FindBeam(doc, 1), nullptr);
  EXPECT_EQ(FindNode(doc, 4), nullptr);
  EXPECT_NE(FindNode(doc, 5), nullptr);
  EXPECT_TRUE(doc.Modified);
  EXPECT_FALSE(doc.ResultsValid);
  // Without the node on it the beam can go, and its end nodes after it.
  Click(2, 0);
  editor.Delete();
  EXPECT_EQ(FindNode(doc, 3), nullptr);
  EXPECT_NE(FindBeam(doc, 1), nullptr); // still selected
  editor.Delete();
  EXPECT_EQ(FindBeam(doc, 1), nullptr);
  EXPECT_EQ(FindNode(doc, 1), nullptr);
  EXPECT_NE(FindNode(doc, 2), nullptr); // never selected
}

TEST_F(FrameEditing, AlignTwoClicksPutSelectedNodesOnTheLine) {
  PutNode(doc, 4, 1, 3);
  PutNode(doc, 5, 3, 4);
  Click(1, 3);
  Click(3, 4);
  doc.ResultsValid = true;
  editor.AlignNodesToLine();
  EXPECT_EQ(Mode(), mode::kAlignFirst);
  EXPECT_FALSE(doc.ResultsValid);
  EXPECT_FALSE(doc.Modified);
  Click(0, 2);
  ASSERT_EQ(Mode(), mode::kAlignSecond);
  MoveTo(1, 2);
  ASSERT_TRUE(editor.GuideLine().has_value());
  ExpectPoint(editor.GuideLine()->first, {0, 2});
  EXPECT_EQ(editor.Grid().GridAngle, 0); // picking the line leaves the grid alone
  Click(0, 2);                           // the same point again gives no line
  EXPECT_EQ(Mode(), mode::kAlignSecond);
  Click(2, 4);
  EXPECT_EQ(Mode(), mode::kIdle);
  // The line y = x + 2: (1,3) is on it, (3,4) has its foot at (2.5, 4.5).
  ExpectPoint(NodeAt(4), {1, 3});
  ExpectPoint(NodeAt(5), {2.5, 4.5});
  EXPECT_FALSE(FindNode(doc, 5)->Selected);
  EXPECT_TRUE(doc.Modified);
  EXPECT_FALSE(editor.GuideLine().has_value());
}

TEST_F(FrameEditing, AlignIsLeftWithEscOrARightClick) {
  editor.AlignNodesToLine();
  RightClick(1, 1);
  EXPECT_EQ(Mode(), mode::kIdle);
  editor.AlignNodesToLine();
  Click(1, 1);
  editor.KeyPress(EditorKey::Escape);
  EXPECT_EQ(Mode(), mode::kIdle);
}

TEST_F(FrameEditing, MoveObjectsByThreeClicks) {
  TForceObject& force = AppendObject<TForceObject>(doc);
  force.NodeNo = 3;
  force.X = 2;
  doc.ResultsValid = true;
  editor.MoveObjects();
  EXPECT_EQ(Mode(), mode::kMoveBase);
  EXPECT_FALSE(doc.ResultsValid);
  Click(0, 0);
  Click(2, 5);
  EXPECT_EQ(Mode(), mode::kMoveTargetY);
  RightClick(9, 9);
  EXPECT_EQ(Mode(), mode::kMoveTargetX);
  Click(2, 5);
  Click(7, 3);
  EXPECT_EQ(Mode(), mode::kIdle);
  // From (0, 0) to x 2 and y 3: everything moves by (2, 3).
  ExpectPoint(NodeAt(1), {2, 3});
  ExpectPoint(NodeAt(2), {6, 3});
  ExpectPoint(NodeAt(3), {4, 3});
  ExpectPoint({FindBeam(doc, 1)->X2, FindBeam(doc, 1)->Y2}, {6, 3});
  ExpectPoint({force.X, force.Y}, {4, 3});
  EXPECT_TRUE(doc.Modified);
}

TEST_F(FrameEditing, MoveBaseSnapsToNodes) {
  editor.MoveObjects();
  Click(3.95, 0.05); // the base point is node 2
  Click(5, 5);
  Click(5, 5);
  ExpectPoint(NodeAt(2), {5, 5});
}

TEST_F(FrameEditing, DoubleClickNamesTheObjectAndSwallowsItsSecondPress) {
  doc.ResultsValid = true;
  Click(1, 0.02);
  EXPECT_TRUE(FindBeam(doc, 1)->Selected);
  const int shown = changeView.Shown;
  const std::optional<PickedObject> picked = editor.DoubleClick(At(1, 0.02));
  ASSERT_TRUE(picked);
  EXPECT_EQ(picked->Kind, ObjectKind::Beam);
  EXPECT_EQ(picked->Index, 2);
  EXPECT_FALSE(FindBeam(doc, 1)->Selected);
  // Asking for a dialog changes nothing yet: the window decides after OK.
  EXPECT_TRUE(doc.ResultsValid);
  EXPECT_FALSE(doc.Modified);
  EXPECT_EQ(changeView.Shown, shown);
  EXPECT_FALSE(changes.History().CanUndo());
  editor.Press(At(1, 0.02)); // the second press of the double click
  editor.Release(At(1, 0.02));
  EXPECT_FALSE(FindBeam(doc, 1)->Selected);
  Click(1, 0.02); // the next click selects again
  EXPECT_TRUE(FindBeam(doc, 1)->Selected);
  // Empty space: no object, no dialog.
  EXPECT_FALSE(editor.DoubleClick(At(3, 3)));
  // While a command waits for points a double click picks nothing.
  editor.StartTool(CreateTool::Beam, true);
  EXPECT_FALSE(editor.DoubleClick(At(1, 0.02)));
}

TEST_F(FrameEditing, WhatMarksTheDocumentAndWhatInvalidatesTheResults) {
  struct Case {
    const char* Command;
    void (*Run)(Editor&);
    bool Modified;
    bool ResultsValid;
  };
  const Case cases[] = {
      {"flip", [](Editor& e) { e.FlipBeams(); }, true, true},
      {"beam scale", [](Editor& e) { e.BeamScaleUp(); }, true, true},
      {"load scale", [](Editor& e) { e.LoadScaleDown(); }, true, true},
      {"displacement scale", [](Editor& e) { e.DisplacementScaleUp(2); }, false, true},
      {"delete", [](Editor& e) { e.Delete(); }, true, false},
      {"delete all loads", [](Editor& e) { e.DeleteAllLoads(); }, true, false},
      {"align", [](Editor& e) { e.AlignNodesToLine(); }, false, false},
      {"move objects", [](Editor& e) { e.MoveObjects(); }, false, false},
      {"zoom", [](Editor& e) { e.ZoomIn(); }, false, true},
      {"select all", [](Editor& e) { e.SelectAll(); }, false, true},
      {"create button", [](Editor& e) { e.StartTool(CreateTool::Beam, true); }, false, true},
  };
  for (const Case& c : cases) {
    doc.Modified = false;
    doc.ResultsValid = true;
    c.Run(editor);
    EXPECT_EQ(doc.Modified, c.Modified) << c.Command;
    EXPECT_EQ(doc.ResultsValid, c.ResultsValid) << c.Command;
    editor.CancelOperation();
  }
}

TEST_F(FrameEditing, SizeButtonsScaleByATenthAndStepFromTheAutomaticScale) {
  editor.BeamScaleUp();
  EXPECT_NEAR(doc.Settings.BeamHeight, 0.11, 1e-15);
  editor.BeamScaleDown();
  EXPECT_NEAR(doc.Settings.BeamHeight, 0.1, 1e-15);
  editor.LoadScaleUp();
  EXPECT_NEAR(doc.Settings.LoadHeight, 0.33, 1e-15);
  EXPECT_EQ(doc.DisplacementScale, 0);
  editor.DisplacementScaleUp(50); // the picture showed 50x
  EXPECT_NEAR(doc.DisplacementScale, 55, 1e-12);
  editor.DisplacementScaleDown(0);
  EXPECT_NEAR(doc.DisplacementScale, 50, 1e-12);
  // The tolerances follow BeamHeight: with 0.2 the node catches 0.19 away.
  doc.Settings.BeamHeight = 0.2;
  editor.StartTool(CreateTool::Beam, true);
  Click(0.19, 0);
  EXPECT_EQ(FindBeam(doc, 2)->Node1, 1);
}

} // namespace
} // namespace strandel
