// Undo and redo as a user meets them: drawing a portal frame, deleting a beam
// and taking it back, dragging a node, stepping back and forth, saving and
// undoing to the saved step, with the Edit menu's texts and enabling at each
// point; and the dialogs whose OK is one step without any code of their own.

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include "app/app_fixture.h"
#include "app/app_test_registry.h"
#include "app/generator_dialog.h"
#include "app/model_page.h"
#include "app/model_view.h"
#include "app/page_control.h"
#include "common/text_entries.h"
#include "common/translation.h"
#include "model/document_file.h"

namespace strandel {

using testing::AppFixture;
using testing::PixelOf;

namespace {

void ClickAt(MainWindow& window, double x, double y) {
  QTest::mouseMove(window.Model()->View(), PixelOf(window, x, y));
  QTest::mouseClick(window.Model()->View(), Qt::LeftButton, {}, PixelOf(window, x, y));
}

void DrawBeam(MainWindow& window, Point2 from, Point2 to) {
  window.Model()->CreateButton(CreateTool::Beam)->trigger();
  ClickAt(window, from.X, from.Y);
  ClickAt(window, to.X, to.Y);
  // The tool stays in hand, drawing on from the end, until Esc.
  QTest::keyClick(window.Model()->View(), Qt::Key_Escape);
}

void PlaceSupport(MainWindow& window, Point2 at) {
  window.Model()->CreateButton(CreateTool::Support)->trigger();
  ClickAt(window, at.X, at.Y);
  ClickAt(window, at.X, at.Y - 1);
  QTest::keyClick(window.Model()->View(), Qt::Key_Escape);
}

// Press, moves with the left button held, release: what the window system sends.
void DragAlong(MainWindow& window, std::initializer_list<Point2> path) {
  ModelView* view = window.Model()->View();
  const Point2 first = *path.begin();
  QTest::mouseMove(view, PixelOf(window, first.X, first.Y));
  QTest::mousePress(view, Qt::LeftButton, {}, PixelOf(window, first.X, first.Y));
  QPoint last;
  for (const Point2& p : path) {
    last = PixelOf(window, p.X, p.Y);
    QMouseEvent move(QEvent::MouseMove, last, view->mapToGlobal(last), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(view, &move);
  }
  QTest::mouseRelease(view, Qt::LeftButton, {}, last);
}

int CountOf(const ModelDocument& doc, ObjectKind kind) {
  int count = 0;
  for (const auto& object : doc.GraphObjects)
    count += KindOf(*object) == kind;
  return count;
}

QString Item(int item, int step = 0) {
  QString text = QString::fromStdString(Translated(item));
  if (step != 0) text += QLatin1Char(' ') + QString::fromStdString(Translated(step));
  return text;
}

} // namespace

class UndoTest : public QObject {
  Q_OBJECT

  // The Edit menu's two items: their texts and whether they can be chosen.
  static void ExpectItems(MainWindow& window, int undoStep, int redoStep) {
    window.UpdateMenuStates();
    const MainMenu& m = window.Menu();
    QCOMPARE(m.Undo->text(), Item(tr::kMenuEditUndo, undoStep));
    QCOMPARE(m.Redo->text(), Item(tr::kMenuEditRedo, redoStep));
    QCOMPARE(m.Undo->isEnabled(), undoStep != 0);
    QCOMPARE(m.Redo->isEnabled(), redoStep != 0);
  }

private slots:
  void DrawDeleteDragUndoRedoSaveAndUndoToTheSavedStep() {
    AppFixture app;
    MainWindow& window = app.Start();
    const ModelDocument& doc = window.Document();
    ExpectItems(window, 0, 0);
    // Both items are also the first buttons of the Model page's tool bar.
    const QList<QAction*> buttons = window.Model()->ToolBar()->actions();
    QCOMPARE(buttons.value(0), window.Menu().Undo);
    QCOMPARE(buttons.value(1), window.Menu().Redo);
    QCOMPARE(window.Menu().Undo->toolTip(), Item(tr::kHintUndo));
    QVERIFY(window.Menu().Undo->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Z)));
    QVERIFY(window.Menu().Redo->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Y)));
    QVERIFY(
        window.Menu().Redo->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));

    DrawBeam(window, {0, 0}, {0, 3});
    ExpectItems(window, tr::kStepCreateBeam, 0);
    DrawBeam(window, {0, 3}, {4, 3});
    DrawBeam(window, {4, 3}, {4, 0});
    PlaceSupport(window, {0, 0});
    PlaceSupport(window, {4, 0});
    ExpectItems(window, tr::kStepCreateSupport, 0);
    const std::string frame = WriteDocumentText(doc);

    ClickAt(window, 4, 1.5); // the right column
    window.Menu().Delete->trigger();
    QCOMPARE(CountOf(doc, ObjectKind::Beam), 2);
    ExpectItems(window, tr::kStepDelete, 0);
    window.Menu().Undo->trigger();
    QCOMPARE(WriteDocumentText(doc), frame);
    ExpectItems(window, tr::kStepCreateSupport, tr::kStepDelete);
    QVERIFY(window.windowTitle().endsWith(QStringLiteral(" *")));

    // Dragging the top right corner: a new step, the undone Delete is gone.
    DragAlong(window, {{4, 3}, {4.5, 3.2}, {5, 3.4}, {5, 3.5}});
    const TNodeObject* corner = FindNode(doc, 3);
    QVERIFY(corner);
    QCOMPARE(corner->X, 5.0);
    QCOMPARE(corner->Y, 3.5);
    ExpectItems(window, tr::kStepMoveNode, 0);

    window.Menu().Undo->trigger(); // the drag
    QCOMPARE(WriteDocumentText(doc), frame);
    ExpectItems(window, tr::kStepCreateSupport, tr::kStepMoveNode);
    window.Menu().Undo->trigger(); // the second support
    QCOMPARE(CountOf(doc, ObjectKind::Support), 1);
    ExpectItems(window, tr::kStepCreateSupport, tr::kStepCreateSupport);
    window.Menu().Redo->trigger();
    QCOMPARE(WriteDocumentText(doc), frame);
    ExpectItems(window, tr::kStepCreateSupport, tr::kStepMoveNode);

    const std::string path = app.Folder.Path() + "portal.qsd";
    app.Dialogs.SaveAnswers = {path};
    window.Menu().Save->trigger();
    QVERIFY(!doc.Modified);
    QVERIFY(!window.windowTitle().endsWith(QStringLiteral(" *")));
    const std::string saved = WriteDocumentText(doc);

    // One more change, then back to the step that was saved: nothing to save.
    window.Menu().Redo->trigger(); // the drag again
    QVERIFY(doc.Modified);
    QVERIFY(window.windowTitle().endsWith(QStringLiteral(" *")));
    window.Menu().Undo->trigger();
    QVERIFY(!doc.Modified);
    QCOMPARE(WriteDocumentText(doc), saved);
    QVERIFY(!window.windowTitle().endsWith(QStringLiteral(" *")));
    ExpectItems(window, tr::kStepCreateSupport, tr::kStepMoveNode);
    // Before the saved step the document differs from its file again.
    window.Menu().Undo->trigger();
    QVERIFY(doc.Modified);
    window.Menu().Redo->trigger();
    QVERIFY(!doc.Modified);
    QVERIFY(app.Close());
    for (const auto& entry : app.Messages.Entries)
      QVERIFY(!entry.Question); // closing asked nothing
  }

  void UndoWhileDrawingDropsTheHalfMadeBeamFirst() {
    AppFixture app;
    MainWindow& window = app.Start();
    const ModelDocument& doc = window.Document();
    DrawBeam(window, {0, 0}, {0, 3});
    const std::string oneBeam = WriteDocumentText(doc);
    window.Model()->CreateButton(CreateTool::Beam)->trigger();
    ClickAt(window, 4, 0); // a start node and a beam that follows the pointer
    QCOMPARE(CountOf(doc, ObjectKind::Beam), 2);
    window.Menu().Undo->trigger();
    QVERIFY(doc.GraphObjects.empty());
    QVERIFY(!doc.Modified);
    ExpectItems(window, 0, tr::kStepCreateBeam);
    window.Menu().Redo->trigger();
    QCOMPARE(WriteDocumentText(doc), oneBeam);
    QVERIFY(app.Messages.Entries.empty());
  }

  void NewAndOpenStartAFreshHistory() {
    AppFixture app;
    const std::string frame = app.WriteModel("frame.qsd", testing::PortalFrameObjects());
    MainWindow& window = app.Start();
    DrawBeam(window, {0, 0}, {2, 0});
    app.Messages.Answers = {MessageAnswer::No};
    QVERIFY(window.Commands().Open(OpenOrigin::RecentDocument, frame));
    ExpectItems(window, 0, 0);
    ClickAt(window, 1, 1);
    window.Menu().SelectAll->trigger();
    window.Menu().DeleteAllLoads->trigger();
    ExpectItems(window, tr::kStepDeleteAllLoads, 0);
    app.Messages.Answers = {MessageAnswer::No};
    QVERIFY(window.Commands().New());
    ExpectItems(window, 0, 0);
  }

  // A generated structure is a new document with a history of its own; a
  // cancelled generator leaves the model, its results and its history alone.
  void TheGeneratorStartsAHistoryOnlyWhenItMakesAStructure() {
    AppFixture app;
    const std::string frame = app.WriteModel("frame.qsd", testing::PortalFrameObjects());
    MainWindow& window = app.Start(frame);
    const ModelDocument& doc = window.Document();
    window.Model()->ModelEditor().BeamScaleUp();
    QVERIFY(window.Pages()->Choose(kAnalysisPage));
    QVERIFY(window.Pages()->Choose(kModelPage));
    QVERIFY(doc.ResultsValid);
    const std::string before = WriteDocumentText(doc);
    const auto answer = [&window](bool ok) {
      QTimer::singleShot(0, &window, [ok] {
        auto* dialog = qobject_cast<GeneratorDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        if (ok)
          QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
        else
          dialog->reject();
      });
    };
    answer(false);
    window.OpenStructureGenerator();
    QCOMPARE(WriteDocumentText(doc), before);
    ExpectItems(window, tr::kStepBeamSize, 0);
    QVERIFY(doc.ResultsValid);

    app.Messages.Answers = {MessageAnswer::No}; // the larger beams are not saved
    answer(true);
    window.OpenStructureGenerator();
    QVERIFY(WriteDocumentText(doc) != before);
    ExpectItems(window, 0, 0);
    QVERIFY(doc.Modified);
  }
};

STRANDEL_APP_TEST(UndoTest);

} // namespace strandel

#include "undo_test.moc"
