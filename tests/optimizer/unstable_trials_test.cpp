// Trial points whose frame cannot be analysed: they never count as results, a
// run that meets them still ends on a frame that stands, and a run that meets
// nothing else puts the model back.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "analysis/solver.h"
#include "analysis/unstable_frames.h"
#include "optimizer/objective.h"
#include "optimizer/optimizer.h"
#include "optimizer/trial_point.h"
#include "optimizer_fixture.h"

namespace strandel {
namespace {

using testing::AllCoordinates;
using testing::RunToEnd;

// Two bars hinged at both ends from pins at (0, 0) and (4, 0) to node 3 at
// (2, 0.6), which carries H = 10 kN along the line of the pins and V = 10 N
// down. With y the height of node 3 and L = sqrt(4 + y^2), the bar to the right
// carries a compression of L (H/4 + V/(2y)), least where y^3 = 8 V/H: at y = 0.2 m.
// Flat (y = 0) the bars are in line and nothing resists V.
ModelDocument ShallowTruss() {
  ModelDocument doc = testing::EmptyModel();
  testing::AddNode(doc, 1, 0, 0);
  testing::AddNode(doc, 2, 4, 0);
  testing::AddNode(doc, 3, 2, 0.6);
  testing::AddBeam(doc, 1, 1, 3, false, false);
  testing::AddBeam(doc, 2, 3, 2, false, false);
  testing::AddSupport(doc, 1, 1);
  testing::AddSupport(doc, 2, 2);
  testing::AddForce(doc, 1, 3, 10000, 0);
  testing::AddForce(doc, 2, 3, 10, -kPi / 2);
  doc.Settings.VariableStr = "0;0;;;;;;;;N003.Y;0;";
  return doc;
}

struct OpenedOptimizer {
  explicit OpenedOptimizer(ModelDocument model) : doc(std::move(model)) {
    host.Recorded.DefaultAnswer = MessageAnswer::Yes;
    optimizer.Open();
  }
  ModelDocument doc;
  UnitChoice units;
  testing::TestHost host;
  RandomSequence random;
  Optimizer optimizer{doc, units, host, random};
};

TEST(UnstableTrials, ARunThatMeetsTheFlatTrussEndsOnOneThatStands) {
  // The height may go from 1.2 m down to the line of the pins: reflections that
  // overshoot the low bound are held on it, where the truss is flat. Scored 0,
  // that point would be the best the run ever saw and the run would end on it.
  OpenedOptimizer r(ShallowTruss());
  TVarItem& height = *FindVariable(r.optimizer.Variables(), "N003.Y");
  height.LowBound = 0;
  height.HighBound = 1.2;
  const double original = r.optimizer.OriginalValue();
  ASSERT_TRUE(r.optimizer.OriginalSolved());
  ASSERT_GT(original, 0);

  int flatTrials = 0;
  r.host.OnRedraw = [&] {
    if (!r.doc.ResultsValid) {
      ++flatTrials;
      EXPECT_EQ(FindNode(r.doc, 3)->Y, 0);
    }
    if (r.optimizer.HasBestValue()) {
      EXPECT_TRUE(r.optimizer.BestSolved());
      EXPECT_GT(r.optimizer.BestValue(), 0);
      EXPECT_NE(r.optimizer.BestValueText(), " 0");
    }
  };
  ASSERT_TRUE(r.optimizer.Start());
  RunToEnd(r.optimizer);
  EXPECT_GT(flatTrials, 0);
  EXPECT_EQ(r.optimizer.LastRunEnd(), RunEnd::Accepted);
  EXPECT_TRUE(r.doc.ResultsValid);
  const double y = FindNode(r.doc, 3)->Y;
  EXPECT_NEAR(y, 0.2, 0.05); // the buckling of the longer bar pulls it a little lower
  EXPECT_LT(r.optimizer.OriginalValue(), original);
  EXPECT_GT(r.optimizer.OriginalValue(), 0);
  EXPECT_EQ(r.optimizer.OriginalValue(), ObjectiveValue(r.doc, kObjectiveUtilisation));
}

TEST(UnstableTrials, ReachingAFrameThatStandsIsAGainForTheNextCycle) {
  // The run starts from the flat truss, which cannot be analysed. A cycle that
  // finds a height at which it stands has gained, however its value compares
  // with the nothing it started from, and the cyclic run goes on to refine it.
  ModelDocument flat = ShallowTruss();
  FindNode(flat, 3)->Y = 0;
  for (TBeamObject& beam : ObjectsOf<TBeamObject>(flat))
    (beam.Node1 == 3 ? beam.Y1 : beam.Y2) = 0;
  flat.Settings.VariableStr = "0;1;;;;;;;;N003.Y;0;";
  OpenedOptimizer r(std::move(flat));
  ASSERT_FALSE(r.optimizer.OriginalSolved());
  TVarItem& height = *FindVariable(r.optimizer.Variables(), "N003.Y");
  height.LowBound = 0;
  height.HighBound = 1.2;
  r.optimizer.SetLimits({0, true});
  ASSERT_TRUE(r.optimizer.Start());
  RunToEnd(r.optimizer);
  EXPECT_EQ(r.optimizer.LastRunEnd(), RunEnd::Accepted);
  EXPECT_GE(r.optimizer.Cycle(), 2);
  EXPECT_TRUE(r.doc.ResultsValid);
  EXPECT_NEAR(FindNode(r.doc, 3)->Y, 0.2, 0.05);
  EXPECT_TRUE(r.optimizer.OriginalSolved());
}

TEST(UnstableTrials, ARunThatSolvesNothingPutsTheModelBack) {
  // A portal hinged at every end sways at any height of its corner: not one trial
  // point stands, and the model has no value to begin with.
  ModelDocument portal = testing::SwayPortal(true);
  portal.Settings.VariableStr = "0;0;;;;;;;;N002.Y;0;";
  OpenedOptimizer r(std::move(portal));
  EXPECT_FALSE(r.optimizer.OriginalSolved());
  EXPECT_EQ(r.optimizer.OriginalValueText(), "");
  const std::vector<double> before = AllCoordinates(r.doc);
  r.host.OnRedraw = [&] {
    EXPECT_FALSE(r.doc.ResultsValid);
    EXPECT_EQ(r.optimizer.BestValueText(), "");
  };
  ASSERT_TRUE(r.optimizer.Start());
  RunToEnd(r.optimizer);
  EXPECT_EQ(r.optimizer.LastRunEnd(), RunEnd::NothingSolved);
  EXPECT_EQ(AllCoordinates(r.doc), before);
  for (const TVarItem& item : r.optimizer.Variables())
    EXPECT_EQ(item.CurValue, item.OrigValue) << item.Name;
  ASSERT_FALSE(r.host.Recorded.Entries.empty());
  EXPECT_EQ(r.host.Recorded.Entries.back().Text,
            "The optimization found no node positions at which the structure can be solved. "
            "Every node is back where it was before the run.");
  // Nothing was asked: there was no point to keep.
  for (const auto& entry : r.host.Recorded.Entries)
    EXPECT_FALSE(entry.Question);
  EXPECT_TRUE(r.optimizer.Idle());
  EXPECT_FALSE(r.doc.Modified);
}

TEST(UnstableTrials, TheRoofGirderWithoutItsSupportsIsNeverSolved) {
  // Without supports the girder floats: the solve once reported it as solved,
  // with displacements of some 1e14 mm. Now it fails, and so does its trial.
  // Free as a whole, it can turn about its last node, the joint 9; the verdict
  // names the top chord, a rigid body named by its first node 4, turning.
  ModelDocument doc = testing::RoofGirder();
  std::erase_if(doc.GraphObjects, [](const std::unique_ptr<GraphObject>& object) {
    return std::holds_alternative<TSupportObject>(*object);
  });
  const AnalysisOutcome outcome = AnalyseModel(doc);
  EXPECT_EQ(outcome.Failure, AnalysisFailure::Unstable);
  EXPECT_EQ(outcome.Node, 4);
  EXPECT_EQ(outcome.NodeFreedom, Freedom::Rotation);
  EXPECT_TRUE(doc.Segments.empty());

  VariableList variables;
  UnitChoice units;
  BuildVariables(variables, doc, units);
  TVarItem* height = FindVariable(variables, "N006.Y");
  ASSERT_NE(height, nullptr);
  height->InOptimize = true;
  const Selection selection = SelectedVariables(variables);
  TVector point;
  AllocVector(point, 0);
  point[0] = height->OrigValue + 0.1;
  RecordingMessages messages;
  const TrialValue trial =
      EvaluateTrialPoint(doc, selection, point, kObjectiveUtilisation, messages);
  EXPECT_TRUE(trial.Ok);
  EXPECT_FALSE(trial.Solved);
  EXPECT_EQ(trial.Value, std::numeric_limits<double>::infinity());
  FreeVector(point, 0);
}

} // namespace
} // namespace strandel
