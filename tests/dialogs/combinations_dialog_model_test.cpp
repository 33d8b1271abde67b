// The combinations dialog: a factor per case and combination on a working copy
// that OK alone stores, empty fields for cases left out, factors by the field
// rule, and the generator replacing the rows.

#include <gtest/gtest.h>

#include "common/translation.h"
#include "dialogs/combinations_dialog_model.h"
#include "model/document_file.h"

namespace strandel {
namespace {

class CombinationsDialogTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(LoadLanguage(std::string(STRANDEL_SOURCE_DIR) + "/data/Languages/English.txt"));
    TLoadCase g = MakeLoadCase(1, "G", ActionCategory::Permanent);
    g.SelfWeight = true;
    doc.Settings.LoadCases = {g, MakeLoadCase(2, "Office", ActionCategory::ImposedB),
                              MakeLoadCase(5, "Snow", ActionCategory::Snow)};
    doc.Settings.Combinations = {
        {1, "ULS office", CombinationKind::Ultimate, {{1, 1.35}, {2, 1.5}, {5, 1.05}}},
        {4, "QP", CombinationKind::QuasiPermanent, {{1, 1.0}, {2, 0.3}}},
    };
  }
  void TearDown() override { SetTranslations({}); }

  ModelDocument doc;
  ParameterTable parameters;
};

TEST_F(CombinationsDialogTest, ShowsAFactorPerCaseAndLeavesCasesNotInTheCombinationEmpty) {
  CombinationsDialogModel dialog = OpenCombinationsDialog(doc);
  ASSERT_EQ(dialog.Cases.size(), 3u);
  ASSERT_EQ(dialog.Rows.size(), 2u);
  EXPECT_EQ(dialog.Rows[1].Number, 4);
  EXPECT_EQ(dialog.Rows[1].Kind, CombinationKind::QuasiPermanent);
  EXPECT_EQ(dialog.Factor(0, 2).Text, FieldText(1.05, 1));
  EXPECT_EQ(dialog.Factor(1, 1).Text, FieldText(0.3, 1));
  EXPECT_EQ(dialog.Factor(1, 2).Text, ""); // snow is not in it
  // OK without a change stores exactly what the document held.
  const std::string before = WriteDocumentText(doc);
  ASSERT_EQ(dialog.Apply(doc, parameters), ApplyOutcome::Applied);
  EXPECT_EQ(WriteDocumentText(doc), before);
}

TEST_F(CombinationsDialogTest, EditedFactorsKindsAndNewRowsAreStoredOnOk) {
  CombinationsDialogModel dialog = OpenCombinationsDialog(doc);
  dialog.Factor(0, 2).Text = "";                                // snow out
  dialog.Factor(1, 2).Text = "0.2";                             // snow in
  ASSERT_TRUE(dialog.SetFactorText(1, 1, "0.6/2", parameters)); // an expression
  EXPECT_EQ(dialog.Factor(1, 1).Text, FieldText(0.3, 1));
  EXPECT_TRUE(dialog.SetFactorText(0, 0, "  ", parameters)); // blank: G out of row 1
  dialog.Rows[1].Kind = CombinationKind::Frequent;
  ASSERT_TRUE(dialog.Add());
  EXPECT_EQ(dialog.Rows[2].Number, 5);
  EXPECT_EQ(dialog.Rows[2].Name, "Combination 5");
  dialog.Delete(0);
  ASSERT_EQ(dialog.Apply(doc, parameters), ApplyOutcome::Applied);
  const std::vector<TCombination> expected = {
      {4, "QP", CombinationKind::Frequent, {{1, 1.0}, {2, 0.3}, {5, 0.2}}},
      {5, "Combination 5", CombinationKind::Ultimate, {{1, 1.0}, {2, 1.0}, {5, 1.0}}},
  };
  EXPECT_EQ(doc.Settings.Combinations, expected);
}

TEST_F(CombinationsDialogTest, AFactorThatIsNotAFiniteNumberIsRefusedAndNothingChanges) {
  struct Case {
    const char* text;
    const char* reason;
  };
  const Case cases[] = {
      {"1/0", "Division by zero"},
      {"1e308*10", "The value is too large"},
      {"1.5*", nullptr}, // the evaluator's message
      {"gamma", nullptr},
  };
  const std::string before = WriteDocumentText(doc);
  for (const Case& c : cases) {
    CombinationsDialogModel dialog = OpenCombinationsDialog(doc);
    EXPECT_FALSE(dialog.SetFactorText(1, 1, c.text, parameters)) << c.text;
    int row = -1, column = -1;
    EXPECT_FALSE(dialog.EvaluateFields(parameters, &row, &column)) << c.text;
    EXPECT_EQ(row, 1);
    EXPECT_EQ(column, 1);
    EXPECT_EQ(dialog.Factor(1, 1).Text, c.text); // kept as typed
    if (c.reason) {
      EXPECT_EQ(dialog.Factor(1, 1).Error, c.reason);
    }
    EXPECT_FALSE(dialog.Factor(1, 1).Error.empty()) << c.text;
    EXPECT_EQ(dialog.Apply(doc, parameters), ApplyOutcome::FieldRefused) << c.text;
    EXPECT_EQ(WriteDocumentText(doc), before) << c.text;
  }
}

TEST_F(CombinationsDialogTest, ACombinationWithNoCaseIsRefusedWithItsReason) {
  CombinationsDialogModel dialog = OpenCombinationsDialog(doc);
  dialog.Factor(1, 0).Text = " ";
  dialog.Factor(1, 1).Text = "";
  EXPECT_EQ(dialog.Apply(doc, parameters), ApplyOutcome::FieldRefused);
  EXPECT_EQ(dialog.Factor(1, 0).Error,
            "A combination holds at least one load case: give a case a factor.");
  EXPECT_EQ(doc.Settings.Combinations.size(), 2u);
  EXPECT_EQ(doc.Settings.Combinations[1].Factors.size(), 2u);
}

TEST_F(CombinationsDialogTest, GenerateReplacesEveryRowByTheGeneratedSet) {
  CombinationsDialogModel dialog = OpenCombinationsDialog(doc);
  dialog.Rule = UltimateRule::Eq610ab;
  dialog.GeneratorValue(GeneratorFactor::Xi).Text = "0.89";
  ASSERT_TRUE(dialog.Generate(parameters));
  GeneratorFactors factors;
  factors.Rule = UltimateRule::Eq610ab;
  factors.Xi = 0.89;
  const std::vector<TCombination> generated =
      GenerateCombinations(doc.Settings.LoadCases, factors, 1);
  ASSERT_FALSE(generated.empty());
  ASSERT_EQ(dialog.Rows.size(), generated.size());
  ASSERT_EQ(dialog.Apply(doc, parameters), ApplyOutcome::Applied);
  EXPECT_EQ(doc.Settings.Combinations, generated);
  EXPECT_EQ(doc.Settings.Combinations.front().Number, 1);
}

TEST_F(CombinationsDialogTest, AGeneratorFactorRefusedKeepsTheRows) {
  for (const char* text : {"0", "-1.35", "x", "1/0"}) {
    CombinationsDialogModel dialog = OpenCombinationsDialog(doc);
    dialog.GeneratorValue(GeneratorFactor::GammaQ).Text = text;
    EXPECT_FALSE(dialog.Generate(parameters)) << text;
    EXPECT_TRUE(dialog.GeneratorValue(GeneratorFactor::GammaQ).Refused()) << text;
    ASSERT_EQ(dialog.Rows.size(), 2u) << text;
    EXPECT_EQ(dialog.Rows[0].Name, "ULS office");
  }
}

TEST_F(CombinationsDialogTest, ADocumentWithoutCasesGetsItsDefaultCaseWithTheCombinations) {
  ModelDocument bare;
  CombinationsDialogModel dialog = OpenCombinationsDialog(bare);
  ASSERT_EQ(dialog.Cases.size(), 1u);
  EXPECT_TRUE(dialog.StoresCases);
  ASSERT_TRUE(dialog.Generate(parameters));
  ASSERT_EQ(dialog.Apply(bare, parameters), ApplyOutcome::Applied);
  EXPECT_EQ(bare.Settings.LoadCases.size(), 1u);
  EXPECT_FALSE(bare.Settings.Combinations.empty());
}

} // namespace
} // namespace strandel
