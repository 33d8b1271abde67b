// The frame's equations, factorised sparse in a fill-reducing order, give what
// the dense elimination gives on the dense compacted system, in any node order.

#include "analysis/frame_system.h"

#include <algorithm>
#include <random>

#include <gtest/gtest.h>

#include "analysis/dense_reference.h"
#include "analysis/solver.h"
#include "analysis/sparse_factor.h"
#include "common/geometry.h"
#include "support/frame_models.h"

namespace strandel {
namespace {

using testing::GridNode;

// A frame with a bit of everything: hinged girders, a node on a girder with a
// point force, a settled support, a roller, self-weight and a wind load.
ModelDocument MixedFrame(int bays, int storeys) {
  ModelDocument doc = testing::GridFrame(bays, storeys, 4.5, 3.2, 6000);
  doc.Settings.OwnWeight = true;
  int beamCount = 0;
  for (TBeamObject& beam : ObjectsOf<TBeamObject>(doc)) {
    if (++beamCount % 7 == 0) beam.Locked1 = false;
    if (beamCount % 11 == 0) beam.Locked2 = false;
  }
  const int girder = bays + 2; // the first floor's second girder
  testing::AddNodeOnBeam(doc, 9000, girder, 0.3);
  testing::AddForce(doc, 1, 9000, 15000, -kPi / 2);
  testing::AddForce(doc, 2, GridNode(bays, 0, storeys), 8000, 0);
  for (TSupportObject& support : ObjectsOf<TSupportObject>(doc)) {
    if (support.Number == 2) support.DY = -0.004;
    if (support.Number == 3) support.Rolled = true, support.Direction = 1;
  }
  return doc;
}

ModelDocument Shuffled(ModelDocument doc, unsigned seed) {
  std::mt19937 random(seed);
  std::shuffle(doc.GraphObjects.begin(), doc.GraphObjects.end(), random);
  return doc;
}

TEST(FrameEquations, TheSolveAgreesWithTheDenseEliminationInAnyNodeOrder) {
  struct Case {
    const char* name;
    ModelDocument doc;
  };
  Case cases[] = {
      {"12 x 8 grid frame", testing::GridFrame(12, 8, 4, 3, 5000)},
      {"mixed frame", MixedFrame(10, 9)},
      {"shuffled mixed frame", Shuffled(MixedFrame(10, 8), 7)},
      {"shuffled grid frame", Shuffled(testing::GridFrame(12, 8, 4, 3, 5000), 11)},
  };
  for (Case& c : cases) {
    const AnalysisOutcome outcome = AnalyseModel(c.doc);
    ASSERT_TRUE(outcome.Ok()) << c.name;
    EXPECT_GT(c.doc.Segments.size(), 80u) << c.name;
    EXPECT_EQ(testing::DisagreementsWithTheDenseSolve(c.doc, outcome), 0) << c.name;
  }
}

// The displacements of every node, by node number.
std::vector<double> DisplacementsByNumber(const ModelDocument& doc,
                                          const AnalysisOutcome& outcome) {
  const NodeTable nodes(doc);
  std::vector<std::pair<long, int>> numbered;
  for (int n = 0; n < nodes.Count(); ++n)
    numbered.emplace_back(nodes.Node(n).Number, n);
  std::sort(numbered.begin(), numbered.end());
  std::vector<double> values;
  for (const auto& [number, n] : numbered)
    for (int f = 0; f < 3; ++f)
      values.push_back(outcome.Displacements[3 * n + f]);
  return values;
}

TEST(FrameEquations, TheLargeFrameSolvesAlikeInEveryNodeOrder) {
  // The 50 x 50 grid frame (7650 unknowns) drawn storey by storey, its nodes
  // listed column by column, and listed at random.
  const auto frame = [] {
    return testing::GridFrame(50, 50, 4, 3, 10000, {0.3, 0.3, 2.1e11, 7850},
                              {0.2, 0.4, 2.1e11, 7850});
  };
  ModelDocument drawn = frame();
  ModelDocument columns = testing::WithNodesInOrder(frame(), testing::NodeOrder::Columns);
  ModelDocument shuffled = testing::WithNodesInOrder(frame(), testing::NodeOrder::Random);
  const AnalysisOutcome reference = AnalyseModel(drawn);
  ASSERT_TRUE(reference.Ok());
  const std::vector<double> expected = DisplacementsByNumber(drawn, reference);
  for (ModelDocument* doc : {&columns, &shuffled}) {
    const AnalysisOutcome outcome = AnalyseModel(*doc);
    ASSERT_TRUE(outcome.Ok());
    EXPECT_NE(outcome.Displacements, reference.Displacements); // the list order differs
    EXPECT_EQ(testing::Disagreements(DisplacementsByNumber(*doc, outcome), expected), 0);
  }
}

TEST(FrameEquations, SupportsBecomeStiffSpringsAndHeldZerosDropOut) {
  // One beam fixed at node 1; node 2 on a pin that prescribes 5 mm along x.
  ModelDocument doc = testing::EmptyModel();
  testing::AddNode(doc, 1, 0, 0);
  testing::AddNode(doc, 2, 2, 0);
  testing::AddBeam(doc, 1, 1, 2);
  testing::AddSupport(doc, 1, 1, false, 3, true);
  testing::AddSupport(doc, 2, 2).DX = 0.005;
  ASSERT_TRUE(AnalyseModel(doc).Ok());
  const FrameSystem system = AssembleFrame(doc, NodeTable(doc));
  // Node 1 is held at zero everywhere, node 2 at zero along y: x and the
  // rotation of node 2 are left.
  EXPECT_EQ(system.Kept, (std::vector<int>{3, 5}));
  const testing::Section section;
  const double ea = section.E * section.Area() / 2;
  const std::vector<LowerEntry> lower = KeptStiffness(system);
  const auto diagonal = std::find_if(lower.begin(), lower.end(), [](const LowerEntry& entry) {
    return entry.Row == 0 && entry.Column == 0;
  });
  ASSERT_NE(diagonal, lower.end());
  EXPECT_EQ(diagonal->Value, ea * kSupportPenalty);
  EXPECT_EQ(system.F[system.Kept[0]], ea * kSupportPenalty * 0.005);
}

} // namespace
} // namespace strandel
