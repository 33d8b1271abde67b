// Copying part of the model: copy, cut and paste, duplicate by two clicks, a
// mirrored copy about a clicked line, and arrays. Each is one step.

#include <cmath>

#include "common/text_entries.h"
#include "common/translation.h"
#include "common/user_message.h"
#include "editor/edit_commands.h"
#include "editor/editor.h"
#include "editor/snap.h"

namespace strandel {

bool Editor::TakeSelectedPart() {
  placing_ = SelectedPart(doc_);
  if (!placing_.Empty()) return true;
  host_.Messages().Show(Translated(tr::kMsgSelectToCopy), MessageKind::Information);
  return false;
}

void Editor::PlaceAndFinish(const ModelPart& part, const std::vector<PlaneMap>& maps, int step) {
  // Every copy is placed from the same part, so neighbouring copies join where
  // they meet; together they are the new selection.
  strandel::SelectAll(doc_, false);
  for (const PlaneMap& map : maps) {
    if (!PlacePart(doc_, part, map)) {
      host_.Messages().Show(kNoFreeNumber, MessageKind::Error);
      break;
    }
  }
  ShowCursor(false);
  changes_.Finish(step, kModelChange);
}

void Editor::Copy() {
  CancelOperation();
  if (TakeSelectedPart()) clipboard_ = placing_;
  RefreshAll(); // Paste may now be offered
}

void Editor::Cut() {
  CancelOperation();
  if (!TakeSelectedPart()) return;
  clipboard_ = placing_;
  DeleteSelected(doc_);
  changes_.Finish(tr::kStepCut, kModelChange);
}

void Editor::Paste() {
  CancelOperation();
  if (clipboard_.Empty()) return;
  // The base point goes where the pointer is, caught by the grid and the model.
  const Point2 at =
      Snap(doc_, grid_, grid_.Cursor, kSnapNodes | kSnapBeams, Tolerance(), SnapExclusions{});
  PlaceAndFinish(clipboard_, {Translation({at.X - clipboard_.Base.X, at.Y - clipboard_.Base.Y})},
                 tr::kStepPaste);
}

void Editor::Duplicate() {
  CancelOperation();
  if (!TakeSelectedPart()) return;
  state_.Mode = mode::kCopyBase;
  RefreshAll();
}

void Editor::Mirror() {
  CancelOperation();
  if (!TakeSelectedPart()) return;
  state_.Mode = mode::kMirrorFirst;
  RefreshAll();
}

void Editor::PlaceCopies(const std::vector<Point2>& offsets) {
  CancelOperation();
  if (!TakeSelectedPart()) return;
  std::vector<PlaneMap> maps;
  maps.reserve(offsets.size());
  for (const Point2& offset : offsets)
    maps.push_back(Translation(offset));
  PlaceAndFinish(placing_, maps, tr::kStepArray);
}

void Editor::PressInCopyMode(Point2 cursor) {
  switch (state_.Mode) {
  case mode::kCopyBase:
  case mode::kMirrorFirst:
    state_.FirstPoint = cursor;
    state_.Mode += 1;
    break;
  case mode::kCopyTarget:
    state_.Mode = mode::kIdle;
    PlaceAndFinish(placing_,
                   {Translation({cursor.X - state_.FirstPoint.X, cursor.Y - state_.FirstPoint.Y})},
                   tr::kStepDuplicate);
    break;
  case mode::kMirrorSecond:
    // Two clicks on one point give no line.
    if (std::hypot(cursor.X - state_.FirstPoint.X, cursor.Y - state_.FirstPoint.Y) < 1e-9) break;
    state_.Mode = mode::kIdle;
    PlaceAndFinish(placing_, {MirrorAbout(state_.FirstPoint, cursor)}, tr::kStepMirror);
    break;
  default:
    break;
  }
}

} // namespace strandel
