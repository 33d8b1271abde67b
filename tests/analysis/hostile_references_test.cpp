// Objects that refer to nothing, node numbers at the ends of their range, and
// every hostile document kept in tests/data/qsd/fail: the analysis either gives
// the results a hand calculation gives or fails with its reason, and the stray
// objects change nothing.

#include <cmath>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "analysis/beam_curves.h"
#include "analysis/beam_page.h"
#include "analysis/solver.h"
#include "model/document_file.h"
#include "support/frame_models.h"

namespace strandel {
namespace {

using namespace testing;

constexpr double kDown = -kPi / 2;

// A cantilever of 4 m fixed at node 1 with 1000 N down at its tip (node 2).
ModelDocument Cantilever() {
  ModelDocument doc = EmptyModel();
  AddNode(doc, 1, 0, 0);
  AddNode(doc, 2, 4, 0);
  AddBeam(doc, 1, 1, 2);
  AddSupport(doc, 1, 1, false, 3, true);
  AddForce(doc, 1, 2, 1000, kDown);
  return doc;
}

TEST(HostileReferences, ObjectsOnNothingChangeNothing) {
  struct Case {
    const char* name;
    void (*add)(ModelDocument&);
  };
  const Case cases[] = {
      {"load on a missing beam", [](ModelDocument& d) { AddLoad(d, 1, 9, 1, 2, 5000, kDown); }},
      {"support on a missing node", [](ModelDocument& d) { AddSupport(d, 2, 9, false, 3, true); }},
      {"force at a missing node", [](ModelDocument& d) { AddForce(d, 2, 9, 7000, 0); }},
      {"moment at a missing node", [](ModelDocument& d) { AddMoment(d, 1, 9, 300); }},
      {"node on a missing beam", [](ModelDocument& d) { AddNode(d, 3, 2, 0, 9, 0.5); }},
  };
  // Tip deflection P L^3 / (3 E I); the support takes the load and a moment P L.
  const double P = 1000, L = 4;
  const Section section;
  const double tip = -P * L * L * L / (3 * section.E * section.Inertia());
  for (const Case& c : cases) {
    ModelDocument doc = Cantilever();
    c.add(doc);
    const AnalysisOutcome outcome = AnalyseModel(doc);
    ASSERT_TRUE(outcome.Ok()) << c.name;
    EXPECT_NEAR(outcome.Displacements[4], tip, 1e-9 * std::fabs(tip)) << c.name;
    const TSupportObject& fixed = *FindSupport(doc, 1);
    EXPECT_NEAR(fixed.Reactions[0], 0, 1e-9) << c.name;
    EXPECT_NEAR(fixed.Reactions[1], -P, 1e-6) << c.name;
    EXPECT_NEAR(std::fabs(fixed.Reactions[2]), P * L, 1e-6) << c.name;
    // A support on nothing holds nothing.
    if (const TSupportObject* stray = FindSupport(doc, 2)) {
      for (double r : stray->Reactions)
        EXPECT_EQ(r, 0) << c.name;
    }
  }
}

TEST(HostileReferences, NodeNumbersZeroAndTheLargest) {
  // A simply supported beam of 6 m from node 0 to node 65535 with node 32768 at
  // mid-span, 2 kN/m down: reactions q L / 2, mid-span deflection 5 q L^4 / (384 E I).
  const double q = 2000, L = 6;
  const Section section;
  ModelDocument doc = EmptyModel();
  AddNode(doc, 0, 0, 0);
  AddNode(doc, 65535, L, 0);
  AddBeam(doc, 1, 0, 65535);
  AddNode(doc, 32768, L / 2, 0, 1, 0.5);
  AddSupport(doc, 1, 0);
  AddSupport(doc, 2, 65535, true, 1);
  AddLoad(doc, 1, 1, 0, 65535, q, kDown);
  const AnalysisOutcome outcome = AnalyseModel(doc);
  ASSERT_TRUE(outcome.Ok());
  ASSERT_EQ(doc.Segments.size(), 2u);
  EXPECT_EQ(doc.Segments[0].Node1, 0);
  EXPECT_EQ(doc.Segments[1].Node2, 65535);
  const double middle = -5 * q * std::pow(L, 4) / (384 * section.E * section.Inertia());
  EXPECT_NEAR(outcome.Displacements[3 * NodeIndex(doc, 32768) + 1], middle,
              1e-9 * std::fabs(middle));
  for (const TSupportObject& support : ObjectsOf<TSupportObject>(doc))
    EXPECT_NEAR(support.Reactions[1], -q * L / 2, 1e-6);
}

TEST(HostileReferences, ASupportMovedAbsurdlyFarCarriesTheBeamAlong) {
  // A cantilever whose fixed support is moved 1e200 m up: the beam moves with it
  // as a rigid body, every point by 1e200 m, with no force in it.
  ModelDocument doc = Cantilever();
  doc.GraphObjects.pop_back(); // no tip force
  FindSupport(doc, 1)->DY = 1e200;
  const AnalysisOutcome outcome = AnalyseModel(doc);
  ASSERT_TRUE(outcome.Ok());
  // The tip follows through the 1e10 penalty that holds the support: 1e-10 relative.
  EXPECT_NEAR(outcome.Displacements[4], 1e200, 1e191);
  EXPECT_NEAR(BeamMaxDisplacement(doc, 1), 1e200, 1e191);
}

TEST(HostileReferences, ASectionOfNextToNoStiffnessNeverGivesValidInfiniteResults) {
  // A cantilever of 4 m with 1 kN at its tip whose section is so flat that the tip
  // deflection P L^3 / (3 E I) comes near the largest double: as the height falls,
  // the deflection between the ends overflows before the ends themselves do.
  int valid = 0, refused = 0;
  for (int step = 0; step < 24; ++step) {
    ModelDocument doc = Cantilever();
    doc.Settings.LocBuckRed = false;
    TBeamObject& beam = *FindBeam(doc, 1);
    beam.B = 1;
    beam.H = 3e-105 * std::pow(0.97, step);
    const AnalysisOutcome outcome = AnalyseModel(doc);
    if (outcome.Ok()) {
      ++valid;
      EXPECT_TRUE(std::isfinite(BeamMaxDisplacement(doc, 1))) << beam.H;
    } else {
      ++refused;
      EXPECT_EQ(outcome.Failure, AnalysisFailure::NotFinite) << beam.H;
    }
  }
  EXPECT_GT(valid, 0);
  EXPECT_GT(refused, 0);
}

bool Finite(const Vector6& v) {
  for (double x : v)
    if (!std::isfinite(x)) return false;
  return true;
}

TEST(HostileReferences, EveryKeptHostileDocumentEndsInAMessageOrSoundResults) {
  const std::filesystem::path folder = std::string(STRANDEL_TEST_DATA_DIR) + "/qsd/fail";
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    ++files;
    ModelDocument doc;
    const ReadResult read = LoadDocument(entry.path().string(), doc);
    if (!read.ok) {
      EXPECT_FALSE(read.message.empty()) << name;
      continue;
    }
    // What was read is written so that it reads back the same.
    const std::string text = WriteDocumentText(doc);
    ModelDocument again;
    ASSERT_TRUE(ReadDocumentText(text, again).ok) << name;
    EXPECT_EQ(WriteDocumentText(again), text) << name;

    const AnalysisOutcome outcome = AnalyseModel(doc);
    EXPECT_EQ(doc.ResultsValid, outcome.Ok()) << name;
    for (const TSegmentObject& segment : doc.Segments)
      EXPECT_TRUE(Finite(segment.ForceG) && Finite(segment.DispG) && segment.Length > 0) << name;
    if (!outcome.Ok()) {
      EXPECT_TRUE(doc.Segments.empty()) << name;
    }
    for (const TSupportObject& support : ObjectsOf<TSupportObject>(doc))
      EXPECT_TRUE(std::isfinite(support.Reactions[0] + support.Reactions[1] + support.Reactions[2]))
          << name;
    BeamPage page;
    const AppSettings settings;
    for (const TBeamObject& beam : ObjectsOf<TBeamObject>(doc)) {
      doc.Settings.FBDBeamNo = beam.Number;
      UpdateBeamPage(page, doc, settings);
      EXPECT_TRUE(!outcome.Ok() || std::isfinite(BeamMaxDisplacement(doc, beam.Number))) << name;
    }
  }
  EXPECT_GE(files, 10);
}

} // namespace
} // namespace strandel
