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
#include <cmath>

#include "app/analysis_page.h"
#include "app/app_fixture.h"
#include "app/app_test_registry.h"
#include "app/dimensioning_dialog.h"
#include "app/model_page.h"
#include "app/model_view.h"
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

  void AFirstStartMakesTheSettingsFileWithoutAWord() {
    AppFixture app(std::nullopt);
    MainWindow& window = app.Start();
    QVERIFY(app.Messages.Entries.empty());
    QCOMPARE(window.Settings().Language, std::string("English"));
    QCOMPARE(window.Settings().LastPath, DefaultModelFolder()); // never the program's folder
    // The file is there at once, with every default, and a second start reads it.
    const std::string written = testing::ReadBytes(app.Environment.SettingsPath);
    QCOMPARE(written, WriteSettingsText(window.Settings()));

    // Defaults that do not trap a new user: SI units, one line on where to
    // begin, and a first beam of steel that is rigid at both ends.
    UnitChoice si;
    ApplyPreset(si, UnitPreset::SI);
    QVERIFY(window.Settings().Units == si);
    QCOMPARE(window.Model()->StatusPanel(0),
             QStringLiteral("Draw nodes and beams with the tools on the left; F1 opens the guide"));
    window.Model()->CreateButton(CreateTool::Beam)->trigger();
    QCOMPARE(window.Model()->StatusPanel(0),
             QString::fromStdString(Translated(tr::kStatusDrawBeamStart)));
    const QPoint from = testing::PixelOf(window, 0, 0), to = testing::PixelOf(window, 4, 0);
    QTest::mouseClick(window.Model()->View(), Qt::LeftButton, {}, from);
    QTest::mouseMove(window.Model()->View(), to);
    QTest::mouseClick(window.Model()->View(), Qt::LeftButton, {}, to);
    QTest::keyClick(window.Model()->View(), Qt::Key_Escape);
    // The hint has gone for good; the path is shown again.
    QCOMPARE(window.Model()->StatusPanel(0),
             QString::fromStdString(window.Commands().DocumentPath()));
    const TBeamObject& beam = *ObjectsOf<TBeamObject>(window.Document()).begin();
    QCOMPARE(beam.ProfName, std::string("IPE 200"));
    QVERIFY(std::abs(beam.H - 0.2) < 1e-12);
    QCOMPARE(beam.MtrlName, std::string("S235"));
    QCOMPARE(beam.MtrlType, std::string("STEEL"));
    QVERIFY(beam.Locked1 && beam.Locked2);

    // The window's size and place are kept for the next start.
    window.resize(700, 500);
    app.Messages.Answers = {MessageAnswer::No};
    QVERIFY(app.Close());
    const std::string kept = testing::ReadBytes(app.Environment.SettingsPath);
    QVERIFY(kept.find("[Window]") != std::string::npos);
    AppFixture again(kept);
    MainWindow& second = again.Start();
    QVERIFY(again.Messages.Entries.empty());
    QCOMPARE(second.size(), QSize(700, 500));
    QVERIFY(second.Settings().Units == si); // read back, not the first start's again
    QCOMPARE(second.Model()->StatusPanel(0),
             QString::fromStdString(second.Commands().DocumentPath()));
  }
};

STRANDEL_APP_TEST(WindowCommandsTest);

} // namespace strandel

#include "window_commands_test.moc"
