// An unstable structure on the Model page: the message says where it can move,
// and the page rings that node while the message is shown.

#include <QTest>

#include "analysis/unstable_frames.h"
#include "app/app_fixture.h"
#include "app/app_test_registry.h"
#include "app/model_page.h"
#include "app/model_view.h"
#include "app/page_control.h"
#include "common/text_entries.h"
#include "common/translation.h"
#include "model/document_file.h"
#include "view/view_state.h"

namespace strandel {

using testing::AppFixture;

namespace {

// Pixels of the mark's red within `radius` of the point.
int RedPixelsNear(const QImage& image, PixelPoint at, int radius) {
  int red = 0;
  for (int y = at.Y - radius; y <= at.Y + radius; ++y) {
    for (int x = at.X - radius; x <= at.X + radius; ++x) {
      if (!image.rect().contains(x, y)) continue;
      const QColor c = image.pixelColor(x, y);
      red += c.red() > 180 && c.green() < 90 && c.blue() < 90;
    }
  }
  return red;
}

} // namespace

class UnstableModelTest : public QObject {
  Q_OBJECT
private slots:
  void TheMessageSaysWhereAndThePageMarksTheNode() {
    AppFixture app;
    const std::string path = app.Folder.File("sway.qsd");
    ModelDocument portal = testing::SwayPortal(true);
    QVERIFY(SaveDocument(portal, path).ok);
    MainWindow& window = app.Start(path);
    ModelView* view = window.Model()->View();
    const TNodeObject* node3 = FindNode(window.Document(), 3);
    QVERIFY(node3);

    long markedWhileShown = -1;
    int redAtNode = 0, redElsewhere = 0;
    app.Messages.OnShow = [&](const std::string&) {
      markedWhileShown = view->MarkedNode();
      const QImage shot = view->Snapshot();
      const ViewState& state = window.Model()->ModelEditor().View();
      redAtNode = RedPixelsNear(shot, ToScreen(state, node3->X, node3->Y), 45);
      const TNodeObject* node1 = FindNode(window.Document(), 1);
      redElsewhere = RedPixelsNear(shot, ToScreen(state, node1->X, node1->Y), 10);
    };
    // The hinged portal sways: its girder's far end, node 3, moves along x.
    QVERIFY(!window.Pages()->Choose(kAnalysisPage));
    QCOMPARE(window.Pages()->Current(), int(kModelPage));
    QCOMPARE(app.MessageTexts(),
             std::vector<std::string>{Translated(tr::kMsgAnalysisFailed) +
                                      "\nThe structure can move at node 3 in x."});
    QCOMPARE(markedWhileShown, 3L);
    QVERIFY(redAtNode > 100);
    QCOMPARE(redElsewhere, 0);
    // Once the message is gone, so is the mark.
    QCOMPARE(view->MarkedNode(), -1L);
    const QImage after = view->Snapshot();
    QCOMPARE(RedPixelsNear(after,
                           ToScreen(window.Model()->ModelEditor().View(), node3->X, node3->Y), 45),
             0);

    // The displacement display asks for results the same way.
    app.Messages.Entries.clear();
    markedWhileShown = -1;
    window.Model()->ShowDisplacementsButton()->trigger();
    QVERIFY(!window.Document().ShowDisplacements);
    QCOMPARE(app.Messages.Entries.size(), std::size_t{1});
    QCOMPARE(markedWhileShown, 3L);
    QCOMPARE(view->MarkedNode(), -1L);
  }

  void AFailureWithoutAPlaceMarksNothing() {
    // Two nodes in one place: a stretch of no length, no node to point at.
    ModelDocument doc = testing::EmptyModel();
    testing::AddNode(doc, 1, 1, 1);
    testing::AddNode(doc, 2, 1, 1);
    testing::AddBeam(doc, 1, 1, 2);
    testing::AddSupport(doc, 1, 1, false, 3, true);
    AppFixture app;
    const std::string path = app.Folder.File("point.qsd");
    QVERIFY(SaveDocument(doc, path).ok);
    MainWindow& window = app.Start(path);
    long marked = -2;
    app.Messages.OnShow = [&](const std::string&) {
      marked = window.Model()->View()->MarkedNode();
    };
    QVERIFY(!window.Pages()->Choose(kAnalysisPage));
    QCOMPARE(marked, -1L);
    QCOMPARE(app.MessageTexts(), std::vector<std::string>{Translated(tr::kMsgAnalysisFailed)});
  }
};

STRANDEL_APP_TEST(UnstableModelTest);

} // namespace strandel

#include "unstable_model_test.moc"
