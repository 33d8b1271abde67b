#include "app/numeric_field_edit.h"

#include <QPalette>

#include "app/qt_text.h"

namespace strandel {

NumericFieldEdit::NumericFieldEdit(QWidget* parent) : QLineEdit(parent) {
  QPalette colours = palette();
  colours.setColor(QPalette::Active, QPalette::Base, Qt::white);
  colours.setColor(QPalette::Inactive, QPalette::Base, Qt::white);
  colours.setColor(QPalette::Disabled, QPalette::Base, colours.color(QPalette::Button));
  setPalette(colours);
}

void NumericFieldEdit::ShowField(const DialogField& field) {
  SetText(field.Text);
  setEnabled(field.Enabled);
}

bool NumericFieldEdit::ApplyTo(DialogField& field) {
  TakeText(field);
  const bool accepted = field.Apply();
  SetText(field.Text);
  return accepted;
}

void NumericFieldEdit::TakeText(DialogField& field) const {
  field.Text = Text();
}

std::string NumericFieldEdit::Text() const {
  return FromQt(text());
}

void NumericFieldEdit::SetText(const std::string& text) {
  const QString shown = ToQt(text);
  // Rewriting an unchanged text would move the cursor and lose a selection.
  if (shown != this->text()) setText(shown);
}

} // namespace strandel
