// How the property dialogs take a typed field: the expression is evaluated, the
// field shows the display form of the value, and the model stores what it shows.

#include "expr/numeric_field.h"

#include <gtest/gtest.h>

#include "units/units.h"

namespace strandel {
namespace {

class NumericFieldTest : public ::testing::Test {
protected:
  FieldEntry Apply(const char* text, double factor, double stored,
                   FieldKind kind = FieldKind::Value) {
    return ApplyNumericField(text, factor, stored, kind, table);
  }
  ParameterTable table;
  UnitChoice units; // the defaults: lengths in cm, forces in kp
};

TEST_F(NumericFieldTest, ATypedExpressionIsStoredInBaseUnits) {
  const double cm = UnitFactor(units, Quantity::Length);
  ASSERT_EQ(UnitName(units, Quantity::Length), "[cm]");
  FieldEntry entry = Apply("2*1.25", cm, 0);
  EXPECT_TRUE(entry.Accepted);
  EXPECT_EQ(entry.Text, " 2.5");
  EXPECT_DOUBLE_EQ(entry.Stored, 0.025); // 2.5 cm
  entry = Apply("300", cm, 0);
  EXPECT_DOUBLE_EQ(entry.Stored, 3.0);
  // Three significant digits, as the field then shows: 1234.5 cm is kept as 1230 cm.
  entry = Apply("1234.5", cm, 0);
  EXPECT_EQ(entry.Text, " 1230");
  EXPECT_DOUBLE_EQ(entry.Stored, 12.3);
  // 10 kp in newtons: 10 / 0.10183.
  entry = Apply("5*2", UnitFactor(units, Quantity::Force), 0);
  EXPECT_DOUBLE_EQ(entry.Stored, 10 / 0.10183);
  // Angles are typed in degrees: 90 is a quarter turn.
  entry = Apply("45*2", UnitFactor(units, Quantity::Angle), 0);
  EXPECT_DOUBLE_EQ(entry.Stored, 1.5707963267948966);
}

TEST_F(NumericFieldTest, AnInvalidEntryRevertsAndKeepsTheStoredValue) {
  const double cm = UnitFactor(units, Quantity::Length);
  // 1.23456 m shows as " 123" cm; every refused text brings that back unchanged.
  for (const char* text : {"", "2*-3", "1/0", "abc", "sqrt(-4)", "(1+2", "1.799e308"}) {
    const FieldEntry entry = Apply(text, cm, 1.23456);
    EXPECT_FALSE(entry.Accepted) << text;
    EXPECT_EQ(entry.Text, " 123") << text;
    EXPECT_EQ(entry.Stored, 1.23456) << text;
  }
  // Valid, but beyond what the stored double can carry once in base units:
  // 1e306 KN are 1e309 N.
  const FieldEntry entry = Apply("1e306", 0.001, 7);
  EXPECT_FALSE(entry.Accepted);
  EXPECT_EQ(entry.Stored, 7);
}

TEST_F(NumericFieldTest, AnUntouchedFieldKeepsEveryDigit) {
  // A node placed by the optimizer at 1.23456 m shows as " 1.23"; confirming the
  // dialog without editing that field must not move the node.
  FieldEntry entry = Apply(" 1.23", 1, 1.23456);
  EXPECT_TRUE(entry.Accepted);
  EXPECT_EQ(entry.Text, " 1.23");
  EXPECT_EQ(entry.Stored, 1.23456);
  entry = Apply("1.23", 1, 1.23456); // the blank of the display form does not matter
  EXPECT_EQ(entry.Stored, 1.23456);
  // Typing another value stores what is then shown.
  entry = Apply("1.234", 1, 1.23456);
  EXPECT_EQ(entry.Text, " 1.23");
  EXPECT_EQ(entry.Stored, 1.23);
}

TEST_F(NumericFieldTest, PercentagesMustLieBetweenZeroAndHundred) {
  struct Case {
    const char* text;
    bool accepted;
    double stored;
  };
  const Case cases[] = {
      {"50", true, 0.5},     {"25*2", true, 0.5}, {"0", true, 0.0},     {"100", true, 1.0},
      {"100.1", false, 0.3}, {"-1", false, 0.3},  {"200/2", true, 1.0}, {"1/0", false, 0.3},
  };
  for (const Case& c : cases) {
    const FieldEntry entry = Apply(c.text, 100, 0.3, FieldKind::Percent);
    EXPECT_EQ(entry.Accepted, c.accepted) << c.text;
    EXPECT_DOUBLE_EQ(entry.Stored, c.stored) << c.text;
    if (!c.accepted) {
      EXPECT_EQ(entry.Text, " 30") << c.text;
    }
  }
}

TEST_F(NumericFieldTest, ParametersCarryFromFieldToField) {
  // The node dialog's X field defines the bay width; the next field uses it.
  FieldEntry entry = Apply("L1=2.5", 1, 0);
  EXPECT_EQ(entry.Text, " 2.5");
  entry = Apply("L1*2", 1, 0);
  EXPECT_EQ(entry.Stored, 5);
  // A definition counts once each time a dialog takes its fields.
  Apply("n=1", 1, 0);
  entry = Apply("n=n+1", 1, 0);
  EXPECT_EQ(entry.Text, " 2");
  EXPECT_EQ(*table.Value("n"), 2);
}

TEST_F(NumericFieldTest, TheDialogChecksAgreeWithTheFieldRule) {
  struct Case {
    const char* text;
    bool valid;
    bool percent;
  };
  const Case cases[] = {
      {"50", true, true},         {"2*3", true, true},      {"100.5", true, false},
      {"-0.5", true, false},      {"1/0", false, false},    {"ln 0", false, false},
      {"2*-3", false, false},     {"", false, false},       {"pi", true, true},
      {"asin 1.5", false, false}, {"1e5000", false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsValidExpression(c.text, table), c.valid) << c.text;
    EXPECT_EQ(IsPercentExpression(c.text, table), c.percent) << c.text;
  }
  EXPECT_EQ(EvaluateText("2+3*4", table).Value, 14);
  EXPECT_EQ(EvaluateText("1/0", table).Fault, EvaluationFault::DivisionByZero);
  EXPECT_EQ(EvaluateText("2*", table).Error, "The multiplication needs a right operand");
}

TEST(NumericFieldProgramTable, TheDialogsShareOneParameterTable) {
  ProgramParameters().Reset();
  EXPECT_TRUE(IsValidExpression("Span=6"));
  EXPECT_EQ(EvaluateText("Span/2").Value, 3);
  EXPECT_DOUBLE_EQ(ApplyNumericField("Span", 100, 0).Stored, 0.06); // 6 cm
  ProgramParameters().Reset();
  EXPECT_FALSE(IsValidExpression("Span"));
}

} // namespace
} // namespace strandel
