// The structure generator's fields without a window: what they show in the
// user's units, what a typed text does to the parameters, and how a text the
// generator cannot take waits, with its reason, while the rest goes on.

#include "dialogs/generator_dialog_model.h"

#include <gtest/gtest.h>

#include "common/number_text.h"
#include "common/text.h"

namespace strandel {
namespace {

UnitChoice Centimetres() {
  UnitChoice units;   // the defaults: lengths in cm, loads in kp/m
  units.DistLoad = 2; // [KN/m]
  return units;
}

TEST(GeneratorDialogModel, FieldsShowTheValuesInTheUsersUnits) {
  GeneratorParameters values;
  values.W = 6.125;
  ParameterTable parameters;
  GeneratorDialogModel model(values, Centimetres(), parameters);
  EXPECT_EQ(model.Field(GeneratorField::Width).Text, " 612.5");
  EXPECT_EQ(model.Field(GeneratorField::Width).Unit, "[cm]");
  EXPECT_EQ(model.Field(GeneratorField::Height).Text, " 500");
  EXPECT_EQ(model.Field(GeneratorField::LengthSections).Text, " 3");
  EXPECT_EQ(model.Field(GeneratorField::DistributedLoad).Text, "-1");
  EXPECT_EQ(model.Field(GeneratorField::DistributedLoad).Unit, "[KN/m]");
  // A frame has no middle height: the field is disabled and empty.
  EXPECT_FALSE(model.Field(GeneratorField::MiddleHeight).Enabled);
  EXPECT_EQ(model.Field(GeneratorField::MiddleHeight).Text, "");
}

TEST(GeneratorDialogModel, TypedValuesKeepEveryDigitAndUntouchedOnesStay) {
  GeneratorParameters values;
  values.q = -1000.0 / 3.0;
  ParameterTable parameters;
  GeneratorDialogModel model(values, Centimetres(), parameters);
  model.Field(GeneratorField::Width).Text = "1234.5";
  model.Field(GeneratorField::Height).Text = "2*150.25";
  ASSERT_TRUE(model.ReadFields());
  EXPECT_EQ(model.Values.W, 12.345);
  EXPECT_EQ(model.Values.H, 3.005);
  EXPECT_EQ(model.Field(GeneratorField::Height).Text, " 300.5");
  // The load shows fifteen digits and stays exactly what it was.
  EXPECT_EQ(model.Field(GeneratorField::DistributedLoad).Text, "-0.333333333333333");
  EXPECT_EQ(model.Values.q, -1000.0 / 3.0);
  ASSERT_TRUE(model.ReadFields());
  EXPECT_EQ(model.Values.q, -1000.0 / 3.0);
}

TEST(GeneratorDialogModel, ARefusedTextWaitsWithItsReason) {
  struct Case {
    GeneratorField field;
    const char* typed;
    const char* reason;
  };
  const Case cases[] = {
      {GeneratorField::Width, "wide",
       "Operator/Value/Variable/Parameter on position 1 was not recognized"},
      {GeneratorField::Width, "0", "The value must be greater than 0"},
      {GeneratorField::Height, "-3", "The value must be greater than 0"},
      {GeneratorField::LengthSections, "0.5", "The value must be at least 1"},
      {GeneratorField::DistributedLoad, "1/0", "Division by zero"},
  };
  for (const Case& c : cases) {
    ParameterTable parameters;
    GeneratorDialogModel model(GeneratorParameters{}, Centimetres(), parameters);
    model.Field(c.field).Text = c.typed;
    model.Field(GeneratorField::HeightSections).Text = "5"; // beside it, taken
    EXPECT_FALSE(model.ReadFields()) << c.typed;
    EXPECT_EQ(model.Field(c.field).Text, c.typed);
    EXPECT_EQ(model.Field(c.field).Error, c.reason) << c.typed;
    EXPECT_EQ(model.Values.m, 5) << c.typed;
    // The other values are as they were.
    GeneratorParameters expected;
    expected.m = 5;
    EXPECT_EQ(model.Values, expected) << c.typed;
  }
}

TEST(GeneratorDialogModel, CorrectionsAndKindsStillApply) {
  ParameterTable parameters;
  GeneratorDialogModel model(GeneratorParameters{}, Centimetres(), parameters);
  // A frame of 4 bays takes at most 6 storeys: 25 / 4 = 6.25.
  model.Field(GeneratorField::LengthSections).Text = "4";
  model.Field(GeneratorField::HeightSections).Text = "10";
  ASSERT_TRUE(model.ReadFields());
  EXPECT_EQ(Trim(model.Field(GeneratorField::HeightSections).Text), "6");
  // A refused text is dropped when a kind's preset replaces its value.
  model.Field(GeneratorField::Width).Text = "abc";
  model.ChooseKind(StructureKind::Arch);
  EXPECT_EQ(model.Values.W, 8);
  EXPECT_EQ(model.Field(GeneratorField::Width).Text, " 800");
  EXPECT_FALSE(model.Field(GeneratorField::Width).Refused());
  EXPECT_FALSE(model.Field(GeneratorField::HeightSections).Enabled);
}

} // namespace
} // namespace strandel
