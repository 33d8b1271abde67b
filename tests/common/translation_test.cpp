#include "common/translation.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace strandel {
namespace {

class TranslationTest : public ::testing::Test {
protected:
  void TearDown() override { SetTranslations({}); }
};

TEST_F(TranslationTest, MissingEntriesReadAsQuestionMark) {
  SetTranslations({});
  EXPECT_EQ(Translated(0), "?");
  SetTranslations({"zero", "one"});
  EXPECT_EQ(Translated(1), "one");
  EXPECT_EQ(Translated(-1), "?");
  EXPECT_EQ(Translated(2), "?");
  EXPECT_EQ(Translated(TranslationCount()), "?");
}

TEST_F(TranslationTest, EmptyLinesAreEntriesAndAMissingFileKeepsTheList) {
  testing::TempFolder folder;
  const std::string path = folder.Write("Svenska.txt", "Noll\r\n\r\nTv\xE5\r\n  Tre \r\n");
  ASSERT_TRUE(LoadLanguage(path));
  EXPECT_EQ(TranslationCount(), 4);
  EXPECT_EQ(Translated(1), "");
  EXPECT_EQ(Translated(2), "Två");
  EXPECT_EQ(Translated(3), "  Tre "); // lines are taken as they are
  EXPECT_FALSE(LoadLanguage(folder.File("Deleted.txt")));
  EXPECT_EQ(Translated(2), "Två");
}

TEST_F(TranslationTest, LineEndsAndEncodingsThatUsersProduce) {
  struct Case {
    const char* what;
    const char* bytes;
    std::vector<std::string> entries;
  };
  const Case cases[] = {
      {"LF line ends",
       "Noll\nSt\xF6"
       "d\n",
       {"Noll", "Stöd"}},
      {"no line end after the last line", "Noll\r\nBalk", {"Noll", "Balk"}},
      {"a trailing empty line", "Noll\r\nBalk\r\n\r\n", {"Noll", "Balk", ""}},
      {"tabs and blanks kept", "\tA \r\n", {"\tA "}},
      {"UTF-8 with byte-order mark",
       "\xEF\xBB\xBFSt\xC3\xB6"
       "d\r\n\xC3\xA4\r\n",
       {"Stöd", "ä"}},
      // Without a valid UTF-8 body the mark is Windows-1252 text like the rest.
      {"mark before Windows-1252 text",
       "\xEF\xBB\xBFSt\xF6"
       "d\r\n",
       {"ï»¿Stöd"}},
      {"an empty file", "", {}},
  };
  testing::TempFolder folder;
  for (const Case& c : cases) {
    SetTranslations({"before"});
    ASSERT_TRUE(LoadLanguage(folder.Write("L.txt", c.bytes))) << c.what;
    ASSERT_EQ(TranslationCount(), static_cast<int>(c.entries.size())) << c.what;
    for (std::size_t i = 0; i < c.entries.size(); ++i)
      EXPECT_EQ(Translated(static_cast<int>(i)), c.entries[i]) << c.what;
  }
  // An empty file is a language without texts: everything reads "?".
  EXPECT_EQ(Translated(0), "?");
}

TEST_F(TranslationTest, AnUnreadableFileKeepsTheList) {
  testing::TempFolder folder;
  SetTranslations({"L0", "OK"});
  EXPECT_FALSE(LoadLanguage(folder.Path())); // a folder, not a file
  EXPECT_FALSE(LoadLanguage(""));
  EXPECT_EQ(Translated(1), "OK");
}

TEST_F(TranslationTest, ATextHeldByACallerOutlivesALanguageChange) {
  SetTranslations({"L0", "OK"});
  const std::string& caption = Translated(1);
  SetTranslations({"L0", "Godkänn"});
  EXPECT_EQ(caption, "OK");
  EXPECT_EQ(Translated(1), "Godkänn");
}

TEST(LanguageFilePath, NamesAFileInTheLanguagesFolderOnly) {
  EXPECT_EQ(LanguageFilePath("/opt/strandel/", "Svenska"), "/opt/strandel/Languages/Svenska.txt");
  EXPECT_EQ(LanguageFilePath("/opt/strandel", "English"), "/opt/strandel/Languages/English.txt");
  EXPECT_EQ(LanguageFilePath("/d/", "Norsk bokm\xC3\xA5l"), "/d/Languages/Norsk bokmål.txt");
  for (const char* bad : {"", ".", "..", "../Strandel", "/etc/passwd", "Sub/Svenska", "..\\x"})
    EXPECT_EQ(LanguageFilePath("/d/", bad), "") << bad;
}

} // namespace
} // namespace strandel
