// The Analysis page with all seven diagrams: the page goes on onto a second
// sheet as on paper, nothing is drawn on the desk outside the sheets, and the
// scroll bar, the wheel and the keys reach every sheet and stop at the top of
// the first and the foot of the last, while the beam list keeps its own keys.

#include <QComboBox>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include "app/analysis_page.h"
#include "app/app_fixture.h"
#include "app/app_test_registry.h"
#include "app/page_control.h"
#include "app/reports_page.h"
#include "app/sheet_area.h"
#include "render/beam_sheet.h"
#include "render/beam_sheet_pages.h"
#include "render/pixel_mapping.h"

namespace strandel {

using testing::AppFixture;

namespace {

const QColor kDesk(0x80, 0x80, 0x80);

// Pixels of the view that lie on the desk (outside every sheet's framed area,
// a pixel's margin allowed for the frame) and are not desk grey.
int InkOnTheDesk(const SheetArea& area, const QImage& shot) {
  int ink = 0;
  for (int y = 0; y < shot.height(); ++y) {
    for (int x = 0; x < shot.width(); ++x) {
      bool onSheet = false;
      for (int sheet = 0; sheet < area.SheetCount() && !onSheet; ++sheet) {
        const ViewState paper = PageView(area.View().Scale, 0, SheetOffset(area.View(), sheet),
                                         shot.width(), shot.height());
        const QPointF low = PixelOf(paper, kSheetMargin, kSheetMargin);
        const QPointF high =
            PixelOf(paper, kSheetWidth - kSheetMargin, kSheetHeight - kSheetMargin);
        onSheet = x >= low.x() - 2 && x <= high.x() + 2 && y >= high.y() - 2 && y <= low.y() + 2;
      }
      if (!onSheet && shot.pixelColor(x, y) != kDesk) ++ink;
    }
  }
  return ink;
}

void Wheel(SheetArea* area, int notches) {
  QWidget* viewport = area->viewport();
  const QPoint at(viewport->width() / 2, viewport->height() / 2);
  QWheelEvent event(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(viewport, &event);
}

} // namespace

class AnalysisSheetsTest : public QObject {
  Q_OBJECT
private slots:
  void AllSevenDiagramsLieOnTwoSheetsAndTheViewReachesTheLast() {
    AppFixture app;
    MainWindow& window = app.Start(app.WriteModel("frame.qsd", testing::PortalFrameObjects()));
    window.resize(900, 700);
    QVERIFY(window.Pages()->Choose(kAnalysisPage));
    SheetArea* area = window.Analysis()->Sheet();
    const BeamPage& page = window.Diagrams();
    for (bool shown : page.ShowDiagram)
      QVERIFY(shown);
    const std::size_t sheets = BeamSheets(page).size();
    QCOMPARE(sheets, std::size_t{2});
    QCOMPARE(area->SheetCount(), 2);
    QVERIFY(area->verticalScrollBar()->isVisible());

    // From the top of the first sheet to the foot of the last, page by page:
    // nothing on the desk anywhere.
    const OffsetRange range = area->Range();
    QCOMPARE(area->View().OffsetY, range.Highest);
    int steps = 0;
    while (true) {
      QCOMPARE(InkOnTheDesk(*area, area->Snapshot()), 0);
      if (area->View().OffsetY == range.Lowest || ++steps > 20) break;
      QTest::keyClick(&window, Qt::Key_PageDown);
    }
    QVERIFY(steps < 20);
    // At the end the scroll bar is at its end and the foot of the last sheet's
    // frame (5 mm above its edge) at the foot of the view.
    QCOMPARE(area->verticalScrollBar()->value(), area->verticalScrollBar()->maximum());
    const int height = area->viewport()->height();
    const ViewState lastPaper =
        PageView(area->View().Scale, 0, SheetOffset(area->View(), 1), 10, height);
    const double foot = PixelOf(lastPaper, 0, kSheetMargin).y();
    QVERIFY2(foot > height - 6 * area->View().Scale && foot < height,
             qPrintable(QString::number(foot)));
    // The last diagram (utilisation) lies within reach: the view can stop with
    // its frame at the top, and there it is drawn.
    const std::vector<BeamSheet> paper = BeamSheets(page);
    const TDiagramObject* last = PageObjectsOf<TDiagramObject>(page).back();
    QCOMPARE(last->Kind, DiagramKind::Utilisation);
    const double deskTop = last->Top - paper.back().OriginY - (kSheetHeight + kSheetGapMm);
    const double wanted = deskTop - height / area->View().Scale;
    QVERIFY(wanted >= range.Lowest && wanted <= range.Highest);
    area->Scroll(wanted - area->View().OffsetY);
    QCOMPARE(area->View().OffsetY, wanted);
    QCOMPARE(InkOnTheDesk(*area, area->Snapshot()), 0);
    const QImage shot = area->Snapshot();
    const int frameRow = static_cast<int>(3 * area->View().Scale); // 3 mm into the frame
    QCOMPARE(shot.pixelColor(shot.width() / 2 + 20, frameRow), QColor(0xEB, 0xEB, 0xEB));
  }

  void KeysAndTheWheelStayWithinTheSheets() {
    AppFixture app;
    MainWindow& window = app.Start(app.WriteModel("frame.qsd", testing::PortalFrameObjects()));
    window.resize(900, 700);
    QVERIFY(window.Pages()->Choose(kAnalysisPage));
    SheetArea* area = window.Analysis()->Sheet();
    QComboBox* beams = window.Analysis()->BeamList();
    beams->setFocus();
    const OffsetRange range = area->Range();
    const double viewHeight = area->viewport()->height() / area->View().Scale;
    const int firstBeam = beams->currentIndex();
    struct Step {
      Qt::Key Key;
      double Offset; // expected afterwards, mm
    };
    // The keys go to the sheets even while the beam list has the focus.
    const Step steps[] = {
        {Qt::Key_Up, range.Highest}, // already at the top: nothing above it
        {Qt::Key_Down, range.Highest - 10},
        {Qt::Key_Down, range.Highest - 20},
        {Qt::Key_PageDown, range.Highest - 20 - (viewHeight - 10)},
        {Qt::Key_PageUp, range.Highest - 20},
        {Qt::Key_End, range.Lowest},
        {Qt::Key_Down, range.Lowest}, // nothing below the last sheet
        {Qt::Key_PageDown, range.Lowest},
        {Qt::Key_Home, range.Highest},
    };
    for (const Step& step : steps) {
      QTest::keyClick(beams, step.Key);
      QVERIFY2(std::abs(area->View().OffsetY - step.Offset) < 1e-9,
               qPrintable(QString("key %1: %2 not %3")
                              .arg(step.Key)
                              .arg(area->View().OffsetY)
                              .arg(step.Offset)));
      QCOMPARE(beams->currentIndex(), firstBeam);
    }
    // The wheel: three steps of 10 mm a notch, down and back, never past the top.
    Wheel(area, -1);
    QVERIFY(std::abs(area->View().OffsetY - (range.Highest - 30)) < 0.5);
    Wheel(area, 2);
    QVERIFY(std::abs(area->View().OffsetY - range.Highest) < 1e-9);
    // The scroll bar dragged to its end shows the foot of the last sheet.
    area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
    QVERIFY(std::abs(area->View().OffsetY - range.Lowest) < 1 / area->View().Scale);

    // The beam list keeps its keys: with Ctrl they step through the beams.
    const long before = window.Document().Settings.FBDBeamNo;
    QTest::keyClick(beams, Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(beams->currentIndex(), firstBeam + 1);
    QVERIFY(window.Document().Settings.FBDBeamNo != before);
    QTest::keyClick(beams, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(beams->currentIndex(), beams->count() - 1);
    QTest::keyClick(beams, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(beams->currentIndex(), 0);
    QCOMPARE(window.Document().Settings.FBDBeamNo, before);
    // A new beam keeps the view where it was, as far as its sheets allow.
    QVERIFY(area->View().OffsetY >= area->Range().Lowest);
  }

  void OnTheModelPageTheKeysAreNotTheSheets() {
    AppFixture app;
    MainWindow& window = app.Start(app.WriteModel("frame.qsd", testing::PortalFrameObjects()));
    QVERIFY(window.Pages()->Choose(kAnalysisPage));
    SheetArea* analysis = window.Analysis()->Sheet();
    QTest::keyClick(&window, Qt::Key_Down);
    const double analysisOffset = analysis->View().OffsetY;
    const double reportOffset = window.Reports()->Sheet()->View().OffsetY;
    QVERIFY(window.Pages()->Choose(kModelPage));
    for (Qt::Key key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End})
      QTest::keyClick(&window, key);
    QCOMPARE(analysis->View().OffsetY, analysisOffset);
    QCOMPARE(window.Reports()->Sheet()->View().OffsetY, reportOffset);
  }
};

STRANDEL_APP_TEST(AnalysisSheetsTest);

} // namespace strandel

#include "analysis_sheets_test.moc"
