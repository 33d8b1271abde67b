// The "Constrains editor" of one chosen variable, on the generated truss girder:
// an interval's bounds typed in the shown unit (and refused when they leave no
// room), Equal and Mirror following another variable of the same kind, a type
// change refused when there is nothing to follow, and Cancel putting it back.

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <initializer_list>

#include "app/app_test_registry.h"
#include "app/constraint_editor_dialog.h"
#include "app/numeric_field_edit.h"
#include "common/translation.h"
#include "optimizer/optimizer_fixture.h"
#include "optimizer/variable_lists.h"

namespace strandel {
namespace {

// The girder's variables with the named ones chosen; lengths in centimetres.
struct ChosenVariables {
  explicit ChosenVariables(std::initializer_list<const char*> names) : doc(testing::TrussGirder()) {
    BuildVariables(list, doc, units);
    for (const char* name : names)
      SelectVariableByName(list, name);
  }
  TVarItem& Variable(const char* name) { return *FindVariable(list, name); }

  ModelDocument doc;
  UnitChoice units;
  VariableList list;
  ParameterTable parameters;
};

void TypeInto(NumericFieldEdit* field, const QString& text) {
  field->setFocus();
  field->selectAll();
  QTest::keyClicks(field, text);
}

void ChooseType(TfOptEdit& editor, int type) {
  editor.TypeChoice()->setCurrentIndex(type);
  emit editor.TypeChoice()->activated(type);
}

bool Near(double a, double b) {
  return std::abs(a - b) < 1e-9;
}

} // namespace

class ConstraintEditorDialogTest : public QObject {
  Q_OBJECT
private slots:
  void initTestCase() { QVERIFY(LoadLanguage(STRANDEL_SOURCE_DIR "/data/Languages/English.txt")); }

  void IntervalBoundsAreTypedInTheShownUnit() {
    ChosenVariables v({"N004.Y"});
    TVarItem& height = v.Variable("N004.Y");
    TfOptEdit editor(v.list, height, v.parameters);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    QCOMPARE(editor.windowTitle(), QStringLiteral("Constrains editor"));
    QCOMPARE(editor.NameField()->text(), QStringLiteral(" N004.Y"));
    QVERIFY(editor.NameField()->isReadOnly());
    QCOMPARE(editor.TypeChoice()->currentText(), QStringLiteral("Interval"));
    QCOMPARE(editor.UnitLabel()->text(), QStringLiteral("[cm]"));
    QVERIFY(editor.LowBoundField()->isVisible());
    QVERIFY(!editor.AssociatedChoice()->isVisible());
    // 1 m less and more 0.3 x 0.7071135624 x 1 m, in centimetres.
    QVERIFY(Near(editor.LowBoundField()->text().toDouble(), 78.78659312685617));
    QVERIFY(Near(editor.HighBoundField()->text().toDouble(), 121.2134068731438));

    TypeInto(editor.LowBoundField(), QStringLiteral("80"));
    QTest::keyClick(editor.LowBoundField(), Qt::Key_Tab);
    TypeInto(editor.HighBoundField(), QStringLiteral("125"));
    QTest::keyClick(editor.HighBoundField(), Qt::Key_Return);
    // Enter stored the bounds and moved on; the editor is still open.
    QVERIFY(editor.isVisible());
    QVERIFY(Near(height.LowBound, 0.8));
    QVERIFY(Near(height.HighBound, 1.25));
    QCOMPARE(editor.HighBoundField()->text(), QStringLiteral(" 125"));

    // Bounds that leave no room are not taken: the old ones show again.
    TypeInto(editor.LowBoundField(), QStringLiteral("5"));
    TypeInto(editor.HighBoundField(), QStringLiteral("5"));
    QTest::keyClick(editor.HighBoundField(), Qt::Key_Up);
    QVERIFY(Near(height.LowBound, 0.8));
    QCOMPARE(editor.LowBoundField()->text(), QStringLiteral(" 80"));
    QCOMPARE(editor.HighBoundField()->text(), QStringLiteral(" 125"));
    TypeInto(editor.LowBoundField(), QStringLiteral("130"));
    QTest::keyClick(editor.LowBoundField(), Qt::Key_Down);
    QVERIFY(Near(height.LowBound, 0.8));
    // A bound that is no number is refused with its reason: OK waits for it.
    TypeInto(editor.LowBoundField(), QStringLiteral("low"));
    TypeInto(editor.HighBoundField(), QStringLiteral("110"));
    QTest::mouseClick(editor.OkButton(), Qt::LeftButton);
    QVERIFY(editor.isVisible());
    QCOMPARE(QApplication::focusWidget(), editor.LowBoundField());
    QCOMPARE(editor.LowBoundField()->Refusal(),
             QStringLiteral("Operator/Value/Variable/Parameter on position 1 was not recognized"));
    QCOMPARE(editor.HighBoundField()->text(), QStringLiteral(" 110")); // taken, waiting
    QVERIFY(Near(height.LowBound, 0.8));
    TypeInto(editor.LowBoundField(), QStringLiteral("0"));
    QTest::mouseClick(editor.OkButton(), Qt::LeftButton);
    QCOMPARE(editor.result(), int(QDialog::Accepted));
    QCOMPARE(height.LowBound, 0.0);
    QCOMPARE(height.HighBound, 1.1);
    QCOMPARE(OptimizeLine(height), std::string("N004.Y =  0..110\t[cm]"));
  }

  void CancelPutsBackWhatTheVariableHeld() {
    ChosenVariables v({"N004.Y", "N006.Y"});
    TVarItem& height = v.Variable("N006.Y");
    const double low = height.LowBound, high = height.HighBound;
    TfOptEdit editor(v.list, height, v.parameters);
    editor.show();
    TypeInto(editor.LowBoundField(), QStringLiteral("50"));
    QTest::keyClick(editor.LowBoundField(), Qt::Key_Tab);
    QVERIFY(Near(height.LowBound, 0.5));
    ChooseType(editor, kConstrainEqual);
    emit editor.AssociatedChoice()->activated(0);
    QCOMPARE(height.AssocName, std::string("N004.Y"));
    QTest::mouseClick(editor.CancelButton(), Qt::LeftButton);
    QCOMPARE(editor.result(), int(QDialog::Rejected));
    QCOMPARE(height.LowBound, low);
    QCOMPARE(height.HighBound, high);
    QCOMPARE(height.ConstrainType, kConstrainInterval);
    QCOMPARE(height.AssocName, std::string());
  }

  void EqualAndMirrorFollowAVariableOfTheSameKind() {
    ChosenVariables v({"N004.X", "N004.Y", "N006.Y", "N008.Y", "N003.P", "N005.P"});
    {
      TVarItem& height = v.Variable("N006.Y");
      TfOptEdit editor(v.list, height, v.parameters);
      editor.show();
      ChooseType(editor, kConstrainEqual);
      QCOMPARE(editor.TypeChoice()->currentIndex(), kConstrainEqual);
      QVERIFY(!editor.LowBoundField()->isVisible());
      QVERIFY(!editor.UnitLabel()->isVisible());
      QVERIFY(editor.AssociatedChoice()->isVisible());
      // Heights follow heights: neither the X of node 4 nor the variable itself.
      QStringList offered;
      for (int i = 0; i < editor.AssociatedChoice()->count(); ++i)
        offered << editor.AssociatedChoice()->itemText(i);
      QCOMPARE(offered, (QStringList{QStringLiteral("N004.Y"), QStringLiteral("N008.Y")}));
      editor.AssociatedChoice()->setCurrentIndex(1);
      emit editor.AssociatedChoice()->activated(1);
      // Taken at once, before OK.
      QCOMPARE(height.AssocName, std::string("N008.Y"));
      QCOMPARE(height.ConstrainType, kConstrainEqual);
      QTest::mouseClick(editor.OkButton(), Qt::LeftButton);
      QCOMPARE(OptimizeLine(height), std::string("N006.Y =  N008.Y"));
    }
    {
      // A dependent is not offered to follow: N004.Y may follow N008.Y only.
      TfOptEdit editor(v.list, v.Variable("N004.Y"), v.parameters);
      ChooseType(editor, kConstrainMirror);
      QCOMPARE(editor.AssociatedChoice()->count(), 1);
      QCOMPARE(editor.AssociatedChoice()->currentText(), QStringLiteral("N008.Y"));
      QTest::mouseClick(editor.OkButton(), Qt::LeftButton);
      QCOMPARE(OptimizeLine(v.Variable("N004.Y")), std::string("N004.Y = -N008.Y"));
    }
    {
      // A position mirrors to the other end of its beam.
      TfOptEdit editor(v.list, v.Variable("N005.P"), v.parameters);
      ChooseType(editor, kConstrainMirror);
      QCOMPARE(editor.AssociatedChoice()->currentText(), QStringLiteral("N003.P"));
      QTest::mouseClick(editor.OkButton(), Qt::LeftButton);
      QCOMPARE(OptimizeLine(v.Variable("N005.P")), std::string("N005.P =  1-N003.P"));
    }
    // Back to an interval: the bounds show again and the variable follows nothing.
    TfOptEdit editor(v.list, v.Variable("N006.Y"), v.parameters);
    editor.show();
    QVERIFY(editor.AssociatedChoice()->isVisible());
    ChooseType(editor, kConstrainInterval);
    QVERIFY(editor.LowBoundField()->isVisible());
    QTest::mouseClick(editor.OkButton(), Qt::LeftButton);
    QCOMPARE(v.Variable("N006.Y").ConstrainType, kConstrainInterval);
    QCOMPARE(v.Variable("N006.Y").AssocName, std::string());
  }
};

STRANDEL_APP_TEST(ConstraintEditorDialogTest);

} // namespace strandel

#include "constraint_editor_dialog_test.moc"
