// What a left click does in each editing mode.

#include <cmath>

#include "common/text_entries.h"
#include "common/user_message.h"
#include "editor/edit_commands.h"
#include "editor/editor.h"
#include "editor/node_edit.h"
#include "model/object_text.h"
#include "model/position_on_beam.h"

namespace strandel {
namespace {

// Loads, forces and moments drawn with the mouse start at this magnitude (N/m, N, Nm).
constexpr double kDrawnMagnitude = 1000.0;
// A load shorter than this is not a load yet (model length units).
constexpr double kShortestLoad = 1e-6;

double Distance(Point2 a, Point2 b) {
  return std::hypot(a.X - b.X, a.Y - b.Y);
}

} // namespace

bool Editor::NumberFree(ObjectKind kind) {
  if (NextNumber(doc_, kind) <= 65535) return true;
  host_.Messages().Show(kNoFreeNumber, MessageKind::Error);
  return false;
}

template <class T> T* Editor::AppendNumbered() {
  if (!NumberFree(KindOfType<T>())) return nullptr;
  const long number = NextNumber(doc_, KindOfType<T>());
  T& object = AppendObject<T>(doc_);
  object.Number = static_cast<decltype(object.Number)>(number);
  if constexpr (requires { object.Case; }) object.Case = ActiveCase();
  state_.NewObjectIndex = static_cast<int>(doc_.GraphObjects.size()) - 1;
  return &object;
}

TNodeObject* Editor::NodeAtCursor(bool provisional) {
  if (grid_.SnappedNode != -1) {
    if (TNodeObject* node = FindNode(doc_, grid_.SnappedNode)) return node;
  }
  TNodeObject* node = AddNode(doc_, grid_.Cursor, grid_.SnappedBeam, provisional);
  if (!node) host_.Messages().Show(kNoFreeNumber, MessageKind::Error);
  return node;
}

void Editor::SetPlacedPoint(GraphObject& object, Point2 p, long node, bool endOnly) {
  if (auto* load = std::get_if<TLoadObject>(&object)) {
    load->X2 = p.X;
    load->Y2 = p.Y;
    if (endOnly) {
      load->Node2 = static_cast<std::int32_t>(node);
      return;
    }
    load->X1 = p.X;
    load->Y1 = p.Y;
    load->Node1 = static_cast<std::int32_t>(node);
    load->Node2 = -1; // the end is placed by the next click
  } else if (auto* force = std::get_if<TForceObject>(&object)) {
    force->X = p.X;
    force->Y = p.Y;
    force->NodeNo = static_cast<std::int32_t>(node);
  } else if (auto* moment = std::get_if<TMomentObject>(&object)) {
    moment->X = p.X;
    moment->Y = p.Y;
    moment->NodeNo = static_cast<std::int32_t>(node);
  }
}

// A force or moment: on a node it goes straight to its direction; on a beam it
// first slides along the beam (`positionMode`).
void Editor::StartPlacing(GraphObject& object, int positionMode) {
  if (const TNodeObject* node = FindNode(doc_, grid_.SnappedNode)) {
    SetPlacedPoint(object, {node->X, node->Y}, node->Number, false);
    state_.Mode = positionMode + 1;
    ShowCursor(false);
  } else if (const TBeamObject* beam = FindBeam(doc_, grid_.SnappedBeam)) {
    SetPlacedPoint(object, PointOnBeam(*beam, ParameterOnBeam(*beam, grid_.Cursor)), -1, false);
    state_.PlacingBeam = beam->Number;
    state_.Mode = positionMode;
  }
  RequestRepaint();
}

void Editor::StartBeamAt(const TNodeObject& start) {
  const long number = NextNumber(doc_, ObjectKind::Beam);
  TBeamObject& beam = AppendBeamFromTemplate(doc_, settings_.LastBeamStr);
  beam.Number = static_cast<std::uint16_t>(number);
  beam.Node1 = start.Number;
  beam.Node2 = 0; // no end node until the next click
  beam.X1 = beam.X2 = start.X;
  beam.Y1 = beam.Y2 = start.Y;
  beam.Locked1 = beam.Locked2 = true; // rigid: a hinge is a choice the user makes
  beam.Selected = false;
  state_.NewObjectIndex = static_cast<int>(doc_.GraphObjects.size()) - 1;
  state_.Mode = mode::kBeamEnd;
  RequestRepaint();
}

void Editor::LeftPressInMode(PixelPoint pixel) {
  const Point2 cursor = grid_.Cursor;
  if (state_.Mode != mode::kIdle) state_.LastPoint = cursor;
  switch (state_.Mode) {
  case mode::kIdle:
    SelectionClick(pixel);
    break;
  case mode::kCreateNode:
    if (grid_.SnappedNode == -1) NodeAtCursor(false);
    FinishOperation();
    break;
  case mode::kBeamStart: {
    if (!NumberFree(ObjectKind::Beam)) break;
    if (const TNodeObject* start = NodeAtCursor(true)) StartBeamAt(*start);
    break;
  }
  case mode::kBeamEnd: {
    // Objects live apart from the list, so the beam survives appending a node.
    TBeamObject* beam = HalfMade<TBeamObject>();
    if (!beam || Distance(cursor, {beam->X1, beam->Y1}) < doc_.Settings.BeamHeight / 2) break;
    TNodeObject* end = NodeAtCursor(true);
    if (!end) break;
    beam->X2 = end->X;
    beam->Y2 = end->Y;
    beam->Node2 = end->Number;
    end->Provisional = false;
    if (TNodeObject* start = FindNode(doc_, beam->Node1)) start->Provisional = false;
    FinishOperation();
    break;
  }
  case mode::kSupportNode: {
    if (!NumberFree(ObjectKind::Support)) break;
    const TNodeObject* node = NodeAtCursor(true);
    if (!node) break;
    TSupportObject* support = AppendNumbered<TSupportObject>();
    support->X = node->X;
    support->Y = node->Y;
    support->NodeNo = node->Number;
    state_.Mode = mode::kSupportDirection;
    RequestRepaint();
    break;
  }
  case mode::kSupportDirection:
    ShowCursor(false);
    if (TSupportObject* support = HalfMade<TSupportObject>()) {
      if (TNodeObject* node = FindNode(doc_, support->NodeNo)) node->Provisional = false;
    }
    FinishOperation();
    break;
  case mode::kLoadBeam: {
    const TBeamObject* beam = FindBeam(doc_, grid_.SnappedBeam);
    if (!beam) break;
    const Point2 at = PointOnBeam(*beam, ParameterOnBeam(*beam, cursor));
    const long beamNumber = beam->Number;
    TLoadObject* load = AppendNumbered<TLoadObject>();
    if (!load) break;
    load->Value = kDrawnMagnitude;
    load->HostBeam = static_cast<std::int32_t>(beamNumber);
    load->Node1 = load->Node2 = -1;
    load->X1 = load->X2 = at.X;
    load->Y1 = load->Y2 = at.Y;
    state_.PlacingBeam = beamNumber;
    state_.Mode = mode::kLoadStart;
    RequestRepaint();
    break;
  }
  case mode::kLoadStart:
    state_.Mode = mode::kLoadEnd;
    break;
  case mode::kLoadEnd:
    if (const TLoadObject* load = HalfMade<TLoadObject>();
        load && Distance({load->X1, load->Y1}, {load->X2, load->Y2}) >= kShortestLoad) {
      state_.Mode = mode::kLoadDirection;
      ShowCursor(false);
      RequestRepaint();
    }
    break;
  case mode::kLoadDirection: {
    TLoadObject* load = HalfMade<TLoadObject>();
    if (!load) break;
    // Nodes for the ends that have none, the end first.
    const Point2 end{load->X2, load->Y2}, start{load->X1, load->Y1};
    if (load->Node2 == -1) {
      if (const TNodeObject* node = AddNode(doc_, end, state_.PlacingBeam, false))
        load->Node2 = node->Number;
    }
    if (load->Node1 == -1) {
      if (const TNodeObject* node = AddNode(doc_, start, state_.PlacingBeam, false))
        load->Node1 = node->Number;
    }
    if (load->Node1 == -1 || load->Node2 == -1) {
      host_.Messages().Show(kNoFreeNumber, MessageKind::Error);
      break;
    }
    state_.PlacingBeam = -1;
    FinishOperation();
    break;
  }
  case mode::kForceTarget:
  case mode::kMomentTarget: {
    const bool force = state_.Mode == mode::kForceTarget;
    if (grid_.SnappedNode == -1 && !FindBeam(doc_, grid_.SnappedBeam)) break;
    if (force) {
      if (TForceObject* made = AppendNumbered<TForceObject>()) made->Value = kDrawnMagnitude;
    } else {
      if (TMomentObject* made = AppendNumbered<TMomentObject>()) made->Value = kDrawnMagnitude;
    }
    if (GraphObject* object = HalfMadeEntry())
      StartPlacing(*object, force ? mode::kForcePosition : mode::kMomentPosition);
    break;
  }
  case mode::kForcePosition:
  case mode::kMomentPosition:
    state_.Mode += 1;
    ShowCursor(false);
    RequestRepaint();
    break;
  case mode::kForceDirection:
  case mode::kMomentDirection: {
    GraphObject* object = HalfMadeEntry();
    if (!object) break;
    std::int32_t* nodeNo = nullptr;
    Point2 at;
    if (auto* f = std::get_if<TForceObject>(object)) {
      nodeNo = &f->NodeNo;
      at = {f->X, f->Y};
    } else if (auto* m = std::get_if<TMomentObject>(object)) {
      nodeNo = &m->NodeNo;
      at = {m->X, m->Y};
    }
    if (nodeNo && *nodeNo == -1) {
      const TNodeObject* node = AddNode(doc_, at, state_.PlacingBeam, false);
      if (!node) {
        host_.Messages().Show(kNoFreeNumber, MessageKind::Error);
        break;
      }
      *nodeNo = node->Number;
    }
    state_.PlacingBeam = -1;
    FinishOperation();
    break;
  }
  case mode::kAlignFirst:
    state_.FirstPoint = cursor;
    state_.Mode = mode::kAlignSecond;
    break;
  case mode::kAlignSecond:
    // Two clicks on one point give no line.
    if (Distance(cursor, state_.FirstPoint) < kShortestLoad) break;
    state_.SecondPoint = cursor;
    state_.Mode = mode::kIdle;
    ShowCursor(false);
    // Nodes that already lay on the line leave the document as it was.
    changes_.Finish(
        tr::kStepAlignNodes,
        AlignSelectedNodes(doc_, state_.FirstPoint, state_.SecondPoint, host_.Messages()) > 0
            ? kModelChange
            : kNoEffect);
    break;
  case mode::kAngulatedOrigin:
    grid_.GridOrigin = cursor;
    state_.Mode = mode::kAngulatedFirst;
    break;
  case mode::kPolarCentre:
    grid_.PolarCentre = cursor;
    state_.Mode = mode::kPolarFirst;
    break;
  case mode::kAngulatedFirst:
  case mode::kPolarFirst:
    state_.FirstPoint = cursor;
    state_.Mode += 1;
    break;
  case mode::kAngulatedSecond:
  case mode::kPolarSecond:
    grid_.GridType = state_.Mode == mode::kAngulatedSecond ? kAngulatedGrid : kPolarGrid;
    ReturnFromSavedMode();
    RequestRepaint();
    host_.RefreshToolButtons();
    break;
  case mode::kMoveBase:
    state_.FirstPoint = cursor;
    state_.Mode = mode::kMoveTargetX;
    break;
  case mode::kMoveTargetX:
    state_.SecondPoint.X = cursor.X;
    state_.Mode = mode::kMoveTargetY;
    break;
  case mode::kMoveTargetY:
    state_.SecondPoint.Y = cursor.Y;
    state_.Mode = mode::kIdle;
    MoveAllObjects(doc_, {state_.SecondPoint.X - state_.FirstPoint.X,
                          state_.SecondPoint.Y - state_.FirstPoint.Y});
    ShowCursor(false);
    changes_.Finish(tr::kStepMoveObjects, kModelChange);
    break;
  case mode::kCopyBase:
  case mode::kCopyTarget:
  case mode::kMirrorFirst:
  case mode::kMirrorSecond:
    PressInCopyMode(cursor);
    break;
  default:
    break;
  }
}

} // namespace strandel
