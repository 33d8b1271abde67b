#include "model/document.h"

#include <gtest/gtest.h>

#include "common/user_message.h"

namespace strandel {
namespace {

TNodeObject& AddNode(ModelDocument& doc, int number, double x = 0, double y = 0) {
  TNodeObject& node = AppendObject<TNodeObject>(doc);
  node.Number = static_cast<std::uint16_t>(number);
  node.X = x;
  node.Y = y;
  return node;
}

TBeamObject& AddBeam(ModelDocument& doc, int number, int node1, int node2) {
  TBeamObject& beam = AppendObject<TBeamObject>(doc);
  beam.Number = static_cast<std::uint16_t>(number);
  beam.Node1 = static_cast<std::uint16_t>(node1);
  beam.Node2 = static_cast<std::uint16_t>(node2);
  return beam;
}

std::vector<std::string> Inventory(const ModelDocument& doc) {
  static const char* names[] = {"", "node", "beam", "support", "load", "force", "moment"};
  std::vector<std::string> items;
  for (const auto& object : doc.GraphObjects) {
    items.push_back(std::string(names[static_cast<int>(KindOf(*object))]) + " " +
                    std::to_string(NumberOf(*object)));
  }
  return items;
}

TEST(Numbering, NextNumberIsOneAboveTheHighestOfItsKind) {
  ModelDocument doc;
  EXPECT_EQ(NextNumber(doc, ObjectKind::Node), 1);
  AddNode(doc, 1);
  AddNode(doc, 2);
  AddNode(doc, 5);
  AddBeam(doc, 1, 1, 2);
  EXPECT_EQ(NextNumber(doc, ObjectKind::Node), 6);
  EXPECT_EQ(NextNumber(doc, ObjectKind::Beam), 2);
  EXPECT_EQ(NextNumber(doc, ObjectKind::Support), 1);
}

TEST(Numbering, PastTheTopTheLowestFreeNumberIsUsed) {
  ModelDocument doc;
  AddNode(doc, 65535);
  AddNode(doc, 1);
  AddNode(doc, 2);
  EXPECT_EQ(NextNumber(doc, ObjectKind::Node), 3);
}

TEST(Lookup, FirstObjectOfTheKindWithTheNumber) {
  ModelDocument doc;
  AddNode(doc, 1, 0, 0);
  AddBeam(doc, 1, 1, 2);
  AddNode(doc, 1, 9, 9); // a damaged file may repeat a number: the first wins
  ASSERT_NE(FindNode(doc, 1), nullptr);
  EXPECT_EQ(FindNode(doc, 1)->X, 0);
  EXPECT_EQ(FindBeam(doc, 1)->Node2, 2);
  EXPECT_EQ(FindNode(doc, 2), nullptr);
  EXPECT_EQ(FindSupport(doc, 1), nullptr);
  EXPECT_EQ(FindLoad(doc, -1), nullptr);
}

TEST(Selection, SelectAllSetsEveryFlag) {
  ModelDocument doc;
  AddNode(doc, 1);
  AddBeam(doc, 1, 1, 2);
  AppendObject<TMomentObject>(doc);
  SelectAll(doc, true);
  for (const auto& object : doc.GraphObjects)
    EXPECT_TRUE(IsSelected(*object));
  SelectAll(doc, false);
  for (const auto& object : doc.GraphObjects)
    EXPECT_FALSE(IsSelected(*object));
}

TEST(CopyBeam, WithIdentityEverythingButTheSelection) {
  TBeamObject source;
  source.Number = 7;
  source.Node1 = 3;
  source.Node2 = 4;
  source.Locked1 = true;
  source.BeamGroup = "Roof";
  source.X2 = 5;
  source.MtrlName = "S355";
  source.Ek = 2.1e11;
  source.ShapeNo = 5;
  source.BeamColor = 0xFF;
  source.Selected = true;
  TBeamObject target;
  RecordingMessages messages;
  CopyBeam(&source, target, true, messages);
  EXPECT_EQ(target.Number, 7);
  EXPECT_EQ(target.Node1, 3);
  EXPECT_TRUE(target.Locked1);
  EXPECT_EQ(target.BeamGroup, "Roof");
  EXPECT_EQ(target.X2, 5);
  EXPECT_EQ(target.MtrlName, "S355");
  EXPECT_EQ(target.ShapeNo, 5);
  EXPECT_FALSE(target.Selected);
  EXPECT_TRUE(messages.Entries.empty());
}

TEST(CopyBeam, WithoutIdentityTheTargetKeepsItsPlaceAndGroup) {
  TBeamObject source;
  source.Number = 7;
  source.Node1 = 3;
  source.Locked2 = true;
  source.BeamGroup = "Roof";
  source.Y1 = 8;
  source.MtrlName = "GL30c";
  source.B = 0.09;
  source.TxtPos = 0.25;
  TBeamObject target;
  target.Number = 2;
  target.Node1 = 1;
  target.Node2 = 2;
  target.BeamGroup = "Wall";
  target.Y1 = 1;
  target.Selected = true;
  RecordingMessages messages;
  CopyBeam(&source, target, false, messages);
  EXPECT_EQ(target.Number, 2);
  EXPECT_EQ(target.Node1, 1);
  EXPECT_FALSE(target.Locked2);
  EXPECT_EQ(target.BeamGroup, "Wall");
  EXPECT_EQ(target.Y1, 1);
  EXPECT_EQ(target.MtrlName, "GL30c");
  EXPECT_EQ(target.B, 0.09);
  EXPECT_EQ(target.TxtPos, 0.25);
  EXPECT_TRUE(target.Selected);
}

TEST(CopyBeam, NoSourceSaysInvalidCopyAndChangesNothing) {
  TBeamObject target;
  target.MtrlName = "C24";
  RecordingMessages messages;
  CopyBeam(nullptr, target, true, messages);
  ASSERT_EQ(messages.Entries.size(), 1u);
  EXPECT_EQ(messages.Entries[0].Text, "invalid copy");
  EXPECT_EQ(target.MtrlName, "C24");
}

TEST(Delete, SelectedLoadsAndSupportsGoFirst) {
  ModelDocument doc;
  AddNode(doc, 1);
  AddNode(doc, 2, 4, 0);
  AddBeam(doc, 1, 1, 2);
  TSupportObject& support = AppendObject<TSupportObject>(doc);
  support.Number = 1;
  support.NodeNo = 1;
  support.Selected = true;
  TForceObject& force = AppendObject<TForceObject>(doc);
  force.Number = 1;
  force.NodeNo = 2;
  force.Selected = true;
  DeleteSelected(doc);
  EXPECT_EQ(Inventory(doc), (std::vector<std::string>{"node 1", "node 2", "beam 1"}));
}

TEST(Delete, NodesThatAnythingStillRefersToStay) {
  ModelDocument doc;
  AddNode(doc, 1);
  AddNode(doc, 2);
  AddNode(doc, 3);
  AddNode(doc, 4);
  AddNode(doc, 5);
  AddBeam(doc, 1, 1, 5);
  AppendObject<TMomentObject>(doc).NodeNo = 2;
  TLoadObject& load = AppendObject<TLoadObject>(doc);
  load.Node1 = 3;
  load.Node2 = 5;
  load.HostBeam = 1;
  TForceObject& force = AppendObject<TForceObject>(doc);
  force.NodeNo = 4;
  for (int n = 1; n <= 5; ++n)
    FindNode(doc, n)->Selected = true;
  DeleteSelected(doc);
  EXPECT_NE(FindNode(doc, 1), nullptr); // beam
  EXPECT_NE(FindNode(doc, 2), nullptr); // moment
  EXPECT_NE(FindNode(doc, 3), nullptr); // load
  EXPECT_NE(FindNode(doc, 4), nullptr); // force
  EXPECT_NE(FindNode(doc, 5), nullptr); // beam and load
}

TEST(Delete, LoadsGoWithTheirBeam) {
  ModelDocument doc;
  AddNode(doc, 1);
  AddNode(doc, 2, 4, 0);
  AddBeam(doc, 1, 1, 2).Selected = true;
  TLoadObject& load = AppendObject<TLoadObject>(doc);
  load.Number = 1;
  load.Node1 = 1;
  load.Node2 = 2;
  load.HostBeam = 1;
  DeleteSelected(doc);
  EXPECT_EQ(Inventory(doc), (std::vector<std::string>{"node 1", "node 2"}));
}

TEST(Document, NewDocumentResetsTheRecord) {
  ModelDocument doc;
  AddNode(doc, 1);
  doc.Segments.emplace_back();
  doc.FileName = "portal.qsd";
  doc.Modified = doc.ResultsValid = true;
  doc.Settings.OwnWeight = false;
  doc.Settings.FBDBeamNo = 3;
  doc.Settings.VariableStr = "N001.X";
  doc.DisplacementScale = 50;
  NewDocument(doc, {0.2, 0.15, 0.4});
  EXPECT_TRUE(doc.GraphObjects.empty());
  EXPECT_TRUE(doc.Segments.empty());
  EXPECT_EQ(doc.FileName, "Noname.qsd");
  EXPECT_EQ(doc.Settings.BeamHeight, 0.2);
  EXPECT_EQ(doc.Settings.TxtHeight, 0.15);
  EXPECT_EQ(doc.Settings.LoadHeight, 0.4);
  EXPECT_EQ(doc.DisplacementScale, 0);
  EXPECT_FALSE(doc.Modified || doc.ResultsValid);
  EXPECT_TRUE(doc.Settings.OwnWeight && doc.Settings.FailHazRed && doc.Settings.LocBuckRed);
  EXPECT_EQ(doc.Settings.FBDBeamNo, -1);
  EXPECT_EQ(doc.CreationVersion, "3.1.4");
  EXPECT_EQ(doc.CreatedDate.size(), 10u);
  EXPECT_FALSE(doc.CreatedByUser.empty());
  EXPECT_TRUE(doc.Settings.VariableStr.empty());
}

TEST(Document, ObjectsOfVisitsOneKindInListOrder) {
  ModelDocument doc;
  AddNode(doc, 3);
  AddBeam(doc, 1, 1, 2);
  AddNode(doc, 1);
  AddBeam(doc, 2, 1, 2);
  std::vector<int> nodes;
  for (const TNodeObject& node : ObjectsOf<TNodeObject>(doc))
    nodes.push_back(node.Number);
  EXPECT_EQ(nodes, (std::vector<int>{3, 1}));
  int supports = 0;
  for ([[maybe_unused]] const TSupportObject& s : ObjectsOf<TSupportObject>(doc))
    ++supports;
  EXPECT_EQ(supports, 0);
}

// A stale index (a dialog opened before a delete) or one of another kind finds
// nothing; the object found is the one in the list, so a write through it lands.
TEST(Document, ObjectAtFindsOnlyAnObjectOfTheKindInsideTheList) {
  ModelDocument doc;
  AddNode(doc, 7);
  AddBeam(doc, 4, 7, 7);
  const ModelDocument& read = doc;
  struct Case {
    int index;
    bool node, beam, any;
  };
  const Case cases[] = {{-1, false, false, false},
                        {0, true, false, true},
                        {1, false, true, true},
                        {2, false, false, false},
                        {1 << 30, false, false, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.index);
    EXPECT_EQ(ObjectAt<TNodeObject>(read, c.index) != nullptr, c.node);
    EXPECT_EQ(ObjectAt<TBeamObject>(read, c.index) != nullptr, c.beam);
    EXPECT_EQ(ObjectAt<GraphObject>(read, c.index) != nullptr, c.any);
    EXPECT_EQ(ObjectAt<TSupportObject>(read, c.index), nullptr);
  }
  ObjectAt<TBeamObject>(doc, 1)->Node2 = 9;
  EXPECT_EQ(FindBeam(doc, 4)->Node2, 9);
  EXPECT_EQ(ObjectAt<TNodeObject>(read, 0)->Number, 7);
  EXPECT_EQ(ObjectAt<TNodeObject>(ModelDocument{}, 0), nullptr);
}

} // namespace
} // namespace strandel
