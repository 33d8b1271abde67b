#include "editor/node_edit.h"

#include <gtest/gtest.h>

#include <cmath>

#include "editor_harness.h"

namespace strandel {
namespace {

using testing::CountOf;
using testing::PutBeam;
using testing::PutNode;
using testing::PutNodeOnBeam;

TEST(AddNode, TakesTheNextNumberAndItsPlaceOnTheBeam) {
  ModelDocument doc;
  PutNode(doc, 1, 0, 0);
  PutNode(doc, 5, 4, 2);
  PutBeam(doc, 3, 1, 5);
  TNodeObject* node = AddNode(doc, {1, 0.5}, 3, true);
  ASSERT_NE(node, nullptr);
  EXPECT_EQ(node->Number, 6);
  EXPECT_EQ(node->HostBeam, 3);
  EXPECT_NEAR(node->PositionOnBeam, 0.25, 1e-15);
  EXPECT_TRUE(node->Provisional);
  TNodeObject* free = AddNode(doc, {9, 9}, 8, false); // no beam 8
  EXPECT_EQ(free->HostBeam, -1);
  EXPECT_EQ(free->Number, 7);
}

// Node 2 at the end of beam 1 carries node 3 at its middle, which starts
// beam 2, which carries node 5 at its middle. A load, a moment, a force and a
// support sit on the way.
ModelDocument CarriedFrame() {
  ModelDocument doc;
  PutNode(doc, 1, 0, 0);
  PutNode(doc, 2, 4, 0);
  PutBeam(doc, 1, 1, 2);
  PutNodeOnBeam(doc, 3, 1, 0.5); // (2, 0)
  PutNode(doc, 4, 2, 3);
  PutBeam(doc, 2, 3, 4);
  PutNodeOnBeam(doc, 5, 2, 0.5); // (2, 1.5)
  TLoadObject& load = AppendObject<TLoadObject>(doc);
  load.HostBeam = 1;
  load.Node1 = 1;
  load.Node2 = 3;
  load.X2 = 2;
  TMomentObject& moment = AppendObject<TMomentObject>(doc);
  moment.NodeNo = 3;
  moment.X = 2;
  TForceObject& force = AppendObject<TForceObject>(doc);
  force.NodeNo = 4;
  force.X = 2;
  force.Y = 3;
  TSupportObject& support = AppendObject<TSupportObject>(doc);
  support.NodeNo = 1;
  return doc;
}

TEST(MoveNode, CarriesBeamsTheNodesOnThemAndWhatHangsOnThem) {
  ModelDocument doc = CarriedFrame();
  RecordingMessages messages;
  ASSERT_TRUE(MoveNode(doc, 2, {4, 2}, messages));
  // Beam 1 now runs (0,0)-(4,2): its middle, node 3, is (2,1); beam 2 runs
  // (2,1)-(2,3) and its middle, node 5, is (2,2).
  const TBeamObject& b1 = *FindBeam(doc, 1);
  EXPECT_EQ((Point2{b1.X2, b1.Y2}), (Point2{4, 2}));
  EXPECT_EQ((Point2{FindNode(doc, 3)->X, FindNode(doc, 3)->Y}), (Point2{2, 1}));
  const TBeamObject& b2 = *FindBeam(doc, 2);
  EXPECT_EQ((Point2{b2.X1, b2.Y1}), (Point2{2, 1}));
  EXPECT_EQ((Point2{FindNode(doc, 5)->X, FindNode(doc, 5)->Y}), (Point2{2, 2}));
  const TLoadObject& load = *ObjectsOf<TLoadObject>(doc).begin();
  EXPECT_EQ((Point2{load.X2, load.Y2}), (Point2{2, 1}));
  const TMomentObject& moment = *ObjectsOf<TMomentObject>(doc).begin();
  EXPECT_EQ((Point2{moment.X, moment.Y}), (Point2{2, 1}));
  const TForceObject& force = *ObjectsOf<TForceObject>(doc).begin();
  EXPECT_EQ((Point2{force.X, force.Y}), (Point2{2, 3}));
  EXPECT_TRUE(messages.Entries.empty());

  ASSERT_TRUE(MoveNode(doc, 1, {0, -1}, messages));
  const TSupportObject& support = *ObjectsOf<TSupportObject>(doc).begin();
  EXPECT_EQ((Point2{support.X, support.Y}), (Point2{0, -1}));
  EXPECT_EQ((Point2{load.X1, load.Y1}), (Point2{0, -1}));
}

TEST(MoveNode, StopsARunawayLoopWithItsMessage) {
  // Node 2 both ends beam 1 and lies on it: each move of it moves the beam,
  // which moves it again.
  ModelDocument doc;
  PutNode(doc, 1, 0, 0);
  PutNode(doc, 2, 2, 0);
  PutBeam(doc, 1, 1, 2);
  FindNode(doc, 2)->HostBeam = 1;
  FindNode(doc, 2)->PositionOnBeam = 0.5;
  RecordingMessages messages;
  EXPECT_FALSE(MoveNode(doc, 1, {1, 1}, messages));
  ASSERT_EQ(messages.Entries.size(), 1u);
  EXPECT_EQ(messages.Entries[0].Text, "Infinite update-loop");
  const TNodeObject& node = *FindNode(doc, 2);
  EXPECT_TRUE(std::isfinite(node.X) && std::isfinite(node.Y));
  EXPECT_EQ((Point2{FindNode(doc, 1)->X, FindNode(doc, 1)->Y}), (Point2{1, 1}));
}

TEST(MergeNode, EverythingAtTheDraggedNodeGoesToTheTarget) {
  ModelDocument doc;
  PutNode(doc, 1, 0, 0);
  PutNode(doc, 2, 4, 0);
  PutNode(doc, 3, 4, 3);
  PutBeam(doc, 1, 1, 2);
  PutBeam(doc, 2, 3, 1);
  TSupportObject& support = AppendObject<TSupportObject>(doc);
  support.NodeNo = 3;
  TForceObject& force = AppendObject<TForceObject>(doc);
  force.NodeNo = 3;
  TMomentObject& moment = AppendObject<TMomentObject>(doc);
  moment.NodeNo = 3;
  TLoadObject& load = AppendObject<TLoadObject>(doc);
  load.Node1 = 1;
  load.Node2 = 3;
  ASSERT_EQ(MergeRefusal(doc, 3, 2), "");
  MergeNodeInto(doc, 3, 2);
  EXPECT_EQ(FindNode(doc, 3), nullptr);
  EXPECT_EQ(CountOf(doc, ObjectKind::Node), 2);
  EXPECT_EQ(FindBeam(doc, 2)->Node1, 2);
  EXPECT_EQ(FindBeam(doc, 2)->Node2, 1);
  EXPECT_EQ(support.NodeNo, 2);
  EXPECT_EQ(force.NodeNo, 2);
  EXPECT_EQ(moment.NodeNo, 2);
  EXPECT_EQ(load.Node1, 1);
  EXPECT_EQ(load.Node2, 2);
}

TEST(MergeNode, RefusedWhenABeamWouldShrinkToAPointOrCarryItsOwnEnd) {
  ModelDocument doc;
  PutNode(doc, 1, 0, 0);
  PutNode(doc, 2, 4, 0);
  PutBeam(doc, 1, 1, 2);
  PutNodeOnBeam(doc, 3, 1, 0.5);
  PutNode(doc, 4, 9, 9);
  EXPECT_NE(MergeRefusal(doc, 2, 1), "");
  EXPECT_NE(MergeRefusal(doc, 1, 2), "");
  EXPECT_NE(MergeRefusal(doc, 2, 3), ""); // node 3 lies on beam 1, which ends at 2
  EXPECT_EQ(MergeRefusal(doc, 3, 2), ""); // sliding node 3 onto the end is fine
  EXPECT_EQ(MergeRefusal(doc, 4, 2), "");
}

TEST(NodeInUse, SeesEveryKindThatRefersToNodes) {
  ModelDocument doc;
  PutNode(doc, 1, 0, 0);
  EXPECT_FALSE(NodeInUse(doc, 1));
  AppendObject<TMomentObject>(doc).NodeNo = 1;
  EXPECT_TRUE(NodeInUse(doc, 1));
  ModelDocument withLoad;
  AppendObject<TLoadObject>(withLoad).Node2 = 1;
  EXPECT_TRUE(NodeInUse(withLoad, 1));
  ModelDocument withBeam;
  PutBeam(withBeam, 1, 2, 1);
  EXPECT_TRUE(NodeInUse(withBeam, 1));
  EXPECT_FALSE(NodeInUse(withBeam, 3));
}

} // namespace
} // namespace strandel
