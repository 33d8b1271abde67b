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

TEST(Codepage, RecognisesWellFormedUtf8Only) {
  struct Case {
    const char* bytes;
    bool valid;
  };
  const Case cases[] = {
      {"", true},
      {"Balk B1", true},
      {"Utnyttjandegrad 95 % \xE2\x80\x93 f\xC3\xB6r h\xC3\xB6g", true}, // en dash, ö
      {"\xF0\x9F\x98\x80", true},                                        // four bytes
      {"st\xF6"
       "d",
       false},                     // Windows-1252 ö
      {"\xC3", false},             // cut off
      {"\xC0\xAF", false},         // overlong "/"
      {"\xE0\x80\xAF", false},     // overlong "/" in three bytes
      {"\xED\xA0\x80", false},     // UTF-16 surrogate
      {"\xF4\x90\x80\x80", false}, // above U+10FFFF
      {"\x80", false},             // continuation without lead
  };
  for (const Case& c : cases)
    EXPECT_EQ(IsValidUtf8(c.bytes), c.valid) << c.bytes;
}

} // namespace
} // namespace strandel
