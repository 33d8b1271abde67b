// Copying part of a model: what a selection takes along, and copies placed
// moved, mirrored and side by side, joining the model where they meet it.

#include "editor/model_part.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "common/text_entries.h"
#include "editor_fixture.h"

namespace strandel {
namespace {

using testing::CountOf;
using testing::EditorTest;
using testing::ExpectPoint;
using testing::PutBeam;
using testing::PutNode;
using testing::PutNodeOnBeam;

// The n-th object of a kind, in model order.
template <class T> T& Nth(ModelDocument& doc, int n) {
  for (T& object : ObjectsOf<T>(doc))
    if (n-- == 0) return object;
  throw std::out_of_range("no such object");
}

// The left half of a portal: a column 1-2 from (0,0) to (0,4), a girder 2-3 to
// the ridge line at (6,4), a pinned support under node 1 standing on its left
// side (code 4), a load down the girder, a force and a moment at node 2.
class HalfPortal : public EditorTest {
protected:
  HalfPortal() {
    PutNode(doc, 1, 0, 0);
    PutNode(doc, 2, 0, 4);
    PutNode(doc, 3, 6, 4);
    PutBeam(doc, 1, 1, 2);
    PutBeam(doc, 2, 2, 3);
    PutNodeOnBeam(doc, 4, 2, 0.5); // (3, 4)
    TSupportObject& support = AppendObject<TSupportObject>(doc);
    support.Number = 1;
    support.NodeNo = 1;
    support.Direction = 4;
    support.DX = 0.01;
    TLoadObject& load = AppendObject<TLoadObject>(doc);
    load.Number = 1;
    load.HostBeam = 2;
    load.Node1 = 2;
    load.Node2 = 4;
    load.X1 = 0, load.Y1 = 4, load.X2 = 3, load.Y2 = 4;
    load.Angle = -kPi / 2;
    load.Value = 5000;
    TForceObject& force = AppendObject<TForceObject>(doc);
    force.Number = 1;
    force.NodeNo = 2;
    force.X = 0, force.Y = 4;
    force.Angle = 0; // to the right
    force.Value = 2000;
    TMomentObject& moment = AppendObject<TMomentObject>(doc);
    moment.Number = 1;
    moment.NodeNo = 2;
    moment.X = 0, moment.Y = 4;
    moment.Value = 300;
  }
  void SelectEverything() { SelectAll(doc, true); }
};

TEST_F(HalfPortal, ASelectionTakesItsNodesAndLoadsOnlyWithTheirBeams) {
  FindBeam(doc, 2)->Selected = true;
  Nth<TLoadObject>(doc, 0).Selected = true;
  ModelPart part = SelectedPart(doc);
  // The girder, its two end nodes, the node on it (the load's end) and the load.
  EXPECT_EQ(part.Objects.size(), 5u);
  ExpectPoint(part.Base, {0, 4});
  // Without its beam the load stays behind, and the node on the girder is free.
  SelectAll(doc, false);
  Nth<TLoadObject>(doc, 0).Selected = true;
  FindNode(doc, 4)->Selected = true;
  part = SelectedPart(doc);
  ASSERT_EQ(part.Objects.size(), 1u);
  EXPECT_EQ(std::get<TNodeObject>(part.Objects[0]).HostBeam, -1);
  SelectAll(doc, false);
  EXPECT_TRUE(SelectedPart(doc).Empty());
}

TEST_F(HalfPortal, AMirroredCopyCompletesTheFrameAndJoinsItOnTheLine) {
  SelectEverything();
  const ModelPart part = SelectedPart(doc);
  SelectAll(doc, false);
  const std::optional<int> added = PlacePart(doc, part, MirrorAbout({6, 0}, {6, 10}));
  ASSERT_TRUE(added);
  // Node 3 lies on the line and is shared; nodes 1, 2, 4 get images.
  EXPECT_EQ(CountOf(doc, ObjectKind::Node), 7);
  EXPECT_EQ(CountOf(doc, ObjectKind::Beam), 4);
  ExpectPoint(NodeAt(5), {12, 0});
  ExpectPoint(NodeAt(6), {12, 4});
  ExpectPoint(NodeAt(7), {9, 4});
  const TBeamObject* girder = FindBeam(doc, 4);
  ASSERT_NE(girder, nullptr);
  EXPECT_EQ(girder->Node1, 6);
  EXPECT_EQ(girder->Node2, 3); // the shared ridge node
  EXPECT_EQ(FindNode(doc, 7)->HostBeam, 4);
  EXPECT_EQ(FindNode(doc, 7)->PositionOnBeam, 0.5);
  // The support now stands on its right side; its prescribed shift turns too.
  const TSupportObject& image = Nth<TSupportObject>(doc, 1);
  EXPECT_EQ(image.NodeNo, 5);
  EXPECT_EQ(image.Direction, 2);
  EXPECT_NEAR(image.DX, -0.01, 1e-15);
  // The load still points down, the force to the left, the moment turns the other way.
  const TLoadObject& load = Nth<TLoadObject>(doc, 1);
  EXPECT_EQ(load.HostBeam, 4);
  EXPECT_EQ(load.Node1, 6);
  EXPECT_EQ(load.Node2, 7);
  EXPECT_NEAR(load.Angle, -kPi / 2, 1e-12);
  EXPECT_NEAR(std::cos(Nth<TForceObject>(doc, 1).Angle), -1, 1e-12);
  EXPECT_EQ(Nth<TMomentObject>(doc, 1).Value, -300);
  EXPECT_EQ(*added, 9); // 3 nodes, 2 beams, a support, a load, a force, a moment
}

TEST_F(HalfPortal, ArrayCopiesJoinEachOtherAndNeverDoubleABeamOrASupport) {
  // Column and girder of a bay, three times side by side 6 m apart: the
  // girder of one bay meets the column line of the next.
  FindBeam(doc, 1)->Selected = true;
  FindBeam(doc, 2)->Selected = true;
  const ModelPart part = SelectedPart(doc);
  for (double dx : {6.0, 12.0})
    ASSERT_TRUE(PlacePart(doc, part, Translation({dx, 0})));
  EXPECT_EQ(CountOf(doc, ObjectKind::Beam), 6);
  // Nodes (6,4) and (12,4) are shared by girders and columns: 4 + 2 x 3 = 10, less 2.
  EXPECT_EQ(CountOf(doc, ObjectKind::Node), 8);
  // Placing the same copy again adds neither beams nor nodes.
  ASSERT_TRUE(PlacePart(doc, part, Translation({6, 0})));
  EXPECT_EQ(CountOf(doc, ObjectKind::Beam), 6);
  EXPECT_EQ(CountOf(doc, ObjectKind::Node), 8);
  // A support copied onto a node that has one is not made twice.
  SelectAll(doc, false);
  Nth<TSupportObject>(doc, 0).Selected = true;
  const ModelPart support = SelectedPart(doc);
  ASSERT_TRUE(PlacePart(doc, support, Translation({0, 0})));
  EXPECT_EQ(CountOf(doc, ObjectKind::Support), 1);
}

TEST_F(HalfPortal, APartThatFindsNoFreeNumbersChangesNothing) {
  PutNode(doc, 65535, 50, 50);
  SelectEverything();
  const ModelPart part = SelectedPart(doc);
  const std::size_t before = doc.GraphObjects.size();
  EXPECT_FALSE(PlacePart(doc, part, Translation({20, 0})));
  EXPECT_EQ(doc.GraphObjects.size(), before);
}

TEST(PlaneMaps, MirrorsKeepLengthsAndTurnDirections) {
  const PlaneMap diagonal = MirrorAbout({1, 0}, {2, 1}); // y = x - 1
  EXPECT_TRUE(diagonal.Mirrors());
  ExpectPoint(diagonal.Apply({0, 0}), {1, -1});
  ExpectPoint(diagonal.Apply({3, 2}), {3, 2});              // on the line
  EXPECT_NEAR(diagonal.Direction(0), kPi / 2, 1e-12);       // +x turns to +y
  EXPECT_NEAR(diagonal.Direction(kPi / 4), kPi / 4, 1e-12); // along the line: kept
  EXPECT_FALSE(Translation({1, 2}).Mirrors());
  ExpectPoint(Translation({1, 2}).Apply({3, 4}), {4, 6});
  EXPECT_NEAR(Translation({1, 2}).Direction(1.25), 1.25, 1e-15);
}

TEST(Arrays, OffsetsOfARowAndOfAGridWithTheirBounds) {
  const std::vector<Point2> row = LinearArray(3, {6, 0.5});
  ASSERT_EQ(row.size(), 3u);
  ExpectPoint(row[2], {18, 1.5}, 0);
  const std::vector<Point2> grid = RectangularArray(2, 3, {6, 3.5});
  ASSERT_EQ(grid.size(), 5u); // the original holds the first place
  ExpectPoint(grid[0], {6, 0}, 0);
  ExpectPoint(grid[4], {12, 3.5}, 0);
  EXPECT_TRUE(LinearArray(0, {1, 0}).empty());
  EXPECT_EQ(LinearArray(kMostArrayCopies, {1, 0}).size(), std::size_t(kMostArrayCopies));
  EXPECT_TRUE(LinearArray(kMostArrayCopies + 1, {1, 0}).empty());
  EXPECT_TRUE(LinearArray(2, {NAN, 0}).empty());
  EXPECT_TRUE(RectangularArray(1, 1, {1, 1}).empty());
  EXPECT_TRUE(RectangularArray(0, 5, {1, 1}).empty());
  EXPECT_TRUE(RectangularArray(40000, 40000, {1, 1}).empty()); // no overflow either
}

using CopyCommands = HalfPortal;

TEST_F(CopyCommands, DuplicateMirrorPasteAndArraysAreOneStepEach) {
  changes.StartHistory();
  // Mirror: two clicks on the ridge line.
  SelectEverything();
  editor.Mirror();
  EXPECT_EQ(Mode(), mode::kMirrorFirst);
  Click(6, 0);
  ASSERT_TRUE(editor.GuideLine());
  Click(6, 4);
  EXPECT_EQ(Mode(), mode::kIdle);
  EXPECT_EQ(CountOf(doc, ObjectKind::Beam), 4);
  EXPECT_EQ(changes.History().UndoName(), tr::kStepMirror);
  ASSERT_EQ(changes.Undo(), HistoryMove::Done);
  EXPECT_EQ(CountOf(doc, ObjectKind::Beam), 2);

  // Duplicate: the base point, then where it goes; a typed target lands exactly.
  ParameterTable parameters;
  SelectAll(doc, false);
  FindBeam(doc, 1)->Selected = true;
  editor.Duplicate();
  Click(0, 0);
  EXPECT_EQ(editor.TypePoint("@2.35, 0", parameters), "");
  EXPECT_EQ(CountOf(doc, ObjectKind::Beam), 3);
  ExpectPoint(NodeAt(5), {2.35, 0}, 0);
  EXPECT_TRUE(FindBeam(doc, 3)->Selected); // the copy is the selection
  EXPECT_FALSE(FindBeam(doc, 1)->Selected);

  // Copy and paste at the pointer, base point (the lower left node) first.
  editor.Copy();
  EXPECT_TRUE(editor.CanPaste());
  MoveTo(8, 1);
  editor.Paste();
  ExpectPoint(NodeAt(7), {8, 1});
  ExpectPoint(NodeAt(8), {8, 5});
  EXPECT_EQ(changes.History().UndoName(), tr::kStepPaste);
  // Cut takes the selection away and keeps it for the next paste.
  editor.Cut();
  EXPECT_EQ(FindBeam(doc, 4), nullptr);
  MoveTo(10, 0);
  editor.Paste();
  ExpectPoint(NodeAt(7), {10, 0}); // the numbers the cut freed
  ExpectPoint(NodeAt(8), {10, 4});

  // An array: the girder four more times, 6 m apart, in one step.
  SelectAll(doc, false);
  FindBeam(doc, 2)->Selected = true;
  const std::size_t steps = changes.History().UndoCount();
  editor.PlaceCopies({{6, 0}, {12, 0}, {18, 0}, {24, 0}});
  EXPECT_EQ(changes.History().UndoCount(), steps + 1);
  EXPECT_EQ(changes.History().UndoName(), tr::kStepArray);
  int girders = 0;
  for (const TBeamObject& beam : ObjectsOf<TBeamObject>(doc))
    girders += beam.Y1 == 4 && beam.Y2 == 4;
  EXPECT_EQ(girders, 5);
  ExpectPoint(NodeAt(NextNumber(doc, ObjectKind::Node) - 1), {30, 4});

  // Nothing selected: nothing to copy, and the user is told.
  SelectAll(doc, false);
  host.Recorded.Entries.clear();
  editor.Duplicate();
  EXPECT_EQ(Mode(), mode::kIdle);
  EXPECT_EQ(host.Recorded.Entries.size(), 1u);
}

} // namespace
} // namespace strandel
