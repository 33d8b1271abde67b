#include "app/field_navigation.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTabWidget>

#include "app/numeric_field_edit.h"

namespace strandel {
namespace {

enum class Step { None, Forward, Backward };

bool TakesTabFocus(const QWidget* widget, const QWidget* dialog) {
  return widget->window() == dialog && (widget->focusPolicy() & Qt::TabFocus) &&
         widget->isEnabled() && widget->isVisibleTo(dialog) && !widget->focusProxy();
}

} // namespace

FieldNavigation::FieldNavigation(QWidget* dialog, std::function<void()> evaluate)
    : QObject(dialog), dialog_(dialog), evaluate_(std::move(evaluate)) {
  // On the application, so that controls made later (and the parts of
  // composite controls) are covered too; only this dialog's own are handled.
  qApp->installEventFilter(this);
}

FieldNavigation::~FieldNavigation() {
  qApp->removeEventFilter(this);
}

void FieldNavigation::KeepLineKeys(QPlainTextEdit* memo) {
  memos_.append(memo);
}

QPlainTextEdit* FieldNavigation::LineKeyMemo(const QWidget* widget) const {
  for (const QPointer<QPlainTextEdit>& memo : memos_)
    if (memo && (memo == widget || memo->isAncestorOf(widget))) return memo;
  return nullptr;
}

void FieldNavigation::Move(bool forward) {
  if (evaluate_) evaluate_();
  if (FocusRefusedField()) return;
  MoveFocus(forward);
}

bool FieldNavigation::FieldsTaken() {
  if (evaluate_) evaluate_();
  return !FocusRefusedField();
}

bool FieldNavigation::FocusRefusedField() {
  for (NumericFieldEdit* field : dialog_->findChildren<NumericFieldEdit*>()) {
    if (!field->Refused() || !field->isEnabled() || field->isHidden()) continue;
    // A field on a page behind another is brought forward first.
    for (QWidget* above = field->parentWidget(); above && above != dialog_;
         above = above->parentWidget()) {
      if (auto* pages = qobject_cast<QTabWidget*>(above)) {
        for (int page = 0; page < pages->count(); ++page)
          if (pages->widget(page)->isAncestorOf(field)) pages->setCurrentIndex(page);
      }
    }
    field->setFocus(Qt::OtherFocusReason);
    return true;
  }
  return false;
}

void FieldNavigation::MoveFocus(bool forward) {
  QWidget* start = dialog_->focusWidget();
  if (!start) start = dialog_;
  QWidget* next = start;
  do {
    next = forward ? next->nextInFocusChain() : next->previousInFocusChain();
  } while (next != start && !TakesTabFocus(next, dialog_));
  if (next != start) next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

bool FieldNavigation::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
  const auto* widget = static_cast<QWidget*>(watched);
  if (widget->window() != dialog_) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
  if (modifiers & Qt::AltModifier) return false;
  if (key->key() == Qt::Key_Escape) {
    // Esc in a field that refused its text takes the change back; anywhere
    // else it is the dialog's.
    auto* field = qobject_cast<NumericFieldEdit*>(watched);
    if (!field || !field->Refused()) return false;
    field->Revert();
    return true;
  }
  QPlainTextEdit* memo = LineKeyMemo(widget);
  const bool lineKeys = memo != nullptr;
  Step step = Step::None;
  switch (key->key()) {
  case Qt::Key_Tab:
    if (modifiers == Qt::NoModifier) step = Step::Forward;
    if (modifiers == Qt::ShiftModifier) step = Step::Backward;
    break;
  case Qt::Key_Backtab:
    if ((modifiers & ~Qt::ShiftModifier) == Qt::NoModifier) step = Step::Backward;
    break;
  case Qt::Key_Return:
  case Qt::Key_Enter:
    if (!(modifiers & Qt::ControlModifier)) {
      step = Step::Forward;
      break;
    }
    // Ctrl+Enter starts a new line in a memo and means nothing elsewhere.
    if (memo) memo->insertPlainText(QStringLiteral("\n"));
    return true;
  case Qt::Key_Down:
    if (modifiers == Qt::NoModifier && !lineKeys) step = Step::Forward;
    break;
  case Qt::Key_Up:
    if (modifiers == Qt::NoModifier && !lineKeys) step = Step::Backward;
    break;
  default:
    break;
  }
  if (step == Step::None) return false;
  Move(step == Step::Forward);
  return true;
}

} // namespace strandel
