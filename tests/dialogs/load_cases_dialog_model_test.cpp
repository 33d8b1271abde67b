// The load cases dialog: cases added, renamed and deleted with their loads on a
// working copy that OK alone stores; category presets; the one case that
// carries the own weight; psi values by the field rule.

#include <gtest/gtest.h>

#include <random>

#include "common/text_entries.h"
#include "common/translation.h"
#include "dialogs/load_cases_dialog_model.h"
#include "model/document_file.h"
#include "model/load_case_texts.h"
#include "support/frame_models.h"

namespace strandel {
namespace {

using namespace testing;

class LoadCasesDialogTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(LoadLanguage(std::string(STRANDEL_SOURCE_DIR) + "/data/Languages/English.txt"));
  }
  void TearDown() override { SetTranslations({}); }

  // A beam on two supports; case 1 permanent with the own weight, case 2 snow.
  // Case 2 holds two loads, a force, a moment and support 2.
  static ModelDocument TwoCaseModel() {
    ModelDocument doc;
    AddNode(doc, 1, 0, 0);
    AddNode(doc, 2, 6, 0);
    AddNode(doc, 3, 3, 0);
    AddBeam(doc, 1, 1, 3);
    AddBeam(doc, 2, 3, 2);
    AddSupport(doc, 1, 1);
    AddSupport(doc, 2, 2, true).Case = 2;
    AddLoad(doc, 1, 1, 1, 3, -1000, kPi / 2);
    AddLoad(doc, 2, 1, 1, 3, -2000, kPi / 2).Case = 2;
    AddLoad(doc, 3, 2, 3, 2, -2000, kPi / 2).Case = 2;
    AddForce(doc, 1, 3, 500, kPi / 2).Case = 2;
    AddMoment(doc, 1, 2, 300).Case = 2;
    TLoadCase g = MakeLoadCase(1, "G", ActionCategory::Permanent);
    g.SelfWeight = true;
    doc.Settings.LoadCases = {g, MakeLoadCase(2, "Snow", ActionCategory::Snow)};
    doc.Settings.Combinations = {
        {1, "ULS snow", CombinationKind::Ultimate, {{1, 1.35}, {2, 1.5}}},
        {2, "Snow alone", CombinationKind::Characteristic, {{2, 1.0}}},
    };
    return doc;
  }

  ParameterTable parameters;
};

TEST_F(LoadCasesDialogTest, AddedCasesTakeTheNextNumberAndTheirCategorysPresets) {
  ModelDocument doc = TwoCaseModel();
  LoadCasesDialogModel dialog = OpenLoadCasesDialog(doc);
  ASSERT_TRUE(dialog.Add());
  EXPECT_EQ(dialog.Current, 2);
  EXPECT_EQ(dialog.Row().Case.Number, 3);
  EXPECT_EQ(dialog.Row().Case.Name, "Load case 3");
  dialog.Rename("Office floor");
  // EN 1990 table A1.1 and the duration classes of EN 1995 for each category.
  struct Preset {
    ActionCategory category;
    double psi0, psi1, psi2;
    DurationClass duration;
  };
  const Preset presets[] = {
      {ActionCategory::ImposedB, 0.7, 0.5, 0.3, DurationClass::MediumTerm},
      {ActionCategory::ImposedE, 1.0, 0.9, 0.8, DurationClass::LongTerm},
      {ActionCategory::Snow, 0.7, 0.5, 0.2, DurationClass::MediumTerm},
      {ActionCategory::Wind, 0.6, 0.2, 0.0, DurationClass::ShortTerm},
      {ActionCategory::Accidental, 1.0, 1.0, 1.0, DurationClass::Instantaneous},
  };
  for (const Preset& p : presets) {
    dialog.SetCategory(p.category);
    const LoadCaseRow& row = dialog.Row();
    EXPECT_EQ(row.Case.Duration, p.duration) << CategoryCode(p.category);
    EXPECT_EQ(row.Case.Psi0, p.psi0) << CategoryCode(p.category);
    EXPECT_EQ(row.Case.Psi2, p.psi2) << CategoryCode(p.category);
    EXPECT_EQ(row.Psi[1].Text, FieldText(p.psi1, 1)) << CategoryCode(p.category);
  }
  // The presets stay editable: imposed B, then a longer duration and psi2 typed.
  dialog.SetCategory(ActionCategory::ImposedB);
  dialog.SetDuration(DurationClass::LongTerm);
  dialog.Row().Psi[2].Text = "0.25+0.1";
  ASSERT_EQ(dialog.Apply(doc, parameters), ApplyOutcome::Applied);
  ASSERT_EQ(doc.Settings.LoadCases.size(), 3u);
  const TLoadCase& added = doc.Settings.LoadCases[2];
  EXPECT_EQ(added.Name, "Office floor");
  EXPECT_EQ(added.Category, ActionCategory::ImposedB);
  EXPECT_EQ(added.Duration, DurationClass::LongTerm);
  EXPECT_DOUBLE_EQ(added.Psi2, 0.35);
  EXPECT_EQ(added.Psi0, 0.7);
  // The file keeps what the dialog stored.
  ModelDocument reread;
  ASSERT_TRUE(ReadDocumentText(WriteDocumentText(doc), reread).ok);
  EXPECT_EQ(reread.Settings.LoadCases, doc.Settings.LoadCases);
}

TEST_F(LoadCasesDialogTest, APsiValueOutsideZeroToOneOrNotANumberIsRefusedAndNothingChanges) {
  const std::pair<const char*, const char*> refused[] = {
      {"1.2", "The value must lie between 0 and 1"},
      {"-0.1", "The value must lie between 0 and 1"},
      {"1/0", "Division by zero"},
      {"half", ""}, // the evaluator's own message
  };
  for (const auto& [text, reason] : refused) {
    ModelDocument doc = TwoCaseModel();
    const std::string before = WriteDocumentText(doc);
    LoadCasesDialogModel dialog = OpenLoadCasesDialog(doc);
    dialog.Select(1);
    dialog.Row().Psi[0].Text = text;
    dialog.Select(0); // the user went on to another case before OK
    EXPECT_EQ(dialog.Apply(doc, parameters), ApplyOutcome::FieldRefused) << text;
    EXPECT_EQ(dialog.Current, 1) << text; // the refused case is shown
    EXPECT_EQ(dialog.Row().Psi[0].Text, text);
    if (*reason) {
      EXPECT_EQ(dialog.Row().Psi[0].Error, reason);
    }
    EXPECT_TRUE(dialog.Row().Psi[0].Refused()) << text;
    EXPECT_EQ(WriteDocumentText(doc), before) << text;
  }
}

TEST_F(LoadCasesDialogTest, DeletingACaseNamesItsObjectsAndOkDeletesThemWithIt) {
  ModelDocument doc = TwoCaseModel();
  const std::string before = WriteDocumentText(doc);
  LoadCasesDialogModel dialog = OpenLoadCasesDialog(doc);
  dialog.Select(1);
  EXPECT_EQ(dialog.DeleteQuestion(doc),
            "Load case 2 holds loads: 2, forces: 1, moments: 1, supports: 1. Delete them with the "
            "case?");
  ASSERT_TRUE(dialog.Delete());
  EXPECT_EQ(WriteDocumentText(doc), before); // not before OK
  // The next case does not take the deleted number: its objects still name it.
  ASSERT_TRUE(dialog.Add());
  EXPECT_EQ(dialog.Row().Case.Number, 3);
  ASSERT_EQ(dialog.Apply(doc, parameters), ApplyOutcome::Applied);
  EXPECT_EQ(MembersOfCase(doc, 2).Total(), 0);
  const CaseMembers kept = MembersOfCase(doc, 1);
  EXPECT_EQ(kept.Loads, 1);
  EXPECT_EQ(kept.Supports, 1);
  EXPECT_EQ(doc.GraphObjects.size(), 2u + 3u + 2u); // beams, nodes, load 1 and support 1
  // The combination of snow alone went; the other lost its snow factor.
  ASSERT_EQ(doc.Settings.Combinations.size(), 1u);
  EXPECT_EQ(doc.Settings.Combinations[0].Factors, (std::vector<CaseFactor>{{1, 1.35}}));
}

TEST_F(LoadCasesDialogTest, ACaseWithoutObjectsGoesWithoutAQuestionAndTheLastCaseStays) {
  ModelDocument doc = TwoCaseModel();
  LoadCasesDialogModel dialog = OpenLoadCasesDialog(doc);
  ASSERT_TRUE(dialog.Add());
  EXPECT_EQ(dialog.DeleteQuestion(doc), "");
  ASSERT_TRUE(dialog.Delete());
  ASSERT_TRUE(dialog.Delete()); // case 2; the own weight stays with case 1
  EXPECT_FALSE(dialog.CanDelete());
  EXPECT_FALSE(dialog.Delete());
  ASSERT_EQ(dialog.Rows.size(), 1u);
  EXPECT_TRUE(dialog.Rows[0].Case.SelfWeight);
}

TEST_F(LoadCasesDialogTest, ExactlyOneCaseCarriesTheOwnWeightWhateverTheUserDoes) {
  // Random sequences of adds, deletes, selections and own-weight clicks.
  std::mt19937 random(27);
  for (int trial = 0; trial < 50; ++trial) {
    ModelDocument doc = TwoCaseModel();
    LoadCasesDialogModel dialog = OpenLoadCasesDialog(doc);
    for (int step = 0; step < 30; ++step) {
      switch (random() % 5) {
      case 0:
        dialog.Add();
        break;
      case 1:
        dialog.Delete();
        break;
      case 2:
        dialog.SetSelfWeight(random() % 2 == 0);
        break;
      case 3:
        dialog.SetCategory(static_cast<ActionCategory>(random() % kActionCategoryCount));
        break;
      default:
        dialog.Select(static_cast<int>(random() % dialog.Rows.size()));
      }
      int carriers = 0;
      for (const LoadCaseRow& row : dialog.Rows)
        carriers += row.Case.SelfWeight ? 1 : 0;
      ASSERT_EQ(carriers, 1) << "trial " << trial << " step " << step;
    }
  }
  // Choosing it takes it from the other; taking it from its carrier is refused.
  ModelDocument doc = TwoCaseModel();
  LoadCasesDialogModel dialog = OpenLoadCasesDialog(doc);
  dialog.Select(1);
  EXPECT_TRUE(dialog.SetSelfWeight(true));
  EXPECT_FALSE(dialog.Rows[0].Case.SelfWeight);
  EXPECT_FALSE(dialog.SetSelfWeight(false));
  EXPECT_TRUE(dialog.Row().Case.SelfWeight);
}

} // namespace
} // namespace strandel
