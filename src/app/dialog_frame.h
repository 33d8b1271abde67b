#pragma once
// What every property dialog shares around its fields: rows of label, field
// and unit, the OK and Cancel buttons with their translated captions, the
// dialog's place in the middle of the main window, and what OK does when the
// dialog's rules refuse to apply.

#include <QDialog>
#include <string>

#include "dialogs/apply_outcome.h"
#include "dialogs/case_field.h"
#include "expr/dialog_field.h"

class QBoxLayout;
class QComboBox;
class QPushButton;
class QDialogButtonBox;
class QGridLayout;
class QLabel;

namespace strandel {

class FieldNavigation;
class NumericFieldEdit;
class UserMessages;

// A row of `grid`: the field's label, its edit control showing the field, and
// its unit. The label and the unit are kept so that a layout change can grey
// them with the field.
struct FieldRow {
  QLabel* Label = nullptr;
  NumericFieldEdit* Edit = nullptr;
  QLabel* Unit = nullptr;
  void Show(const DialogField& field);
};
FieldRow AddFieldRow(QGridLayout& grid, int row, const DialogField& field, QWidget* parent);

// A row of `grid` with the "Load case" choice of a load, force, moment or
// support; null, and no row, while the document has no cases.
QComboBox* AddCaseRow(QGridLayout& grid, int row, const CaseField& field, QWidget* parent);
// The case chosen in `box` (null: no choice) into the field.
void TakeCase(const QComboBox* box, CaseField& field);

// The Add and Delete buttons of a list, in a row of their own at the end of
// `layout`; Enter in the dialog does not press them.
void AddListButtons(QBoxLayout& layout, QWidget* parent, QPushButton*& add, QPushButton*& remove);

// OK (text 1) and Cancel (text 2); neither is a default button, so Enter in a
// field moves on instead of closing.
QDialogButtonBox* OkCancelButtons(QDialog& dialog);

// Puts the dialog's centre at the centre of `parent` (the main window), or of
// the screen without one.
void CentreOn(QWidget& dialog, const QWidget* parent);

// After the rules applied OK: true when the dialog may close as accepted. A
// field the rules refused keeps the dialog open with the field focused and its
// reason beside it (the controls evaluate the same text by the same rule). An
// object that left the model cannot be put right in the dialog: it closes,
// rejected, after saying that nothing was changed.
bool OkApplied(QDialog& dialog, ApplyOutcome outcome, FieldNavigation& navigation,
               UserMessages& messages);

} // namespace strandel
