// The window's own commands: document information, the about box, the model
// display switches, the Edit and View menus' enabled items, the A4 sheets'
// scale and scrolling, the user guide, and the settings written at shutdown.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetricsF>
#include <QMenu>
#include <QTest>
#include <QTextBrowser>

#include "app/analysis_page.h"
#include "app/app_fixture.h"
#include "app/app_test_registry.h"
#include "app/dimensioning_dialog.h"
#include "app/model_page.h"
#include "app/page_control.h"
#include "app/reports_page.h"
#include "app/sheet_area.h"
#include "app/units_dialog.h"
#include "app/when_shown.h"
#include "common/profile_file.h"
#include "common/text.h"
#include "common/text_entries.h"
#include "common/translation.h"

namespace strandel {

using testing::AppFixture;

class WindowCommandsTest : public QObject {
  Q_OBJECT
private slots:
  void DocumentInformationListsTheHistoryInAColumn() {
    AppFixture app;
    const std::string frame = app.WriteModel("frame.qsd", testing::PortalFrameObjects());
    MainWindow& window = app.Start(frame);
    window.Menu().DocumentInformation->trigger();
    QCOMPARE(app.Messages.Entries.size(), std::size_t{1});
    const std::string text = app.Messages.Entries[0].Text;
    const std::vector<std::string_view> lines = SplitLines(text);
    QCOMPARE(lines.size(), std::size_t{5});
    const std::pair<int, std::string> expected[] = {{tr::kDocInfoCreatedDate, "2004-03-01"},
                                                    {tr::kDocInfoCreatedBy, "anna"},
                                                    {tr::kDocInfoCreationVersion, "3.1.4"},
                                                    {tr::kDocInfoLastModDate, "2004-03-02"},
                                                    {tr::kDocInfoLastModBy, "anna"}};
    const QFontMetricsF metrics(QApplication::font("QMessageBox"));
    const double column = metrics.horizontalAdvance(QString(60, QLatin1Char('.')));
    const double dot = metrics.horizontalAdvance(QStringLiteral("."));
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const std::string line(lines[i]);
      const std::string label = Translated(expected[i].first);
      QVERIFY(StartsWith(line, label + "."));
      QVERIFY(EndsWith(line, "." + expected[i].second));
      // The values start where 60 dots end, within one dot.
      const std::string padded = line.substr(0, line.size() - expected[i].second.size());
      const double width = metrics.horizontalAdvance(QString::fromStdString(padded));
      QVERIFY(width >= column);
      QVERIFY(width < column + dot + 0.01);
    }
  }

  void TheAboutBoxNamesTheVersion() {
    AppFixture app;
    MainWindow& window = app.Start();
    window.Menu().About->trigger();
    QCOMPARE(app.Messages.Entries.size(), std::size_t{1});
    const std::string text = app.Messages.Entries[0].Text;
    QVERIFY(text.find("3.1.4") != std::string::npos);
    QVERIFY(text.find(Translated(tr::kAboutCaption)) != std::string::npos);
  }

  void ModelDisplaySwitchesGoToTheSettings() {
    AppFixture app;
    MainWindow& window = app.Start();
    const MainMenu& m = window.Menu();
    // The defaults: beam numbers and directions on, the rest off.
    QVERIFY(!m.DisplaySwitchItem(DisplaySwitch::NodeNumbers)->isChecked());
    QVERIFY(m.DisplaySwitchItem(DisplaySwitch::BeamNumbers)->isChecked());
    QVERIFY(m.DisplaySwitchItem(DisplaySwitch::BeamDirections)->isChecked());
    m.DisplaySwitchItem(DisplaySwitch::NodeNumbers)->trigger();
    m.DisplaySwitchItem(DisplaySwitch::BeamNumbers)->trigger();
    m.DisplaySwitchItem(DisplaySwitch::LoadValues)->trigger();
    const AppSettings& s = window.Settings();
    QVERIFY(s.ShowNodeNumbers && !s.ShowSuppNumbers && !s.ShowBeamNumbers);
    QVERIFY(!s.ShowBeamGroups && s.ShowBeamDirection && s.ShowLoadValues);
    QVERIFY(app.Close());
    const ProfileFile stored = ProfileFile::Parse(testing::ReadBytes(app.Environment.SettingsPath));
    QCOMPARE(stored.ReadString("Model-Display-Settings", "ShowNodeNumbers", ""),
             std::string("True"));
    QCOMPARE(stored.ReadString("Model-Display-Settings", "ShowBeamNumbers", ""),
             std::string("False"));
  }

  void EditAndViewItemsFollowThePageAndTheSelection() {
    AppFixture app;
    MainWindow& window = app.Start();
    const MainMenu& m = window.Menu();
    emit m.Edit->aboutToShow();
    for (QAction* item : {m.Delete, m.DeselectAll, m.AlignNodes, m.FlipBeams, m.DeleteAllLoads,
                          m.SelectAll, m.MoveObjects})
      QVERIFY(!item->isEnabled());
    QVERIFY(m.ZoomIn->isEnabled());

    const std::string frame = app.WriteModel("frame.qsd", testing::PortalFrameObjects());
    app.Dialogs.OpenAnswers = {frame};
    m.Open->trigger();
    emit m.Edit->aboutToShow();
    QVERIFY(m.SelectAll->isEnabled() && m.MoveObjects->isEnabled() &&
            m.DeleteAllLoads->isEnabled());
    QVERIFY(!m.Delete->isEnabled() && !m.FlipBeams->isEnabled() && !m.AlignNodes->isEnabled());
    std::get<TBeamObject>(*window.Document().GraphObjects[4]).Selected = true;
    emit m.Edit->aboutToShow();
    QVERIFY(m.Delete->isEnabled() && m.DeselectAll->isEnabled() && m.FlipBeams->isEnabled());
    QVERIFY(!m.AlignNodes->isEnabled());
    m.SelectAll->trigger();
    emit m.Edit->aboutToShow();
    QVERIFY(m.AlignNodes->isEnabled());

    // Off the Model page the model cannot be edited or zoomed.
    QVERIFY(window.Pages()->Choose(kAnalysisPage));
    emit m.Edit->aboutToShow();
    emit m.View->aboutToShow();
    for (QAction* item : {m.Delete, m.SelectAll, m.MoveObjects, m.ZoomIn, m.Pan, m.ZoomLast})
      QVERIFY(!item->isEnabled());
  }

  void MenusHaveTheirShortcuts() {
    AppFixture app;
    MainWindow& window = app.Start();
    const MainMenu& m = window.Menu();
    const std::pair<QAction*, QKeySequence> shortcuts[] = {
        {m.New, QKeySequence(QStringLiteral("Ctrl+N"))},
        {m.Open, QKeySequence(QStringLiteral("Ctrl+O"))},
        {m.Save, QKeySequence(QStringLiteral("Ctrl+S"))},
        {m.Print, QKeySequence(QStringLiteral("Ctrl+P"))},
        {m.SelectAll, QKeySequence(QStringLiteral("Ctrl+A"))},
        {m.Delete, QKeySequence(QStringLiteral("Ctrl+Del"))},
        {m.CopyImage, QKeySequence(QStringLiteral("Ctrl+I"))},
        {m.Contents, QKeySequence(QStringLiteral("F1"))},
    };
    for (const auto& [item, keys] : shortcuts)
      QCOMPARE(item->shortcut(), keys);
    // Every command has its dialog.
    emit m.Settings->aboutToShow();
    QVERIFY(m.Units->isEnabled());
    QVERIFY(m.DimensioningRules->isEnabled());
  }

  // The units are the program's setting: OK makes no step of the document. A
  // dimensioning rule is the document's: OK marks it and is one step.
  void TheSettingsDialogsAreOpenedFromTheirItems() {
    AppFixture app;
    MainWindow& window = app.Start();
    const MainMenu& m = window.Menu();
    emit m.Settings->aboutToShow();
    bool unitsShown = false;
    testing::WhenShown<UnitsDialog>([&unitsShown](UnitsDialog&) { unitsShown = true; });
    m.Units->trigger();
    QVERIFY(unitsShown);
    QVERIFY(!window.Document().Modified);
    QVERIFY(!window.History().CanUndo());
    testing::WhenShown<DimensioningRulesDialog>([](DimensioningRulesDialog& d) {
      QCheckBox* box = d.SwitchBox(DimensioningSwitch::OwnWeight);
      QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    });
    const bool ownWeight = window.Document().Settings.OwnWeight;
    m.DimensioningRules->trigger();
    QVERIFY(window.Document().Modified);
    QCOMPARE(window.Document().Settings.OwnWeight, !ownWeight);
    QCOMPARE(window.History().UndoName(), tr::kDimRulesCaption);
  }

  void SheetsFitTheirWidthAndScrollTenMillimetres() {
    AppFixture app;
    const std::string frame = app.WriteModel("frame.qsd", testing::PortalFrameObjects());
    MainWindow& window = app.Start(frame);
    QVERIFY(window.Pages()->Choose(kAnalysisPage));
    SheetArea* sheet = window.Analysis()->Sheet();
    const double scale = sheet->viewport()->width() / 210.0;
    QCOMPARE(sheet->View().Scale, scale);
    // The top of the sheet (297 mm) is at the top of the view.
    QCOMPARE(sheet->View().OffsetY, 297 - sheet->viewport()->height() / scale);
    const double start = sheet->View().OffsetY;
    const double reportStart = window.Reports()->Sheet()->View().OffsetY;
    // Nothing lies above the top of the sheet.
    QTest::keyClick(window.Analysis()->BeamList(), Qt::Key_Up);
    QCOMPARE(sheet->View().OffsetY, start);
    QTest::keyClick(&window, Qt::Key_Down);
    QTest::keyClick(&window, Qt::Key_Down);
    QCOMPARE(sheet->View().OffsetY, start - 20);
    // The keys move the sheets of the page shown, and not the beam list.
    QCOMPARE(window.Reports()->Sheet()->View().OffsetY, reportStart);
    QCOMPARE(window.Analysis()->BeamList()->currentIndex(), 0);
  }

  void ContentsOpensTheUserGuide() {
    AppFixture app;
    MainWindow& window = app.Start();
    window.Menu().Contents->trigger();
    QVERIFY(window.Help());
    QVERIFY(window.Help()->isVisible());
    const QUrl shown = window.Help()->Browser()->source();
    QCOMPARE(shown.toLocalFile(), QString::fromStdString(app.Environment.HelpIndex()));
    QVERIFY(window.Help()->Browser()->toPlainText().contains(QStringLiteral("Strandel")));
  }

  void ShutdownWritesTheSettings() {
    AppFixture app;
    MainWindow& window = app.Start();
    window.Settings().LastBeamHeight = 0.25;
    window.Menu().Exit->trigger();
    QVERIFY(!window.isVisible());
    const ProfileFile stored = ProfileFile::Parse(testing::ReadBytes(app.Environment.SettingsPath));
    QCOMPARE(stored.ReadString("Default-Settings", "LastBeamHeight", ""), std::string("0.25"));
    QCOMPARE(stored.ReadString("Default-Settings", "Language", ""), std::string("English"));
  }

  void AFirstStartMakesTheSettingsFileWithoutAWord() {
    AppFixture app(std::nullopt);
    MainWindow& window = app.Start();
    QVERIFY(app.Messages.Entries.empty());
    QCOMPARE(window.Settings().Language, std::string("English"));
    QCOMPARE(window.Settings().LastPath, app.Folder.File("data/Models/"));
    // The file is there at once, with every default, and a second start reads it.
    const std::string written = testing::ReadBytes(app.Environment.SettingsPath);
    QCOMPARE(written, WriteSettingsText(window.Settings()));
    QVERIFY(app.Close());
    AppFixture again(written);
    again.Start();
    QVERIFY(again.Messages.Entries.empty());
  }
};

STRANDEL_APP_TEST(WindowCommandsTest);

} // namespace strandel

#include "window_commands_test.moc"
