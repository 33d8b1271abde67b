#pragma once
// The keys of a dialog's fields: Tab, Enter and Down move the focus to the next
// control, Shift+Tab and Up to the previous one, unless Alt is held. Each such
// key first lets the dialog evaluate its fields (expressions become values) and
// is then consumed, so Enter never closes a dialog: OK does. A field that
// refused its text keeps the focus, and OK waits until it is corrected; Esc in
// such a field takes the change back, anywhere else it cancels the dialog.

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
  // Evaluates and moves the focus as the keys do; a refused field keeps it.
  void Move(bool forward);
  // Evaluates before OK: true when every field took its text, otherwise the
  // first field that refused its text gets the focus (its page shown first).
  bool FieldsTaken();

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  // The memo that `widget` is or belongs to, if it keeps its line keys.
  QPlainTextEdit* LineKeyMemo(const QWidget* widget) const;
  void MoveFocus(bool forward);
  // Focuses the first field of the dialog that refused its text; false when none.
  bool FocusRefusedField();

  QWidget* dialog_;
  std::function<void()> evaluate_;
  QList<QPointer<QPlainTextEdit>> memos_;
};

} // namespace strandel
