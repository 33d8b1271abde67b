// Structures that can move are never solved, however the rounding falls, and
// the analysis names where they move; structures that stand, stiffness
// contrasts and settlements included, are solved as the plain elimination
// solves them.

#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/dense_reference.h"
#include "analysis/frame_system.h"
#include "analysis/gauss_solve.h"
#include "analysis/mobility.h"
#include "analysis/solver.h"
#include "unstable_frames.h"

namespace strandel {
namespace {

using testing::Section;

TEST(UnstableStructures, EachFailsWhereItCanMove) {
  struct Case {
    const char* name;
    ModelDocument doc;
    long node;
    Freedom freedom;
  };
  const Section stiff{0.1, 0.2, 2.1e17, 7850};
  Case cases[] = {
      // Hinged at every end, the portal sways as a parallelogram: the girder
      // moves sideways as a whole, and the elimination meets that at the last
      // of its unknowns, node 3 along x.
      {"sway portal, all ends hinged", testing::SwayPortal(true), 3, Freedom::X},
      // A girder a million times stiffer does not hold the linkage either.
      {"sway portal, stiff girder", testing::SwayPortal(true, stiff), 3, Freedom::X},
      // Two rollers that hold only y: the beam slides along x. A rigid part moves
      // as a whole and is named by its first node.
      {"beam held only in y", testing::BeamOnRollers(4, 0), 1, Freedom::X},
      {"inclined beam held only in y", testing::BeamOnRollers(4, 3), 1, Freedom::X},
      // Without the right panel's diagonal the left panel turns about the pin
      // and the right one shears; node 6, last of them, goes sideways.
      {"truss missing a diagonal", testing::TwoPanelTruss(false), 6, Freedom::X},
      // Its braced panel a million times softer: the rounding of the stiff
      // members leaves the sway pivot of the elimination at 7e-11 of its
      // diagonal, no smaller than a stable frame's. Stiffness does not enter
      // the verdict, and the truss fails where it did.
      {"truss missing a diagonal, soft braced panel",
       testing::TwoPanelTruss(false, {0.1, 0.2, 2.1e5, 7850}), 6, Freedom::X},
      // The right roller holds y where x was meant: the rigid frame slides, its
      // first node with it.
      {"roller in the wrong direction", testing::PortalOnRollers(1), 1, Freedom::X},
      // A bar on a pin, its far end on a roller along it, pushed across there.
      // Upright, the cosine of its 90 degrees is 6e-17, which once left the top
      // a stiffness of 1e-33 EA/L across the bar and a sway of 1.9e26 m; level,
      // it is exactly 0.
      {"upright bar on a roller", testing::BarOnARoller(0, 3), 2, Freedom::X},
      {"level bar on a roller", testing::BarOnARoller(3, 0), 2, Freedom::Y},
      // Fourteen rigid nodes on one pin turn about it as a whole. Its elimination
      // once kept enough rounding to solve it with a sway of 3e8 m.
      {"rigid frame on one pin", testing::RigidFrameOnOnePin(), 1, Freedom::Rotation},
  };
  for (Case& c : cases) {
    c.doc.ResultsValid = true;
    const AnalysisOutcome outcome = AnalyseModel(c.doc);
    EXPECT_EQ(outcome.Failure, AnalysisFailure::Unstable) << c.name;
    EXPECT_EQ(outcome.Node, c.node) << c.name;
    EXPECT_EQ(outcome.NodeFreedom, c.freedom) << c.name;
    EXPECT_FALSE(c.doc.ResultsValid) << c.name;
    EXPECT_TRUE(c.doc.Segments.empty()) << c.name;
    for (double u : outcome.Displacements)
      ASSERT_EQ(u, 0) << c.name;
  }
}

// The force that holds unknown u (3 x node index + freedom) of the frame
// displaced by 1 while every other kept unknown is free to follow, over the
// sizes of the terms it sums: the rounding of a sum of zero when the frame can
// move along u without deforming, about 1 when u is stiff. Solved densely, by
// the plain elimination; 1 when that fails (the frame can still move with u
// held: u is not where it gives way).
double HoldingForceShare(const ModelDocument& doc, int u) {
  const NodeTable nodes(doc);
  const FrameSystem system = AssembleFrame(doc, nodes);
  const int r = system.KeptIndex[u], high = static_cast<int>(system.Kept.size()) - 1;
  TMatrix k;
  TVector f, x;
  if (r < 0 || !DenseEquations(system, k, f)) return 1;
  const std::vector<double> row = testing::ValuesOf(k[r], high);
  for (int j = 0; j <= high; ++j) {
    k[r][j] = j == r ? 1 : 0;
    f[j] = j == r ? 1 : 0;
  }
  AllocVector(x, high);
  const int solved = GaussSolve(k, f, x, high);
  FreeMatrix(k, system.Unknowns - 1, system.Unknowns - 1);
  if (solved != 0) return 1;
  double force = 0, sizes = 0;
  for (int j = 0; j <= high; ++j)
    force += row[j] * x[j], sizes += std::fabs(row[j] * x[j]);
  return std::fabs(force) / sizes;
}

TEST(UnstableStructures, TheSmallestPivotOfAMechanismIsWhereItMoves) {
  // Without the verdict before it, the factorisation of a mechanism's
  // equations meets a pivot that is zero or all rounding (the cosine of the
  // portal's upright columns is 6e-17, not 0). In a fill-reducing order that is
  // another unknown than in the node list, but it is one along which the frame
  // moves: held there, the frame follows without a force. The analysis names
  // it should the reactions of a solve not balance the loads.
  const std::vector<std::pair<const char*, ModelDocument (*)()>> mechanisms = {
      {"sway portal", [] { return testing::SwayPortal(true); }},
      {"sway portal, stiff girder",
       [] {
         return testing::SwayPortal(true, {0.1, 0.2, 2.1e17, 7850});
       }},
      {"inclined beam held only in y", [] { return testing::BeamOnRollers(4, 3); }},
      {"truss missing a diagonal", [] { return testing::TwoPanelTruss(false); }},
      {"roller in the wrong direction", [] { return testing::PortalOnRollers(1); }},
      {"rigid frame on one pin", testing::RigidFrameOnOnePin},
      // (Not the upright bar on a roller: its equations keep only the top's x,
      // with the 1e-33 EA/L the cosine's rounding leaves, a pivot that is its
      // whole diagonal. The verdict leaves such an unknown out of the solve.)
  };
  for (const auto& [name, build] : mechanisms) {
    ModelDocument doc = build();
    const EliminationResult result = testing::EliminateFrame(doc);
    const int moving = result.Ok() ? result.SmallestPivotUnknown : result.Unknown;
    if (result.Ok()) {
      EXPECT_LT(result.SmallestPivotRatio, 1e-12) << name;
    }
    ASSERT_GE(moving, 0) << name;
    EXPECT_LT(HoldingForceShare(doc, moving), 1e-9) << name << ", " << moving;
  }

  // The same portal with rigid corners stands: held anywhere, it pushes back,
  // with a force far above rounding (sideways only its columns' bending
  // resists, a thousandth of the girder's axial terms that cancel).
  ModelDocument rigid = testing::SwayPortal(false);
  const EliminationResult result = testing::EliminateFrame(rigid);
  EXPECT_TRUE(result.Ok());
  EXPECT_GT(result.SmallestPivotRatio, 1e-3);
  for (int u : {3 * 1 + 0, 3 * 2 + 0, 3 * 2 + 1})
    EXPECT_GT(HoldingForceShare(rigid, u), 1e-4) << u;
  const Mobility stands = testing::JudgeFrame(rigid);
  EXPECT_FALSE(stands.CanMove());
  EXPECT_EQ(stands.Freedoms, 3);
  EXPECT_GT(stands.SmallestSine, 0.1);
}

TEST(UnstableStructures, ATrussListedAtRandomIsJudgedInAnOrderThatKeepsItsJointsClose) {
  // A Pratt truss of 60 panels, its 122 joints listed at random: in list order
  // the verdict's factor would fill a band as wide as the truss. It is judged
  // in an order that keeps joined freedoms close, as narrow as the truss drawn
  // in order, and comes to the same verdict. Without the diagonal of panel 30
  // it moves, at a freedom along which it truly moves.
  const auto truss = [](bool missingDiagonal) {
    ModelDocument doc = testing::PrattTruss(60);
    if (missingDiagonal) {
      std::erase_if(doc.GraphObjects, [](const std::unique_ptr<GraphObject>& object) {
        const auto* beam = std::get_if<TBeamObject>(object.get());
        return beam && beam->Number == 4 * 30 + 4; // the panel's diagonal
      });
    }
    return doc;
  };
  for (const bool missing : {false, true}) {
    ModelDocument drawn = truss(missing);
    ModelDocument shuffled = testing::WithNodesInOrder(truss(missing), testing::NodeOrder::Random);
    const Mobility inOrder = testing::JudgeFrame(drawn);
    const Mobility atRandom = testing::JudgeFrame(shuffled);
    EXPECT_EQ(atRandom.CanMove(), missing);
    EXPECT_EQ(inOrder.CanMove(), missing);
    EXPECT_EQ(atRandom.Freedoms, inOrder.Freedoms);
    EXPECT_LE(atRandom.Band, 2 * inOrder.Band) << "band in order " << inOrder.Band;
    if (missing) {
      ASSERT_GE(atRandom.MovingUnknown, 0);
      EXPECT_LT(HoldingForceShare(shuffled, atRandom.MovingUnknown), 1e-9);
    }
  }
}

TEST(UnstableStructures, TheVerdictDoesNotDependOnTheModelsSizeOrPlace) {
  // Tolerances are shares of the model's own lengths: the same frames drawn a
  // thousand times smaller or larger, 1e200 times smaller or larger, or a
  // thousand kilometres from the origin move, or stand, in the same way.
  const std::vector<ModelDocument (*)()> frames = {
      [] { return testing::SwayPortal(true); },     [] { return testing::SwayPortal(false); },
      [] { return testing::TwoPanelTruss(false); }, [] { return testing::TwoPanelTruss(true); },
      [] { return testing::BarOnARoller(0, 3); },   [] { return testing::RigidFrameOnOnePin(); },
      [] { return testing::PortalOnRollers(1); },   [] { return testing::PortalOnRollers(2); },
  };
  struct Placing {
    double scale, shift;
  };
  for (std::size_t f = 0; f < frames.size(); ++f) {
    ModelDocument original = frames[f]();
    const int moves = testing::JudgeFrame(original).MovingUnknown;
    for (const Placing p : {Placing{1e-3, 0}, Placing{1e3, 0}, Placing{1e-200, 0},
                            Placing{1e200, 0}, Placing{1, 1e6}}) {
      ModelDocument doc = frames[f]();
      for (TNodeObject& node : ObjectsOf<TNodeObject>(doc)) {
        node.X = node.X * p.scale + p.shift;
        node.Y = node.Y * p.scale - p.shift;
      }
      EXPECT_EQ(testing::JudgeFrame(doc).MovingUnknown, moves)
          << "frame " << f << " scaled by " << p.scale << " moved by " << p.shift;
    }
  }
}

// Solves the frame: its displacements must be at least as near those of the
// same equations eliminated in long double as the plain elimination's in
// double are, or within 1e-12 of the largest.
void ExpectSolvedLikeThePlainElimination(const char* name, ModelDocument doc) {
  const AnalysisOutcome outcome = AnalyseModel(doc);
  ASSERT_TRUE(outcome.Ok()) << name << ": " << FailureReason(outcome.Failure);
  const testing::SolveErrors errors = testing::ErrorsAgainstLongDouble(doc, outcome);
  EXPECT_LE(errors.Analysis, std::max(errors.PlainElimination, 1e-12))
      << name << ", the plain elimination's error " << errors.PlainElimination;
}

TEST(StableStructures, StiffnessContrastsAndSettlementsSolveAtLeastAsWellAsThePlainElimination) {
  // Columns or girders a million times softer or stiffer than the rest, on
  // frames that sway under the floor loads and a wind load at the top left.
  const Section soft{0.1, 0.2, 2.1e5, 7850}, steel{}, stiff{0.1, 0.2, 2.1e17, 7850};
  auto frame = [](const Section& column, const Section& girder) {
    ModelDocument doc = testing::GridFrame(8, 6, 4, 3, 10000, column, girder);
    testing::AddForce(doc, 1, testing::GridNode(8, 0, 6), 20000, 0);
    return doc;
  };
  ExpectSolvedLikeThePlainElimination("soft columns", frame(soft, steel));
  ExpectSolvedLikeThePlainElimination("soft girders", frame(steel, soft));
  ExpectSolvedLikeThePlainElimination("stiff columns", frame(stiff, steel));
  ExpectSolvedLikeThePlainElimination("stiff girders", frame(steel, stiff));

  // Every third base settles by 20 mm, every fourth slides by 10 mm, one turns.
  ModelDocument settled = frame(steel, steel);
  for (TSupportObject& support : ObjectsOf<TSupportObject>(settled)) {
    if (support.Number % 3 == 0) support.DY = -0.02;
    if (support.Number % 4 == 0) support.DX = 0.01;
    if (support.Number == 5) support.DRot = 0.001;
  }
  ExpectSolvedLikeThePlainElimination("settlements", std::move(settled));
  ModelDocument settledSoft = frame(soft, steel);
  FindSupport(settledSoft, 2)->DY = -0.05;
  ExpectSolvedLikeThePlainElimination("settlement under soft columns", std::move(settledSoft));
  // The truss with both diagonals, its left panel a million times stiffer.
  ExpectSolvedLikeThePlainElimination("braced truss, stiff panel",
                                      testing::TwoPanelTruss(true, stiff));
  ExpectSolvedLikeThePlainElimination("portal on a roller holding x", testing::PortalOnRollers(2));
}

TEST(StableStructures, StiffGirderMakesTheColumnsSwayAsCantilevers) {
  // Pinned feet, rigid corners, a girder a million times stiffer than the columns
  // (h = 3 m, span L = 5 m): the girder stays straight and each column is a
  // cantilever from the girder down to its pin, 3 EI / h^3 each, so H = 10 kN
  // sways the top by H h^3 / (6 EI). The columns carry the overturning moment H h
  // as a pull and a push of H h / L, lengthen and shorten by H h^2 / (L EA) and
  // tilt the girder, and with it the columns' tops, by twice that over L: the
  // sway grows by h times that tilt.
  const Section column, stiff{0.1, 0.2, 2.1e17, 7850};
  const double h = 3, L = 5, H = 10000;
  const double EI = column.E * column.Inertia(), EA = column.E * column.Area();
  ModelDocument doc = testing::SwayPortal(false, stiff);
  std::erase_if(doc.GraphObjects, [](const std::unique_ptr<GraphObject>& object) {
    const auto* force = std::get_if<TForceObject>(object.get());
    return force && force->Number == 2; // only the horizontal load
  });
  for (TBeamObject& beam : ObjectsOf<TBeamObject>(doc)) {
    if (beam.Number != 2) beam.Locked1 = false; // the columns' feet are hinged
  }
  const AnalysisOutcome outcome = AnalyseModel(doc);
  ASSERT_TRUE(outcome.Ok());
  const double tilt = 2 * (H * h * h / (L * EA)) / L;
  const double sway = H * h * h * h / (6 * EI) + h * tilt;
  EXPECT_NEAR(outcome.Displacements[3 * 1], sway, 1e-5 * sway);
  EXPECT_NEAR(outcome.Displacements[3 * 2], sway, 1e-5 * sway);
}

TEST(StableStructures, TheLongestCantileverStands) {
  // A cantilever of 2729 stretches of 1 m, fixed at node 1: its tip
  // keeps only 1 / 2729^3 of the stiffness of its last stretch, and the rounding
  // of so slender a system leaves its reactions off the loads by some 4e-5 and
  // its deflections by 1e-4. It is still a cantilever, and no mechanism: under F
  // at the tip it deflects F L^3 / (3 EI), under its own weight w it sags
  // w L^4 / (8 EI) at the tip.
  const testing::Section section;
  const int n = 2729;
  const double L = n, EI = section.E * section.Inertia();
  auto cantilever = [&] {
    ModelDocument doc = testing::EmptyModel();
    for (int i = 1; i <= n + 1; ++i)
      testing::AddNode(doc, i, i - 1, 0);
    for (int i = 1; i <= n; ++i)
      testing::AddBeam(doc, i, i, i + 1);
    testing::AddSupport(doc, 1, 1, false, 3, true);
    return doc;
  };
  const double F = 10;
  ModelDocument tipLoad = cantilever();
  testing::AddForce(tipLoad, 1, n + 1, F, -kPi / 2);
  AnalysisOutcome outcome = AnalyseModel(tipLoad);
  ASSERT_TRUE(outcome.Ok()) << FailureReason(outcome.Failure);
  const double tip = F * L * L * L / (3 * EI);
  EXPECT_NEAR(outcome.Displacements[3 * n + 1], -tip, 1e-3 * tip);

  ModelDocument weight = cantilever();
  weight.Settings.OwnWeight = true;
  outcome = AnalyseModel(weight);
  ASSERT_TRUE(outcome.Ok()) << FailureReason(outcome.Failure);
  const double w = section.Density * kGravity * section.Area();
  const double sag = w * L * L * L * L / (8 * EI);
  EXPECT_NEAR(outcome.Displacements[3 * n + 1], -sag, 1e-3 * sag);
}

} // namespace
} // namespace strandel
