// Beyond first order in the window: the warning bar and the status bar's alpha_cr
// of a slender column solved to first order, its buckling mode drawn on the
// Model page and gone with the next change, and with "Second order effects"
// on, a beam sheet that says its results are second order.

#include <QLabel>
#include <QTest>

#include "app/app_fixture.h"
#include "app/app_test_registry.h"
#include "app/model_page.h"
#include "app/model_view.h"
#include "app/page_control.h"
#include "model/document_file.h"
#include "render/buckling_picture.h"
#include "support/frame_models.h"

namespace strandel {

using testing::AppFixture;

namespace {

// A 4 m column on a fixed base pressed by half its Euler load and pushed
// sideways: alpha_cr = 2.
MainWindow& StartWithSlenderColumn(AppFixture& app, bool secondOrder) {
  const testing::Section section{0.1, 0.2};
  ModelDocument doc =
      testing::PressedColumn(4, 0.5 * testing::CantileverEulerLoad(4, section), 1000, section);
  doc.Settings.SecondOrder = secondOrder;
  const std::string path = app.Folder.File("column.qsd");
  if (!SaveDocument(doc, path).ok) qFatal("cannot save the column");
  return app.Start(path);
}

int ModePixels(const QImage& image) {
  int count = 0;
  const QColor mode = BucklingModeColour();
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      count += image.pixelColor(x, y) == mode;
  return count;
}

} // namespace

class SecondOrderWindowTest : public QObject {
  Q_OBJECT
private slots:
  void ASlenderColumnSolvedToFirstOrderWarnsAndShowsItsBucklingMode() {
    AppFixture app;
    MainWindow& window = StartWithSlenderColumn(app, false);
    ModelPage* page = window.Model();

    page->ShowDisplacementsButton()->trigger();
    QVERIFY(window.Document().ResultsValid);
    // The warning does not stop the work: a bar above the pages says it.
    QVERIFY(app.MessageTexts().empty());
    const QString warning = window.StabilityBar()->text();
    QVERIFY(window.StabilityBar()->isVisibleTo(&window));
    QVERIFY(warning.startsWith(QStringLiteral("alpha_cr = 2. ")));
    QVERIFY(warning.contains(QStringLiteral("EN 1993-1-1, 5.2.1")));
    QCOMPARE(page->StatusPanel(4), QStringLiteral("alpha_cr = 2"));

    const int before = ModePixels(page->View()->Snapshot());
    page->ShowBucklingButton()->trigger();
    QVERIFY(page->ShowsBuckling());
    QVERIFY(page->ShowBucklingButton()->isChecked());
    QVERIFY(ModePixels(page->View()->Snapshot()) > before + 100);
    // The results stay those of the analysis, first order.
    QVERIFY(window.Document().ResultsValid);
    QVERIFY(!window.Document().Segments.front().SecondOrder);

    // A change of the model takes the mode away with the results.
    page->ModelEditor().DeleteAllLoads();
    QVERIFY(!window.Document().ResultsValid);
    QVERIFY(!page->ShowsBuckling());
    QVERIFY(!page->ShowBucklingButton()->isChecked());
    QVERIFY(!window.StabilityBar()->isVisibleTo(&window));
  }

  void ABeamWithoutCompressionHasNoBucklingMode() {
    AppFixture app;
    const std::string path = app.Folder.File("beam.qsd");
    ModelDocument beam = testing::SimplySupportedBeam(6, 2000);
    QVERIFY(SaveDocument(beam, path).ok);
    MainWindow& window = app.Start(path);
    window.Model()->ShowBucklingButton()->trigger();
    QCOMPARE(app.MessageTexts(),
             std::vector<std::string>{
                 "Nothing is compressed: the frame has no buckling mode under these loads."});
    QVERIFY(!window.Model()->ShowsBuckling());
    QVERIFY(!window.Model()->ShowBucklingButton()->isChecked());
    QCOMPARE(window.Model()->StatusPanel(4), QStringLiteral("alpha_cr = none (nothing is compressed)"));
  }

  void WithSecondOrderEffectsTheBeamSheetSaysSo() {
    AppFixture app;
    MainWindow& window = StartWithSlenderColumn(app, true);
    QVERIFY(window.Pages()->Choose(kAnalysisPage));
    QVERIFY(!window.StabilityBar()->isVisibleTo(&window)); // the sway is in the forces
    QVERIFY(window.Document().Segments.front().SecondOrder);
    const std::vector<const TDiagramObject*> diagrams =
        PageObjectsOf<TDiagramObject>(window.Diagrams());
    QVERIFY(!diagrams.empty());
    for (const TDiagramObject* diagram : diagrams) {
      QVERIFY(!diagram->Notes.empty());
      QCOMPARE(diagram->Notes.front(),
               std::string("Second-order results: equilibrium on the displaced frame (P-delta)"));
    }
  }
};

STRANDEL_APP_TEST(SecondOrderWindowTest);

} // namespace strandel

#include "second_order_test.moc"
