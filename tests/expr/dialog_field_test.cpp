// A dialog's numeric field: what it shows for a stored value, what a typed text
// makes of it, and how a refused text waits for its correction.

#include "expr/dialog_field.h"

#include <gtest/gtest.h>

#include "units/units.h"

namespace strandel {
namespace {

TEST(DialogField, TypedTextsBecomeValuesOrWaitWithTheirReason) {
  ParameterTable parameters;
  struct Case {
    const char* typed;
    double stored; // before, m
    bool accepted;
    const char* shown;
    double storedAfter; // m
  };
  // Lengths in mm: 2*60 mm is 0.12 m; refused texts stay and keep 55 mm.
  const Case cases[] = {
      {"2*60", 0.055, true, " 120", 0.12},          {" 55", 0.055, true, " 55", 0.055},
      {"abc", 0.055, false, "abc", 0.055},          {"", 0.055, false, "", 0.055},
      {"1/0", 0.055, false, "1/0", 0.055},          {"-3+1", 0.055, true, "-2", -0.002},
      {"12.345", 0.055, true, " 12.345", 0.012345},
  };
  for (const Case& c : cases) {
    DialogField field;
    field.Show(c.stored, 1000);
    field.Text = c.typed;
    EXPECT_EQ(field.Apply(parameters), c.accepted) << c.typed;
    EXPECT_EQ(field.Text, c.shown) << c.typed;
    EXPECT_EQ(field.Stored, c.storedAfter) << c.typed;
    EXPECT_EQ(field.Refused(), !c.accepted) << c.typed;
    EXPECT_EQ(field.StoredText(), c.accepted ? c.shown : " 55") << c.typed;
  }
}

TEST(DialogField, ARefusedTextSurvivesShowingTheSameValueAgain) {
  ParameterTable parameters;
  DialogField field;
  field.Show(0.055, 1000);
  field.Text = "1/0";
  ASSERT_FALSE(field.Apply(parameters));
  // A dialog showing all its values again after a change elsewhere.
  field.Show(0.055, 1000);
  EXPECT_EQ(field.Text, "1/0");
  EXPECT_EQ(field.Error, "Division by zero");
  // A new value (a profile loaded from a library) replaces the refused text.
  field.Show(0.07, 1000);
  EXPECT_EQ(field.Text, " 70");
  EXPECT_FALSE(field.Refused());
  // So does a field that no longer applies.
  field.Text = "abc";
  field.Apply(parameters);
  field.Enabled = false;
  field.Show(0.07, 1000);
  EXPECT_EQ(field.Text, " 70");
  EXPECT_FALSE(field.Refused());
}

TEST(DialogField, ADialogGoesAheadOnlyWhenEveryEnabledFieldTookItsText) {
  ParameterTable parameters;
  DialogField a, b, c;
  a.Show(1, 1);
  b.Show(2, 1);
  c.Show(3, 1);
  a.Text = "abc";
  b.Text = "5";
  c.Text = "1/0";
  c.Enabled = false; // not read, whatever it holds
  EXPECT_FALSE(ApplyFields({&a, &b, &c}, parameters));
  EXPECT_TRUE(a.Refused());
  EXPECT_EQ(b.Stored, 5); // every field is applied, so each refusal shows at once
  EXPECT_EQ(c.Text, "1/0");
  EXPECT_FALSE(c.Refused());
  a.Text = " 1"; // the old text typed back
  EXPECT_TRUE(ApplyFields({&a, &b, &c}, parameters));
  EXPECT_EQ(a.Stored, 1);
}

} // namespace
} // namespace strandel
