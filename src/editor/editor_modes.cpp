#include "editor/editor_modes.h"

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
  static constexpr Entry kEntries[] = {
      {mode::kCreateNode, 226},     {mode::kBeamStart, 227},        {mode::kBeamEnd, 228},
      {mode::kSupportNode, 226},    {mode::kSupportDirection, 230}, {mode::kLoadBeam, 231},
      {mode::kLoadStart, 232},      {mode::kLoadEnd, 233},          {mode::kLoadDirection, 234},
      {mode::kForceTarget, 235},    {mode::kForcePosition, 226},    {mode::kForceDirection, 234},
      {mode::kMomentTarget, 235},   {mode::kMomentPosition, 226},   {mode::kMomentDirection, 234},
      {mode::kAlignFirst, 236},     {mode::kAlignSecond, 237},      {mode::kAngulatedOrigin, 238},
      {mode::kAngulatedFirst, 236}, {mode::kAngulatedSecond, 237},  {mode::kPolarCentre, 238},
      {mode::kPolarFirst, 236},     {mode::kPolarSecond, 237},      {mode::kMoveBase, 239},
      {mode::kMoveTargetX, 240},    {mode::kMoveTargetY, 241},
  };
  for (const Entry& entry : kEntries) {
    if (entry.Mode == m) return entry.Text;
  }
  return -1;
}

} // namespace strandel
