#include "view/model_extents.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/frame_models.h"
#include "view/symbol_geometry.h"

namespace strandel {
namespace {

using testing::AddBeam;
using testing::AddNode;

void ExpectPoint(Point2 actual, Point2 expected, const char* what) {
  EXPECT_NEAR(actual.X, expected.X, 1e-12) << what;
  EXPECT_NEAR(actual.Y, expected.Y, 1e-12) << what;
}

TEST(SymbolGeometry, SupportTrianglePointsFromItsBaseToItsNode) {
  // BeamHeight 0.1 at node (1, 2): the base lies 0.2 back along the axis and is
  // 8/3 x 0.1 wide. A stored direction outside 1..4 points down, as 3 does.
  struct Case {
    int Direction;
    Point2 BaseCentre;
  };
  for (const Case& c : {Case{1, {1, 1.8}},
                        {2, {1.2, 2}},
                        {3, {1, 2.2}},
                        {4, {0.8, 2}},
                        {0, {1, 2.2}},
                        {7, {1, 2.2}}}) {
    TSupportObject support{};
    support.X = 1;
    support.Y = 2;
    support.Direction = static_cast<std::uint16_t>(c.Direction);
    const Triangle t = SupportTriangle(support, 0.1);
    const std::string what = "direction " + std::to_string(c.Direction);
    ExpectPoint(t.Apex, {1, 2}, what.c_str());
    ExpectPoint({(t.BaseLeft.X + t.BaseRight.X) / 2, (t.BaseLeft.Y + t.BaseRight.Y) / 2},
                c.BaseCentre, what.c_str());
    EXPECT_NEAR(std::hypot(t.BaseLeft.X - t.BaseRight.X, t.BaseLeft.Y - t.BaseRight.Y), 8.0 / 30,
                1e-12)
        << what;
    // The apex and the base's ends are inside (edges count); past the base is not.
    EXPECT_TRUE(Contains(t, t.Apex)) << what;
    EXPECT_TRUE(Contains(t, t.BaseLeft)) << what;
    EXPECT_TRUE(Contains(t, {(1 + 2 * c.BaseCentre.X) / 3, (2 + 2 * c.BaseCentre.Y) / 3})) << what;
    EXPECT_FALSE(Contains(t, {2 * c.BaseCentre.X - 1, 2 * c.BaseCentre.Y - 2})) << what;
  }
}

TEST(SymbolGeometry, BodiesBandsAndArrowsAreTheParallelogramsDrawn) {
  // A beam (0, 0)-(4, 0), 0.1 thick about its centre line.
  TBeamObject beam{};
  beam.X2 = 4;
  const auto body = BeamBody(beam, 0.1).Corners();
  ExpectPoint(body[0], {0, -0.05}, "beam start, below");
  ExpectPoint(body[2], {4, 0.05}, "beam end, above");

  // A load along the same line, band 0.3 deep on the side its angle names.
  TLoadObject load{};
  load.X2 = 4;
  load.Angle = -kPi / 2;
  const Parallelogram band = LoadBand(load, 0.3);
  EXPECT_TRUE(Contains(band, {2, -0.29}));
  EXPECT_FALSE(Contains(band, {2, 0.01}));

  // A force to the right: 1.5 x 0.3 = 0.45 long, a fifth of that wide.
  TForceObject force{};
  force.Angle = 0;
  const Parallelogram arrow = ForceArrow(force, 0.3);
  EXPECT_TRUE(Contains(arrow, {0.44, 0.04}));
  EXPECT_FALSE(Contains(arrow, {0.46, 0}));
  EXPECT_FALSE(Contains(arrow, {0.2, 0.05}));

  // A flat shape (a beam of no length) contains nothing, not even its corner.
  const TBeamObject point{};
  EXPECT_FALSE(Contains(BeamBody(point, 0.1), {0, 0}));
  EXPECT_FALSE(Contains(Parallelogram{{0, 0}, {1, 1}, {2, 2}}, {0, 0}));
}

TEST(ModelExtents, CoverNodesSupportsAndTheSymbolsOfLoads) {
  ModelDocument doc;
  doc.Settings.BeamHeight = 0.1;
  doc.Settings.LoadHeight = 0.3;
  EXPECT_TRUE(ModelExtents(doc).Empty());
  AddNode(doc, 1, 0, 0);
  AddNode(doc, 2, 2, 0);
  AddBeam(doc, 1, 1, 2);
  TSupportObject& support = AppendObject<TSupportObject>(doc);
  support.Direction = 2; // to the right of node 1, within the box of its node
  TForceObject& force = AppendObject<TForceObject>(doc);
  force.X = 2;
  force.Angle = kPi / 2; // the arrow reaches 0.45 above node 2
  TLoadObject& load = AppendObject<TLoadObject>(doc);
  load.X2 = 2;
  load.Angle = -kPi / 2; // its band reaches 0.3 below the beam
  const ModelBox box = ModelExtents(doc);
  // Nodes +-2 BeamHeight: x -0.2..2.2; the force's tip at 0.45, the load at -0.3.
  EXPECT_NEAR(box.MinX, -0.2, 1e-12);
  EXPECT_NEAR(box.MaxX, 2.2, 1e-12);
  EXPECT_NEAR(box.MaxY, 0.45, 1e-12);
  EXPECT_NEAR(box.MinY, -0.3, 1e-12);

  // A support pointing up from far below: its base, 0.2 under the node, counts.
  support.Direction = 1;
  support.Y = -5;
  EXPECT_NEAR(ModelExtents(doc).MinY, -5.2, 1e-12);
  // A moment far right: its ring's outer radius 0.126.
  TMomentObject& moment = AppendObject<TMomentObject>(doc);
  moment.X = 10;
  EXPECT_NEAR(ModelExtents(doc).MaxX, 10 + 1.2 * 0.35 * 0.3, 1e-12);
  // A damaged coordinate is left out rather than spoiling the box.
  AddNode(doc, 9, std::nan(""), 1e308 * 10);
  EXPECT_NEAR(ModelExtents(doc).MaxX, 10 + 1.2 * 0.35 * 0.3, 1e-12);
}

} // namespace
} // namespace strandel
