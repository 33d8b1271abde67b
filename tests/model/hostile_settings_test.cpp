// Settings files no program of ours would write: binary bytes, a hundred-megabyte
// line, a template beam of ten thousand fields, numbers that are no numbers or
// far out of range. Reading never fails: every damaged key takes a sound value.

#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "model/app_settings.h"
#include "model/object_text.h"
#include "support/temp_folder.h"

namespace strandel {
namespace {

TEST(HostileSettings, BinaryBytesGiveEveryDefault) {
  testing::TempFolder program;
  std::string bytes;
  for (int i = 0; i < 8192; ++i)
    bytes.push_back(static_cast<char>((i * 131 + 7) % 256));
  const std::string path = program.Write("Strandel.ini", bytes);
  const AppSettings settings = LoadSettings(path, program.Path());
  EXPECT_EQ(settings.Language, "English");
  EXPECT_EQ(settings.LastPath, DefaultModelFolder());
  EXPECT_EQ(settings.Units, UnitChoice{});
  EXPECT_TRUE(settings.RecentDocs.empty());
  EXPECT_EQ(settings.MinForceValue, 1);
}

TEST(HostileSettings, EnormousValuesAreReadToTheReadableLength) {
  testing::TempFolder program;
  // The template beam: node numbers, then ten thousand fields of 7.
  std::string beam = "2;1;1;2";
  for (int i = 5; i <= 10000; ++i)
    beam += ";7";
  const std::string path = program.Write(
      "Strandel.ini", "[Default-Settings]\r\nLanguage=" + std::string(100u * 1024u * 1024u, 'L') +
                          "\r\nLastBeamStr=" + beam + "\r\nLastTxtHeight=0.2\r\n");
  const AppSettings settings = LoadSettings(path, program.Path());
  EXPECT_EQ(settings.Language.size(), 1023u);
  EXPECT_EQ(settings.LastBeamStr.size(), 1023u);
  EXPECT_EQ(settings.LastTxtHeight, 0.2); // the key after the huge line is still read
  // A new beam takes what the cut template holds; its own line fits a value.
  ModelDocument doc;
  const TBeamObject& made = AppendBeamFromTemplate(doc, settings.LastBeamStr);
  EXPECT_EQ(made.ShapeNo, 7);
  EXPECT_EQ(made.SafetyClass, 7);
  EXPECT_LE(WriteText(made).size(), 1023u);
}

TEST(HostileSettings, NumbersThatAreNoNumbersOrOutOfRange) {
  struct Case {
    const char* text;
    std::uint16_t unit;  // the stored length unit choice
    double minimumForce; // N
  };
  // Units outside 0..65535 and text that is no number read as 0 (the first unit
  // is then shown); a minimum that is no number reads as 0.
  const Case cases[] = {
      {"2", 2, 2},         {"2.5", 2, 2.5},        {"3.5", 4, 3.5},
      {"-1", 0, -1},       {"nan", 0, 0},          {"inf", 0, 0},
      {"1e999", 0, 0},     {"2000000000", 0, 2e9}, {"65535", 65535, 65535},
      {"65536", 0, 65536},
  };
  testing::TempFolder program;
  for (const Case& c : cases) {
    const std::string path = program.Write(
        "Strandel.ini", std::string("[Unit-Settings]\r\nLastLengthUnitNo=") + c.text +
                            "\r\n[Min-Loads-Settings]\r\nMinForceValue=" + c.text + "\r\n");
    const AppSettings settings = LoadSettings(path, program.Path());
    EXPECT_EQ(settings.Units.Length, c.unit) << c.text;
    EXPECT_EQ(settings.MinForceValue, c.minimumForce) << c.text;
    EXPECT_FALSE(UnitName(settings.Units, Quantity::Length).empty()) << c.text;
    EXPECT_TRUE(std::isfinite(UnitFactor(settings.Units, Quantity::Length))) << c.text;
  }
}

} // namespace
} // namespace strandel
