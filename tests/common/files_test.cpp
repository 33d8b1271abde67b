#include "common/files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "support/temp_folder.h"

namespace strandel {
namespace {

TEST(Paths, TitlesFoldersAndExtensions) {
  EXPECT_EQ(FileTitle("/home/anna/frames/portal.qsd"), "portal");
  EXPECT_EQ(FileTitle("portal.backup.qsd"), "portal.backup");
  EXPECT_EQ(FileTitle("/a/noext"), "noext");
  EXPECT_EQ(FileTitle("/a/.hidden"), ".hidden");
  EXPECT_EQ(FileNameOf("/a/b/c.qsd"), "c.qsd");
  EXPECT_EQ(FolderOf("/a/b/c.qsd"), "/a/b/");
  EXPECT_EQ(FolderOf("c.qsd"), "./");
  EXPECT_EQ(FolderOf("/c.qsd"), "/");
  EXPECT_EQ(ExtensionOf("/a/b/c.QSD"), ".QSD");
  EXPECT_EQ(ExtensionOf("/a.b/c"), "");
  EXPECT_EQ(JoinPath("/a/", "b.txt"), "/a/b.txt");
  EXPECT_EQ(JoinPath("/a", "/b.txt"), "/a/b.txt");
}

TEST(Paths, EnsureFolderAppendsTheSlashAndTellsExistence) {
  testing::TempFolder folder;
  bool exists = false;
  const std::string withoutSlash = folder.Path().substr(0, folder.Path().size() - 1);
  EXPECT_EQ(EnsureFolder(withoutSlash, &exists), folder.Path());
  EXPECT_TRUE(exists);
  EXPECT_EQ(EnsureFolder(folder.Path() + "nothing", &exists), folder.Path() + "nothing/");
  EXPECT_FALSE(exists);
}

TEST(ListFiles, MatchesThePatternWithoutCaseSortedAndRecursive) {
  testing::TempFolder folder;
  folder.Write("b.txt", "");
  folder.Write("A.TXT", "");
  folder.Write("c.qsd", "");
  folder.Write("Trusses/warren.txt", "");
  folder.Write("Trusses/Deep/pratt.txt", "");
  EXPECT_EQ(ListFiles(folder.Path(), "*.txt", true), (std::vector<std::string>{"A", "b"}));
  EXPECT_EQ(ListFiles(folder.Path(), "*.txt"),
            (std::vector<std::string>{folder.Path() + "A.TXT", folder.Path() + "b.txt"}));
  const FolderTree tree = ListFolderTree(folder.Path(), "*.txt", true);
  ASSERT_EQ(tree.Folders.size(), 1u);
  EXPECT_EQ(tree.Folders[0].Name, "Trusses");
  ASSERT_EQ(tree.Folders[0].Files.size(), 1u);
  EXPECT_EQ(tree.Folders[0].Files[0].Title, "warren");
  ASSERT_EQ(tree.Folders[0].Folders.size(), 1u);
  EXPECT_EQ(tree.Folders[0].Folders[0].Files[0].Path, folder.Path() + "Trusses/Deep/pratt.txt");
  EXPECT_TRUE(ListFolderTree(folder.Path(), "*.txt", false).Folders.empty());
  EXPECT_TRUE(ListFiles(folder.Path() + "absent/", "*.txt").empty());
}

TEST(ListFiles, AFolderLinkedToItsParentEndsTheWalk) {
  testing::TempFolder folder;
  folder.Write("Frames/portal.qsd", "");
  ASSERT_EQ(::symlink(folder.Path().c_str(), folder.File("Frames/again").c_str()), 0);
  const FolderTree tree = ListFolderTree(folder.Path(), "*.qsd", true);
  // The walk goes down the link a bounded number of times and comes back.
  int depth = 0;
  for (const FolderTree* at = &tree; !at->Folders.empty(); at = &at->Folders.front())
    ++depth;
  EXPECT_GT(depth, 1);
  EXPECT_LT(depth, 40);
  ASSERT_EQ(tree.Folders.size(), 1u);
  EXPECT_EQ(tree.Folders[0].Files[0].Title, "portal");
}

TEST(ReadWholeFile, ReportsMissingUnreadableAndTooLarge) {
  testing::TempFolder folder;
  const std::string path = folder.Write("a.txt", "abc\r\n");
  FileReadResult read = ReadWholeFile(path);
  EXPECT_TRUE(read.ok);
  EXPECT_EQ(read.bytes, "abc\r\n");
  read = ReadWholeFile(folder.File("none.txt"));
  EXPECT_FALSE(read.ok);
  EXPECT_TRUE(read.missing);
  read = ReadWholeFile(folder.Path());
  EXPECT_FALSE(read.ok);
  EXPECT_FALSE(read.missing);
  read = ReadWholeFile(path, 3);
  EXPECT_FALSE(read.ok);
  EXPECT_NE(read.message.find("larger"), std::string::npos);
}

TEST(MakeFolders, CreatesParentsAndReportsFailure) {
  testing::TempFolder folder;
  EXPECT_TRUE(MakeFolders(folder.File("x/y/z/")));
  EXPECT_TRUE(FolderExists(folder.File("x/y/z")));
  folder.Write("file", "");
  std::string message;
  EXPECT_FALSE(MakeFolders(folder.File("file/sub"), &message));
  EXPECT_FALSE(message.empty());
}

} // namespace
} // namespace strandel
