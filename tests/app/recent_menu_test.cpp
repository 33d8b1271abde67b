// The "&ReOpen" menu over real files: opened documents go to the top by
// exchanging places, deleted files leave the menu at the next new document,
// and the model named on the command line is opened at start.

#include <QMenu>
#include <QTest>
#include <cstdio>

#include "app/app_fixture.h"
#include "app/app_test_registry.h"
#include "app/model_page.h"
#include "app/model_view.h"
#include "common/profile_file.h"
#include "common/text_entries.h"
#include "common/translation.h"

namespace strandel {

using testing::AppFixture;

namespace {

QStringList ReopenCaptions(const MainWindow& window) {
  QStringList captions;
  for (const QAction* item : window.Menu().ReOpen->actions())
    captions << item->text();
  return captions;
}

void OpenThroughTheDialog(AppFixture& app, const std::string& path) {
  app.Dialogs.OpenAnswers = {path};
  app.Window().Menu().Open->trigger();
}

} // namespace

class RecentMenuTest : public QObject {
  Q_OBJECT
private slots:
  void OpenedDocumentsExchangeWithTheTopEntry() {
    AppFixture app;
    const std::string a = app.WriteModel("a.qsd", testing::PortalFrameObjects());
    const std::string b = app.WriteModel("b.qsd", testing::PortalFrameObjects());
    const std::string c = app.WriteModel("c.qsd", testing::PortalFrameObjects());
    MainWindow& window = app.Start();
    for (const std::string& path : {a, b, c})
      OpenThroughTheDialog(app, path);
    QCOMPARE(window.Settings().RecentDocs, (std::vector<std::string>{c, b, a}));
    // Opening a again swaps it with c, the former top entry; b stays where it was.
    OpenThroughTheDialog(app, a);
    QCOMPARE(window.Settings().RecentDocs, (std::vector<std::string>{a, b, c}));
    QCOMPARE(ReopenCaptions(window),
             (QStringList{QString::fromStdString(a), QString::fromStdString(b),
                          QString::fromStdString(c)}));
    QCOMPARE(window.Settings().LastPath, app.Folder.Path());
    // A ReOpen item opens its file without a dialog.
    window.Menu().ReOpen->actions().at(2)->trigger();
    QCOMPARE(window.Document().FileName, std::string("c.qsd"));
    QCOMPARE(app.Dialogs.OpenAsked, 4);
  }

  void DeletedFilesLeaveTheMenu() {
    AppFixture app;
    const std::string a = app.WriteModel("a.qsd", testing::PortalFrameObjects());
    const std::string b = app.WriteModel("b.qsd", testing::PortalFrameObjects());
    MainWindow& window = app.Start();
    OpenThroughTheDialog(app, a);
    OpenThroughTheDialog(app, b);
    QCOMPARE(ReopenCaptions(window).size(), 2);
    std::remove(a.c_str());
    window.Menu().New->trigger();
    QCOMPARE(ReopenCaptions(window), QStringList{QString::fromStdString(b)});
    QCOMPARE(window.Settings().RecentDocs, std::vector<std::string>{b});
  }

  void ARecentFileThatIsGoneAsksForAnother() {
    AppFixture app;
    const std::string a = app.WriteModel("a.qsd", testing::PortalFrameObjects());
    MainWindow& window = app.Start();
    OpenThroughTheDialog(app, a);
    QAction* item = window.Menu().ReOpen->actions().at(0);
    std::remove(a.c_str());
    item->trigger();
    QCOMPARE(app.Dialogs.OpenAsked, 2);
  }

  void StoredDuplicatesAndDeadEntriesAreDroppedAtStart() {
    AppFixture helper;
    const std::string a = helper.WriteModel("a.qsd", testing::PortalFrameObjects());
    const std::string b = helper.WriteModel("b.qsd", testing::PortalFrameObjects());
    AppFixture app("[Default-Settings]\r\nLanguage=English\r\n[LastOpenDocs]\r\nDoc0=" + a +
                   "\r\nDoc1=" + b + "\r\nDoc2=/gone/away.qsd\r\nDoc3=" + a + "\r\n");
    MainWindow& window = app.Start();
    QCOMPARE(window.Settings().RecentDocs, (std::vector<std::string>{b, a}));
  }

  void TheFirstArgumentIsOpenedAtStart() {
    AppFixture app;
    const std::string frame = app.WriteModel("frame.qsd", testing::PortalFrameObjects());
    MainWindow& window = app.Start(frame);
    QCOMPARE(window.Document().FileName, std::string("frame.qsd"));
    QVERIFY(!window.Document().Modified);
    QCOMPARE(window.Settings().LastPath, app.Folder.Path());
    QCOMPARE(window.Settings().RecentDocs, std::vector<std::string>{frame});
    QVERIFY(window.windowTitle().contains(QStringLiteral("frame.qsd")));
    // The view shows the whole frame: its extents fill the drawing area.
    const ViewState& view = window.Model()->ModelEditor().View();
    QCOMPARE(view.Width, window.Model()->View()->width());
    for (const Point2 corner : {Point2{0, 0}, Point2{4, 3}}) {
      const PixelPoint at = ToScreen(view, corner.X, corner.Y);
      QVERIFY(at.X > 0 && at.X < view.Width);
      QVERIFY(at.Y > 0 && at.Y < view.Height);
    }
    // Zoom extents leaves 5% on either side of the box; the frame is far from small.
    QVERIFY(view.Scale * 4 > 0.4 * view.Width || view.Scale * 3 > 0.4 * view.Height);
    app.Close();
    const ProfileFile stored = ProfileFile::Parse(testing::ReadBytes(app.Environment.SettingsPath));
    QCOMPARE(stored.ReadString("LastOpenDocs", "Doc0", ""), frame);
  }

  void AnArgumentThatIsNoModelIsRefused() {
    AppFixture app;
    const std::string notes = app.Folder.Write("notes.txt", "[Model-Objects]\r\n");
    MainWindow& window = app.Start(notes);
    QCOMPARE(app.MessageTexts(),
             std::vector<std::string>{Translated(tr::kMsgWrongFileType) + ".txt"});
    QCOMPARE(window.Document().FileName, std::string("Noname.qsd"));
    QVERIFY(window.Settings().RecentDocs.empty());
    // A missing file is passed over in silence.
    AppFixture other;
    MainWindow& second = other.Start(other.Folder.File("absent.qsd"));
    QVERIFY(other.Messages.Entries.empty());
    QCOMPARE(second.Document().FileName, std::string("Noname.qsd"));
  }
};

STRANDEL_APP_TEST(RecentMenuTest);

} // namespace strandel

#include "recent_menu_test.moc"
