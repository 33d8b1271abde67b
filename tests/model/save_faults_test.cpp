// Saving a document or the settings when the file system fails: a folder that is
// not there, a parent that is a file, a write that fails part-way at any call, a
// device that stops taking bytes, a folder sync that fails after the rename.
// Every failure is reported through the result, the previous file stays byte for
// byte as it was (until the rename) and no temporary file is left; a save that
// succeeds leaves the new file and nothing else, and takes away what saves killed
// mid-write left behind.

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

#include "model/app_settings.h"
#include "model/document_file.h"
#include "support/failing_file_ops.h"
#include "support/frame_models.h"
#include "support/temp_folder.h"

namespace strandel {
namespace {

using Names = std::vector<std::string>;

ModelDocument Frame() {
  ModelDocument doc = testing::GridFrame(2, 2, 4, 3, 5000);
  doc.Modified = true;
  return doc;
}

AppSettings Settings() {
  AppSettings settings;
  settings.LastPath = "/home/anna/frames/";
  settings.RecentDocs = {"/home/anna/frames/portal.qsd", "/home/anna/frames/truss.qsd"};
  settings.Units.Length = 1;
  return settings;
}

// The two saves, each as a function of the path and the file layer.
struct Save {
  const char* what;
  std::string (*bytes)();
  WriteResult (*save)(const std::string& path, FileOps& ops, bool& modifiedAfter);
};

const Save kSaves[] = {
    {"document", [] { return WriteDocumentText(Frame()); },
     [](const std::string& path, FileOps& ops, bool& modifiedAfter) {
       ModelDocument doc = Frame();
       const WriteResult result = SaveDocument(doc, path, ops);
       modifiedAfter = doc.Modified;
       return result;
     }},
    {"settings", [] { return WriteSettingsText(Settings()); },
     [](const std::string& path, FileOps& ops, bool& modifiedAfter) {
       // The settings have no modified flag: it stands for the outcome here.
       const WriteResult result = SaveSettings(Settings(), path, ops);
       modifiedAfter = !result.ok;
       return result;
     }},
};

TEST(SaveFaults, AFailureAtAnyCallLeavesThePreviousFileByteForByte) {
  for (const Save& save : kSaves) {
    testing::TempFolder folder;
    const std::string previous = "[Model-Objects]\r\nGraphObjCount=1\r\nObject001=1;1;0;0\r\n";
    const std::string path = folder.Write("frame.qsd", previous);
    // Count the calls of a save that succeeds, writing 64 bytes at a time.
    testing::FailingFileOps counter;
    counter.PieceSize = 64;
    bool modified = true;
    ASSERT_TRUE(save.save(folder.File("count.qsd"), counter, modified).ok);
    ASSERT_GT(counter.Calls(), 10) << save.what; // the write falls in many pieces
    // The last call syncs the folder after the rename (below); every call before
    // it leaves the previous file.
    for (int k = 1; k < counter.Calls(); ++k) {
      for (int error : {EIO, ENOSPC}) {
        testing::FailingFileOps ops(k, error);
        ops.PieceSize = 64;
        const WriteResult result = save.save(path, ops, modified);
        ASSERT_FALSE(result.ok) << save.what << " call " << k;
        EXPECT_EQ(result.message,
                  "Could not save '" + path +
                      "': " + (error == EIO ? "Input/output error" : "No space left on device"))
            << save.what << " call " << k;
        EXPECT_TRUE(modified) << save.what << " call " << k;
        ASSERT_EQ(testing::ReadBytes(path), previous) << save.what << " call " << k;
        ASSERT_EQ(testing::FolderContents(folder.Path()), (Names{"count.qsd", "frame.qsd"}))
            << save.what << " call " << k;
      }
    }
    EXPECT_EQ(testing::ReadBytes(folder.File("count.qsd")), save.bytes()) << save.what;
  }
}

TEST(SaveFaults, InterruptedAndShortWritesStillSaveEverything) {
  for (const Save& save : kSaves) {
    testing::TempFolder folder;
    const std::string path = folder.Write("frame.qsd", "old");
    testing::FailingFileOps ops;
    ops.PieceSize = 1;
    ops.Interrupt = true;
    bool modified = true;
    ASSERT_TRUE(save.save(path, ops, modified).ok) << save.what;
    EXPECT_EQ(testing::ReadBytes(path), save.bytes()) << save.what;
    EXPECT_EQ(testing::FolderContents(folder.Path()), Names{"frame.qsd"}) << save.what;
  }
}

TEST(SaveFaults, ADeviceThatTakesNoMoreBytesFailsInsteadOfWaitingForever) {
  for (const Save& save : kSaves) {
    testing::TempFolder folder;
    const std::string path = folder.Write("frame.qsd", "old");
    testing::FailingFileOps ops;
    ops.WriteNothing = true;
    bool modified = false;
    const WriteResult result = save.save(path, ops, modified);
    EXPECT_FALSE(result.ok) << save.what;
    EXPECT_EQ(result.message, "Could not save '" + path + "': Input/output error") << save.what;
    EXPECT_EQ(testing::ReadBytes(path), "old") << save.what;
    EXPECT_EQ(testing::FolderContents(folder.Path()), Names{"frame.qsd"}) << save.what;
  }
}

TEST(SaveFaults, AFolderSyncThatLosesTheEntryFailsTheSaveOneThatCannotSyncDoesNot) {
  for (const Save& save : kSaves) {
    testing::FailingFileOps counter;
    testing::TempFolder folder;
    bool modified = true;
    ASSERT_TRUE(save.save(folder.File("count.qsd"), counter, modified).ok);
    const int folderSync = counter.Calls();
    struct Case {
      int error;
      bool saved;
    };
    // I/O errors may have lost the new entry; a file system without folder sync
    // (EINVAL) or a folder that cannot be opened for reading (EACCES) cannot do better.
    for (const Case c : {Case{EIO, false}, Case{ENOSPC, false}, Case{EINVAL, true},
                         Case{EACCES, true}, Case{ENOTSUP, true}}) {
      const std::string path = folder.Write("frame.qsd", "old");
      testing::FailingFileOps ops(folderSync, c.error);
      modified = true;
      const WriteResult result = save.save(path, ops, modified);
      EXPECT_EQ(result.ok, c.saved) << save.what << " " << c.error;
      EXPECT_EQ(modified, !c.saved) << save.what << " " << c.error;
      if (!c.saved) {
        EXPECT_EQ(result.error, c.error) << save.what;
      }
      // The rename came before the sync: the new file is in place either way.
      EXPECT_EQ(testing::ReadBytes(path), save.bytes()) << save.what << " " << c.error;
      EXPECT_EQ(testing::FolderContents(folder.Path()), (Names{"count.qsd", "frame.qsd"}))
          << save.what << " " << c.error;
    }
  }
}

// Writes the first bytes of a save and ends the process, as a save killed by
// the user or the system does: the temporary file stays behind.
class KilledMidWrite : public FileOps {
public:
  int Write(int fd, const char* data, std::size_t size, std::size_t& written) override {
    FileOps::Write(fd, data, size / 2, written);
    ::_exit(9);
  }
};

// The temporary files of saves of `name`: "." + name + ".tmp" and six letters,
// the name cut to 244 bytes so that the whole stays within 255.
std::vector<std::string> Leftovers(const std::string& folder, const std::string& name) {
  std::vector<std::string> found;
  for (const std::string& entry : testing::FolderContents(folder)) {
    if (entry.rfind("." + name.substr(0, 244) + ".tmp", 0) == 0) found.push_back(entry);
  }
  return found;
}

TEST(SaveFaults, ASaveKilledMidWriteLeavesATemporaryFileThatTheNextSaveRemoves) {
  for (const Save& save : kSaves) {
    for (const std::string& name : {std::string("frame.qsd"), std::string(251, 'f') + ".qsd"}) {
      testing::TempFolder folder;
      const std::string path = folder.Write(name, "old");
      for (int kill = 0; kill < 3; ++kill) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
          KilledMidWrite ops;
          bool modified = true;
          save.save(path, ops, modified);
          ::_exit(0); // not reached
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 9) << save.what;
      }
      EXPECT_EQ(Leftovers(folder.Path(), name).size(), 3u) << save.what;
      EXPECT_EQ(testing::ReadBytes(path), "old") << save.what;
      // A save that fails removes nothing but its own temporary file.
      testing::FailingFileOps failing(2, EIO);
      bool modified = true;
      ASSERT_FALSE(save.save(path, failing, modified).ok) << save.what;
      EXPECT_EQ(Leftovers(folder.Path(), name).size(), 3u) << save.what;
      FileOps ops;
      ASSERT_TRUE(save.save(path, ops, modified).ok) << save.what;
      EXPECT_EQ(testing::FolderContents(folder.Path()), Names{name}) << save.what;
      EXPECT_EQ(testing::ReadBytes(path), save.bytes()) << save.what;
    }
  }
}

TEST(SaveFaults, OnlyTheTemporaryFilesOfTheSameNameGoAndNoneStillBeingWritten) {
  testing::TempFolder folder;
  const std::string path = folder.Write("frame.qsd", "old");
  const Names leftovers = {".frame.qsd.tmpAb12Cd", ".frame.qsd.tmpzzzzzz", ".frame.qsd.tmp000000"};
  // Other documents' files, other programs' files, and names that only look alike.
  const Names kept = {".Frame.qsd.tmpAb12Cd",
                      ".frame.qsd.tmpAb12C",
                      ".frame.qsd.tmpAb12Cde",
                      ".frame.qsd.tmp-b12Cd",
                      ".frame.qsd.tmp Ab12C",
                      "frame.qsd.tmpAb12Cd",
                      ".frame.qs.tmpAb12Cd",
                      ".portal.qsd.tmpAb12Cd",
                      ".frame.qsd.swp",
                      ".frame.qsd.tmpAb12Cd~",
                      "frame.qsd~"};
  for (const std::string& name : leftovers)
    folder.Write(name, "a killed save's first bytes");
  for (const std::string& name : kept)
    folder.Write(name, "someone else's");
  // A folder and a link of the pattern are never removed, nor what the link points to.
  ASSERT_EQ(::mkdir(folder.File(".frame.qsd.tmpFolder").c_str(), 0755), 0);
  ASSERT_EQ(
      ::symlink(folder.File("frame.qsd~").c_str(), folder.File(".frame.qsd.tmpLinkTo").c_str()), 0);
  // A temporary file written after this save began belongs to a save still under way.
  const timespec later[2] = {{0, UTIME_OMIT}, {::time(nullptr) + 3600, 0}};
  const std::string busy = folder.Write(".frame.qsd.tmpBusy01", "another save, still writing");
  ASSERT_EQ(::utimensat(AT_FDCWD, busy.c_str(), later, 0), 0);

  ModelDocument doc = Frame();
  ASSERT_TRUE(SaveDocument(doc, path).ok);
  Names expected = kept;
  for (const char* name :
       {"frame.qsd", ".frame.qsd.tmpFolder", ".frame.qsd.tmpLinkTo", ".frame.qsd.tmpBusy01"})
    expected.push_back(name);
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(testing::FolderContents(folder.Path()), expected);
  for (const std::string& name : kept)
    EXPECT_EQ(testing::ReadBytes(folder.File(name)), "someone else's") << name;
}

} // namespace
} // namespace strandel
