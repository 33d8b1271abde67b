// Autosave and recovery as a user meets them: a change is copied by the timer
// without touching the document, a save or a normal close removes the copy,
// and the next start after a crash offers the copy with Recover, Discard and
// Later, each doing what it says.

#include <QDateTime>
#include <QFileInfo>
#include <QTest>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>

#include "app/app_fixture.h"
#include "app/app_test_registry.h"
#include "app/autosave.h"
#include "app/model_page.h"
#include "app/model_view.h"
#include "common/files.h"
#include "model/document_file.h"

namespace strandel {

using testing::AppFixture;
using testing::FolderContents;
using testing::ReadBytes;

namespace {

std::string SettingsWithAutosave(const AppFixture& app, const std::string& minutes) {
  std::string text = "[Default-Settings]\r\nLast-Path=" + app.Folder.File("data/Models/") +
                     "\r\nLanguage=English\r\n";
  if (!minutes.empty()) text += "[Recovery-Settings]\r\nAutosaveMinutes=" + minutes + "\r\n";
  return text;
}

void AddNode(MainWindow& window, int number) {
  TNodeObject& node = AppendObject<TNodeObject>(window.Document());
  node.Number = number;
  node.X = 7;
  node.Y = 1;
  window.Document().Modified = true;
  // As the editor's status refresh after every change does.
  window.DocumentIdentityChanged();
}

void SetModificationTime(const std::string& path, qint64 secondsSince1970) {
  const timespec times[2] = {{static_cast<time_t>(secondsSince1970), 0},
                             {static_cast<time_t>(secondsSince1970), 0}};
  QVERIFY(::utimensat(AT_FDCWD, path.c_str(), times, 0) == 0);
}

// The copies in a recovery folder (the .qsd files).
std::vector<std::string> CopiesIn(const std::string& folder) {
  std::vector<std::string> copies;
  for (const std::string& name : FolderContents(folder))
    if (ExtensionOf(name) == ".qsd") copies.push_back(folder + name);
  return copies;
}

// A run that changed `documentPath`, had its change copied by the autosave and
// then died: its copy is left in `recoveryFolder` as the crash left it.
void CrashedRun(const std::string& documentPath, const std::string& recoveryFolder) {
  const std::filesystem::path folder = std::filesystem::path(recoveryFolder).parent_path();
  const std::filesystem::path kept = folder.parent_path() / "kept";
  {
    AppFixture crashed;
    crashed.Environment.RecoveryFolder = recoveryFolder;
    MainWindow& window = crashed.Start(documentPath);
    AddNode(window, 90);
    window.Recovery().WriteCopy();
    QVERIFY(!window.Recovery().CopyPath().empty());
    // What a crash leaves behind: nothing of this run clears up after it.
    std::filesystem::copy(folder, kept, std::filesystem::copy_options::recursive);
  }
  std::filesystem::remove_all(folder);
  std::filesystem::rename(kept, folder);
}

} // namespace

class AutosaveTest : public QObject {
  Q_OBJECT
private slots:
  void TheTimerCopiesAChangeAsASaveWouldWriteIt() {
    AppFixture app;
    const std::string path = app.WriteModel("frame.qsd", testing::PortalFrameObjects());
    const std::string original = ReadBytes(path);
    // 0.001 minutes: a copy every 60 ms.
    app.Folder.Write("Strandel.ini", SettingsWithAutosave(app, "0.001"));
    MainWindow& window = app.Start(path);
    Autosave& autosave = window.Recovery();
    QVERIFY(autosave.Timer().isActive());
    QCOMPARE(autosave.Timer().interval(), 60);
    // Nothing changed: nothing to copy.
    autosave.WriteCopy();
    QVERIFY(CopiesIn(app.Environment.RecoveryFolder).empty());

    AddNode(window, 20);
    QTRY_VERIFY_WITH_TIMEOUT(!autosave.CopyPath().empty(), 5000);
    const std::vector<std::string> copies = CopiesIn(app.Environment.RecoveryFolder);
    QCOMPARE(copies.size(), std::size_t{1});
    QCOMPARE(copies[0], autosave.CopyPath());
    QCOMPARE(ReadBytes(copies[0]), WriteDocumentText(window.Document()));
    // The document is as it was: still changed, its file not written.
    QVERIFY(window.Document().Modified);
    QVERIFY(window.windowTitle().endsWith(QStringLiteral(" *")));
    QCOMPARE(ReadBytes(path), original);

    // A save writes the document and takes the copy away.
    window.Menu().Save->trigger();
    QVERIFY(!window.Document().Modified);
    QVERIFY(ReadBytes(path).find("Object011=1;20;7;1;0;-1") != std::string::npos);
    QVERIFY(autosave.CopyPath().empty());
    QVERIFY(FolderContents(app.Environment.RecoveryFolder).empty());
  }

  void TheCopyLeavesOutTheBeamBeingDrawn() {
    AppFixture app;
    MainWindow& window = app.Start(app.WriteModel("frame.qsd", testing::PortalFrameObjects()));
    AddNode(window, 20);
    // A beam started at node 1 and not yet ended: the copy holds the model as
    // the last finished step left it, not a beam with no end node.
    ModelPage* page = window.Model();
    page->CreateButton(CreateTool::Beam)->trigger();
    const QPoint atNode1 = testing::PixelOf(window, 0, 0);
    QTest::mouseMove(page->View(), atNode1);
    QTest::mouseClick(page->View(), Qt::LeftButton, {}, atNode1);
    QVERIFY(page->ModelEditor().HalfMadeObject() != nullptr);
    window.Recovery().WriteCopy();
    ModelDocument copy;
    QVERIFY(ReadDocumentText(ReadBytes(window.Recovery().CopyPath()), copy).ok);
    const auto beams = [&copy] {
      int count = 0;
      for (const TBeamObject& beam : ObjectsOf<TBeamObject>(copy))
        count += beam.Node2 != 0;
      return count;
    };
    QCOMPARE(beams(), 3);
    QCOMPARE(copy.GraphObjects.size(), window.Document().GraphObjects.size() - 1);
    // Once finished, the beam is in the next copy.
    const QPoint atNode20 = testing::PixelOf(window, 7, 1);
    QTest::mouseMove(page->View(), atNode20);
    QTest::mouseClick(page->View(), Qt::LeftButton, {}, atNode20);
    window.Recovery().WriteCopy();
    copy = ModelDocument{};
    QVERIFY(ReadDocumentText(ReadBytes(window.Recovery().CopyPath()), copy).ok);
    QCOMPARE(beams(), 4);
    QCOMPARE(copy.GraphObjects.size(), window.Document().GraphObjects.size() - 1);
  }

  void FiveMinutesUnlessTheSettingsSayOtherwiseAndZeroIsOff() {
    AppFixture standard;
    standard.Folder.Write("Strandel.ini", SettingsWithAutosave(standard, ""));
    QCOMPARE(standard.Start().Recovery().Timer().interval(), 5 * 60 * 1000);
    QVERIFY(standard.Window().Recovery().Timer().isActive());

    AppFixture off;
    off.Folder.Write("Strandel.ini", SettingsWithAutosave(off, "0"));
    MainWindow& window = off.Start();
    QVERIFY(!window.Recovery().Timer().isActive());
  }

  void ANormalCloseOrWorkGivenUpRemovesTheCopy() {
    AppFixture app;
    MainWindow& window = app.Start();
    AddNode(window, 1);
    window.Recovery().WriteCopy();
    QCOMPARE(CopiesIn(app.Environment.RecoveryFolder).size(), std::size_t{1});
    // New, and No to saving the changes: they are given up, and so is their copy.
    app.Messages.Answers = {MessageAnswer::No};
    QVERIFY(window.Commands().New());
    QVERIFY(FolderContents(app.Environment.RecoveryFolder).empty());

    AddNode(window, 2);
    window.Recovery().WriteCopy();
    // The same changes are not written twice.
    const std::string copy = window.Recovery().CopyPath();
    SetModificationTime(copy, 1'000'000'000);
    window.Recovery().WriteCopy();
    QCOMPARE(QFileInfo(QString::fromStdString(copy)).lastModified().toSecsSinceEpoch(),
             qint64{1'000'000'000});
    app.Messages.Answers = {MessageAnswer::No};
    QVERIFY(app.Close());
    QVERIFY(FolderContents(app.Environment.RecoveryFolder).empty());
  }

  void RecoverOpensTheCopyAsTheChangedDocument() {
    AppFixture app;
    const std::string path = app.WriteModel("frame.qsd", testing::PortalFrameObjects());
    CrashedRun(path, app.Environment.RecoveryFolder);
    SetModificationTime(path, QDateTime::currentSecsSinceEpoch() - 3600);
    const std::vector<std::string> copies = CopiesIn(app.Environment.RecoveryFolder);
    QCOMPARE(copies.size(), std::size_t{1});
    const QString clock = QFileInfo(QString::fromStdString(copies[0]))
                              .lastModified()
                              .toString(QStringLiteral("HH:mm"));

    app.Messages.Answers = {MessageAnswer::Yes};
    MainWindow& window = app.Start();
    window.OfferRecovery();
    QCOMPARE(app.Messages.Entries.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(app.Messages.Entries[0].Text),
             QStringLiteral("Recover unsaved changes of frame.qsd from %1?").arg(clock));
    // The portal frame's ten objects and the node of the lost run.
    QCOMPARE(window.Document().GraphObjects.size(), std::size_t{11});
    QCOMPARE(window.Document().FileName, std::string("frame.qsd"));
    QCOMPARE(window.Commands().DocumentPath(), path);
    QVERIFY(window.Document().Modified);
    QVERIFY(window.windowTitle().endsWith(QStringLiteral("frame.qsd *")));
    // Until the work is saved the copy stays, in case this run ends badly too.
    QCOMPARE(CopiesIn(app.Environment.RecoveryFolder), copies);

    window.Menu().Save->trigger();
    ModelDocument saved;
    QVERIFY(LoadDocument(path, saved).ok);
    QCOMPARE(saved.GraphObjects.size(), std::size_t{11});
    QVERIFY(FolderContents(app.Environment.RecoveryFolder).empty());
  }

  void DiscardDeletesTheCopyAndLaterKeepsItForTheNextStart() {
    for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Cancel}) {
      AppFixture app;
      const std::string path = app.WriteModel("frame.qsd", testing::PortalFrameObjects());
      const std::string original = ReadBytes(path);
      CrashedRun(path, app.Environment.RecoveryFolder);
      SetModificationTime(path, QDateTime::currentSecsSinceEpoch() - 3600);
      const std::vector<std::string> copies = CopiesIn(app.Environment.RecoveryFolder);

      app.Messages.Answers = {answer};
      MainWindow& window = app.Start();
      window.OfferRecovery();
      QCOMPARE(app.Messages.Entries.size(), std::size_t{1});
      // Either way the program starts with a new model and the file is untouched.
      QVERIFY(window.Document().GraphObjects.empty());
      QVERIFY(!window.Document().Modified);
      QCOMPARE(ReadBytes(path), original);
      if (answer == MessageAnswer::No) {
        QVERIFY(FolderContents(app.Environment.RecoveryFolder).empty());
      } else {
        QCOMPARE(CopiesIn(app.Environment.RecoveryFolder), copies);
        // Asked again at the next start.
        window.OfferRecovery();
        QCOMPARE(app.Messages.Entries.size(), std::size_t{2});
      }
    }
  }
};

STRANDEL_APP_TEST(AutosaveTest);

} // namespace strandel

#include "autosave_test.moc"
