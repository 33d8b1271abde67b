#include "common/ini_reader.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace strandel {
namespace {

TEST(TIniFileS, MissingFileIsReportedAndGivesDefaults) {
  testing::TempFolder folder;
  RecordingMessages messages;
  const std::string name = folder.File("Strandel.ini");
  const TIniFileS ini(name, messages);
  ASSERT_EQ(messages.Entries.size(), 1u);
  EXPECT_EQ(messages.Entries[0].Text,
            "The file " + name + "Did not exist\nError in TIniFileS.Create(aFileName:String)");
  EXPECT_FALSE(ini.Exists());
  EXPECT_EQ(ini.ReadString("Default-Settings", "Language", "English"), "English");
  EXPECT_EQ(ini.ReadInteger("Unit-Settings", "LastLengthUnitNo", 3), 3);
}

TEST(TIniFileS, ReadsSectionsWithoutCaseAndIntegersByRounding) {
  testing::TempFolder folder;
  const std::string name = folder.Write(
      "Strandel.ini",
      "[unit-settings]\r\nLastLengthUnitNo=4\r\nLastForceUnitNo=2.5\r\nLastMassUnitNo=3,5\r\n"
      "LastStressUnitNo=abc\r\n[Default-Settings]\r\nLanguage= Svenska \r\n");
  RecordingMessages messages;
  const TIniFileS ini(name, messages);
  EXPECT_TRUE(messages.Entries.empty());
  EXPECT_EQ(ini.ReadString("Unit-Settings", "LastLengthUnitNo", ""), "4");
  EXPECT_EQ(ini.ReadInteger("Unit-Settings", "LastLengthUnitNo", 0), 4);
  EXPECT_EQ(ini.ReadInteger("Unit-Settings", "LastForceUnitNo", 0), 2); // halves to even
  EXPECT_EQ(ini.ReadInteger("Unit-Settings", "LastMassUnitNo", 0), 4);
  EXPECT_EQ(ini.ReadInteger("Unit-Settings", "LastStressUnitNo", 9), 0); // not a number
  EXPECT_EQ(ini.ReadInteger("Unit-Settings", "Absent", 9), 9);
  EXPECT_EQ(ini.ReadString("default-settings", "language", ""), "Svenska");
}

} // namespace
} // namespace strandel
