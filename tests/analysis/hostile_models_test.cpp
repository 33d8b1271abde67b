// Models no editor would make — beams to missing nodes, nodes on beams at odd
// positions, coinciding nodes, supports and loads on nothing — never crash the
// analysis or the beam page, and never leave garbage: a run either succeeds with
// finite results or fails with an empty segment list.

#include <cmath>
#include <random>

#include <gtest/gtest.h>

#include "analysis/beam_curves.h"
#include "analysis/beam_page.h"
#include "analysis/solver.h"
#include "support/frame_models.h"

namespace strandel {
namespace {

ModelDocument RandomModel(std::mt19937& random) {
  std::uniform_int_distribution<int> count(0, 9);
  std::uniform_int_distribution<int> number(0, 12); // some numbers name nothing
  std::uniform_real_distribution<double> coordinate(-3, 3);
  std::uniform_real_distribution<double> position(-0.5, 1.5);
  std::bernoulli_distribution coin(0.5);
  ModelDocument doc = testing::EmptyModel();
  doc.Settings.OwnWeight = coin(random);
  doc.Settings.LocBuckRed = coin(random);
  const int nodes = count(random);
  for (int i = 1; i <= nodes; ++i) {
    // Every fourth node repeats the previous one's place.
    const double x = i % 4 == 0 ? 0 : std::round(coordinate(random));
    testing::AddNode(doc, i, x, i % 4 == 0 ? 0 : std::round(coordinate(random)));
  }
  const int beams = count(random);
  for (int i = 1; i <= beams; ++i) {
    TBeamObject& beam =
        testing::AddBeam(doc, i, number(random), number(random), coin(random), coin(random));
    if (i % 5 == 0) beam.Ek = 0;
    if (i % 7 == 0) beam.ShapeNo = 3, beam.TL = 0.2; // a tube wall past the middle
  }
  for (int i = 0; i < 3; ++i) {
    TNodeObject& node =
        testing::AddNode(doc, nodes + 1 + i, coordinate(random), coordinate(random));
    node.HostBeam = number(random);
    node.PositionOnBeam = position(random);
  }
  const int supports = count(random), loads = count(random), forces = count(random);
  const int moments = count(random) / 3;
  for (int i = 1; i <= supports; ++i) {
    TSupportObject& support = testing::AddSupport(doc, i, number(random), coin(random),
                                                  1 + number(random) % 4, coin(random));
    if (coin(random)) support.DX = 0.01;
  }
  for (int i = 1; i <= loads; ++i)
    testing::AddLoad(doc, i, number(random), number(random), number(random), 1000,
                     coordinate(random));
  for (int i = 1; i <= forces; ++i)
    testing::AddForce(doc, i, number(random), 500, coordinate(random));
  for (int i = 1; i <= moments; ++i)
    testing::AddMoment(doc, i, number(random), 200);
  return doc;
}

bool Finite(const Vector6& v) {
  for (double x : v)
    if (!std::isfinite(x)) return false;
  return true;
}

TEST(HostileModels, AnalysisAndBeamPageStaySound) {
  std::mt19937 random(424242);
  int solved = 0, failed = 0;
  for (int run = 0; run < 400; ++run) {
    ModelDocument doc = RandomModel(random);
    const AnalysisOutcome outcome = AnalyseModel(doc);
    if (outcome.Ok()) {
      ++solved;
      EXPECT_TRUE(doc.ResultsValid);
      for (const TSegmentObject& segment : doc.Segments) {
        ASSERT_TRUE(Finite(segment.DispG) && Finite(segment.ForceL) && Finite(segment.ForceG))
            << "run " << run;
        ASSERT_GT(segment.Length, 0) << "run " << run;
      }
      for (double u : outcome.Displacements)
        ASSERT_TRUE(std::isfinite(u)) << "run " << run;
    } else {
      ++failed;
      EXPECT_FALSE(doc.ResultsValid && outcome.Analysed) << "run " << run;
      if (outcome.Analysed) {
        EXPECT_TRUE(doc.Segments.empty()) << "run " << run;
      }
    }
    for (const TSupportObject& support : ObjectsOf<TSupportObject>(doc))
      ASSERT_TRUE(std::isfinite(support.Reactions[0]) && std::isfinite(support.Reactions[1]) &&
                  std::isfinite(support.Reactions[2]));
    // Every beam's page, and one for a beam that is not there.
    BeamPage page;
    AppSettings settings;
    for (const TBeamObject& beam : ObjectsOf<TBeamObject>(doc)) {
      doc.Settings.FBDBeamNo = beam.Number;
      UpdateBeamPage(page, doc, settings);
      BeamMaxDisplacement(doc, beam.Number);
    }
    doc.Settings.FBDBeamNo = 99;
    UpdateBeamPage(page, doc, settings);
    DeflectionDrawScale(doc, 6);
  }
  // Both outcomes are exercised.
  EXPECT_GT(solved, 10);
  EXPECT_GT(failed, 20);
}

} // namespace
} // namespace strandel
