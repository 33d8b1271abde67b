#pragma once
// What every property dialog shares around its fields: rows of label, field
// and unit, the OK and Cancel buttons with their translated captions, and the
// dialog's place in the middle of the main window.

#include <QDialog>
#include <string>

#include "expr/dialog_field.h"

class QDialogButtonBox;
class QGridLayout;
class QLabel;

namespace strandel {

class NumericFieldEdit;

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

// OK (text 1) and Cancel (text 2); neither is a default button, so Enter in a
// field moves on instead of closing.
QDialogButtonBox* OkCancelButtons(QDialog& dialog);

// Puts the dialog's centre at the centre of `parent` (the main window), or of
// the screen without one.
void CentreOn(QWidget& dialog, const QWidget* parent);

} // namespace strandel
