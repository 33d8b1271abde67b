#pragma once
// The editing modes of the model page and what each one implies: how the cursor
// snaps, whether the cursor cross shows, which create button is down and which
// instruction the status bar gives.

namespace strandel {

// The mode codes; the tens name the operation, the units its step.
namespace mode {
inline constexpr int kIdle = 0;
inline constexpr int kCreateNode = 10;
inline constexpr int kBeamStart = 20;
inline constexpr int kBeamEnd = 21;
inline constexpr int kSupportNode = 30;
inline constexpr int kSupportDirection = 31;
inline constexpr int kLoadBeam = 40;
inline constexpr int kLoadStart = 41;
inline constexpr int kLoadEnd = 42;
inline constexpr int kLoadDirection = 43;
inline constexpr int kForceTarget = 50;
inline constexpr int kForcePosition = 51;
inline constexpr int kForceDirection = 52;
inline constexpr int kMomentTarget = 60;
inline constexpr int kMomentPosition = 61;
inline constexpr int kMomentDirection = 62;
inline constexpr int kAlignFirst = 70;
inline constexpr int kAlignSecond = 71;
inline constexpr int kAngulatedOrigin = 75;
inline constexpr int kAngulatedFirst = 76;
inline constexpr int kAngulatedSecond = 77;
inline constexpr int kPolarCentre = 80;
inline constexpr int kPolarFirst = 81;
inline constexpr int kPolarSecond = 82;
inline constexpr int kMoveBase = 90;
inline constexpr int kMoveTargetX = 91;
inline constexpr int kMoveTargetY = 92;
inline constexpr int kCopyBase = 93;
inline constexpr int kCopyTarget = 94;
inline constexpr int kMirrorFirst = 95;
inline constexpr int kMirrorSecond = 96;
} // namespace mode

// The six check-style create buttons of the tool bar.
enum class CreateTool { None, Node, Beam, Support, Load, Force, Moment };

// The snap flags (SnapFlag) of pointer moves in the mode.
int SnapFlagsOfMode(int mode);
// Whether the cursor cross is shown in the mode.
bool ShowsCursor(int mode);
// Whether a pointer move changes what is drawn (a half-made object, a guide line).
bool RepaintsOnMove(int mode);
// The create button shown down in the mode.
CreateTool ToolOfMode(int mode);
// The first mode of a create button's operation.
int FirstModeOf(CreateTool tool);
// The modes in which the pointer sets the direction of a load, force or moment.
bool SetsDirection(int mode);
// Grid definitions, and the align picking that returns the same way.
bool ReturnsToSavedMode(int mode);

// The translation entry of the status-bar instruction in the mode; -1 for idle,
// where the status bar shows the document's path.
int StatusEntryOfMode(int mode);

} // namespace strandel
