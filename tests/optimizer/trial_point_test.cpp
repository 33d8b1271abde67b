// Applying a trial point moves the nodes of the selected variables, and what
// hangs on them follows; evaluating it also solves the frame and scores it.

#include "optimizer/trial_point.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "common/user_message.h"
#include "optimizer/objective.h"
#include "optimizer_fixture.h"
#include "support/frame_models.h"

namespace strandel {
namespace {

// Beam 1 from node 1 (0, 0) to node 2 (4, 0), node 3 at its middle, beam 2 from
// node 3 up to node 4 (2, 3). A pin at node 1, a roller at node 2, a force at
// node 4, a load on beam 1 from node 1 to node 3. Selected: N002.Y, N003.P,
// N004.X, N004.Y.
struct Hanger {
  Hanger() : doc(testing::EmptyModel()) {
    testing::AddNode(doc, 1, 0, 0);
    testing::AddNode(doc, 2, 4, 0);
    testing::AddBeam(doc, 1, 1, 2);
    testing::AddNodeOnBeam(doc, 3, 1, 0.5);
    testing::AddNode(doc, 4, 2, 3);
    testing::AddBeam(doc, 2, 3, 4);
    testing::AddSupport(doc, 1, 1);
    testing::AddSupport(doc, 2, 2, true, 1);
    testing::AddForce(doc, 1, 4, 1000, 0);
    testing::AddLoad(doc, 1, 1, 1, 3, 500, -kPi / 2);
    BuildVariables(list, doc, UnitChoice{});
    for (const char* name : {"N002.Y", "N003.P", "N004.X", "N004.Y"})
      FindVariable(list, name)->InOptimize = true;
    selection = SelectedVariables(list);
    AllocVector(point, 3);
  }
  ModelDocument doc;
  VariableList list;
  Selection selection;
  TVector point;
  RecordingMessages messages;
};

TEST(ApplyPoint, MovesTheNodesAndWhatHangsOnThem) {
  Hanger h;
  h.point[0] = 1;    // node 2 up to (4, 1): beam 1 slopes, node 3 rides along
  h.point[1] = 0.25; // then node 3 to a quarter of beam 1: (1, 0.25)
  h.point[2] = 2.5;  // node 4 to (2.5, 3.5)
  h.point[3] = 3.5;
  ASSERT_TRUE(ApplyPoint(h.doc, h.selection, &h.point, h.messages));
  const TNodeObject& n3 = *FindNode(h.doc, 3);
  EXPECT_EQ(n3.PositionOnBeam, 0.25);
  EXPECT_DOUBLE_EQ(n3.X, 1);
  EXPECT_DOUBLE_EQ(n3.Y, 0.25);
  const TBeamObject& b1 = *FindBeam(h.doc, 1);
  EXPECT_EQ(b1.X2, 4);
  EXPECT_EQ(b1.Y2, 1);
  const TBeamObject& b2 = *FindBeam(h.doc, 2);
  EXPECT_DOUBLE_EQ(b2.X1, 1);
  EXPECT_DOUBLE_EQ(b2.Y1, 0.25);
  EXPECT_EQ(b2.X2, 2.5);
  EXPECT_EQ(b2.Y2, 3.5);
  EXPECT_EQ(FindSupport(h.doc, 2)->Y, 1);
  EXPECT_EQ(FindForce(h.doc, 1)->X, 2.5);
  EXPECT_EQ(FindForce(h.doc, 1)->Y, 3.5);
  EXPECT_DOUBLE_EQ(FindLoad(h.doc, 1)->X2, 1);
  EXPECT_DOUBLE_EQ(FindLoad(h.doc, 1)->Y2, 0.25);
  EXPECT_FALSE(h.doc.ResultsValid);
  EXPECT_TRUE(h.messages.Entries.empty());

  // Without a point every variable goes back to its original value.
  ASSERT_TRUE(ApplyPoint(h.doc, h.selection, nullptr, h.messages));
  EXPECT_EQ(FindNode(h.doc, 2)->Y, 0);
  EXPECT_EQ(FindNode(h.doc, 3)->X, 2);
  EXPECT_EQ(FindNode(h.doc, 3)->Y, 0);
  EXPECT_EQ(FindNode(h.doc, 4)->X, 2);
  EXPECT_EQ(FindNode(h.doc, 4)->Y, 3);
  EXPECT_EQ(FindBeam(h.doc, 2)->X1, 2);
}

TEST(ApplyPoint, AValueThatIsNotANumberMovesNothing) {
  for (double bad :
       {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
    Hanger h;
    const std::vector<double> before = testing::AllCoordinates(h.doc);
    h.point[0] = 1;
    h.point[1] = 0.3;
    h.point[2] = bad;
    h.point[3] = 3;
    EXPECT_FALSE(ApplyPoint(h.doc, h.selection, &h.point, h.messages));
    EXPECT_EQ(testing::AllCoordinates(h.doc), before);
  }
}

TEST(EvaluateTrialPoint, SolvesTheMovedFrameAndScoresIt) {
  Hanger h;
  h.point[0] = 0;
  h.point[1] = 0.5;
  h.point[2] = 2;
  h.point[3] = 2;
  const TrialValue trial =
      EvaluateTrialPoint(h.doc, h.selection, h.point, kObjectiveDisplacement, h.messages);
  ASSERT_TRUE(trial.Ok);
  EXPECT_TRUE(h.doc.ResultsValid);
  EXPECT_EQ(FindNode(h.doc, 4)->Y, 2);
  EXPECT_GT(trial.Value, 0);
  EXPECT_EQ(trial.Value, ObjectiveValue(h.doc, kObjectiveDisplacement));
}

} // namespace
} // namespace strandel
