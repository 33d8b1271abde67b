// How the dialogs take a typed field: the expression is evaluated, the value is
// stored with every digit in base units, the field shows it, and a text that
// cannot be stored stays as typed with the reason.

#include "expr/numeric_field.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <string>

#include "common/number_text.h"
#include "units/units.h"

namespace strandel {
namespace {

class NumericFieldTest : public ::testing::Test {
protected:
  FieldEntry Apply(const std::string& text, double factor, double stored,
                   FieldKind kind = FieldKind::Value) {
    return ApplyNumericField(text, factor, stored, kind, table);
  }
  ParameterTable table;
  UnitChoice units; // the defaults: lengths in cm, forces in kp
};

TEST_F(NumericFieldTest, TypedDecimalsAreStoredAsTheDecimalInBaseUnits) {
  // A power-of-ten unit moves the decimal point: 1.1 cm is the double nearest
  // 0.011 m (1.1 / 100 would round to 0.011000000000000001).
  struct Case {
    const char* typed;
    double factor;
    const char* base; // the same quantity written in base units
  };
  const Case cases[] = {
      {"1.234", 1, "1.234"},     {"6.125", 1, "6.125"},        {"12.345", 1, "12.345"},
      {"2.5E-7", 1, "2.5E-7"},   {"1.1", 100, "0.011"},        {"8.2", 1000, "0.0082"},
      {"1.234", 100, "0.01234"}, {"12.345", 1000, "0.012345"}, {"2.5E-7", 100, "2.5E-9"},
      {"-9.95", 100, "-0.0995"}, {"6.125", 0.001, "6125"},     {"0.57", 1e-6, "570000"},
      {"33.3", 100, "0.333"}, // a percent field
  };
  for (const Case& c : cases) {
    const FieldEntry entry = Apply(c.typed, c.factor, 0);
    EXPECT_TRUE(entry.Accepted) << c.typed;
    EXPECT_EQ(entry.Stored, ParseNumber(c.base)) << c.typed << " x " << c.factor;
    EXPECT_EQ(ParseNumber(entry.Text), ParseNumber(c.typed)) << entry.Text;
  }
}

TEST_F(NumericFieldTest, WhatAFieldStoresItShowsAndKeepsWhenConfirmedAgain) {
  // Values typed in every kind of unit, as exact text and as expressions: the
  // text the field then shows, confirmed again, keeps the stored value bit for
  // bit, and it shows the typed value to fifteen digits.
  const double factors[] = {1, 100, 1000, 0.001, 1e-6, 0.10183, 180 / 3.141592653589793, 3.28084};
  std::uint64_t state = 0x9E3779B97F4A7C15ull;
  for (int i = 0; i < 600; ++i) {
    state ^= state << 13, state ^= state >> 7, state ^= state << 17;
    const double mantissa = static_cast<double>(state >> 11) / 9007199254740992.0;
    const double typed = (i % 3 ? 1 : -1) * mantissa * std::pow(10.0, i % 13 - 6);
    const double factor = factors[i % 8];
    const std::string text = i % 4 ? FormatShortest(typed) : FormatShortest(typed * 3) + "/3";
    const FieldEntry first = Apply(text, factor, 0);
    ASSERT_TRUE(first.Accepted) << text;
    if (i % 4 && factor == 1) {
      EXPECT_EQ(first.Stored, typed) << text;
    }
    if (i % 4 && factor == 1000) {
      EXPECT_EQ(first.Stored, ShiftDecimalPoint(typed, -3)) << text;
    }
    EXPECT_NEAR(ParseNumber(first.Text), typed, std::fabs(typed) * 1e-14) << text;
    const FieldEntry again = Apply(first.Text, factor, first.Stored);
    EXPECT_TRUE(again.Accepted);
    EXPECT_EQ(again.Stored, first.Stored) << text << " shown as " << first.Text;
    EXPECT_EQ(again.Text, first.Text);
  }
}

TEST_F(NumericFieldTest, AFieldShowsTheValueNotTheNoiseOfItsUnit) {
  const double degrees = UnitFactor(units, Quantity::Angle);
  const double kp = UnitFactor(units, Quantity::Force);
  struct Case {
    double stored; // base units
    double factor;
    const char* shown;
  };
  const Case cases[] = {
      // A quarter turn as documents of fifteen digits hold it, and exactly.
      {ParseNumber("1.5707963267949"), degrees, " 90"},
      {ParseNumber("-1.5707963267949"), degrees, "-90"},
      {1.5707963267948966, degrees, " 90"},
      {ParseNumber("0.785398163397448"), degrees, " 45"},
      {30 / degrees, degrees, " 30"},
      {1000, kp, " 101.83"},
      {12.345 / kp, kp, " 12.345"},
      // Decimal units show the decimal.
      {ParseNumber("0.01234"), 100, " 1.234"},
      {1.0 / 3.0, 1000, " 333.333333333333"},
      // Digits the value has are shown, up to fifteen.
      {ParseNumber("0.123456789012345"), 1, " 0.123456789012345"},
      {ParseNumber("1.2345678901234") / kp, kp, " 1.2345678901234"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FieldText(c.stored, c.factor), c.shown) << c.stored;
    // And that text, confirmed, keeps the value bit for bit.
    const FieldEntry entry = Apply(c.shown, c.factor, c.stored);
    EXPECT_EQ(entry.Stored, c.stored) << c.shown;
  }
}

TEST_F(NumericFieldTest, ARefusedTextStaysWithItsReasonAndTheStoredValueStays) {
  const double cm = UnitFactor(units, Quantity::Length);
  struct Case {
    const char* typed;
    const char* reason;
  };
  const Case cases[] = {
      {"", "An expression must bee entered"},
      {"2*-3", "The multiplication needs a right operand"},
      {"abc", "Operator/Value/Variable/Parameter on position 1 was not recognized"},
      {"(1+2", "Invalid use of parentesis"},
      {"1/0", "Division by zero"},
      {"7 mod 0", "Division by zero"},
      {"sqrt(-4)", "The function is not defined for this value"},
      {"ln 0", "The function is not defined for this value"},
      {"asin 2", "The function is not defined for this value"},
      {"1e400", "The value is too large"},
      {"1.799e308", "The value is too large"},
  };
  for (const Case& c : cases) {
    const FieldEntry entry = Apply(c.typed, cm, 1.23456);
    EXPECT_FALSE(entry.Accepted) << c.typed;
    EXPECT_EQ(entry.Text, c.typed);
    EXPECT_EQ(entry.Stored, 1.23456) << c.typed;
    EXPECT_EQ(entry.Message, c.reason) << c.typed;
  }
  // Valid, but beyond what the stored double can carry once in base units:
  // 1e306 KN are 1e309 N.
  const FieldEntry entry = Apply("1e306", 0.001, 7);
  EXPECT_FALSE(entry.Accepted);
  EXPECT_EQ(entry.Stored, 7);
  EXPECT_EQ(entry.Message, "The value is too large");
}

TEST_F(NumericFieldTest, AnUntouchedFieldKeepsEveryDigit) {
  // A value of more digits than a field shows (a node placed by the optimizer at
  // a third of a metre) shows fifteen; confirming the dialog without editing
  // that field must not move the node.
  FieldEntry entry = Apply(" 0.333333333333333", 1, 1.0 / 3.0);
  EXPECT_TRUE(entry.Accepted);
  EXPECT_EQ(entry.Text, " 0.333333333333333");
  EXPECT_EQ(entry.Stored, 1.0 / 3.0);
  entry = Apply("0.333333333333333", 1, 1.0 / 3.0); // the blank does not matter
  EXPECT_EQ(entry.Stored, 1.0 / 3.0);
  // Typed differently, the same digits are what was typed.
  entry = Apply("0.3333333333333330", 1, 1.0 / 3.0);
  EXPECT_EQ(entry.Stored, 0.333333333333333);
  // Typing the old text back after a refused one takes the change back.
  EXPECT_FALSE(Apply("abc", 100, 0.01234).Accepted);
  entry = Apply("1.234", 100, 0.01234);
  EXPECT_TRUE(entry.Accepted);
  EXPECT_EQ(entry.Stored, 0.01234);
}

TEST_F(NumericFieldTest, EachKindHasItsRange) {
  struct Case {
    const char* typed;
    FieldKind kind;
    const char* reason; // empty: accepted
  };
  const Case cases[] = {
      {"50", FieldKind::Percent, ""},
      {"0", FieldKind::Percent, ""},
      {"100", FieldKind::Percent, ""},
      {"200/2", FieldKind::Percent, ""},
      {"100.1", FieldKind::Percent, "The value must lie between 0 and 100"},
      {"-1", FieldKind::Percent, "The value must lie between 0 and 100"},
      {"1/0", FieldKind::Percent, "Division by zero"},
      {"0.001", FieldKind::Positive, ""},
      {"0", FieldKind::Positive, "The value must be greater than 0"},
      {"-3", FieldKind::Positive, "The value must be greater than 0"},
      {"wide", FieldKind::Positive,
       "Operator/Value/Variable/Parameter on position 1 was not recognized"},
      {"1", FieldKind::Count, ""},
      {"2.9", FieldKind::Count, ""},
      {"0.99", FieldKind::Count, "The value must be at least 1"},
      {"-2", FieldKind::Count, "The value must be at least 1"},
      {"0", FieldKind::Fraction, ""},
      {"1", FieldKind::Fraction, ""},
      {"0.7", FieldKind::Fraction, ""},
      {"1.0001", FieldKind::Fraction, "The value must lie between 0 and 1"},
      {"-0.1", FieldKind::Fraction, "The value must lie between 0 and 1"},
      {"0/0", FieldKind::Fraction, "Division by zero"},
      {"-1e9", FieldKind::Value, ""},
  };
  for (const Case& c : cases) {
    const FieldEntry entry = Apply(c.typed, c.kind == FieldKind::Percent ? 100 : 1, 0.3, c.kind);
    EXPECT_EQ(entry.Accepted, *c.reason == 0) << c.typed;
    EXPECT_EQ(entry.Message, c.reason) << c.typed;
  }
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

TEST(NumericFieldParameters, AParameterIsKnownToEveryFieldOfItsTableOnly) {
  // The window's dialogs share one table; another table (another program run,
  // a strandel-cli command) starts with "pi" only.
  ParameterTable shared, other;
  EXPECT_TRUE(IsValidExpression("Span=6", shared));
  EXPECT_EQ(EvaluateText("Span/2", shared).Value, 3);
  EXPECT_EQ(ApplyNumericField("Span", 100, 0, FieldKind::Value, shared).Stored, 0.06); // 6 cm
  EXPECT_FALSE(IsValidExpression("Span", other));
  EXPECT_TRUE(IsValidExpression("pi", other));
}

} // namespace
} // namespace strandel
