// Runs of the complex method on the generated truss girder, driven step by step
// as the window's timer drives them: the start points, the endings, Stop, the
// abort on an interval without width, constraints at every trial point, and the
// same run twice.

#include <gtest/gtest.h>

#include <cmath>

#include "analysis/solver.h"
#include "common/files.h"
#include "common/number_text.h"
#include "model/document_file.h"
#include "optimizer/objective.h"
#include "optimizer/optimizer.h"
#include "optimizer_fixture.h"

namespace strandel {
namespace {

using testing::AllCoordinates;
using testing::RunToEnd;

// A truss girder with an optimizer opened on it, drawing from its own sequence
// started at seed 0 (a fresh program).
struct GirderRun {
  explicit GirderRun(const char* variableStr, ModelDocument model = testing::TrussGirder())
      : doc(std::move(model)) {
    doc.Settings.VariableStr = variableStr;
    optimizer.Open();
  }
  double NodeX(long number) const { return FindNode(doc, number)->X; }
  double NodeY(long number) const { return FindNode(doc, number)->Y; }
  const TVarItem& Variable(const char* name) const {
    return *FindVariable(optimizer.Variables(), name);
  }

  ModelDocument doc;
  UnitChoice units;
  testing::TestHost host;
  RandomSequence random;
  Optimizer optimizer{doc, units, host, random};
};

// Top nodes 4, 6, 8 free in height.
constexpr const char* kTopHeights = "0;0;;;;;;;;N004.Y;0;;N006.Y;0;;N008.Y;0;";

TEST(OptimizerRun, OpeningShowsTheObjectiveOfTheModel) {
  GirderRun r(kTopHeights);
  EXPECT_TRUE(r.doc.ResultsValid);
  EXPECT_EQ(r.optimizer.OriginalValue(), ObjectiveValue(r.doc, kObjectiveUtilisation));
  EXPECT_GT(r.optimizer.OriginalValue(), 0);
  EXPECT_EQ(r.optimizer.UnitLabel(), "[%]");
  EXPECT_EQ(r.optimizer.OptimizeLines().size(), 3u);
  EXPECT_TRUE(r.optimizer.StartEnabled());
  EXPECT_EQ(r.optimizer.Gauge(), 0);
  EXPECT_EQ(r.optimizer.CycleText(), "");
  EXPECT_EQ(r.optimizer.BestValueText(), "");
  EXPECT_EQ(r.host.Redraws, 1);

  GirderRun none("");
  EXPECT_FALSE(none.optimizer.StartEnabled());
  EXPECT_FALSE(none.optimizer.Start());
  EXPECT_TRUE(none.optimizer.SelectByDoubleClick("N006.Y"));
  EXPECT_TRUE(none.doc.Modified);
  EXPECT_TRUE(none.optimizer.StartEnabled());
}

TEST(OptimizerRun, ObjectiveIndexTwoIsTheUtilisationInPercent) {
  GirderRun r("2;0;;;;;;;;N006.Y;0;");
  EXPECT_EQ(r.optimizer.Choice().Objective, 2);
  EXPECT_EQ(r.optimizer.UnitLabel(), "[%]");
  EXPECT_EQ(r.optimizer.DisplayFactor(), 100);
  EXPECT_EQ(r.optimizer.OriginalValue(), ObjectiveValue(r.doc, kObjectiveUtilisation));
  r.optimizer.ChooseObjective(kObjectiveDisplacement);
  EXPECT_EQ(r.optimizer.UnitLabel(), "[mm]");
  EXPECT_EQ(r.optimizer.OriginalValue(), ObjectiveValue(r.doc, kObjectiveDisplacement));
  EXPECT_EQ(r.doc.Settings.VariableStr.substr(0, 4), "1;0;");
  EXPECT_TRUE(r.doc.Modified);
}

TEST(OptimizerRun, OneFreeVariableStartsFromThreePoints) {
  // f = 1: k = 3 points, the current height of node 6 and two random heights in
  // its interval. Three numbers are drawn; the first, for point 1, is unused.
  GirderRun r("0;0;;;;;;;;N006.Y;0;");
  std::vector<double> heights;
  r.host.OnRedraw = [&] { heights.push_back(r.NodeY(6)); };
  const double margin = 0.3 * 0.7071135624381276 * 1.0; // its shortest beam: the 1 m post
  ASSERT_TRUE(r.optimizer.Start());
  EXPECT_TRUE(r.optimizer.IterationStep()); // draws the points
  EXPECT_EQ(r.optimizer.Points(), 3);
  EXPECT_EQ(r.optimizer.State(), RunState::EvaluateStart);
  for (int i = 0; i < 3; ++i)
    EXPECT_TRUE(r.optimizer.IterationStep());
  EXPECT_EQ(r.optimizer.State(), RunState::Iterate);
  ASSERT_EQ(heights.size(), 3u);
  const double low = 1 - margin, width = 2 * margin;
  EXPECT_EQ(heights[0], 1);
  EXPECT_DOUBLE_EQ(heights[1], low + width * (134775814.0 / 4294967296.0));
  EXPECT_DOUBLE_EQ(heights[2], low + width * (3698175007.0 / 4294967296.0));
  EXPECT_EQ(r.random.Seed(), 3698175007u);

  EXPECT_TRUE(r.optimizer.IterationStep()); // the first iteration
  EXPECT_EQ(r.optimizer.CycleText(), "1,1");
  EXPECT_TRUE(r.optimizer.HasBestValue());
  EXPECT_EQ(r.optimizer.BestValueText(), FormatValue(r.optimizer.BestValue() * 100));
  EXPECT_GE(r.optimizer.Gauge(), 0);
  EXPECT_LE(r.optimizer.Gauge(), 100);
}

TEST(OptimizerRun, AnIntervalWithoutWidthAbortsAtTheFirstIteration) {
  GirderRun r("0;0;;;;;;;;N006.Y;0;;N020.X;0;");
  // Node 20 stands alone: no beam gives it room, so its interval has width 0.
  testing::TestHost host;
  ModelDocument& doc = r.doc;
  TNodeObject& lone = AppendObject<TNodeObject>(doc);
  lone.Number = 20;
  lone.X = 0;
  lone.Y = 3;
  Optimizer optimizer(doc, r.units, host, r.random);
  optimizer.Open();
  ASSERT_EQ(FreeCount(optimizer.Variables()), 2);
  const std::vector<double> before = AllCoordinates(doc);
  ASSERT_TRUE(optimizer.Start());
  for (int step = 0; step < 1 + 5; ++step) // draw, then the 5 start points
    ASSERT_TRUE(optimizer.IterationStep()) << step;
  EXPECT_EQ(optimizer.State(), RunState::Iterate);
  EXPECT_FALSE(optimizer.IterationStep()); // the first iteration cannot measure convergence
  EXPECT_TRUE(optimizer.Idle());
  EXPECT_EQ(optimizer.LastRunEnd(), RunEnd::Aborted);
  ASSERT_FALSE(host.Recorded.Entries.empty());
  EXPECT_EQ(host.Recorded.Entries.back().Text, "An error occured, optimization was aborted");
  EXPECT_FALSE(host.Recorded.Entries.back().Question);
  EXPECT_EQ(AllCoordinates(doc), before); // not half moved
  EXPECT_TRUE(doc.ResultsValid);
  for (const TVarItem& item : optimizer.Variables())
    EXPECT_EQ(item.CurValue, item.OrigValue) << item.Name;
  EXPECT_EQ(optimizer.Gauge(), 0);
  EXPECT_EQ(optimizer.CycleText(), "");
  EXPECT_TRUE(optimizer.StartEnabled()); // the dialog can go on
  EXPECT_FALSE(optimizer.IterationStep());
}

TEST(OptimizerRun, ComplexEndsByItselfAndStopHasNoEarlierEffect) {
  GirderRun plain(kTopHeights);
  ASSERT_TRUE(plain.optimizer.Start());
  const int steps = RunToEnd(plain.optimizer);
  EXPECT_EQ(plain.optimizer.LastRunEnd(), RunEnd::Rejected); // the recorder answers Cancel
  // k = 7: at most 4k + 100 iterations, after the draw and the 7 start points.
  EXPECT_LE(plain.optimizer.TotalIterations(), 4 * 7 + 100);
  EXPECT_EQ(steps, 1 + 7 + plain.optimizer.TotalIterations() + 1);
  EXPECT_EQ(plain.optimizer.Cycle(), 1);

  GirderRun stopped(kTopHeights);
  ASSERT_TRUE(stopped.optimizer.Start());
  for (int i = 0; i < 10; ++i)
    stopped.optimizer.IterationStep();
  stopped.optimizer.Stop();
  EXPECT_EQ(RunToEnd(stopped.optimizer) + 10, steps);
  EXPECT_EQ(stopped.optimizer.TotalIterations(), plain.optimizer.TotalIterations());
}

TEST(OptimizerRun, CyclicRunsGoOnUntilStopEndsACycle) {
  GirderRun r("0;1;;;;;;;;N004.Y;0;;N006.Y;0;;N008.Y;0;");
  ASSERT_TRUE(r.optimizer.Start());
  // Through the first cycle into the second.
  std::vector<double> bestAtCycleEnd;
  while (r.optimizer.Cycle() < 2) {
    ASSERT_TRUE(r.optimizer.IterationStep());
    if (r.optimizer.State() == RunState::StartCycle) {
      for (const char* name : {"N004.Y", "N006.Y", "N008.Y"})
        bestAtCycleEnd.push_back(r.Variable(name).CurValue);
    }
  }
  ASSERT_EQ(bestAtCycleEnd.size(), 3u);
  // The new cycle starts from the best point of the last: it is the first point
  // evaluated.
  std::vector<double> first;
  r.host.OnRedraw = [&] {
    if (first.empty()) first = {r.NodeY(4), r.NodeY(6), r.NodeY(8)};
  };
  ASSERT_TRUE(r.optimizer.IterationStep());
  EXPECT_EQ(first, bestAtCycleEnd);
  r.host.OnRedraw = nullptr;
  r.optimizer.Stop();
  RunToEnd(r.optimizer);
  EXPECT_EQ(r.optimizer.Cycle(), 2);
  EXPECT_EQ(r.optimizer.LastRunEnd(), RunEnd::Rejected);
}

TEST(OptimizerRun, AnsweringNoPutsEveryNodeBackExactly) {
  // Every top node free in both directions and the chord nodes along the chord:
  // nodes on beams and the beams' ends move with them, leaving rounding behind.
  GirderRun r("0;0;;;;;;;;N003.P;0;;N004.X;0;;N004.Y;0;;N005.P;0;;N006.X;0;;N006.Y;0;;N007.P;0;;"
              "N008.X;0;;N008.Y;0;");
  r.host.Recorded.Answers = {MessageAnswer::No};
  const std::vector<double> before = AllCoordinates(r.doc);
  const std::string variableStr = r.doc.Settings.VariableStr;
  ASSERT_TRUE(r.optimizer.Start());
  bool moved = false;
  r.host.OnRedraw = [&] { moved = moved || AllCoordinates(r.doc) != before; };
  RunToEnd(r.optimizer);
  EXPECT_TRUE(moved);
  EXPECT_EQ(r.optimizer.LastRunEnd(), RunEnd::Rejected);
  ASSERT_FALSE(r.host.Recorded.Entries.empty());
  EXPECT_TRUE(r.host.Recorded.Entries.back().Question);
  EXPECT_EQ(AllCoordinates(r.doc), before);
  for (const TVarItem& item : r.optimizer.Variables())
    EXPECT_EQ(item.CurValue, item.OrigValue) << item.Name;
  EXPECT_TRUE(r.doc.ResultsValid);
  EXPECT_FALSE(r.doc.Modified);
  EXPECT_EQ(r.doc.Settings.VariableStr, variableStr);
  EXPECT_EQ(r.optimizer.OriginalValue(), ObjectiveValue(r.doc, kObjectiveUtilisation));
}

TEST(OptimizerRun, EqualAndMirrorHoldAtEveryTrialPoint) {
  // The girder stays symmetric about x = 0: node 8 mirrors node 4 in x and
  // follows it in height, node 7 mirrors node 3 along the chord.
  GirderRun r("0;0;;;;;;;;N003.P;0;;N004.X;0;;N004.Y;0;;N006.Y;0;;N007.P;2;N003.P;N008.X;2;N004.X;"
              "N008.Y;1;N004.Y");
  r.host.Recorded.Answers = {MessageAnswer::Yes};
  int checked = 0;
  r.host.OnRedraw = [&] {
    ++checked;
    EXPECT_EQ(r.NodeX(8), -r.NodeX(4));
    EXPECT_EQ(r.NodeY(8), r.NodeY(4));
    EXPECT_EQ(FindNode(r.doc, 7)->PositionOnBeam, 1 - FindNode(r.doc, 3)->PositionOnBeam);
  };
  ASSERT_TRUE(r.optimizer.Start());
  RunToEnd(r.optimizer);
  EXPECT_EQ(r.optimizer.LastRunEnd(), RunEnd::Accepted);
  EXPECT_GT(checked, 20);
  EXPECT_NE(r.NodeY(4), 1); // it did move
}

TEST(OptimizerRun, TheDialogIsHeldWhileARunIsUnderWay) {
  GirderRun r(kTopHeights);
  ASSERT_TRUE(r.optimizer.Start());
  r.optimizer.IterationStep();
  EXPECT_FALSE(r.optimizer.StartEnabled());
  EXPECT_FALSE(r.optimizer.Start());
  EXPECT_FALSE(r.optimizer.Close());
  r.optimizer.ChooseObjective(kObjectiveDisplacement);
  r.optimizer.ChooseAlgorithm(1);
  EXPECT_EQ(r.optimizer.Choice(), (OptimizerChoice{0, 0}));
  EXPECT_FALSE(r.optimizer.Drop(VariableListId::Variables, VariableListId::Optimize, "N001.X"));
  EXPECT_FALSE(r.optimizer.SelectByDoubleClick("N001.X"));
  RunToEnd(r.optimizer);
  EXPECT_TRUE(r.optimizer.Drop(VariableListId::Variables, VariableListId::Optimize, "N001.X"));
  EXPECT_TRUE(r.optimizer.Close());
  EXPECT_EQ(r.doc.Settings.VariableStr, "0;0;;;;;;;;N001.X;0;;N004.Y;0;;N006.Y;0;;N008.Y;0;");
  EXPECT_TRUE(r.optimizer.Variables().empty());
}

TEST(OptimizerRun, AnOptimizerGoneDuringARunLeavesTheModelAsItWas) {
  ModelDocument doc = testing::TrussGirder();
  doc.Settings.VariableStr = kTopHeights;
  const std::vector<double> before = AllCoordinates(doc);
  {
    UnitChoice units;
    testing::TestHost host;
    RandomSequence random;
    Optimizer optimizer(doc, units, host, random);
    optimizer.Open();
    ASSERT_TRUE(optimizer.Start());
    for (int i = 0; i < 20; ++i)
      optimizer.IterationStep();
    ASSERT_NE(AllCoordinates(doc), before);
  }
  EXPECT_EQ(AllCoordinates(doc), before);
  EXPECT_FALSE(doc.ResultsValid); // the results were those of a trial point

  // Opening it again during a run gives the run up the same way.
  UnitChoice units;
  testing::TestHost host;
  RandomSequence random;
  Optimizer optimizer(doc, units, host, random);
  optimizer.Open();
  ASSERT_TRUE(optimizer.Start());
  for (int i = 0; i < 20; ++i)
    optimizer.IterationStep();
  optimizer.Open();
  EXPECT_TRUE(optimizer.Idle());
  EXPECT_EQ(AllCoordinates(doc), before);
  EXPECT_EQ(optimizer.OriginalValue(), ObjectiveValue(doc, kObjectiveUtilisation));
}

TEST(OptimizerRun, EveryStandardStructureRunsAndComesBackOnNo) {
  const FolderTree tree =
      ListFolderTree(std::string(STRANDEL_SOURCE_DIR) + "/data/Structures/", "*.qsd", true);
  int structures = 0;
  for (const FolderTree& kind : tree.Folders) {
    for (const FolderEntry& file : kind.Files) {
      SCOPED_TRACE(file.Path);
      ++structures;
      ModelDocument doc;
      ASSERT_TRUE(LoadDocument(file.Path, doc).ok);
      const std::vector<double> before = AllCoordinates(doc);
      UnitChoice units;
      testing::TestHost host;
      host.Recorded.Answers = {MessageAnswer::No};
      RandomSequence random;
      Optimizer optimizer(doc, units, host, random);
      optimizer.Open();
      for (TVarItem& item : optimizer.Variables())
        item.InOptimize = true;
      ASSERT_EQ(RunProblem(optimizer.Variables()), "");
      optimizer.SetLimits({30, false});
      ASSERT_TRUE(optimizer.Start());
      RunToEnd(optimizer);
      EXPECT_EQ(optimizer.LastRunEnd(), RunEnd::Rejected);
      EXPECT_LE(optimizer.BestValue(), optimizer.OriginalValue());
      EXPECT_EQ(AllCoordinates(doc), before);
      EXPECT_TRUE(doc.ResultsValid);
    }
  }
  EXPECT_GE(structures, 11);
}

TEST(RunProblem, WhatARunCouldNotGetPast) {
  const struct {
    const char* VariableStr;
    const char* Problem;
  } cases[] = {
      {kTopHeights, ""},
      {"0;0;;;;;;;;N004.Y;0;;N008.Y;2;N004.Y", ""},
      {"0;0;;;;;;;;N004.Y;0;;N008.Y;2;N006.Y",
       "N008.Y follows N006.Y, which is not among the variables to optimize"},
      {"0;0;;;;;;;;N004.Y;0;;N020.Y;0;", "N020.Y has an interval of width 0 (a node with no "
                                         "beam has no room to move), so the search cannot "
                                         "measure its convergence"},
  };
  for (const auto& c : cases) {
    ModelDocument doc = testing::TrussGirder();
    TNodeObject& lone = AppendObject<TNodeObject>(doc);
    lone.Number = 20;
    VariableList list;
    BuildVariables(list, doc, UnitChoice{});
    ReadVariableStr(c.VariableStr, list);
    EXPECT_EQ(RunProblem(list), c.Problem) << c.VariableStr;
  }
}

TEST(OptimizerRun, VariablesTheDocumentCannotKeepAreReported) {
  // 150 nodes in a row, every coordinate selected: more than a document value holds.
  ModelDocument doc;
  for (int i = 1; i <= 150; ++i) {
    TNodeObject& node = AppendObject<TNodeObject>(doc);
    node.Number = static_cast<std::uint16_t>(i);
    node.X = i;
  }
  UnitChoice units;
  testing::TestHost host;
  RandomSequence random;
  Optimizer optimizer(doc, units, host, random);
  optimizer.Open();
  for (TVarItem& item : optimizer.Variables())
    item.InOptimize = true;
  EXPECT_TRUE(optimizer.Close());
  ASSERT_EQ(host.Recorded.Entries.size(), 1u);
  EXPECT_NE(host.Recorded.Entries[0].Text.find("variables to optimize are not stored"),
            std::string::npos);
  EXPECT_LE(doc.Settings.VariableStr.size(), 1023u);
}

} // namespace
} // namespace strandel
