#include "model/node_move.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "common/user_message.h"
#include "model/position_on_beam.h"
#include "support/frame_models.h"
#include "support/random_frames.h"

namespace strandel {
namespace {

using testing::AddBeam;
using testing::AddNode;
using testing::AddNodeOnBeam;

TEST(PositionOnBeam, ParameterAndPointAlongABeam) {
  // A beam from (1, 1) to (5, 4): 5 long, direction (0.8, 0.6).
  TBeamObject beam{};
  beam.X1 = 1;
  beam.Y1 = 1;
  beam.X2 = 5;
  beam.Y2 = 4;
  struct Case {
    Point2 P;
    double Parameter; // clamped to the beam
    Point2 Foot;      // on the line, not clamped
  };
  for (const Case& c : {
           Case{{1, 1}, 0, {1, 1}},
           {{5, 4}, 1, {5, 4}},
           {{3, 2.5}, 0.5, {3, 2.5}},
           {{3 - 0.6, 2.5 + 0.8}, 0.5, {3, 2.5}}, // one unit off the middle, square to it
           {{-3, -2}, 0, {-3, -2}},               // on the line before the start
           {{9, 7}, 1, {9, 7}},                   // and after the end
       }) {
    EXPECT_NEAR(ParameterOnBeam(beam, c.P), c.Parameter, 1e-12) << c.P.X << ", " << c.P.Y;
    const Point2 foot = ProjectOntoBeamLine(beam, c.P);
    EXPECT_NEAR(foot.X, c.Foot.X, 1e-12);
    EXPECT_NEAR(foot.Y, c.Foot.Y, 1e-12);
    const Point2 at = PointOnBeam(beam, c.Parameter);
    EXPECT_NEAR(at.X, 1 + 4 * c.Parameter, 1e-12);
    EXPECT_NEAR(at.Y, 1 + 3 * c.Parameter, 1e-12);
  }
  // A beam of no length has its start as the only point.
  TBeamObject point{};
  point.X1 = point.X2 = 2;
  point.Y1 = point.Y2 = 3;
  EXPECT_EQ(ParameterOnBeam(point, {7, 7}), 0);
  EXPECT_EQ(ProjectOntoBeamLine(point, {7, 7}), (Point2{2, 3}));
}

// Node 2 at the end of beam 1 carries node 3 at its middle, which starts
// beam 2, which carries node 5 at its middle. A load, a moment, a force and a
// support sit on the way.
ModelDocument CarriedFrame() {
  ModelDocument doc;
  AddNode(doc, 1, 0, 0);
  AddNode(doc, 2, 4, 0);
  AddBeam(doc, 1, 1, 2);
  AddNodeOnBeam(doc, 3, 1, 0.5); // (2, 0)
  AddNode(doc, 4, 2, 3);
  AddBeam(doc, 2, 3, 4);
  AddNodeOnBeam(doc, 5, 2, 0.5); // (2, 1.5)
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
  AddNode(doc, 1, 0, 0);
  AddNode(doc, 2, 2, 0);
  AddBeam(doc, 1, 1, 2);
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

// Whether the document's repeated positions agree with its nodes: beam ends,
// nodes on beams, supports, forces, moments and load ends. Empty when they do.
std::string Disagreement(const ModelDocument& doc) {
  const auto near = [](Point2 a, double x, double y) {
    return std::abs(a.X - x) <= 1e-9 * (1 + std::abs(x)) &&
           std::abs(a.Y - y) <= 1e-9 * (1 + std::abs(y));
  };
  const auto at = [&](long number) -> const TNodeObject* { return FindNode(doc, number); };
  for (const TBeamObject& beam : ObjectsOf<TBeamObject>(doc)) {
    const TNodeObject* a = at(beam.Node1);
    const TNodeObject* b = at(beam.Node2);
    if ((a && !near({a->X, a->Y}, beam.X1, beam.Y1)) ||
        (b && !near({b->X, b->Y}, beam.X2, beam.Y2)))
      return "beam " + std::to_string(beam.Number);
  }
  for (const TNodeObject& node : ObjectsOf<TNodeObject>(doc)) {
    const TBeamObject* host = FindBeam(doc, node.HostBeam);
    if (host && !near(PointOnBeam(*host, node.PositionOnBeam), node.X, node.Y))
      return "node " + std::to_string(node.Number) + " on its beam";
  }
  for (const TSupportObject& support : ObjectsOf<TSupportObject>(doc)) {
    if (const TNodeObject* n = at(support.NodeNo); n && !near({n->X, n->Y}, support.X, support.Y))
      return "support " + std::to_string(support.Number);
  }
  for (const TForceObject& force : ObjectsOf<TForceObject>(doc)) {
    if (const TNodeObject* n = at(force.NodeNo); n && !near({n->X, n->Y}, force.X, force.Y))
      return "force " + std::to_string(force.Number);
  }
  for (const TMomentObject& moment : ObjectsOf<TMomentObject>(doc)) {
    if (const TNodeObject* n = at(moment.NodeNo); n && !near({n->X, n->Y}, moment.X, moment.Y))
      return "moment " + std::to_string(moment.Number);
  }
  for (const TLoadObject& load : ObjectsOf<TLoadObject>(doc)) {
    const TNodeObject* a = at(load.Node1);
    const TNodeObject* b = at(load.Node2);
    if ((a && !near({a->X, a->Y}, load.X1, load.Y1)) ||
        (b && !near({b->X, b->Y}, load.X2, load.Y2)))
      return "load " + std::to_string(load.Number);
  }
  return {};
}

TEST(MoveNode, KeepsEveryRepeatedPositionOfGeneratedFramesTrue) {
  // Any node not lying on a beam, moved anywhere: afterwards the document
  // still says one thing about where each node is.
  std::mt19937_64 random(26);
  int moved = 0;
  for (int i = 0; i < 200; ++i) {
    testing::RandomFrame frame = testing::MakeRandomFrame(random);
    ModelDocument& doc = frame.Doc;
    ASSERT_EQ(Disagreement(doc), "") << frame.Description();
    std::vector<long> free;
    for (const TNodeObject& node : ObjectsOf<TNodeObject>(doc))
      if (node.HostBeam == -1) free.push_back(node.Number);
    if (free.empty()) continue;
    const long number = free[random() % free.size()];
    std::uniform_real_distribution<double> offset(-3, 3);
    RecordingMessages messages;
    if (!MoveNode(doc, number, {offset(random), offset(random)}, messages)) continue;
    ++moved;
    EXPECT_EQ(Disagreement(doc), "") << frame.Description() << ", node " << number;
    EXPECT_TRUE(messages.Entries.empty());
  }
  EXPECT_GT(moved, 150);
}

} // namespace
} // namespace strandel
