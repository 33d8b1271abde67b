// The program's own dialogs, opened as a double click and the Settings menu
// open them and confirmed as a user does: each OK is one step named after the
// dialog, taken back and made again byte for byte; Cancel makes none.

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/app_fixture.h"
#include "app/app_test_registry.h"
#include "app/beam_dialog.h"
#include "app/dimensioning_dialog.h"
#include "app/load_dialog.h"
#include "app/model_page.h"
#include "app/node_dialog.h"
#include "app/numeric_field_edit.h"
#include "app/support_dialog.h"
#include "common/text_entries.h"
#include "common/translation.h"
#include "model/document_file.h"

namespace strandel {

using testing::AppFixture;

namespace {

// Runs `act` on the modal dialog of type D as soon as it is shown, then
// presses OK (or Cancel).
template <class D> void WhenShown(std::function<void(D&)> act, bool confirm = true) {
  QTimer::singleShot(0, [act, confirm] {
    D* dialog = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (auto* found = qobject_cast<D*>(widget); found && found->isVisible()) dialog = found;
    QVERIFY(dialog);
    act(*dialog);
    auto* buttons = dialog->template findChild<QDialogButtonBox*>();
    QVERIFY(buttons);
    QTest::mouseClick(buttons->button(confirm ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel),
                      Qt::LeftButton);
  });
}

void Type(QLineEdit* edit, const char* text) {
  edit->setFocus();
  edit->selectAll();
  QTest::keyClicks(edit, text);
}

int IndexOf(const ModelDocument& doc, ObjectKind kind) {
  for (std::size_t i = 0; i < doc.GraphObjects.size(); ++i)
    if (KindOf(*doc.GraphObjects[i]) == kind) return static_cast<int>(i);
  return -1;
}

} // namespace

class UndoDialogsTest : public QObject {
  Q_OBJECT
private slots:
  void EachDialogsOkIsOneStep() {
    AppFixture app;
    const std::string frame = app.WriteModel("frame.qsd", testing::PortalFrameObjects());
    MainWindow& window = app.Start(frame, InstalledDialogs());
    const ModelDocument& doc = window.Document();
    const auto open = [&window, &doc](ObjectKind kind) {
      return [&window, &doc, kind] {
        window.Model()->PropertyDialogRequested(kind, IndexOf(doc, kind));
      };
    };
    struct Case {
      const char* what;
      int step;
      std::function<void()> run;
    };
    const std::vector<Case> cases = {
        {"node", tr::kNodeCaption,
         [&] {
           WhenShown<TfNodeProp>([](TfNodeProp& d) { Type(d.XEdit(), "12.5"); });
           open(ObjectKind::Node)();
         }},
        {"support", tr::kSupportCaption,
         [&] {
           WhenShown<TfSuppProp>([](TfSuppProp& d) {
             QCheckBox* box = d.LockedBox();
             QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
           });
           open(ObjectKind::Support)();
         }},
        {"load", tr::kStepLoadProperties,
         [&] {
           WhenShown<TfFQMprop>([](TfFQMprop& d) { Type(d.ValueEdit(), "2.5"); });
           open(ObjectKind::Load)();
         }},
        {"beam", tr::kBeamCaption,
         [&] {
           WhenShown<TfBeamProp>([](TfBeamProp& d) { Type(d.ProfileNameEdit(), "HEA 300"); });
           open(ObjectKind::Beam)();
         }},
        {"dimensioning rules", tr::kDimRulesCaption,
         [&] {
           WhenShown<DimensioningRulesDialog>([](DimensioningRulesDialog& d) {
             QCheckBox* box = d.SwitchBox(DimensioningSwitch::LoadDurRed);
             QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
           });
           window.OpenDimensioningRules();
         }},
    };
    for (const Case& c : cases) {
      qInfo("%s", c.what);
      const std::string before = WriteDocumentText(doc);
      const std::size_t steps = window.History().UndoCount();
      c.run();
      QCOMPARE(window.History().UndoCount(), steps + 1);
      QCOMPARE(window.History().UndoName(), c.step);
      QCOMPARE(window.Menu().Undo->text(),
               QString::fromStdString(Translated(tr::kMenuEditUndo) + " " + Translated(c.step)));
      const std::string after = WriteDocumentText(doc);
      QVERIFY(after != before);
      window.Menu().Undo->trigger();
      QCOMPARE(WriteDocumentText(doc), before);
      window.Menu().Redo->trigger();
      QCOMPARE(WriteDocumentText(doc), after);
    }
    // Back through all five to the file as opened: nothing to save.
    for (std::size_t k = 0; k < cases.size(); ++k)
      window.Menu().Undo->trigger();
    QVERIFY(!doc.Modified);
    QVERIFY(!window.Menu().Undo->isEnabled());
  }

  void ABeamGroupTakingTheProfileIsOneStep() {
    AppFixture app;
    std::string objects = testing::PortalFrameObjects();
    for (const char* beam : {"0;0;0;3\n", "0;3;4;3\n", "4;0;4;3\n"}) {
      const std::size_t at = objects.find(beam) + std::string(beam).size() - 1;
      objects.insert(at, ";G");
    }
    const std::string frame = app.WriteModel("group.qsd", objects);
    MainWindow& window = app.Start(frame, InstalledDialogs());
    const ModelDocument& doc = window.Document();
    const std::string before = WriteDocumentText(doc);
    WhenShown<TfBeamProp>([](TfBeamProp& d) { Type(d.ProfileNameEdit(), "Box 300"); });
    window.Model()->PropertyDialogRequested(ObjectKind::Beam, IndexOf(doc, ObjectKind::Beam));
    for (const TBeamObject& beam : ObjectsOf<TBeamObject>(doc)) {
      QCOMPARE(beam.BeamGroup, std::string("G"));
      QCOMPARE(beam.ProfName, std::string("Box 300"));
    }
    QCOMPARE(window.History().UndoCount(), std::size_t{1});
    window.Menu().Undo->trigger();
    QCOMPARE(WriteDocumentText(doc), before);
  }

  void ACancelledDialogMakesNoStep() {
    AppFixture app;
    const std::string frame = app.WriteModel("frame.qsd", testing::PortalFrameObjects());
    MainWindow& window = app.Start(frame, InstalledDialogs());
    WhenShown<TfNodeProp>([](TfNodeProp& d) { Type(d.XEdit(), "99"); }, false);
    window.Model()->PropertyDialogRequested(ObjectKind::Node, 0);
    QVERIFY(!window.History().CanUndo());
    QVERIFY(!window.Document().Modified);
  }
};

STRANDEL_APP_TEST(UndoDialogsTest);

} // namespace strandel

#include "undo_dialogs_test.moc"
