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
class QLabel;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QTableWidgetItem;

namespace strandel {

class CombinationsDialog : public QDialog {
  Q_OBJECT
public:
  explicit CombinationsDialog(const DialogContext& context);

  const CombinationsDialogModel& Model() const { return model_; }
  QTableWidget* Table() const { return table_; }
  // The factor of case column `column` in row `row`, and the note that says
  // why a typed factor was refused.
  QTableWidgetItem* FactorItem(int row, int column) const;
  QLabel* Refusal() const { return refusal_; }
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
  void Evaluate(); // the generator's fields by the field rule
  void ShowRows();
  void ShowFactor(int row, int column);
  void ShowRefusal();
  void GenerateClicked();

  const DialogContext& context_;
  CombinationsDialogModel model_;
  QTableWidget* table_ = nullptr;
  QLabel* refusal_ = nullptr;
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
