#include "app/qt_messages.h"

#include <QMessageBox>
#include <QPushButton>

#include "app/qt_text.h"
#include "common/text_entries.h"
#include "common/translation.h"

namespace strandel {
namespace {

QMessageBox::Icon IconOf(MessageKind kind) {
  switch (kind) {
  case MessageKind::Information:
    return QMessageBox::Information;
  case MessageKind::Warning:
    return QMessageBox::Warning;
  case MessageKind::Error:
    return QMessageBox::Critical;
  }
  return QMessageBox::NoIcon;
}

// A button captioned from the translation list. Before any language is loaded
// (a message while the window is being made) the entry reads "?", and the
// platform's own caption is kept so that the button still says what it does.
QPushButton* AddButton(QMessageBox& box, QMessageBox::StandardButton button, int entry) {
  QPushButton* added = box.addButton(button);
  const std::string caption = Translated(entry);
  if (caption != "?") added->setText(ToQt(caption));
  return added;
}

void PrepareBox(QMessageBox& box, const std::string& text) {
  box.setWindowTitle(QStringLiteral("Strandel"));
  // File names and messages are shown as they are, never read as markup.
  box.setTextFormat(Qt::PlainText);
  box.setText(ToQt(text));
}

} // namespace

void QtMessages::Show(const std::string& text, MessageKind kind) {
  QMessageBox box(parent_);
  PrepareBox(box, text);
  box.setIcon(IconOf(kind));
  AddButton(box, QMessageBox::Ok, tr::kOkButton);
  box.exec();
}

MessageAnswer QtMessages::Ask(const std::string& text, MessageButtons buttons) {
  QMessageBox box(parent_);
  PrepareBox(box, text);
  box.setIcon(QMessageBox::Question);
  QPushButton* yes = nullptr;
  QPushButton* no = nullptr;
  QPushButton* ok = nullptr;
  QPushButton* cancel = nullptr;
  if (buttons == MessageButtons::RecoverDiscardLater) {
    QPushButton* recover = AddButton(box, QMessageBox::Yes, tr::kRecoverButton);
    QPushButton* discard = AddButton(box, QMessageBox::Discard, tr::kDiscardButton);
    // Closing the box decides nothing: the copy is offered again next time.
    QPushButton* later = AddButton(box, QMessageBox::Cancel, tr::kLaterButton);
    box.setEscapeButton(later);
    box.setDefaultButton(recover);
    box.exec();
    if (box.clickedButton() == recover) return MessageAnswer::Yes;
    if (box.clickedButton() == discard) return MessageAnswer::No;
    return MessageAnswer::Cancel;
  }
  if (buttons == MessageButtons::OkCancel) {
    ok = AddButton(box, QMessageBox::Ok, tr::kOkButton);
  } else {
    yes = AddButton(box, QMessageBox::Yes, tr::kYesButton);
    no = AddButton(box, QMessageBox::No, tr::kNoButton);
  }
  if (buttons != MessageButtons::YesNo)
    cancel = AddButton(box, QMessageBox::Cancel, tr::kCancelButton);
  box.setEscapeButton(cancel ? cancel : no);
  box.setDefaultButton(yes ? yes : ok);
  box.exec();
  const QAbstractButton* clicked = box.clickedButton();
  if (yes && clicked == yes) return MessageAnswer::Yes;
  if (ok && clicked == ok) return MessageAnswer::Ok;
  if (no && clicked == no) return MessageAnswer::No;
  return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Cancel;
}

} // namespace strandel
