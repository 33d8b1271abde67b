#include "editor/editor_modes.h"

#include "common/text_entries.h"
#include "editor/snap.h"

namespace strandel {

int SnapFlagsOfMode(int m) {
  switch (m) {
  case mode::kIdle:
  case mode::kLoadDirection:
  case mode::kForceDirection:
  case mode::kMomentDirection:
    return kSnapFine;
  case mode::kMoveBase:
    return kSnapNodes;
  case mode::kLoadBeam:
    return kSnapBeams;
  default:
    return kSnapNodes | kSnapBeams;
  }
}

bool ShowsCursor(int m) {
  switch (m) {
  case mode::kIdle:
  case mode::kLoadDirection:
  case mode::kForcePosition:
  case mode::kForceDirection:
  case mode::kMomentPosition:
  case mode::kMomentDirection:
    return false;
  default:
    return true;
  }
}

bool RepaintsOnMove(int m) {
  switch (m) {
  case mode::kBeamEnd:
  case mode::kSupportDirection:
  case mode::kLoadStart:
  case mode::kLoadEnd:
  case mode::kLoadDirection:
  case mode::kForcePosition:
  case mode::kForceDirection:
  case mode::kMomentPosition:
  case mode::kMomentDirection:
  case mode::kAlignSecond:
  case mode::kAngulatedSecond:
  case mode::kPolarSecond:
  case mode::kCopyTarget:
  case mode::kMirrorSecond:
    return true;
  default:
    return false;
  }
}

CreateTool ToolOfMode(int m) {
  switch (m / 10) {
  case 1:
    return CreateTool::Node;
  case 2:
    return CreateTool::Beam;
  case 3:
    return CreateTool::Support;
  case 4:
    return CreateTool::Load;
  case 5:
    return CreateTool::Force;
  case 6:
    return CreateTool::Moment;
  default:
    return CreateTool::None;
  }
}

int FirstModeOf(CreateTool tool) {
  switch (tool) {
  case CreateTool::Node:
    return mode::kCreateNode;
  case CreateTool::Beam:
    return mode::kBeamStart;
  case CreateTool::Support:
    return mode::kSupportNode;
  case CreateTool::Load:
    return mode::kLoadBeam;
  case CreateTool::Force:
    return mode::kForceTarget;
  case CreateTool::Moment:
    return mode::kMomentTarget;
  default:
    return mode::kIdle;
  }
}

bool SetsDirection(int m) {
  return m == mode::kLoadDirection || m == mode::kForceDirection || m == mode::kMomentDirection;
}

bool ReturnsToSavedMode(int m) {
  return m == mode::kAlignFirst || m == mode::kAlignSecond ||
         (m >= mode::kAngulatedOrigin && m <= mode::kPolarSecond);
}

int StatusEntryOfMode(int m) {
  struct Entry {
    int Mode;
    int Text;
  };
  // The support's point takes the shared point text, as the force and moment
  // positions do.
  static constexpr Entry kEntries[] = {
      {mode::kCreateNode, tr::kStatusPlacePoint},
      {mode::kBeamStart, tr::kStatusDrawBeamStart},
      {mode::kBeamEnd, tr::kStatusDrawBeamEnd},
      {mode::kSupportNode, tr::kStatusPlacePoint},
      {mode::kSupportDirection, tr::kStatusSupportDirection},
      {mode::kLoadBeam, tr::kStatusLoadPickBeam},
      {mode::kLoadStart, tr::kStatusLoadStart},
      {mode::kLoadEnd, tr::kStatusLoadEnd},
      {mode::kLoadDirection, tr::kStatusSetDirection},
      {mode::kForceTarget, tr::kStatusPickNodeOrBeam},
      {mode::kForcePosition, tr::kStatusPlacePoint},
      {mode::kForceDirection, tr::kStatusSetDirection},
      {mode::kMomentTarget, tr::kStatusPickNodeOrBeam},
      {mode::kMomentPosition, tr::kStatusPlacePoint},
      {mode::kMomentDirection, tr::kStatusSetDirection},
      {mode::kAlignFirst, tr::kStatusLineFirstPoint},
      {mode::kAlignSecond, tr::kStatusLineSecondPoint},
      {mode::kAngulatedOrigin, tr::kStatusGridOrigin},
      {mode::kAngulatedFirst, tr::kStatusLineFirstPoint},
      {mode::kAngulatedSecond, tr::kStatusLineSecondPoint},
      {mode::kPolarCentre, tr::kStatusGridOrigin},
      {mode::kPolarFirst, tr::kStatusLineFirstPoint},
      {mode::kPolarSecond, tr::kStatusLineSecondPoint},
      {mode::kMoveBase, tr::kStatusMoveBasePoint},
      {mode::kMoveTargetX, tr::kStatusMoveTargetX},
      {mode::kMoveTargetY, tr::kStatusMoveTargetY},
      {mode::kCopyBase, tr::kStatusCopyBasePoint},
      {mode::kCopyTarget, tr::kStatusCopyTarget},
      {mode::kMirrorFirst, tr::kStatusLineFirstPoint},
      {mode::kMirrorSecond, tr::kStatusLineSecondPoint},
  };
  for (const Entry& entry : kEntries) {
    if (entry.Mode == m) return entry.Text;
  }
  return -1;
}

} // namespace strandel
