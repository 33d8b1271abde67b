#include "editor/pick.h"

#include <gtest/gtest.h>

#include <cmath>

#include "editor_harness.h"

namespace strandel {
namespace {

using testing::PutBeam;
using testing::PutNode;

constexpr double kBeamHeight = 0.1;
constexpr double kLoadHeight = 0.3;

struct Probe {
  Point2 P;
  bool Hit;
};

TEST(PickRegions, MatchTheDrawnSymbols) {
  const TNodeObject node{};
  for (const Probe& probe : {Probe{{0.05, 0}, true}, {{0, -0.05}, true}, {{0.0501, 0}, false}})
    EXPECT_EQ(HitNode(node, probe.P, kBeamHeight), probe.Hit) << probe.P.X;

  // Moment arc radius 0.35 x 0.3 = 0.105; the ring runs from 0.0875 to 0.126.
  const TMomentObject moment{};
  for (const Probe& probe : {Probe{{0, 0}, false},
                             {{0.08, 0}, false},
                             {{0.1, 0}, true},
                             {{0, -0.125}, true},
                             {{0.13, 0}, false}})
    EXPECT_EQ(HitMoment(moment, probe.P, kLoadHeight), probe.Hit) << probe.P.X;

  // Force pointing up: 0.45 long, 0.09 wide, from its point upwards.
  TForceObject force{};
  force.Angle = kPi / 2;
  for (const Probe& probe : {Probe{{0.04, 0.2}, true},
                             {{0.05, 0.2}, false},
                             {{0, 0.44}, true},
                             {{0, 0.46}, false},
                             {{0, -0.01}, false}})
    EXPECT_EQ(HitForce(force, probe.P, kLoadHeight), probe.Hit) << probe.P.X << " " << probe.P.Y;

  // Support in direction 1 stands below its node: apex at the node, base 0.2
  // lower and 0.267 wide; the node's disc of radius 0.05 is not the support's.
  TSupportObject support{};
  support.Direction = 1;
  for (const Probe& probe : {Probe{{0, -0.04}, false},
                             {{0, -0.1}, true},
                             {{0.06, -0.1}, true},
                             {{0.07, -0.1}, false},
                             {{0.13, -0.199}, true},
                             {{0, -0.21}, false},
                             {{0, 0.1}, false}})
    EXPECT_EQ(HitSupport(support, probe.P, kBeamHeight), probe.Hit)
        << probe.P.X << " " << probe.P.Y;
  support.Direction = 4; // pointing right, standing to the left of its node
  EXPECT_TRUE(HitSupport(support, {-0.1, 0}, kBeamHeight));
  EXPECT_FALSE(HitSupport(support, {0.1, 0}, kBeamHeight));

  // Beam (0,0)-(2,0), 0.1 thick, its ends' discs left to the nodes.
  TBeamObject beam{};
  beam.X2 = 2;
  for (const Probe& probe : {Probe{{1, 0.05}, true},
                             {{1, 0.051}, false},
                             {{1, -0.05}, true},
                             {{0.04, 0}, false},
                             {{0.06, 0}, true},
                             {{1.96, 0}, false},
                             {{2.01, 0}, false}})
    EXPECT_EQ(HitBeam(beam, probe.P, kBeamHeight), probe.Hit) << probe.P.X << " " << probe.P.Y;

  // A load on that stretch, its band 0.3 high on the side of its direction.
  TLoadObject load{};
  load.X2 = 2;
  for (const Probe& probe : {Probe{{1, 0.3}, true},
                             {{1, 0.31}, false},
                             {{1, -0.01}, false},
                             {{0, 0}, true},
                             {{2.01, 0.1}, false}})
    EXPECT_EQ(HitLoad(load, probe.P, kLoadHeight), probe.Hit) << probe.P.X << " " << probe.P.Y;
  load.Angle = -kPi / 2;
  EXPECT_TRUE(HitLoad(load, {1, -0.2}, kLoadHeight));
  EXPECT_FALSE(HitLoad(load, {1, 0.2}, kLoadHeight));
}

ModelDocument PickModel() {
  ModelDocument doc;
  doc.Settings.BeamHeight = kBeamHeight;
  doc.Settings.LoadHeight = kLoadHeight;
  return doc;
}

TEST(Pick, TheLaterOfTwoOverlappingObjectsWins) {
  ModelDocument doc = PickModel();
  for (int number : {1, 2}) {
    TForceObject& force = AppendObject<TForceObject>(doc);
    force.Number = number;
  }
  GraphObject* hit = PickForSelection(doc, {0, 0.2});
  ASSERT_NE(hit, nullptr);
  EXPECT_EQ(NumberOf(*hit), 2);
}

TEST(Pick, SelectionTriesMomentsBeforeForcesAndPropertiesTheOtherWay) {
  // A force pointing right and a moment at the same point: (0.1, 0) lies in
  // the force's arrow and on the moment's ring.
  ModelDocument doc = PickModel();
  TForceObject& force = AppendObject<TForceObject>(doc);
  force.Number = 1;
  force.Angle = 0;
  AppendObject<TMomentObject>(doc).Number = 1;
  EXPECT_EQ(KindOf(*PickForSelection(doc, {0.1, 0})), ObjectKind::Moment);
  EXPECT_EQ(KindOf(*PickForProperties(doc, {0.1, 0})), ObjectKind::Force);
}

TEST(Pick, WhatIsDrawnInFullWinsOverTheFadedLoadsOfOtherCases) {
  // Two forces at one point pointing right, the later of case 2; case 1 is
  // the one drawn in full. Then a moment of case 2 there too.
  ModelDocument doc = PickModel();
  for (int number : {1, 2}) {
    TForceObject& force = AppendObject<TForceObject>(doc);
    force.Number = number;
    force.Angle = 0;
    force.Case = static_cast<std::uint16_t>(number);
  }
  for (const auto pick : {&PickForSelection, &PickForProperties}) {
    EXPECT_EQ(NumberOf(*pick(doc, {0.2, 0}, std::nullopt)), 2); // all drawn alike
    EXPECT_EQ(NumberOf(*pick(doc, {0.2, 0}, std::uint16_t{1})), 1);
    // With only faded ones under the cursor, a faded one is taken.
    EXPECT_EQ(NumberOf(*pick(doc, {0.2, 0}, std::uint16_t{3})), 2);
  }
  TMomentObject& moment = AppendObject<TMomentObject>(doc);
  moment.Number = 1;
  moment.Case = 2;
  // Selection tries moments before forces, but not a faded moment before a
  // force drawn in full.
  EXPECT_EQ(KindOf(*PickForSelection(doc, {0.1, 0}, std::uint16_t{1})), ObjectKind::Force);
  EXPECT_EQ(KindOf(*PickForSelection(doc, {0.1, 0}, std::uint16_t{2})), ObjectKind::Moment);
}

} // namespace
} // namespace strandel
