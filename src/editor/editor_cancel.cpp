// Stepping back with a right click, finishing an operation, and cancelling it
// with Esc (or any command that interrupts it).

#include "common/text_entries.h"
#include "editor/editor.h"
#include "editor/node_edit.h"

namespace strandel {

void Editor::RightPressInMode() {
  switch (state_.Mode) {
  case mode::kIdle:
    return;
  case mode::kCreateNode:
  case mode::kBeamStart:
  case mode::kSupportNode:
  case mode::kLoadBeam:
  case mode::kForceTarget:
  case mode::kMomentTarget:
  case mode::kMoveBase:
  case mode::kCopyBase:
  case mode::kMirrorFirst:
    state_.Mode = mode::kIdle;
    state_.PlacingBeam = -1;
    ShowCursor(false);
    break;
  case mode::kBeamEnd:
  case mode::kSupportDirection:
  case mode::kLoadStart:
  case mode::kForcePosition:
  case mode::kMomentPosition:
    DiscardHalfMadeObject();
    state_.PlacingBeam = -1;
    state_.Mode -= 1;
    break;
  case mode::kLoadEnd:
  case mode::kLoadDirection:
  case mode::kMoveTargetX:
  case mode::kMoveTargetY:
  case mode::kCopyTarget:
  case mode::kMirrorSecond:
    state_.Mode -= 1;
    break;
  case mode::kForceDirection:
  case mode::kMomentDirection: {
    if (GraphObject* object = HalfMadeEntry()) {
      std::visit(
          [](auto& o) {
            using T = std::decay_t<decltype(o)>;
            if constexpr (std::is_same_v<T, TForceObject> || std::is_same_v<T, TMomentObject>)
              o.Angle = kPi / 2 * Sign(o.Angle);
          },
          *object);
    }
    const int target =
        state_.Mode == mode::kForceDirection ? mode::kForceTarget : mode::kMomentTarget;
    if (state_.PlacingBeam == -1) {
      // Placed on a node: stepping back from the direction takes the object away.
      DiscardHalfMadeObject();
      state_.Mode = target;
    } else {
      state_.Mode = target + 1;
    }
    break;
  }
  default:
    if (ReturnsToSavedMode(state_.Mode)) ReturnFromSavedMode();
    break;
  }
  RequestRepaint();
  host_.RefreshToolButtons();
}

namespace {

// The step an operation finished in this mode makes: the object it created.
int StepOfFinishingMode(int finishingMode) {
  switch (finishingMode) {
  case mode::kBeamEnd:
    return tr::kStepCreateBeam;
  case mode::kSupportDirection:
    return tr::kStepCreateSupport;
  case mode::kLoadDirection:
    return tr::kStepCreateLoad;
  case mode::kForceDirection:
    return tr::kStepCreateForce;
  case mode::kMomentDirection:
    return tr::kStepCreateMoment;
  default:
    return tr::kStepCreateNode;
  }
}

} // namespace

void Editor::FinishOperation() {
  const int finishing = state_.Mode;
  long beamEnd = 0;
  if (const TBeamObject* beam = HalfMade<TBeamObject>()) beamEnd = beam->Node2;
  ShowCursor(false);
  state_.Mode = mode::kIdle;
  state_.NewObjectIndex = -1;
  state_.PlacingBeam = -1;
  // The object and the nodes made with it are one step.
  changes_.Finish(StepOfFinishingMode(finishing), kModelChange);
  // The tool stays in hand until Esc, a right click or another tool: the next
  // object starts with the next click, and a beam goes on from its end node as
  // a polyline does.
  state_.Mode = FirstModeOf(ToolOfMode(finishing));
  if (state_.Mode == mode::kIdle) return;
  const TNodeObject* end = FindNode(doc_, beamEnd);
  if (end && NextNumber(doc_, ObjectKind::Beam) <= 65535) StartBeamAt(*end);
  ShowCursor(true);
  RefreshAll();
}

void Editor::ReturnFromSavedMode() {
  state_.Mode = state_.SavedMode;
  ShowCursor(state_.SavedCursorVisible);
  state_.SavedMode = mode::kIdle;
  state_.SavedCursorVisible = false;
}

void Editor::DiscardHalfMadeObject() {
  GraphObject* object = HalfMadeEntry();
  state_.NewObjectIndex = -1;
  if (!object) return;
  long startNode = 0;
  if (const auto* beam = std::get_if<TBeamObject>(object)) startNode = beam->Node1;
  if (const auto* support = std::get_if<TSupportObject>(object)) startNode = support->NodeNo;
  RemoveObject(doc_, object);
  // A node made for this object goes with it unless something else now uses it.
  const TNodeObject* node = startNode != 0 ? FindNode(doc_, startNode) : nullptr;
  if (node && node->Provisional && !NodeInUse(doc_, startNode)) RemoveNode(doc_, startNode);
}

void Editor::CancelOperation() {
  const bool busy = state_.Mode != mode::kIdle || view_.ZoomWindowActive || view_.PanActive ||
                    state_.DragNode != 0;
  EndViewModes();
  if (state_.DragNode != 0) EndDrag(false);
  state_.BoxStart.reset();
  // A grid definition first returns to the operation it interrupted, which is
  // then cancelled as well, so nothing half-made is left behind.
  for (int depth = 0; depth < 3 && ReturnsToSavedMode(state_.Mode); ++depth)
    ReturnFromSavedMode();
  switch (state_.Mode) {
  case mode::kBeamEnd:
  case mode::kSupportDirection:
  case mode::kLoadStart:
  case mode::kLoadEnd:
  case mode::kLoadDirection:
  case mode::kForcePosition:
  case mode::kForceDirection:
  case mode::kMomentPosition:
  case mode::kMomentDirection:
    DiscardHalfMadeObject();
    break;
  default:
    break;
  }
  state_.Mode = mode::kIdle;
  state_.SavedMode = mode::kIdle;
  state_.PlacingBeam = -1;
  state_.NewObjectIndex = -1;
  ShowCursor(false);
  if (busy) {
    RequestRepaint();
    RefreshAll();
  }
}

} // namespace strandel
