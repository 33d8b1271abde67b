// The idle state: clicking selects, double clicking names the object whose
// property dialog the window opens, and pressing a node and moving more than 10
// pixels drags it.

#include <cmath>
#include <cstdlib>

#include "common/text_entries.h"
#include "common/user_message.h"
#include "editor/editor.h"
#include "editor/node_edit.h"
#include "editor/pick.h"
#include "editor/snap.h"
#include "model/node_move.h"
#include "model/position_on_beam.h"

namespace strandel {
namespace {

// A press on a node becomes a drag only past this distance, so that a click
// with a shaky hand does not move the node.
constexpr double kDragThreshold = 10; // pixels
// A box smaller than this either way was a click.
constexpr int kLeastBoxPixels = 3;

} // namespace

void Editor::SelectionClick(PixelPoint pixel) {
  GraphObject* hit = PickForSelection(doc_, grid_.Cursor, UnfadedCase());
  if (!hit) {
    // Empty space: a click clears the selection, a drag selects with a box.
    state_.BoxStart = pixel;
    state_.BoxCorner = pixel;
    return;
  }
  bool& selected = SelectedFlag(*hit);
  // Shift adds to the selection, Ctrl takes away; a plain click toggles.
  if (state_.PressModifiers & kShiftKey)
    selected = true;
  else if (state_.PressModifiers & kControlKey)
    selected = false;
  else
    selected = !selected;
  if (const auto* node = std::get_if<TNodeObject>(hit)) {
    state_.DragNode = node->Number;
    state_.DragPress = pixel;
    state_.DragNodeBeam = node->HostBeam;
    state_.DragStarted = false;
    state_.DragOrigin = {node->X, node->Y};
    state_.DragOriginPosition = node->PositionOnBeam;
  }
  RequestRepaint();
}

void Editor::FinishSelectionBox(PixelPoint corner) {
  const PixelPoint start = *state_.BoxStart;
  state_.BoxStart.reset();
  const unsigned keys = state_.PressModifiers;
  const bool adding = keys & kShiftKey, removing = keys & kControlKey;
  const bool dragged = std::abs(corner.X - start.X) >= kLeastBoxPixels ||
                       std::abs(corner.Y - start.Y) >= kLeastBoxPixels;
  if (!adding && !removing) strandel::SelectAll(doc_, false);
  if (dragged) {
    const BoxRule rule = corner.X < start.X ? BoxRule::Crossing : BoxRule::Inside;
    SelectInBox(doc_, ToModel(view_, start.X, start.Y), ToModel(view_, corner.X, corner.Y), rule,
                !removing);
  }
  RequestRepaint();
  RefreshAll();
}

std::optional<Editor::SelectionBox> Editor::SelectionRectangle() const {
  if (!state_.BoxStart) return std::nullopt;
  return SelectionBox{*state_.BoxStart, state_.BoxCorner, state_.BoxCorner.X < state_.BoxStart->X};
}

std::optional<PickedObject> Editor::PrepareMenu(const PointerEvent& event, bool& offered) {
  offered = state_.Mode == mode::kIdle && !view_.ZoomWindowActive && !view_.PanActive &&
            state_.DragNode == 0;
  if (!offered) return std::nullopt;
  UpdateCursor({event.X, event.Y});
  if (GraphObject* hit = PickForSelection(doc_, grid_.Cursor, UnfadedCase()); hit && !IsSelected(*hit)) {
    strandel::SelectAll(doc_, false);
    SelectedFlag(*hit) = true;
    RequestRepaint();
    RefreshAll();
  }
  std::optional<PickedObject> picked;
  if (const GraphObject* hit = PickForProperties(doc_, grid_.Cursor, UnfadedCase()))
    picked = PickedObject{KindOf(*hit), IndexOfObject(doc_, hit)};
  return picked;
}

std::optional<PickedObject> Editor::DoubleClick(const PointerEvent& event) {
  if (state_.Mode != mode::kIdle || view_.ZoomWindowActive || view_.PanActive) return std::nullopt;
  state_.IgnoreNextPress = true;
  if (state_.DragNode != 0) EndDrag(false);
  UpdateCursor({event.X, event.Y});
  std::optional<PickedObject> picked;
  if (const GraphObject* hit = PickForProperties(doc_, grid_.Cursor, UnfadedCase()))
    picked = PickedObject{KindOf(*hit), IndexOfObject(doc_, hit)};
  // The first click of the pair toggled a selection; the dialog edits one
  // object whatever was selected, so none stays selected.
  strandel::SelectAll(doc_, false);
  RequestRepaint();
  RefreshAll();
  return picked;
}

void Editor::DragNodeTo(PixelPoint pixel) {
  const bool starting = !state_.DragStarted;
  if (starting) {
    const double moved = std::hypot(pixel.X - state_.DragPress.X, pixel.Y - state_.DragPress.Y);
    if (moved <= kDragThreshold) return;
    state_.DragStarted = true;
  }
  TNodeObject* node = FindNode(doc_, state_.DragNode);
  if (!node) {
    state_.DragNode = 0;
    return;
  }
  Point2 target = ToModel(view_, pixel.X, pixel.Y);
  // A node lying on a beam slides along it.
  const TBeamObject* host = FindBeam(doc_, state_.DragNodeBeam);
  if (host) target = ProjectOntoBeamLine(*host, target);
  UpdateGridSpacing(grid_, view_.Scale);
  const Point2 snapped =
      Snap(doc_, grid_, target, kSnapNodes | kSnapBeams, Tolerance(), {state_.DragNode, -1});
  if (!starting && snapped == grid_.Cursor) return;
  grid_.Cursor = snapped;
  UpdateCursorCoordinates(grid_);
  grid_.CursorVisible = true;
  // Keep the node's place on its beam current, so that moves carried round the
  // frame put it where it is being dragged.
  if (host && grid_.SnappedBeam == host->Number)
    node->PositionOnBeam = ParameterOnBeam(*host, snapped);
  MoveNode(doc_, state_.DragNode, snapped, host_.Messages());
  changes_.Mark(kModelChange);
}

void Editor::EndDrag(bool allowMerge) {
  const long dragged = state_.DragNode;
  const bool started = state_.DragStarted;
  state_.DragNode = 0;
  state_.DragStarted = false;
  TNodeObject* node = FindNode(doc_, dragged);
  if (!started || !node) return;
  node->Selected = false;
  if (const TBeamObject* beam = FindBeam(doc_, grid_.SnappedBeam)) {
    node->HostBeam = beam->Number;
    node->PositionOnBeam = ParameterOnBeam(*beam, {node->X, node->Y});
  } else {
    node->HostBeam = -1;
  }
  const long target = grid_.SnappedNode;
  int step = tr::kStepMoveNode;
  if (allowMerge && target != -1 && target != dragged && FindNode(doc_, target)) {
    const std::string refusal = MergeRefusal(doc_, dragged, target);
    if (refusal.empty()) {
      step = tr::kStepMergeNodes;
      MergeNodeInto(doc_, dragged, target);
      const TNodeObject* kept = FindNode(doc_, target);
      MoveNode(doc_, target, {kept->X, kept->Y}, host_.Messages());
    } else {
      host_.Messages().Show(refusal, MessageKind::Warning);
      node->HostBeam = static_cast<std::int32_t>(state_.DragNodeBeam);
      node->PositionOnBeam = state_.DragOriginPosition;
      MoveNode(doc_, dragged, state_.DragOrigin, host_.Messages());
    }
  }
  grid_.CursorVisible = false;
  // The whole drag is one step, however many moves it took.
  changes_.Finish(step, kModelChange);
}

} // namespace strandel
