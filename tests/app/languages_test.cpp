// The "&Languages..." menu: choosing a language changes every caption and hint
// at once; a missing language file shows "?" until a language is chosen.

#include <QMenu>
#include <QTabBar>
#include <QTest>
#include <QToolBar>
#include <cstdio>

#include "app/analysis_page.h"
#include "app/app_fixture.h"
#include "app/app_test_registry.h"
#include "app/model_page.h"
#include "app/page_control.h"
#include "app/up_down_control.h"
#include "common/codepage.h"
#include "common/files.h"
#include "common/profile_file.h"
#include "common/text.h"
#include "common/text_entries.h"

namespace strandel {

using testing::AppFixture;

namespace {

// Line `entry` of a language file of the source tree, as the program shows it.
QString FileEntry(const char* language, int entry) {
  const std::string bytes =
      testing::ReadBytes(std::string(STRANDEL_SOURCE_DIR) + "/data/Languages/" + language + ".txt");
  const std::vector<std::string_view> lines = SplitLines(bytes);
  return QString::fromStdString(Cp1252ToUtf8(lines.at(static_cast<std::size_t>(entry))));
}

QAction* LanguageItem(const MainWindow& window, const QString& title) {
  for (QAction* item : window.Menu().Languages->actions())
    if (item->text() == title) return item;
  return nullptr;
}

// A sample of the window's captions and hints, with the entry each must show.
std::vector<std::pair<QString, int>> Captions(const MainWindow& window) {
  const MainMenu& m = window.Menu();
  const ModelPage* model = window.Model();
  return {
      {window.Pages()->Caption(kModelPage), tr::kPageModel},
      {window.Pages()->Caption(kAnalysisPage), tr::kPageAnalysis},
      {window.Pages()->Caption(kReportsPage), tr::kPageReports},
      {m.File->title(), tr::kMenuFile},
      {m.ReOpen->title(), tr::kMenuFileReopen},
      {m.Exit->text(), tr::kMenuFileExit},
      {m.FlipBeams->text(), tr::kMenuEditFlipBeams},
      {m.ZoomLast->text(), tr::kMenuViewZoomLast},
      {m.StandardStructures->title(), tr::kMenuToolsStandardStructures},
      {m.ModelDisplay->title(), tr::kMenuSettingsModelDisplay},
      {m.DisplaySwitchItem(DisplaySwitch::LoadValues)->text(), tr::kMenuShowLoadValues},
      {m.Languages->title(), tr::kMenuSettingsLanguages},
      {m.About->text(), tr::kMenuHelpAbout},
      {model->CreateButton(CreateTool::Moment)->text(), tr::kHintCreateMoment},
      {m.Draw->title(), tr::kMenuDraw},
      {model->PanButton()->toolTip(), tr::kHintPan},
      {model->GridButton(kPolarGrid)->toolTip(), tr::kHintPolarGrid},
      {model->ShowUtilisationButton()->toolTip(), tr::kHintShowUtilisation},
      {model->DisplacementScale()->toolTip(), tr::kHintDisplacementScale},
      {window.Analysis()->DiagramButton(DiagramKind::Utilisation)->toolTip(),
       tr::kHintUtilisationDiagram},
  };
}

} // namespace

class LanguagesTest : public QObject {
  Q_OBJECT
private slots:
  void ChoosingALanguageChangesEveryTextAtOnce() {
    AppFixture app;
    MainWindow& window = app.Start();
    for (const auto& [shown, entry] : Captions(window))
      QCOMPARE(shown, FileEntry("English", entry));
    QAction* english = LanguageItem(window, QStringLiteral("English"));
    QAction* swedish = LanguageItem(window, QStringLiteral("Svenska"));
    QVERIFY(english && swedish);
    QVERIFY(english->isChecked());
    QVERIFY(!swedish->isChecked());

    swedish->trigger();
    QVERIFY(swedish->isChecked());
    QVERIFY(!english->isChecked());
    QCOMPARE(window.Settings().Language, std::string("Svenska"));
    for (const auto& [shown, entry] : Captions(window))
      QCOMPARE(shown, FileEntry("Svenska", entry));
    QVERIFY(FileEntry("Svenska", tr::kMenuFile) != FileEntry("English", tr::kMenuFile));
    // The status bar's instruction follows too.
    window.Model()->CreateButton(CreateTool::Beam)->trigger();
    QCOMPARE(window.Model()->StatusPanel(0), FileEntry("Svenska", tr::kStatusDrawBeamStart));

    // The choice is kept for the next start.
    app.Window().Model()->ModelEditor().CancelOperation();
    QVERIFY(app.Close());
    const ProfileFile stored = ProfileFile::Parse(testing::ReadBytes(app.Environment.SettingsPath));
    QCOMPARE(stored.ReadString("Default-Settings", "Language", ""), std::string("Svenska"));
  }

  void AMissingLanguageShowsQuestionMarksUntilOneIsChosen() {
    AppFixture app("[Default-Settings]\r\nLanguage=Klingon\r\n");
    MainWindow& window = app.Start();
    for (const auto& [shown, entry] : Captions(window))
      QCOMPARE(shown, QStringLiteral("?"));
    for (QAction* item : window.Menu().Languages->actions())
      QVERIFY(!item->isChecked());
    LanguageItem(window, QStringLiteral("English"))->trigger();
    for (const auto& [shown, entry] : Captions(window))
      QCOMPARE(shown, FileEntry("English", entry));
  }

  void ALanguageDeletedMeanwhileMovesOnlyTheCheckMark() {
    AppFixture app;
    MainWindow& window = app.Start();
    QAction* swedish = LanguageItem(window, QStringLiteral("Svenska"));
    std::remove(app.Folder.File("data/Languages/Svenska.txt").c_str());
    swedish->trigger();
    QVERIFY(swedish->isChecked());
    QVERIFY(!LanguageItem(window, QStringLiteral("English"))->isChecked());
    QCOMPARE(window.Settings().Language, std::string("English"));
    for (const auto& [shown, entry] : Captions(window))
      QCOMPARE(shown, FileEntry("English", entry));
    // The menu is built again at the next new document, without the file.
    window.Menu().New->trigger();
    QVERIFY(!LanguageItem(window, QStringLiteral("Svenska")));
  }
};

STRANDEL_APP_TEST(LanguagesTest);

} // namespace strandel

#include "languages_test.moc"
