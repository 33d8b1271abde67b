// The objectives against statics worked out by hand, and their display.

#include "optimizer/objective.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "analysis/solver.h"
#include "support/frame_models.h"

namespace strandel {
namespace {

TEST(ObjectiveValue, OverTheCombinationsOfADocumentWithLoadCases) {
  // A bar pulled by P in case 1 and by 2 P in case 2: the ultimate combinations
  // pull it by 1.35 P and P + 1.5 x 2 P = 4 P, the serviceability ones by P and
  // P + 0.5 x 2 P = 2 P. The design takes the worst ultimate one, the
  // displacement the worst serviceability one, whatever result is shown.
  const double P = 20000, L = 3;
  const testing::Section s;
  ModelDocument doc = testing::EmptyModel();
  testing::AddNode(doc, 1, 0, 0);
  testing::AddNode(doc, 2, L, 0);
  testing::AddBeam(doc, 1, 1, 2, false, false, s);
  testing::AddSupport(doc, 1, 1);
  testing::AddSupport(doc, 2, 2, /*rolled=*/true, /*direction=*/1);
  testing::AddForce(doc, 1, 2, P, 0).Case = 1;
  testing::AddForce(doc, 2, 2, 2 * P, 0).Case = 2;
  doc.Settings.LoadCases = {MakeLoadCase(1, "G", ActionCategory::Permanent),
                            MakeLoadCase(2, "Q", ActionCategory::Imposed)};
  doc.Settings.LoadCases.front().SelfWeight = true; // the switch keeps it off
  doc.Settings.Combinations = {
      testing::Combination(1, CombinationKind::Ultimate, {{1, 1.35}}),
      testing::Combination(2, CombinationKind::Ultimate, {{1, 1.0}, {2, 1.5}}),
      testing::Combination(3, CombinationKind::Characteristic, {{1, 1.0}}),
      testing::Combination(4, CombinationKind::Frequent, {{1, 1.0}, {2, 0.5}})};
  doc.Settings.ResultSet = "case 1";
  const ObjectiveAnalysis utilisation = AnalyseObjective(doc, kObjectiveUtilisation);
  ASSERT_TRUE(utilisation.Outcome.Ok());
  ASSERT_EQ(doc.Segments.size(), 1u);
  EXPECT_NEAR(utilisation.Value, 4 * P / doc.Segments[0].Rtd, 1e-12);
  // The model shows the chosen case meanwhile.
  EXPECT_NEAR(-doc.Segments[0].ForceL[0], P, 1e-6);
  const double stretch = 2 * P * L / (s.E * s.Area());
  EXPECT_NEAR(AnalyseObjective(doc, kObjectiveDisplacement).Value, stretch, 1e-9 * stretch);
}

TEST(ObjectiveValue, NoSegmentsScoreZeroButAFailedTrialIsNotSolved) {
  ModelDocument doc = testing::EmptyModel();
  EXPECT_EQ(ObjectiveValue(doc, kObjectiveUtilisation), 0);
  EXPECT_EQ(ObjectiveValue(doc, kObjectiveDisplacement), 0);
  // A beam without supports: the analysis fails and leaves no segments, which
  // would read as 0, the best value there is. The trial is not solved instead,
  // and scores above any value a solved frame can have.
  testing::AddNode(doc, 1, 0, 0);
  testing::AddNode(doc, 2, 3, 0);
  testing::AddBeam(doc, 1, 1, 2);
  testing::AddForce(doc, 1, 2, 1000, 0);
  const AnalysisOutcome outcome = AnalyseModel(doc);
  ASSERT_FALSE(outcome.Ok());
  for (int objective : {kObjectiveUtilisation, kObjectiveDisplacement}) {
    const TrialScore score = TrialObjective(doc, outcome, objective);
    EXPECT_FALSE(score.Solved) << objective;
    EXPECT_EQ(score.Value, std::numeric_limits<double>::infinity()) << objective;
  }
}

TEST(ObjectiveDisplay, PercentOrTheDisplacementUnit) {
  UnitChoice units; // displacements in mm
  EXPECT_EQ(ObjectiveDisplayFactor(units, kObjectiveUtilisation), 100);
  EXPECT_EQ(ObjectiveUnitName(units, kObjectiveUtilisation), "[%]");
  EXPECT_EQ(ObjectiveUnitName(units, 2), "[%]");
  EXPECT_EQ(ObjectiveDisplayFactor(units, kObjectiveDisplacement), 1000);
  EXPECT_EQ(ObjectiveUnitName(units, kObjectiveDisplacement), "[mm]");
  EXPECT_EQ(ObjectiveText(units, kObjectiveUtilisation, 0.6123), "61.2");
  EXPECT_EQ(ObjectiveText(units, kObjectiveDisplacement, 0.0031), "3.1");
}

} // namespace
} // namespace strandel
