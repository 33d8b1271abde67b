// Section values of the ten shapes against hand calculations: the thin-walled
// shapes drawn as rectangles and summed by the parallel-axis theorem, the round
// ones by the textbook formulas.

#include <cmath>

#include <gtest/gtest.h>

#include "common/geometry.h"
#include "sections/beam_details.h"
#include "sections/profile.h"
#include "sections/rectangle_section.h"
#include "sections/section_beams.h"

namespace strandel {
namespace {

using testing::Rectangle;
using testing::SteelBeam;

void ExpectRelative(double actual, double expected, double tolerance, const std::string& what) {
  EXPECT_NEAR(actual, expected, std::fabs(expected) * tolerance) << what;
}

TEST(NormaliseProfile, ClampsTheDimensionsWhileTheSectionValuesOnlyReadThem) {
  struct Case {
    int shape;
    double H, B, TL, TF;             // as stored
    double expH, expB, expTL, expTF; // after normalising
  } cases[] = {
      // Profiles stay under one metre and never vanish.
      {1, 2.0, 0.5, 0, 0, 0.999, 0.5, 0, 0},
      {1, 0.3, 0, 0, 0, 0.3, 0.01, 0, 0},
      {1, -1, -0.2, 0, 0, 0.01, 0.01, 0, 0},
      {2, 0.2, 5, 7, 7, 0.2, 0.999, 7, 7}, // a solid circle has no walls to clamp
      // T, L, LL and tubes have one plate thickness, the web's.
      {8, 0.1, 0.1, 0.01, 0.02, 0.1, 0.1, 0.01, 0.01},
      {9, 0.1, 0.1, 0.01, 0.005, 0.1, 0.1, 0.01, 0.01},
      {10, 0.1, 0.1, 0.01, 0.0, 0.1, 0.1, 0.01, 0.01},
      // A rectangular tube's wall is clamped to 0.96 of the smaller side.
      {3, 0.2, 0.1, 0.15, 0.0, 0.2, 0.1, 0.096, 0.096},
      {4, 0.1, 0.0, 0.08, 0.0, 0.1, 0.01, 0.048, 0.0},
      {5, 0.2, 0.1, 0.5, 0.5, 0.2, 0.1, 0.096, 0.096},
      {6, 0.2, 0.1, 0.01, 0.3, 0.2, 0.1, 0.01, 0.096},
      {7, 0.2, 0.1, 0.2, 0.05, 0.2, 0.1, 0.096, 0.05},
  };
  for (const Case& c : cases) {
    const TBeamObject stored = SteelBeam(c.shape, c.H, c.B, c.TL, c.TF);
    const std::string what = "shape " + std::to_string(c.shape);
    TBeamObject beam = stored;
    NormaliseProfile(beam);
    EXPECT_DOUBLE_EQ(beam.H, c.expH) << what;
    EXPECT_DOUBLE_EQ(beam.B, c.expB) << what;
    EXPECT_DOUBLE_EQ(beam.TL, c.expTL) << what;
    EXPECT_DOUBLE_EQ(beam.TF, c.expTF) << what;
    NormaliseProfile(beam); // twice changes nothing
    EXPECT_DOUBLE_EQ(beam.H, c.expH) << what;
    EXPECT_DOUBLE_EQ(beam.TF, c.expTF) << what;
    // Every value of the details list and the capacities reads the stored beam
    // as clamped, and leaves it as it was.
    ModelDocument doc;
    TBeamObject asStored = stored;
    for (const auto* list : {&BeamDetails(), &BeamCapacities()}) {
      for (const BeamDetail& detail : *list) {
        const double fromStored = detail.Value(asStored, doc, nullptr);
        const double fromClamped = detail.Value(beam, doc, nullptr);
        EXPECT_TRUE(fromStored == fromClamped ||
                    (std::isnan(fromStored) && std::isnan(fromClamped)))
            << what << " " << detail.Name << ": " << fromStored << " / " << fromClamped;
      }
    }
    EXPECT_EQ(asStored, stored) << what;
  }
}

TEST(SectionValues, ThinWalledShapesMatchTheirRectangles) {
  const double H = 0.3, B = 0.2, TL = 0.008, TF = 0.012, t = TL;
  struct Case {
    int shape;
    std::vector<Rectangle> parts;
  } cases[] = {
      {1, {{0, 0, B, H}}},
      {3, {{0, 0, B, t}, {0, H - t, B, t}, {0, t, t, H - 2 * t}, {B - t, t, t, H - 2 * t}}},
      {5, {{0, 0, B, TF}, {0, H - TF, B, TF}, {(B - TL) / 2, TF, TL, H - 2 * TF}}},
      // The I turned on its side: flanges H high at the sides, the web between.
      {6, {{0, 0, TF, H}, {B - TF, 0, TF, H}, {TF, (H - TL) / 2, B - 2 * TF, TL}}},
      // A U opening upward: the base at the bottom, legs standing on it.
      {7, {{0, 0, B, TL}, {0, TL, TF, H - TL}, {B - TF, TL, TF, H - TL}}},
      // A T standing on its flange.
      {8, {{0, 0, B, t}, {(B - t) / 2, t, t, H - t}}},
      // An L with its horizontal leg at the top, the upright at the left edge.
      {9, {{0, H - t, B, t}, {0, 0, t, H - t}}},
      // Two such angles back to back, a plate thickness apart.
      {10,
       {{t / 2, H - t, B, t},
        {t / 2, 0, t, H - t},
        {-t / 2 - B, H - t, B, t},
        {-3 * t / 2, 0, t, H - t}}},
  };
  for (const Case& c : cases) {
    const testing::RectangleSection expected = testing::SectionOf(c.parts);
    TBeamObject beam = SteelBeam(c.shape, H, B, TL, TF);
    ModelDocument doc;
    doc.Settings.LocBuckRed = false; // the section modulus then takes the full second moment
    const std::string what = "shape " + std::to_string(c.shape);
    ExpectRelative(A(beam, doc), expected.Area, 1e-12, what + " A");
    ExpectRelative(Iy(beam, doc), expected.Ihorizontal, 1e-12, what + " Iy");
    ExpectRelative(Ix(beam, doc), expected.Ivertical, 1e-12, what + " Ix");
    ExpectRelative(Ebott(beam, doc), expected.CentroidY - expected.Bottom, 1e-12, what + " Ebott");
    ExpectRelative(Etop(beam, doc), expected.Top - expected.CentroidY, 1e-12, what + " Etop");
    const double farthest =
        std::max(expected.CentroidY - expected.Bottom, expected.Top - expected.CentroidY);
    ExpectRelative(SectMod(beam, doc), expected.Ihorizontal / farthest, 1e-12, what + " SectMod");
  }
}

TEST(SectionValues, RoundShapesByTextbookFormulas) {
  ModelDocument doc;
  // Solid circle of diameter D: A = pi D^2 / 4, I = pi D^4 / 64.
  const double D = 0.2;
  TBeamObject bar = SteelBeam(kCircularMassive, D, 0, 0, 0);
  EXPECT_NEAR(A(bar, doc), kPi * D * D / 4, 1e-15);
  EXPECT_NEAR(Iy(bar, doc), kPi * std::pow(D, 4) / 64, 1e-18);
  EXPECT_NEAR(Ix(bar, doc), kPi * std::pow(D, 4) / 64, 1e-18);
  EXPECT_DOUBLE_EQ(Ebott(bar, doc), 0.1);
  // Tube 200 x 10: inner diameter d = 180 mm.
  const double d = 0.18;
  TBeamObject tube = SteelBeam(kCircularTube, D, 0, 0.01, 0);
  EXPECT_NEAR(A(tube, doc), kPi * (D * D - d * d) / 4, 1e-15);
  EXPECT_NEAR(Iy(tube, doc), kPi * (std::pow(D, 4) - std::pow(d, 4)) / 64, 1e-17);
  EXPECT_NEAR(Ix(tube, doc), Iy(tube, doc), 1e-20);
  EXPECT_NEAR(SectMod(tube, doc), kPi * (std::pow(D, 4) - std::pow(d, 4)) / (32 * D), 1e-16);
}

TEST(SectionValues, LengthAngleAndMassOfABeam) {
  ModelDocument doc;
  // A 3-4-5 triangle: 5 m long, rising at atan(4/3); 0.1 x 0.2 m steel weighs
  // 0.02 m^2 x 5 m x 7850 kg/m^3 = 785 kg.
  TBeamObject beam = SteelBeam(kRectangularMassive, 0.2, 0.1, 0, 0);
  beam.X1 = 1;
  beam.Y1 = 1;
  beam.X2 = 4;
  beam.Y2 = 5;
  EXPECT_DOUBLE_EQ(Length(beam, doc), 5);
  EXPECT_DOUBLE_EQ(Angle(beam, doc), std::atan2(4.0, 3.0));
  EXPECT_NEAR(Mass(beam, doc), 785, 1e-9);
  // Pointing down and to the left the angle is negative, beyond -pi/2.
  std::swap(beam.X1, beam.X2);
  std::swap(beam.Y1, beam.Y2);
  EXPECT_NEAR(Angle(beam, doc), std::atan2(4.0, 3.0) - kPi, 1e-15);
}

TEST(SectionValues, IllFormedProfilesHaveNoValues) {
  struct Case {
    const char* what;
    int shape;
    double H, B, TL, TF;
  } cases[] = {
      {"tube walls overlapping past the middle", 3, 0.1, 0.1, 0.06, 0},
      {"H flanges wider than the profile", 6, 0.2, 0.1, 0.01, 0.08},
      {"H web higher than the profile", 6, 0.05, 0.3, 0.1, 0.01},
      {"U base higher than its legs", 7, 0.05, 0.2, 0.08, 0.01},
      {"U legs wider than the base", 7, 0.3, 0.1, 0.01, 0.06},
      {"negative web thickness", 5, 0.2, 0.1, -0.01, 0.01},
      {"negative flange thickness", 7, 0.2, 0.1, 0.01, -0.01},
      {"negative wall", 4, 0.2, 0.1, -0.01, 0},
      {"no shape 0", 0, 0.2, 0.1, 0.01, 0.01},
      {"no shape 11", 11, 0.2, 0.1, 0.01, 0.01},
  };
  for (const Case& c : cases) {
    ModelDocument doc;
    TBeamObject beam = SteelBeam(c.shape, c.H, c.B, c.TL, c.TF);
    SectionContext context;
    for (double value : {A(beam, doc, &context), Aeff(beam, doc), Iy(beam, doc), IyRed(beam, doc),
                         Ix(beam, doc), IxRed(beam, doc), Imin(beam, doc), Ebott(beam, doc),
                         Etop(beam, doc), SectMod(beam, doc), Mass(beam, doc)})
      EXPECT_TRUE(std::isnan(value)) << c.what;
    EXPECT_DOUBLE_EQ(Length(beam, doc), 4) << c.what; // the beam itself is still there
    EXPECT_TRUE(context.NoteTexts().empty()) << c.what;
  }
  // Walls that just meet in the middle make a solid section: B H and B H^3 / 12.
  ModelDocument doc;
  TBeamObject solid = SteelBeam(kRectangularTube, 0.1, 0.2, 0.05, 0);
  EXPECT_NEAR(A(solid, doc), 0.02, 1e-15);
  EXPECT_NEAR(Iy(solid, doc), 0.2 * 1e-3 / 12, 1e-18);
}

TEST(SectionValues, VanishingAreaIsNotedOncePerOperation) {
  ModelDocument doc;
  // A tube without a wall has no area; the note says so once, however many
  // values and beams meet it.
  TBeamObject empty = SteelBeam(kRectangularTube, 0.1, 0.1, 0, 0);
  TBeamObject another = SteelBeam(kCircularTube, 0.1, 0, 0, 0);
  SectionContext context;
  EXPECT_EQ(A(empty, doc, &context), 0);
  EXPECT_EQ(Iy(empty, doc, &context), 0);
  EXPECT_EQ(Mass(another, doc, &context), 0);
  EXPECT_EQ(context.NoteTexts(), (std::vector<std::string>{"A= 0"}));
  // A tiny area is shown in the display form of numbers.
  SectionContext second;
  TBeamObject thin = SteelBeam(kCircularTube, 0.01, 0, 1e-7, 0);
  A(thin, doc, &second);
  EXPECT_EQ(second.NoteTexts(), (std::vector<std::string>{"A= 3.14E-09"}));
  // Without a context the value is the same and nothing is kept.
  EXPECT_EQ(A(empty, doc), 0);
}

} // namespace
} // namespace strandel
