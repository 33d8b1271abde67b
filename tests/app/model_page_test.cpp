// The Model page driven with the mouse and the keys as a user does: drawing a
// braced portal frame from an empty model, the status bar, the buttons that
// follow the editor, a double click asking for the property dialog, and the
// view keeping its centre when the window is resized.

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>

#include "app/app_fixture.h"
#include "app/app_test_registry.h"
#include "app/model_page.h"
#include "app/model_view.h"
#include "app/page_control.h"
#include "app/tool_icons.h"
#include "app/when_shown.h"
#include "common/text_entries.h"
#include "common/translation.h"

namespace strandel {

using testing::AppFixture;
using testing::PixelOf;

namespace {

void MoveTo(MainWindow& window, double x, double y) {
  QTest::mouseMove(window.Model()->View(), PixelOf(window, x, y));
}

void ClickAt(MainWindow& window, double x, double y) {
  MoveTo(window, x, y);
  QTest::mouseClick(window.Model()->View(), Qt::LeftButton, {}, PixelOf(window, x, y));
}

// The events the window system sends for a double click: press, release, then
// the double click in place of the second press, and its release.
void DoubleClickAt(MainWindow& window, double x, double y) {
  ModelView* view = window.Model()->View();
  const QPoint at = PixelOf(window, x, y);
  QTest::mousePress(view, Qt::LeftButton, {}, at);
  QTest::mouseRelease(view, Qt::LeftButton, {}, at);
  QMouseEvent twice(QEvent::MouseButtonDblClick, at, view->mapToGlobal(at), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(view, &twice);
  QTest::mouseRelease(view, Qt::LeftButton, {}, at);
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
  // The support points from the pointer to its node: below the node it stands upright.
  ClickAt(window, at.X, at.Y - 1);
  QTest::keyClick(window.Model()->View(), Qt::Key_Escape);
}

int CountOf(const ModelDocument& doc, ObjectKind kind) {
  int count = 0;
  for (const auto& object : doc.GraphObjects)
    count += KindOf(*object) == kind;
  return count;
}

} // namespace

class ModelPageTest : public QObject {
  Q_OBJECT
private slots:
  void DrawABracedPortalFrameAndSolveIt() {
    AppFixture app;
    MainWindow& window = app.Start();
    DrawBeam(window, {0, 0}, {0, 3});
    QVERIFY(!window.Model()->CreateButton(CreateTool::Beam)->isChecked());
    DrawBeam(window, {0, 3}, {4, 3});
    DrawBeam(window, {4, 3}, {4, 0});
    DrawBeam(window, {0, 0}, {4, 3});
    PlaceSupport(window, {0, 0});
    PlaceSupport(window, {4, 0});
    // A distributed load along the whole top beam, pointing down.
    window.Model()->CreateButton(CreateTool::Load)->trigger();
    ClickAt(window, 2, 3);
    ClickAt(window, 0, 3);
    ClickAt(window, 4, 3);
    // The direction points from the load's start to the pointer.
    ClickAt(window, 0, 2);

    const ModelDocument& doc = window.Document();
    QCOMPARE(CountOf(doc, ObjectKind::Node), 4);
    QCOMPARE(CountOf(doc, ObjectKind::Beam), 4);
    QCOMPARE(CountOf(doc, ObjectKind::Support), 2);
    QCOMPARE(CountOf(doc, ObjectKind::Load), 1);
    QVERIFY(doc.Modified);
    QVERIFY(window.windowTitle().endsWith(QStringLiteral(" *")));
    const TLoadObject& load = *ObjectsOf<TLoadObject>(doc).begin();
    QCOMPARE(load.X1, 0.0);
    QCOMPARE(load.X2, 4.0);
    QVERIFY(std::abs(load.Angle + kPi / 2) < 1e-9);
    for (const TSupportObject& support : ObjectsOf<TSupportObject>(doc))
      QCOMPARE(support.Direction, std::uint16_t{1});

    // Hinged bars and pins, braced by the diagonal: the frame stands.
    QVERIFY(window.Pages()->Choose(kAnalysisPage));
    QVERIFY(doc.ResultsValid);
    QVERIFY(app.Messages.Entries.empty());
  }

  void TheStatusBarGivesTheInstructionAndTheCursor() {
    AppFixture app;
    MainWindow& window = app.Start();
    ModelPage* page = window.Model();
    QCOMPARE(page->StatusPanel(0), QString::fromStdString(window.Commands().DocumentPath()));
    page->CreateButton(CreateTool::Node)->trigger();
    QCOMPARE(page->StatusPanel(0), QString::fromStdString(Translated(tr::kStatusPlacePoint)));
    MoveTo(window, 1, 2);
    // The default length unit is the centimetre.
    QCOMPARE(page->StatusPanel(1), QStringLiteral(" 100 [cm]"));
    QCOMPARE(page->StatusPanel(2), QStringLiteral(" 200 [cm]"));
    ClickAt(window, 1, 2);
    QCOMPARE(CountOf(window.Document(), ObjectKind::Node), 1);
    // The tool stays in hand for the next node until Esc.
    QCOMPARE(page->StatusPanel(0), QString::fromStdString(Translated(tr::kStatusPlacePoint)));
    QTest::keyClick(page->View(), Qt::Key_Escape);
    QCOMPARE(page->StatusPanel(0), QString::fromStdString(window.Commands().DocumentPath()));
  }

  void FarCoordinatesAreShownWhole() {
    AppFixture app;
    MainWindow& window =
        app.Start(app.WriteModel("far.qsd", "1;1;0;0;0;-1\n1;2;123456.789;-98765.432;0;-1\n"));
    ModelPage* page = window.Model();
    page->CreateButton(CreateTool::Node)->trigger();
    MoveTo(window, 123456.789, -98765.432);
    for (int panel : {1, 2}) {
      const QString text = page->StatusPanel(panel);
      QVERIFY2(text.size() > 12, qPrintable(text)); // " 12345679 [cm]" and the like
      const QLabel* label = nullptr;
      for (const QLabel* candidate : page->findChildren<QLabel*>())
        if (candidate->text() == text) label = candidate;
      QVERIFY(label != nullptr);
      QVERIFY(label->contentsRect().width() >= label->fontMetrics().horizontalAdvance(text));
    }
  }

  void ToolIconsKeepTheirInkOnADarkToolBar() {
    // The mean lightness of the pan icon's ink: its pixels that are drawn.
    const auto ink = [] {
      const QImage image = ToolIcon("pan").pixmap(24, 24).toImage();
      double sum = 0;
      int count = 0;
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
          if (const QColor c = image.pixelColor(x, y); c.alpha() > 200) {
            sum += c.lightness();
            ++count;
          }
      return count > 0 ? sum / count : -1.0;
    };
    const QPalette light = QApplication::palette();
    QVERIFY(!DarkPalette(light));
    QVERIFY(ink() < 100);
    QPalette dark = light;
    dark.setColor(QPalette::Window, QColor(45, 45, 45));
    dark.setColor(QPalette::Button, QColor(45, 45, 45));
    QApplication::setPalette(dark);
    QVERIFY(DarkPalette(QApplication::palette()));
    const double onDark = ink();
    QApplication::setPalette(light);
    QVERIFY2(onDark > 150, qPrintable(QString::number(onDark)));
  }

  void ButtonsFollowTheEditor() {
    AppFixture app;
    MainWindow& window = app.Start();
    ModelPage* page = window.Model();
    page->CreateButton(CreateTool::Force)->trigger();
    QVERIFY(page->CreateButton(CreateTool::Force)->isChecked());
    page->CreateButton(CreateTool::Moment)->trigger();
    QVERIFY(!page->CreateButton(CreateTool::Force)->isChecked());
    QVERIFY(page->CreateButton(CreateTool::Moment)->isChecked());
    QTest::keyClick(page->View(), Qt::Key_Escape);
    QVERIFY(!page->CreateButton(CreateTool::Moment)->isChecked());
    QCOMPARE(window.Model()->ModelEditor().State().Mode, 0);

    // At most one grid button is down; defining a grid shows its button down.
    QVERIFY(page->GridButton(kCartesianGrid)->isChecked());
    page->GridButton(kPolarGrid)->trigger();
    QVERIFY(page->GridButton(kPolarGrid)->isChecked());
    QVERIFY(!page->GridButton(kCartesianGrid)->isChecked());
    ClickAt(window, 0, 0);
    ClickAt(window, 1, 0);
    ClickAt(window, 1, 1);
    QCOMPARE(window.Model()->ModelEditor().Grid().GridType, std::uint16_t{kPolarGrid});
    QVERIFY(page->GridButton(kPolarGrid)->isChecked());
    // Releasing the last grid button leaves no grid.
    page->GridButton(kPolarGrid)->trigger();
    QCOMPARE(window.Model()->ModelEditor().Grid().GridType, std::uint16_t{kNoGrid});
    for (GridKind grid : {kCartesianGrid, kAngulatedGrid, kPolarGrid})
      QVERIFY(!page->GridButton(grid)->isChecked());

    page->ZoomWindowButton()->trigger();
    QVERIFY(window.Model()->ModelEditor().View().ZoomWindowActive);
    page->PanButton()->trigger();
    QVERIFY(page->PanButton()->isChecked());
    QVERIFY(!page->ZoomWindowButton()->isChecked());
  }

  void ADoubleClickOpensThePropertyDialog() {
    AppFixture app;
    MainWindow& window = app.Start();
    DrawBeam(window, {0, 0}, {4, 0});
    const std::size_t steps = window.History().UndoCount();
    QString shown;
    const auto cancelNext = [&shown] {
      testing::WhenShown<QDialog>([&shown](QDialog& d) { shown = d.windowTitle(); }, false);
    };
    cancelNext();
    DoubleClickAt(window, 2, 0);
    QCOMPARE(shown, QString::fromStdString(Translated(tr::kBeamCaption) + " B1"));
    // The second click of the pair toggles nothing: the beam ends deselected.
    QVERIFY(!ObjectsOf<TBeamObject>(window.Document()).begin().operator*().Selected);
    cancelNext();
    DoubleClickAt(window, 4, 0);
    QCOMPARE(shown, QString::fromStdString(Translated(tr::kNodeCaption) + " N2"));
    // Cancelled: nothing more to take back.
    QCOMPARE(window.History().UndoCount(), steps);
  }

  void DeleteKeyAndSelectAllShortcut() {
    AppFixture app;
    MainWindow& window = app.Start();
    DrawBeam(window, {0, 0}, {4, 0});
    QTest::keyClick(&window, Qt::Key_A, Qt::ControlModifier);
    for (const auto& object : window.Document().GraphObjects)
      QVERIFY(IsSelected(*object));
    QTest::keyClick(window.Model()->View(), Qt::Key_Delete);
    QVERIFY(window.Document().GraphObjects.empty());
  }

  void ResizingKeepsTheCentreOfTheView() {
    AppFixture app;
    const std::string frame = app.WriteModel("frame.qsd", testing::PortalFrameObjects());
    MainWindow& window = app.Start(frame);
    const ViewState& view = window.Model()->ModelEditor().View();
    const auto centre = [&view] { return ToModel(view, view.Width / 2.0, view.Height / 2.0); };
    const Point2 before = centre();
    const double scale = view.Scale;
    window.resize(window.width() + 200, window.height() + 100);
    QTRY_VERIFY(view.Width == window.Model()->View()->width());
    QCOMPARE(view.Scale, scale);
    const Point2 after = centre();
    QVERIFY(std::abs(after.X - before.X) < 1.0 / scale);
    QVERIFY(std::abs(after.Y - before.Y) < 1.0 / scale);
  }
};

STRANDEL_APP_TEST(ModelPageTest);

} // namespace strandel

#include "model_page_test.moc"
