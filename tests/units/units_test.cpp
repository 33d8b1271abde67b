#include "units/units.h"

#include <cmath>

#include <gtest/gtest.h>

#include "common/geometry.h"

namespace strandel {
namespace {

TEST(Units, EveryListHasItsNamesAndFactors) {
  struct Expected {
    Quantity quantity;
    std::vector<const char*> names;
  };
  const Expected lists[] = {
      {Quantity::Length, {"[m]", "[dm]", "[cm]", "[mm]", "[in]", "[ft]"}},
      {Quantity::Angle, {"[Rad]", "[Deg]"}},
      {Quantity::Force, {"[N]", "[KN]", "[kp]", "[lbs]", "[kips]"}},
      {Quantity::DistLoad, {"[N/m]", "[KN/m]", "[kp/m]", "[lb/ft]", "[k/in]", "[k/ft]"}},
      {Quantity::Moment, {"[Nm]", "[KNm]", "[Kpm]", "[ft-lbs]", "[k-in]", "[k-ft]", "[in-lb]"}},
      {Quantity::Area, {"[m^2]", "[dm^2]", "[cm^2]", "[mm^2]", "[in^2]", "[ft^2]"}},
      {Quantity::SectionModulus, {"[m^3]", "[dm^3]", "[cm^3]", "[mm^3]", "[in^3]", "[ft^3]"}},
      {Quantity::MomentOfInertia, {"[m^4]", "[dm^4]", "[cm^4]", "[mm^4]", "[in^4]", "[ft^4]"}},
      {Quantity::Stress, {"[Pa]", "[MPa]", "[GPa]", "[N/mm^2]", "[Kp/cm^2]", "[psi]", "[ksi]"}},
      {Quantity::Mass, {"[kg]", "[Ton]", "[lbm]", "[slug]"}},
      {Quantity::Density, {"[kg/m^3]", "[Ton/m^3]", "[kg/l]"}},
      {Quantity::Displacement, {"[m]", "[dm]", "[cm]", "[mm]", "[in]", "[ft]"}},
  };
  for (const Expected& expected : lists) {
    const auto& list = UnitList(expected.quantity);
    ASSERT_EQ(list.size(), expected.names.size());
    for (std::size_t i = 0; i < list.size(); ++i)
      EXPECT_EQ(list[i].Name, expected.names[i]);
  }
  // A sample of the fixed factors, and the computed powers of the inch and the foot.
  EXPECT_EQ(UnitList(Quantity::Force)[2].Factor, 0.10183);
  EXPECT_EQ(UnitList(Quantity::Moment)[4].Factor, 0.00885507);
  EXPECT_EQ(UnitList(Quantity::Stress)[4].Factor, 0.0000101833);
  EXPECT_NEAR(UnitList(Quantity::SectionModulus)[4].Factor, 61023.744, 0.001);
  EXPECT_NEAR(UnitList(Quantity::MomentOfInertia)[4].Factor, 2402509.61, 0.01);
  EXPECT_NEAR(UnitList(Quantity::SectionModulus)[5].Factor, 35.3198, 0.0001);
  EXPECT_NEAR(UnitList(Quantity::MomentOfInertia)[5].Factor, 115.884, 0.001);
  EXPECT_EQ(UnitList(Quantity::Angle)[1].Factor, 180 / kPi);
}

TEST(Units, EveryUnitConvertsBothWays) {
  for (Quantity quantity : SelectableQuantities()) {
    for (std::size_t position = 1; position <= UnitList(quantity).size(); ++position) {
      UnitChoice choice;
      SetChoice(choice, quantity, static_cast<std::uint16_t>(position));
      const double held = 1.2345;
      const double shown = ToShown(choice, quantity, held);
      EXPECT_DOUBLE_EQ(shown, held * UnitList(quantity)[position - 1].Factor);
      EXPECT_NEAR(FromShown(choice, quantity, shown), held, 1e-12);
      EXPECT_EQ(UnitName(choice, quantity), UnitList(quantity)[position - 1].Name);
    }
  }
}

TEST(Units, ShownValuesOfTheEdgeCases) {
  UnitChoice choice; // cm, mm, ...
  EXPECT_EQ(ShownText(choice, Quantity::Length, 2.5), " 250");
  EXPECT_DOUBLE_EQ(FromShown(choice, Quantity::Length, 300), 3);
  choice.Length = 1;
  choice.Displacement = 4;
  EXPECT_EQ(ShownText(choice, Quantity::Displacement, 0.1), " 100");
  EXPECT_EQ(ShownText(choice, Quantity::Length, 0.1), " 0.1");
  choice.SectionModulus = 6;
  EXPECT_EQ(ShownText(choice, Quantity::SectionModulus, 0.001), " 0.0353");
  for (UnitPreset preset : {UnitPreset::SI, UnitPreset::US}) {
    ApplyPreset(choice, preset);
    EXPECT_EQ(ShownText(choice, Quantity::Angle, kPi / 2), " 90");
    EXPECT_EQ(UnitName(choice, Quantity::Angle), "[Deg]");
  }
  EXPECT_DOUBLE_EQ(ToPercent(0.25), 25);
  EXPECT_DOUBLE_EQ(FromPercent(40), 0.4);
}

TEST(Units, PresetsSetEveryChoiceButUsKeepsTheDensity) {
  UnitChoice choice;
  choice.Density = 3;
  ApplyPreset(choice, UnitPreset::SI);
  EXPECT_EQ(choice, (UnitChoice{1, 4, 2, 2, 2, 3, 3, 3, 2, 1, 1}));
  // One force unit throughout: kN, kN/m, kNm.
  EXPECT_EQ(UnitName(choice, Quantity::Force), "[KN]");
  EXPECT_EQ(UnitName(choice, Quantity::DistLoad), "[KN/m]");
  EXPECT_EQ(UnitName(choice, Quantity::Moment), "[KNm]");
  choice.Density = 2;
  ApplyPreset(choice, UnitPreset::US);
  EXPECT_EQ(UnitName(choice, Quantity::Length), "[ft]");
  EXPECT_EQ(UnitName(choice, Quantity::Displacement), "[in]");
  EXPECT_EQ(UnitName(choice, Quantity::Force), "[kips]");
  EXPECT_EQ(UnitName(choice, Quantity::DistLoad), "[k/ft]");
  EXPECT_EQ(UnitName(choice, Quantity::Moment), "[k-ft]");
  EXPECT_EQ(UnitName(choice, Quantity::Area), "[in^2]");
  EXPECT_EQ(UnitName(choice, Quantity::SectionModulus), "[in^3]");
  EXPECT_EQ(UnitName(choice, Quantity::MomentOfInertia), "[in^4]");
  EXPECT_EQ(UnitName(choice, Quantity::Stress), "[ksi]");
  EXPECT_EQ(UnitName(choice, Quantity::Mass), "[lbm]");
  EXPECT_EQ(UnitName(choice, Quantity::Density), "[Ton/m^3]");
}

TEST(Units, ChoicesOutsideTheListFallBackToTheFirstUnit) {
  UnitChoice choice;
  choice.Force = 0;
  choice.Mass = 5; // the mass list has four units
  choice.Density = 65535;
  EXPECT_EQ(UnitName(choice, Quantity::Force), "[N]");
  EXPECT_EQ(UnitFactor(choice, Quantity::Mass), 1);
  EXPECT_EQ(UnitName(choice, Quantity::Density), "[kg/m^3]");
  EXPECT_EQ(EffectivePosition(choice, Quantity::Mass), 1);
  EXPECT_EQ(ChoiceOf(choice, Quantity::Mass), 5); // the stored value is kept
}

TEST(Units, DefaultChoicesAreTheProgramsFirstStart) {
  const UnitChoice choice;
  EXPECT_EQ(UnitName(choice, Quantity::Length), "[cm]");
  EXPECT_EQ(UnitName(choice, Quantity::Displacement), "[mm]");
  EXPECT_EQ(UnitName(choice, Quantity::Force), "[kp]");
  EXPECT_EQ(UnitName(choice, Quantity::DistLoad), "[kp/m]");
  EXPECT_EQ(UnitName(choice, Quantity::Moment), "[Kpm]");
  EXPECT_EQ(UnitName(choice, Quantity::Stress), "[MPa]");
  EXPECT_EQ(UnitName(choice, Quantity::Density), "[kg/m^3]");
}

} // namespace
} // namespace strandel
