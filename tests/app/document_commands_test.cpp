// The document commands as a user meets them: the question before unsaved
// changes are lost, naming a new document, Save As over an existing file, a
// file of the wrong kind and a damaged file.

#include <QTest>
#include <filesystem>

#include "app/app_fixture.h"
#include "app/app_test_registry.h"
#include "common/files.h"
#include "common/system_info.h"
#include "common/text.h"
#include "common/text_entries.h"
#include "common/translation.h"
#include "model/document_file.h"

namespace strandel {

using testing::AppFixture;
using testing::ReadBytes;

namespace {

// A node drawn into the new document, so that it has unsaved changes.
void AddUnsavedNode(MainWindow& window) {
  TNodeObject& node = AppendObject<TNodeObject>(window.Document());
  node.Number = 1;
  node.X = 1;
  node.Y = 2;
  window.Document().Modified = true;
}

} // namespace

class DocumentCommandsTest : public QObject {
  Q_OBJECT
private slots:
  void YesOnAnUnnamedDocumentAsksForANameAndSaves() {
    AppFixture app;
    MainWindow& window = app.Start();
    AddUnsavedNode(window);
    app.Messages.Answers = {MessageAnswer::Yes};
    const std::string target = app.Folder.File("portal");
    app.Dialogs.SaveAnswers = {target};
    QVERIFY(window.Commands().New());
    QCOMPARE(app.Messages.Entries.size(), std::size_t{1});
    QCOMPARE(app.Messages.Entries[0].Text, Translated(tr::kMsgSaveChanges));
    QCOMPARE(app.Dialogs.SaveAsked, 1);
    QCOMPARE(app.Dialogs.LastProposedName, std::string("Noname.qsd"));
    // Saved as <title>.qsd in the chosen folder, which becomes the model folder.
    const std::string saved = ReadBytes(target + ".qsd");
    QVERIFY(saved.find("Object001=1;1;1;2;0;-1") != std::string::npos);
    QCOMPARE(window.Settings().LastPath, app.Folder.Path());
    // The command went on: a new, empty document.
    QVERIFY(window.Document().GraphObjects.empty());
    QCOMPARE(window.Document().FileName, std::string("Noname.qsd"));
    QVERIFY(!window.Document().Modified);
  }

  void NoGoesOnWithoutSaving() {
    AppFixture app;
    MainWindow& window = app.Start();
    AddUnsavedNode(window);
    app.Messages.Answers = {MessageAnswer::No};
    QVERIFY(window.Commands().Close());
    QCOMPARE(app.Dialogs.SaveAsked, 0);
    QVERIFY(window.Document().GraphObjects.empty());
    QVERIFY(testing::FolderContents(app.Folder.File("data/Models/")).empty());
  }

  void CancelKeepsTheWindowOpen() {
    AppFixture app;
    MainWindow& window = app.Start();
    AddUnsavedNode(window);
    app.Messages.Answers = {MessageAnswer::Cancel};
    QVERIFY(!app.Close());
    QVERIFY(window.isVisible());
    QCOMPARE(window.Document().GraphObjects.size(), std::size_t{1});
    // Yes, and then cancelling the save dialog, keeps it open too.
    app.Messages.Answers = {MessageAnswer::Yes};
    QVERIFY(!app.Close());
    QCOMPARE(app.Dialogs.SaveAsked, 1);
    QVERIFY(window.isVisible());
    // Answering No lets it close, and the settings are written.
    app.Messages.Answers = {MessageAnswer::No};
    QVERIFY(app.Close());
    QVERIFY(FileExists(app.Environment.SettingsPath));
  }

  void ExitRunsTheCloseQuery() {
    AppFixture app;
    MainWindow& window = app.Start();
    AddUnsavedNode(window);
    app.Messages.Answers = {MessageAnswer::Cancel};
    window.Menu().Exit->trigger();
    QVERIFY(window.isVisible());
    QCOMPARE(app.Messages.Entries.back().Text, Translated(tr::kMsgSaveChanges));
  }

  void SaveStampsTheModification() {
    AppFixture app;
    const std::string path = app.WriteModel("frame.qsd", testing::PortalFrameObjects());
    MainWindow& window = app.Start(path);
    QCOMPARE(window.Document().FileName, std::string("frame.qsd"));
    window.Document().Modified = true;
    window.Menu().Save->trigger();
    QVERIFY(!window.Document().Modified);
    QCOMPARE(app.Dialogs.SaveAsked, 0);
    ModelDocument reread;
    QVERIFY(LoadDocument(path, reread).ok);
    QCOMPARE(reread.LastModDate, TodayText());
    QCOMPARE(reread.CreatedDate, std::string("2004-03-01"));
    QCOMPARE(reread.GraphObjects.size(), std::size_t{10});
  }

  void SaveAsOverAnExistingFileAsksOnce() {
    AppFixture app;
    const std::string source = app.WriteModel("frame.qsd", testing::PortalFrameObjects());
    const std::string other = app.WriteModel("other.qsd", testing::UnsupportedBeamObjects());
    const std::string sourceBytes = ReadBytes(source);
    const std::string otherBytes = ReadBytes(other);
    MainWindow& window = app.Start(source);

    // No: both files stay as they were, and so does the document's name.
    app.Dialogs.SaveAnswers = {other};
    app.Messages.Answers = {MessageAnswer::No};
    QVERIFY(!window.Commands().SaveAs());
    QCOMPARE(app.Messages.Entries.size(), std::size_t{1});
    QCOMPARE(app.Messages.Entries[0].Text, Translated(tr::kMsgOverwriteFile));
    QCOMPARE(ReadBytes(source), sourceBytes);
    QCOMPARE(ReadBytes(other), otherBytes);
    QCOMPARE(window.Document().FileName, std::string("frame.qsd"));

    // Yes: the other file now holds this model with a history of its own.
    app.Dialogs.SaveAnswers = {other};
    app.Messages.Answers = {MessageAnswer::Yes};
    QVERIFY(window.Commands().SaveAs());
    QCOMPARE(window.Document().FileName, std::string("other.qsd"));
    QCOMPARE(ReadBytes(source), sourceBytes);
    ModelDocument reread;
    QVERIFY(LoadDocument(other, reread).ok);
    QCOMPARE(reread.GraphObjects.size(), std::size_t{10});
    QCOMPARE(reread.CreatedDate, TodayText());
    QCOMPARE(reread.CreationVersion, std::string("3.1.4"));
    QCOMPARE(reread.LastModDate, std::string("-"));
    QCOMPARE(reread.LastModByUser, std::string("-"));
  }

  void AFailedSaveNamesTheFolderAndOffersSaveAs() {
    AppFixture app;
    MainWindow& window = app.Start();
    AddUnsavedNode(window);
    const std::string missing = app.Folder.File("no such folder/");
    // No: the name, the history and the changes stay.
    app.Dialogs.SaveAnswers = {missing + "frame.qsd"};
    app.Messages.Answers = {MessageAnswer::No};
    QVERIFY(!window.Commands().SaveAs());
    QCOMPARE(app.Messages.Entries.size(), std::size_t{1});
    QVERIFY(app.Messages.Entries[0].Question);
    QCOMPARE(app.Messages.Entries[0].Text,
             ReplaceAll(ReplaceAll(Translated(tr::kMsgSaveFailedOfferSaveAs), "%1", missing), "%2",
                        "No such file or directory"));
    QCOMPARE(window.Document().FileName, std::string("Noname.qsd"));
    QCOMPARE(window.Settings().LastPath, app.Folder.File("data/Models/"));
    QVERIFY(window.Document().Modified);
    QCOMPARE(window.Document().CreatedDate, TodayText());
    // Yes: the save dialog again, and a folder that takes the document.
    app.Dialogs.SaveAnswers = {missing + "frame.qsd", app.Folder.File("frame.qsd")};
    app.Messages.Answers = {MessageAnswer::Yes};
    QVERIFY(window.Commands().SaveAs());
    QCOMPARE(app.Dialogs.SaveAsked, 3);
    QCOMPARE(window.Document().FileName, std::string("frame.qsd"));
    QCOMPARE(window.Settings().LastPath, app.Folder.Path());
    QVERIFY(!window.Document().Modified);
    QVERIFY(FileExists(app.Folder.File("frame.qsd")));
  }

  void SavingIntoAFolderThatWentAwayOffersSaveAsAndClosingWaitsForIt() {
    AppFixture app;
    const std::string path =
        app.Folder.Write("work/frame.qsd", testing::ModelText(testing::PortalFrameObjects()));
    MainWindow& window = app.Start(path);
    window.Document().Modified = true;
    std::filesystem::rename(app.Folder.File("work"), app.Folder.File("moved"));
    // Closing: save the changes? Yes; the folder is gone; another name? Yes;
    // the dialog is cancelled, so the window stays with its changes.
    app.Messages.Answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    QVERIFY(!app.Close());
    QCOMPARE(app.Messages.Entries.size(), std::size_t{2});
    QVERIFY(app.Messages.Entries[1].Text.find(app.Folder.File("work/")) != std::string::npos);
    QCOMPARE(app.Dialogs.SaveAsked, 1);
    QVERIFY(window.isVisible());
    QVERIFY(window.Document().Modified);
    QCOMPARE(window.Document().FileName, std::string("frame.qsd"));
    // Save, another name? Yes, and replace the file that moved there: the
    // document lives in that folder from now on.
    app.Messages.Answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    app.Dialogs.SaveAnswers = {app.Folder.File("moved/frame.qsd")};
    window.Menu().Save->trigger();
    QVERIFY(!window.Document().Modified);
    QCOMPARE(window.Settings().LastPath, app.Folder.File("moved/"));
  }

  void AFileOfAnotherKindIsNotOpened() {
    AppFixture app;
    MainWindow& window = app.Start();
    AddUnsavedNode(window);
    window.Document().Modified = false;
    const std::string notes = app.Folder.Write("notes.txt", "[Model-Objects]\r\n");
    app.Dialogs.OpenAnswers = {notes};
    window.Menu().Open->trigger();
    QCOMPARE(app.Dialogs.OpenAsked, 1);
    QCOMPARE(app.MessageTexts(),
             std::vector<std::string>{Translated(tr::kMsgWrongFileType) + ".txt"});
    QCOMPARE(window.Document().GraphObjects.size(), std::size_t{1});
    // Cancelling the open dialog changes nothing either.
    window.Menu().Open->trigger();
    QCOMPARE(app.Dialogs.OpenAsked, 2);
    QCOMPARE(window.Document().GraphObjects.size(), std::size_t{1});
  }

  void ADamagedFileLeavesTheOpenDocument() {
    AppFixture app;
    const std::string good = app.WriteModel("frame.qsd", testing::PortalFrameObjects());
    const std::string bad = app.WriteModel("bad.qsd", "1;1;0;0\n1;x;5;5\n");
    MainWindow& window = app.Start(good);
    app.Dialogs.OpenAnswers = {bad};
    window.Menu().Open->trigger();
    QCOMPARE(app.MessageTexts(), std::vector<std::string>{"'x' is not a valid integer value"});
    QCOMPARE(window.Document().FileName, std::string("frame.qsd"));
    QCOMPARE(window.Document().GraphObjects.size(), std::size_t{10});
    QCOMPARE(window.Settings().RecentDocs, std::vector<std::string>{good});
  }
};

STRANDEL_APP_TEST(DocumentCommandsTest);

} // namespace strandel

#include "document_commands_test.moc"
