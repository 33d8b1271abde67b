// Local buckling of thin-walled profiles: effective areas and reduced second
// moments of slender sections worked out by hand, and the switch that decides
// which second moments the design takes.

#include <cmath>

#include <gtest/gtest.h>

#include "common/geometry.h"
#include "sections/profile.h"
#include "sections/rectangle_section.h"
#include "sections/section_beams.h"

namespace strandel {
namespace {

using testing::Rectangle;
using testing::SteelBeam;

// A welded girder of S355 with a slender web: 600 high, flanges 300 x 10, web 5.
TBeamObject SlenderGirder() {
  TBeamObject beam = SteelBeam(kIProfile, 0.6, 0.3, 0.005, 0.01);
  beam.Fck = 355e6;
  return beam;
}

TEST(LocalBuckling, EffectiveAreaOfASlenderGirder) {
  ModelDocument doc;
  TBeamObject girder = SlenderGirder();
  // Limits for S355: L1 = 10.70, L2 = 27.73. Web: b = H - 4 TF = 0.56, b/t = 112 >= L2,
  // t' = 50 x 0.005^2 / 0.56 = 0.00223214. Flanges: b = 0.15 - 0.0075 = 0.1425,
  // b/t = 14.25 >= L1 but 18 x 0.01^2 / 0.1425 = 0.01263 > t: they keep 0.01.
  const double webEffective = 50 * 0.005 * 0.005 / 0.56;
  EXPECT_NEAR(Aeff(girder, doc), 0.58 * webEffective + 2 * 0.3 * 0.01, 1e-15);
  EXPECT_NEAR(A(girder, doc), 0.58 * 0.005 + 2 * 0.3 * 0.01, 1e-15);
}

TEST(LocalBuckling, ReducedSecondMomentsKeepTheLeverArms) {
  ModelDocument doc;
  TBeamObject girder = SlenderGirder();
  // Reduced thicknesses (curve 1, hot rolled): flanges 0.01 x 0.845496, web
  // 0.005 x 0.382162 (worked out in the plate rules test).
  const double f = 0.00845496, w = 0.005 * 0.382162;
  // The reduced flanges stay where the full flanges are: centred 0.295 above and
  // below the middle, not moved to the new plate's middle.
  const testing::RectangleSection reduced = testing::SectionOf(
      {{-0.15, 0.295 - f / 2, 0.3, f}, {-0.15, -0.295 - f / 2, 0.3, f}, {-w / 2, -0.29, w, 0.58}});
  // (The factors above carry six digits.)
  EXPECT_NEAR(IyRed(girder, doc), reduced.Ihorizontal, 1e-6 * reduced.Ihorizontal);
  EXPECT_NEAR(IxRed(girder, doc), reduced.Ivertical, 1e-6 * reduced.Ivertical);
  EXPECT_LT(IyRed(girder, doc), Iy(girder, doc));
}

TEST(LocalBuckling, ThinRoundTube) {
  ModelDocument doc;
  // S355 tube 500 x 4: the wall's width is the mean radius 0.248, b/t = 62.
  TBeamObject tube = SteelBeam(kCircularTube, 0.5, 0, 0.004, 0);
  tube.Fck = 355e6;
  // Effective: L3 = 0.05 E / fy = 29.58 <= 62, t' = 50 x 0.004^2 / 0.248.
  const double effective = 50 * 0.004 * 0.004 / 0.248;
  EXPECT_NEAR(Aeff(tube, doc), kPi * effective * (0.5 - 0.004), 1e-15);
  // Reduced: lambda_p = 0.525 x 62 x 0.0411154 = 1.338306, rho = 0.599099; the
  // thinner wall keeps the mean radius, a ring of 0.496 +- t_r.
  const double tr = 0.004 * 0.599099;
  const double outer = 0.496 + tr, inner = 0.496 - tr;
  const double ring = kPi * (std::pow(outer, 4) - std::pow(inner, 4)) / 64;
  EXPECT_NEAR(IyRed(tube, doc), ring, 1e-6 * ring);
  EXPECT_DOUBLE_EQ(IxRed(tube, doc), IyRed(tube, doc));
}

TEST(LocalBuckling, StockySectionsKeepTheirFullValues) {
  ModelDocument doc;
  // Timber and thick steel walls: no plate is slender, effective is gross.
  struct Case {
    int shape;
    double H, B, TL, TF;
  } cases[] = {{1, 0.2, 0.1, 0, 0},         {2, 0.1, 0, 0, 0},          {3, 0.1, 0.1, 0.01, 0},
               {4, 0.1, 0, 0.01, 0},        {5, 0.2, 0.1, 0.01, 0.015}, {6, 0.2, 0.2, 0.015, 0.02},
               {7, 0.1, 0.2, 0.015, 0.015}, {8, 0.1, 0.1, 0.012, 0},    {9, 0.1, 0.1, 0.012, 0},
               {10, 0.1, 0.1, 0.012, 0}};
  for (const Case& c : cases) {
    TBeamObject beam = SteelBeam(c.shape, c.H, c.B, c.TL, c.TF);
    EXPECT_DOUBLE_EQ(Aeff(beam, doc), A(beam, doc)) << "shape " << c.shape;
  }
  // Massive shapes have no plates at all, whatever the material.
  TBeamObject bar = SteelBeam(kRectangularMassive, 0.5, 0.01, 0, 0);
  bar.Fck = 1e12;
  EXPECT_DOUBLE_EQ(IyRed(bar, doc), Iy(bar, doc));
  EXPECT_DOUBLE_EQ(IxRed(bar, doc), Ix(bar, doc));
}

TEST(LocalBuckling, SwitchDecidesWhichMomentsTheDesignUses) {
  TBeamObject girder = SlenderGirder();
  ModelDocument on;
  ModelDocument off;
  off.Settings.LocBuckRed = false;
  // Switched off, the minimum and the section modulus take the full second
  // moments, while the reduced ones can still be listed.
  EXPECT_DOUBLE_EQ(Imin(girder, off), std::min(Ix(girder, off), Iy(girder, off)));
  EXPECT_DOUBLE_EQ(SectMod(girder, off), Iy(girder, off) / 0.3);
  EXPECT_LT(IyRed(girder, off), Iy(girder, off));
  // Switched on, both take the reduced ones.
  EXPECT_DOUBLE_EQ(Imin(girder, on), std::min(IxRed(girder, on), IyRed(girder, on)));
  EXPECT_DOUBLE_EQ(SectMod(girder, on), IyRed(girder, on) / 0.3);
}

TEST(LocalBuckling, BracedBeamBucklesInItsPlane) {
  ModelDocument doc;
  // An I profile is far weaker about its vertical axis; braced sideways it can
  // only buckle in the frame's plane.
  TBeamObject beam = SteelBeam(kIProfile, 0.2, 0.1, 0.0056, 0.0085);
  ASSERT_LT(IxUsed(beam, doc), IyUsed(beam, doc));
  EXPECT_DOUBLE_EQ(Imin(beam, doc), IxUsed(beam, doc));
  beam.Braced = true;
  EXPECT_DOUBLE_EQ(Imin(beam, doc), IyUsed(beam, doc));
}

} // namespace
} // namespace strandel
