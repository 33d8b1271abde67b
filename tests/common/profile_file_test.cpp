#include "common/profile_file.h"

#include <gtest/gtest.h>

namespace strandel {
namespace {

TEST(ProfileFile, SectionsAndKeysMatchWithoutCaseAndValuesAreTrimmed) {
  const ProfileFile file =
      ProfileFile::Parse("[Unit-Settings]\r\nLastLengthUnitNo = 4 \r\n  "
                         "lastforceunitno=2\r\n\r\n[Other]\r\nKey=Mixed Case Value\r\n");
  EXPECT_EQ(file.ReadString("unit-settings", "LASTLENGTHUNITNO", "x"), "4");
  EXPECT_EQ(file.ReadString("UNIT-SETTINGS", "LastForceUnitNo", "x"), "2");
  EXPECT_EQ(file.ReadString("other", "key", "x"), "Mixed Case Value");
  EXPECT_EQ(file.ReadString("Other", "Missing", "fallback"), "fallback");
  EXPECT_EQ(file.ReadString("Missing", "Key", "fallback"), "fallback");
  EXPECT_TRUE(file.HasSection("OTHER"));
}

TEST(ProfileFile, FirstSectionAndFirstKeyWin) {
  const ProfileFile file = ProfileFile::Parse("[A]\nk=1\nK=2\n[a]\nk=3\nonly=4\n[B]\nk=5\n");
  EXPECT_EQ(file.ReadString("A", "k", ""), "1");
  EXPECT_EQ(file.ReadString("A", "only", "absent"), "absent"); // not merged from the second [a]
  EXPECT_EQ(file.ReadString("B", "k", ""), "5");
}

TEST(ProfileFile, LinesWithoutKeysAndEntriesBeforeAnySectionAreIgnored) {
  const ProfileFile file =
      ProfileFile::Parse("orphan=1\n[S]\nno equals sign\n=novalue\nk=\nm=a=b\n");
  EXPECT_EQ(file.ReadString("S", "orphan", "none"), "none");
  EXPECT_EQ(file.ReadString("S", "k", "default"), ""); // present but empty
  EXPECT_EQ(file.ReadString("S", "m", ""), "a=b");
  EXPECT_EQ(file.KeysOf("S"), (std::vector<std::string>{"k", "m"}));
}

TEST(ProfileFile, ValuesAreReadBackWithAtMost1023Characters) {
  const std::string exact(1023, 'a');
  const std::string longer = std::string(1023, 'b') + "c";
  const ProfileFile file = ProfileFile::Parse("[S]\nexact=" + exact + "\nlonger=" + longer + "\n");
  EXPECT_EQ(file.ReadString("S", "exact", ""), exact);
  EXPECT_EQ(file.ReadString("S", "longer", ""), std::string(1023, 'b'));
}

TEST(ProfileFile, Windows1252ValuesComeOutAsUtf8) {
  const ProfileFile file = ProfileFile::Parse("[S]\nName=Tr\xE4\r\n");
  EXPECT_EQ(file.ReadString("S", "Name", ""), "Trä");
}

TEST(ProfileWriter, WritesCrLfWindows1252AndKeepsLineEndsOutOfValues) {
  ProfileWriter writer;
  writer.BeginSection("Default-Settings");
  writer.Write("Language", "Svenska");
  writer.Write("Note", "two\r\nlines");
  writer.Write("Material", "Trä");
  EXPECT_EQ(writer.Bytes(),
            "[Default-Settings]\r\nLanguage=Svenska\r\nNote=two  lines\r\nMaterial=Tr\xE4\r\n");
}

} // namespace
} // namespace strandel
