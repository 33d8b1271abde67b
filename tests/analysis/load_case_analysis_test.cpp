// Load cases and combinations against the frame solved one load set at a time,
// and envelopes and load durations against hand calculations.

#include "analysis/load_case_analysis.h"

#include <cmath>
#include <limits>
#include <map>
#include <string>

#include <gtest/gtest.h>

#include "analysis/beam_curves.h"
#include "analysis/envelope_diagram.h"
#include "analysis/solver.h"
#include "common/geometry.h"
#include "common/parallel.h"
#include "model/document_file.h"
#include "support/frame_models.h"

namespace strandel {
namespace {

using testing::AddBeam;
using testing::AddForce;
using testing::AddLoad;
using testing::AddMoment;
using testing::AddNode;
using testing::AddSupport;
using testing::EmptyModel;

constexpr double kDown = -kPi / 2;

using testing::Combination;

// A two-bay, two-storey frame loaded in three cases: its own weight and the
// floor loads (1), a sideways force and a moment (2), and a settlement of a
// base with a load on one girder (3).
ModelDocument ThreeCaseFrame() {
  ModelDocument doc = testing::GridFrame(2, 2, 5, 3.5, 4000);
  doc.Settings.OwnWeight = true;
  doc.Settings.LoadCases = {MakeLoadCase(1, "G", ActionCategory::Permanent),
                            MakeLoadCase(2, "W", ActionCategory::Wind),
                            MakeLoadCase(3, "Q", ActionCategory::ImposedB)};
  doc.Settings.LoadCases[0].SelfWeight = true;
  AddForce(doc, 1, testing::GridNode(2, 0, 2), 12000, 0).Case = 2;
  AddMoment(doc, 1, testing::GridNode(2, 1, 1), 3000).Case = 2;
  for (TSupportObject& support : ObjectsOf<TSupportObject>(doc)) {
    if (support.NodeNo != testing::GridNode(2, 2, 0)) continue;
    support.DY = -0.004;
    support.Case = 3;
  }
  long lastBeam = 0;
  for (const TBeamObject& beam : ObjectsOf<TBeamObject>(doc))
    lastBeam = beam.Number;
  const TBeamObject* girder = FindBeam(doc, lastBeam);
  AddLoad(doc, 100, static_cast<int>(lastBeam), girder->Node1, girder->Node2, 7000, kDown).Case = 3;
  doc.Settings.Combinations = {
      Combination(1, CombinationKind::Ultimate, {{1, 1.35}, {2, 1.5}, {3, 1.05}}),
      Combination(2, CombinationKind::Characteristic, {{1, 1.0}, {3, 1.0}}),
      Combination(3, CombinationKind::Ultimate, {{2, -0.9}})};
  return doc;
}

// The document with only the loads of one case, its settlements only where
// they belong to it, and no cases: solved the way every document always was.
ModelDocument OnlyCase(const ModelDocument& doc, long number) {
  ModelDocument single = EmptyModel();
  single.Settings = doc.Settings;
  single.Settings.LoadCases.clear();
  single.Settings.Combinations.clear();
  const TLoadCase* loadCase = FindLoadCase(doc.Settings.LoadCases, number);
  single.Settings.OwnWeight = doc.Settings.OwnWeight && loadCase->SelfWeight;
  for (const auto& object : doc.GraphObjects) {
    GraphObject copy = *object;
    bool keep = true;
    std::visit(
        [&](auto& o) {
          using T = std::decay_t<decltype(o)>;
          if constexpr (std::is_same_v<T, TSupportObject>) {
            if (o.Case != number) o.DX = o.DY = o.DRot = 0;
          } else if constexpr (!std::is_same_v<T, TNodeObject> && !std::is_same_v<T, TBeamObject>) {
            keep = o.Case == number;
          }
        },
        copy);
    if (keep) single.GraphObjects.push_back(std::make_unique<GraphObject>(std::move(copy)));
  }
  return single;
}

// |a - b| within `relative` of the largest value of the kind.
void ExpectClose(const Vector6& a, const Vector6& b, double scale, const std::string& what) {
  for (std::size_t i = 0; i < a.size(); ++i)
    EXPECT_NEAR(a[i], b[i], 1e-9 * scale) << what << " [" << i << "]";
}

double LargestForce(const ResultSet& result) {
  double largest = 1;
  for (const TSegmentObject& segment : result.Segments)
    for (double f : segment.ForceL)
      largest = std::max(largest, std::fabs(f));
  return largest;
}

TEST(LoadCaseAnalysis, EachCaseIsTheFrameSolvedWithItsLoadsAlone) {
  ModelDocument doc = ThreeCaseFrame();
  const CaseAnalysis analysis = AnalyseLoadCases(doc);
  ASSERT_TRUE(analysis.Ok()) << FailureReason(analysis.Outcome.Failure);
  ASSERT_EQ(analysis.Cases.size(), 3u);
  for (std::size_t c = 0; c < 3; ++c) {
    ModelDocument single = OnlyCase(doc, doc.Settings.LoadCases[c].Number);
    const AnalysisOutcome alone = AnalyseModel(single);
    ASSERT_TRUE(alone.Ok());
    const ResultSet& result = analysis.Cases[c];
    ASSERT_EQ(result.Segments.size(), single.Segments.size());
    const double scale = LargestForce(result);
    for (std::size_t i = 0; i < result.Segments.size(); ++i) {
      ExpectClose(result.Segments[i].ForceL, single.Segments[i].ForceL, scale,
                  "case " + std::to_string(c + 1) + " stretch " + std::to_string(i));
      EXPECT_DOUBLE_EQ(result.Segments[i].Py, single.Segments[i].Py);
    }
    for (std::size_t i = 0; i < alone.Displacements.size(); ++i)
      EXPECT_NEAR(result.Displacements[i], alone.Displacements[i], 1e-9) << i;
    std::size_t s = 0;
    for (const TSupportObject& support : ObjectsOf<TSupportObject>(single))
      ExpectClose(result.Reactions[s++], support.Reactions, scale, "reaction");
  }
}

TEST(LoadCaseAnalysis, ACombinationIsTheFactoredSumOfItsCases) {
  ModelDocument doc = ThreeCaseFrame();
  const CaseAnalysis analysis = AnalyseLoadCases(doc);
  ASSERT_TRUE(analysis.Ok());
  ASSERT_EQ(analysis.Durations.size(), 3u);
  for (std::size_t k = 0; k < doc.Settings.Combinations.size(); ++k) {
    const TCombination& combination = doc.Settings.Combinations[k];
    const ResultSet result = CombinationResult(analysis, doc, k);
    const double scale = LargestForce(result);
    for (std::size_t i = 0; i < result.Segments.size(); ++i) {
      Vector6 sum{};
      double py = 0;
      for (const CaseFactor& part : combination.Factors) {
        const TSegmentObject& caseSegment = analysis.Cases[part.Case - 1].Segments[i];
        for (int j = 0; j < 6; ++j)
          sum[j] += part.Factor * caseSegment.ForceL[j];
        py += part.Factor * caseSegment.Py;
      }
      ExpectClose(result.Segments[i].ForceL, sum, scale, combination.Name);
      EXPECT_NEAR(result.Segments[i].Py, py, 1e-12 * std::fabs(py) + 1e-12);
    }
  }
  // The settlement acts with its factor: case 3 at 1.0 in combination 2.
  EXPECT_NEAR(CombinationResult(analysis, doc, 1)
                  .Displacements[3 * testing::NodeIndex(doc, testing::GridNode(2, 2, 0)) + 1],
              -0.004, 1e-12);
}

TEST(LoadCaseAnalysis, OneCaseTakenOnceGivesTheResultsOfADocumentWithoutCases) {
  ModelDocument plain = testing::GridFrame(3, 2, 4, 3, 2500);
  plain.Settings.OwnWeight = true;
  AddForce(plain, 1, testing::GridNode(3, 0, 2), 8000, 0);
  const AnalysisOutcome expected = AnalyseModel(plain);
  ASSERT_TRUE(expected.Ok());

  ModelDocument cased = testing::GridFrame(3, 2, 4, 3, 2500);
  cased.Settings.OwnWeight = true;
  AddForce(cased, 1, testing::GridNode(3, 0, 2), 8000, 0);
  cased.Settings.LoadCases = {MakeLoadCase(1, "G", ActionCategory::Permanent)};
  cased.Settings.LoadCases[0].SelfWeight = true;
  cased.Settings.Combinations = {Combination(1, CombinationKind::Ultimate, {{1, 1.0}})};
  const AnalysisOutcome outcome = AnalyseModel(cased);
  ASSERT_TRUE(outcome.Ok());
  ASSERT_EQ(cased.Segments.size(), plain.Segments.size());
  for (std::size_t i = 0; i < plain.Segments.size(); ++i) {
    for (int j = 0; j < 6; ++j) {
      // 0 + 1.0 x f is f, bit for bit (a -0 becomes +0).
      EXPECT_EQ(cased.Segments[i].ForceL[j] + 0.0, plain.Segments[i].ForceL[j] + 0.0);
      EXPECT_EQ(cased.Segments[i].DispG[j] + 0.0, plain.Segments[i].DispG[j] + 0.0);
    }
  }
  EXPECT_EQ(outcome.Displacements.size(), expected.Displacements.size());
}

// Two equal spans of a continuous beam, hinged on three supports: dead load g
// everywhere, live load q on either span.
struct TwoSpans {
  static constexpr double L = 5, g = 4000, q = 6000;
  ModelDocument doc = EmptyModel();

  TwoSpans() {
    AddNode(doc, 1, 0, 0);
    AddNode(doc, 2, L, 0);
    AddNode(doc, 3, 2 * L, 0);
    AddBeam(doc, 1, 1, 2);
    AddBeam(doc, 2, 2, 3);
    AddSupport(doc, 1, 1);
    AddSupport(doc, 2, 2, true, 1);
    AddSupport(doc, 3, 3, true, 1);
    AddLoad(doc, 1, 1, 1, 2, g, kDown).Case = 1;
    AddLoad(doc, 2, 2, 2, 3, g, kDown).Case = 1;
    AddLoad(doc, 3, 1, 1, 2, q, kDown).Case = 2;
    AddLoad(doc, 4, 2, 2, 3, q, kDown).Case = 3;
    doc.Settings.LoadCases = {MakeLoadCase(1, "G", ActionCategory::Permanent),
                              MakeLoadCase(2, "Q left", ActionCategory::ImposedA),
                              MakeLoadCase(3, "Q right", ActionCategory::ImposedA)};
    doc.Settings.LoadCases.front().SelfWeight = true;
    doc.Settings.Combinations = {
        Combination(1, CombinationKind::Ultimate, {{1, 1.35}}),
        Combination(2, CombinationKind::Ultimate, {{1, 1.35}, {2, 1.5}}),
        Combination(3, CombinationKind::Ultimate, {{1, 1.35}, {3, 1.5}}),
        Combination(4, CombinationKind::Ultimate, {{1, 1.35}, {2, 1.5}, {3, 1.5}}),
        Combination(5, CombinationKind::Characteristic, {{1, 1.0}, {2, 1.0}, {3, 1.0}})};
  }
};

TEST(LoadCaseAnalysis, PatternedLiveLoadGivesSpanAndSupportMomentsFromDifferentCombinations) {
  TwoSpans spans;
  const double L = TwoSpans::L, g = 1.35 * TwoSpans::g, q = 1.5 * TwoSpans::q;
  const CaseAnalysis analysis = AnalyseLoadCases(spans.doc);
  ASSERT_TRUE(analysis.Ok());
  const EnvelopeCurves moment =
      BeamDiagramEnvelope(analysis, spans.doc, 1, DiagramKind::Moment, CombinationKind::Ultimate);
  ASSERT_EQ(moment.Points.size(), 21u);

  // Over the middle support the moment of loads w1 and w2 on the two spans is
  // (w1 + w2) L^2 / 16, largest with both spans loaded.
  const double support = (2 * (g + q)) * L * L / 16;
  // In the left span it is largest with the live load on that span only: the
  // end reaction is w1 L / 2 - M_B / L, the moment R^2 / (2 w1).
  const double hogging = (g + q + g) * L * L / 16;
  const double reaction = (g + q) * L / 2 - hogging / L;
  const double span = reaction * reaction / (2 * (g + q));

  const EnvelopeExtreme& overSupport =
      std::fabs(moment.Highest.Value) > std::fabs(moment.Lowest.Value) ? moment.Highest
                                                                       : moment.Lowest;
  const EnvelopeExtreme& inSpan = &overSupport == &moment.Highest ? moment.Lowest : moment.Highest;
  EXPECT_NEAR(std::fabs(overSupport.Value), support, 1e-9 * support);
  EXPECT_EQ(overSupport.Combination, 4);
  EXPECT_NEAR(overSupport.X, L, 1e-12);
  EXPECT_NEAR(std::fabs(inSpan.Value), span, 2e-3 * span); // sampled every L/20
  EXPECT_EQ(inSpan.Combination, 2);
  // The forces acting with the extreme are those of its combination there:
  // the shear at the support of the left span, 5/8 of ... w L plus the pattern's part.
  EXPECT_NEAR(std::fabs(overSupport.Moment), support, 1e-9 * support);
  const double shearAtSupport = (g + q) * L / 2 + support / L;
  EXPECT_NEAR(std::fabs(overSupport.Shear), shearAtSupport, 1e-9 * shearAtSupport);

  // Each point's extremes bound every combination of the kind.
  for (const EnvelopePoint& point : moment.Points) {
    EXPECT_LE(point.Min, point.Max);
    EXPECT_GE(point.MaxCombination, 1);
    EXPECT_LE(point.MaxCombination, 4);
  }
  // The characteristic envelope has one combination: both curves are its own.
  const EnvelopeCurves service = BeamDiagramEnvelope(analysis, spans.doc, 1, DiagramKind::Moment,
                                                     CombinationKind::Characteristic);
  for (const EnvelopePoint& point : service.Points) {
    EXPECT_EQ(point.Max, point.Min);
    EXPECT_EQ(point.MaxCombination, 5);
  }
  EXPECT_TRUE(
      BeamDiagramEnvelope(analysis, spans.doc, 1, DiagramKind::Moment, CombinationKind::Frequent)
          .Points.empty());
}

TEST(LoadCaseAnalysis, EnvelopeNamesTheCombinationGoverningEachBeam) {
  TwoSpans spans;
  const CaseAnalysis analysis = AnalyseLoadCases(spans.doc);
  ASSERT_TRUE(analysis.Ok());
  const KindEnvelope& ultimate = analysis.Envelope(CombinationKind::Ultimate);
  ASSERT_TRUE(ultimate.Present);
  ASSERT_EQ(ultimate.Beams.size(), 2u);
  // Both spans are governed by the full load over the middle support.
  for (const BeamEnvelope& beam : ultimate.Beams) {
    EXPECT_EQ(beam.UtilisationGoverning, 4) << beam.Number;
    EXPECT_GT(beam.Utilisation, 0);
  }
  EXPECT_EQ(ultimate.Governing, 4);
  EXPECT_FALSE(analysis.Envelope(CombinationKind::Frequent).Present);
  // Displacements are judged under serviceability combinations: the
  // characteristic one here, with both spans loaded.
  EXPECT_EQ(ultimate.Beams[0].MaxDisplacement, 0);
  const KindEnvelope& service = analysis.Envelope(CombinationKind::Characteristic);
  ASSERT_EQ(service.Beams.size(), 2u);
  EXPECT_GT(service.Beams[0].MaxDisplacement, 0);
  EXPECT_EQ(service.Beams[0].DisplacementGoverning, 5);
  EXPECT_EQ(service.DisplacementGoverning, 5);

  // The default result is the governing ultimate combination; a case or a
  // combination can be chosen by number.
  ModelDocument& doc = spans.doc;
  EXPECT_EQ(GoverningCombination(analysis, doc, {}), 4);
  // Results are told apart by the live load they hold at the start of each span.
  const auto loads = [&](const ResultChoice& choice) {
    const std::optional<ResultSet> result = ChosenResult(analysis, doc, choice);
    EXPECT_TRUE(result.has_value());
    return result ? std::pair{result->Segments.front().Py, result->Segments.back().Py}
                  : std::pair{0.0, 0.0};
  };
  const double g = TwoSpans::g, q = TwoSpans::q;
  EXPECT_EQ(loads({}), (std::pair{-1.35 * g - 1.5 * q, -1.35 * g - 1.5 * q}));
  EXPECT_EQ(loads({ResultKind::Case, 2}), (std::pair{-q, 0.0}));
  EXPECT_EQ(loads({ResultKind::Combination, 5}), (std::pair{-g - q, -g - q}));
  EXPECT_FALSE(ChosenResult(analysis, doc, {ResultKind::Combination, 9}).has_value());
  EXPECT_FALSE(ChosenResult(analysis, doc, {ResultKind::Case, 4}).has_value());
  EXPECT_EQ(loads({ResultKind::Envelope, 0, CombinationKind::Characteristic}),
            loads({ResultKind::Combination, 5}));

  doc.Settings.ResultSet = "case 2";
  ASSERT_TRUE(AnalyseModel(doc).Ok());
  EXPECT_EQ(doc.Segments.front().Py, -TwoSpans::q);
  EXPECT_EQ(doc.Segments.back().Py, 0);
}

// A braced timber beam in bending only: its capacity follows the load duration
// of the combination's shortest acting case.
struct TimberBeam {
  ModelDocument doc = EmptyModel();
  explicit TimberBeam(double snowPerDead) {
    AddNode(doc, 1, 0, 0);
    AddNode(doc, 2, 4, 0);
    TBeamObject& beam = AddBeam(doc, 1, 1, 2, true, true, {0.1, 0.3, 11e9, 420});
    beam.MtrlType = "WOOD";
    beam.Ftk = 14.5e6;
    beam.Fck = 21e6;
    beam.Fmk = 24e6;
    beam.Braced = true;
    beam.LoadDuration = 3; // the beam's own choice, which cases override
    AddSupport(doc, 1, 1);
    AddSupport(doc, 2, 2, true, 1);
    AddLoad(doc, 1, 1, 1, 2, 2000, kDown).Case = 1;
    AddLoad(doc, 2, 1, 1, 2, 2000 * snowPerDead, kDown).Case = 2;
    doc.Settings.LoadCases = {MakeLoadCase(1, "G", ActionCategory::Permanent),
                              MakeLoadCase(2, "S", ActionCategory::Snow)};
    doc.Settings.LoadCases.front().SelfWeight = true;
    doc.Settings.Combinations = {Combination(1, CombinationKind::Ultimate, {{1, 1.35}}),
                                 Combination(2, CombinationKind::Ultimate, {{1, 1.35}, {2, 1.5}})};
  }
};

TEST(LoadCaseAnalysis, TimberIsCheckedForTheDurationOfEachCombination) {
  // The reductions for permanent and medium-term loads of timber with
  // ft,k = 14.5 MPa: 0.858 - 0.011 x 14.5 and 1.008 - 0.011 x 14.5.
  const double permanent = 0.858 - 0.011 * 14.5, medium = 1.008 - 0.011 * 14.5;
  // G alone governs while 1.35 / permanent > (1.35 + 1.5 r) / medium.
  const double threshold = 1.35 * (medium / permanent - 1) / 1.5;
  for (const double r : {0.5 * threshold, 2 * threshold}) {
    TimberBeam timber(r);
    const CaseAnalysis analysis = AnalyseLoadCases(timber.doc);
    ASSERT_TRUE(analysis.Ok());
    ASSERT_EQ(analysis.Durations.size(), 2u);
    EXPECT_EQ(analysis.Durations[0], DurationClass::Permanent);
    EXPECT_EQ(analysis.Durations[1], DurationClass::MediumTerm);
    const ResultSet gAlone = CombinationResult(analysis, timber.doc, 0);
    const ResultSet gAndSnow = CombinationResult(analysis, timber.doc, 1);
    const double alone = gAlone.Segments[0].Md;
    const double withSnow = gAndSnow.Segments[0].Md;
    EXPECT_NEAR(withSnow / alone, medium / permanent, 1e-12);

    const double u1 = StretchUtilisation(gAlone.Segments[0]);
    const double u2 = StretchUtilisation(gAndSnow.Segments[0]);
    EXPECT_NEAR(u1 / u2, (1.35 / permanent) / ((1.35 + 1.5 * r) / medium), 1e-9);
    const long governing = analysis.Envelope(CombinationKind::Ultimate).Governing;
    EXPECT_EQ(governing, r < threshold ? 1 : 2) << "snow/dead " << r;
  }
}

TEST(LoadCaseAnalysis, AnInstantaneousLoadTakesTheShortTermReductionTimesElevenNinths) {
  TimberBeam timber(0.2);
  timber.doc.Settings.LoadCases[1] = MakeLoadCase(2, "Impact", ActionCategory::Accidental);
  ASSERT_EQ(timber.doc.Settings.LoadCases[1].Duration, DurationClass::Instantaneous);
  timber.doc.Settings.LoadCases.push_back(MakeLoadCase(3, "W", ActionCategory::Wind));
  timber.doc.Settings.Combinations.push_back(
      Combination(3, CombinationKind::Ultimate, {{1, 1.0}, {3, 1.0}}));
  const CaseAnalysis analysis = AnalyseLoadCases(timber.doc);
  ASSERT_TRUE(analysis.Ok());
  EXPECT_EQ(analysis.Durations[1], DurationClass::Instantaneous);
  EXPECT_EQ(analysis.Durations[2], DurationClass::ShortTerm);
  EXPECT_NEAR(CombinationResult(analysis, timber.doc, 1).Segments[0].Md /
                  CombinationResult(analysis, timber.doc, 2).Segments[0].Md,
              1.10 / 0.90, 1e-12);
  // A factor of zero does not make a case act.
  timber.doc.Settings.Combinations[1].Factors = {{1, 1.0}, {2, 0.0}};
  EXPECT_EQ(CombinationDuration(timber.doc.Settings.Combinations[1], timber.doc.Settings.LoadCases),
            DurationClass::Permanent);
}

TEST(LoadCaseAnalysis, CasesThatDoNotHoldFailTheAnalysisAndLeaveTheModel) {
  struct Damage {
    const char* name;
    void (*apply)(ModelDocument&);
  };
  const Damage damages[] = {
      {"load of a missing case", [](ModelDocument& d) { ObjectAt<TLoadObject>(d, 8)->Case = 7; }},
      {"factor not finite",
       [](ModelDocument& d) { d.Settings.Combinations[0].Factors[0].Factor = INFINITY; }},
      {"factor not a number",
       [](ModelDocument& d) { d.Settings.Combinations[1].Factors[1].Factor = NAN; }},
      {"combination of no case",
       [](ModelDocument& d) { d.Settings.Combinations[2].Factors.clear(); }},
      {"combination of a missing case",
       [](ModelDocument& d) { d.Settings.Combinations[3].Factors[1].Case = 9; }},
      {"own weight in two cases",
       [](ModelDocument& d) { d.Settings.LoadCases[2].SelfWeight = true; }},
  };
  for (const Damage& damage : damages) {
    TwoSpans spans;
    ASSERT_NE(ObjectAt<TLoadObject>(spans.doc, 8), nullptr);
    damage.apply(spans.doc);
    const std::string before = WriteDocumentText(spans.doc);
    const AnalysisOutcome outcome = AnalyseModel(spans.doc);
    EXPECT_EQ(outcome.Failure, AnalysisFailure::LoadCases) << damage.name;
    // The window and the batch front end say what is wrong.
    EXPECT_FALSE(outcome.Notes.empty()) << damage.name;
    EXPECT_FALSE(spans.doc.ResultsValid);
    EXPECT_TRUE(spans.doc.Segments.empty());
    EXPECT_EQ(WriteDocumentText(spans.doc), before) << damage.name;
  }
}

TEST(LoadCaseAnalysis, AThousandCasesAreStoredReadAndSolved) {
  // A cantilever with a tip force of k N in case k: case k bends it k times
  // as much as case 1, and a document of that many lines reads back whole.
  ModelDocument doc = testing::EmptyModel();
  AddNode(doc, 1, 0, 0);
  AddNode(doc, 2, 2, 0);
  AddBeam(doc, 1, 1, 2);
  AddSupport(doc, 1, 1, false, 3, /*locked=*/true);
  constexpr int kCases = 1000;
  for (int k = 1; k <= kCases; ++k) {
    doc.Settings.LoadCases.push_back(
        MakeLoadCase(static_cast<std::uint16_t>(k), "Case " + std::to_string(k),
                     k == 1 ? ActionCategory::Permanent : ActionCategory::Imposed));
    AddForce(doc, k, 2, k, kDown).Case = static_cast<std::uint16_t>(k);
  }
  doc.Settings.LoadCases.front().SelfWeight = true;
  doc.Settings.Combinations = {
      Combination(1, CombinationKind::Ultimate, {{1, 1.0}, {kCases, 1.0}})};
  ModelDocument read, again;
  ASSERT_TRUE(ReadDocumentText(WriteDocumentText(doc), read).ok);
  ASSERT_EQ(read.Settings.LoadCases.size(), static_cast<std::size_t>(kCases));
  EXPECT_EQ(read.Settings.LoadCases, doc.Settings.LoadCases);
  const std::string text = WriteDocumentText(read);
  ASSERT_TRUE(ReadDocumentText(text, again).ok);
  EXPECT_TRUE(WriteDocumentText(again) == text); // no diff of two thousand lines

  const CaseAnalysis analysis = AnalyseLoadCases(read);
  ASSERT_TRUE(analysis.Ok());
  ASSERT_EQ(analysis.Cases.size(), static_cast<std::size_t>(kCases));
  const double tip = analysis.Cases.front().Displacements[4];
  EXPECT_LT(tip, 0);
  EXPECT_NEAR(analysis.Cases.back().Displacements[4], kCases * tip, 1e-9 * kCases * std::fabs(tip));
  EXPECT_NEAR(CombinationResult(analysis, read, 0).Displacements[4], (kCases + 1) * tip,
              1e-9 * kCases * std::fabs(tip));
}

// The envelope of every beam against the combinations formed one at a time:
// a frame large enough that its stretches are shared among the cores, with a
// beam split between two parts wherever the parts meet.
TEST(LoadCaseAnalysis, TheEnvelopeOfALargeFrameIsTheHighestOfEveryCombination) {
  constexpr int kFields = 46; // 4,370 stretches, 26 combinations
  ModelDocument doc = testing::GridFrame(kFields, kFields, 4, 3, 5000);
  doc.Settings.LoadCases = {MakeLoadCase(1, "G", ActionCategory::Permanent),
                            MakeLoadCase(2, "Q", ActionCategory::ImposedB),
                            MakeLoadCase(3, "W", ActionCategory::Wind)};
  doc.Settings.LoadCases.front().SelfWeight = true;
  for (TLoadObject& load : ObjectsOf<TLoadObject>(doc))
    load.Case = static_cast<std::uint16_t>(1 + load.Number % 2);
  for (int storey = 1; storey <= kFields; ++storey)
    AddForce(doc, storey, testing::GridNode(kFields, 0, storey), 3000, 0).Case = 3;
  for (int k = 1; k <= 26; ++k) {
    doc.Settings.Combinations.push_back(
        Combination(k, k % 3 == 0 ? CombinationKind::Characteristic : CombinationKind::Ultimate,
                    {{1, 1.0 + 0.01 * k}, {2, 1.5 - 0.05 * (k % 5)}, {3, (k % 4) - 1.5}}));
  }
  const CaseAnalysis analysis = AnalyseLoadCases(doc);
  ASSERT_TRUE(analysis.Ok());
  ASSERT_GE(analysis.Cases.front().Segments.size(), 4000u);
  // The cases are recovered side by side, the first beside the others: each
  // is the frame under its own loads.
  for (const long number : {1, 3}) {
    ModelDocument alone = OnlyCase(doc, number);
    ASSERT_TRUE(AnalyseModel(alone).Ok());
    const ResultSet& result = analysis.Cases[static_cast<std::size_t>(number - 1)];
    ASSERT_EQ(result.Segments.size(), alone.Segments.size());
    const double scale = LargestForce(result);
    for (std::size_t i = 0; i < result.Segments.size(); i += 97)
      ExpectClose(result.Segments[i].ForceL, alone.Segments[i].ForceL, scale,
                  "case " + std::to_string(number));
  }

  // Inside a part of shared work everything runs in one part: the serial
  // analysis gives the same bits.
  CaseAnalysis serial;
  RunInParts(1, 1, [&](std::size_t, std::size_t, std::size_t) { serial = AnalyseLoadCases(doc); });
  ASSERT_TRUE(serial.Ok());
  for (std::size_t c = 0; c < analysis.Cases.size(); ++c) {
    for (std::size_t i = 0; i < analysis.Cases[c].Segments.size(); ++i) {
      const TSegmentObject &a = analysis.Cases[c].Segments[i], &b = serial.Cases[c].Segments[i];
      ASSERT_TRUE(a.ForceL == b.ForceL && a.DispG == b.DispG && a.EqLoadG == b.EqLoadG)
          << "case " << c + 1 << ", stretch " << i;
    }
    EXPECT_EQ(analysis.Cases[c].Reactions, serial.Cases[c].Reactions);
    EXPECT_EQ(analysis.Cases[c].Displacements, serial.Cases[c].Displacements);
  }
  for (const CombinationKind kind : {CombinationKind::Ultimate, CombinationKind::Characteristic}) {
    const std::vector<BeamEnvelope>& a = analysis.Envelope(kind).Beams;
    const std::vector<BeamEnvelope>& b = serial.Envelope(kind).Beams;
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
      EXPECT_EQ(a[i].Utilisation, b[i].Utilisation);
      EXPECT_EQ(a[i].UtilisationGoverning, b[i].UtilisationGoverning);
      EXPECT_EQ(a[i].MaxDisplacement, b[i].MaxDisplacement);
    }
  }

  std::map<long, BeamEnvelope> ultimate, service;
  for (std::size_t k = 0; k < doc.Settings.Combinations.size(); ++k) {
    const TCombination& combination = doc.Settings.Combinations[k];
    const bool serviceability = IsServiceability(combination.Kind);
    for (const TSegmentObject& segment : CombinationResult(analysis, doc, k).Segments) {
      BeamEnvelope& beam = (serviceability ? service : ultimate)[segment.BeamNo];
      if (const double u = StretchUtilisation(segment); u > beam.Utilisation) {
        beam.Utilisation = u;
        beam.UtilisationGoverning = combination.Number;
      }
      if (const double d = StretchMaxDisplacement(segment);
          serviceability && d > beam.MaxDisplacement) {
        beam.MaxDisplacement = d;
        beam.DisplacementGoverning = combination.Number;
      }
    }
  }
  for (const auto& [kind, expected] : {std::pair{CombinationKind::Ultimate, &ultimate},
                                       std::pair{CombinationKind::Characteristic, &service}}) {
    const KindEnvelope& envelope = analysis.Envelope(kind);
    ASSERT_EQ(envelope.Beams.size(), expected->size());
    for (const BeamEnvelope& beam : envelope.Beams) {
      const BeamEnvelope& want = expected->at(beam.Number);
      EXPECT_EQ(beam.Utilisation, want.Utilisation) << beam.Number;
      EXPECT_EQ(beam.UtilisationGoverning, want.UtilisationGoverning) << beam.Number;
      if (kind == CombinationKind::Ultimate) continue;
      EXPECT_EQ(beam.MaxDisplacement, want.MaxDisplacement) << beam.Number;
      EXPECT_EQ(beam.DisplacementGoverning, want.DisplacementGoverning) << beam.Number;
    }
  }
}

TEST(LoadCaseAnalysis, ALoadOnAFreedomNothingHoldsFailsInTheFirstCaseThatHasOne) {
  // Two bars hinged in line whose middle node is pushed across the line, where
  // nothing holds it: at node 9002 in case 2 and node 9012 in case 3. Alone,
  // and beside a frame large enough for its cases to be recovered in runs on
  // several cores, case 3 in another run than case 2.
  for (const int fields : {0, 46}) {
    ModelDocument doc = fields > 0 ? testing::GridFrame(fields, fields, 4, 3, 5000) : EmptyModel();
    for (int k = 0; k < 2; ++k) {
      const int n = 9001 + 10 * k;
      AddNode(doc, n, -50, 10.0 * k);
      AddNode(doc, n + 1, -48, 10.0 * k);
      AddNode(doc, n + 2, -46, 10.0 * k);
      AddBeam(doc, n, n, n + 1, false, false);
      AddBeam(doc, n + 1, n + 1, n + 2, false, false);
      AddSupport(doc, n, n);
      AddSupport(doc, n + 2, n + 2);
      AddForce(doc, n, n + 1, 1000, 0).Case = 1;
      AddForce(doc, n + 1, n + 1, 1000, kDown).Case = static_cast<std::uint16_t>(2 + k);
    }
    doc.Settings.LoadCases = {MakeLoadCase(1, "G", ActionCategory::Permanent),
                              MakeLoadCase(2, "Q", ActionCategory::Imposed),
                              MakeLoadCase(3, "S", ActionCategory::Snow),
                              MakeLoadCase(4, "W", ActionCategory::Wind)};
    doc.Settings.LoadCases.front().SelfWeight = true;
    doc.Settings.Combinations = {Combination(1, CombinationKind::Ultimate, {{1, 1.0}})};
    const std::string before = WriteDocumentText(doc);
    const CaseAnalysis analysis = AnalyseLoadCases(doc);
    EXPECT_EQ(analysis.Outcome.Failure, AnalysisFailure::Unstable) << fields;
    EXPECT_EQ(analysis.Outcome.Case, 2) << fields;
    EXPECT_EQ(analysis.Outcome.Node, 9002) << fields;
    EXPECT_EQ(analysis.Outcome.NodeFreedom, Freedom::Y) << fields;
    EXPECT_TRUE(analysis.Cases.empty()) << fields;
    EXPECT_EQ(WriteDocumentText(doc), before) << fields;
  }
}

// Factors that take a combination near the largest double: whatever fits is
// a result, what does not is refused.
TEST(LoadCaseAnalysis, AHugeFactorGivesAResultWhileItFitsAndFailsOnceItDoesNot) {
  const auto beamWithFactor = [](double factor) {
    ModelDocument doc = EmptyModel();
    AddNode(doc, 1, 0, 0);
    AddNode(doc, 2, 4, 0);
    AddBeam(doc, 1, 1, 2);
    AddSupport(doc, 1, 1);
    AddSupport(doc, 2, 2, true, 1);
    AddLoad(doc, 1, 1, 1, 2, 1000, kDown).Case = 1;
    doc.Settings.LoadCases = {MakeLoadCase(1, "G", ActionCategory::Permanent)};
    doc.Settings.LoadCases.front().SelfWeight = true;
    doc.Settings.Combinations = {Combination(1, CombinationKind::Ultimate, {{1, factor}})};
    return doc;
  };
  ModelDocument plain = beamWithFactor(1);
  const CaseAnalysis unit = AnalyseLoadCases(plain);
  ASSERT_TRUE(unit.Ok());
  double peak = 0;
  for (const TSegmentObject& s : unit.Cases.front().Segments)
    for (const Vector6* v : {&s.DispG, &s.DispL, &s.ForceL, &s.ForceG})
      for (double x : *v)
        peak = std::max(peak, std::fabs(x));
  for (const auto& reaction : unit.Cases.front().Reactions)
    for (double x : reaction)
      peak = std::max(peak, std::fabs(x));
  for (double x : unit.Cases.front().Displacements)
    peak = std::max(peak, std::fabs(x));

  // Within a third of the largest double every sum must still be summed.
  const double fits = 0.3 * std::numeric_limits<double>::max() / peak;
  ModelDocument large = beamWithFactor(fits);
  const CaseAnalysis huge = AnalyseLoadCases(large);
  ASSERT_TRUE(huge.Ok());
  const ResultSet result = CombinationResult(huge, large, 0);
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(result.Segments.front().ForceG[i],
              fits * unit.Cases.front().Segments.front().ForceG[i]);
    EXPECT_EQ(result.Segments.front().DispG[i],
              fits * unit.Cases.front().Segments.front().DispG[i]);
  }

  ModelDocument beyond = beamWithFactor(8 * fits);
  const std::string before = WriteDocumentText(beyond);
  const CaseAnalysis failed = AnalyseLoadCases(beyond);
  EXPECT_EQ(failed.Outcome.Failure, AnalysisFailure::NotFinite);
  EXPECT_TRUE(failed.Cases.empty());
  EXPECT_EQ(WriteDocumentText(beyond), before);
}

TEST(ResultChoice, TextsReadBackAndNonsenseIsTheDefault) {
  for (const ResultChoice& choice :
       {ResultChoice{}, ResultChoice{ResultKind::Case, 3},
        ResultChoice{ResultKind::Combination, 65535},
        ResultChoice{ResultKind::Envelope, 0, CombinationKind::QuasiPermanent}}) {
    EXPECT_EQ(ParseResultChoice(ResultChoiceText(choice)), choice) << ResultChoiceText(choice);
  }
  EXPECT_EQ(ResultChoiceText({ResultKind::Envelope, 0, CombinationKind::Ultimate}), "envelope ULS");
  for (const char* text : {"case", "case x", "case 0", "case 70000", "combination -1", "envelope",
                           "envelope SLS", "everything", " "}) {
    EXPECT_EQ(ParseResultChoice(text), ResultChoice{}) << text;
  }
  EXPECT_EQ(ParseResultChoice("  combination 4 "), (ResultChoice{ResultKind::Combination, 4}));
}

} // namespace
} // namespace strandel
