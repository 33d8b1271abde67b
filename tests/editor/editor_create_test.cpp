// Placing nodes, beams, supports, loads, forces and moments with the mouse.

#include <gtest/gtest.h>

#include "editor_fixture.h"
#include "model/object_text.h"

namespace strandel {
namespace {

using testing::CountOf;
using testing::EditorTest;
using testing::ExpectPoint;
using testing::PutBeam;
using testing::PutNode;

using CreateBeam = EditorTest;

TEST_F(CreateBeam, BetweenTwoNewNodesTakesTheTemplateMaterial) {
  TBeamObject edited;
  edited.MtrlName = "K12";
  edited.MtrlType = "WOOD";
  edited.Locked1 = true;
  settings.LastBeamStr = WriteText(edited);
  doc.ResultsValid = true;
  doc.ShowDisplacements = true;

  editor.StartTool(CreateTool::Beam, true);
  EXPECT_EQ(Mode(), mode::kBeamStart);
  EXPECT_EQ(editor.ToolButtons().DownTool, CreateTool::Beam);
  Click(1, 1);
  ASSERT_EQ(Mode(), mode::kBeamEnd);
  ASSERT_NE(FindNode(doc, 1), nullptr);
  EXPECT_TRUE(FindNode(doc, 1)->Provisional);
  MoveTo(2.4, 1.6);
  const TBeamObject* beam = FindBeam(doc, 1);
  ASSERT_NE(beam, nullptr);
  ExpectPoint({beam->X2, beam->Y2}, {2.4, 1.6}); // the end follows the cursor
  EXPECT_EQ(editor.HalfMadeObject(), doc.GraphObjects.back().get());
  Click(3, 1);

  // The tool stays in hand: the next beam starts at the end of this one.
  EXPECT_EQ(Mode(), mode::kBeamEnd);
  EXPECT_EQ(editor.ToolButtons().DownTool, CreateTool::Beam);
  const auto* next = std::get_if<TBeamObject>(editor.HalfMadeObject());
  ASSERT_NE(next, nullptr);
  EXPECT_EQ(next->Number, 2);
  EXPECT_EQ(next->Node1, 2);
  editor.KeyPress(EditorKey::Escape);
  EXPECT_EQ(Mode(), mode::kIdle);
  EXPECT_EQ(editor.ToolButtons().DownTool, CreateTool::None);
  EXPECT_EQ(CountOf(doc, ObjectKind::Beam), 1);
  ASSERT_EQ(CountOf(doc, ObjectKind::Node), 2);
  EXPECT_EQ(beam->Node1, 1);
  EXPECT_EQ(beam->Node2, 2);
  ExpectPoint({beam->X1, beam->Y1}, {1, 1});
  ExpectPoint({beam->X2, beam->Y2}, {3, 1});
  ExpectPoint(NodeAt(2), {3, 1});
  EXPECT_FALSE(FindNode(doc, 1)->Provisional);
  EXPECT_FALSE(FindNode(doc, 2)->Provisional);
  EXPECT_EQ(beam->MtrlName, "K12");
  EXPECT_EQ(beam->MtrlType, "WOOD");
  EXPECT_TRUE(beam->Locked1); // new beams are rigid at both ends: a hinge is a choice
  EXPECT_TRUE(beam->Locked2);
  EXPECT_TRUE(doc.Modified);
  EXPECT_FALSE(doc.ResultsValid);
  EXPECT_FALSE(doc.ShowDisplacements);
  EXPECT_EQ(editor.HalfMadeObject(), nullptr);
}

TEST_F(CreateBeam, BetweenExistingNodesMakesNoNodeAndARightClickKeepsThem) {
  PutNode(doc, 1, 1, 1);
  PutNode(doc, 2, 3, 1);
  editor.StartTool(CreateTool::Beam, true);
  Click(1.04, 1.02); // within a BeamHeight of node 1
  Click(2.97, 0.96);
  RightClick(2, 2); // the next beam of the chain goes; the tool stays
  EXPECT_EQ(Mode(), mode::kBeamStart);
  ASSERT_EQ(CountOf(doc, ObjectKind::Beam), 1);
  EXPECT_EQ(CountOf(doc, ObjectKind::Node), 2);
  EXPECT_EQ(FindBeam(doc, 1)->Node1, 1);
  EXPECT_EQ(FindBeam(doc, 1)->Node2, 2);

  editor.StartTool(CreateTool::Beam, true);
  Click(1, 1);
  ASSERT_EQ(Mode(), mode::kBeamEnd);
  RightClick(2, 2);
  EXPECT_EQ(Mode(), mode::kBeamStart);
  EXPECT_EQ(CountOf(doc, ObjectKind::Beam), 1);
  EXPECT_EQ(CountOf(doc, ObjectKind::Node), 2);
  RightClick(2, 2);
  EXPECT_EQ(Mode(), mode::kIdle);
}

TEST_F(CreateBeam, CancelledHalfWayTakesItsNewStartNodeAlong) {
  editor.StartTool(CreateTool::Beam, true);
  Click(2, 2);
  ASSERT_EQ(doc.GraphObjects.size(), 2u);
  editor.KeyPress(EditorKey::Escape);
  EXPECT_TRUE(doc.GraphObjects.empty());
  EXPECT_EQ(Mode(), mode::kIdle);
  EXPECT_FALSE(editor.Grid().CursorVisible);

  editor.StartTool(CreateTool::Beam, true);
  Click(2, 2);
  RightClick(4, 4);
  EXPECT_TRUE(doc.GraphObjects.empty());
  EXPECT_EQ(Mode(), mode::kBeamStart);
  // Changing the tool cancels as well.
  Click(2, 2);
  editor.StartTool(CreateTool::Support, true);
  EXPECT_TRUE(doc.GraphObjects.empty());
  EXPECT_EQ(Mode(), mode::kSupportNode);
}

TEST_F(CreateBeam, AnEndClickOnTheStartIsIgnored) {
  editor.StartTool(CreateTool::Beam, true);
  Click(2, 2);
  Click(2.04, 2); // caught by the start node: no length
  EXPECT_EQ(Mode(), mode::kBeamEnd);
  EXPECT_EQ(CountOf(doc, ObjectKind::Node), 1);
  Click(2.2, 2); // 0.2 m is long enough
  EXPECT_EQ(FindBeam(doc, 1)->Node2, 2);
  EXPECT_EQ(CountOf(doc, ObjectKind::Node), 2);
}

TEST_F(CreateBeam, ANodePlacedOnABeamLiesOnItWithoutSplittingIt) {
  PutNode(doc, 1, 0, 0);
  PutNode(doc, 2, 4, 0);
  PutBeam(doc, 1, 1, 2);
  editor.StartTool(CreateTool::Node, true);
  EXPECT_EQ(Mode(), mode::kCreateNode);
  Click(1, 0.03);
  EXPECT_EQ(Mode(), mode::kCreateNode); // the next click places the next node
  const TNodeObject* node = FindNode(doc, 3);
  ASSERT_NE(node, nullptr);
  EXPECT_FALSE(node->Provisional);
  EXPECT_EQ(node->HostBeam, 1);
  EXPECT_NEAR(node->PositionOnBeam, 0.25, 1e-12);
  ExpectPoint(NodeAt(3), {1, 0});
  EXPECT_EQ(CountOf(doc, ObjectKind::Beam), 1);
}

TEST_F(CreateBeam, RefusedWithAMessageWhenEveryNodeNumberIsTaken) {
  for (int number = 1; number <= 65535; ++number)
    PutNode(doc, number, -1, -1);
  editor.StartTool(CreateTool::Beam, true);
  Click(2, 2);
  ASSERT_EQ(host.Recorded.Entries.size(), 1u);
  EXPECT_EQ(CountOf(doc, ObjectKind::Node), 65535);
  EXPECT_EQ(CountOf(doc, ObjectKind::Beam), 0);
  EXPECT_EQ(Mode(), mode::kBeamStart);
}

using CreateSupport = EditorTest;

TEST_F(CreateSupport, PointsFromThePointerTowardsItsNode) {
  editor.StartTool(CreateTool::Support, true);
  Click(2, 2);
  ASSERT_EQ(Mode(), mode::kSupportDirection);
  const auto* support = std::get_if<TSupportObject>(editor.HalfMadeObject());
  ASSERT_NE(support, nullptr);
  EXPECT_EQ(support->NodeNo, 1);
  ExpectPoint({support->X, support->Y}, {2, 2});
  struct Case {
    Point2 Pointer;
    int Direction;
  };
  const Case cases[] = {
      {{2, 1}, 1}, // below: stands under the node
      {{3, 2}, 2}, // right
      {{2, 3}, 3}, // above
      {{1, 2}, 4}, // left
      {{3, 1}, 1}, // 135 degrees takes the lower code
      {{3, 3}, 2}, // 225 degrees
      {{1, 3}, 3}, // 315 degrees
      {{1, 1}, 1}, // 45 degrees
  };
  for (const Case& c : cases) {
    MoveTo(c.Pointer.X, c.Pointer.Y);
    EXPECT_EQ(support->Direction, c.Direction) << c.Pointer.X << " " << c.Pointer.Y;
  }
  MoveTo(2, 0.4);
  Click(2, 0.4);
  EXPECT_EQ(Mode(), mode::kSupportNode);
  ASSERT_EQ(CountOf(doc, ObjectKind::Support), 1);
  EXPECT_EQ(ObjectsOf<TSupportObject>(doc).begin().operator*().Direction, 1);
  EXPECT_FALSE(FindNode(doc, 1)->Provisional);
  EXPECT_TRUE(doc.Modified);
}

TEST_F(CreateSupport, StepsBackWithItsNewNodeButNotAnOldOne) {
  PutNode(doc, 1, 1, 1);
  editor.StartTool(CreateTool::Support, true);
  Click(3, 3);
  RightClick(3, 2);
  EXPECT_EQ(Mode(), mode::kSupportNode);
  EXPECT_EQ(doc.GraphObjects.size(), 1u);
  Click(1, 1);
  RightClick(3, 2);
  EXPECT_EQ(doc.GraphObjects.size(), 1u);
  EXPECT_NE(FindNode(doc, 1), nullptr);
}

class CreateOnBeam : public EditorTest {
protected:
  CreateOnBeam() {
    PutNode(doc, 1, 0, 0);
    PutNode(doc, 2, 4, 0);
    PutBeam(doc, 1, 1, 2);
  }
};

TEST_F(CreateOnBeam, LoadFromTwoPointsWithItsDirection) {
  editor.StartTool(CreateTool::Load, true);
  Click(1, 1); // not on the beam: nothing
  EXPECT_EQ(Mode(), mode::kLoadBeam);
  EXPECT_EQ(CountOf(doc, ObjectKind::Load), 0);
  Click(1, 0.03);
  ASSERT_EQ(Mode(), mode::kLoadStart);
  const auto* load = std::get_if<TLoadObject>(editor.HalfMadeObject());
  ASSERT_NE(load, nullptr);
  EXPECT_EQ(load->HostBeam, 1);
  EXPECT_EQ(load->Value, 1000.0);
  EXPECT_EQ(load->Node1, -1);
  MoveTo(1.4, 0.5); // above the beam: the start slides along the beam
  ExpectPoint({load->X1, load->Y1}, {1.4, 0});
  ExpectPoint({load->X2, load->Y2}, {1.4, 0});
  EXPECT_NEAR(load->Angle, kPi / 2, 1e-12);
  Click(1.4, 0.5);
  ASSERT_EQ(Mode(), mode::kLoadEnd);
  Click(1.4, -0.5); // no length yet: ignored
  EXPECT_EQ(Mode(), mode::kLoadEnd);
  MoveTo(3.2, -0.5);
  ExpectPoint({load->X1, load->Y1}, {1.4, 0});
  ExpectPoint({load->X2, load->Y2}, {3.2, 0});
  EXPECT_NEAR(load->Angle, -kPi / 2, 1e-12); // below the beam
  Click(3.2, -0.5);
  ASSERT_EQ(Mode(), mode::kLoadDirection);
  EXPECT_FALSE(editor.Grid().CursorVisible);
  MoveTo(2.4, 0.9); // atan2(0.9, 1.0) = 42 degrees: 40
  EXPECT_NEAR(load->Angle, 40 * kPi / 180, 1e-12);
  EXPECT_EQ(editor.StatusCoordinates().First, " 40 [Deg]");
  Click(2.4, 1.0); // 45 degrees
  EXPECT_EQ(Mode(), mode::kLoadBeam);
  // A node at each end, the end first, both lying on the beam.
  ASSERT_EQ(CountOf(doc, ObjectKind::Node), 4);
  EXPECT_EQ(load->Node2, 3);
  EXPECT_EQ(load->Node1, 4);
  ExpectPoint(NodeAt(3), {3.2, 0});
  ExpectPoint(NodeAt(4), {1.4, 0});
  EXPECT_EQ(FindNode(doc, 3)->HostBeam, 1);
  EXPECT_NEAR(FindNode(doc, 3)->PositionOnBeam, 0.8, 1e-12);
  EXPECT_NEAR(FindNode(doc, 4)->PositionOnBeam, 0.35, 1e-12);
  EXPECT_FALSE(FindNode(doc, 4)->Provisional);
  EXPECT_NEAR(load->Angle, kPi / 4, 1e-12);
  EXPECT_TRUE(doc.Modified);
}

TEST_F(CreateOnBeam, LoadStepsBackOneClickAtATime) {
  editor.StartTool(CreateTool::Load, true);
  Click(1, 0.02);
  Click(1.4, 0.5);
  Click(3, 0.5);
  ASSERT_EQ(Mode(), mode::kLoadDirection);
  RightClick(3, 1);
  EXPECT_EQ(Mode(), mode::kLoadEnd);
  RightClick(3, 1);
  EXPECT_EQ(Mode(), mode::kLoadStart);
  // Back at the start both ends follow again, and the end is free again.
  MoveTo(2, 0.5);
  const auto* load = std::get_if<TLoadObject>(editor.HalfMadeObject());
  ASSERT_NE(load, nullptr);
  ExpectPoint({load->X2, load->Y2}, {2, 0});
  EXPECT_EQ(load->Node2, -1);
  RightClick(3, 1);
  EXPECT_EQ(Mode(), mode::kLoadBeam);
  EXPECT_EQ(CountOf(doc, ObjectKind::Load), 0);
  EXPECT_EQ(doc.GraphObjects.size(), 3u);
}

TEST_F(CreateOnBeam, ForceOnABeamCreatesItsNode) {
  editor.StartTool(CreateTool::Force, true);
  Click(2, 0.02);
  ASSERT_EQ(Mode(), mode::kForcePosition);
  const auto* force = std::get_if<TForceObject>(editor.HalfMadeObject());
  ASSERT_NE(force, nullptr);
  EXPECT_EQ(force->NodeNo, -1);
  EXPECT_EQ(force->Value, 1000.0);
  MoveTo(2.6, -0.4);
  ExpectPoint({force->X, force->Y}, {2.6, 0});
  EXPECT_NEAR(force->Angle, -kPi / 2, 1e-12);
  Click(2.6, -0.4);
  ASSERT_EQ(Mode(), mode::kForceDirection);
  MoveTo(3.6, 0.9); // 42 degrees snaps to 40
  EXPECT_NEAR(force->Angle, 40 * kPi / 180, 1e-12);
  RightClick(3.6, 0.9); // back to sliding, the direction upright
  EXPECT_EQ(Mode(), mode::kForcePosition);
  EXPECT_NEAR(force->Angle, kPi / 2, 1e-12);
  Click(2.6, -0.4);
  MoveTo(1.6, -0.6); // atan2(-0.6, -1) = -149 degrees snaps to -150
  EXPECT_NEAR(force->Angle, -150 * kPi / 180, 1e-12);
  RightClick(1.6, -0.6);
  EXPECT_NEAR(force->Angle, -kPi / 2, 1e-12);
  Click(2.6, -0.4);
  MoveTo(2.6, 1);
  Click(2.6, 1);
  EXPECT_EQ(Mode(), mode::kForceTarget);
  const TNodeObject* node = FindNode(doc, 3);
  ASSERT_NE(node, nullptr);
  EXPECT_EQ(force->NodeNo, 3);
  EXPECT_EQ(node->HostBeam, 1);
  EXPECT_NEAR(node->PositionOnBeam, 0.65, 1e-12);
  EXPECT_FALSE(node->Provisional);
  EXPECT_NEAR(force->Angle, kPi / 2, 1e-12);
}

TEST_F(CreateOnBeam, ForceOnANodeGoesStraightToItsDirection) {
  editor.StartTool(CreateTool::Force, true);
  Click(5, 5); // neither node nor beam
  EXPECT_EQ(CountOf(doc, ObjectKind::Force), 0);
  Click(4.03, 0.02);
  ASSERT_EQ(Mode(), mode::kForceDirection);
  EXPECT_EQ(std::get<TForceObject>(*editor.HalfMadeObject()).NodeNo, 2);
  RightClick(4, 1); // on a node, stepping back takes the force away
  EXPECT_EQ(Mode(), mode::kForceTarget);
  EXPECT_EQ(CountOf(doc, ObjectKind::Force), 0);
  Click(4, 0);
  Click(4, 1);
  EXPECT_EQ(Mode(), mode::kForceTarget);
  ASSERT_EQ(CountOf(doc, ObjectKind::Force), 1);
  EXPECT_EQ(CountOf(doc, ObjectKind::Node), 2);
}

TEST_F(CreateOnBeam, MomentOnANodeAndOnTheBeam) {
  editor.StartTool(CreateTool::Moment, true);
  Click(0, 0);
  ASSERT_EQ(Mode(), mode::kMomentDirection);
  Click(-1, 0);
  ASSERT_EQ(CountOf(doc, ObjectKind::Moment), 1);
  const TMomentObject& first = *ObjectsOf<TMomentObject>(doc).begin();
  EXPECT_EQ(first.NodeNo, 1);
  EXPECT_EQ(first.Value, 1000.0);
  EXPECT_NEAR(first.Angle, kPi, 1e-12);

  editor.StartTool(CreateTool::Moment, true);
  Click(3, 0.01);
  ASSERT_EQ(Mode(), mode::kMomentPosition);
  Click(3, 0.3);
  Click(3, 1);
  EXPECT_EQ(CountOf(doc, ObjectKind::Moment), 2);
  EXPECT_EQ(FindNode(doc, 3)->HostBeam, 1);

  // Esc in any step takes the half-made moment away.
  editor.StartTool(CreateTool::Moment, true);
  Click(2, 0);
  editor.KeyPress(EditorKey::Escape);
  EXPECT_EQ(CountOf(doc, ObjectKind::Moment), 2);
  EXPECT_EQ(CountOf(doc, ObjectKind::Node), 3);
}

} // namespace
} // namespace strandel
