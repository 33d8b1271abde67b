#pragma once
// The "Combinations" dialog: a table with a row per combination (number, name,
// kind) and a column per load case holding its factor, and the generator of
// the combinations from the cases.

#include <QDialog>
#include <array>
#include <vector>

#include "app/dialog_context.h"
#include "app/dialog_frame.h"
#include "dialogs/combinations_dialog_model.h"

class QComboBox;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace strandel {

class CombinationsDialog : public QDialog {
  Q_OBJECT
public:
  explicit CombinationsDialog(const DialogContext& context);

  const CombinationsDialogModel& Model() const { return model_; }
  QTableWidget* Table() const { return table_; }
  // The factor of case column `column` in row `row`.
  NumericFieldEdit* FactorEdit(int row, int column) const;
  QComboBox* KindBox(int row) const;
  QPushButton* AddButton() const { return add_; }
  QPushButton* DeleteButton() const { return delete_; }
  QPushButton* GenerateButton() const { return generate_; }
  QRadioButton* RuleButton(UltimateRule rule) const {
    return rules_[static_cast<std::size_t>(rule)];
  }
  NumericFieldEdit* GeneratorEdit(GeneratorFactor which) const {
    return generator_[static_cast<std::size_t>(which)].Edit;
  }

  void accept() override;

private:
  void TakeTexts(); // the typed names and factors into the rows
  void Evaluate();  // the factors by the field rule, each shown with its outcome
  void ShowRows();
  void ShowFactors();
  void GenerateClicked();

  const DialogContext& context_;
  CombinationsDialogModel model_;
  QTableWidget* table_ = nullptr;
  QPushButton* add_ = nullptr;
  QPushButton* delete_ = nullptr;
  QPushButton* generate_ = nullptr;
  std::array<QRadioButton*, 2> rules_{};
  std::array<FieldRow, kGeneratorFactorCount> generator_;
  FieldNavigation* navigation_ = nullptr;
};

// True when OK changed the combinations.
bool ShowCombinationsDialog(const DialogContext& context);

} // namespace strandel
