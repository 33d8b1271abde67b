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

} // namespace
} // namespace strandel
