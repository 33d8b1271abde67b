// The field binding every dialog shares: expressions become values when the
// user moves on, Tab, Enter and Down go forward, Shift+Tab and Up go back,
// Enter never closes the dialog, and a memo keeps its own line keys.

#include <QDialog>
#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include "app/app_test_registry.h"
#include "app/field_navigation.h"
#include "app/numeric_field_edit.h"

namespace strandel {
namespace {

// Three fields in millimetres, a memo and OK/Cancel.
struct FieldDialog {
  FieldDialog() {
    auto* layout = new QVBoxLayout(&dialog);
    for (int i = 0; i < 3; ++i) {
      fields[i].Show(0.01 * (i + 1), 1000);
      edits[i] = new NumericFieldEdit(&dialog);
      edits[i]->ShowField(fields[i]);
      layout->addWidget(edits[i]);
    }
    memo = new QPlainTextEdit(&dialog);
    layout->addWidget(memo);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    navigation = new FieldNavigation(&dialog, [this] {
      ++evaluations;
      for (int i = 0; i < 3; ++i)
        edits[i]->ApplyTo(fields[i], parameters);
    });
    navigation->KeepLineKeys(memo);
    dialog.show();
    edits[0]->setFocus();
  }

  QDialog dialog;
  ParameterTable parameters;
  DialogField fields[3];
  NumericFieldEdit* edits[3] = {};
  QPlainTextEdit* memo = nullptr;
  FieldNavigation* navigation = nullptr;
  int evaluations = 0;
};

} // namespace

class FieldNavigationTest : public QObject {
  Q_OBJECT
private slots:
  void TabEvaluatesAndMovesOn() {
    FieldDialog d;
    QVERIFY(QTest::qWaitForWindowExposed(&d.dialog));
    d.edits[0]->selectAll();
    QTest::keyClicks(d.edits[0], "2*60");
    QTest::keyClick(d.edits[0], Qt::Key_Tab);
    QCOMPARE(d.edits[0]->text(), QStringLiteral(" 120"));
    QCOMPARE(d.fields[0].Stored, 0.12);
    QCOMPARE(QApplication::focusWidget(), d.edits[1]);
    QCOMPARE(d.evaluations, 1);
  }

  void EnterAndDownGoForwardUpAndShiftTabGoBack() {
    FieldDialog d;
    QVERIFY(QTest::qWaitForWindowExposed(&d.dialog));
    QTest::keyClick(d.edits[0], Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), d.edits[1]);
    QVERIFY(d.dialog.isVisible()); // Enter did not close the dialog
    QCOMPARE(d.dialog.result(), 0);
    QTest::keyClick(d.edits[1], Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), d.edits[2]);
    QTest::keyClick(d.edits[2], Qt::Key_Up);
    QCOMPARE(QApplication::focusWidget(), d.edits[1]);
    QTest::keyClick(d.edits[1], Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), d.edits[0]);
    QCOMPARE(d.evaluations, 4);
  }

  void ARefusedTextKeepsTheFocusUntilCorrectedOrTakenBack() {
    FieldDialog d;
    QVERIFY(QTest::qWaitForWindowExposed(&d.dialog));
    d.edits[1]->selectAll();
    QTest::keyClicks(d.edits[1], "2*-3");
    d.edits[1]->setFocus();
    QTest::keyClick(d.edits[1], Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(d.edits[1]->text(), QStringLiteral("2*-3"));
    QCOMPARE(d.edits[1]->Refusal(), QStringLiteral("The multiplication needs a right operand"));
    QCOMPARE(d.edits[1]->palette().color(QPalette::Active, QPalette::Base), QColor(255, 226, 222));
    QCOMPARE(QApplication::focusWidget(), d.edits[1]);
    QCOMPARE(d.fields[1].Stored, 0.02);
    // Going back is refused the same way; the dialog refuses to go ahead.
    QTest::keyClick(d.edits[1], Qt::Key_Up);
    QCOMPARE(QApplication::focusWidget(), d.edits[1]);
    QVERIFY(!d.navigation->FieldsTaken());
    // Corrected, the field moves on.
    d.edits[1]->selectAll();
    QTest::keyClicks(d.edits[1], "2*-(3)");
    QTest::keyClick(d.edits[1], Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), d.edits[1]); // a minus after "*" is refused too
    d.edits[1]->selectAll();
    QTest::keyClicks(d.edits[1], "2*(-3)");
    QTest::keyClick(d.edits[1], Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), d.edits[2]);
    QCOMPARE(d.edits[1]->text(), QStringLiteral("-6"));
    QCOMPARE(d.fields[1].Stored, -0.006);
    QVERIFY(!d.edits[1]->Refused());
    QCOMPARE(d.edits[1]->palette().color(QPalette::Active, QPalette::Base), QColor(Qt::white));
    // Esc in a refused field shows the stored value again and keeps the dialog.
    d.edits[2]->selectAll();
    QTest::keyClicks(d.edits[2], "x");
    QTest::keyClick(d.edits[2], Qt::Key_Tab);
    QVERIFY(d.edits[2]->Refused());
    QTest::keyClick(d.edits[2], Qt::Key_Escape);
    QCOMPARE(d.edits[2]->text(), QStringLiteral(" 30"));
    QVERIFY(d.dialog.isVisible());
    QVERIFY(d.navigation->FieldsTaken());
  }

  void AltAndDisabledFieldsAreLeftAlone() {
    FieldDialog d;
    QVERIFY(QTest::qWaitForWindowExposed(&d.dialog));
    d.edits[1]->setEnabled(false);
    QTest::keyClick(d.edits[0], Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), d.edits[2]);
    QTest::keyClick(d.edits[2], Qt::Key_Down, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), d.edits[2]);
    QCOMPARE(d.evaluations, 1);
    // A disabled field is drawn in the button-face colour, an enabled one in white.
    QCOMPARE(d.edits[1]->palette().color(QPalette::Disabled, QPalette::Base),
             d.edits[1]->palette().color(QPalette::Button));
    QCOMPARE(d.edits[0]->palette().color(QPalette::Active, QPalette::Base), QColor(Qt::white));
  }

  void AMemoKeepsItsLineKeys() {
    FieldDialog d;
    QVERIFY(QTest::qWaitForWindowExposed(&d.dialog));
    d.memo->setFocus();
    QTest::keyClicks(d.memo, "one");
    QTest::keyClick(d.memo, Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClicks(d.memo, "two");
    QTest::keyClick(d.memo, Qt::Key_Up);
    QCOMPARE(QApplication::focusWidget(), d.memo);
    QCOMPARE(d.memo->toPlainText(), QStringLiteral("one\ntwo"));
    // Enter alone leaves the memo for the next control.
    QTest::keyClick(d.memo, Qt::Key_Return);
    QVERIFY(QApplication::focusWidget() != d.memo);
    QCOMPARE(d.memo->toPlainText(), QStringLiteral("one\ntwo"));
  }
};

STRANDEL_APP_TEST(FieldNavigationTest);

} // namespace strandel

#include "field_navigation_test.moc"
