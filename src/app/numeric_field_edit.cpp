#include "app/numeric_field_edit.h"

#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <algorithm>

#include "app/qt_text.h"

namespace strandel {
namespace {

constexpr int kNoteMargin = 4; // pixels kept free at the dialog's edges

// A refused text is tinted; its letters are then dark, whatever the theme, as
// the tint is light.
void ShowTint(QWidget& edit, bool refused) {
  const QPalette desktop = QApplication::palette(&edit);
  QPalette colours = edit.palette();
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    colours.setColor(group, QPalette::Base,
                     refused ? RefusedFieldColour() : desktop.color(group, QPalette::Base));
    colours.setColor(group, QPalette::Text,
                     refused ? QColor(Qt::black) : desktop.color(group, QPalette::Text));
  }
  edit.setPalette(colours);
}

} // namespace

NumericFieldEdit::NumericFieldEdit(QWidget* parent) : QLineEdit(parent) {
  QPalette colours = palette();
  colours.setColor(QPalette::Disabled, QPalette::Base, colours.color(QPalette::Button));
  setPalette(colours);
  ShowTint(*this, false);
  // Wide enough for a value of fifteen digits with its sign and point.
  setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("-0.000000000000000")) +
                  16); // frame and text margins
}

NumericFieldEdit::~NumericFieldEdit() {
  delete note_; // the dialog's child, but it belongs to this field
}

void NumericFieldEdit::ShowField(const DialogField& field) {
  setEnabled(field.Enabled);
  ShowOutcome(field);
}

bool NumericFieldEdit::ApplyTo(DialogField& field, ParameterTable& parameters) {
  TakeText(field);
  const bool accepted = field.Apply(parameters);
  ShowOutcome(field);
  return accepted;
}

void NumericFieldEdit::ShowOutcome(const DialogField& field) {
  SetText(field.Text);
  storedText_ = field.StoredText();
  ShowRefusal(field.Enabled ? field.Error : std::string());
}

void NumericFieldEdit::TakeText(DialogField& field) const {
  field.Text = Text();
}

void NumericFieldEdit::ShowRefusal(const std::string& message) {
  const QString refusal = ToQt(message);
  if (refusal == refusal_) return;
  refusal_ = refusal;
  ShowTint(*this, Refused());
  setToolTip(refusal_);
  if (Refused() && !note_) {
    note_ = new QLabel;
    note_->setObjectName(QStringLiteral("LB_FieldNote"));
    note_->setFrameShape(QFrame::Box);
    note_->setWordWrap(true);
    note_->setMargin(3);
    note_->setAutoFillBackground(true);
    QPalette colours = note_->palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::ToolTipText));
    note_->setPalette(colours);
  }
  if (note_) note_->setText(refusal_);
  PlaceNote();
}

void NumericFieldEdit::Revert() {
  SetText(storedText_);
  ShowRefusal({});
}

std::string NumericFieldEdit::Text() const {
  return FromQt(text());
}

void NumericFieldEdit::SetText(const std::string& text) {
  const QString shown = ToQt(text);
  // Rewriting an unchanged text would move the cursor and lose a selection.
  if (shown == this->text()) return;
  setText(shown);
  home(false); // a long value shows from its first digit
}

void NumericFieldEdit::PlaceNote() {
  if (!note_) return;
  QWidget* dialog = window();
  if (!Refused() || !isVisible() || dialog == this) {
    note_->hide();
    return;
  }
  if (note_->parentWidget() != dialog) note_->setParent(dialog);
  // Below the field, as wide as the message needs within the dialog; above it
  // when the dialog ends first.
  const QPoint below = mapTo(dialog, QPoint(0, height()));
  const int room = std::max(width(), dialog->width() - 2 * kNoteMargin);
  const int noteWidth = std::clamp(note_->sizeHint().width(), width(), room);
  const int noteHeight = note_->heightForWidth(noteWidth);
  const int x =
      std::max(kNoteMargin, std::min(below.x(), dialog->width() - noteWidth - kNoteMargin));
  int y = below.y() + 1;
  if (y + noteHeight > dialog->height()) y = below.y() - height() - noteHeight - 1;
  note_->setGeometry(x, std::max(0, y), noteWidth, noteHeight);
  note_->raise();
  note_->show();
}

void NumericFieldEdit::moveEvent(QMoveEvent* event) {
  QLineEdit::moveEvent(event);
  PlaceNote();
}

void NumericFieldEdit::resizeEvent(QResizeEvent* event) {
  QLineEdit::resizeEvent(event);
  PlaceNote();
}

void NumericFieldEdit::showEvent(QShowEvent* event) {
  QLineEdit::showEvent(event);
  PlaceNote();
}

void NumericFieldEdit::hideEvent(QHideEvent* event) {
  QLineEdit::hideEvent(event);
  PlaceNote();
}

} // namespace strandel
