#include "common/text.h"

#include <gtest/gtest.h>

namespace strandel {
namespace {

TEST(Text, ReplaceAllGoesOnAfterEachReplacement) {
  EXPECT_EQ(ReplaceAll("a#13#10b#13#10", "#13#10", "\r\n"), "a\r\nb\r\n");
  EXPECT_EQ(ReplaceAll("aaa", "a", "aa"), "aaaaaa"); // never replaces what it put in
  EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
  EXPECT_EQ(ReplaceAll("", "a", "b"), "");
}

TEST(Text, LeftAndRightCountCharactersNotBytes) {
  EXPECT_EQ(LeftStr("Hållfasthet", 3), "Hål");
  EXPECT_EQ(RightStr("Hållfasthet", 4), "thet");
  EXPECT_EQ(RightStr("mått", 3), "ått");
  EXPECT_EQ(LeftStr("ab", 5), "ab");
  EXPECT_EQ(RightStr("ab", 5), "ab");
  EXPECT_EQ(LeftStr("ab", 0), "");
  EXPECT_EQ(CharacterCount("kN·m²"), 5u);
}

TEST(Text, BooleansAreTrueOnlyForTrue) {
  EXPECT_EQ(BoolText(true), "True");
  EXPECT_EQ(BoolText(false), "False");
  EXPECT_TRUE(ParseBool(" true "));
  EXPECT_TRUE(ParseBool("TRUE"));
  EXPECT_FALSE(ParseBool("1"));
  EXPECT_FALSE(ParseBool("yes"));
  EXPECT_FALSE(ParseBool(""));
}

TEST(Text, DatesAreYearMonthDay) {
  EXPECT_EQ(DateText({2004, 3, 1}), "2004-03-01");
  CalendarDate date;
  ASSERT_TRUE(ParseDate("2004-03-01", date));
  EXPECT_EQ(date, (CalendarDate{2004, 3, 1}));
  ASSERT_TRUE(ParseDate("2024-2-29", date));
  EXPECT_EQ(date, (CalendarDate{2024, 2, 29}));
  for (const char* bad :
       {"", "2023-02-29", "2004-13-01", "2004-00-10", "04-03-01", "2004/03/01", "2004-03-01x"}) {
    EXPECT_FALSE(ParseDate(bad, date)) << bad;
  }
  const CalendarDate today = Today();
  EXPECT_GE(today.Year, 2024);
  EXPECT_TRUE(ParseDate(DateText(today), date));
}

TEST(Text, TrimAndCase) {
  EXPECT_EQ(Trim("  a b \r\n"), "a b");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(UpperCase("Unit-Settings"), "UNIT-SETTINGS");
  EXPECT_TRUE(EqualsIgnoreCase("clRed", "CLRED"));
  EXPECT_FALSE(EqualsIgnoreCase("clRed", "clRe"));
}

TEST(Text, SplitLinesAcceptsEveryLineEnd) {
  const auto lines = SplitLines("a\r\nb\nc\rd\r\n\r\ne");
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0], "a");
  EXPECT_EQ(lines[3], "d");
  EXPECT_EQ(lines[4], "");
  EXPECT_EQ(lines[5], "e");
  EXPECT_EQ(SplitLines("a\r\n").size(), 1u); // a final line end adds no empty line
  EXPECT_TRUE(SplitLines("").empty());
}

} // namespace
} // namespace strandel
