// The load cases and combinations dialogs as a user goes through them: cases
// added and deleted with their loads, a load moved to another case, factors
// typed and generated; each OK one step, Cancel none, and the Model page's
// active-case choice following the document.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

#include "app/app_fixture.h"
#include "app/app_test_registry.h"
#include "app/case_choice.h"
#include "app/combinations_dialog.h"
#include "app/dialog_bench.h"
#include "app/load_cases_dialog.h"
#include "app/load_dialog.h"
#include "app/model_page.h"
#include "app/numeric_field_edit.h"
#include "app/when_shown.h"
#include "common/text_entries.h"
#include "model/document_file.h"

namespace strandel {

using testing::AppFixture;
using testing::Type;
using testing::WhenShown;

namespace {

void Choose(QComboBox* box, int index) {
  box->setCurrentIndex(index);
  emit box->activated(index);
}

int LoadIndex(const ModelDocument& doc) {
  for (std::size_t i = 0; i < doc.GraphObjects.size(); ++i)
    if (KindOf(*doc.GraphObjects[i]) == ObjectKind::Load) return static_cast<int>(i);
  return -1;
}

} // namespace

class CaseDialogsTest : public QObject {
  Q_OBJECT
private slots:
  void LoadCasesAreAddedMovedIntoAndDeletedAsOneStepEach() {
    AppFixture app;
    MainWindow& window = app.Start(app.WriteModel("frame.qsd", testing::PortalFrameObjects()));
    const ModelDocument& doc = window.Document();
    CaseChoice* choice = window.Model()->ActiveCaseChoice();
    QVERIFY(!window.Model()
                 ->ActiveCaseItem()
                 ->isVisible()); // a document without cases has nothing to choose
    const std::string plain = WriteDocumentText(doc);

    // Cancel changes nothing, whatever was done in the dialog.
    WhenShown<LoadCasesDialog>(
        [](LoadCasesDialog& d) {
          QTest::mouseClick(d.AddButton(), Qt::LeftButton);
          Type(d.NameEdit(), "Wind");
        },
        false);
    window.Menu().LoadCases->trigger();
    QCOMPARE(WriteDocumentText(doc), plain);
    QCOMPARE(window.History().UndoCount(), std::size_t{0});

    WhenShown<LoadCasesDialog>([](LoadCasesDialog& d) {
      QCOMPARE(d.List()->rowCount(), 1); // the default: case 1, holding every load
      QCOMPARE(d.SelfWeightBox()->isChecked(), true);
      QTest::mouseClick(d.AddButton(), Qt::LeftButton);
      QCOMPARE(d.List()->rowCount(), 2);
      Type(d.NameEdit(), "Snow on roof");
      Choose(d.CategoryBox(), static_cast<int>(ActionCategory::Snow));
      QCOMPARE(d.PsiEdit(0)->Text(), FieldText(0.7, 1));
      Type(d.PsiEdit(2), "0.25");
      QCOMPARE(d.List()->item(1, 1)->text(), QString("Snow on roof"));
    });
    window.Menu().LoadCases->trigger();
    QCOMPARE(doc.Settings.LoadCases.size(), std::size_t{2});
    const TLoadCase& snow = doc.Settings.LoadCases[1];
    QCOMPARE(snow.Name, std::string("Snow on roof"));
    QCOMPARE(snow.Category, ActionCategory::Snow);
    QCOMPARE(snow.Duration, DurationClass::MediumTerm);
    QCOMPARE(snow.Psi2, 0.25);
    QCOMPARE(window.History().UndoCount(), std::size_t{1});
    QCOMPARE(window.History().UndoName(), tr::kLoadCasesCaption);
    QVERIFY(window.Model()->ActiveCaseItem()->isVisible());
    QCOMPARE(choice->Box()->count(), 2);
    const std::string withCases = WriteDocumentText(doc);
    window.Menu().Undo->trigger();
    QCOMPARE(WriteDocumentText(doc), plain);
    QVERIFY(!window.Model()->ActiveCaseItem()->isVisible());
    window.Menu().Redo->trigger();
    QCOMPARE(WriteDocumentText(doc), withCases);

    // The load goes into the snow case through its property dialog.
    WhenShown<TfFQMprop>([](TfFQMprop& d) {
      QVERIFY(d.CaseBox());
      Choose(d.CaseBox(), 1);
    });
    window.OpenPropertyDialog(ObjectKind::Load, LoadIndex(doc));
    QCOMPARE(ObjectAt<TLoadObject>(doc, LoadIndex(doc))->Case, std::uint16_t{2});
    QCOMPARE(window.History().UndoCount(), std::size_t{2});

    // Deleting the snow case asks about its load; No keeps it, Yes deletes it.
    app.Messages.Answers = {MessageAnswer::No, MessageAnswer::Yes};
    WhenShown<LoadCasesDialog>([](LoadCasesDialog& d) {
      d.List()->setCurrentCell(1, 1);
      QTest::mouseClick(d.DeleteButton(), Qt::LeftButton);
      QCOMPARE(d.List()->rowCount(), 2);
      QTest::mouseClick(d.DeleteButton(), Qt::LeftButton);
      QCOMPARE(d.List()->rowCount(), 1);
      QVERIFY(!d.DeleteButton()->isEnabled()); // the last case stays
    });
    window.Menu().LoadCases->trigger();
    const auto texts = app.MessageTexts();
    QVERIFY(!texts.empty());
    QCOMPARE(texts.back(), std::string("Load case 2 holds loads: 1, forces: 0, moments: 0, "
                                       "supports: 0. Delete them with the case?"));
    QCOMPARE(LoadIndex(doc), -1);
    QCOMPARE(doc.Settings.LoadCases.size(), std::size_t{1});
    QCOMPARE(window.History().UndoCount(), std::size_t{3});
    window.Menu().Undo->trigger(); // the case and its load come back together
    QVERIFY(LoadIndex(doc) >= 0);
    QCOMPARE(doc.Settings.LoadCases.size(), std::size_t{2});
  }

  void CombinationsAreTypedRefusedAndGenerated() {
    AppFixture app;
    MainWindow& window = app.Start(app.WriteModel("frame.qsd", testing::PortalFrameObjects()));
    const ModelDocument& doc = window.Document();
    WhenShown<LoadCasesDialog>([](LoadCasesDialog& d) {
      QTest::mouseClick(d.AddButton(), Qt::LeftButton);
      Choose(d.CategoryBox(), static_cast<int>(ActionCategory::ImposedB));
    });
    window.Menu().LoadCases->trigger();
    const std::string before = WriteDocumentText(doc);
    const std::size_t steps = window.History().UndoCount();

    // A factor that is no finite number keeps the dialog open on its field.
    bool stayedOpen = false;
    WhenShown<CombinationsDialog>(
        [](CombinationsDialog& d) {
          QCOMPARE(d.Table()->rowCount(), 1);
          QCOMPARE(d.FactorItem(0, 0)->text(), QString(FieldText(1.0, 1).c_str()));
          QCOMPARE(d.FactorItem(0, 1)->text(), QString()); // case 2 is not in it
          d.FactorItem(0, 1)->setText("1/0");
          QCOMPARE(d.FactorItem(0, 1)->text(), QString("1/0")); // kept as typed
          QCOMPARE(d.FactorItem(0, 1)->background().color(), RefusedFieldColour());
          QCOMPARE(d.Refusal()->text(), QString("Division by zero"));
          d.FactorItem(0, 1)->setText("2*0.75"); // corrected: the value, no reason left
          QCOMPARE(d.FactorItem(0, 1)->text(), QString(FieldText(1.5, 1).c_str()));
          QCOMPARE(d.Refusal()->text(), QString());
          d.FactorItem(0, 0)->setText("");
          d.FactorItem(0, 1)->setText(" "); // no case left in the combination
        },
        true, &stayedOpen);
    window.Menu().Combinations->trigger();
    QVERIFY(stayedOpen);
    QCOMPARE(WriteDocumentText(doc), before);
    QCOMPARE(window.History().UndoCount(), steps);

    // Generate asks before it replaces the combination; Yes replaces it.
    app.Messages.Answers = {MessageAnswer::Yes};
    int generated = 0;
    WhenShown<CombinationsDialog>([&generated](CombinationsDialog& d) {
      QTest::mouseClick(d.RuleButton(UltimateRule::Eq610ab), Qt::LeftButton);
      QTest::mouseClick(d.GenerateButton(), Qt::LeftButton);
      generated = d.Table()->rowCount();
      QVERIFY(generated > 1);
      QCOMPARE(d.KindBox(0)->currentIndex(), static_cast<int>(CombinationKind::Ultimate));
    });
    window.Menu().Combinations->trigger();
    GeneratorFactors factors;
    factors.Rule = UltimateRule::Eq610ab;
    QCOMPARE(doc.Settings.Combinations, GenerateCombinations(doc.Settings.LoadCases, factors, 1));
    QCOMPARE(static_cast<int>(doc.Settings.Combinations.size()), generated);
    QCOMPARE(window.History().UndoCount(), steps + 1);
    QCOMPARE(window.History().UndoName(), tr::kCombinationsCaption);
    window.Menu().Undo->trigger();
    QCOMPARE(WriteDocumentText(doc), before);
  }

  void TheActiveCaseChoiceFadesTheOtherCasesUntilAllAreShown() {
    AppFixture app;
    MainWindow& window = app.Start(app.WriteModel("frame.qsd", testing::PortalFrameObjects()));
    WhenShown<LoadCasesDialog>(
        [](LoadCasesDialog& d) { QTest::mouseClick(d.AddButton(), Qt::LeftButton); });
    window.Menu().LoadCases->trigger();
    CaseChoice* choice = window.Model()->ActiveCaseChoice();
    Editor& editor = window.Model()->ModelEditor();
    QCOMPARE(editor.ActiveCase(), std::uint16_t{1});
    Choose(choice->Box(), 1);
    QCOMPARE(editor.ActiveCase(), std::uint16_t{2});
    QCOMPARE(editor.UnfadedCase(), std::optional<std::uint16_t>(2));
    choice->ShowAllBox()->click();
    QVERIFY(!editor.UnfadedCase());
    // Undo takes the case away: the choice goes back to the first case.
    window.Menu().Undo->trigger();
    QCOMPARE(editor.ActiveCase(), std::uint16_t{1});
    QVERIFY(!window.Model()->ActiveCaseItem()->isVisible());
  }
};

STRANDEL_APP_TEST(CaseDialogsTest);

} // namespace strandel

#include "case_dialogs_test.moc"
