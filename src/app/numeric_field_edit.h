#pragma once
// The edit control of a numeric dialog field. It shows a field of a dialog's
// rules (DialogField), hands the typed text back to them, and is drawn in the
// button-face colour while disabled, so a field that does not apply to the
// object is plainly out of play. A text the rules refused stays as typed, on a
// tinted background, with the reason in a note just below the field until it
// is corrected or taken back. FieldNavigation gives a dialog its keys.

#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <string>

#include "expr/dialog_field.h"

namespace strandel {

// The background of a field that refused its text.
inline QColor RefusedFieldColour() {
  return {255, 226, 222};
}

class NumericFieldEdit : public QLineEdit {
  Q_OBJECT
public:
  explicit NumericFieldEdit(QWidget* parent = nullptr);
  ~NumericFieldEdit() override;

  // The field's text, whether it is enabled, and its reason when it refused
  // its text (only while it is enabled).
  void ShowField(const DialogField& field);
  // The typed text into the field, then the field rule; the control shows the
  // outcome (the value's field form, or the refused text with its reason).
  // True when the text was accepted.
  bool ApplyTo(DialogField& field, ParameterTable& parameters);
  // Only the typed text into the field (rules that read several fields at once).
  void TakeText(DialogField& field) const;

  // The reason the shown text was refused; empty takes the note away.
  void ShowRefusal(const std::string& message);
  bool Refused() const { return !refusal_.isEmpty(); }
  QString Refusal() const { return refusal_; }
  // The change is taken back: the field shows the stored value's text again.
  void Revert();
  // The note below a refused field (null before the first refusal).
  QLabel* Note() const { return note_; }

  std::string Text() const;
  void SetText(const std::string& text);

protected:
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

private:
  // The field's text, the text Esc goes back to, and the reason for a refusal.
  void ShowOutcome(const DialogField& field);
  void PlaceNote();

  QString refusal_;
  std::string storedText_; // what Revert shows
  QPointer<QLabel> note_;  // a child of the dialog, so no layout has to make room
};

} // namespace strandel
