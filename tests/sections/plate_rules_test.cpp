// The plate rules of thin-walled profiles, worked out by hand.

#include <cmath>

#include <gtest/gtest.h>

#include "sections/plate_rules.h"
#include "sections/section_beams.h"

namespace strandel {
namespace {

TEST(PlateRules, EffectiveThickness) {
  const double nan = std::nan("");
  struct Case {
    const char* what;
    int kind;
    double t, b, limit, expected;
  } cases[] = {
      {"stocky outstanding plate keeps its thickness", 1, 0.01, 0.1, 13.2, 0.01},
      // b/t = 20 >= 13.2: 18 t^2 / b = 18 x 1e-4 / 0.2 = 0.009.
      {"slender outstanding plate", 1, 0.01, 0.2, 13.2, 0.009},
      // b/t = 60 >= 34: 50 t^2 / b = 50 x 1e-4 / 0.6 = 0.008333...
      {"slender internal plate", 2, 0.01, 0.6, 34, 0.005 / 0.6},
      // b/t = 14 >= 13.2 but 18 t^2 / b = 0.01286 > t: the plate keeps t.
      {"just past the limit the rule gives no less than t", 1, 0.01, 0.14, 13.2, 0.01},
      {"exactly at the limit the rule applies", 2, 0.01, 0.6, 60, 0.005 / 0.6},
      {"a plate of no thickness has none", 2, 0, 0.6, 34, 0},
      {"a plate of no width is not slender", 1, 0.01, 0, 13.2, 0.01},
      {"nor is one of negative width", 1, 0.01, -0.05, 13.2, 0.01},
      {"a material without stiffness or strength has no limit", 1, 0.01, 0.2, nan, nan},
      {"a negative thickness is no plate", 1, -0.01, 0.2, 13.2, nan},
      {"there are two kinds of plate", 3, 0.01, 0.2, 13.2, nan},
  };
  for (const Case& c : cases) {
    const double actual = EffectiveThickness(c.kind, c.t, c.b, c.limit);
    if (std::isnan(c.expected))
      EXPECT_TRUE(std::isnan(actual)) << c.what;
    else
      EXPECT_NEAR(actual, c.expected, 1e-15) << c.what;
  }
}

TEST(PlateRules, SlendernessLimitsOfSteel) {
  // S355: sqrt(E / fy) = sqrt(210000 / 355) = 24.3220.
  EXPECT_NEAR(OutstandingPlateLimit(355e6, 210e9), 10.70159, 1e-5);
  EXPECT_NEAR(InternalPlateLimit(355e6, 210e9), 27.72684, 1e-5);
  EXPECT_NEAR(RoundTubeLimit(355e6, 210e9), 29.57746, 1e-5);
}

TEST(PlateRules, ReducedThickness) {
  const double nan = std::nan("");
  const double fy = 355e6, E = 210e9; // sqrt(fy / E) = 0.0411152
  struct Case {
    const char* what;
    int curveClass, kind;
    double t, b, Fck, Ek, expected;
  } cases[] = {
      // lambda_p = 1.52 x 5 x 0.0411152 = 0.3125 < 0.67.
      {"stocky flange", 1, 1, 0.01, 0.05, fy, E, 0.01},
      // lambda_p = 1.52 x 14.25 x 0.0411152 = 0.890560;
      // rho = 1 / 0.890560 - 0.22 / 0.890560^2 = 0.845496.
      {"slender flange", 1, 1, 0.01, 0.1425, fy, E, 0.00845496},
      // lambda_p = 0.525 x 112 x 0.0411152 = 2.417586, for the three curves:
      // 0.85 / 2.417586 + 0.06 - 0.172 / 2.417586^2 = 0.382162
      {"slender web, curve 1", 1, 2, 0.005, 0.56, fy, E, 0.005 * 0.382162},
      // 0.63 / 2.417586 + 0.07 - 0.043 / 2.417586^2 = 0.323234
      {"slender web, curve 2", 2, 2, 0.005, 0.56, fy, E, 0.005 * 0.323234},
      // 0.42 / 2.417586 + 0.09 - 0.076 / 2.417586^2 = 0.250724
      {"slender web, curve 3", 3, 2, 0.005, 0.56, fy, E, 0.005 * 0.250724},
      // lambda_p = 0.525 x 20 x 0.0411152 = 0.4317 < 0.6.
      {"stocky web", 1, 2, 0.005, 0.1, fy, E, 0.005},
      {"no thickness", 1, 2, 0, 0.56, fy, E, 0},
      {"no strength: never slender", 1, 2, 0.005, 0.56, 0, E, 0.005},
      {"no stiffness and no strength", 1, 2, 0.005, 0.56, 0, 0, nan},
      {"a fourth curve does not exist", 4, 2, 0.005, 0.56, fy, E, nan},
      {"negative thickness", 1, 1, -0.01, 0.1, fy, E, nan},
  };
  for (const Case& c : cases) {
    const double actual = ReducedThickness(c.curveClass, c.kind, c.t, c.b, c.Fck, c.Ek);
    if (std::isnan(c.expected))
      EXPECT_TRUE(std::isnan(actual)) << c.what;
    else
      EXPECT_NEAR(actual, c.expected, 1e-8) << c.what;
  }
}

TEST(PlateRules, BucklingCurveClassByMaterialAndManufacture) {
  struct Case {
    const char* type;
    int manufacture;
    bool hardenable;
    int expected;
  } cases[] = {
      {"WOOD", 0, false, 3},     {"WOOD", 1, false, 1},      {"WOOD", 2, false, 3},
      {"STEEL", 0, false, 1},    {"STEEL", 1, false, 2},     {"STEEL", 2, false, 3},
      {"STEEL", 7, true, 3},     {"ALUMINIUM", 0, true, 1},  {"ALUMINIUM", 0, false, 2},
      {"ALUMINIUM", 1, true, 3}, {"ALUMINIUM", 2, false, 2}, {"wood", 1, false, 3},
      {"CONCRETE", 0, false, 3},
  };
  for (const Case& c : cases) {
    TBeamObject beam;
    beam.MtrlType = c.type;
    beam.Manufacture = static_cast<std::uint16_t>(c.manufacture);
    beam.HardenAble = c.hardenable;
    EXPECT_EQ(BucklingCurveClass(beam), c.expected) << c.type << " " << c.manufacture;
  }
}

} // namespace
} // namespace strandel
