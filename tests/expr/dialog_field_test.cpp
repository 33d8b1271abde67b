// A dialog's numeric field: what it shows for a stored value, and what a typed
// text makes of it.

#include "expr/dialog_field.h"

#include <gtest/gtest.h>

#include "units/units.h"

namespace strandel {
namespace {

TEST(DialogField, ShowsTheStoredValueInItsDisplayUnit) {
  UnitChoice units;
  units.Displacement = 4; // [mm]
  DialogField height;
  height.Show(0.1, UnitFactor(units, Quantity::Displacement));
  EXPECT_EQ(height.Text, " 100");
  // 2.5 m in centimetres, after the leading blank of the display form.
  DialogField x;
  x.Show(2.5, 100);
  EXPECT_EQ(x.Text, " 250");
  // A quarter turn in degrees.
  DialogField angle;
  angle.Show(1.5707963267948966, UnitFactor(units, Quantity::Angle));
  EXPECT_EQ(angle.Text, " 90");
}

TEST(DialogField, TypedTextsBecomeValuesOrRevert) {
  ParameterTable parameters;
  struct Case {
    const char* typed;
    double stored; // before, m
    bool accepted;
    const char* shown;
    double storedAfter; // m
  };
  // Lengths in mm: 2*60 mm is 0.12 m; refused texts show 55 mm again and keep it.
  const Case cases[] = {
      {"2*60", 0.055, true, " 120", 0.12}, {" 55", 0.055, true, " 55", 0.055},
      {"abc", 0.055, false, " 55", 0.055}, {"", 0.055, false, " 55", 0.055},
      {"1/0", 0.055, false, " 55", 0.055}, {"-3+1", 0.055, true, "-2", -0.002},
  };
  for (const Case& c : cases) {
    DialogField field;
    field.Show(c.stored, 1000);
    field.Text = c.typed;
    EXPECT_EQ(field.Apply(parameters), c.accepted) << c.typed;
    EXPECT_EQ(field.Text, c.shown) << c.typed;
    EXPECT_DOUBLE_EQ(field.Stored, c.storedAfter) << c.typed;
  }
}

TEST(DialogField, PercentFieldsTakeOnlyZeroToHundred) {
  ParameterTable parameters;
  DialogField position = PercentField("Possition on beam", 0.25);
  EXPECT_EQ(position.Unit, "[%]");
  EXPECT_EQ(position.Text, " 25");
  position.Text = "100/2";
  EXPECT_TRUE(position.Apply(parameters));
  EXPECT_DOUBLE_EQ(position.Stored, 0.5);
  for (const char* outside : {"150", "-1"}) {
    position.Text = outside;
    EXPECT_FALSE(position.Apply(parameters)) << outside;
    EXPECT_EQ(position.Text, " 50");
    EXPECT_DOUBLE_EQ(position.Stored, 0.5);
  }
}

} // namespace
} // namespace strandel
