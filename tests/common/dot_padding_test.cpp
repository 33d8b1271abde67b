#include "common/dot_padding.h"

#include <gtest/gtest.h>

#include <string>

namespace strandel {
namespace {

// A font in which a dot is 2 units wide and every other character 6.
double NarrowDots(std::string_view text) {
  double width = 0;
  for (char c : text)
    width += c == '.' ? 2 : 6;
  return width;
}

TEST(PadWithDots, FillsUpToTheReferenceWidth) {
  struct Case {
    std::string Text;
    std::string Reference;
    std::string Expected;
  };
  const Case cases[] = {
      // "Created" is 42 wide; 60 dots are 120: (120 - 42) / 2 = 39 dots.
      {"Created", std::string(60, '.'), "Created" + std::string(39, '.')},
      // 43 wide after "Created by" (60): 30 dots to 120.
      {"Created by", std::string(60, '.'), "Created by" + std::string(30, '.')},
      // An odd remainder takes one dot more, so the width is at least the reference.
      {"abc", "abcd", "abc..."},
      // Already as wide, or wider: nothing is added.
      {"abcd", "abcd", "abcd"},
      {"abcdef", "ab", "abcdef"},
      {"", "", ""},
  };
  for (const Case& c : cases) {
    const std::string padded = PadWithDots(c.Text, c.Reference, NarrowDots);
    EXPECT_EQ(padded, c.Expected) << c.Text;
    EXPECT_GE(NarrowDots(padded), NarrowDots(c.Reference)) << c.Text;
  }
}

TEST(PadWithDots, EndsWhenTheMeasureNeverGrows) {
  const auto broken = [](std::string_view text) { return text.size() > 3 ? 0.0 : 10.0; };
  const std::string padded = PadWithDots("abcd", "xyz", broken);
  EXPECT_EQ(padded, "abcd....");
}

} // namespace
} // namespace strandel
