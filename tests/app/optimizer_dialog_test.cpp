// The "Optimizer" dialog on the generated truss girder, as a user works it: the
// two lists and the moves between them by drag and drop and by double-click,
// the objective and algorithm choices, Start, Stop and Close with their
// enabling, a run stepped by its timer to the end with the answers Yes and No,
// an aborted run, and the menu command that shows node numbers while it runs.

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "app/app_fixture.h"
#include "app/app_test_registry.h"
#include "app/constraint_editor_dialog.h"
#include "app/main_menu.h"
#include "app/numeric_field_edit.h"
#include "app/optimizer_dialog.h"
#include "app/variable_list_widget.h"
#include "common/number_text.h"
#include "common/text.h"
#include "common/text_entries.h"
#include "common/translation.h"
#include "optimizer/objective.h"
#include "optimizer/optimizer_fixture.h"
#include "optimizer/optimizer_texts.h"
#include "support/frame_models.h"

namespace strandel {
namespace {

// The girder's top nodes 4, 6 and 8 free in height.
constexpr const char* kTopHeights = "0;0;;;;;;;;N004.Y;0;;N006.Y;0;;N008.Y;0;";

// A dialog on the girder, with recorded messages and a counted model view.
struct OptimizerSetup {
  explicit OptimizerSetup(const char* variableStr) : doc(testing::TrussGirder()) {
    doc.Settings.VariableStr = variableStr;
    dialog = std::make_unique<TfOptimizer>(DialogContext{
        nullptr, doc, settings, messages, dataFolder, parameters, random, [this] { ++repaints; }});
    dialog->Prepare();
    dialog->show();
  }
  QStringList Lines(VariableListWidget* list) const {
    QStringList lines;
    for (int row = 0; row < list->count(); ++row)
      lines << list->item(row)->text();
    return lines;
  }
  QStringList Variables() const { return Lines(dialog->VariablesList()); }
  QStringList Optimize() const { return Lines(dialog->OptimizeList()); }
  // Ticks until the run is idle; false when it did not end within `limit` ticks.
  bool TickToEnd(int limit = 20000) {
    for (int tick = 0; tick < limit; ++tick) {
      if (dialog->Run().Idle()) return true;
      dialog->IterationTick();
    }
    return dialog->Run().Idle();
  }

  ModelDocument doc;
  AppSettings settings;
  RecordingMessages messages;
  std::string dataFolder;
  ParameterTable parameters;
  RandomSequence random;
  int repaints = 0;
  std::unique_ptr<TfOptimizer> dialog;
};

// Drags `data` over `list` and drops it there as the window system does: the
// drop reaches a list only when it took the drag as it entered. True when the
// list took the drop.
bool DropOn(VariableListWidget* list, const QMimeData* data) {
  const QPoint at(5, 5);
  QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
  enter.ignore();
  QCoreApplication::sendEvent(list->viewport(), &enter);
  if (!enter.isAccepted()) return false;
  QDropEvent drop(QPointF(at), Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton,
                  Qt::NoModifier);
  drop.ignore();
  QCoreApplication::sendEvent(list->viewport(), &drop);
  return drop.isAccepted();
}

int RowOf(const QStringList& lines, const QString& start) {
  for (int row = 0; row < lines.size(); ++row)
    if (lines[row].startsWith(start)) return row;
  return -1;
}

// A double click as the window system delivers it to a widget: a press and a
// release, then the double click in place of the second press, and its release.
void DoubleClickRow(VariableListWidget* list, int row) {
  const QPoint at = list->visualItemRect(list->item(row)).center();
  QWidget* viewport = list->viewport();
  QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, at);
  QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, at);
  QTest::mouseDClick(viewport, Qt::LeftButton, Qt::NoModifier, at);
  QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, at);
}

QString Trimmed(const std::string& text) {
  return QString::fromStdString(std::string(Trim(text)));
}

} // namespace

class OptimizerDialogTest : public QObject {
  Q_OBJECT
private slots:
  void initTestCase() { QVERIFY(LoadLanguage(STRANDEL_SOURCE_DIR "/data/Languages/English.txt")); }

  void DragAndDropMovesVariablesBetweenTheLists() {
    OptimizerSetup s("");
    TfOptimizer& d = *s.dialog;
    const int row = RowOf(s.Variables(), QStringLiteral("N006.Y"));
    std::unique_ptr<QMimeData> chosen(d.VariablesList()->DragData(row));
    // Dropped back where it came from: nothing moves.
    QVERIFY(!DropOn(d.VariablesList(), chosen.get()));
    QVERIFY(s.Optimize().isEmpty());
    QVERIFY(DropOn(d.OptimizeList(), chosen.get()));
    QCOMPARE(s.Optimize().size(), 1);
    QVERIFY(s.Optimize().front().startsWith(QStringLiteral("N006.Y =  ")));
    QCOMPARE(RowOf(s.Variables(), QStringLiteral("N006.Y")), -1);
    QCOMPARE(s.Variables().size(), 12);
    QVERIFY(s.doc.Modified);
    QVERIFY(d.StartButton()->isEnabled());

    // Text from elsewhere is no variable of this dialog, even when it reads like one.
    QMimeData foreign;
    foreign.setText(QStringLiteral("N004.Y"));
    QVERIFY(!DropOn(d.OptimizeList(), &foreign));
    OptimizerSetup other("");
    std::unique_ptr<QMimeData> fromOther(other.dialog->VariablesList()->DragData(
        RowOf(other.Variables(), QStringLiteral("N004.Y"))));
    QVERIFY(!DropOn(d.OptimizeList(), fromOther.get()));
    QCOMPARE(s.Optimize().size(), 1);

    // Back again: the line's first six characters name the variable.
    std::unique_ptr<QMimeData> line(d.OptimizeList()->DragData(0));
    QVERIFY(DropOn(d.VariablesList(), line.get()));
    QVERIFY(s.Optimize().isEmpty());
    QCOMPARE(s.Variables().size(), 13);
    // The list keeps the model's order, not the order of the moves.
    QCOMPARE(RowOf(s.Variables(), QStringLiteral("N006.Y")), row);
    QVERIFY(!d.StartButton()->isEnabled());
  }

  void DoubleClickOnAChosenLineEditsItsConstraint() {
    OptimizerSetup s(kTopHeights);
    TfOptimizer& d = *s.dialog;
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    s.doc.Modified = false;
    bool edited = false;
    QTimer::singleShot(0, &d, [&] {
      auto* editor = qobject_cast<TfOptEdit*>(QApplication::activeModalWidget());
      if (!editor) return;
      edited = true;
      QCOMPARE(editor->windowTitle(), QStringLiteral("Constrains editor"));
      QCOMPARE(editor->NameField()->text(), QStringLiteral(" N006.Y"));
      editor->TypeChoice()->setCurrentIndex(kConstrainMirror);
      emit editor->TypeChoice()->activated(kConstrainMirror);
      QCOMPARE(editor->AssociatedChoice()->currentText(), QStringLiteral("N004.Y"));
      QTest::mouseClick(editor->OkButton(), Qt::LeftButton);
    });
    DoubleClickRow(d.OptimizeList(), 1);
    QVERIFY(edited);
    QCOMPARE(s.Optimize()[1], QStringLiteral("N006.Y = -N004.Y"));
    QVERIFY(s.doc.Modified);
    QCOMPARE(s.doc.Settings.VariableStr,
             std::string("0;0;;;;;;;;N004.Y;0;;N006.Y;2;N004.Y;N008.Y;0;"));
  }

  void ChoosingTheObjectiveShowsItsValueAndUnit() {
    OptimizerSetup s("0;0;;;;;;;;N004.Y;0;");
    TfOptimizer& d = *s.dialog;
    s.doc.Modified = false;
    d.ObjectiveChoice()->setCurrentIndex(1);
    emit d.ObjectiveChoice()->activated(1);
    // The largest displacement, shown in the default millimetres.
    const double displacement = ObjectiveValue(s.doc, kObjectiveDisplacement);
    QVERIFY(displacement > 0);
    QCOMPARE(d.OriginalValue()->text(), Trimmed(FormatValue(displacement * 1000)));
    // Beside the original and the best value.
    const QList<QLabel*> labels = d.findChildren<QLabel*>();
    QCOMPARE(std::count_if(labels.begin(), labels.end(),
                           [](const QLabel* label) { return label->text() == "[mm]"; }),
             2);
    QCOMPARE(s.doc.Settings.VariableStr.substr(0, 4), std::string("1;0;"));
    QVERIFY(s.doc.Modified);
    d.AlgorithmChoice()->setCurrentIndex(1);
    emit d.AlgorithmChoice()->activated(1);
    QCOMPARE(s.doc.Settings.VariableStr.substr(0, 4), std::string("1;1;"));
  }

  void ARunKeptWithYesMovesTheModel() {
    OptimizerSetup s(kTopHeights);
    TfOptimizer& d = *s.dialog;
    const std::vector<double> before = testing::AllCoordinates(s.doc);
    const QString lineBefore = s.Optimize().front();
    const double original = ObjectiveValue(s.doc, kObjectiveUtilisation);
    s.messages.Answers = {MessageAnswer::Yes};
    QTest::mouseClick(d.StartButton(), Qt::LeftButton);
    QVERIFY(d.IterTimer()->isActive());
    QCOMPARE(d.IterTimer()->interval(), 5);
    d.IterationTick(); // the start points are drawn: the controls lock
    for (QWidget* locked :
         {static_cast<QWidget*>(d.StartButton()), static_cast<QWidget*>(d.CloseButton()),
          static_cast<QWidget*>(d.VariablesList()), static_cast<QWidget*>(d.OptimizeList()),
          static_cast<QWidget*>(d.ObjectiveChoice()), static_cast<QWidget*>(d.AlgorithmChoice())})
      QVERIFY(!locked->isEnabled());
    QVERIFY(d.StopButton()->isEnabled());
    // Three free variables: 2 x 3 + 1 = 7 start points, one per tick, each drawn.
    const int repaintsBefore = s.repaints;
    for (int tick = 0; tick < 7; ++tick)
      d.IterationTick();
    QCOMPARE(s.repaints, repaintsBefore + 7);
    QVERIFY(d.CycleText()->text().isEmpty());
    d.IterationTick(); // the first iteration
    QCOMPARE(d.CycleText()->text(), QStringLiteral("1,1"));
    QVERIFY(!d.BestValue()->text().isEmpty());
    // Closing is refused while the run goes on.
    d.reject();
    QVERIFY(d.isVisible());

    QVERIFY(s.TickToEnd());
    QCOMPARE(s.messages.Entries.size(), std::size_t(1));
    QVERIFY(s.messages.Entries[0].Question);
    QCOMPARE(s.messages.Entries[0].Text, KeepResultQuestion());
    QVERIFY(!d.IterTimer()->isActive());
    // The best point stays; the point table started from the model as it was,
    // so the best is never worse than that.
    QVERIFY(testing::AllCoordinates(s.doc) != before);
    const double kept = ObjectiveValue(s.doc, kObjectiveUtilisation);
    QVERIFY(kept <= original);
    QCOMPARE(d.OriginalValue()->text(), Trimmed(FormatValue(kept * 100)));
    // The variables are built anew: the bounds lie around the new heights.
    QVERIFY(s.Optimize().front().startsWith(QStringLiteral("N004.Y = ")));
    QVERIFY(s.Optimize().front() != lineBefore);
    QCOMPARE(s.doc.Settings.VariableStr, std::string("0;0;;;;;;;;N004.Y;0;;N006.Y;0;;N008.Y;0;"));
    QCOMPARE(d.Gauge()->value(), 0);
    QVERIFY(d.CycleText()->text().isEmpty());
    QVERIFY(d.BestValue()->text().isEmpty());
    QVERIFY(d.StartButton()->isEnabled());
    QVERIFY(!d.StopButton()->isEnabled());
    QVERIFY(d.CloseButton()->isEnabled());
    QVERIFY(d.OptimizeList()->isEnabled());
  }

  void ARunAnsweredNoPutsEveryNodeBackExactly() {
    OptimizerSetup s("0;0;;;;;;;;N004.Y;0;;N005.P;0;;N008.X;0;");
    TfOptimizer& d = *s.dialog;
    const std::vector<double> before = testing::AllCoordinates(s.doc);
    const QString originalText = d.OriginalValue()->text();
    s.messages.Answers = {MessageAnswer::No};
    bool moved = false;
    s.dialog->StartButton()->click();
    // The real timer drives the run; the loop is bounded, never a sleep.
    for (int round = 0; round < 100000 && !d.Run().Idle(); ++round) {
      QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
      moved = moved || testing::AllCoordinates(s.doc) != before;
    }
    QVERIFY(d.Run().Idle());
    QVERIFY(moved);
    QCOMPARE(s.messages.Entries.size(), std::size_t(1));
    QVERIFY(testing::AllCoordinates(s.doc) == before);
    QCOMPARE(d.OriginalValue()->text(), originalText);
    QVERIFY(s.doc.ResultsValid);
    QVERIFY(!d.IterTimer()->isActive());
    QCOMPARE(d.Gauge()->value(), 0);
    // Closing now writes the choice and ends the dialog.
    s.doc.Settings.VariableStr.clear();
    QTest::mouseClick(d.CloseButton(), Qt::LeftButton);
    QVERIFY(!d.isVisible());
    QCOMPARE(s.doc.Settings.VariableStr, std::string("0;0;;;;;;;;N004.Y;0;;N005.P;0;;N008.X;0;"));
  }

  void StopEndsACyclicRunWithItsCycle() {
    // Without Stop a cyclic run goes on into a second cycle.
    {
      OptimizerSetup s("0;1;;;;;;;;N006.Y;0;");
      s.dialog->StartButton()->click();
      bool secondCycle = false;
      for (int tick = 0; tick < 20000 && !secondCycle; ++tick) {
        s.dialog->IterationTick();
        secondCycle = s.dialog->CycleText()->text().startsWith(QStringLiteral("2,"));
      }
      QVERIFY(secondCycle);
      QVERIFY(!s.dialog->Run().Idle());
    }
    OptimizerSetup s("0;1;;;;;;;;N006.Y;0;");
    TfOptimizer& d = *s.dialog;
    s.messages.Answers = {MessageAnswer::No};
    d.StartButton()->click();
    for (int tick = 0; tick < 6; ++tick)
      d.IterationTick();
    QTest::mouseClick(d.StopButton(), Qt::LeftButton);
    // Asked once; the run goes on to the end of its cycle.
    QVERIFY(!d.StopButton()->isEnabled());
    QVERIFY(!d.Run().Idle());
    QString lastCycle;
    for (int tick = 0; tick < 20000 && !d.Run().Idle(); ++tick) {
      d.IterationTick();
      if (!d.CycleText()->text().isEmpty()) lastCycle = d.CycleText()->text();
    }
    QVERIFY(d.Run().Idle());
    QVERIFY(lastCycle.startsWith(QStringLiteral("1,")));
    QCOMPARE(s.messages.Entries.size(), std::size_t(1));
    QVERIFY(d.StartButton()->isEnabled());
  }

  void AFrameThatCannotBeSolvedIsSaidSo() {
    // A beam on two nodes and no support: its objective would read 0.
    OptimizerSetup s("");
    s.doc = testing::EmptyModel();
    testing::AddNode(s.doc, 1, 0, 0);
    testing::AddNode(s.doc, 2, 4, 0);
    testing::AddBeam(s.doc, 1, 1, 2);
    s.messages.Entries.clear();
    s.dialog->Prepare();
    QCOMPARE(s.messages.Entries.size(), std::size_t(1));
    QCOMPARE(s.messages.Entries[0].Text, Translated(tr::kMsgAnalysisFailed));
    QVERIFY(!s.doc.ResultsValid);
    // The dialog still opens: the variables can be chosen.
    QCOMPARE(s.Variables().size(), 4);
  }

  void TheMenuCommandShowsNodeNumbersWhileItRuns() {
    testing::AppFixture app;
    const std::string portal = app.WriteModel("portal.qsd", testing::PortalFrameObjects());
    MainWindow& window = app.Start(portal);
    window.Settings().ShowNodeNumbers = false;
    QVERIFY(window.Menu().Optimizer->isEnabled());
    bool numbersShown = false, ran = false;
    app.Messages.Answers = {MessageAnswer::No};
    const std::vector<double> before = testing::AllCoordinates(window.Document());
    QTimer::singleShot(0, &window, [&] {
      auto* dialog = qobject_cast<TfOptimizer*>(QApplication::activeModalWidget());
      if (!dialog) return;
      numbersShown = window.Settings().ShowNodeNumbers;
      // The portal's beam corner (node 2) may move sideways.
      const int row = RowOf(
          [&] {
            QStringList lines;
            for (int i = 0; i < dialog->VariablesList()->count(); ++i)
              lines << dialog->VariablesList()->item(i)->text();
            return lines;
          }(),
          QStringLiteral("N002.X"));
      DoubleClickRow(dialog->VariablesList(), row);
      dialog->StartButton()->click();
      for (int tick = 0; tick < 20000 && !dialog->Run().Idle(); ++tick)
        dialog->IterationTick();
      ran = dialog->Run().LastRunEnd() == RunEnd::Rejected;
      QTest::mouseClick(dialog->CloseButton(), Qt::LeftButton);
    });
    window.Menu().Optimizer->trigger();
    QVERIFY(numbersShown);
    QVERIFY(ran);
    QVERIFY(!window.Settings().ShowNodeNumbers);
    QVERIFY(testing::AllCoordinates(window.Document()) == before);
    QCOMPARE(window.Document().Settings.VariableStr, std::string("0;0;;;;;;;;N002.X;0;"));
  }
};

STRANDEL_APP_TEST(OptimizerDialogTest);

} // namespace strandel

#include "optimizer_dialog_test.moc"
