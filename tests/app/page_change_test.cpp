// Changing pages needs a solved model: the analysis runs when the results are
// out of date, and an unstable structure keeps the user on the Model page.

#include <QComboBox>
#include <QGuiApplication>
#include <QTest>

#include "app/analysis_page.h"
#include "app/app_fixture.h"
#include "app/app_test_registry.h"
#include "app/model_page.h"
#include "app/page_control.h"
#include "app/reports_page.h"
#include "common/text_entries.h"
#include "common/translation.h"

namespace strandel {

using testing::AppFixture;

class PageChangeTest : public QObject {
  Q_OBJECT
private slots:
  void StandardStructureOpensAsATemplateAndSolves() {
    AppFixture app;
    MainWindow& window = app.Start();
    const std::vector<std::string> recentBefore = window.Settings().RecentDocs;
    const std::string folderBefore = window.Settings().LastPath;
    QAction* item = app.StandardStructureItem("Simply supported beam");
    QVERIFY(item);
    item->trigger();
    ModelDocument& doc = window.Document();
    QVERIFY(!doc.GraphObjects.empty());
    QCOMPARE(doc.FileName, std::string("Noname.qsd"));
    QVERIFY(doc.Modified);
    QCOMPARE(window.Settings().LastPath, folderBefore);
    QCOMPARE(window.Settings().RecentDocs, recentBefore);
    QVERIFY(!doc.ResultsValid);

    // The Analysis page runs the analysis and lists the beams.
    QVERIFY(window.Pages()->Choose(kAnalysisPage));
    QCOMPARE(window.Pages()->Current(), int(kAnalysisPage));
    QVERIFY(doc.ResultsValid);
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    int beams = 0;
    for (const TBeamObject& beam : ObjectsOf<TBeamObject>(doc))
      beams += beam.Number > 0;
    QCOMPARE(window.Analysis()->BeamList()->count(), beams);
    QVERIFY(!window.Diagrams().Objects.empty());
    QCOMPARE(window.Analysis()->BeamList()->maxVisibleItems(), 20);

    // The Reports page, and back to the model.
    QVERIFY(window.Pages()->Choose(kReportsPage));
    QCOMPARE(window.Pages()->Current(), int(kReportsPage));
    QVERIFY(window.Pages()->Choose(kModelPage));
    QVERIFY(app.Messages.Entries.empty());
  }

  void AnUnstableModelStaysOnTheModelPage() {
    AppFixture app;
    const std::string path = app.WriteModel("loose.qsd", testing::UnsupportedBeamObjects());
    MainWindow& window = app.Start(path);
    for (int page : {int(kAnalysisPage), int(kReportsPage)}) {
      app.Messages.Entries.clear();
      QVERIFY(!window.Pages()->Choose(page));
      QCOMPARE(window.Pages()->Current(), int(kModelPage));
      QCOMPARE(window.Pages()->Tabs()->currentIndex(), int(kModelPage));
      // Nothing holds the beam: it moves as a whole, named by its first node.
      QCOMPARE(app.MessageTexts(),
               std::vector<std::string>{Translated(tr::kMsgAnalysisFailed) +
                                        "\nThe structure can move at node 1 in x."});
      QVERIFY(!window.Document().ResultsValid);
      // The busy pointer went away although the analysis failed.
      QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }
  }

  void ResultDisplaysNeedASolvedModel() {
    AppFixture app;
    const std::string loose = app.WriteModel("loose.qsd", testing::UnsupportedBeamObjects());
    MainWindow& window = app.Start(loose);
    QAction* displacements = window.Model()->ShowDisplacementsButton();
    QAction* utilisation = window.Model()->ShowUtilisationButton();
    displacements->trigger();
    QVERIFY(!displacements->isChecked());
    QVERIFY(!window.Document().ShowDisplacements);
    utilisation->trigger();
    QVERIFY(!utilisation->isChecked());
    QCOMPARE(app.Messages.Entries.size(), std::size_t{2});

    const std::string frame = app.WriteModel("frame.qsd", testing::PortalFrameObjects());
    app.Messages.Entries.clear();
    app.Dialogs.OpenAnswers = {frame};
    window.Menu().Open->trigger();
    window.Document().DisplacementScale = 25;
    displacements->trigger();
    QVERIFY(displacements->isChecked());
    QVERIFY(window.Document().ShowDisplacements);
    QVERIFY(window.Document().ResultsValid);
    // Switching the displaced shape on goes back to the automatic scale.
    QCOMPARE(window.Document().DisplacementScale, 0.0);
    utilisation->trigger();
    QVERIFY(utilisation->isChecked());
    QVERIFY(app.Messages.Entries.empty());
    // Any change of the model switches both off.
    window.Model()->ModelEditor().SelectAll();
    window.Model()->ModelEditor().Delete();
    QVERIFY(!displacements->isChecked());
    QVERIFY(!utilisation->isChecked());
  }

  void TheAnalysisPageFollowsTheBeamListAndTheDiagramButtons() {
    AppFixture app;
    const std::string frame = app.WriteModel("frame.qsd", testing::PortalFrameObjects());
    MainWindow& window = app.Start(frame);
    QVERIFY(window.Pages()->Choose(kAnalysisPage));
    QComboBox* beams = window.Analysis()->BeamList();
    QCOMPARE(beams->count(), 3);
    QCOMPARE(beams->itemText(1), QStringLiteral("Beam; 2"));
    beams->setCurrentIndex(1);
    emit beams->activated(1);
    QCOMPARE(window.Document().Settings.FBDBeamNo, 2);
    const auto diagrams = [&window] {
      return PageObjectsOf<TDiagramObject>(window.Diagrams()).size();
    };
    QCOMPARE(diagrams(), std::size_t{7});
    window.Analysis()->DiagramButton(DiagramKind::Moment)->trigger();
    QVERIFY(!window.Diagrams().ShowDiagram[2]);
    QCOMPARE(diagrams(), std::size_t{6});
  }

  void OpeningADocumentGoesBackToTheModel() {
    AppFixture app;
    const std::string frame = app.WriteModel("frame.qsd", testing::PortalFrameObjects());
    MainWindow& window = app.Start(frame);
    QVERIFY(window.Pages()->Choose(kAnalysisPage));
    window.Menu().New->trigger();
    QCOMPARE(window.Pages()->Current(), int(kModelPage));
    QCOMPARE(window.Pages()->Tabs()->currentIndex(), int(kModelPage));
  }
};

STRANDEL_APP_TEST(PageChangeTest);

} // namespace strandel

#include "page_change_test.moc"
