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
