#include "editor/edit_commands.h"

#include <gtest/gtest.h>

#include "common/user_message.h"
#include "editor_harness.h"

namespace strandel {
namespace {

using testing::CountOf;
using testing::PutBeam;
using testing::PutNode;
using testing::PutNodeOnBeam;

Point2 At(const ModelDocument& doc, int node) {
  const TNodeObject* found = FindNode(doc, node);
  return {found->X, found->Y};
}

void ExpectNear(Point2 actual, Point2 expected) {
  EXPECT_NEAR(actual.X, expected.X, 1e-12);
  EXPECT_NEAR(actual.Y, expected.Y, 1e-12);
}

TEST(DeleteAllLoads, TakesLoadsForcesAndMomentsOnly) {
  ModelDocument doc;
  PutNode(doc, 1, 0, 0);
  PutNode(doc, 2, 1, 0);
  PutBeam(doc, 1, 1, 2);
  AppendObject<TSupportObject>(doc).NodeNo = 1;
  AppendObject<TLoadObject>(doc);
  AppendObject<TForceObject>(doc);
  AppendObject<TMomentObject>(doc);
  DeleteAllLoads(doc);
  EXPECT_EQ(doc.GraphObjects.size(), 4u);
  EXPECT_EQ(CountOf(doc, ObjectKind::Support), 1);
  EXPECT_EQ(CountOf(doc, ObjectKind::Load) + CountOf(doc, ObjectKind::Force) +
                CountOf(doc, ObjectKind::Moment),
            0);
}

TEST(AlignNodes, SelectedNodesGoToTheirFootOnTheLine) {
  // The line y = x through (0,0) and (4,4).
  ModelDocument doc;
  PutNode(doc, 1, 2, 0).Selected = true; // foot (1, 1)
  PutNode(doc, 2, 0, 3).Selected = true; // foot (1.5, 1.5)
  PutNode(doc, 3, 5, 0);                 // not selected
  PutNode(doc, 4, 6, 0);
  PutBeam(doc, 1, 2, 4); // carried along by node 2
  // A node on the beam y = 2 goes to where the beam crosses the line, (2, 2);
  // one on a beam parallel to the line stays.
  PutNode(doc, 10, 0, 2);
  PutNode(doc, 11, 4, 2);
  PutBeam(doc, 2, 10, 11);
  PutNodeOnBeam(doc, 12, 2, 0.25).Selected = true;
  PutNode(doc, 20, 0, 1);
  PutNode(doc, 21, 3, 4);
  PutBeam(doc, 3, 20, 21);
  PutNodeOnBeam(doc, 22, 3, 0.5).Selected = true;
  RecordingMessages messages;
  EXPECT_EQ(AlignSelectedNodes(doc, {0, 0}, {4, 4}, messages), 4);
  ExpectNear(At(doc, 1), {1, 1});
  ExpectNear(At(doc, 2), {1.5, 1.5});
  ExpectNear(At(doc, 3), {5, 0});
  ExpectNear({FindBeam(doc, 1)->X1, FindBeam(doc, 1)->Y1}, {1.5, 1.5});
  ExpectNear(At(doc, 12), {2, 2});
  EXPECT_NEAR(FindNode(doc, 12)->PositionOnBeam, 0.5, 1e-12);
  ExpectNear(At(doc, 22), {1.5, 2.5});
  for (const TNodeObject& node : ObjectsOf<TNodeObject>(doc))
    EXPECT_FALSE(node.Selected) << node.Number;
}

TEST(MoveAllObjects, ShiftsEveryPointOfEveryKind) {
  ModelDocument doc;
  PutNode(doc, 1, 1, 1);
  PutNode(doc, 2, 3, 1);
  PutBeam(doc, 1, 1, 2);
  TSupportObject& support = AppendObject<TSupportObject>(doc);
  support.X = 1;
  support.Y = 1;
  TLoadObject& load = AppendObject<TLoadObject>(doc);
  load.X1 = 1;
  load.X2 = 3;
  TForceObject& force = AppendObject<TForceObject>(doc);
  force.X = 3;
  TMomentObject& moment = AppendObject<TMomentObject>(doc);
  moment.Y = -1;
  MoveAllObjects(doc, {2, 3});
  ExpectNear(At(doc, 1), {3, 4});
  ExpectNear(At(doc, 2), {5, 4});
  const TBeamObject& beam = *FindBeam(doc, 1);
  ExpectNear({beam.X1, beam.Y1}, {3, 4});
  ExpectNear({beam.X2, beam.Y2}, {5, 4});
  ExpectNear({support.X, support.Y}, {3, 4});
  ExpectNear({load.X1, load.Y1}, {3, 3});
  ExpectNear({load.X2, load.Y2}, {5, 3});
  ExpectNear({force.X, force.Y}, {5, 3});
  ExpectNear({moment.X, moment.Y}, {2, 2});
}

TEST(FlipBeams, SwapsEndsAndKeepsTheNodesOnThemInPlace) {
  ModelDocument doc;
  PutNode(doc, 1, 0, 0);
  PutNode(doc, 2, 4, 0);
  TBeamObject& beam = PutBeam(doc, 1, 1, 2);
  beam.Locked1 = true;
  beam.Selected = true;
  PutNodeOnBeam(doc, 3, 1, 0.25); // at x = 1
  TBeamObject& other = PutBeam(doc, 2, 1, 3);
  RecordingMessages messages;
  FlipSelectedBeams(doc, messages);
  EXPECT_EQ(beam.Node1, 2);
  EXPECT_EQ(beam.Node2, 1);
  ExpectNear({beam.X1, beam.Y1}, {4, 0});
  ExpectNear({beam.X2, beam.Y2}, {0, 0});
  EXPECT_FALSE(beam.Locked1);
  EXPECT_TRUE(beam.Locked2);
  EXPECT_NEAR(FindNode(doc, 3)->PositionOnBeam, 0.75, 1e-15);
  ExpectNear(At(doc, 3), {1, 0});
  EXPECT_EQ(other.Node1, 1); // not selected
  EXPECT_TRUE(messages.Entries.empty());
}

} // namespace
} // namespace strandel
