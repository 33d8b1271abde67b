#pragma once
// A user's hands on the next modal dialog: what the test does in it once it is
// shown, then OK or Cancel, so that the call that opened it returns.

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

namespace strandel::testing {

// Runs `act` on the modal dialog of type D as soon as it is shown, then
// presses OK (or Cancel). A dialog that stays open after OK (a field it
// refused) is then cancelled, so the test goes on; `stayedOpen` says so.
template <class D>
void WhenShown(std::function<void(D&)> act, bool confirm = true, bool* stayedOpen = nullptr) {
  QTimer::singleShot(0, [act, confirm, stayedOpen] {
    D* dialog = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (auto* found = qobject_cast<D*>(widget); found && found->isVisible()) dialog = found;
    QVERIFY(dialog);
    act(*dialog);
    auto* buttons = dialog->template findChild<QDialogButtonBox*>();
    QVERIFY(buttons);
    QTest::mouseClick(buttons->button(confirm ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel),
                      Qt::LeftButton);
    if (stayedOpen) *stayedOpen = dialog->isVisible();
    if (dialog->isVisible()) dialog->reject();
  });
}

} // namespace strandel::testing
