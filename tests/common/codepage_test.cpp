#include "common/codepage.h"

#include <gtest/gtest.h>

namespace strandel {
namespace {

TEST(Codepage, EveryByteSurvivesTheRoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b)
    all.push_back(static_cast<char>(b));
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Codepage, WindowsCharactersMapToUnicode) {
  EXPECT_EQ(Cp1252ToUtf8("\x80"), "€");
  EXPECT_EQ(Cp1252ToUtf8("M\xE5tt \xB2"), "Mått ²");
  EXPECT_EQ(Utf8ToCp1252("Hållfasthet €"), "H\xE5llfasthet \x80");
  EXPECT_EQ(Utf8ToCp1252("σ ≤ f"), "? ? f"); // no Windows-1252 byte
  EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?");    // cut-off UTF-8
  EXPECT_EQ(Utf8ToCp1252("\xFF\xFE"), "??"); // not UTF-8 at all
  EXPECT_EQ(Utf8ToCp1252("😀"), "?");
}

} // namespace
} // namespace strandel
