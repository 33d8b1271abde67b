// Language files and sectioned key=value files that no editor of ours would
// write: a million lines, a hundred-megabyte line, binary bytes, more entries than
// any real file. Each reads to a sound result; bench/hostile_input_bench.cpp
// measures the time and memory it takes.

#include <string>

#include <gtest/gtest.h>

#include "common/profile_file.h"
#include "common/translation.h"
#include "common/utf8.h"
#include "support/temp_folder.h"

namespace strandel {
namespace {

class HostileLanguageFile : public ::testing::Test {
protected:
  void TearDown() override { SetTranslations({}); }
};

TEST_F(HostileLanguageFile, AMillionLinesKeepTheFirstEntries) {
  testing::TempFolder folder;
  std::string text;
  for (int i = 0; i < 1000000; ++i)
    text += "Text " + std::to_string(i) + "\r\n";
  ASSERT_TRUE(LoadLanguage(folder.Write("Huge.txt", text)));
  EXPECT_EQ(TranslationCount(), static_cast<int>(kMaxLanguageEntries));
  EXPECT_EQ(Translated(186), "Text 186");
  EXPECT_EQ(Translated(65535), "Text 65535");
  EXPECT_EQ(Translated(65536), "?");
  EXPECT_EQ(Translated(999999), "?");
  // Empty lines are the cheapest lines a file can have; they are entries too.
  ASSERT_TRUE(LoadLanguage(folder.Write("Empty.txt", std::string(20000000, '\n'))));
  EXPECT_EQ(TranslationCount(), static_cast<int>(kMaxLanguageEntries));
  EXPECT_EQ(Translated(7), "");
}

TEST_F(HostileLanguageFile, AHundredMegabyteLineIsOneEntry) {
  testing::TempFolder folder;
  ASSERT_TRUE(LoadLanguage(
      folder.Write("Long.txt", "OK\r\n" + std::string(100u * 1024u * 1024u, 'a') + "\r\nCancel")));
  ASSERT_EQ(TranslationCount(), 3);
  EXPECT_EQ(Translated(0), "OK");
  EXPECT_EQ(Translated(1).size(), 100u * 1024u * 1024u);
  EXPECT_EQ(Translated(2), "Cancel");
}

TEST_F(HostileLanguageFile, BinaryBytesBecomeValidTextsWithoutLineEnds) {
  testing::TempFolder folder;
  std::string bytes;
  for (int i = 0; i < 4096; ++i)
    bytes.push_back(static_cast<char>((i * 37 + 11) % 256));
  ASSERT_TRUE(LoadLanguage(folder.Write("Binary.txt", bytes)));
  ASSERT_GT(TranslationCount(), 1);
  for (int i = 0; i < TranslationCount(); ++i) {
    EXPECT_TRUE(IsValidUtf8(Translated(i))) << i;
    EXPECT_EQ(Translated(i).find_first_of("\r\n"), std::string::npos) << i;
  }
}

TEST(HostileProfileFile, ValuesAtTheReadableLengthAndEnormousLines) {
  const std::string exact(1023, 'e');
  const std::string text = "[S]\r\nexact=" + exact + "\r\nlonger=" + exact + "Z\r\n" +
                           "huge=" + std::string(10u * 1024u * 1024u, 'h') + "\r\n" +
                           std::string(10u * 1024u * 1024u, '[') + "\r\nafter=1\r\n";
  const ProfileFile file = ProfileFile::Parse(text);
  EXPECT_TRUE(file.Complete());
  EXPECT_EQ(file.ReadString("S", "exact", ""), exact);
  EXPECT_EQ(file.ReadString("S", "longer", ""), exact);
  EXPECT_EQ(file.ReadString("S", "huge", "").size(), kMaxProfileValueLength);
  // A line of brackets opens no section, so the key after it is still in [S].
  EXPECT_EQ(file.ReadString("S", "after", ""), "1");
}

TEST(HostileProfileFile, ReadingStopsAfterTheLastEntryAnyRealFileCouldHave) {
  std::string text = "[Keys]\r\nfirst=1\r\n";
  for (std::size_t i = 1; i < kMaxProfileEntries; ++i)
    text += "k=\n";
  EXPECT_TRUE(ProfileFile::Parse(text).Complete());
  text += "last=1\r\n";
  const ProfileFile file = ProfileFile::Parse(text);
  EXPECT_FALSE(file.Complete());
  EXPECT_EQ(file.ReadString("Keys", "first", ""), "1");
  EXPECT_EQ(file.ReadString("Keys", "last", "absent"), "absent");
  // Lines without a key are no entries: a file of them alone is read whole.
  EXPECT_TRUE(ProfileFile::Parse(std::string(3 * kMaxProfileEntries, '\n')).Complete());
}

} // namespace
} // namespace strandel
