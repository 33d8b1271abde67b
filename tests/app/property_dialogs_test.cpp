// The property, units and dimensioning-rules dialogs opened offscreen: typing
// into their fields, the keys between fields, OK and Cancel, and what each
// leaves in the model and the settings.

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cmath>

#include "app/app_fixture.h"
#include "app/app_test_registry.h"
#include "app/dialog_bench.h"
#include "app/dimensioning_dialog.h"
#include "app/load_dialog.h"
#include "app/node_dialog.h"
#include "app/numeric_field_edit.h"
#include "app/support_dialog.h"
#include "app/units_dialog.h"
#include "common/geometry.h"
#include "common/translation.h"
#include "render/symbol_pictures.h"
#include "support/frame_models.h"

namespace strandel {
using testing::Type;

namespace {

using testing::ClickCancel;
using testing::ClickOk;
using testing::DialogBench;

// On the box itself: a check box takes clicks on its box and caption only.
void Tick(QCheckBox* box) {
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

} // namespace

class PropertyDialogsTest : public QObject {
  Q_OBJECT
private slots:
  void AParameterDefinedInOneDialogServesTheNextOfTheSameRun() {
    // The window hands every dialog its one table: "Span=5" typed into the node
    // dialog is known to the force dialog opened after it, and to no dialog of
    // another run.
    DialogBench bench;
    const DialogContext context = bench.Context();
    {
      TfNodeProp node(context, *OpenNodeDialog(bench.doc, 1, bench.settings.Units)); // node 2
      node.show();
      Type(node.XEdit(), "Span=5");
      ClickOk(node);
      QCOMPARE(node.result(), int(QDialog::Accepted));
    }
    QCOMPARE(bench.Node(2).X, 5.0);
    {
      TfFQMprop force(context, *OpenLoadDialog(bench.doc, bench.IndexOf(ObjectKind::Force),
                                               bench.settings.Units));
      force.show();
      Type(force.ValueEdit(), "Span*2"); // [KN]
      ClickOk(force);
      QCOMPARE(force.result(), int(QDialog::Accepted));
    }
    QCOMPARE(bench.First<TForceObject>().Value, 10000.0);

    DialogBench other;
    const DialogContext otherContext = other.Context();
    TfNodeProp node(otherContext, *OpenNodeDialog(other.doc, 1, other.settings.Units));
    node.show();
    Type(node.XEdit(), "Span");
    ClickOk(node);
    QVERIFY(node.isVisible()); // refused: OK waits
    QCOMPARE(other.Node(2).X, 4.0);
  }

  void ANodeOnABeamTakesItsPositionAndCancelChangesNothing() {
    DialogBench bench;
    const DialogContext context = bench.Context();
    const int index = 3; // node 3, on beam 1
    {
      TfNodeProp dialog(context, *OpenNodeDialog(bench.doc, index, bench.settings.Units));
      dialog.show();
      QVERIFY(QTest::qWaitForWindowExposed(&dialog));
      QVERIFY(!dialog.XEdit()->isEnabled() && !dialog.YEdit()->isEnabled());
      Type(dialog.PositionEdit(), "75");
      ClickCancel(dialog);
      QCOMPARE(bench.Node(3).X, 1.0);
      QVERIFY(!bench.doc.Modified);
    }
    TfNodeProp dialog(context, *OpenNodeDialog(bench.doc, index, bench.settings.Units));
    dialog.show();
    Type(dialog.PositionEdit(), "100/2");
    ClickOk(dialog);
    QVERIFY(std::abs(bench.Node(3).X - 2.0) < 1e-12);
  }

  void SupportDirectionButtonsShowTheSymbolAndAreStored() {
    DialogBench bench;
    const DialogContext context = bench.Context();
    const int index = bench.IndexOf(ObjectKind::Support);
    TfSuppProp dialog(context, *OpenSupportDialog(bench.doc, index, bench.settings.Units));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    for (int direction = 1; direction <= 4; ++direction)
      QVERIFY(!dialog.DirectionButton(direction)->icon().isNull());
    QVERIFY(dialog.DirectionButton(3)->isChecked());
    QTest::mouseClick(dialog.DirectionButton(2), Qt::LeftButton);
    QVERIFY(!dialog.DirectionButton(3)->isChecked());
    Type(dialog.YEdit(), "-5");
    QTest::keyClick(dialog.YEdit(), Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), dialog.RotationEdit());
    QTest::keyClick(dialog.RotationEdit(), Qt::Key_Up);
    QCOMPARE(QApplication::focusWidget(), dialog.YEdit());
    Tick(dialog.LockedBox());
    ClickOk(dialog);
    const TSupportObject& support =
        std::get<TSupportObject>(*bench.doc.GraphObjects[static_cast<std::size_t>(index)]);
    QCOMPARE(int(support.Direction), 2);
    QCOMPARE(support.DY, -0.005);
    QVERIFY(support.Locked);
    QVERIFY(!support.Rolled);
  }

  void TheFourSupportPicturesDiffer() {
    const QImage up = SupportPicture(1, 40);
    QVERIFY(!up.isNull());
    for (int direction = 2; direction <= 4; ++direction)
      QVERIFY(SupportPicture(direction, 40) != up);
    for (int shape = 1; shape <= 10; ++shape)
      QVERIFY(ProfilePicture(shape, 32) != ProfilePicture(0, 32));
  }

  void AForceTurnedFullyRoundIsStoredWithinAHalfTurn() {
    DialogBench bench;
    const DialogContext context = bench.Context();
    const int index = bench.IndexOf(ObjectKind::Force);
    TfFQMprop dialog(context, *OpenLoadDialog(bench.doc, index, bench.settings.Units));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.ValueEdit()->text().trimmed(), QStringLiteral("1"));
    QVERIFY(!dialog.TextPosEdit()->isEnabled());
    Type(dialog.AngleEdit(), "270");
    QTest::keyClick(dialog.AngleEdit(), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), dialog.ValueEdit());
    Type(dialog.ValueEdit(), "2.5");
    ClickOk(dialog);
    const TForceObject& force =
        std::get<TForceObject>(*bench.doc.GraphObjects[static_cast<std::size_t>(index)]);
    QVERIFY(std::abs(force.Angle + kPi / 2) < 1e-12);
    QCOMPARE(force.Value, 2500.0);
  }

  void UnitsPresetsAndPicksReachTheSettingsOnlyOnOk() {
    UnitChoice stored;
    {
      UnitsDialog dialog(nullptr, stored);
      dialog.show();
      QVERIFY(QTest::qWaitForWindowExposed(&dialog));
      QCOMPARE(dialog.List(0)->count(), 6);
      QCOMPARE(dialog.List(0)->currentRow(), 2); // [cm]
      QTest::mouseClick(dialog.UsButton(), Qt::LeftButton);
      QCOMPARE(dialog.List(0)->currentItem()->text(), QStringLiteral("[ft]"));
      ClickCancel(dialog);
      QCOMPARE(stored.Length, 3);
    }
    UnitsDialog dialog(nullptr, stored);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::mouseClick(dialog.SiButton(), Qt::LeftButton);
    QListWidget* stress = dialog.List(4);
    const QRect ksi = stress->visualItemRect(stress->item(6));
    QTest::mouseClick(stress->viewport(), Qt::LeftButton, {}, ksi.center());
    ClickOk(dialog);
    QCOMPARE(stored.Length, 1);
    QCOMPARE(stored.Displacement, 4);
    QCOMPARE(stored.Stress, 7);
  }

  void SecondOrderEffectsAreASwitchOfTheirOwn() {
    ModelDocument doc;
    {
      DimensioningRulesDialog dialog(nullptr, doc);
      dialog.show();
      QVERIFY(QTest::qWaitForWindowExposed(&dialog));
      QCheckBox* lateral = dialog.SwitchBox(DimensioningSwitch::LatBuckRed);
      QVERIFY(lateral->isChecked() && !dialog.SecondOrderBox()->isChecked());
      Tick(dialog.SecondOrderBox());
      QVERIFY(lateral->isChecked());
      Tick(dialog.SwitchBox(DimensioningSwitch::OwnWeight));
      ClickCancel(dialog);
      QVERIFY(doc.Settings.OwnWeight && !doc.Settings.SecondOrder);
    }
    DimensioningRulesDialog dialog(nullptr, doc);
    dialog.show();
    Tick(dialog.SecondOrderBox());
    Tick(dialog.SwitchBox(DimensioningSwitch::LatBuckRed));
    QVERIFY(dialog.SecondOrderBox()->isChecked());
    ClickOk(dialog);
    QVERIFY(dialog.Changed());
    QVERIFY(!doc.Settings.LatBuckRed && doc.Settings.SecondOrder);
    QVERIFY(doc.Settings.FailHazRed && doc.Settings.OwnWeight);
  }

  void TheMenuItemsOpenTheDialogs() {
    testing::AppFixture app;
    MainWindow& window = app.Start({});
    const MainMenu& m = window.Menu();
    QVERIFY(m.Units->isEnabled());
    QVERIFY(m.DimensioningRules->isEnabled());
    // The dialog answers itself once it is up: US, then OK.
    QTimer::singleShot(0, [] {
      auto* dialog = qobject_cast<UnitsDialog*>(QApplication::activeModalWidget());
      QVERIFY(dialog);
      dialog->UsButton()->click();
      dialog->accept();
    });
    m.Units->trigger();
    QCOMPARE(window.Settings().Units.Length, 6); // [ft]
    QTimer::singleShot(0, [] {
      auto* dialog = qobject_cast<DimensioningRulesDialog*>(QApplication::activeModalWidget());
      QVERIFY(dialog);
      dialog->SwitchBox(DimensioningSwitch::OwnWeight)->click();
      dialog->accept();
    });
    m.DimensioningRules->trigger();
    QVERIFY(!window.Document().Settings.OwnWeight);
    QVERIFY(window.Document().Modified);
  }
};

STRANDEL_APP_TEST(PropertyDialogsTest);

} // namespace strandel

#include "property_dialogs_test.moc"
