// What the pages draw: the model picture with the grid and the editor's
// overlays, the beam sheet on the grey desk, and the report sheets.

#include <QTest>

#include "app/analysis_page.h"
#include "app/app_fixture.h"
#include "app/app_test_registry.h"
#include "app/model_page.h"
#include "app/model_view.h"
#include "app/page_control.h"
#include "app/reports_page.h"
#include "app/sheet_area.h"

namespace strandel {

using testing::AppFixture;

namespace {

int CountColour(const QImage& image, const QRect& area, const QColor& colour) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      count += image.pixelColor(x, y) == colour;
  return count;
}

QRect Around(const ViewState& view, double x, double y, int radius) {
  const PixelPoint at = ToScreen(view, x, y);
  return QRect(at.X - radius, at.Y - radius, 2 * radius + 1, 2 * radius + 1);
}

} // namespace

class PaintingTest : public QObject {
  Q_OBJECT
private slots:
  void TheModelPageDrawsTheModelAndTheCursor() {
    AppFixture app;
    const std::string frame = app.WriteModel("frame.qsd", testing::PortalFrameObjects());
    MainWindow& window = app.Start(frame);
    ModelView* view = window.Model()->View();
    const ViewState& state = window.Model()->ModelEditor().View();
    QImage shot = view->Snapshot();
    QCOMPARE(shot.size(), view->size());
    // The green support triangle just below each foot; the load band lies on the
    // side of the top beam its direction points to, below it.
    const QColor supportGreen(0, 221, 0);
    const QColor loadYellow(244, 244, 0);
    QVERIFY(CountColour(shot, Around(state, 0, -0.12, 6), supportGreen) > 5);
    QVERIFY(CountColour(shot, Around(state, 4, -0.12, 6), supportGreen) > 5);
    QVERIFY(CountColour(shot, Around(state, 2, 2.82, 6), loadYellow) > 5);
    // Empty space shows white paper and the grid's lines.
    const QRect empty = Around(state, 2, 1.5, 30);
    QVERIFY(CountColour(shot, empty, Qt::white) > empty.width() * empty.height() / 2);
    QVERIFY(CountColour(shot, empty, QColor(153, 204, 204)) > 20);

    // The cursor cross shows over the picture while a tool waits for a click:
    // two strokes of 12 pixels through the snapped point, the rest unchanged.
    window.Model()->CreateButton(CreateTool::Node)->trigger();
    const PixelPoint at = ToScreen(state, 2, 1.5);
    QTest::mouseMove(view, QPoint(at.X, at.Y));
    QVERIFY(window.Model()->ModelEditor().Grid().CursorVisible);
    const QImage withCross = view->Snapshot();
    int changed = 0;
    for (int y = 0; y < shot.height(); ++y)
      for (int x = 0; x < shot.width(); ++x)
        changed += withCross.pixel(x, y) != shot.pixel(x, y);
    QVERIFY(changed >= 20 && changed <= 24);
  }

  void TheReportsPageShowsItsSheets() {
    AppFixture app;
    const std::string frame = app.WriteModel("frame.qsd", testing::PortalFrameObjects());
    MainWindow& window = app.Start(frame);
    QVERIFY(window.Pages()->Choose(kReportsPage));
    SheetArea* sheet = window.Reports()->Sheet();
    const QImage shot = sheet->Snapshot();
    const double scale = sheet->View().Scale;
    const int y = shot.height() / 2;
    QCOMPARE(shot.pixelColor(int(2 * scale), y), QColor(0x80, 0x80, 0x80));
    QCOMPARE(shot.pixelColor(int(10 * scale), y), QColor(Qt::white));
  }
};

STRANDEL_APP_TEST(PaintingTest);

} // namespace strandel

#include "painting_test.moc"
