// Frames that stand are solved whatever loads them: moments alone, a moment on
// a hinged support, settlements that move them as a whole, forces of any size.
// Each of these was once refused as unstable, because the check of the
// reactions measured rounding against rounding.

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/matrix_helpers.h"
#include "analysis/solver.h"
#include "support/frame_models.h"
#include "unstable_frames.h"

namespace strandel {
namespace {

using testing::AddBeam;
using testing::AddForce;
using testing::AddMoment;
using testing::AddNode;
using testing::AddSupport;

double At(const ModelDocument& doc, const AnalysisOutcome& outcome, int node, Freedom freedom) {
  return outcome.Displacements[3 * testing::NodeIndex(doc, node) + static_cast<int>(freedom)];
}

TEST(StabilityVerdict, FixedBeamUnderTwoOppositeMoments) {
  // A beam of 6 m fixed at both ends, nodes at every 2 m, +20 kNm at x = 2 m and
  // -20 kNm at x = 4 m (anaStruct's example 12). A moment M0 at a from the left
  // (b = L - a) fixes the ends with M0 b (2a - b) / L^2 and M0 a (2b - a) / L^2
  // and lifts them by 6 M0 a b / L^3. Here the first moment gives 0 and
  // 6.667 kNm, the second -6.667 kNm and 0; the lifts cancel. In a soft
  // material (E = 1 MPa, 0.1 x 0.9 m) the vertical reactions are 1e-12 N of
  // rounding, which the check of the reactions once measured against
  // themselves and refused.
  ModelDocument doc = testing::EmptyModel();
  for (int i = 1; i <= 4; ++i)
    AddNode(doc, i, 2.0 * (i - 1), 0);
  const testing::Section soft{0.1, 0.9, 1e6, 500};
  for (int i = 1; i <= 3; ++i)
    AddBeam(doc, i, i, i + 1, true, true, soft);
  AddSupport(doc, 1, 1, false, 3, true);
  AddSupport(doc, 2, 4, false, 3, true);
  AddMoment(doc, 1, 2, 20000);
  AddMoment(doc, 2, 3, -20000);
  const AnalysisOutcome outcome = AnalyseModel(doc);
  ASSERT_TRUE(outcome.Ok()) << FailureReason(outcome.Failure) << " at node " << outcome.Node;
  const double endMoment = 20000.0 * 2 * (2 * 4 - 2) / 36; // 6666.67 Nm
  const TSupportObject& left = *FindSupport(doc, 1);
  const TSupportObject& right = *FindSupport(doc, 2);
  EXPECT_NEAR(std::fabs(left.Reactions[2]), endMoment, 1e-6 * endMoment);
  EXPECT_NEAR(std::fabs(right.Reactions[2]), endMoment, 1e-6 * endMoment);
  EXPECT_NEAR(left.Reactions[2], -right.Reactions[2], 1e-6 * endMoment);
  for (const TSupportObject* support : {&left, &right}) {
    EXPECT_NEAR(support->Reactions[0], 0, 1e-9 * endMoment);
    EXPECT_NEAR(support->Reactions[1], 0, 1e-6 * endMoment);
  }
  // The loading is its own mirror image about the middle: the inner nodes rise
  // alike and turn opposite ways.
  const double rise = At(doc, outcome, 2, Freedom::Y);
  EXPECT_NEAR(At(doc, outcome, 3, Freedom::Y), rise, 1e-12 * std::fabs(rise));
  const double turn = At(doc, outcome, 2, Freedom::Rotation);
  EXPECT_NEAR(At(doc, outcome, 3, Freedom::Rotation), -turn, 1e-12 * std::fabs(turn));
}

TEST(StabilityVerdict, MomentOnASupportWhereEveryEndIsHinged) {
  // The pinned truss of two panels with a moment on its pin, where only bars
  // meet: the moment turns the hinge and goes straight into the support, which
  // reports it with the other point loads at its node. The truss carries the
  // same forces as without it.
  ModelDocument plain = testing::TwoPanelTruss(true);
  ASSERT_TRUE(AnalyseModel(plain).Ok());
  ModelDocument doc = testing::TwoPanelTruss(true);
  AddMoment(doc, 1, 1, 3000);
  const AnalysisOutcome outcome = AnalyseModel(doc);
  ASSERT_TRUE(outcome.Ok()) << FailureReason(outcome.Failure) << " at node " << outcome.Node;
  EXPECT_EQ(FindSupport(doc, 1)->Reactions[2], 3000);
  for (int i = 0; i < 2; ++i)
    EXPECT_EQ(FindSupport(doc, 1)->Reactions[i], FindSupport(plain, 1)->Reactions[i]);
  EXPECT_EQ(At(doc, outcome, 1, Freedom::Rotation), 0);
}

TEST(StabilityVerdict, SettlementsThatMoveTheFrameAsAWhole) {
  // A frame that is held just enough moves rigidly when its supports settle:
  // every node follows the settlement and no force arises. The stiff springs
  // that impose settlements miss them by 1e-10, so displacements agree to
  // 1e-11 m and the reactions stay below 0.01 N, against the tens of kilonewtons
  // the same settlements would take to bend the members.
  struct Case {
    const char* name;
    ModelDocument doc;
    int node; // a free node and where it must move
    double x, y, turn;
  };
  std::vector<Case> cases;
  {
    // A cantilever of 3 m whose fixed end sinks 20 mm and turns 0.01 rad: its
    // tip sinks 20 mm and rises 3 m x 0.01.
    ModelDocument doc = testing::EmptyModel();
    AddNode(doc, 1, 0, 0);
    AddNode(doc, 2, 3, 0);
    AddBeam(doc, 1, 1, 2);
    TSupportObject& fixed = AddSupport(doc, 1, 1, false, 3, true);
    fixed.DY = -0.02;
    fixed.DRot = 0.01;
    cases.push_back({"cantilever", std::move(doc), 2, 0, -0.02 + 3 * 0.01, 0.01});
  }
  {
    // A simply supported beam of 6 m whose roller end sinks 30 mm: it turns
    // about its pin by -0.005 rad, its middle sinks 15 mm.
    ModelDocument doc = testing::SimplySupportedBeam(6, 0);
    FindSupport(doc, 2)->DY = -0.03;
    cases.push_back({"simply supported beam", std::move(doc), 2, 0, -0.015, -0.005});
  }
  {
    // A portal on a pin and a roller, both settling 10 mm: it sinks as a whole.
    ModelDocument doc = testing::PortalOnRollers(1);
    FindSupport(doc, 1)->Locked = false;
    FindSupport(doc, 1)->Rolled = false;
    FindSupport(doc, 1)->DY = -0.01;
    FindSupport(doc, 2)->DY = -0.01;
    std::erase_if(doc.GraphObjects, [](const std::unique_ptr<GraphObject>& object) {
      return std::holds_alternative<TForceObject>(*object);
    });
    cases.push_back({"portal", std::move(doc), 3, 0, -0.01, 0});
  }
  for (Case& c : cases) {
    const AnalysisOutcome outcome = AnalyseModel(c.doc);
    ASSERT_TRUE(outcome.Ok()) << c.name << ": " << FailureReason(outcome.Failure);
    EXPECT_NEAR(At(c.doc, outcome, c.node, Freedom::X), c.x, 1e-11) << c.name;
    EXPECT_NEAR(At(c.doc, outcome, c.node, Freedom::Y), c.y, 1e-11) << c.name;
    EXPECT_NEAR(At(c.doc, outcome, c.node, Freedom::Rotation), c.turn, 1e-11) << c.name;
    for (const TSupportObject& support : ObjectsOf<TSupportObject>(c.doc))
      for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(support.Reactions[i], 0, 1e-2) << c.name << " support " << support.Number;
  }
}

TEST(StabilityVerdict, LoadsScaledByAPowerOfTwoScaleEveryResult) {
  // Scaling every load by a power of two is exact, and so is every result of a
  // linear frame, down to forces of 1e-180 N and up to 1e180 N: bit for bit.
  auto portal = [](int exponent) {
    ModelDocument doc = testing::SwayPortal(false);
    for (TForceObject& force : ObjectsOf<TForceObject>(doc))
      force.Value = std::ldexp(force.Value, exponent);
    AddMoment(doc, 1, 3, std::ldexp(5000.0, exponent));
    return doc;
  };
  ModelDocument base = portal(0);
  const AnalysisOutcome unscaled = AnalyseModel(base);
  ASSERT_TRUE(unscaled.Ok());
  for (int exponent : {-600, -60, -1, 3, 60, 600}) {
    ModelDocument doc = portal(exponent);
    const AnalysisOutcome scaled = AnalyseModel(doc);
    ASSERT_TRUE(scaled.Ok()) << exponent;
    int differing = 0;
    for (std::size_t d = 0; d < scaled.Displacements.size(); ++d)
      differing += !testing::SameBits(scaled.Displacements[d],
                                      std::ldexp(unscaled.Displacements[d], exponent));
    for (std::size_t s = 0; s < doc.Segments.size(); ++s)
      for (int i = 0; i < 6; ++i)
        differing += !testing::SameBits(doc.Segments[s].ForceG[i],
                                        std::ldexp(base.Segments[s].ForceG[i], exponent));
    EXPECT_EQ(differing, 0) << exponent;
  }
}

TEST(StabilityVerdict, AForceOfTenToTheMinus320Newtons) {
  // Below the smallest normal double the displacements would vanish and the
  // reactions with them. Solved scaled, the supports take the force: the two
  // pins share 1e-320 N pulling sideways at the top of the portal, within the
  // 5e-324 N steps of the doubles that small.
  ModelDocument doc = testing::SwayPortal(false);
  std::erase_if(doc.GraphObjects, [](const std::unique_ptr<GraphObject>& object) {
    return std::holds_alternative<TForceObject>(*object);
  });
  AddForce(doc, 1, 2, 1e-320, 0);
  const AnalysisOutcome outcome = AnalyseModel(doc);
  ASSERT_TRUE(outcome.Ok()) << FailureReason(outcome.Failure);
  const double taken = FindSupport(doc, 1)->Reactions[0] + FindSupport(doc, 2)->Reactions[0];
  EXPECT_NEAR(taken, 1e-320, 4 * 4.9e-324);
  EXPECT_LT(FindSupport(doc, 1)->Reactions[0], 0.9e-320); // each pin takes a share
  EXPECT_GT(FindSupport(doc, 1)->Reactions[0], 0.1e-320);
}

} // namespace
} // namespace strandel
