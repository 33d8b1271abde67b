// Undo and redo in the main window: the Edit menu's two items (also the first
// buttons of the Model page's tool bar), their captions naming the steps, and
// the name of the step each property dialog's OK makes.

#include <QAction>

#include "app/main_menu.h"
#include "app/main_window.h"
#include "app/model_page.h"
#include "app/qt_text.h"
#include "common/text_entries.h"
#include "common/translation.h"

namespace strandel {
namespace {

// "&Undo Delete": the item's caption followed by the step's name.
QString ItemText(int item, int step) {
  QString text = Tr(item);
  if (step != 0) text += QLatin1Char(' ') + Tr(step);
  return text;
}

QString HintText(int hint, int step) {
  QString text = Tr(hint);
  if (step != 0) text += QStringLiteral(" (") + Tr(step) + QLatin1Char(')');
  return text;
}

} // namespace

int PropertyStepName(ObjectKind kind) {
  switch (kind) {
  case ObjectKind::Node:
    return tr::kNodeCaption;
  case ObjectKind::Beam:
    return tr::kBeamCaption;
  case ObjectKind::Support:
    return tr::kSupportCaption;
  case ObjectKind::Load:
    return tr::kStepLoadProperties;
  case ObjectKind::Force:
    return tr::kStepForceProperties;
  case ObjectKind::Moment:
    return tr::kStepMomentProperties;
  }
  return tr::kStepChange;
}

void MainWindow::UndoStep() {
  MoveInHistory(true);
}

void MainWindow::RedoStep() {
  MoveInHistory(false);
}

void MainWindow::MoveInHistory(bool backward) {
  // A half-made object or a drag under way ends first; a finished drag is
  // then the step taken back.
  CancelOperation();
  // A step taken is shown as every change is (ShowChange).
  const HistoryMove move = backward ? changes_.Undo() : changes_.Redo();
  if (move == HistoryMove::Done) return;
  if (move == HistoryMove::OutOfStep)
    messages_.Show(Translated(tr::kMsgHistoryOutOfStep), MessageKind::Warning);
  // The history may have started again: the undo items follow.
  modelPage_->RefreshStatusBar();
}

void MainWindow::RefreshUndoItems() {
  const DocumentHistory& history = changes_.History();
  const int undo = history.UndoName(), redo = history.RedoName();
  menu_.Undo->setText(ItemText(tr::kMenuEditUndo, undo));
  menu_.Redo->setText(ItemText(tr::kMenuEditRedo, redo));
  menu_.Undo->setToolTip(HintText(tr::kHintUndo, undo));
  menu_.Redo->setToolTip(HintText(tr::kHintRedo, redo));
  menu_.Undo->setEnabled(history.CanUndo());
  menu_.Redo->setEnabled(history.CanRedo());
}

} // namespace strandel
