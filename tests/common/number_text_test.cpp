#include "common/number_text.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace strandel {
namespace {

// A number and the text a form gives it.
struct FormCase {
  double value;
  const char* text;
};

void ExpectForms(std::string (*form)(double), std::initializer_list<FormCase> cases) {
  for (const FormCase& c : cases)
    EXPECT_EQ(form(c.value), c.text) << c.value;
}

TEST(FormatValue, ThreeSignificantDigitsWithSignColumn) {
  ExpectForms(FormatValue,
              {
                  {0, " 0"},
                  {-0.0, " 0"},
                  {1234.5, " 1230"},
                  {-0.000012345, "-1.23E-05"},
                  {0.0001, " 0.0001"},
                  {0.00009, " 9.00E-05"},
                  {100000000, " 1.00E+08"},
                  {99949999, " 99900000"},  // below the bound after rounding: fixed notation
                  {99950000, " 1.00E+08"},  // rounds up onto the bound
                  {0.000099996, " 0.0001"}, // rounds up onto the lower bound
                  {0.2, " 0.2"},
                  {7800, " 7800"},
                  {1e9, " 1.00E+09"},
                  {-2.5, "-2.5"},
                  {0.123456, " 0.123"},
                  {123456, " 123000"},
                  {1.125, " 1.13"}, // an exact half rounds up
                  {2.675, " 2.67"}, // 2.675 is stored just below the half
                  {-1e-300, "-1.00E-300"},
                  {1.7976931348623157e308, " 1.80E+308"},
              });
}

TEST(FormatValue, UndefinedValuesNeverLookLikeNumbers) {
  EXPECT_EQ(FormatValue(std::numeric_limits<double>::quiet_NaN()), " NAN");
  EXPECT_EQ(FormatValue(std::numeric_limits<double>::infinity()), " INF");
  EXPECT_EQ(FormatValue(-std::numeric_limits<double>::infinity()), "-INF");
}

TEST(FormatGeneral, FifteenDigitsFixedOrExponentMoreOnlyWhereFifteenRound) {
  ExpectForms(FormatGeneral,
              {
                  {0, "0"},
                  {0.11, "0.11"},
                  {0.3, "0.3"},
                  {1000, "1000"},
                  {1e-7, "1E-7"},
                  {1.5e-6, "1.5E-6"},
                  {0.00001, "0.00001"},
                  {0.000012, "0.000012"},
                  {0.123456, "0.123456"},
                  {-3, "-3"},
                  {123456789012345.0, "123456789012345"},
                  {1e15, "1E15"},
                  {2.5e20, "2.5E20"},
                  {1.234, "1.234"},
                  {6.125, "6.125"},
                  {12.345, "12.345"},
                  // Fifteen digits would round these; the fewest exact digits are written.
                  {3.14159265358979323846, "3.141592653589793"},
                  {-1.5707963267948966, "-1.5707963267948966"},
                  {0.1 + 0.2, "0.30000000000000004"},
                  {1.0 / 3.0, "0.3333333333333333"},
                  {1.7976931348623157e308, "1.7976931348623157E308"},
              });
}

// Numbers the program produces: decimals as typed, ratios, results of arithmetic,
// values at the ends of the double range.
std::vector<double> SampleValues() {
  std::vector<double> values = {0.1,     1.0 / 3.0, 2.0 / 3.0, 0.1 + 0.2,  1e-300,    -2.5e-7,
                                6.02e23, 9.81,      1.234,     5e-324,     1e308,     -123456.789,
                                0.0001,  99999999,  1e8,       12345678.9, 0.00012345};
  std::uint64_t state = 88172645463325252ull;
  for (int i = 0; i < 2000; ++i) {
    state ^= state << 13, state ^= state >> 7, state ^= state << 17;
    const double mantissa = static_cast<double>(state >> 11) / 9007199254740992.0;
    values.push_back((i % 2 ? -1 : 1) * mantissa * std::pow(10.0, i % 61 - 30));
  }
  return values;
}

TEST(FormatGeneral, EveryNumberReadsBackBitForBit) {
  for (double x : SampleValues()) {
    const std::string text = FormatGeneral(x);
    EXPECT_EQ(ParseNumber(text), x) << text;
    EXPECT_LE(text.size(), 25u) << text;
  }
}

TEST(FormatValueExact, TheThreeDigitTextWhereverItReadsBackExactly) {
  ExpectForms(FormatValueExact,
              {
                  // Every text the three-digit form wrote stays as it was.
                  {0, " 0"},
                  {-0.0, " 0"},
                  {0.2, " 0.2"},
                  {7800, " 7800"},
                  {1e9, " 1.00E+09"},
                  {-2.5, "-2.5"},
                  {0.123, " 0.123"},
                  {2.5e-7, " 2.50E-07"},
                  {1e-5, " 1.00E-05"},
                  {0.0001, " 0.0001"},
                  {-1e-300, "-1.00E-300"},
                  {123000, " 123000"},
                  // More digits only where three would round, in the same layout.
                  {0.1234, " 0.1234"},
                  {-0.1234, "-0.1234"},
                  {0.123456, " 0.123456"},
                  {6.125, " 6.125"},
                  {1.0 / 3.0, " 0.3333333333333333"},
                  {0.1 + 0.2, " 0.30000000000000004"},
                  {2.345e-7, " 2.345E-07"},
                  {-2.345e-7, "-2.345E-07"},
                  {1.2345e9, " 1.2345E+09"},
                  {12345678, " 12345678"},
                  {123456789, " 1.23456789E+08"},
                  {0.000123456, " 0.000123456"},
                  {0.0000123456, " 1.23456E-05"},
                  {1.7976931348623157e308, " 1.7976931348623157E+308"},
                  {5e-324, " 4.94E-324"}, // the smallest double: three digits read back
              });
}

TEST(FormatValueExact, EveryNumberReadsBackBitForBit) {
  for (double x : SampleValues()) {
    const std::string text = FormatValueExact(x);
    EXPECT_EQ(ParseNumber(text), x) << text;
    EXPECT_EQ(text[0], x < 0 ? '-' : ' ') << text;
    if (ParseNumber(FormatValue(x)) == x) {
      EXPECT_EQ(text, FormatValue(x));
    }
  }
  EXPECT_EQ(FormatValueExact(std::numeric_limits<double>::infinity()), " INF");
}

TEST(FormatFieldValue, AsManyDigitsAsTheValueNeedsAtMostFifteen) {
  ExpectForms(FormatFieldValue, {
                                    {0, " 0"},
                                    {1.234, " 1.234"},
                                    {6.125, " 6.125"},
                                    {12.345, " 12.345"},
                                    {2.5e-7, " 2.5E-07"},
                                    {1.5, " 1.5"},
                                    {-2.5, "-2.5"},
                                    {1234.5, " 1234.5"},
                                    {1e9, " 1E+09"},
                                    {1.23456e9, " 1.23456E+09"},
                                    {0.0001, " 0.0001"},
                                    {0.000099996, " 9.9996E-05"},
                                    {99999999, " 99999999"},
                                    {123456789, " 1.23456789E+08"},
                                    {1.0 / 3.0, " 0.333333333333333"},
                                    {2.0 / 3.0, " 0.666666666666667"},
                                    {0.1 + 0.2, " 0.3"},
                                    {-1.0 / 7.0, "-0.142857142857143"},
                                });
}

TEST(FormatFieldValue, ShowsEveryValueFifteenDigitsCarry) {
  for (double x : SampleValues()) {
    const std::string text = FormatFieldValue(x);
    const double shown = ParseNumber(text);
    // Never more than fifteen digits, never fewer than it takes.
    EXPECT_NEAR(shown, x, std::fabs(x) * 5e-15) << text;
    char fifteen[64];
    std::snprintf(fifteen, sizeof fifteen, "%.14e", x);
    if (ParseNumber(fifteen) == x) {
      EXPECT_EQ(shown, x) << text;
    }
  }
}

TEST(ShiftDecimalPoint, MovesThePointOfTheShortestText) {
  EXPECT_EQ(ShiftDecimalPoint(1.234, -2), ParseNumber("0.01234"));
  // 1.1 cm is 0.011 m; dividing by 100 rounds a second time, to 0.011000000000000001.
  EXPECT_EQ(ShiftDecimalPoint(1.1, -2), ParseNumber("0.011"));
  EXPECT_NE(1.1 / 100, ParseNumber("0.011"));
  EXPECT_EQ(ShiftDecimalPoint(8.2, -3), ParseNumber("0.0082"));
  EXPECT_EQ(ShiftDecimalPoint(0.01234, 2), 1.234);
  EXPECT_EQ(ShiftDecimalPoint(-6.125, 3), -6125);
  EXPECT_EQ(ShiftDecimalPoint(1.0 / 3.0, 0), 1.0 / 3.0);
  EXPECT_EQ(ShiftDecimalPoint(0, 5), 0);
  EXPECT_EQ(ShiftDecimalPoint(1e300, 10), std::numeric_limits<double>::infinity());
  EXPECT_EQ(ShiftDecimalPoint(1e-300, -30), 0);
}

TEST(PowerOfTenExponent, OnlyExactPowersOfTen) {
  EXPECT_EQ(PowerOfTenExponent(1), 0);
  EXPECT_EQ(PowerOfTenExponent(100), 2);
  EXPECT_EQ(PowerOfTenExponent(1000), 3);
  EXPECT_EQ(PowerOfTenExponent(0.001), -3);
  EXPECT_EQ(PowerOfTenExponent(1e-6), -6);
  for (double other : {0.10183, 57.29577951308232, 3.28084, 0.0, -10.0, 1e40,
                       std::numeric_limits<double>::quiet_NaN()})
    EXPECT_FALSE(PowerOfTenExponent(other).has_value()) << other;
}

TEST(FormatShortest, RoundTripsExactly) {
  for (double x : {0.1, 1.0 / 3.0, -2.5e-300, 4.0, 1e21}) {
    EXPECT_EQ(std::stod(FormatShortest(x)), x);
  }
  EXPECT_EQ(FormatShortest(4.0), "4");
  EXPECT_EQ(FormatShortest(0.1), "0.1");
}

TEST(ParseNumber, AcceptsBothSeparatorsAndReadsJunkAsZero) {
  EXPECT_EQ(ParseNumber("1,5"), 1.5);
  EXPECT_EQ(ParseNumber("1.5"), 1.5);
  EXPECT_EQ(ParseNumber(" 0.2"), 0.2);
  EXPECT_EQ(ParseNumber("-1.2e-3"), -0.0012);
  EXPECT_EQ(ParseNumber("+7"), 7);
  EXPECT_EQ(ParseNumber(".5"), 0.5);
  EXPECT_EQ(ParseNumber("5."), 5);
  EXPECT_EQ(ParseNumber("1000E6"), 1e9);
  EXPECT_EQ(ParseNumber(" 1.00E+09"), 1e9);
  EXPECT_EQ(ParseNumber("1E-7"), 1e-7);
  EXPECT_EQ(ParseNumber("1e-999"), 0); // underflows to zero, still a number
  for (const char* junk : {"", " ", "abc", "1.2.3", "1,2.3", "1 000", "e5", "1e", "+", "-", ".",
                           "nan", "inf", "-inf", "1e999", "0x10", "12abc"}) {
    EXPECT_EQ(ParseNumber(junk), 0) << junk;
    EXPECT_FALSE(IsNumber(junk)) << junk;
  }
}

TEST(IsNumber, WholeTextMustBeALiteral) {
  EXPECT_TRUE(IsNumber("  12  "));
  EXPECT_TRUE(IsNumber("1,25e+3"));
  EXPECT_TRUE(IsNumber("-0"));
  EXPECT_FALSE(IsNumber("12 3"));
}

TEST(ParseStrictInteger, DecimalHexAndRejections) {
  EXPECT_EQ(ParseStrictInteger("12"), 12);
  EXPECT_EQ(ParseStrictInteger("  12"), 12);
  EXPECT_EQ(ParseStrictInteger("-5"), -5);
  EXPECT_EQ(ParseStrictInteger("+5"), 5);
  EXPECT_EQ(ParseStrictInteger("$FF"), 255);
  EXPECT_EQ(ParseStrictInteger("$00cccccc"), 0xCCCCCC);
  EXPECT_EQ(ParseStrictInteger("0x10"), 16);
  EXPECT_EQ(ParseStrictInteger("$FFFFFFFF"), -1);
  EXPECT_EQ(ParseStrictInteger("2147483647"), 2147483647);
  EXPECT_EQ(ParseStrictInteger("-2147483648"), INT32_MIN);
  for (const char* bad :
       {"", " ", "12 ", "1.0", "abc", "2147483648", "$", "$123456789", "1e3", "--1", "$G"}) {
    EXPECT_FALSE(ParseStrictInteger(bad).has_value()) << bad;
  }
}

TEST(ParseStrictInteger, Messages) {
  EXPECT_EQ(InvalidIntegerMessage("abc"), "'abc' is not a valid integer value");
  EXPECT_EQ(OutOfRangeMessage("70000", 0, 65535), "'70000' is not within the valid range 0..65535");
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(2.4999), 2);
  EXPECT_EQ(RoundHalfEven(std::numeric_limits<double>::quiet_NaN()), 0);
}

} // namespace
} // namespace strandel
