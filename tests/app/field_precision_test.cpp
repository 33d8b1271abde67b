// What the user types is what is computed: values typed into the real node,
// load and beam dialogs keep every digit through OK, a save and a reopen, and
// a text a field cannot take keeps the dialog open with the reason beside it.

#include <QApplication>
#include <QLabel>
#include <QTabWidget>
#include <QTest>
#include <cmath>

#include "app/app_test_registry.h"
#include "app/beam_dialog.h"
#include "app/dialog_bench.h"
#include "app/load_dialog.h"
#include "app/node_dialog.h"
#include "app/numeric_field_edit.h"
#include "app/support_dialog.h"
#include "model/document_file.h"
#include "support/temp_folder.h"

namespace strandel {
namespace {

using testing::ClickOk;
using testing::DialogBench;
using testing::Type;

// Node 2 of the bench, its beam and its load.
const TNodeObject& Node(const ModelDocument& in) {
  return *FindNode(in, 2);
}
const TBeamObject& Beam(const ModelDocument& in) {
  return *FindBeam(in, 1);
}
const TLoadObject& Load(const ModelDocument& in) {
  return *ObjectsOf<TLoadObject>(in).begin();
}
int NodeTwo(const DialogBench& bench) {
  return bench.IndexOf(ObjectKind::Node) + 1;
}

// Types into the field of a dialog that is shown, and confirms it with OK.
template <class Dialog>
void TypeAndConfirm(Dialog& dialog, NumericFieldEdit* edit, const QString& text) {
  dialog.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dialog));
  Type(edit, text);
  ClickOk(dialog);
  QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

bool SameValue(double stored, double expected) {
  // Decimals are compared bit for bit; 1/3 lies within one rounding of its value.
  return stored == expected || std::fabs(stored - expected) <= std::fabs(expected) * 2.3e-16;
}

} // namespace

class FieldPrecisionTest : public QObject {
  Q_OBJECT
private slots:
  void TypedDigitsSurviveTheDialogsASaveAndAReopen() {
    struct Case {
      const char* typed;
      const char* shown; // what the field shows afterwards
      double node;       // Y in m
      double load;       // N/m, from KN/m
      double strength;   // Pa, from MPa
      const char* saved; // the node's Y as the document holds it
    };
    const Case cases[] = {
        {"1.234", " 1.234", 1.234, 1234, 1234000, ";1.234;"},
        {"6.125", " 6.125", 6.125, 6125, 6125000, ";6.125;"},
        {"12.345", " 12.345", 12.345, 12345, 12345000, ";12.345;"},
        {"1/3", " 0.333333333333333", 1.0 / 3, 1000.0 / 3, 1e6 / 3, ";0.3333333333333333;"},
        {"2.5E-7", " 2.5E-07", 2.5e-7, 2.5e-4, 0.25, ";2.5E-7;"},
    };
    for (const Case& c : cases) {
      DialogBench bench;
      const DialogContext context = bench.Context();
      const QString typed = QString::fromLatin1(c.typed);
      {
        TfNodeProp dialog(context,
                          *OpenNodeDialog(bench.doc, NodeTwo(bench), bench.settings.Units));
        TypeAndConfirm(dialog, dialog.YEdit(), typed);
      }
      {
        TfFQMprop dialog(context, *OpenLoadDialog(bench.doc, bench.IndexOf(ObjectKind::Load),
                                                  bench.settings.Units));
        TypeAndConfirm(dialog, dialog.ValueEdit(), typed);
      }
      {
        TfBeamProp dialog(context, *OpenBeamDialog(bench.doc, bench.IndexOf(ObjectKind::Beam),
                                                   bench.settings.Units, bench.parameters));
        dialog.Pages()->setCurrentIndex(1);
        TypeAndConfirm(dialog, dialog.Edit(dialog.Model().Fck), typed);
      }
      QVERIFY2(SameValue(Node(bench.doc).Y, c.node), c.typed);
      QVERIFY2(SameValue(Load(bench.doc).Value, c.load), c.typed);
      QVERIFY2(SameValue(Beam(bench.doc).Fck, c.strength), c.typed);

      // OK again without touching a field changes no bit.
      const double y = Node(bench.doc).Y;
      const double strength = Beam(bench.doc).Fck;
      {
        TfNodeProp dialog(context,
                          *OpenNodeDialog(bench.doc, NodeTwo(bench), bench.settings.Units));
        dialog.show();
        QCOMPARE(dialog.YEdit()->text(), QString::fromLatin1(c.shown));
        ClickOk(dialog);
        TfBeamProp beam(context, *OpenBeamDialog(bench.doc, bench.IndexOf(ObjectKind::Beam),
                                                 bench.settings.Units, bench.parameters));
        beam.show();
        ClickOk(beam);
      }
      QCOMPARE(Node(bench.doc).Y, y);
      QCOMPARE(Beam(bench.doc).Fck, strength);

      // Saved and read back, every value is the one typed.
      testing::TempFolder folder;
      const std::string path = folder.File("typed.qsd");
      QVERIFY(SaveDocument(bench.doc, path).ok);
      const std::string text = testing::ReadBytes(path);
      QVERIFY2(text.find(c.saved) != std::string::npos, text.c_str());
      ModelDocument back;
      QVERIFY(LoadDocument(path, back).ok);
      QCOMPARE(Node(back).Y, Node(bench.doc).Y);
      QCOMPARE(Load(back).Value, Load(bench.doc).Value);
      QCOMPARE(Beam(back).Fck, Beam(bench.doc).Fck);
      QCOMPARE(Beam(back).Y2, Node(bench.doc).Y);
    }
  }

  void NonsenseKeepsTheDialogOpenWithTheReason() {
    DialogBench bench;
    const DialogContext context = bench.Context();
    TfNodeProp dialog(context, *OpenNodeDialog(bench.doc, NodeTwo(bench), bench.settings.Units));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    Type(dialog.XEdit(), QStringLiteral("abc"));
    // Moving on keeps the focus in the field and says why.
    QTest::keyClick(dialog.XEdit(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), dialog.XEdit());
    QCOMPARE(dialog.XEdit()->text(), QStringLiteral("abc"));
    QVERIFY(dialog.XEdit()->Refused());
    QVERIFY(dialog.XEdit()->Note()->isVisible());
    QCOMPARE(dialog.XEdit()->Note()->text(),
             QStringLiteral("Operator/Value/Variable/Parameter on position 1 was not recognized"));
    // The note sits just below the field, inside the dialog.
    const QRect field(dialog.XEdit()->mapTo(&dialog, QPoint(0, 0)), dialog.XEdit()->size());
    QVERIFY(dialog.rect().contains(dialog.XEdit()->Note()->geometry()));
    QVERIFY(dialog.XEdit()->Note()->geometry().top() >= field.bottom());
    // OK is refused, and so is every later try until the text is corrected.
    dialog.YEdit()->setFocus();
    ClickOk(dialog);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), 0);
    QCOMPARE(QApplication::focusWidget(), dialog.XEdit());
    QCOMPARE(Node(bench.doc).X, 4.0);
    QVERIFY(!bench.doc.Modified);
    // Another refusal, then Esc in the field takes the change back.
    Type(dialog.XEdit(), QStringLiteral("1/0"));
    QTest::keyClick(dialog.XEdit(), Qt::Key_Return);
    QCOMPARE(dialog.XEdit()->Note()->text(), QStringLiteral("Division by zero"));
    QTest::keyClick(dialog.XEdit(), Qt::Key_Escape);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.XEdit()->text(), QStringLiteral(" 4"));
    QVERIFY(!dialog.XEdit()->Refused());
    QVERIFY(!dialog.XEdit()->Note()->isVisible());
    // Esc elsewhere still closes the dialog.
    QTest::keyClick(dialog.XEdit(), Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!bench.doc.Modified);
  }

  void EveryDialogRefusesTheSameWay() {
    // A support's rotation, a load's position and a beam's strength on a page
    // behind another: OK brings the refused field forward with its reason.
    DialogBench bench;
    const DialogContext context = bench.Context();
    {
      TfSuppProp dialog(context, *OpenSupportDialog(bench.doc, bench.IndexOf(ObjectKind::Support),
                                                    bench.settings.Units));
      dialog.show();
      Type(dialog.RotationEdit(), QStringLiteral("1e400"));
      ClickOk(dialog);
      QVERIFY(dialog.isVisible());
      QCOMPARE(dialog.RotationEdit()->Refusal(), QStringLiteral("The value is too large"));
      Type(dialog.RotationEdit(), QStringLiteral("0")); // the old text typed back
      ClickOk(dialog);
      QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
    {
      TfFQMprop dialog(context, *OpenLoadDialog(bench.doc, bench.IndexOf(ObjectKind::Load),
                                                bench.settings.Units));
      dialog.show();
      Type(dialog.TextPosEdit(), QStringLiteral("150"));
      ClickOk(dialog);
      QVERIFY(dialog.isVisible());
      QCOMPARE(dialog.focusWidget(), dialog.TextPosEdit());
      QCOMPARE(dialog.TextPosEdit()->Refusal(),
               QStringLiteral("The value must lie between 0 and 100"));
      Type(dialog.TextPosEdit(), QStringLiteral("25"));
      ClickOk(dialog);
      QCOMPARE(dialog.result(), int(QDialog::Accepted));
      QCOMPARE(Load(bench.doc).TxtPos, 0.25);
    }
    TfBeamProp dialog(context, *OpenBeamDialog(bench.doc, bench.IndexOf(ObjectKind::Beam),
                                               bench.settings.Units, bench.parameters));
    dialog.show();
    dialog.Pages()->setCurrentIndex(1);
    NumericFieldEdit* fck = dialog.Edit(dialog.Model().Fck);
    Type(fck, QStringLiteral("12*"));
    QTest::keyClick(fck, Qt::Key_Tab);
    QCOMPARE(fck->text(), QStringLiteral("12*"));
    QCOMPARE(fck->Refusal(), QStringLiteral("The multiplication needs a right operand"));
    dialog.Pages()->setCurrentIndex(0);
    QVERIFY(!fck->Note()->isVisible()); // the note goes with its page
    ClickOk(dialog);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.Pages()->currentIndex(), 1);
    QCOMPARE(dialog.focusWidget(), fck);
    QVERIFY(fck->Note()->isVisible());
    QTest::keyClick(fck, Qt::Key_Escape);
    QCOMPARE(fck->text().trimmed(), QStringLiteral("235"));
    ClickOk(dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(Beam(bench.doc).Fck, 235e6);
  }
};

STRANDEL_APP_TEST(FieldPrecisionTest);

} // namespace strandel

#include "field_precision_test.moc"
