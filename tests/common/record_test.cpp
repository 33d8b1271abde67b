#include "common/record.h"

#include <gtest/gtest.h>

namespace strandel {
namespace {

TEST(FieldAt, EmptyAndAbsentFieldsTakeTheDefault) {
  EXPECT_EQ(FieldAt(3, "a;b;;d", "x"), "x");
  EXPECT_EQ(FieldAt(4, "a;b;;d", "x"), "d");
  EXPECT_EQ(FieldAt(1, "a;b;;d", "x"), "a");
  EXPECT_EQ(FieldAt(5, "a;b;;d", "x"), "x");
  EXPECT_EQ(FieldAt(0, "a;b", "x"), "x");
  EXPECT_EQ(FieldAt(1, "", "x"), "x");
  EXPECT_EQ(FieldAt(3, "a;b;", "x"), "x"); // a trailing ";" adds only an empty field
}

TEST(FieldAt, LineEndsNeverReachAField) {
  EXPECT_EQ(FieldAt(2, "a;b\r\n", "x"), "b");
  EXPECT_EQ(FieldAt(2, "a;\r\n", "x"), "x");
  EXPECT_EQ(FieldAt(1, "k\nl;m", "x"), "kl");
}

TEST(FieldAt, OtherDelimiters) {
  EXPECT_EQ(FieldAt(1, "Key=Value=More", "", '='), "Key");
  EXPECT_EQ(FieldAt(2, "Key=Value=More", "", '='), "Value");
}

TEST(FieldCount, CountsDelimitersPlusOne) {
  EXPECT_EQ(FieldCount(""), 0);
  EXPECT_EQ(FieldCount("a"), 1);
  EXPECT_EQ(FieldCount("a;b;;d"), 4);
  EXPECT_EQ(FieldCount("a;b;"), 3);
}

TEST(FieldList, AgreesWithFieldAt) {
  const std::string line = "2;1;;4;\r\n;x y;";
  const FieldList fields(line);
  for (int n = 0; n <= 9; ++n)
    EXPECT_EQ(fields.At(n, "d"), FieldAt(n, line, "d")) << n;
  EXPECT_EQ(fields.Count(), FieldCount(line));
}

TEST(JoinFields, SeparatesWithSemicolons) {
  EXPECT_EQ(JoinFields({"1", "", "3"}), "1;;3");
  EXPECT_EQ(JoinFields({}), "");
}

} // namespace
} // namespace strandel
