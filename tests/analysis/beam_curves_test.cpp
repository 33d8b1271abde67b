// Force, moment, slope and deflection along a stretch against the textbook
// curves of simple beams, and the utilisation and displacement sampled from them.

#include "analysis/beam_curves.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "analysis/solver.h"
#include "common/geometry.h"
#include "support/frame_models.h"

namespace strandel {
namespace {

using testing::Section;

// One stretch from (0, 0) to (L, 0) on a pin and a roller under q downward.
ModelDocument SimpleBeam(double L, double q) {
  ModelDocument doc = testing::EmptyModel();
  testing::AddNode(doc, 1, 0, 0);
  testing::AddNode(doc, 2, L, 0);
  testing::AddBeam(doc, 1, 1, 2);
  testing::AddSupport(doc, 1, 1);
  testing::AddSupport(doc, 2, 2, true, 1);
  testing::AddLoad(doc, 1, 1, 1, 2, q, -kPi / 2);
  return doc;
}

TEST(StretchCurves, SimpleBeamUnderUniformLoad) {
  const double L = 6, q = 2000;
  const Section section;
  const double EI = section.E * section.Inertia();
  ModelDocument doc = SimpleBeam(L, q);
  ASSERT_TRUE(AnalyseModel(doc).Ok());
  ASSERT_EQ(doc.Segments.size(), 1u);
  const StretchCurves curves(doc.Segments[0]);
  for (int i = 0; i <= 10; ++i) {
    const double x = L * i / 10;
    // Sagging moment q x (L - x)/2 (negative in the beam's sign), shear its
    // derivative, deflection q x (L^3 - 2 L x^2 + x^3)/(24 EI) downward.
    EXPECT_NEAR(curves.Moment(x), -q * x * (L - x) / 2, 1e-6) << x;
    EXPECT_NEAR(curves.ShearForce(x), -q * (L / 2 - x), 1e-6) << x;
    const double v = -q * x * (L * L * L - 2 * L * x * x + x * x * x) / (24 * EI);
    EXPECT_NEAR(curves.Deflection(x), v, 1e-12) << x;
    const double slope = -q * (L * L * L - 6 * L * x * x + 4 * x * x * x) / (24 * EI);
    EXPECT_NEAR(curves.Slope(x), slope, 1e-12) << x;
    EXPECT_NEAR(curves.NormalForce(x), 0, 1e-6);
  }
  EXPECT_NEAR(curves.Deflection(L / 2), -5 * q * std::pow(L, 4) / (384 * EI), 1e-12);
  // Stress at the extreme fibres at mid-span: M / W with W = B H^2 / 6.
  const double W = section.B * section.H * section.H / 6;
  EXPECT_NEAR(curves.StressTop(L / 2), -q * L * L / 8 / W, 1e-3);
  EXPECT_NEAR(curves.StressBottom(L / 2), q * L * L / 8 / W, 1e-3);
  // Without normal force the utilisation is |M / Md|, highest at mid-span.
  const double Md = doc.Segments[0].Md;
  ASSERT_GT(Md, 0);
  EXPECT_NEAR(StretchUtilisation(doc.Segments[0]), q * L * L / 8 / Md, 1e-12);
  EXPECT_EQ(BeamUtilisation(doc, 1), StretchUtilisation(doc.Segments[0]));
  EXPECT_EQ(BeamUtilisation(doc, 2), 0); // no such beam

  // The model is drawn so that the largest deflection is 5 % of its span.
  const double span = 6;
  EXPECT_NEAR(DeflectionDrawScale(doc, span), 0.05 * span / (5 * q * std::pow(L, 4) / (384 * EI)),
              1e-6);
  ModelDocument unloaded = SimpleBeam(L, 0);
  ASSERT_TRUE(AnalyseModel(unloaded).Ok());
  EXPECT_EQ(DeflectionDrawScale(unloaded, span), 0);
}

TEST(StretchCurves, CantileverBentAndPulled) {
  // P = 1 kN down and H = 50 kN along the axis at the tip of L = 2.5 m:
  // v(x) = -P x^2 (3L - x)/(6 EI), the tip moves H L / EA along the axis.
  const double L = 2.5, P = 1000, H = 50000;
  const Section section;
  const double EI = section.E * section.Inertia(), EA = section.E * section.Area();
  ModelDocument doc = testing::EmptyModel();
  testing::AddNode(doc, 1, 0, 0);
  testing::AddNode(doc, 2, L, 0);
  testing::AddBeam(doc, 1, 1, 2);
  testing::AddSupport(doc, 1, 1, false, 3, true);
  testing::AddForce(doc, 1, 2, P, -kPi / 2);
  testing::AddForce(doc, 2, 2, H, 0);
  ASSERT_TRUE(AnalyseModel(doc).Ok());
  const StretchCurves curves(doc.Segments[0]);
  for (int i = 0; i < kStretchSamples; ++i) {
    const double x = SampleFraction(i) * L;
    EXPECT_NEAR(curves.Deflection(x), -P * x * x * (3 * L - x) / (6 * EI), 1e-12) << i;
    EXPECT_NEAR(curves.NormalForce(x), H, 1e-6);
    EXPECT_NEAR(curves.Moment(x), P * (L - x), 1e-6); // hogging is positive
  }
  EXPECT_NEAR(curves.Elongation(), H * L / EA, 1e-15);
  const double u = H * L / EA, v = P * L * L * L / (3 * EI);
  EXPECT_NEAR(BeamMaxDisplacement(doc, 1), std::sqrt(u * u + v * v), 1e-12);
  EXPECT_EQ(BeamMaxDisplacement(doc, 7), 0);
  // In tension the utilisation adds |N / Rtd| to |M / Md|; highest at the support.
  const TSegmentObject& s = doc.Segments[0];
  EXPECT_NEAR(StretchUtilisation(s), P * L / s.Md + H / s.Rtd, 1e-9);
}

TEST(StretchCurves, EveryBeamsPeaksInOnePassAreThoseOfEachBeamAlone) {
  ModelDocument doc = testing::GridFrame(4, 3, 4, 3, 6000);
  testing::AddForce(doc, 1, testing::GridNode(4, 0, 3), 9000, 0);
  ASSERT_TRUE(AnalyseModel(doc).Ok());
  // One stretch that cannot be checked leaves its beam's utilisation undefined.
  doc.Segments[7].Md = std::numeric_limits<double>::quiet_NaN();
  const long undefined = doc.Segments[7].BeamNo;
  const auto peaks = BeamPeaks(doc);
  for (const TBeamObject& beam : ObjectsOf<TBeamObject>(doc)) {
    const BeamPeak peak = PeakOf(peaks, beam.Number);
    if (beam.Number == undefined) {
      EXPECT_TRUE(std::isnan(peak.Utilisation));
    } else {
      EXPECT_EQ(peak.Utilisation, BeamUtilisation(doc, beam.Number)) << beam.Number;
      EXPECT_GT(peak.Utilisation, 0) << beam.Number;
    }
    EXPECT_EQ(peak.MaxDisplacement, BeamMaxDisplacement(doc, beam.Number)) << beam.Number;
  }
  EXPECT_TRUE(std::isnan(BeamUtilisation(doc, undefined)));
  // A beam without stretches has neither.
  const BeamPeak none = PeakOf(peaks, 999);
  EXPECT_EQ(none.Utilisation, 0);
  EXPECT_EQ(none.MaxDisplacement, 0);
}

TEST(StretchCurves, BendsWithinTheDoublesExactlyWhenEveryDistanceIsFinite) {
  // Unloaded and straight, the stretch's points lie on the line between its
  // ends: the deflection runs from 0 to the far end's local y displacement.
  constexpr double kMax = std::numeric_limits<double>::max();
  const auto stretch = [](double axial, double deflection) {
    TSegmentObject s;
    s.Length = 2;
    s.EModulus = 2.1e11;
    s.Inertia = 1e-5;
    s.DispL = {axial, 0, 0, axial, deflection, 0};
    return s;
  };
  struct Row {
    double axial, deflection;
    bool finite;
  };
  for (const Row& row : {Row{1e-3, 2e-3, true},
                         // A distance above half the largest double that still fits.
                         {0, 0.9 * kMax, true},
                         {0.6 * kMax, 0.6 * kMax, true},
                         // One whose hypot overflows, both parts finite.
                         {0.8 * kMax, 0.8 * kMax, false},
                         {0, std::numeric_limits<double>::infinity(), false},
                         {std::numeric_limits<double>::quiet_NaN(), 0, false}}) {
    const TSegmentObject s = stretch(row.axial, row.deflection);
    EXPECT_EQ(StretchBendsWithinDoubles(s), row.finite) << row.axial << ", " << row.deflection;
    if (row.finite) {
      EXPECT_TRUE(std::isfinite(StretchMaxDisplacement(s)));
    }
  }
}

} // namespace
} // namespace strandel
