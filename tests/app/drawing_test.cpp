// Drawing as fast as the hands go: the wheel and the middle button or Space
// move the view, one key takes a tool that stays in hand, a typed number opens
// the field for an exact point, the grid step is set in the tool bar; and a
// two-bay portal frame drawn from an empty model in at most 25 actions.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include "app/app_fixture.h"
#include "app/app_test_registry.h"
#include "app/array_dialog.h"
#include "app/model_page.h"
#include "app/model_view.h"
#include "app/page_control.h"
#include "app/point_entry.h"
#include "app/when_shown.h"
#include "common/text_entries.h"
#include "common/translation.h"

namespace strandel {

using testing::AppFixture;
using testing::PixelOf;

namespace {

// The settings of a user who works in metres; the step snaps to half metres.
constexpr const char* kMetreSettings = "[Default-Settings]\r\nLanguage=English\r\n"
                                       "[Unit-Settings]\r\nLastLengthUnitNo=1\r\n";

ModelView* View(MainWindow& window) {
  return window.Model()->View();
}

void ClickAt(MainWindow& window, double x, double y, Qt::MouseButton button = Qt::LeftButton) {
  QTest::mouseMove(View(window), PixelOf(window, x, y));
  QTest::mouseClick(View(window), button, {}, PixelOf(window, x, y));
}

void Wheel(MainWindow& window, QPoint at, int eighths) {
  QWheelEvent wheel(at, View(window)->mapToGlobal(at), QPoint(), QPoint(0, eighths), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(View(window), &wheel);
}

// Typing a point as the user does: the first key opens the field, the rest
// goes into it, Return places it.
void TypePoint(MainWindow& window, const QString& text) {
  QTest::keyClicks(View(window), text.left(1));
  QLineEdit* field = View(window)->Entry()->Field();
  QTest::keyClicks(field, text.mid(1));
  QTest::keyClick(field, Qt::Key_Return);
}

// The beam tool by its key, a chain of clicks, and the tool put down.
void DrawChain(MainWindow& window, std::initializer_list<Point2> points) {
  QTest::keyClick(View(window), Qt::Key_B);
  for (const Point2& p : points)
    ClickAt(window, p.X, p.Y);
  QTest::keyClick(View(window), Qt::Key_Escape);
}

int CountOf(const ModelDocument& doc, ObjectKind kind) {
  int count = 0;
  for (const auto& object : doc.GraphObjects)
    count += KindOf(*object) == kind;
  return count;
}

Point2 NodeAt(const ModelDocument& doc, int number) {
  const TNodeObject* node = FindNode(doc, number);
  return node ? Point2{node->X, node->Y} : Point2{NAN, NAN};
}

// Chooses the item of that caption in the menu about to pop up, running
// `before` first (to answer a dialog the item opens).
void ChooseInNextMenu(const QString& caption, std::function<void()> before = {}) {
  QTimer::singleShot(0, [caption, before] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QAction* chosen = nullptr;
    for (QAction* action : menu->actions())
      if (action->text() == caption) chosen = action;
    QVERIFY(chosen);
    QVERIFY(chosen->isEnabled());
    menu->close();
    if (before) before();
    chosen->trigger();
  });
}

} // namespace

class DrawingTest : public QObject {
  Q_OBJECT
private slots:
  void TheWheelZoomsAboutThePointerAndSpaceDragPans() {
    AppFixture app{std::string(kMetreSettings)};
    MainWindow& window = app.Start();
    const ViewState& view = window.Model()->ModelEditor().View();
    const QPoint at(120, 90);
    const Point2 under = ToModel(view, at.x(), at.y());
    const double scale = view.Scale;
    Wheel(window, at, 240); // two notches away from the user: closer
    QVERIFY(std::abs(view.Scale - scale * kZoomStep * kZoomStep) < 1e-9 * scale);
    const Point2 still = ToModel(view, at.x(), at.y());
    QVERIFY(std::abs(still.X - under.X) < 1e-9 && std::abs(still.Y - under.Y) < 1e-9);
    Wheel(window, at, -240);
    QVERIFY(std::abs(view.Scale - scale) < 1e-9 * scale);

    // Space held, a left drag pans and draws nothing.
    window.Model()->CreateButton(CreateTool::Node)->trigger();
    const double originX = view.OriginX;
    QTest::keyPress(View(window), Qt::Key_Space);
    QTest::mousePress(View(window), Qt::LeftButton, {}, QPoint(200, 100));
    QMouseEvent drag(QEvent::MouseMove, QPointF(150, 100),
                     View(window)->mapToGlobal(QPointF(150, 100)), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(View(window), &drag);
    QTest::mouseRelease(View(window), Qt::LeftButton, {}, QPoint(150, 100));
    QTest::keyRelease(View(window), Qt::Key_Space);
    QVERIFY(std::abs(view.OriginX - (originX + 50 / view.Scale)) < 1e-9);
    QVERIFY(window.Document().GraphObjects.empty());
    QCOMPARE(window.Model()->ModelEditor().State().Mode, int(mode::kCreateNode));

    // Ctrl+0 shows the whole model, Ctrl+minus steps out.
    ClickAt(window, 1, 1);
    QTest::keyClick(View(window), Qt::Key_0, Qt::ControlModifier);
    const double extents = view.Scale;
    QTest::keyClick(View(window), Qt::Key_Minus, Qt::ControlModifier);
    QVERIFY(std::abs(view.Scale - extents / kZoomStep) < 1e-9 * extents);
  }

  void OneKeyTakesEachToolOnlyOnTheModelPage() {
    AppFixture app{std::string(kMetreSettings)};
    MainWindow& window = app.Start();
    ModelPage* page = window.Model();
    QAction* beam = page->CreateButton(CreateTool::Beam);
    QVERIFY(beam->toolTip().endsWith(QStringLiteral(" (B)")));
    QVERIFY(window.Menu().Draw->actions().contains(beam));
    QCOMPARE(window.Menu().Draw->actions().size(), 6);
    QTest::keyClick(View(window), Qt::Key_B);
    QVERIFY(beam->isChecked());
    QTest::keyClick(View(window), Qt::Key_S);
    QVERIFY(page->CreateButton(CreateTool::Support)->isChecked());
    QVERIFY(!beam->isChecked());
    QTest::keyClick(View(window), Qt::Key_Escape);
    QCOMPARE(page->ModelEditor().State().Mode, int(mode::kIdle));
    // A letter typed into a field is a letter.
    QTest::keyClicks(page->GridStepField(), QStringLiteral("b"));
    QCOMPARE(page->ModelEditor().State().Mode, int(mode::kIdle));

    const std::string frame = app.WriteModel("frame.qsd", testing::PortalFrameObjects());
    app.Dialogs.OpenAnswers = {frame};
    window.Menu().Open->trigger();
    QVERIFY(window.Pages()->Choose(kAnalysisPage));
    QVERIFY(!beam->isEnabled());
    QVERIFY(window.Pages()->Choose(kModelPage));
    QVERIFY(beam->isEnabled());
  }

  void ATypedNumberOpensTheFieldForAnExactPoint() {
    AppFixture app{std::string(kMetreSettings)};
    MainWindow& window = app.Start();
    const ModelDocument& doc = window.Document();
    PointEntry* entry = View(window)->Entry();
    QTest::keyClick(View(window), Qt::Key_1); // idle: no point is wanted
    QVERIFY(!entry->IsOpen());

    QTest::keyClick(View(window), Qt::Key_B);
    TypePoint(window, QStringLiteral("1.5, 0"));
    QVERIFY(!entry->IsOpen());
    // While the beam follows the pointer, its length and angle are shown.
    QTest::mouseMove(View(window), PixelOf(window, 1.5, 3));
    QCOMPARE(window.Model()->StatusPanel(3), QStringLiteral("Length: 3 [m]   Angle: 90 [Deg]"));
    TypePoint(window, QStringLiteral("@3.3<90"));
    QCOMPARE(CountOf(doc, ObjectKind::Beam), 2); // one made, the next following
    QCOMPARE(NodeAt(doc, 2).Y, 3.3);

    // A text that is no point stays, with the reason; nothing is made.
    TypePoint(window, QStringLiteral("7,3"));
    QVERIFY(entry->IsOpen());
    QVERIFY(entry->Reason()->isVisible());
    QCOMPARE(entry->Reason()->text(), QString::fromStdString(Translated(tr::kMsgTypedPointForm)));
    QCOMPARE(CountOf(doc, ObjectKind::Node), 2);
    QTest::keyClick(entry->Field(), Qt::Key_Backspace);
    QTest::keyClick(entry->Field(), Qt::Key_Backspace);
    QTest::keyClicks(entry->Field(), QStringLiteral(".3, 3.3"));
    QVERIFY(!entry->Reason()->isVisible());
    QTest::keyClick(entry->Field(), Qt::Key_Return);
    QCOMPARE(NodeAt(doc, 3).X, 7.3);
    // Esc closes an open field first; the tool stays until the next Esc.
    QTest::keyClicks(View(window), QStringLiteral("@"));
    QVERIFY(entry->IsOpen());
    QTest::keyClick(entry->Field(), Qt::Key_Escape);
    QVERIFY(!entry->IsOpen());
    QCOMPARE(window.Model()->ModelEditor().State().Mode, int(mode::kBeamEnd));
    QTest::keyClick(View(window), Qt::Key_Escape);
    QCOMPARE(CountOf(doc, ObjectKind::Beam), 2);
  }

  void TheGridStepIsTypedInTheToolBarAndKept() {
    AppFixture app; // lengths in centimetres
    MainWindow& window = app.Start();
    QLineEdit* step = window.Model()->GridStepField();
    QCOMPARE(step->text(), QStringLiteral("50"));
    step->selectAll();
    QTest::keyClicks(step, QStringLiteral("5*5"));
    QTest::keyClick(step, Qt::Key_Return);
    QCOMPARE(step->text(), QStringLiteral("25"));
    QCOMPARE(window.Model()->ModelEditor().Grid().Spacing, 0.25);
    window.Model()->CreateButton(CreateTool::Node)->trigger();
    ClickAt(window, 1.3, 0.6);
    QCOMPARE(NodeAt(window.Document(), 1).X, 1.25);
    QCOMPARE(NodeAt(window.Document(), 1).Y, 0.5);
    // A step of no length is refused; the step stays.
    step->selectAll();
    QTest::keyClicks(step, QStringLiteral("0"));
    QTest::keyClick(step, Qt::Key_Return);
    QCOMPARE(app.Messages.Entries.size(), std::size_t{1});
    QCOMPARE(step->text(), QStringLiteral("25"));
    app.Messages.Answers = {MessageAnswer::No}; // the node is not kept
    QVERIFY(app.Close());
    QVERIFY(testing::ReadBytes(app.Environment.SettingsPath).find("GridStep=0.25") !=
            std::string::npos);
  }

  void ABoxDraggedInTheViewSelectsByItsDirection() {
    AppFixture app{std::string(kMetreSettings)};
    MainWindow& window = app.Start();
    const ModelDocument& doc = window.Document();
    DrawChain(window, {{0, 0}, {0, 3}, {3, 3}});
    const auto drag = [&window](Point2 from, Point2 to, Qt::KeyboardModifiers keys = {}) {
      QTest::mousePress(View(window), Qt::LeftButton, keys, PixelOf(window, from.X, from.Y));
      QMouseEvent held(QEvent::MouseMove, PixelOf(window, to.X, to.Y),
                       View(window)->mapToGlobal(PixelOf(window, to.X, to.Y)), Qt::NoButton,
                       Qt::LeftButton, keys);
      QApplication::sendEvent(View(window), &held);
      QTest::mouseRelease(View(window), Qt::LeftButton, keys, PixelOf(window, to.X, to.Y));
    };
    // Left to right around the column only.
    drag({-1, -1}, {1, 3.5});
    QVERIFY(FindBeam(doc, 1)->Selected);
    QVERIFY(!FindBeam(doc, 2)->Selected);
    // Right to left through the girder's middle: it is touched, so taken.
    drag({2, 4}, {1, 2});
    QVERIFY(FindBeam(doc, 2)->Selected);
    QVERIFY(!FindBeam(doc, 1)->Selected);
    // With Shift the column joins the selection.
    drag({-1, -1}, {1, 3.5}, Qt::ShiftModifier);
    QVERIFY(FindBeam(doc, 1)->Selected && FindBeam(doc, 2)->Selected);
    QVERIFY(window.Menu().Copy->isEnabled());
    QCOMPARE(window.History().UndoName(), tr::kStepCreateBeam); // selecting is no step
  }

  void CopiesByKeysAndByTheRightClickMenu() {
    AppFixture app{std::string(kMetreSettings)};
    MainWindow& window = app.Start();
    const ModelDocument& doc = window.Document();
    DrawChain(window, {{0, 0}, {0, 3}});
    // Nothing selected: copying is not offered.
    QVERIFY(!window.Menu().Copy->isEnabled());

    // A right click on the column selects it; the menu offers its properties
    // and a row of copies.
    const QString array = QString::fromStdString(Translated(tr::kMenuEditLinearArray));
    QTest::mouseMove(View(window), PixelOf(window, 0, 1.5));
    ChooseInNextMenu(array, [] {
      testing::WhenShown<ArrayDialog>([](ArrayDialog& dialog) {
        dialog.Copies()->setText(QStringLiteral("3"));
        dialog.SpacingX()->setText(QStringLiteral("2*2.5"));
      });
    });
    QTest::mouseClick(View(window), Qt::RightButton, {}, PixelOf(window, 0, 1.5));
    QCOMPARE(CountOf(doc, ObjectKind::Beam), 4);
    QCOMPARE(NodeAt(doc, 8).X, 15.0); // the last copy's top, 3 x 5 m along
    QCOMPARE(NodeAt(doc, 8).Y, 3.0);
    QCOMPARE(window.History().UndoName(), tr::kStepArray);
    window.Menu().Undo->trigger();
    QCOMPARE(CountOf(doc, ObjectKind::Beam), 1);

    // A count that is no count keeps the dialog open, with the reason.
    bool stayedOpen = false;
    ChooseInNextMenu(array, [&stayedOpen] {
      testing::WhenShown<ArrayDialog>(
          [](ArrayDialog& dialog) { dialog.Copies()->setText(QStringLiteral("zero")); }, true,
          &stayedOpen);
    });
    QTest::mouseClick(View(window), Qt::RightButton, {}, PixelOf(window, 0, 1.5));
    QVERIFY(stayedOpen);
    QCOMPARE(CountOf(doc, ObjectKind::Beam), 1);

    // Ctrl+C, then Ctrl+V where the pointer is: the copy's foot lands there.
    // (The window is active again once the dialog has gone, as on a desktop.)
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::mouseClick(View(window), Qt::LeftButton, Qt::ShiftModifier, PixelOf(window, 0, 1.5));
    QVERIFY(window.Menu().Copy->isEnabled());
    QTest::keyClick(View(window), Qt::Key_C, Qt::ControlModifier);
    QVERIFY(window.Model()->ModelEditor().CanPaste());
    QVERIFY(window.Menu().Paste->isEnabled());
    QTest::mouseMove(View(window), PixelOf(window, 4, 0));
    QTest::keyClick(View(window), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(CountOf(doc, ObjectKind::Beam), 2);
    QCOMPARE(NodeAt(doc, 3).X, 4.0);
    QCOMPARE(NodeAt(doc, 4).Y, 3.0);
    QTest::keyClick(View(window), Qt::Key_Z, Qt::ControlModifier); // one step
    QCOMPARE(CountOf(doc, ObjectKind::Beam), 1);

    // Mirror from the menu: two clicks on the line x = 3.
    QTest::mouseClick(View(window), Qt::LeftButton, Qt::ShiftModifier, PixelOf(window, 0, 1.5));
    ChooseInNextMenu(QString::fromStdString(Translated(tr::kMenuEditMirror)));
    QTest::mouseClick(View(window), Qt::RightButton, {}, PixelOf(window, 0, 1.5));
    ClickAt(window, 3, 0);
    ClickAt(window, 3, 3);
    QCOMPARE(CountOf(doc, ObjectKind::Beam), 2);
    QCOMPARE(NodeAt(doc, 3).X, 6.0);
    QVERIFY(app.Messages.Entries.empty());
  }

  // The frame that once took a new user a quarter of an hour: two bays of 6 m,
  // 4 m high, pinned at the three feet, a load on the left girder.
  void ATwoBayPortalFrameInAtMost25Actions() {
    AppFixture app{std::string(kMetreSettings)};
    MainWindow& window = app.Start();
    int actions = 0;
    const auto act = [&actions] { ++actions; };
    const QPoint centre(View(window)->width() / 2, View(window)->height() / 2);
    Wheel(window, centre, -360), act(); // three notches out: -6 m comes into view
    QTest::keyClick(View(window), Qt::Key_B), act();
    ClickAt(window, -6, 0), act();
    ClickAt(window, -6, 4), act();
    ClickAt(window, 0, 4), act();
    TypePoint(window, QStringLiteral("@6, 0")), act();
    ClickAt(window, 6, 0), act();
    ClickAt(window, 6, 0, Qt::RightButton), act(); // the chain ends; the tool stays
    ClickAt(window, 0, 4), act();
    ClickAt(window, 0, 0), act();
    QTest::keyClick(View(window), Qt::Key_S), act();
    for (double x : {-6.0, 0.0, 6.0}) {
      ClickAt(window, x, 0), act();
      ClickAt(window, x, -1), act(); // from below: it stands under its node
    }
    QTest::keyClick(View(window), Qt::Key_L), act();
    ClickAt(window, -3, 4), act();
    ClickAt(window, -6, 4), act();
    ClickAt(window, 0, 4), act();
    ClickAt(window, -6, 3), act(); // pointing down from its start
    QTest::keyClick(View(window), Qt::Key_Escape), act();
    QVERIFY(actions <= 25);

    const ModelDocument& doc = window.Document();
    QCOMPARE(CountOf(doc, ObjectKind::Node), 6);
    QCOMPARE(CountOf(doc, ObjectKind::Beam), 5);
    QCOMPARE(CountOf(doc, ObjectKind::Support), 3);
    QCOMPARE(CountOf(doc, ObjectKind::Load), 1);
    const Point2 expected[] = {{-6, 0}, {-6, 4}, {0, 4}, {6, 4}, {6, 0}, {0, 0}};
    for (int i = 0; i < 6; ++i) {
      QCOMPARE(NodeAt(doc, i + 1).X, expected[i].X);
      QCOMPARE(NodeAt(doc, i + 1).Y, expected[i].Y);
    }
    const std::pair<int, int> ends[] = {{1, 2}, {2, 3}, {3, 4}, {4, 5}, {3, 6}};
    for (int i = 0; i < 5; ++i) {
      const TBeamObject* beam = FindBeam(doc, i + 1);
      QVERIFY(beam);
      QCOMPARE(beam->Node1, std::uint16_t(ends[i].first));
      QCOMPARE(beam->Node2, std::uint16_t(ends[i].second));
      QVERIFY(beam->Locked1 && beam->Locked2);
    }
    for (const TSupportObject& support : ObjectsOf<TSupportObject>(doc))
      QCOMPARE(support.Direction, std::uint16_t{1});
    const TLoadObject& load = *ObjectsOf<TLoadObject>(doc).begin();
    QCOMPARE(load.X1, -6.0);
    QCOMPARE(load.X2, 0.0);
    QVERIFY(std::abs(load.Angle + kPi / 2) < 1e-9);
    // Rigid joints on pinned feet: the frame stands.
    QVERIFY(window.Pages()->Choose(kAnalysisPage));
    QVERIFY(doc.ResultsValid);
    QVERIFY(app.Messages.Entries.empty());
  }
};

STRANDEL_APP_TEST(DrawingTest);

} // namespace strandel

#include "drawing_test.moc"
