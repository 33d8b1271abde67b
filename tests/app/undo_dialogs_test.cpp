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
#include "app/dialog_bench.h"
#include "app/dimensioning_dialog.h"
#include "app/load_dialog.h"
#include "app/model_page.h"
#include "app/node_dialog.h"
#include "app/numeric_field_edit.h"
#include "app/page_control.h"
#include "app/support_dialog.h"
#include "app/when_shown.h"
#include "common/text_entries.h"
#include "common/translation.h"
#include "model/document_file.h"

namespace strandel {

using testing::AppFixture;
using testing::Type;
using testing::WhenShown;

namespace {

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
    MainWindow& window = app.Start(frame);
    const ModelDocument& doc = window.Document();
    const auto open = [&window, &doc](ObjectKind kind) {
      return [&window, &doc, kind] { window.OpenPropertyDialog(kind, IndexOf(doc, kind)); };
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

  // Cancel, a field refused at OK and an object that left the model while its
  // dialog was open: no step, no modified mark, the results kept, and the
  // window is not brought up to date for a change that did not happen.
  void WhatDoesNotApplyChangesNothing() {
    AppFixture app;
    const std::string frame = app.WriteModel("frame.qsd", testing::PortalFrameObjects());
    MainWindow& window = app.Start(frame);
    ModelDocument& doc = window.Document();
    QVERIFY(window.Pages()->Choose(kAnalysisPage));
    QVERIFY(window.Pages()->Choose(kModelPage));
    QVERIFY(doc.ResultsValid);
    const std::string opened = WriteDocumentText(doc);
    int refreshes = 0;
    const std::function<void()> refreshed = window.Model()->StatusRefreshed;
    window.Model()->StatusRefreshed = [&refreshes, refreshed] {
      ++refreshes;
      refreshed();
    };
    const auto expectNothing = [&](const char* what) {
      qInfo("%s", what);
      QCOMPARE(WriteDocumentText(doc), opened);
      QVERIFY(!window.History().CanUndo());
      QVERIFY(!doc.Modified);
      QVERIFY(doc.ResultsValid);
      QCOMPARE(refreshes, 0);
    };

    WhenShown<TfNodeProp>([](TfNodeProp& d) { Type(d.XEdit(), "99"); }, false);
    window.OpenPropertyDialog(ObjectKind::Node, 0);
    expectNothing("cancel");

    bool stayedOpen = false;
    WhenShown<TfNodeProp>([](TfNodeProp& d) { Type(d.XEdit(), "2*("); }, true, &stayedOpen);
    window.OpenPropertyDialog(ObjectKind::Node, 0);
    QVERIFY(stayedOpen);
    expectNothing("a field that cannot be taken keeps the dialog open");

    // The load dialog is open while its load leaves the model: OK cannot put
    // that right, so it says that nothing was changed and closes.
    const int load = IndexOf(doc, ObjectKind::Load);
    std::unique_ptr<GraphObject> taken;
    WhenShown<TfFQMprop>([&doc, &taken, load](TfFQMprop& d) {
      Type(d.ValueEdit(), "7");
      taken = std::move(doc.GraphObjects[static_cast<std::size_t>(load)]);
      doc.GraphObjects.erase(doc.GraphObjects.begin() + load);
    });
    window.OpenPropertyDialog(ObjectKind::Load, load);
    QVERIFY(!app.Messages.Entries.empty());
    QCOMPARE(app.Messages.Entries.back().Text, Translated(tr::kMsgDialogObjectGone));
    doc.GraphObjects.insert(doc.GraphObjects.begin() + load, std::move(taken));
    expectNothing("the object has gone");

    // An OK that applies: one step, one refresh of the window.
    WhenShown<TfNodeProp>([](TfNodeProp& d) { Type(d.XEdit(), "0.5"); });
    window.OpenPropertyDialog(ObjectKind::Node, 0);
    QCOMPARE(window.History().UndoCount(), std::size_t{1});
    QVERIFY(doc.Modified);
    QVERIFY(!doc.ResultsValid);
    QCOMPARE(refreshes, 1);
    refreshes = 0;
    window.Menu().Undo->trigger();
    QCOMPARE(refreshes, 1);
    QCOMPARE(std::get<TNodeObject>(*doc.GraphObjects[0]).X, 0.0);
    QVERIFY(!doc.Modified);
  }
};

STRANDEL_APP_TEST(UndoDialogsTest);

} // namespace strandel

#include "undo_dialogs_test.moc"
