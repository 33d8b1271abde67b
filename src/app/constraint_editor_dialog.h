#pragma once
// TfOptEdit, the "Constrains editor" of one variable of the "Optimize :" list:
// its type (Interval, Equal, Mirror), an interval's bounds in the shown unit,
// and the variable an Equal or Mirror variable follows. The rules are the
// core's ConstraintEditorDialogModel; OK keeps the fields, Cancel puts the variable back.

#include <QDialog>

#include "dialogs/constraint_editor_dialog_model.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace strandel {

class FieldNavigation;
class NumericFieldEdit;

class TfOptEdit : public QDialog {
  Q_OBJECT
public:
  // `variable` belongs to `list`; the dialog is centred on `parent`.
  TfOptEdit(VariableList& list, TVarItem& variable, ParameterTable& parameters,
            QWidget* parent = nullptr);

  // The controls (tests drive them as the user does).
  QLineEdit* NameField() const { return name_; }
  QComboBox* TypeChoice() const { return type_; }
  NumericFieldEdit* LowBoundField() const { return low_; }
  NumericFieldEdit* HighBoundField() const { return high_; }
  QLabel* UnitLabel() const { return unit_; }
  QComboBox* AssociatedChoice() const { return assoc_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }

  // Takes the controls into the variable, then shows the variable again.
  void StoreFields();
  void LoadFields();

public slots:
  void accept() override;
  void reject() override;

private:
  ConstraintFields CurrentFields() const;
  void TypeChosen(int type);
  // Bounds for an interval, the variable to follow otherwise.
  void ShowControlsOf(int type);

  ConstraintEditorDialogModel editor_;
  FieldNavigation* navigation_ = nullptr;
  QLineEdit* name_ = nullptr;
  QComboBox* type_ = nullptr;
  QLabel* lowLabel_ = nullptr;
  QLabel* highLabel_ = nullptr;
  NumericFieldEdit* low_ = nullptr;
  NumericFieldEdit* high_ = nullptr;
  QLabel* unit_ = nullptr;
  QLabel* assocLabel_ = nullptr;
  QComboBox* assoc_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

} // namespace strandel
