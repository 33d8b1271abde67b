#include "common/atomic_write.h"

#include <cerrno>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace strandel {
namespace {

// Fails the k-th operating-system call of a save (counting from 1).
class FailingOps : public FileOps {
public:
  explicit FailingOps(int failAt) : failAt_(failAt) {}
  int CreateTemporary(std::string& pattern, int& fd) override {
    return Fail() ? ENOSPC : FileOps::CreateTemporary(pattern, fd);
  }
  int Write(int fd, const char* data, std::size_t size, std::size_t& written) override {
    // Write in small pieces so a failure can fall in the middle of the file.
    return Fail() ? EIO : FileOps::Write(fd, data, size < 7 ? size : 7, written);
  }
  int Sync(int fd) override { return Fail() ? EIO : FileOps::Sync(fd); }
  int Close(int fd) override { return Fail() ? EIO : FileOps::Close(fd); }
  int Rename(const std::string& from, const std::string& to) override {
    return Fail() ? EXDEV : FileOps::Rename(from, to);
  }
  int calls() const { return calls_; }

private:
  bool Fail() { return ++calls_ == failAt_; }
  int failAt_;
  int calls_ = 0;
};

TEST(WriteFileAtomically, AFailureAtAnyCallLeavesThePreviousFileAndNoTemporary) {
  testing::TempFolder folder;
  const std::string path = folder.Write("model.qsd", "previous content\r\n");
  const std::string next = "the new document, long enough for several writes\r\n";
  FailingOps counter(0);
  ASSERT_TRUE(WriteFileAtomically(folder.File("count.qsd"), next, counter).ok);
  const int totalCalls = counter.calls();
  ASSERT_GT(totalCalls, 5);
  for (int k = 1; k <= totalCalls; ++k) {
    FailingOps ops(k);
    const WriteResult result = WriteFileAtomically(path, next, ops);
    EXPECT_FALSE(result.ok) << "call " << k;
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
