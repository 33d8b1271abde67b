// Reduction factors and design values of timber, steel and aluminium.

#include <gtest/gtest.h>

#include "sections/capacity.h"
#include "sections/material.h"
#include "sections/section_beams.h"

namespace strandel {
namespace {

TBeamObject Material(const char* type, double ftk) {
  TBeamObject beam = testing::SteelBeam(1, 0.2, 0.1, 0, 0);
  beam.MtrlType = type;
  beam.Ftk = ftk;
  return beam;
}

TEST(ReductionFactors, ByMaterialChoiceAndSwitch) {
  ModelDocument on;
  ModelDocument off;
  off.Settings.FailHazRed = off.Settings.DimUncertRed = off.Settings.LatBuckRed =
      off.Settings.LocBuckRed = off.Settings.LoadDurRed = off.Settings.AirMoistRed = false;
  struct Case {
    const char* what;
    double (*factor)(const TBeamObject&, const ModelDocument&);
    const char* type;
    double ftk; // Pa
    int choice; // the choice the factor reads
    double expected;
  } cases[] = {
      {"safety class 1", &HazRedFact, "STEEL", 0, 0, 1.0},
      {"safety class 2", &HazRedFact, "WOOD", 0, 1, 1 / 1.1},
      {"safety class 3", &HazRedFact, "ALUMINIUM", 0, 2, 1 / 1.2},
      {"safety class index past 3", &HazRedFact, "STEEL", 0, 3, 1 / 1.2},
      {"no safety factor for an unknown material", &HazRedFact, "CONCRETE", 0, 2, 1.0},
      {"unchecked steel dimensions", &DimRedFact, "STEEL", 0, 0, 1 / 1.1},
      {"checked steel dimensions", &DimRedFact, "STEEL", 0, 1, 1.0},
      {"unchecked aluminium dimensions", &DimRedFact, "ALUMINIUM", 0, 0, 1 / 1.1},
      {"unchecked timber dimensions", &DimRedFact, "WOOD", 0, 0, 1 / 1.25},
      {"checked timber dimensions", &DimRedFact, "WOOD", 0, 1, 1 / 1.15},
      {"other material", &DimRedFact, "CONCRETE", 0, 0, 1.0},
      {"timber in climate zone 3", &MoistRedFact, "WOOD", 0, 2, 1.0},
      {"timber in climate zone 4", &MoistRedFact, "WOOD", 0, 3, 0.85},
      {"timber past zone 4", &MoistRedFact, "WOOD", 0, 9, 0.85},
      {"steel in climate zone 4", &MoistRedFact, "STEEL", 0, 3, 1.0},
      // f = 20 MPa: 0.858 - 0.22, 1.008 - 0.22, 1.127 - 0.22.
      {"permanent load on timber", &DurRedFact, "WOOD", 20e6, 0, 0.638},
      {"long-term load on timber", &DurRedFact, "WOOD", 20e6, 1, 0.638},
      {"medium-term load on timber", &DurRedFact, "WOOD", 20e6, 2, 0.788},
      {"short-term load on timber", &DurRedFact, "WOOD", 20e6, 3, 0.907},
      {"duration past the list", &DurRedFact, "WOOD", 20e6, 4, 0.6},
      {"load duration does not weaken steel", &DurRedFact, "STEEL", 20e6, 0, 1.0},
      // 0.858 - 0.011 x 90 < 0: a rule for real timber gives such a one no strength.
      {"implausibly strong timber", &DurRedFact, "WOOD", 90e6, 0, 0.0},
      {"lower-case type is no type", &DurRedFact, "wood", 20e6, 0, 1.0},
  };
  for (const Case& c : cases) {
    TBeamObject beam = Material(c.type, c.ftk);
    const auto choice = static_cast<std::uint16_t>(c.choice);
    beam.SafetyClass = beam.DimControl = beam.ClimateZone = beam.LoadDuration = choice;
    EXPECT_NEAR(c.factor(beam, on), c.expected, 1e-12) << c.what;
    EXPECT_EQ(c.factor(beam, off), 1.0) << c.what << " switched off";
  }
}

TEST(DesignValues, ProductOfTheFactors) {
  ModelDocument doc;
  // C24 timber, safety class 3, unchecked dimensions, zone 4, long-term load:
  // 1/1.2 x 1/1.25 x 0.85 x (0.858 - 0.011 x 14.5) = 0.39496.
  TBeamObject beam = Material("WOOD", 14.5e6);
  beam.Fck = 21e6;
  beam.Fmk = 24e6;
  beam.Ek = 11e9;
  beam.SafetyClass = 2;
  beam.ClimateZone = 3;
  beam.LoadDuration = 1;
  const double factor = 1 / 1.2 / 1.25 * 0.85 * (0.858 - 0.011 * 14.5);
  EXPECT_NEAR(Ftd(beam, doc), 14.5e6 * factor, 1e-6);
  EXPECT_NEAR(Fmd(beam, doc), 24e6 * factor, 1e-6);
  EXPECT_NEAR(Ed(beam, doc), 11e9 * factor, 1e-3);
  EXPECT_NEAR(Fcd(beam, doc), 21e6 * factor * BucklRedFact(beam, doc), 1e-6);
  // Without the buckling rule the compressive strength is reduced only by the others.
  doc.Settings.LatBuckRed = false;
  EXPECT_EQ(BucklRedFact(beam, doc), 1);
  EXPECT_NEAR(Fcd(beam, doc), 21e6 * factor, 1e-6);
  // An unknown material is taken at its characteristic values.
  TBeamObject unknown = beam;
  unknown.MtrlType = "Steel";
  doc.Settings.LatBuckRed = true;
  EXPECT_EQ(Ftd(unknown, doc), 14.5e6);
  EXPECT_EQ(Fcd(unknown, doc), 21e6);
  EXPECT_EQ(BucklRedFact(unknown, doc), 1);
}

} // namespace
} // namespace strandel
