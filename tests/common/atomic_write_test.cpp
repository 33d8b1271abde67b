#include "common/atomic_write.h"

#include <cerrno>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "support/failing_file_ops.h"
#include "support/temp_folder.h"

namespace strandel {
namespace {

TEST(WriteFileAtomically, AFailureAtAnyCallLeavesThePreviousFileAndNoTemporary) {
  testing::TempFolder folder;
  const std::string path = folder.Write("model.qsd", "previous content\r\n");
  const std::string next = "the new document, long enough for several writes\r\n";
  testing::FailingFileOps counter;
  ASSERT_TRUE(WriteFileAtomically(folder.File("count.qsd"), next, counter).ok);
  const int totalCalls = counter.Calls();
  ASSERT_GT(totalCalls, 5);
  // The last call syncs the folder after the rename; every call before it fails
  // with the previous file still in place.
  for (int k = 1; k < totalCalls; ++k) {
    testing::FailingFileOps ops(k);
    const WriteResult result = WriteFileAtomically(path, next, ops);
    EXPECT_FALSE(result.ok) << "call " << k;
    EXPECT_EQ(result.error, EIO) << "call " << k;
    EXPECT_NE(result.message.find(path), std::string::npos);
    EXPECT_EQ(testing::ReadBytes(path), "previous content\r\n") << "call " << k;
    EXPECT_EQ(testing::FolderContents(folder.Path()),
              (std::vector<std::string>{"count.qsd", "model.qsd"}))
        << "call " << k;
  }
  ASSERT_TRUE(WriteFileAtomically(path, next).ok);
  EXPECT_EQ(testing::ReadBytes(path), next);
  EXPECT_EQ(testing::FolderContents(folder.Path()),
            (std::vector<std::string>{"count.qsd", "model.qsd"}));
}

TEST(WriteFileAtomically, MissingFolderParentFileAndFolderTargetAreReported) {
  testing::TempFolder folder;
  WriteResult result = WriteFileAtomically(folder.File("absent/model.qsd"), "x");
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.message.find("No such file or directory"), std::string::npos);
  folder.Write("plain", "keep");
  result = WriteFileAtomically(folder.File("plain/model.qsd"), "x");
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(testing::ReadBytes(folder.File("plain")), "keep");
  result = WriteFileAtomically(folder.Path(), "x");
  EXPECT_FALSE(result.ok);
}

TEST(WriteFileAtomically, NewFilesAreReadableAndExistingModesKept) {
  testing::TempFolder folder;
  const std::string path = folder.File("new.qsd");
  ASSERT_TRUE(WriteFileAtomically(path, "x").ok);
  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_TRUE(info.st_mode & S_IRUSR);
  EXPECT_TRUE(info.st_mode & S_IWUSR);
  ::chmod(path.c_str(), 0640);
  ASSERT_TRUE(WriteFileAtomically(path, "y").ok);
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
}

} // namespace
} // namespace strandel

namespace strandel {
namespace {

TEST(WriteFileAtomically, ALinkedDocumentIsSavedWhereTheLinkPoints) {
  testing::TempFolder folder;
  const std::string target = folder.Write("projects/portal.qsd", "old");
  const std::string link = folder.File("portal-link.qsd");
  ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0);
  ASSERT_TRUE(WriteFileAtomically(link, "new").ok);
  struct stat info {};
  ASSERT_EQ(::lstat(link.c_str(), &info), 0);
  EXPECT_TRUE(S_ISLNK(info.st_mode)); // the link is still a link
  EXPECT_EQ(testing::ReadBytes(target), "new");
  EXPECT_EQ(testing::FolderContents(folder.File("projects")),
            (std::vector<std::string>{"portal.qsd"}));
}

} // namespace
} // namespace strandel
