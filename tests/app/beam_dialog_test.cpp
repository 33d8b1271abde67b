// The beam dialog opened offscreen: typing into its fields and pressing the
// field keys, the layout following the material and the shape, the group rule
// on OK, and Cancel.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "app/app_test_registry.h"
#include "app/beam_dialog.h"
#include "app/numeric_field_edit.h"
#include "common/text_entries.h"
#include "common/translation.h"
#include "common/user_message.h"
#include "model/object_text.h"
#include "support/frame_models.h"

namespace strandel {
namespace {

// Three steel beams 0.1 x 0.2 m in group "G", lengths in m, sections in mm.
struct BeamBench {
  BeamBench() {
    LoadLanguage(std::string(STRANDEL_SOURCE_DIR) + "/data/Languages/English.txt");
    settings.Units.Length = 1;
    settings.Units.Displacement = 4;
    settings.Units.Stress = 2;
    for (int i = 0; i < 3; ++i) {
      testing::AddNode(doc, 2 * i + 1, 2.0 * i, 0);
      testing::AddNode(doc, 2 * i + 2, 2.0 * i, 3);
    }
    const std::string group = "G";
    for (int i = 0; i < 3; ++i) {
      TBeamObject& beam = testing::AddBeam(doc, i + 1, 2 * i + 1, 2 * i + 2);
      beam.BeamGroup = group;
    }
  }
  ~BeamBench() { SetTranslations({}); }

  DialogContext Context() {
    return {nullptr, doc, settings, messages, dataFolder, parameters, random, [] {}};
  }
  static constexpr int kFirstBeam = 6; // after the six nodes
  const TBeamObject& Beam(int number) const { return *FindBeam(doc, number); }

  ModelDocument doc;
  AppSettings settings;
  RecordingMessages messages;
  std::string dataFolder = std::string(STRANDEL_SOURCE_DIR) + "/data/";
  ParameterTable parameters;
  RandomSequence random;
};

void Type(QWidget* edit, const char* text) {
  edit->setFocus();
  if (auto* line = qobject_cast<QLineEdit*>(edit)) line->selectAll();
  QTest::keyClicks(edit, text);
}

QAction* MenuItem(QMenu* menu, const QString& text) {
  for (QAction* item : menu->actions())
    if (item->text() == text) return item;
  return nullptr;
}

void Press(QDialog& dialog, QDialogButtonBox::StandardButton which) {
  QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(which), Qt::LeftButton);
}

} // namespace

class BeamDialogTest : public QObject {
  Q_OBJECT
private slots:
  void AnExpressionInHIsShownAndStoredInItsUnit() {
    BeamBench bench;
    const DialogContext context = bench.Context();
    TfBeamProp dialog(context, *OpenBeamDialog(bench.doc, BeamBench::kFirstBeam,
                                               bench.settings.Units, bench.parameters));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Beam properties B1  (=B2,B3)"));
    QCOMPARE(dialog.Pages()->count(), 3);
    NumericFieldEdit* h = dialog.Edit(dialog.Model().H);
    Type(h, "2*60");
    QTest::keyClick(h, Qt::Key_Return);
    QCOMPARE(h->text().trimmed(), QStringLiteral("120"));
    QCOMPARE(dialog.Model().Copy.H, 0.12);
    QVERIFY(dialog.isVisible());
    QCOMPARE(QApplication::focusWidget(), dialog.Edit(dialog.Model().W));
    // The capacities follow at once: the bars stay within 0..100.
    QVERIFY(!dialog.CapacityValueLabel(1)->text().isEmpty());
    QCOMPARE(dialog.CapacityBar(1)->value(), 91);
  }

  void SteelHidesTheTimberChoicesAndARoundTubeDisablesWidthAndFlange() {
    BeamBench bench;
    const DialogContext context = bench.Context();
    TfBeamProp dialog(context, *OpenBeamDialog(bench.doc, BeamBench::kFirstBeam,
                                               bench.settings.Units, bench.parameters));
    dialog.show();
    QVERIFY(dialog.Choice(dialog.Model().ClimateZone)->isHidden());
    QVERIFY(dialog.Choice(dialog.Model().LoadDuration)->isHidden());
    QVERIFY(dialog.Choice(dialog.Model().Hardenable)->isHidden());
    QVERIFY(!dialog.Choice(dialog.Model().SafetyClass)->isHidden());
    QCOMPARE(dialog.Choice(dialog.Model().Manufacture)->count(), 3);

    QAction* tube = MenuItem(dialog.ShapeMenu(), Translated(123).c_str());
    QVERIFY(tube);
    tube->trigger();
    QCOMPARE(int(dialog.Model().Copy.ShapeNo), 4);
    NumericFieldEdit* w = dialog.Edit(dialog.Model().W);
    QVERIFY(!w->isEnabled());
    QVERIFY(!dialog.Edit(dialog.Model().TF)->isEnabled());
    QVERIFY(dialog.Edit(dialog.Model().TL)->isEnabled());
    QCOMPARE(w->palette().color(QPalette::Disabled, QPalette::Base),
             w->palette().color(QPalette::Button));
  }

  void TheProfileLibraryIsGroupedByFamilyAndFiltered() {
    BeamBench bench;
    const DialogContext context = bench.Context();
    TfBeamProp dialog(context, *OpenBeamDialog(bench.doc, BeamBench::kFirstBeam,
                                               bench.settings.Units, bench.parameters));
    dialog.show();
    QMenu* load =
        MenuItem(dialog.ShapeMenu(), Translated(tr::kBeamMenuLoadProfile).c_str())->menu();
    QVERIFY(load);
    QAction* ipe = MenuItem(load, QStringLiteral("IPE"));
    QVERIFY(ipe && ipe->menu() && ipe->isVisible());
    const QList<QAction*> sizes = ipe->menu()->actions();
    QCOMPARE(sizes.first()->text(), QStringLiteral("IPE 80"));
    QCOMPARE(sizes.at(1)->text(), QStringLiteral("IPE 100"));
    QCOMPARE(sizes.last()->text(), QStringLiteral("IPE 600"));
    // Typing in the filter lists the matching profiles instead of the families.
    dialog.ProfileFilter()->setText(QStringLiteral("ipe 2"));
    QVERIFY(!ipe->isVisible());
    QStringList shown;
    for (QAction* item : load->actions())
      if (item->isVisible() && !item->menu() && !item->text().isEmpty()) shown << item->text();
    QCOMPARE(shown, (QStringList{QStringLiteral("IPE 200"), QStringLiteral("IPE 220"),
                                 QStringLiteral("IPE 240"), QStringLiteral("IPE 270")}));
    MenuItem(load, QStringLiteral("IPE 240"))->trigger();
    QCOMPARE(dialog.Model().Copy.ProfName, std::string("IPE 240"));
    QCOMPARE(dialog.Model().Copy.H, 0.24);
    dialog.ProfileFilter()->clear();
    QVERIFY(ipe->isVisible());
  }

  void AnLProfileCannotBeUnbraced() {
    BeamBench bench;
    const DialogContext context = bench.Context();
    TfBeamProp dialog(context, *OpenBeamDialog(bench.doc, BeamBench::kFirstBeam,
                                               bench.settings.Units, bench.parameters));
    dialog.show();
    MenuItem(dialog.ShapeMenu(), Translated(128).c_str())->trigger();
    QComboBox* braced = dialog.Choice(dialog.Model().Braced);
    QCOMPARE(braced->currentIndex(), 1);
    // Up and Down move between controls here, so the user picks from the list.
    braced->setCurrentIndex(0); // "No"
    emit braced->activated(0);
    QCOMPARE(bench.messages.Entries.size(), std::size_t(1));
    QCOMPARE(braced->currentIndex(), 1);
    QVERIFY(dialog.Model().Copy.Braced);
  }

  void OkGivesTheGroupTheProfileAndKeepsTheTemplate() {
    BeamBench bench;
    const DialogContext context = bench.Context();
    TfBeamProp dialog(context, *OpenBeamDialog(bench.doc, BeamBench::kFirstBeam + 1,
                                               bench.settings.Units, bench.parameters));
    dialog.show();
    Type(dialog.Edit(dialog.Model().H), "300");
    Type(dialog.ProfileNameEdit(), "Box 300");
    dialog.Pages()->setCurrentIndex(1);
    Type(dialog.DescriptionMemo(), "first");
    QTest::keyClick(dialog.DescriptionMemo(), Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClicks(dialog.DescriptionMemo(), "second");
    dialog.Pages()->setCurrentIndex(2);
    Press(dialog, QDialogButtonBox::Ok);
    for (int number : {1, 2, 3}) {
      QCOMPARE(bench.Beam(number).H, 0.3);
      QCOMPARE(bench.Beam(number).ProfName, std::string("Box 300"));
      QCOMPARE(bench.Beam(number).MtrlDesc, std::string("first\r\nsecond"));
    }
    QCOMPARE(int(bench.Beam(3).Node1), 5);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    // The window marks the document after an accepted dialog, not the dialog.
    QVERIFY(!bench.doc.Modified);
    QVERIFY(!bench.settings.LastBeamStr.empty());
  }

  void DeletingTheGroupAndCancellingLeavesTheModel() {
    BeamBench bench;
    const DialogContext context = bench.Context();
    const std::string before = WriteText(bench.Beam(1));
    TfBeamProp dialog(context, *OpenBeamDialog(bench.doc, BeamBench::kFirstBeam,
                                               bench.settings.Units, bench.parameters));
    dialog.show();
    dialog.Pages()->setCurrentIndex(2);
    QCOMPARE(dialog.GroupChoice()->currentText(), QStringLiteral("G"));
    for (QToolButton* button : dialog.findChildren<QToolButton*>())
      if (button->text() == "-") QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(dialog.GroupChoice()->currentText(), QString());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Beam properties B1"));
    QTest::mouseClick(dialog.DefaultColourButton(), Qt::LeftButton);
    Press(dialog, QDialogButtonBox::Cancel);
    QCOMPARE(WriteText(bench.Beam(1)), before);
    QCOMPARE(bench.Beam(2).BeamGroup, std::string("G"));
    QVERIFY(!bench.doc.Modified);
  }

  void TheDetailsListShowsTheChosenValue() {
    BeamBench bench;
    bench.settings.Units.Area = 3; // [cm^2]
    const DialogContext context = bench.Context();
    TfBeamProp dialog(context, *OpenBeamDialog(bench.doc, BeamBench::kFirstBeam,
                                               bench.settings.Units, bench.parameters));
    dialog.show();
    QCOMPARE(dialog.DetailChoice()->count(), 26);
    dialog.DetailChoice()->setCurrentIndex(0);
    QCOMPARE(dialog.DetailValueLabel()->text().trimmed(), QStringLiteral("200"));
    dialog.DetailChoice()->setCurrentIndex(9); // Length, 3 m
    QCOMPARE(dialog.DetailValueLabel()->text().trimmed(), QStringLiteral("3"));
  }
};

STRANDEL_APP_TEST(BeamDialogTest);

} // namespace strandel

#include "beam_dialog_test.moc"
