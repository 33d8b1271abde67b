// The tool-bar buttons that start operations and the Edit-menu commands.
// Commands that change the model first cancel an operation under way, as
// opening the menu does, so no half-made object is caught up in them.

#include "common/text_entries.h"
#include "editor/edit_commands.h"
#include "editor/editor.h"

namespace strandel {

void Editor::StartTool(CreateTool tool, bool down) {
  EndViewModes();
  if (state_.Mode != mode::kIdle) CancelOperation();
  if (down) state_.Mode = FirstModeOf(tool);
  RefreshAll();
}

void Editor::GridButton(GridKind down) {
  EndViewModes();
  const int m = state_.Mode;
  if (m >= mode::kAngulatedOrigin && m <= mode::kPolarSecond) ReturnFromSavedMode();
  grid_.GridType = kCartesianGrid;
  RequestRepaint();
  switch (down) {
  case kNoGrid:
    grid_.GridType = kNoGrid;
    break;
  case kAngulatedGrid:
  case kPolarGrid:
    state_.SavedMode = state_.Mode;
    state_.SavedCursorVisible = grid_.CursorVisible;
    state_.Mode = down == kAngulatedGrid ? mode::kAngulatedOrigin : mode::kPolarCentre;
    break;
  default:
    break;
  }
  RefreshAll();
}

void Editor::SelectAll() {
  CancelOperation();
  strandel::SelectAll(doc_, true);
  RequestRepaint();
}

void Editor::DeselectAll() {
  strandel::SelectAll(doc_, false);
  ShowCursor(false);
  RequestRepaint();
}

void Editor::Delete() {
  CancelOperation();
  DeleteSelected(doc_);
  changes_.Finish(tr::kStepDelete, kModelChange);
}

void Editor::DeleteAllLoads() {
  CancelOperation();
  strandel::DeleteAllLoads(doc_);
  changes_.Finish(tr::kStepDeleteAllLoads, kModelChange);
}

// Aligning and moving put the results out of date as they start, so no
// displacement shows over nodes about to move.
void Editor::AlignNodesToLine() {
  CancelOperation();
  state_.Mode = mode::kAlignFirst;
  changes_.Mark(kInvalidatesResults);
}

void Editor::MoveObjects() {
  CancelOperation();
  state_.Mode = mode::kMoveBase;
  changes_.Mark(kInvalidatesResults);
}

// Flipping turns the beams' local axes; the results still hold.
void Editor::FlipBeams() {
  CancelOperation();
  FlipSelectedBeams(doc_, host_.Messages());
  strandel::SelectAll(doc_, false);
  changes_.Finish(tr::kStepFlipBeams, kMarksModified);
}

} // namespace strandel
