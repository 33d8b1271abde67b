#pragma once
// The "Load cases" dialog: the list of the document's cases, and below it the
// name, category, duration, psi values and own-weight switch of the chosen one.

#include <QDialog>
#include <array>

#include "app/dialog_context.h"
#include "app/dialog_frame.h"
#include "dialogs/load_cases_dialog_model.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace strandel {

class LoadCasesDialog : public QDialog {
  Q_OBJECT
public:
  explicit LoadCasesDialog(const DialogContext& context);

  const LoadCasesDialogModel& Model() const { return model_; }
  QTableWidget* List() const { return list_; }
  QLineEdit* NameEdit() const { return name_; }
  QComboBox* CategoryBox() const { return category_; }
  QComboBox* DurationBox() const { return duration_; }
  NumericFieldEdit* PsiEdit(int i) const { return psi_[static_cast<std::size_t>(i)].Edit; }
  QCheckBox* SelfWeightBox() const { return selfWeight_; }
  QPushButton* AddButton() const { return add_; }
  QPushButton* DeleteButton() const { return delete_; }

  void accept() override;

private:
  void Evaluate();  // the psi fields of the current case by the field rule
  void TakeTexts(); // the typed psi texts into the current case's fields
  void ShowList();  // every row of the list
  void ShowListRow(int row);
  void ShowCurrent(); // the fields of the current case
  void DeleteCurrent();

  const DialogContext& context_;
  LoadCasesDialogModel model_;
  QTableWidget* list_ = nullptr;
  QLineEdit* name_ = nullptr;
  QComboBox* category_ = nullptr;
  QComboBox* duration_ = nullptr;
  std::array<FieldRow, 3> psi_;
  QCheckBox* selfWeight_ = nullptr;
  QPushButton* add_ = nullptr;
  QPushButton* delete_ = nullptr;
  FieldNavigation* navigation_ = nullptr;
};

// True when OK changed the cases (or deleted objects with them).
bool ShowLoadCasesDialog(const DialogContext& context);

} // namespace strandel
