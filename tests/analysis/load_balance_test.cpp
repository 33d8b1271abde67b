// The balance of loads and reactions that every solved frame must pass: solved
// frames balance to rounding wherever they stand, and a reaction that is off
// shows.

#include "analysis/load_balance.h"

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/solver.h"
#include "unstable_frames.h"

namespace strandel {
namespace {

double Imbalance(const ModelDocument& doc) {
  const NodeTable nodes(doc);
  return CheckLoadBalance(doc, nodes, AssembleFrame(doc, nodes)).Imbalance;
}

void MoveModel(ModelDocument& doc, double dx, double dy) {
  for (TNodeObject& node : ObjectsOf<TNodeObject>(doc))
    node.X += dx, node.Y += dy;
  for (TBeamObject& beam : ObjectsOf<TBeamObject>(doc))
    beam.X1 += dx, beam.X2 += dx, beam.Y1 += dy, beam.Y2 += dy;
}

TEST(LoadBalance, SolvedFramesBalanceToRounding) {
  struct Case {
    const char* name;
    ModelDocument doc;
    double within = 1e-12;
  };
  std::vector<Case> cases;
  cases.push_back({"simply supported beam", testing::SimplySupportedBeam(6, 2000)});

  // Standing on the origin, a column's moments about it are nearly zero, yet
  // rounding leaves a little of its weight times its height.
  ModelDocument column = testing::EmptyModel();
  column.Settings.OwnWeight = true;
  testing::AddNode(column, 1, 0, 0);
  testing::AddNode(column, 2, 0, 4);
  testing::AddBeam(column, 1, 1, 2);
  testing::AddSupport(column, 1, 1, false, 3, true);
  cases.push_back({"column under its own weight", std::move(column)});

  // No load at all: the supports' settlements balance each other. The stiff
  // springs that impose them hold the settled nodes only to 1e-10 of the
  // settlement, which the frame around them feels.
  ModelDocument settled = testing::GridFrame(4, 3, 4, 3, 0);
  FindSupport(settled, 2)->DY = -0.02;
  FindSupport(settled, 4)->DX = 0.01;
  cases.push_back({"settlements alone", std::move(settled), 1e-8});

  // 10 km from the origin the moments about it are large and must still cancel.
  ModelDocument far = testing::GridFrame(4, 3, 4, 3, 8000);
  testing::AddForce(far, 1, testing::GridNode(4, 0, 3), 5000, 0);
  MoveModel(far, 1e4, 5e3);
  cases.push_back({"frame far from the origin", std::move(far)});

  // A moment on the apex of a pin-jointed truss turns only the hinge there: the
  // structure does not carry it, and the supports take nothing of it.
  ModelDocument truss = testing::TwoPanelTruss(true);
  testing::AddMoment(truss, 1, 5, 3000);
  cases.push_back({"truss with a moment on a hinge", std::move(truss)});

  for (Case& c : cases) {
    ASSERT_TRUE(AnalyseModel(c.doc).Ok()) << c.name;
    EXPECT_LT(Imbalance(c.doc), c.within) << c.name;
  }
}

TEST(LoadBalance, AReactionThatIsOffShows) {
  // q = 2 kN/m over L = 6 m, in two stretches: the loads are qL/2 down at L/4 and
  // at 3L/4, the two reactions qL/2 each. Moments are taken about the middle of
  // the beam and counted over its half-length L/2. Taking 1 % off the reaction at
  // node 3 leaves 0.005 qL unbalanced, against forces of qL (loads) and 0.995 qL
  // (reactions) and moments of 2 (L/4)(qL/2) (loads) and (L/2)(qL/2)(1 + 0.99)
  // (reactions) over L/2: qL/2 and 0.995 qL.
  const double q = 2000, L = 6;
  ModelDocument doc = testing::SimplySupportedBeam(L, q);
  ASSERT_TRUE(AnalyseModel(doc).Ok());
  FindSupport(doc, 2)->Reactions[1] *= 0.99;
  EXPECT_NEAR(Imbalance(doc), 0.005 / (1 + 0.995 + 0.5 + 0.995), 1e-9);

  // A moment the support does not report: M = 100 Nm against the same sizes,
  // all counted as moments: the forces 2 qL times L/2 and the moments qL^2/4,
  // qL^2/2 and 100 Nm.
  ASSERT_TRUE(AnalyseModel(doc).Ok());
  FindSupport(doc, 1)->Reactions[2] = 100;
  const double momentSize = (L / 2) * 2 * q * L + q * L * L / 4 + q * L * L / 2 + 100;
  EXPECT_NEAR(Imbalance(doc), 100 / momentSize, 1e-9 * 100 / momentSize);
  EXPECT_FALSE(LoadBalance{2 * kLoadImbalanceTolerance}.Balanced());
  EXPECT_TRUE(LoadBalance{kLoadImbalanceTolerance}.Balanced());
}

} // namespace
} // namespace strandel
