// The frame solver against textbook results worked out by hand.

#include "analysis/solver.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <random>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "common/geometry.h"
#include "support/frame_models.h"

namespace strandel {
namespace {

using testing::AddBeam;
using testing::AddForce;
using testing::AddLoad;
using testing::AddMoment;
using testing::AddNode;
using testing::AddNodeOnBeam;
using testing::AddSupport;
using testing::EmptyModel;
using testing::Section;

double Displacement(const ModelDocument& doc, const AnalysisOutcome& outcome, int node,
                    Freedom freedom) {
  return outcome.Displacements[3 * testing::NodeIndex(doc, node) + static_cast<int>(freedom)];
}

const TSegmentObject& SegmentOf(const ModelDocument& doc, int beam, int number) {
  for (const TSegmentObject& segment : doc.Segments)
    if (segment.BeamNo == beam && segment.SegmentNo == number) return segment;
  ADD_FAILURE() << "no segment " << number << " of beam " << beam;
  return doc.Segments.front();
}

// The axial force of a stretch, tension positive: the start node pulls the
// piece backwards along its axis.
double AxialForce(const TSegmentObject& segment) {
  return -segment.ForceL[0];
}

TEST(FrameSolver, SimplySupportedBeamUnderUniformLoad) {
  // q = 2 kN/m over L = 6 m, steel 0.1 x 0.2 m.
  const double q = 2000, L = 6;
  const Section section;
  const double EI = section.E * section.Inertia();
  ModelDocument doc = testing::SimplySupportedBeam(L, q, section);
  const AnalysisOutcome outcome = AnalyseModel(doc);
  ASSERT_TRUE(outcome.Ok());
  ASSERT_TRUE(doc.ResultsValid);
  ASSERT_EQ(doc.Segments.size(), 2u);

  // Each support takes half the load; the structure pushes down on it.
  for (const TSupportObject& support : ObjectsOf<TSupportObject>(doc)) {
    EXPECT_NEAR(support.Reactions[1], -q * L / 2, 1e-9 * q * L) << support.Number;
    EXPECT_NEAR(support.Reactions[0], 0, 1e-9 * q * L);
    EXPECT_EQ(support.Reactions[2], 0);
  }
  const double midSpan = -5 * q * std::pow(L, 4) / (384 * EI);
  EXPECT_NEAR(Displacement(doc, outcome, 2, Freedom::Y), midSpan, 1e-10 * std::fabs(midSpan));
  // The moment at mid-span, where the two stretches meet, is qL^2/8.
  EXPECT_NEAR(std::fabs(SegmentOf(doc, 1, 1).ForceL[5]), q * L * L / 8, 1e-9 * q * L * L);
  EXPECT_NEAR(std::fabs(SegmentOf(doc, 1, 2).ForceL[2]), q * L * L / 8, 1e-9 * q * L * L);
  // The load covers each stretch entirely: q along local -y on both halves.
  EXPECT_NEAR(SegmentOf(doc, 1, 1).Py, -q, 1e-9);
  EXPECT_NEAR(SegmentOf(doc, 1, 2).Py, -q, 1e-9);
}

TEST(FrameSolver, CantileverWithEndForce) {
  // P = 1 kN down at the tip of L = 3 m.
  const double P = 1000, L = 3;
  const Section section;
  const double EI = section.E * section.Inertia();
  ModelDocument doc = EmptyModel();
  AddNode(doc, 1, 0, 0);
  AddNode(doc, 2, L, 0);
  AddBeam(doc, 1, 1, 2);
  AddSupport(doc, 1, 1, false, 3, /*locked=*/true);
  AddForce(doc, 1, 2, P, -kPi / 2);
  const AnalysisOutcome outcome = AnalyseModel(doc);
  ASSERT_TRUE(outcome.Ok());
  const double tip = -P * L * L * L / (3 * EI);
  EXPECT_NEAR(Displacement(doc, outcome, 2, Freedom::Y), tip, 1e-10 * std::fabs(tip));
  EXPECT_NEAR(Displacement(doc, outcome, 2, Freedom::Rotation), -P * L * L / (2 * EI), 1e-12);
  // The structure pulls the support down and turns it clockwise.
  const TSupportObject& support = *FindSupport(doc, 1);
  EXPECT_NEAR(support.Reactions[1], -P, 1e-9 * P);
  EXPECT_NEAR(support.Reactions[2], -P * L, 1e-9 * P * L);
}

TEST(FrameSolver, PinJointedTrussByTheMethodOfJoints) {
  // A 3-4-5 triangle: span 8 m, apex 3 m high, P = 12 kN down at the apex.
  // Apex: 2 F (3/5) = -P, so both rafters carry F = -5P/6 (compression).
  // Left support: the tie balances the rafter's horizontal part, T = 5P/6 * 4/5.
  const double P = 12000;
  auto truss = [P] {
    ModelDocument doc = EmptyModel();
    AddNode(doc, 1, 0, 0);
    AddNode(doc, 2, 8, 0);
    AddNode(doc, 3, 4, 3);
    AddBeam(doc, 1, 1, 3, false, false);
    AddBeam(doc, 2, 3, 2, false, false);
    AddBeam(doc, 3, 1, 2, false, false);
    AddSupport(doc, 1, 1);
    AddSupport(doc, 2, 2, /*rolled=*/true, /*direction=*/3);
    AddForce(doc, 1, 3, P, -kPi / 2);
    return doc;
  };
  ModelDocument doc = truss();
  const AnalysisOutcome outcome = AnalyseModel(doc);
  ASSERT_TRUE(outcome.Ok());
  EXPECT_NEAR(AxialForce(SegmentOf(doc, 1, 1)), -5 * P / 6, 1e-6);
  EXPECT_NEAR(AxialForce(SegmentOf(doc, 2, 1)), -5 * P / 6, 1e-6);
  EXPECT_NEAR(AxialForce(SegmentOf(doc, 3, 1)), 2 * P / 3, 1e-6);
  for (const TSegmentObject& segment : doc.Segments) {
    // A bar carries no shear and no moment.
    EXPECT_NEAR(segment.ForceL[1], 0, 1e-6);
    EXPECT_EQ(segment.ForceL[2], 0);
    EXPECT_EQ(segment.ForceL[5], 0);
  }
  EXPECT_NEAR(FindSupport(doc, 1)->Reactions[1], -P / 2, 1e-6);
  EXPECT_NEAR(FindSupport(doc, 2)->Reactions[1], -P / 2, 1e-6);
  EXPECT_NEAR(FindSupport(doc, 1)->Reactions[0], 0, 1e-6);
  // Every joint is a hinge: no rotation is solved for.
  EXPECT_EQ(Displacement(doc, outcome, 3, Freedom::Rotation), 0);

  // A moment on the apex, where every stretch is hinged, turns only the hinge.
  ModelDocument withMoment = truss();
  AddMoment(withMoment, 1, 3, 5000);
  const AnalysisOutcome turned = AnalyseModel(withMoment);
  ASSERT_TRUE(turned.Ok());
  EXPECT_EQ(turned.Displacements, outcome.Displacements);
  ASSERT_EQ(withMoment.Segments.size(), doc.Segments.size());
  for (std::size_t i = 0; i < doc.Segments.size(); ++i)
    EXPECT_EQ(withMoment.Segments[i].ForceG, doc.Segments[i].ForceG);
}

TEST(FrameSolver, BarPassesItsTransverseLoadToItsEndsAsHalves) {
  // A bar (both ends hinged) of 4 m on two pins under 3 kN/m across it: each end
  // takes half, the bar itself carries no shear and no moment.
  const double L = 4, q = 3000;
  ModelDocument doc = EmptyModel();
  AddNode(doc, 1, 0, 0);
  AddNode(doc, 2, L, 0);
  AddBeam(doc, 1, 1, 2, false, false);
  AddSupport(doc, 1, 1);
  AddSupport(doc, 2, 2);
  AddLoad(doc, 1, 1, 1, 2, q, -kPi / 2);
  ASSERT_TRUE(AnalyseModel(doc).Ok());
  const TSegmentObject& bar = doc.Segments[0];
  EXPECT_NEAR(bar.EqLoadL[1], -q * L / 2, 1e-9);
  EXPECT_NEAR(bar.EqLoadL[4], -q * L / 2, 1e-9);
  EXPECT_EQ(bar.EqLoadL[2], 0);
  EXPECT_EQ(bar.EqLoadL[5], 0);
  EXPECT_NEAR(FindSupport(doc, 1)->Reactions[1], -q * L / 2, 1e-9);
  EXPECT_NEAR(FindSupport(doc, 2)->Reactions[1], -q * L / 2, 1e-9);
  EXPECT_NEAR(AxialForce(bar), 0, 1e-9);
  EXPECT_EQ(bar.ForceL[2], 0);
  EXPECT_EQ(bar.ForceL[5], 0);
}

TEST(FrameSolver, PortalFrameSwaysAsTheSlopeDeflectionMethodSays) {
  // Fixed bases, rigid corners, columns h = 3 m, girder L = 5 m, same section,
  // H = 10 kN at the top left. With k = (I/L)/(I/h) the sway stiffness of
  // inextensible members is 24 EI/h^3 (6k + 1)/(6k + 4). The girder passes half
  // the load to the far column and shortens by (H/2) L/EA, so the mean of the two
  // top displacements is the one to compare.
  const double h = 3, L = 5, H = 10000;
  const Section section;
  const double EI = section.E * section.Inertia();
  ModelDocument doc = EmptyModel();
  AddNode(doc, 1, 0, 0);
  AddNode(doc, 2, 0, h);
  AddNode(doc, 3, L, h);
  AddNode(doc, 4, L, 0);
  AddBeam(doc, 1, 1, 2);
  AddBeam(doc, 2, 2, 3);
  AddBeam(doc, 3, 4, 3);
  AddSupport(doc, 1, 1, false, 3, true);
  AddSupport(doc, 2, 4, false, 3, true);
  AddForce(doc, 1, 2, H, 0);
  const AnalysisOutcome outcome = AnalyseModel(doc);
  ASSERT_TRUE(outcome.Ok());
  const double k = h / L;
  const double sway = H * h * h * h / (24 * EI) * (6 * k + 4) / (6 * k + 1);
  const double top = Displacement(doc, outcome, 2, Freedom::X);
  const double farTop = Displacement(doc, outcome, 3, Freedom::X);
  EXPECT_NEAR((top + farTop) / 2, sway, 1e-3 * sway);
  const double shortening = H / 2 * L / (section.E * section.Area());
  EXPECT_NEAR(top - farTop, shortening, 1e-2 * shortening);
  // Base moment 2 EI/h (theta - 3 psi) with theta = 6 psi/(6k + 4), psi = sway/h.
  const double psi = (top + farTop) / 2 / h, theta = 6 * psi / (6 * k + 4);
  const double baseMoment = 2 * EI / h * (theta - 3 * psi);
  const double meanBaseMoment = (std::fabs(FindSupport(doc, 1)->Reactions[2]) +
                                 std::fabs(FindSupport(doc, 2)->Reactions[2])) /
                                2;
  EXPECT_NEAR(meanBaseMoment, std::fabs(baseMoment), 1e-3 * std::fabs(baseMoment));
  // The supports together take the whole horizontal load.
  EXPECT_NEAR(FindSupport(doc, 1)->Reactions[0] + FindSupport(doc, 2)->Reactions[0], H, 1e-9 * H);
  EXPECT_NEAR(FindSupport(doc, 1)->Reactions[1] + FindSupport(doc, 2)->Reactions[1], 0, 1e-6);
}

TEST(FrameSolver, RollersHoldOnlyTheirDirection) {
  // A beam L = 2 m fixed at node 1; at node 2 a roller and a force of 1 kN in x
  // and 1 kN in y. Holding y, the beam only stretches: u = F L/(EA). Holding x,
  // the free end bends like a cantilever, P L^3/(3EI); locked as well, the end
  // slides without turning, P L^3/(12EI).
  const double L = 2, F = 1000;
  const Section section;
  const double EA = section.E * section.Area(), EI = section.E * section.Inertia();
  struct Case {
    int direction;
    bool locked;
    double ux, uy;
    double reactionX, reactionY;
  };
  const Case cases[] = {
      {1, false, F * L / EA, 0, 0, F},
      {3, false, F * L / EA, 0, 0, F},
      {2, false, 0, F * L * L * L / (3 * EI), F, 0},
      {4, false, 0, F * L * L * L / (3 * EI), F, 0},
      {2, true, 0, F * L * L * L / (12 * EI), F, 0},
  };
  for (const Case& c : cases) {
    ModelDocument doc = EmptyModel();
    AddNode(doc, 1, 0, 0);
    AddNode(doc, 2, L, 0);
    AddBeam(doc, 1, 1, 2);
    AddSupport(doc, 1, 1, false, 3, true);
    AddSupport(doc, 2, 2, /*rolled=*/true, c.direction, c.locked);
    AddForce(doc, 1, 2, F * std::sqrt(2.0), kPi / 4);
    const AnalysisOutcome outcome = AnalyseModel(doc);
    ASSERT_TRUE(outcome.Ok()) << c.direction;
    EXPECT_NEAR(Displacement(doc, outcome, 2, Freedom::X), c.ux, 1e-9 * (c.ux + 1e-9))
        << c.direction;
    EXPECT_NEAR(Displacement(doc, outcome, 2, Freedom::Y), c.uy, 1e-9 * (c.uy + 1e-9))
        << c.direction;
    if (c.locked) {
      EXPECT_EQ(Displacement(doc, outcome, 2, Freedom::Rotation), 0);
    }
    const TSupportObject& roller = *FindSupport(doc, 2);
    EXPECT_NEAR(roller.Reactions[0], c.reactionX, 1e-6) << c.direction;
    EXPECT_NEAR(roller.Reactions[1], c.reactionY, 1e-6) << c.direction;
  }
}

TEST(FrameSolver, PrescribedSupportDisplacements) {
  // Fixed at node 1; node 2 at L = 4 m settles by 10 mm on a pin: the propped
  // beam resists with 3 EI d/L^3 at the pin and 3 EI d/L^2 at the fixed end.
  const double L = 4, d = 0.01;
  const Section section;
  const double EI = section.E * section.Inertia();
  ModelDocument doc = EmptyModel();
  AddNode(doc, 1, 0, 0);
  AddNode(doc, 2, L, 0);
  AddBeam(doc, 1, 1, 2);
  AddSupport(doc, 1, 1, false, 3, true);
  AddSupport(doc, 2, 2).DY = -d;
  AnalysisOutcome outcome = AnalyseModel(doc);
  ASSERT_TRUE(outcome.Ok());
  EXPECT_EQ(Displacement(doc, outcome, 2, Freedom::Y), -d); // written exactly
  EXPECT_EQ(Displacement(doc, outcome, 2, Freedom::X), 0);  // held at exactly zero
  // The 1e10 spring holding the settled pin leaves a relative error near 1e-10.
  EXPECT_NEAR(FindSupport(doc, 2)->Reactions[1], 3 * EI * d / (L * L * L), 1e-8 * 6562.5);
  EXPECT_NEAR(std::fabs(FindSupport(doc, 1)->Reactions[2]), 3 * EI * d / (L * L), 1e-8 * 26250);

  // Turning the fixed end at node 2 by 1 mrad: 4 EI t/L there, 2 EI t/L at node 1.
  const double turn = 0.001;
  ModelDocument turned = EmptyModel();
  AddNode(turned, 1, 0, 0);
  AddNode(turned, 2, L, 0);
  AddBeam(turned, 1, 1, 2);
  AddSupport(turned, 1, 1, false, 3, true);
  AddSupport(turned, 2, 2, false, 3, true).DRot = turn;
  outcome = AnalyseModel(turned);
  ASSERT_TRUE(outcome.Ok());
  EXPECT_EQ(Displacement(turned, outcome, 2, Freedom::Rotation), turn);
  EXPECT_NEAR(std::fabs(FindSupport(turned, 2)->Reactions[2]), 4 * EI * turn / L, 1e-8 * 14000);
  EXPECT_NEAR(std::fabs(FindSupport(turned, 1)->Reactions[2]), 2 * EI * turn / L, 1e-8 * 7000);
}

TEST(FrameSolver, NodeOnABeamJoinsItRigidly) {
  // A beam hinged at both its own ends would be a bar; the node on it at
  // mid-span joins the halves rigidly, so P there bends a simple beam:
  // P L^3/(48 EI).
  const double L = 5, P = 4000;
  const Section section;
  const double EI = section.E * section.Inertia();
  ModelDocument doc = EmptyModel();
  AddNode(doc, 1, 0, 0);
  AddNode(doc, 3, L, 0);
  AddBeam(doc, 1, 1, 3, false, false);
  AddNodeOnBeam(doc, 2, 1, 0.5);
  AddSupport(doc, 1, 1);
  AddSupport(doc, 2, 3);
  AddForce(doc, 1, 2, P, -kPi / 2);
  const AnalysisOutcome outcome = AnalyseModel(doc);
  ASSERT_TRUE(outcome.Ok());
  ASSERT_EQ(doc.Segments.size(), 2u);
  EXPECT_FALSE(doc.Segments[0].Locked1);
  EXPECT_TRUE(doc.Segments[0].Locked2);
  EXPECT_TRUE(doc.Segments[1].Locked1);
  EXPECT_FALSE(doc.Segments[1].Locked2);
  EXPECT_EQ(doc.Segments[0].Node2, 2);
  EXPECT_EQ(doc.Segments[1].SegmentNo, 2);
  const double expected = -P * L * L * L / (48 * EI);
  EXPECT_NEAR(Displacement(doc, outcome, 2, Freedom::Y), expected, 1e-10 * std::fabs(expected));
}

TEST(FrameSolver, NodesOnABeamAreWalkedByPosition) {
  // Nodes placed out of order along the beam, two of them at the same place.
  ModelDocument doc = EmptyModel();
  AddNode(doc, 1, 0, 0);
  AddNode(doc, 2, 10, 0);
  AddBeam(doc, 1, 1, 2);
  AddNodeOnBeam(doc, 5, 1, 0.7);
  AddNodeOnBeam(doc, 3, 1, 0.2);
  AddNodeOnBeam(doc, 4, 1, 0.7); // behind node 5 in the list: never an end
  AddSupport(doc, 1, 1, false, 3, true);
  ASSERT_TRUE(AnalyseModel(doc).Ok());
  ASSERT_EQ(doc.Segments.size(), 3u);
  EXPECT_EQ(doc.Segments[0].Node2, 3);
  EXPECT_EQ(doc.Segments[1].Node2, 5);
  EXPECT_EQ(doc.Segments[2].Node1, 5);
  EXPECT_EQ(doc.Segments[2].Node2, 2);
  EXPECT_NEAR(doc.Segments[1].Length, 5, 1e-12);
  EXPECT_EQ(doc.Segments[1].Length2, doc.Segments[1].Length);
}

TEST(FrameSolver, SelfWeight) {
  // A simple beam of L = 6 m under its own weight w = A rho g with g = 9.82.
  const double L = 6;
  const Section section;
  const double w = section.Area() * section.Density * 9.82;
  const double EI = section.E * section.Inertia();
  ModelDocument doc = testing::SimplySupportedBeam(L, 0, section);
  doc.Settings.OwnWeight = true;
  AnalysisOutcome outcome = AnalyseModel(doc);
  ASSERT_TRUE(outcome.Ok());
  EXPECT_NEAR(FindSupport(doc, 1)->Reactions[1], -w * L / 2, 1e-9 * w * L);
  EXPECT_NEAR(FindSupport(doc, 2)->Reactions[1], -w * L / 2, 1e-9 * w * L);
  const double midSpan = -5 * w * std::pow(L, 4) / (384 * EI);
  EXPECT_NEAR(Displacement(doc, outcome, 2, Freedom::Y), midSpan, 1e-9 * std::fabs(midSpan));

  // A column h = 4 m on a fixed base: its weight runs down its axis into the base.
  const double h = 4;
  ModelDocument column = EmptyModel();
  column.Settings.OwnWeight = true;
  AddNode(column, 1, 0, 0);
  AddNode(column, 2, 0, h);
  AddBeam(column, 1, 1, 2);
  AddSupport(column, 1, 1, false, 3, true);
  outcome = AnalyseModel(column);
  ASSERT_TRUE(outcome.Ok());
  EXPECT_NEAR(column.Segments[0].Px, -w, 1e-9 * w);
  EXPECT_NEAR(FindSupport(column, 1)->Reactions[1], -w * h, 1e-9 * w * h);
  EXPECT_NEAR(AxialForce(column.Segments[0]), -w * h, 1e-9 * w * h);
}

TEST(FrameSolver, FailedAnalysesLeaveNoSegments) {
  struct Case {
    std::string name;
    ModelDocument doc;
    AnalysisFailure failure;
    long node;
    Freedom freedom;
  };
  std::vector<Case> cases;

  // On two rollers nothing holds the beam along its axis: the whole beam slides,
  // its first node with it.
  ModelDocument sliding = EmptyModel();
  AddNode(sliding, 1, 0, 0);
  AddNode(sliding, 2, 4, 0);
  AddBeam(sliding, 1, 1, 2);
  AddSupport(sliding, 1, 1, true, 1);
  AddSupport(sliding, 2, 2, true, 1);
  AddForce(sliding, 1, 1, 500, kPi / 2);
  cases.push_back({"mechanism", std::move(sliding), AnalysisFailure::Unstable, 1, Freedom::X});

  // Two bars in line cannot carry a load across them at their joint.
  ModelDocument chain = EmptyModel();
  AddNode(chain, 1, 0, 0);
  AddNode(chain, 2, 2, 0);
  AddNode(chain, 3, 4, 0);
  AddBeam(chain, 1, 1, 2, false, false);
  AddBeam(chain, 2, 2, 3, false, false);
  AddSupport(chain, 1, 1);
  AddSupport(chain, 2, 3);
  AddForce(chain, 1, 2, 100, -kPi / 2);
  cases.push_back({"loaded bar chain", std::move(chain), AnalysisFailure::Unstable, 2, Freedom::Y});

  ModelDocument coinciding = EmptyModel();
  AddNode(coinciding, 1, 1, 1);
  AddNode(coinciding, 2, 1, 1);
  AddBeam(coinciding, 1, 1, 2);
  AddSupport(coinciding, 1, 1, false, 3, true);
  cases.push_back({"coinciding nodes", std::move(coinciding), AnalysisFailure::ZeroLengthSegment,
                   -1, Freedom::None});

  ModelDocument noModulus = testing::SimplySupportedBeam(3, 100);
  std::get<TBeamObject>(*noModulus.GraphObjects[2]).Ek = 0;
  cases.push_back(
      {"no modulus", std::move(noModulus), AnalysisFailure::ZeroStiffness, -1, Freedom::None});

  ModelDocument infinite = testing::SimplySupportedBeam(3, 100);
  std::get<TBeamObject>(*infinite.GraphObjects[2]).Ek = std::numeric_limits<double>::infinity();
  cases.push_back(
      {"infinite modulus", std::move(infinite), AnalysisFailure::NotFinite, -1, Freedom::None});

  ModelDocument missingNode = testing::SimplySupportedBeam(3, 100);
  std::get<TBeamObject>(*missingNode.GraphObjects[2]).Node2 = 99;
  cases.push_back(
      {"beam to no node", std::move(missingNode), AnalysisFailure::Unstable, -1, Freedom::None});

  for (Case& c : cases) {
    c.doc.ResultsValid = true;
    const AnalysisOutcome outcome = AnalyseModel(c.doc);
    EXPECT_FALSE(outcome.Ok()) << c.name;
    EXPECT_EQ(outcome.Failure, c.failure) << c.name;
    EXPECT_EQ(outcome.Node, c.node) << c.name;
    EXPECT_EQ(outcome.NodeFreedom, c.freedom) << c.name;
    EXPECT_FALSE(c.doc.ResultsValid) << c.name;
    EXPECT_TRUE(c.doc.Segments.empty()) << c.name;
    for (double u : outcome.Displacements)
      ASSERT_EQ(u, 0) << c.name;
    // The reactions hold only the point loads at the support's node.
    for (const TSupportObject& support : ObjectsOf<TSupportObject>(c.doc)) {
      const double expectedY = (c.name == "mechanism" && support.NodeNo == 1) ? 500 : 0;
      EXPECT_NEAR(support.Reactions[0], 0, 1e-12) << c.name;
      EXPECT_NEAR(support.Reactions[1], expectedY, 1e-12) << c.name;
      EXPECT_EQ(support.Reactions[2], 0) << c.name;
    }
  }
}

TEST(FrameSolver, UnloadedBarChainAndModelWithoutNodes) {
  // The joint of two bars in line is not loaded across: nothing moves, no error.
  ModelDocument chain = EmptyModel();
  AddNode(chain, 1, 0, 0);
  AddNode(chain, 2, 2, 0);
  AddNode(chain, 3, 4, 0);
  AddBeam(chain, 1, 1, 2, false, false);
  AddBeam(chain, 2, 2, 3, false, false);
  AddSupport(chain, 1, 1);
  AddSupport(chain, 2, 3);
  AddForce(chain, 1, 2, 100, 0);
  AnalysisOutcome outcome = AnalyseModel(chain);
  ASSERT_TRUE(outcome.Ok());
  EXPECT_EQ(Displacement(chain, outcome, 2, Freedom::Y), 0);
  EXPECT_GT(Displacement(chain, outcome, 2, Freedom::X), 0);

  // Without nodes nothing is touched, not even the flag or the old segments.
  ModelDocument empty = EmptyModel();
  empty.ResultsValid = true;
  empty.Segments.resize(1);
  outcome = AnalyseModel(empty);
  EXPECT_FALSE(outcome.Analysed);
  EXPECT_TRUE(empty.ResultsValid);
  EXPECT_EQ(empty.Segments.size(), 1u);
}

TEST(FrameSolver, TheMostNodesADocumentHoldsInAnyOrder) {
  // 65535 nodes, every number a document has, in a straight line: 65534 rigidly
  // joined stretches of 1 mm, fixed at the left, pulled at the right; the end
  // moves by F x 65.534 m / EA. The nodes stand in the list in a random order.
  // The stiffness of so long a chain spans n^2 = 4e9 over the supports' springs,
  // and the rounding of its solve is some 1e-8 of the displacements.
  constexpr int kNodes = 65535;
  const double F = 1e5, step = 1e-3;
  const Section section;
  std::vector<int> order(kNodes);
  std::iota(order.begin(), order.end(), 1);
  std::shuffle(order.begin(), order.end(), std::mt19937(5));
  ModelDocument doc = EmptyModel();
  for (int i : order)
    AddNode(doc, i, (i - 1) * step, 0);
  for (int i = 1; i < kNodes; ++i)
    AddBeam(doc, i, i, i + 1);
  AddSupport(doc, 1, 1, false, 3, true);
  AddForce(doc, 1, kNodes, F, 0);
  const AnalysisOutcome outcome = AnalyseModel(doc);
  ASSERT_TRUE(outcome.Ok()) << FailureReason(outcome.Failure);
  const double expected = F * (kNodes - 1) * step / (section.E * section.Area());
  EXPECT_NEAR(Displacement(doc, outcome, kNodes, Freedom::X), expected, 1e-7 * expected);
  EXPECT_NEAR(Displacement(doc, outcome, kNodes / 2, Freedom::X),
              F * (kNodes / 2 - 1) * step / (section.E * section.Area()), 1e-7 * expected);
}

} // namespace
} // namespace strandel
