#pragma once
// The keys of a dialog's fields: Tab, Enter and Down move the focus to the next
// control, Shift+Tab and Up to the previous one, unless Alt is held. Each such
// key first lets the dialog evaluate its fields (expressions become values) and
// is then consumed, so Enter never closes a dialog: OK does. Esc still cancels.

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

class QPlainTextEdit;

namespace strandel {

class FieldNavigation : public QObject {
  Q_OBJECT
public:
  // Watches the keys of every control of `dialog` for as long as it lives.
  FieldNavigation(QWidget* dialog, std::function<void()> evaluate);
  ~FieldNavigation() override;

  // The memo keeps Up and Down for its lines, and Ctrl+Enter starts a new line
  // in it (Enter alone moves on, as in every other control).
  void KeepLineKeys(QPlainTextEdit* memo);
  // Evaluates and moves the focus as the keys do.
  void Move(bool forward);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  // The memo that `widget` is or belongs to, if it keeps its line keys.
  QPlainTextEdit* LineKeyMemo(const QWidget* widget) const;
  void MoveFocus(bool forward);

  QWidget* dialog_;
  std::function<void()> evaluate_;
  QList<QPointer<QPlainTextEdit>> memos_;
};

} // namespace strandel
