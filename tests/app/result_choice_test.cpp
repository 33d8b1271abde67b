// The result choice of the Model and Analysis pages for a document with load
// cases: a case, a combination or an envelope chosen on either page is what
// both pages show, without solving again, and the Analysis page of an envelope
// draws both curves and names the governing combinations.

#include <QComboBox>
#include <QTest>
#include <cmath>

#include "app/analysis_page.h"
#include "app/app_fixture.h"
#include "app/app_test_registry.h"
#include "app/model_page.h"
#include "app/page_control.h"
#include "app/result_choice_box.h"
#include "model/result_choice.h"

namespace strandel {

using testing::AppFixture;

namespace {

// The portal frame with its beam load as dead load (case 1), a sideways force
// at the top of the left column as wind (case 2), and three combinations.
std::string PortalWithCases() {
  return testing::PortalFrameObjects() + "5;1;2;0;3;0;4000;2\n"
                                         "7;1;Dead;G;0;1;1;1;True\n"
                                         "7;2;Wind;W;3;0.6;0.2;0;False\n"
                                         "8;1;Dead alone;ULS;1;1.35\n"
                                         "8;2;Wind leading;ULS;1;1.35;2;1.5\n"
                                         "8;3;Service;SLS-C;1;1;2;1\n";
}

void Choose(QComboBox* box, const std::string& text) {
  const int index = box->findText(QString::fromStdString(text));
  QVERIFY2(index >= 0, text.c_str());
  box->setCurrentIndex(index);
  emit box->activated(index);
}

// The sideways force the left column's foot takes: what tells the results of
// the wind apart from those of the dead load alone.
double FootShear(const ModelDocument& doc) {
  for (const TSupportObject& support : ObjectsOf<TSupportObject>(doc))
    if (support.NodeNo == 1) return support.Reactions[0];
  return 0;
}

const TDiagramObject* MomentDiagram(const BeamPage& page) {
  for (const TDiagramObject* diagram : PageObjectsOf<TDiagramObject>(page))
    if (diagram->Kind == DiagramKind::Moment) return diagram;
  return nullptr;
}

} // namespace

class ResultChoiceTest : public QObject {
  Q_OBJECT
private slots:
  void BothPagesShowTheChosenResult() {
    AppFixture app;
    MainWindow& window = app.Start(app.WriteModel("portal.qsd", PortalWithCases()));
    const ModelDocument& doc = window.Document();
    QVERIFY(window.Pages()->Choose(kAnalysisPage));
    QVERIFY(doc.ResultsValid);
    ResultChoiceBox* onAnalysis = window.Analysis()->ResultChoice();
    ResultChoiceBox* onModel = window.Model()->ResultChoice();
    QCOMPARE(onAnalysis->count(), 1 + 2 + 3 + 2); // governing, cases, combinations, envelopes
    QCOMPARE(onAnalysis->currentText(), QStringLiteral("Governing ULS combination"));
    // The wind leads the governing combination: 1.5 x 4 kN sideways.
    const double governing = FootShear(doc);
    QVERIFY(std::fabs(governing) > 1000);

    Choose(onAnalysis, "Case 1: Dead");
    QCOMPARE(doc.Settings.ResultSet, std::string("case 1"));
    QVERIFY(doc.ResultsValid);
    QVERIFY(std::fabs(FootShear(doc)) < std::fabs(governing));
    QCOMPARE(onModel->currentText(), QStringLiteral("Case 1: Dead"));

    Choose(onModel, "Combination 2: Wind leading");
    QCOMPARE(FootShear(doc), governing);
    QCOMPARE(onAnalysis->currentText(), QStringLiteral("Combination 2: Wind leading"));
    const TDiagramObject* single = MomentDiagram(window.BeamSheet());
    QVERIFY(single != nullptr);
    QVERIFY(single->Notes.empty());

    // An envelope: two curves, the governing combinations named under them.
    Choose(onAnalysis, "Envelope ULS");
    const TDiagramObject* envelope = MomentDiagram(window.BeamSheet());
    QVERIFY(envelope != nullptr);
    QCOMPARE(envelope->Curve1.size(), envelope->Curve2.size());
    QCOMPARE(envelope->Extremes.size(), std::size_t{2});
    QCOMPARE(envelope->Notes.size(), std::size_t{3});
    for (std::size_t i = 0; i < envelope->Curve1.size(); ++i)
      QVERIFY(envelope->Curve1[i].Y >= envelope->Curve2[i].Y);
    QVERIFY(envelope->Extremes.front().Combination >= 1);
    QVERIFY(envelope->Extremes.front().Combination <= 2);
    // The free body shows the combination that governs the envelope.
    QCOMPARE(FootShear(doc), governing);
  }

  void ADocumentWithoutCasesHasNoResultToChoose() {
    AppFixture app;
    MainWindow& window = app.Start(app.WriteModel("plain.qsd", testing::PortalFrameObjects()));
    QVERIFY(window.Pages()->Choose(kAnalysisPage));
    QCOMPARE(window.Analysis()->ResultChoice()->count(), 0);
    QVERIFY(!window.Analysis()->ResultChoiceItem()->isVisible());
  }
};

STRANDEL_APP_TEST(ResultChoiceTest);

} // namespace strandel

#include "result_choice_test.moc"
