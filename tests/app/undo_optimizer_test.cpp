// The optimizer and the structure generator opened from the Tools menu: an
// accepted optimization is one step that puts every node and the variables
// back exactly; a generated structure starts a history of its own, and a
// cancelled generator keeps the one there was.

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/app_fixture.h"
#include "app/app_test_registry.h"
#include "app/generator_dialog.h"
#include "app/model_page.h"
#include "app/optimizer_dialog.h"
#include "app/variable_list_widget.h"
#include "common/text_entries.h"
#include "model/document_file.h"

namespace strandel {

using testing::AppFixture;

namespace {

// A double click on a row as the window system delivers it.
void DoubleClickRow(VariableListWidget* list, int row) {
  const QPoint at = list->visualItemRect(list->item(row)).center();
  QWidget* viewport = list->viewport();
  QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, at);
  QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, at);
  QTest::mouseDClick(viewport, Qt::LeftButton, Qt::NoModifier, at);
  QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, at);
}

int RowStartingWith(VariableListWidget* list, const QString& start) {
  for (int row = 0; row < list->count(); ++row)
    if (list->item(row)->text().startsWith(start)) return row;
  return -1;
}

// Chooses the portal's corner node 2 sideways, runs to the end and closes.
void OptimizeCornerWhenShown(MainWindow& window, bool& ran) {
  QTimer::singleShot(0, &window, [&ran] {
    auto* dialog = qobject_cast<TfOptimizer*>(QApplication::activeModalWidget());
    if (!dialog) return;
    DoubleClickRow(dialog->VariablesList(),
                   RowStartingWith(dialog->VariablesList(), QStringLiteral("N002.X")));
    dialog->StartButton()->click();
    for (int tick = 0; tick < 20000 && !dialog->Run().Idle(); ++tick)
      dialog->IterationTick();
    ran = dialog->Run().Idle();
    QTest::mouseClick(dialog->CloseButton(), Qt::LeftButton);
  });
}

} // namespace

class UndoOptimizerTest : public QObject {
  Q_OBJECT
private slots:
  void AnAcceptedOptimizationIsOneStep() {
    AppFixture app;
    const std::string portal = app.WriteModel("portal.qsd", testing::PortalFrameObjects());
    MainWindow& window = app.Start(portal);
    const ModelDocument& doc = window.Document();
    const std::string before = WriteDocumentText(doc);
    app.Messages.Answers = {MessageAnswer::Yes};
    bool ran = false;
    OptimizeCornerWhenShown(window, ran);
    window.Menu().Optimizer->trigger();
    QVERIFY(ran);
    const std::string after = WriteDocumentText(doc);
    QVERIFY(after != before);
    QCOMPARE(window.History().UndoCount(), std::size_t{1});
    QCOMPARE(window.History().UndoName(), tr::kOptimizerCaption);
    window.Menu().Undo->trigger();
    QCOMPARE(WriteDocumentText(doc), before);
    QVERIFY(!doc.Modified);
    window.Menu().Redo->trigger();
    QCOMPARE(WriteDocumentText(doc), after);
  }

  void ARejectedRunKeepsOnlyTheVariablesChosen() {
    AppFixture app;
    const std::string portal = app.WriteModel("portal.qsd", testing::PortalFrameObjects());
    MainWindow& window = app.Start(portal);
    const ModelDocument& doc = window.Document();
    const std::string before = WriteDocumentText(doc);
    app.Messages.Answers = {MessageAnswer::No};
    bool ran = false;
    OptimizeCornerWhenShown(window, ran);
    window.Menu().Optimizer->trigger();
    QVERIFY(ran);
    QCOMPARE(doc.Settings.VariableStr, std::string("0;0;;;;;;;;N002.X;0;"));
    QCOMPARE(window.History().UndoName(), tr::kOptimizerCaption);
    window.Menu().Undo->trigger();
    QCOMPARE(WriteDocumentText(doc), before);
  }
};

STRANDEL_APP_TEST(UndoOptimizerTest);

} // namespace strandel

#include "undo_optimizer_test.moc"
