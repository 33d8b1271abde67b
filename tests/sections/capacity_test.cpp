// Capacities, buckling lengths, column buckling and the utilisation rule.

#include <cmath>

#include <gtest/gtest.h>

#include "common/geometry.h"
#include "sections/capacity.h"
#include "sections/material.h"
#include "sections/profile.h"
#include "sections/section_beams.h"

namespace strandel {
namespace {

using testing::AddBeamLike;
using testing::AddNode;
using testing::AddSupport;

const TBeamObject kSteel = testing::SteelBeam(1, 0.1, 0.1, 0, 0);

// Beam 1 from node 1 at (0, 0) to node 2 at (4, 0).
ModelDocument FourMetreBeam() {
  ModelDocument doc;
  AddNode(doc, 1, 0, 0);
  AddNode(doc, 2, 4, 0);
  AddBeamLike(doc, 1, 1, 2, kSteel);
  return doc;
}

TBeamObject& Beam(ModelDocument& doc, int number) {
  return *FindBeam(doc, number);
}

TEST(BucklingLength, HeldEndsAndNodesAlongTheBeam) {
  {
    // Supported at both ends and nothing on it: the beam's length.
    ModelDocument doc = FourMetreBeam();
    AddSupport(doc, 1, 1);
    AddSupport(doc, 2, 2);
    EXPECT_DOUBLE_EQ(Lc(Beam(doc, 1), doc), 4);
  }
  {
    // A cantilever: only the start supported, the free end counts double.
    ModelDocument doc = FourMetreBeam();
    AddSupport(doc, 1, 1);
    EXPECT_DOUBLE_EQ(Lc(Beam(doc, 1), doc), 8);
  }
  {
    // A crossing beam holds a node at a quarter of the length: the longer part counts.
    ModelDocument doc = FourMetreBeam();
    AddSupport(doc, 1, 1);
    AddSupport(doc, 2, 2);
    AddNode(doc, 3, 1, 0, 1, 0.25);
    AddNode(doc, 4, 1, 3);
    AddBeamLike(doc, 2, 3, 4, kSteel);
    EXPECT_DOUBLE_EQ(Lc(Beam(doc, 1), doc), 3);
  }
  {
    // A node that nothing holds does not split the length.
    ModelDocument doc = FourMetreBeam();
    AddSupport(doc, 1, 1);
    AddSupport(doc, 2, 2);
    AddNode(doc, 3, 2, 0, 1, 0.5);
    EXPECT_DOUBLE_EQ(Lc(Beam(doc, 1), doc), 4);
  }
  {
    // Cantilever held at mid-length by a strut: 2 m between held points, then a
    // free 2 m end counting 4 m.
    ModelDocument doc = FourMetreBeam();
    AddSupport(doc, 1, 1);
    AddNode(doc, 3, 2, 0, 1, 0.5);
    AddNode(doc, 4, 2, -2);
    AddBeamLike(doc, 2, 3, 4, kSteel);
    EXPECT_DOUBLE_EQ(Lc(Beam(doc, 1), doc), 4);
  }
  {
    // Ends held by other beams rather than supports; the nodes along the beam
    // listed out of order are still walked in order of position.
    ModelDocument doc = FourMetreBeam();
    AddNode(doc, 5, 3, 0, 1, 0.75);
    AddNode(doc, 3, 1, 0, 1, 0.25);
    AddNode(doc, 9, 0, 3);
    AddBeamLike(doc, 2, 9, 1, kSteel);
    AddBeamLike(doc, 3, 9, 2, kSteel);
    AddBeamLike(doc, 4, 9, 5, kSteel); // holds node 5 only: stretches 3 and 1
    EXPECT_DOUBLE_EQ(Lc(Beam(doc, 1), doc), 3);
  }
}

TEST(BucklingLength, SameWithAndWithoutAnIndexOfTheFrame) {
  // A ladder of beams with posts: every beam's length found with a context
  // (one index for all) equals the one found alone.
  ModelDocument doc;
  int node = 0, beamNumber = 0;
  for (int i = 0; i <= 6; ++i) {
    AddNode(doc, ++node, i, 0);
    AddNode(doc, ++node, i, 2);
  }
  for (int i = 0; i < 6; ++i) {
    AddBeamLike(doc, ++beamNumber, 2 * i + 1, 2 * i + 3, kSteel);
    AddBeamLike(doc, ++beamNumber, 2 * i + 2, 2 * i + 4, kSteel);
  }
  for (int i = 0; i <= 6; i += 2)
    AddBeamLike(doc, ++beamNumber, 2 * i + 1, 2 * i + 2, kSteel);
  AddSupport(doc, 1, 1);
  AddSupport(doc, 2, 13);
  SectionContext context;
  for (TBeamObject& beam : ObjectsOf<TBeamObject>(doc)) {
    const double alone = Lc(beam, doc);
    EXPECT_DOUBLE_EQ(Lc(beam, doc, &context), alone) << "beam " << beam.Number;
    EXPECT_DOUBLE_EQ(Lambda(beam, doc, &context), Lambda(beam, doc)) << "beam " << beam.Number;
  }
}

TEST(BucklingLength, DamagedNodeDataEndsTheWalk) {
  ModelDocument doc = FourMetreBeam();
  AddSupport(doc, 1, 1);
  AddSupport(doc, 2, 2);
  // The start node claims to lie on its own beam, and another node sits at an
  // undefined position: the walk still ends at the stop node.
  FindNode(doc, 1)->HostBeam = 1;
  FindNode(doc, 1)->PositionOnBeam = 0.5;
  AddNode(doc, 3, 2, 0, 1, std::nan(""));
  EXPECT_DOUBLE_EQ(Lc(Beam(doc, 1), doc), 4);
  // Beam end nodes that are missing: the beam's own end coordinates stand in.
  ModelDocument lonely;
  TBeamObject& beam = AppendObject<TBeamObject>(lonely);
  beam = kSteel;
  EXPECT_DOUBLE_EQ(Lc(beam, lonely), 8); // 4 m, no end held
}

TEST(ColumnBuckling, SteelAndTimberColumns) {
  {
    // Square steel bar 100 x 100, pinned at both ends, imperfection 0.21: choose
    // the length so that the relative slenderness is 1. i = 0.1 / sqrt(12), so
    // lambda = L / (pi i) sqrt(fy / E) = 1 gives L = pi i sqrt(E / fy).
    const double i = 0.1 / std::sqrt(12.0);
    const double L = kPi * i * std::sqrt(210e9 / 235e6);
    ModelDocument doc;
    AddNode(doc, 1, 0, 0);
    AddNode(doc, 2, 0, L);
    AddBeamLike(doc, 1, 1, 2, kSteel);
    AddSupport(doc, 1, 1);
    AddSupport(doc, 2, 2);
    // t = 1 + 0.21 x 0.8 + 1.1 = 2.268; (2.268 - sqrt(2.268^2 - 4.4)) / 2.2 = 0.638885.
    EXPECT_NEAR(BucklRedFact(Beam(doc, 1), doc), 0.6388853, 1e-7);
    // Cold formed (0.34) and welded (0.49) are weaker.
    Beam(doc, 1).Manufacture = 1;
    const double t34 = 1 + 0.34 * 0.8 + 1.1;
    EXPECT_NEAR(BucklRedFact(Beam(doc, 1), doc), (t34 - std::sqrt(t34 * t34 - 4.4)) / 2.2, 1e-12);
    Beam(doc, 1).Manufacture = 2;
    const double t49 = 1 + 0.49 * 0.8 + 1.1;
    EXPECT_NEAR(BucklRedFact(Beam(doc, 1), doc), (t49 - std::sqrt(t49 * t49 - 4.4)) / 2.2, 1e-12);
    // Switched off: 1.
    doc.Settings.LatBuckRed = false;
    EXPECT_EQ(BucklRedFact(Beam(doc, 1), doc), 1);
  }
  {
    // A C24 post 100 x 100, 3 m, pinned: f = 21 MPa lowers the modulus by
    // 0.0007 x 441 - 0.0619 x 21 + 2.6259 = 1.6347 to 6.729 GPa; lambda =
    // 3 / (pi x 0.028868) x sqrt(21e6 / 6.729e9) = 1.847968; with beta_c 0.2,
    // k = 0.5 (1 + 0.2 x 1.347968 + 1.847968^2) = 2.342289 and the factor
    // 1 / (k + sqrt(k^2 - lambda^2)) = 0.264445.
    ModelDocument doc;
    AddNode(doc, 1, 0, 0);
    AddNode(doc, 2, 0, 3);
    TBeamObject timber = kSteel;
    timber.MtrlType = "WOOD";
    timber.Fck = 21e6;
    timber.Ek = 11e9;
    AddBeamLike(doc, 1, 1, 2, timber);
    AddSupport(doc, 1, 1);
    AddSupport(doc, 2, 2);
    EXPECT_NEAR(BucklRedFact(Beam(doc, 1), doc), 0.264445, 1e-6);
    // Glued laminated timber (beta_c 0.1): k = 0.5 (1 + 0.1 x 1.347968 + 3.415) = 2.274891.
    Beam(doc, 1).Manufacture = 1;
    EXPECT_NEAR(BucklRedFact(Beam(doc, 1), doc),
                1 / (2.274891 + std::sqrt(2.274891 * 2.274891 - 1.847968 * 1.847968)), 1e-6);
  }
  {
    // A short stocky column is not reduced; a column without length neither.
    ModelDocument doc;
    AddNode(doc, 1, 0, 0);
    AddNode(doc, 2, 0, 0.3);
    AddNode(doc, 3, 5, 5);
    AddBeamLike(doc, 1, 1, 2, kSteel);
    AddBeamLike(doc, 2, 3, 3, kSteel);
    AddSupport(doc, 1, 1);
    AddSupport(doc, 2, 2);
    EXPECT_EQ(BucklRedFact(Beam(doc, 1), doc), 1);
    EXPECT_EQ(BucklRedFact(Beam(doc, 2), doc), 1);
  }
}

TEST(Capacities, OfASteelBar) {
  // 100 x 100 S235, 2 m between supports, safety class 1, dimensions checked:
  // Rtd = 235 MPa x 0.01 m^2 = 2.35 MN; Md = 235 MPa x 0.1^3 / 6.
  ModelDocument doc;
  AddNode(doc, 1, 0, 0);
  AddNode(doc, 2, 2, 0);
  TBeamObject bar = kSteel;
  bar.DimControl = 1;
  AddBeamLike(doc, 1, 1, 2, bar);
  AddSupport(doc, 1, 1);
  AddSupport(doc, 2, 2);
  TBeamObject& beam = Beam(doc, 1);
  EXPECT_NEAR(Rtd(beam, doc), 2.35e6, 1e-6);
  EXPECT_NEAR(Md(beam, doc), 235e6 * 1e-3 / 6, 1e-6);
  EXPECT_NEAR(Rcd(beam, doc), 2.35e6 * BucklRedFact(beam, doc), 1e-6);
  // lambda = Lc sqrt(A / I) = 2 x sqrt(12) / 0.1.
  EXPECT_NEAR(Lambda(beam, doc), 2 * std::sqrt(12.0) / 0.1, 1e-12);
  // A tube without a wall carries nothing: zero capacities, no slenderness.
  beam.ShapeNo = kRectangularTube;
  beam.TL = 0;
  EXPECT_EQ(Rtd(beam, doc), 0);
  EXPECT_EQ(Md(beam, doc), 0);
  EXPECT_TRUE(std::isnan(Lambda(beam, doc)));
  EXPECT_TRUE(IsExceeded(Utilisation(1000, 0, Lambda(beam, doc), Rtd(beam, doc), 0, 0)));
}

TEST(Utilisation, InteractionOfForceAndMoment) {
  const double inf = INFINITY, nan = std::nan("");
  struct Case {
    const char* what;
    double N, M, lambda, Rtd, Rcd, Md, expected;
  } cases[] = {
      {"tension adds linearly", 50, 30, 100, 100, 200, 60, 0.5 + 0.5},
      {"tension ignores slenderness", 50, 0, 10, 100, 200, 60, 0.5},
      {"compression of a stocky member enters squared", -100, 30, 26.99, 100, 200, 60, 0.5 + 0.25},
      {"from slenderness 27 on linearly", -100, 30, 27, 100, 200, 60, 0.5 + 0.5},
      {"signs do not matter", -100, -30, 40, 100, 200, 60, 1.0},
      {"no force: bending alone", 0, -30, 40, 100, 200, 60, 0.5},
      {"no load at all", 0, 0, 40, 100, 200, 60, 0},
      {"a force meeting no capacity", 1, 0, 40, 0, 200, 60, inf},
      {"a moment meeting no capacity", 0, 1, 40, 100, 200, 0, inf},
      {"a negative capacity is none", -1, 0, 40, 100, -200, 60, inf},
      {"no moment, no moment capacity needed", 50, 0, 40, 100, 200, 0, 0.5},
      {"undefined slenderness under compression", -100, 0, nan, 100, 200, 60, nan},
      {"undefined capacity", 50, 0, 40, nan, 200, 60, nan},
      {"undefined force", nan, 0, 40, 100, 200, 60, nan},
  };
  for (const Case& c : cases) {
    const double actual = Utilisation(c.N, c.M, c.lambda, c.Rtd, c.Rcd, c.Md);
    if (std::isnan(c.expected))
      EXPECT_TRUE(std::isnan(actual)) << c.what;
    else
      EXPECT_DOUBLE_EQ(actual, c.expected) << c.what;
  }
  EXPECT_FALSE(IsExceeded(1.0));
  EXPECT_TRUE(IsExceeded(1.0000001));
  EXPECT_TRUE(IsExceeded(inf));
  EXPECT_TRUE(IsExceeded(nan));
}

} // namespace
} // namespace strandel
