#include "model/recovery.h"

#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "common/files.h"
#include "model/document_file.h"
#include "support/failing_file_ops.h"
#include "support/frame_models.h"
#include "support/temp_folder.h"

namespace strandel {
namespace {

using testing::ReadBytes;
using testing::TempFolder;

// Sets a file's modification time to whole seconds since 1970.
void SetModificationTime(const std::string& path, long long seconds) {
  const timespec times[2] = {{static_cast<time_t>(seconds), 0}, {static_cast<time_t>(seconds), 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0) << path;
}

ModelDocument ChangedModel() {
  ModelDocument doc = testing::SimplySupportedBeam(6, -12000);
  doc.Modified = true;
  return doc;
}

TEST(Recovery, AFailedWriteKeepsThePreviousCopy) {
  TempFolder folder;
  const std::string documentPath = folder.File("frame.qsd");
  const std::string copyPath = RecoveryCopyPath(folder.File("state"), documentPath, "1-1");
  ModelDocument doc = ChangedModel();
  ASSERT_TRUE(WriteRecoveryCopy(doc, documentPath, copyPath).ok);
  const std::string before = ReadBytes(copyPath);
  testing::AddNode(doc, 9, 1, 1);
  // Every call of the second write fails in turn; the first copy survives each,
  // up to the last call, the folder sync after the copy's rename.
  testing::FailingFileOps counter;
  ASSERT_TRUE(WriteRecoveryCopy(doc, documentPath, folder.File("state/count.qsd"), counter).ok);
  ASSERT_TRUE(WriteRecoveryCopy(doc, documentPath, copyPath).ok);
  ::unlink(folder.File("state/count.qsd").c_str());
  ::unlink(RecoveryNotePath(folder.File("state/count.qsd")).c_str());
  for (int failAt = 1; failAt <= counter.Calls(); ++failAt) {
    ASSERT_TRUE(WriteFileAtomically(copyPath, before).ok);
    testing::FailingFileOps ops(failAt);
    const WriteResult written = WriteRecoveryCopy(doc, documentPath, copyPath, ops);
    ASSERT_FALSE(written.ok) << "failing call " << failAt;
    EXPECT_FALSE(written.message.empty());
    EXPECT_EQ(ReadBytes(copyPath), failAt < counter.Calls() ? before : WriteDocumentText(doc))
        << "failing call " << failAt;
    EXPECT_EQ(testing::FolderContents(folder.File("state")).size(), 2u)
        << "failing call " << failAt;
  }
}

TEST(Recovery, OnlyCopiesNewerThanTheirDocumentsAreOffered) {
  struct Case {
    const char* What;
    long long DocumentTime; // -1: no document file
    long long CopyTime;
    bool Offered;
    bool CopyKept;
  };
  const Case cases[] = {
      {"never saved", -1, 1'700'000'000, true, true},
      {"changed after the last save", 1'700'000'000, 1'700'000'300, true, true},
      {"saved after the copy was made", 1'700'000'600, 1'700'000'300, false, false},
      {"saved in the same instant", 1'700'000'300, 1'700'000'300, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    TempFolder folder;
    const std::string documentPath = folder.File("frame.qsd");
    if (c.DocumentTime >= 0) {
      folder.Write("frame.qsd", "[Model-Objects]\r\n");
      SetModificationTime(documentPath, c.DocumentTime);
    }
    const std::string copyPath = RecoveryCopyPath(folder.File("state"), documentPath, "5-5");
    ASSERT_TRUE(WriteRecoveryCopy(ChangedModel(), documentPath, copyPath).ok);
    SetModificationTime(copyPath, c.CopyTime);

    const std::vector<RecoveryCopy> found = FindRecoveryCopies(folder.File("state"));
    ASSERT_EQ(found.size(), c.Offered ? 1u : 0u);
    if (c.Offered) {
      EXPECT_EQ(found[0].CopyPath, copyPath);
      EXPECT_EQ(found[0].DocumentPath, documentPath);
      EXPECT_EQ(found[0].SavedAtNs, c.CopyTime * 1'000'000'000);
    }
    EXPECT_EQ(FileExists(copyPath), c.CopyKept);
    EXPECT_EQ(FileExists(RecoveryNotePath(copyPath)), c.CopyKept);
  }
}

TEST(Recovery, NewestFirstAndLeftoversSortedOut) {
  TempFolder folder;
  const std::string state = folder.File("state/");
  const std::string older = RecoveryCopyPath(state, folder.File("a.qsd"), "1-1");
  const std::string newer = RecoveryCopyPath(state, folder.File("b.qsd"), "1-1");
  ASSERT_TRUE(WriteRecoveryCopy(ChangedModel(), folder.File("a.qsd"), older).ok);
  ASSERT_TRUE(WriteRecoveryCopy(ChangedModel(), folder.File("b.qsd"), newer).ok);
  SetModificationTime(older, 1'700'000'000);
  SetModificationTime(newer, 1'700'000'500);
  // A copy of a program still running (process 1 always is) is not ours to offer.
  folder.Write("state/c.9-9.qsd", "[Model-Objects]\r\n");
  folder.Write("state/c.9-9.path", folder.File("c.qsd") + "\n1\n");
  // A note whose copy never arrived, and a copy whose note is gone.
  folder.Write("state/d.9-9.path", folder.File("d.qsd") + "\n" + std::to_string(::getpid()) + "\n");
  folder.Write("state/e.9-9.qsd", "[Model-Objects]\r\n");
  // A damaged note names no document.
  folder.Write("state/f.9-9.qsd", "[Model-Objects]\r\n");
  folder.Write("state/f.9-9.path", "not a path");

  const std::vector<RecoveryCopy> found = FindRecoveryCopies(state);
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0].CopyPath, newer);
  EXPECT_EQ(found[1].CopyPath, older);
  EXPECT_FALSE(FileExists(state + "d.9-9.path"));
  EXPECT_TRUE(FileExists(state + "c.9-9.qsd"));
  EXPECT_TRUE(FileExists(state + "c.9-9.path"));
  EXPECT_TRUE(FileExists(state + "e.9-9.qsd"));
  EXPECT_TRUE(FileExists(state + "f.9-9.qsd"));
  EXPECT_TRUE(FindRecoveryCopies(folder.File("nowhere/")).empty());
}

} // namespace
} // namespace strandel
