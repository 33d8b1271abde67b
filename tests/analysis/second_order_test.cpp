// Second-order analysis and the elastic critical load factor against the
// closed forms of beam-columns and the Euler loads of columns.

#include "analysis/second_order.h"

#include <cmath>

#include <gtest/gtest.h>

#include "analysis/beam_curves.h"
#include "analysis/failure_message.h"
#include "analysis/load_case_analysis.h"
#include "analysis/solver.h"
#include "common/geometry.h"
#include "support/frame_models.h"

namespace strandel {
namespace {

using testing::AddBeam;
using testing::AddForce;
using testing::AddLoad;
using testing::AddNode;
using testing::AddNodeOnBeam;
using testing::AddSupport;
using testing::EmptyModel;
using testing::Section;

// The closed forms hold to this, with the pieces the analysis chooses itself.
constexpr double kClosedForm = 0.005;

const Section kColumn{0.1, 0.2};
const double kEI = kColumn.E * kColumn.Inertia();

double NodeValue(const ModelDocument& doc, const AnalysisOutcome& outcome, int node,
                 Freedom freedom) {
  return outcome.Displacements[3 * testing::NodeIndex(doc, node) + static_cast<int>(freedom)];
}

const TSupportObject& SupportAt(const ModelDocument& doc, int node) {
  for (const TSupportObject& support : ObjectsOf<TSupportObject>(doc))
    if (support.NodeNo == node) return support;
  ADD_FAILURE() << "no support at node " << node;
  return *ObjectsOf<TSupportObject>(doc).begin();
}

ModelDocument Cantilever(double L, double P, double H) {
  return testing::PressedColumn(L, P, H, kColumn);
}

TEST(SecondOrder, CantileverColumnUnderAxialAndSideLoad) {
  const double L = 4, H = 1000;
  const double eulerCantilever = testing::CantileverEulerLoad(L, kColumn);
  for (const double share : {0.1, 0.5, 0.8}) {
    const double P = share * eulerCantilever;
    ModelDocument doc = Cantilever(L, P, H);
    doc.Settings.SecondOrder = true;
    const AnalysisOutcome outcome = AnalyseModel(doc);
    ASSERT_TRUE(outcome.Ok()) << share;
    const double k = std::sqrt(P / kEI);
    const double baseMoment = H * std::tan(k * L) / k;
    const double drift = H * (std::tan(k * L) - k * L) / (P * k);
    EXPECT_NEAR(std::fabs(SupportAt(doc, 1).Reactions[2]), baseMoment, kClosedForm * baseMoment)
        << share;
    EXPECT_NEAR(NodeValue(doc, outcome, 2, Freedom::X), drift, kClosedForm * drift) << share;
    // The moment along the column follows the beam-column curve, from the base
    // moment to none at the free top.
    const StretchCurves curves(doc.Segments.front());
    EXPECT_NEAR(std::fabs(curves.Moment(0)), baseMoment, kClosedForm * baseMoment);
    EXPECT_NEAR(curves.Moment(L), 0, kClosedForm * baseMoment);
    const double x = 0.4 * L; // from the base
    const double atX = H * std::sin(k * (L - x)) / (k * std::cos(k * L));
    EXPECT_NEAR(std::fabs(curves.Moment(x)), atX, kClosedForm * baseMoment);
    ASSERT_EQ(outcome.Stability.size(), 1u);
    EXPECT_TRUE(outcome.Stability.front().SecondOrder);
    EXPECT_NEAR(outcome.Stability.front().CriticalFactor, 1 / share, kClosedForm / share);
  }
}

// A pinned beam of span L on a roller, pressed along its axis by P at the
// roller and loaded across by w; `midNode` adds a node at mid-span.
ModelDocument BeamColumn(double L, double P, double w, bool midNode) {
  ModelDocument doc = EmptyModel();
  AddNode(doc, 1, 0, 0);
  AddNode(doc, 3, L, 0);
  AddBeam(doc, 1, 1, 3, true, true, kColumn);
  if (midNode) AddNodeOnBeam(doc, 2, 1, 0.5);
  AddSupport(doc, 1, 1);
  AddSupport(doc, 2, 3, true, 1);
  AddForce(doc, 1, 3, std::fabs(P), P > 0 ? kPi : 0); // P > 0 presses
  AddLoad(doc, 1, 1, 1, 3, w, -kPi / 2);
  doc.Settings.SecondOrder = true;
  return doc;
}

TEST(SecondOrder, PinnedBeamColumnUnderUniformLoad) {
  const double L = 6, w = 5000;
  const double euler = kPi * kPi * kEI / (L * L);
  for (const double share : {0.2, 0.6, -0.6}) { // the last one pulls
    const double P = share * euler;
    const double k = std::sqrt(std::fabs(P) / kEI);
    const double midMoment = P > 0 ? w / (k * k) * (1 / std::cos(k * L / 2) - 1)
                                   : w / (k * k) * (1 - 1 / std::cosh(k * L / 2));
    for (const bool midNode : {true, false}) {
      ModelDocument doc = BeamColumn(L, P, w, midNode);
      const AnalysisOutcome outcome = AnalyseModel(doc);
      ASSERT_TRUE(outcome.Ok()) << share;
      const TSegmentObject& first = doc.Segments.front();
      const StretchCurves curves(first);
      const double at = midNode ? curves.Length() : L / 2;
      EXPECT_NEAR(std::fabs(curves.Moment(at)), midMoment, kClosedForm * midMoment)
          << share << " " << midNode;
      if (midNode) {
        EXPECT_NEAR(std::fabs(first.ForceL[5]), midMoment, kClosedForm * midMoment);
      }
      // Across the turned axis at the support the shear is the reaction and
      // the axial force's part across it: wL/2 + P theta0, theta0 the end's turn.
      const double turn = P > 0 ? w / (kEI * k * k * k) * (std::tan(k * L / 2) - k * L / 2)
                                : w / (kEI * k * k * k) * (k * L / 2 - std::tanh(k * L / 2));
      const double shear = w * L / 2 + P * turn;
      EXPECT_NEAR(std::fabs(curves.ShearForce(0)), shear, kClosedForm * shear) << share;
      EXPECT_NEAR(std::fabs(curves.Slope(0)), turn, kClosedForm * turn) << share;
    }
  }
}

// A column of height L loaded at its top by P; `kind` sets its ends.
enum class Ends { Pinned, Cantilever, Fixed };

ModelDocument Column(double L, double P, Ends ends) {
  ModelDocument doc = EmptyModel();
  AddNode(doc, 1, 0, 0);
  AddNode(doc, 2, 0, L);
  AddBeam(doc, 1, 1, 2, true, true, kColumn);
  AddSupport(doc, 1, 1, false, 3, ends != Ends::Pinned);
  // The top slides up and down only; fixed, it does not turn either.
  if (ends != Ends::Cantilever) AddSupport(doc, 2, 2, true, 2, ends == Ends::Fixed);
  AddForce(doc, 1, 2, P, -kPi / 2);
  return doc;
}

TEST(CriticalLoad, EulerLoadsOfColumns) {
  const double L = 5, P = 1000;
  const struct {
    Ends ends;
    double euler;
  } columns[] = {{Ends::Pinned, kPi * kPi * kEI / (L * L)},
                 {Ends::Cantilever, kPi * kPi * kEI / (4 * L * L)},
                 {Ends::Fixed, 4 * kPi * kPi * kEI / (L * L)}};
  for (const auto& column : columns) {
    ModelDocument doc = Column(L, P, column.ends);
    const AnalysisOutcome outcome = AnalyseModel(doc);
    ASSERT_TRUE(outcome.Ok());
    ASSERT_EQ(outcome.Stability.size(), 1u);
    const double expected = column.euler / P;
    EXPECT_NEAR(outcome.Stability.front().CriticalFactor, expected, kClosedForm * expected)
        << static_cast<int>(column.ends);
    EXPECT_FALSE(outcome.Stability.front().SecondOrder);
  }
}

// The root of x tan x = c between 0 and pi/2.
double RootOfXTanX(double c) {
  double low = 0, high = kPi / 2;
  for (int i = 0; i < 200; ++i) {
    const double mid = (low + high) / 2;
    (mid * std::tan(mid) < c ? low : high) = mid;
  }
  return (low + high) / 2;
}

TEST(CriticalLoad, SwayOfAPortalOnPinnedBases) {
  // Columns h high on pins, a girder of span b rigidly joined to them, each
  // column pressed by P. It sways when kh tan kh = 6 Ib h / (Ic b).
  const double h = 4, b = 6, P = 10000;
  const Section girder{0.1, 0.3};
  ModelDocument doc = EmptyModel();
  AddNode(doc, 1, 0, 0);
  AddNode(doc, 2, 0, h);
  AddNode(doc, 3, b, h);
  AddNode(doc, 4, b, 0);
  AddBeam(doc, 1, 1, 2, true, true, kColumn);
  AddBeam(doc, 2, 2, 3, true, true, girder);
  AddBeam(doc, 3, 4, 3, true, true, kColumn);
  AddSupport(doc, 1, 1);
  AddSupport(doc, 2, 4);
  AddForce(doc, 1, 2, P, -kPi / 2);
  AddForce(doc, 2, 3, P, -kPi / 2);
  const AnalysisOutcome outcome = AnalyseModel(doc);
  ASSERT_TRUE(outcome.Ok());
  const double kh = RootOfXTanX(6 * girder.Inertia() * h / (kColumn.Inertia() * b));
  const double expected = kh * kh * kEI / (h * h) / P;
  EXPECT_NEAR(outcome.Stability.front().CriticalFactor, expected, kClosedForm * expected);

  // The mode sways: both column tops move sideways alike.
  const NodeTable nodes(doc);
  const CriticalLoad critical =
      FindCriticalLoad(doc.Segments, nodes, FreeNodeUnknowns(doc, nodes), true);
  ASSERT_EQ(critical.Mode.Nodes.size(), 12u);
  EXPECT_NEAR(std::fmax(critical.Mode.Nodes[3], critical.Mode.Nodes[6]), 1, 1e-6);
  EXPECT_NEAR(critical.Mode.Nodes[6], critical.Mode.Nodes[3], 1e-3);
  ASSERT_EQ(critical.Mode.Stretches.size(), 3u);
  EXPECT_GE(critical.Mode.Stretches.front().size(), 2u);
}

TEST(SecondOrder, LoadsBeyondTheCriticalLoadFailWithTheFactor) {
  const double L = 4;
  const double eulerCantilever = testing::CantileverEulerLoad(L, kColumn);
  ModelDocument doc = Cantilever(L, 1.25 * eulerCantilever, 100);
  doc.Settings.SecondOrder = true;
  const AnalysisOutcome outcome = AnalyseModel(doc);
  EXPECT_EQ(outcome.Failure, AnalysisFailure::AboveCritical);
  EXPECT_FALSE(doc.ResultsValid);
  EXPECT_TRUE(doc.Segments.empty());
  EXPECT_EQ(outcome.Combination, 0);
  EXPECT_NEAR(outcome.CriticalFactor, 0.8, 0.8 * kClosedForm);
  EXPECT_EQ(AnalysisFailedMessage(outcome),
            "The loads exceed the frame's critical load (alpha_cr = 0.8).");
  EXPECT_STREQ(FailureReason(outcome.Failure), "above critical load");

  // Solved to first order it stands, with a warning that it should not be.
  doc.Settings.SecondOrder = false;
  const AnalysisOutcome first = AnalyseModel(doc);
  ASSERT_TRUE(first.Ok());
  const std::vector<std::string> warnings = FirstOrderWarnings(first);
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_NE(warnings.front().find("alpha_cr = 0.8. "), std::string::npos);
  EXPECT_NE(warnings.front().find("EN 1993-1-1"), std::string::npos);
}

TEST(SecondOrder, WithoutAxialForceItIsFirstOrder) {
  ModelDocument doc = testing::SimplySupportedBeam(6, 2000, kColumn);
  const AnalysisOutcome first = AnalyseModel(doc);
  ASSERT_TRUE(first.Ok());
  const std::vector<TSegmentObject> firstOrder = doc.Segments;
  EXPECT_TRUE(std::isinf(first.Stability.front().CriticalFactor)); // nothing compressed
  EXPECT_TRUE(FirstOrderWarnings(first).empty());
  doc.Settings.SecondOrder = true;
  const AnalysisOutcome second = AnalyseModel(doc);
  ASSERT_TRUE(second.Ok());
  ASSERT_EQ(doc.Segments.size(), firstOrder.size());
  for (std::size_t s = 0; s < firstOrder.size(); ++s) {
    EXPECT_TRUE(doc.Segments[s].SecondOrder);
    for (int i = 0; i < 6; ++i)
      EXPECT_NEAR(doc.Segments[s].ForceL[i], firstOrder[s].ForceL[i], 1e-8 * 6000);
    const StretchCurves a(firstOrder[s]), b(doc.Segments[s]);
    for (const double at : {0.0, 0.7, 1.9, 3.0})
      EXPECT_NEAR(a.Moment(at), b.Moment(at), 1e-8 * 9000);
  }
}

TEST(SecondOrder, OnlyUltimateCombinationsAreSolvedToSecondOrder) {
  // A cantilever column: case 1 presses it, case 2 pushes it sideways.
  const double L = 4, H = 1000;
  const double eulerCantilever = testing::CantileverEulerLoad(L, kColumn);
  ModelDocument doc = Cantilever(L, 0.3 * eulerCantilever, 0);
  AddForce(doc, 2, 2, H, 0).Case = 2;
  doc.Settings.LoadCases = {TLoadCase{}, TLoadCase{}};
  doc.Settings.LoadCases[0].Number = 1;
  doc.Settings.LoadCases[0].SelfWeight = true;
  doc.Settings.LoadCases[1].Number = 2;
  doc.Settings.Combinations = {
      testing::Combination(1, CombinationKind::Ultimate, {{1, 1.35}, {2, 1.5}}),
      testing::Combination(2, CombinationKind::Characteristic, {{1, 1.0}, {2, 1.0}}),
      testing::Combination(3, CombinationKind::Ultimate, {{1, 3.5}, {2, 1.0}})};
  doc.Settings.SecondOrder = true;
  CaseAnalysis analysis = AnalyseLoadCases(doc);
  // 3.5 x 0.3 of the Euler load is beyond it.
  ASSERT_EQ(analysis.Outcome.Failure, AnalysisFailure::AboveCritical);
  EXPECT_EQ(analysis.Outcome.Combination, 3);
  EXPECT_EQ(AnalysisFailedMessage(analysis.Outcome),
            "The loads of combination 3 exceed the frame's critical load (alpha_cr = " +
                CriticalFactorText(analysis.Outcome.CriticalFactor) + ").");
  EXPECT_NEAR(analysis.Outcome.CriticalFactor, 1 / 1.05, kClosedForm);

  doc.Settings.Combinations.pop_back();
  analysis = AnalyseLoadCases(doc);
  ASSERT_TRUE(analysis.Ok());
  ASSERT_EQ(analysis.Outcome.Stability.size(), 1u); // the ultimate one
  EXPECT_EQ(analysis.Outcome.Stability.front().Combination, 1);
  EXPECT_NEAR(analysis.Outcome.Stability.front().CriticalFactor, 1 / (1.35 * 0.3),
              kClosedForm / (1.35 * 0.3));
  const double P = 1.35 * 0.3 * eulerCantilever, k = std::sqrt(P / kEI);
  const double baseMoment = 1.5 * H * std::tan(k * L) / k;
  const ResultSet ultimate = CombinationResult(analysis, doc, 0);
  EXPECT_NEAR(std::fabs(ultimate.Reactions.front()[2]), baseMoment, kClosedForm * baseMoment);
  EXPECT_TRUE(ultimate.Segments.front().SecondOrder);
  // The characteristic one stays the sum of its cases.
  const ResultSet service = CombinationResult(analysis, doc, 1);
  EXPECT_FALSE(service.Segments.front().SecondOrder);
  EXPECT_NEAR(std::fabs(service.Reactions.front()[2]), H * L, 1e-9 * H * L);
  // The envelope checks the second-order forces.
  const KindEnvelope& envelope = analysis.Envelope(CombinationKind::Ultimate);
  EXPECT_DOUBLE_EQ(envelope.MaxUtilisation, StretchUtilisation(ultimate.Segments.front()));
}

TEST(SecondOrder, DocumentsWithoutTheKeyStayFirstOrder) {
  ModelDocument doc = Cantilever(4, 10000, 1000);
  const AnalysisOutcome outcome = AnalyseModel(doc);
  ASSERT_TRUE(outcome.Ok());
  EXPECT_FALSE(doc.Segments.front().SecondOrder);
  EXPECT_NEAR(std::fabs(SupportAt(doc, 1).Reactions[2]), 4000, 1e-9 * 4000);
  // The optimizer's trial points skip alpha_cr.
  EXPECT_TRUE(AnalyseModel(doc, AnalysisOptions{false}).Stability.empty());
}

} // namespace
} // namespace strandel
