// The objectives against statics worked out by hand, and their display.

#include "optimizer/objective.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "analysis/solver.h"
#include "support/frame_models.h"

namespace strandel {
namespace {

TEST(ObjectiveValue, LargestDisplacementOfACantilever) {
  // L = 2 m, P = 1 kN down at the free end, steel 0.1 x 0.2 m: the tip sinks by
  // P L^3 / (3 E I) and nothing moves along the beam.
  const double L = 2, P = 1000;
  const testing::Section s;
  ModelDocument doc = testing::EmptyModel();
  testing::AddNode(doc, 1, 0, 0);
  testing::AddNode(doc, 2, L, 0);
  testing::AddBeam(doc, 1, 1, 2, true, true, s);
  testing::AddSupport(doc, 1, 1, false, 3, /*locked=*/true);
  testing::AddForce(doc, 1, 2, P, -kPi / 2);
  ASSERT_TRUE(AnalyseModel(doc).Ok());
  const double tip = P * L * L * L / (3 * s.E * s.Inertia());
  EXPECT_NEAR(ObjectiveValue(doc, kObjectiveDisplacement), tip, 1e-9 * tip);
}

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

TEST(ObjectiveValue, HighestUtilisationOfABarInTension) {
  // A bar (hinged at both ends) pulled by P carries N = P, so its utilisation is
  // P / Rtd at every point; any index but 1 is the utilisation.
  const double P = 50000;
  ModelDocument doc = testing::EmptyModel();
  testing::AddNode(doc, 1, 0, 0);
  testing::AddNode(doc, 2, 3, 0);
  testing::AddBeam(doc, 1, 1, 2, false, false);
  testing::AddSupport(doc, 1, 1);
  testing::AddSupport(doc, 2, 2, /*rolled=*/true, /*direction=*/1);
  testing::AddForce(doc, 1, 2, P, 0);
  ASSERT_TRUE(AnalyseModel(doc).Ok());
  ASSERT_EQ(doc.Segments.size(), 1u);
  const double rtd = doc.Segments[0].Rtd;
  ASSERT_GT(rtd, 0);
  for (int objective : {kObjectiveUtilisation, 2, -1})
    EXPECT_NEAR(ObjectiveValue(doc, objective), P / rtd, 1e-12) << objective;
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
