// Opening documents that do not hold what they say, through the window's own
// Open paths: a file cut off opens after a warning as an untitled copy that a
// Save cannot write over the original, an empty file is refused, loads on
// nothing are named, a damaged recovery copy never takes its document's name,
// and a document with oversized profiles is analysed without becoming modified.

#include <QTest>

#include "app/app_fixture.h"
#include "app/app_test_registry.h"
#include "app/page_control.h"
#include "common/files.h"
#include "common/text_entries.h"
#include "common/translation.h"
#include "model/document_file.h"
#include "model/recovery.h"

namespace strandel {

using testing::AppFixture;
using testing::ReadBytes;

namespace {

// The portal frame of the fixture cut inside the line of its sixth object.
std::string CutPortal(AppFixture& app) {
  const std::string whole = ReadBytes(app.WriteModel("whole.qsd", testing::PortalFrameObjects()));
  return whole.substr(0, whole.find("Object006=") + 25);
}

std::string UntitledCopyWarning(const std::string& damage) {
  return damage + "\n" + Translated(tr::kMsgOpenedAsUntitledCopy);
}

} // namespace

class DamagedDocumentsTest : public QObject {
  Q_OBJECT
private slots:
  void ACutOffFileOpensAsAnUntitledCopyAfterSayingWhatIsMissing() {
    AppFixture app;
    const std::string good = app.WriteModel("frame.qsd", testing::UnsupportedBeamObjects());
    const std::string cut = app.Folder.Write("cut.qsd", CutPortal(app));
    MainWindow& window = app.Start(good);
    app.Dialogs.OpenAnswers = {cut};
    window.Menu().Open->trigger();
    QCOMPARE(app.MessageTexts(),
             std::vector<std::string>{UntitledCopyWarning("The file ends after 5 of 10 objects.")});
    // The whole objects, under no name, with unsaved changes.
    ModelDocument& doc = window.Document();
    QCOMPARE(doc.GraphObjects.size(), std::size_t{5});
    QCOMPARE(doc.FileName, std::string(kUnnamedDocument));
    QVERIFY(doc.Modified);
    QCOMPARE(window.windowTitle(), QStringLiteral("Strandel - Noname.qsd *"));
    QCOMPARE(window.Settings().LastPath, app.Folder.Path());
    QCOMPARE(window.Settings().RecentDocs, std::vector<std::string>{good});
    // Save asks for a name; cancelled, the cut file is as it was.
    const std::string cutBytes = ReadBytes(cut);
    window.Menu().Save->trigger();
    QCOMPARE(app.Dialogs.SaveAsked, 1);
    QCOMPARE(app.Dialogs.LastFolder, app.Folder.Path());
    QCOMPARE(ReadBytes(cut), cutBytes);
    // The same through the command line.
    AppFixture again;
    const std::string file = again.Folder.Write("cut.qsd", cutBytes);
    MainWindow& started = again.Start(file);
    QCOMPARE(again.MessageTexts().size(), std::size_t{1});
    QCOMPARE(started.Document().FileName, std::string(kUnnamedDocument));
    QVERIFY(started.Settings().RecentDocs.empty());
  }

  void LoadsOnNothingAreNamedAndTheDocumentKeepsItsName() {
    AppFixture app;
    const std::string path = app.WriteModel("loose.qsd", testing::PortalFrameObjects() +
                                                             "4;2;1;2;9;0;0;4;0;-1.57;500;0.5\n"
                                                             "5;1;12;0;0;0;800\n"
                                                             "6;1;4;0;0;0;300\n");
    MainWindow& window = app.Start();
    app.Dialogs.OpenAnswers = {path};
    window.Menu().Open->trigger();
    QCOMPARE(app.MessageTexts(),
             std::vector<std::string>{Translated(tr::kMsgLooseObjects) +
                                      " load 2 on beam 9, force 1 at node 12."});
    QCOMPARE(window.Document().FileName, std::string("loose.qsd"));
    QVERIFY(!window.Document().Modified);
    // The frame is analysed without them.
    QVERIFY(window.Pages()->Choose(kAnalysisPage));
    QCOMPARE(app.MessageTexts().size(), std::size_t{1});
  }

  void ADamagedRecoveryCopyNeverTakesItsDocumentsName() {
    AppFixture app;
    const std::string document = app.WriteModel("frame.qsd", testing::PortalFrameObjects());
    const std::string documentBytes = ReadBytes(document);
    const std::string copy = app.Folder.Write("copy.qsd", CutPortal(app));
    MainWindow& window = app.Start();
    QVERIFY(window.Commands().Recover(copy, document));
    QCOMPARE(app.MessageTexts(),
             std::vector<std::string>{UntitledCopyWarning("The file ends after 5 of 10 objects.")});
    QCOMPARE(window.Document().FileName, std::string(kUnnamedDocument));
    QVERIFY(window.Document().Modified);
    QCOMPARE(window.Settings().LastPath, app.Folder.Path());
    window.Menu().Save->trigger(); // asks for a name; cancelled
    QCOMPARE(app.Dialogs.SaveAsked, 1);
    QCOMPARE(ReadBytes(document), documentBytes);
  }

  void AnalysingAnOversizedProfileAddsNoStepAndNoModifiedMark() {
    AppFixture app;
    // A beam 2 m high and 1.5 m wide, as an older program or an editor wrote it.
    std::string objects = testing::PortalFrameObjects();
    const std::string beam = "2;2;2;3;True;True;False;;0;3;4;3";
    objects.replace(objects.find(beam), beam.size(),
                    beam + ";;S235;STEEL;;False;;;;;;2.35E+08;2.35E+08;2.35E+08;2.10E+11;;7850;;;;;"
                           ";;;;;;;;;;;;;;;;;1;Big;;;;;;;1.5;2;0;0");
    // The Analysis page shows that beam already: choosing the beam to show would
    // be the page's own change of the document's diagram beam.
    const std::string path = app.Folder.Write("big.qsd", "[FBD-Settings]\r\nFBDBeamNo=2\r\n" +
                                                             testing::ModelText(objects));
    MainWindow& window = app.Start(path);
    const TBeamObject& read = *FindBeam(window.Document(), 2);
    QCOMPARE(read.H, 0.999); // read as the profile allows
    QCOMPARE(read.B, 0.999);
    const std::string text = WriteDocumentText(window.Document());
    for (int page : {int(kAnalysisPage), int(kReportsPage), int(kModelPage)})
      QVERIFY(window.Pages()->Choose(page));
    window.SetShowDisplacements(true);
    window.SetShowUtilisation(true);
    QCOMPARE(WriteDocumentText(window.Document()), text);
    QVERIFY(!window.Document().Modified);
    QVERIFY(!window.History().CanUndo());
    QVERIFY(!window.windowTitle().endsWith(QStringLiteral("*")));
  }
};

STRANDEL_APP_TEST(DamagedDocumentsTest);

} // namespace strandel

#include "damaged_documents_test.moc"
