#pragma once
// The edit control of a numeric dialog field. It shows a field of a dialog's
// rules (DialogField), hands the typed text back to them, and is drawn in the
// button-face colour while disabled, so a field that does not apply to the
// object is plainly out of play. FieldNavigation gives a dialog its keys.

#include <QLineEdit>
#include <string>

#include "expr/dialog_field.h"

namespace strandel {

class NumericFieldEdit : public QLineEdit {
  Q_OBJECT
public:
  explicit NumericFieldEdit(QWidget* parent = nullptr);

  // The field's text and whether it is enabled.
  void ShowField(const DialogField& field);
  // The typed text into the field, then the field rule; the control shows the
  // outcome (the value's display form, or the stored value again). True when
  // the text was accepted.
  bool ApplyTo(DialogField& field);
  // Only the typed text into the field (rules that read several fields at once).
  void TakeText(DialogField& field) const;

  std::string Text() const;
  void SetText(const std::string& text);
};

} // namespace strandel
