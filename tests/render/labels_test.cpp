// The labels' texts with the display switches and units, their upright angles,
// and the room they keep from each other.

#include <cmath>

#include <gtest/gtest.h>

#include <QPainter>

#include "picture_probe.h"
#include "render/label_space.h"
#include "render/label_texts.h"
#include "render/picture_files.h"
#include "render/rotated_text.h"

namespace strandel {
namespace {

TEST(LabelTexts, SwitchesUnitsAndMagnitudes) {
  TBeamObject beam;
  beam.Number = 7;
  beam.BeamGroup = "Roof";
  struct {
    bool Numbers, Groups;
    const char* Text;
  } beamCases[] = {
      {true, false, "B7"}, {true, true, "B7,Roof"}, {false, true, "Roof"}, {false, false, ""}};
  for (const auto& c : beamCases)
    EXPECT_EQ(BeamLabelText(beam, c.Numbers, c.Groups), c.Text);
  beam.BeamGroup.clear();
  EXPECT_EQ(BeamLabelText(beam, true, true), "B7");

  // Default units: kp/m, kp and Kpm, 0.10183 of the newton each. Magnitudes only.
  UnitChoice units;
  TLoadObject load;
  load.Number = 1;
  load.Value = -1000; // 101.83 kp/m
  EXPECT_EQ(LoadLabelText(load, false, units), "q1");
  EXPECT_EQ(LoadLabelText(load, true, units), "q1= 102 [kp/m]");
  TForceObject force;
  force.Number = 2;
  force.Value = -2500;
  units.Force = 2; // kN
  EXPECT_EQ(ForceLabelText(force, true, units), "F2 2.5 [KN]");
  TMomentObject moment;
  moment.Number = 3;
  moment.Value = 50; // 5.0915 Kpm
  EXPECT_EQ(MomentLabelText(moment, true, units), "M3 5.09 [Kpm]");
  TSupportObject support;
  support.Number = 4;
  EXPECT_EQ(SupportLabelText(support), "S4");
  TNodeObject node;
  node.Number = 12;
  EXPECT_EQ(NodeLabelText(node), "N12");

  EXPECT_EQ(UtilisationText(0.875), "87.5%");
  EXPECT_EQ(UtilisationText(1.23456), "123%");
  EXPECT_EQ(UtilisationText(NAN), "NAN%");
}

TEST(LabelTexts, ReadableAngleNeverUpsideDown) {
  struct {
    double In, Out;
  } cases[] = {{0, 0},
               {kPi / 2, kPi / 2},
               {kPi, 0},
               {-kPi / 2, kPi / 2},
               {3 * kPi / 4, -kPi / 4},
               {-3 * kPi / 4, kPi / 4}};
  for (const auto& c : cases)
    EXPECT_NEAR(ReadableAngle(c.In), c.Out, 1e-12) << c.In;
}

TEST(LabelSpace, TurnedBoxesMeetOnlyWhereTheyOverlap) {
  const PixelBox flat{{0, 0}, 10, 2, 0};
  // Beside it, and crossing it at right angles.
  EXPECT_FALSE(Overlap(flat, PixelBox{{21, 0}, 10, 2, 0}));
  EXPECT_TRUE(Overlap(flat, PixelBox{{19, 0}, 10, 2, 0}));
  EXPECT_TRUE(Overlap(flat, PixelBox{{0, 0}, 10, 2, kPi / 2}));
  // A 45-degree box whose bounding square would touch, but the box does not.
  EXPECT_FALSE(Overlap(flat, PixelBox{{12, -9}, 8, 1, kPi / 4}));
  EXPECT_TRUE(Overlap(flat, PixelBox{{8, -4}, 8, 1, kPi / 4}));

  LabelSpace space;
  EXPECT_TRUE(space.IsFree(flat));
  space.Take(flat);
  EXPECT_FALSE(space.IsFree(PixelBox{{5, 1}, 3, 1, 0}));
  EXPECT_TRUE(space.IsFree(PixelBox{{5, 10}, 3, 1, 0}));
}

TEST(RotatedText, TurnsWithTheAngleAndGivesWayInTakenSpace) {
  const ViewState view = testing::TestView(10, 0, 0, 200, 200);
  auto inkBox = [](const QImage& image) {
    int left = image.width(), right = -1, top = image.height(), bottom = -1;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (qGray(image.pixel(x, y)) < 128) {
          left = std::min(left, x), right = std::max(right, x);
          top = std::min(top, y), bottom = std::max(bottom, y);
        }
    return QRect(QPoint(left, top), QPoint(right, bottom));
  };
  QImage flat = BlankImage(200, 200), upright = BlankImage(200, 200);
  {
    QPainter painter(&flat);
    EXPECT_TRUE(DrawLabel(painter, view, {10, 10}, "B1234", 2, 0, TextAnchor::MiddleCentre));
  }
  {
    QPainter painter(&upright);
    DrawLabel(painter, view, {10, 10}, "B1234", 2, kPi / 2, TextAnchor::MiddleCentre);
  }
  const QRect a = inkBox(flat), b = inkBox(upright);
  EXPECT_GT(a.width(), 2 * a.height());
  EXPECT_GT(b.height(), 2 * b.width());
  // Centred on the point either way.
  EXPECT_NEAR(a.center().x(), 100, 3);
  EXPECT_NEAR(b.center().y(), 100, 3);

  // A second label on the same place gives way; too small a label is left out.
  QImage image = BlankImage(200, 200);
  QPainter painter(&image);
  LabelSpace space;
  EXPECT_TRUE(DrawLabel(painter, view, {10, 10}, "B1", 2, 0, TextAnchor::MiddleCentre, &space));
  EXPECT_FALSE(DrawLabel(painter, view, {10.5, 10}, "B2", 2, 0, TextAnchor::MiddleCentre, &space));
  EXPECT_TRUE(DrawLabel(painter, view, {10, 14}, "B3", 2, 0, TextAnchor::MiddleCentre, &space));
  EXPECT_FALSE(DrawLabel(painter, view, {2, 2}, "B4", 0.2, 0, TextAnchor::MiddleCentre, &space));
}

} // namespace
} // namespace strandel
