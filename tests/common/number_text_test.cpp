#include "common/number_text.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace strandel {
namespace {

TEST(FormatValue, ThreeSignificantDigitsWithSignColumn) {
  struct Case {
    double value;
    const char* text;
  };
  const Case cases[] = {
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
  };
  for (const Case& c : cases)
    EXPECT_EQ(FormatValue(c.value), c.text) << c.value;
}

TEST(FormatValue, UndefinedValuesNeverLookLikeNumbers) {
  EXPECT_EQ(FormatValue(std::numeric_limits<double>::quiet_NaN()), " NAN");
  EXPECT_EQ(FormatValue(std::numeric_limits<double>::infinity()), " INF");
  EXPECT_EQ(FormatValue(-std::numeric_limits<double>::infinity()), "-INF");
}

TEST(FormatGeneral, FifteenDigitsFixedOrExponent) {
  struct Case {
    double value;
    const char* text;
  };
  const Case cases[] = {
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
      {3.14159265358979323846, "3.14159265358979"},
      {-1.5707963267948966, "-1.5707963267949"},
      {0.1 + 0.2, "0.3"},
      {1.0 / 3.0, "0.333333333333333"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FormatGeneral(c.value), c.text) << c.value;
}

TEST(FormatGeneral, ReadsBackWithinFifteenDigits) {
  for (double x : {0.123456, 2.5, -1e-7, 6.02214076e23, 1.0 / 7.0, 9.81}) {
    const double back = ParseNumber(FormatGeneral(x));
    EXPECT_NEAR(back, x, std::fabs(x) * 1e-14) << x;
  }
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
