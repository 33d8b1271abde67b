// Saving a document or the settings when the file system fails: a folder that is
// not there, a parent that is a file, a write that fails part-way at any call, a
// device that stops taking bytes. Every failure is reported through the result,
// the previous file stays byte for byte as it was and no temporary file is left;
// a save that succeeds leaves the new file and nothing else.

#include <cerrno>
#include <string>
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
       modifiedAfter = true;
       return SaveSettings(Settings(), path, ops);
     }},
};

TEST(SaveFaults, AFolderThatIsNotThereOrAParentThatIsAFile) {
  for (const Save& save : kSaves) {
    testing::TempFolder folder;
    folder.Write("plain", "a file, not a folder");
    FileOps ops;
    bool modified = false;
    WriteResult result = save.save(folder.File("absent/frame.qsd"), ops, modified);
    EXPECT_FALSE(result.ok) << save.what;
    EXPECT_EQ(result.message,
              "Could not save '" + folder.File("absent/frame.qsd") + "': No such file or directory")
        << save.what;
    EXPECT_TRUE(modified) << save.what;
    result = save.save(folder.File("plain/frame.qsd"), ops, modified);
    EXPECT_FALSE(result.ok) << save.what;
    EXPECT_EQ(result.message,
              "Could not save '" + folder.File("plain/frame.qsd") + "': Not a directory")
        << save.what;
    EXPECT_EQ(testing::ReadBytes(folder.File("plain")), "a file, not a folder") << save.what;
    EXPECT_EQ(testing::FolderContents(folder.Path()), Names{"plain"}) << save.what;
  }
}

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
    for (int k = 1; k <= counter.Calls(); ++k) {
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

TEST(SaveFaults, ASuccessfulSaveLeavesOnlyTheFileEvenWithTheLongestName) {
  for (const Save& save : kSaves) {
    testing::TempFolder folder;
    // 255 bytes is the longest name a Linux file system takes; the temporary file
    // beside it must still find a name of its own.
    for (const std::string& name :
         {std::string("frame.qsd"), std::string(251, 'f') + ".qsd", std::string("Strandel.ini")}) {
      FileOps ops;
      bool modified = true;
      const std::string path = folder.File(name);
      ASSERT_TRUE(save.save(path, ops, modified).ok) << save.what << " " << name.size();
      ASSERT_TRUE(save.save(path, ops, modified).ok) << save.what << " " << name.size();
      EXPECT_EQ(testing::ReadBytes(path), save.bytes()) << save.what;
    }
    EXPECT_EQ(testing::FolderContents(folder.Path()),
              (Names{"Strandel.ini", std::string(251, 'f') + ".qsd", "frame.qsd"}))
        << save.what;
  }
}

} // namespace
} // namespace strandel
