// Pointer-move feedback: the object being placed follows the snapped cursor.

#include <cmath>

#include "editor/editor.h"
#include "editor/model_part.h"
#include "editor/snap.h"

namespace strandel {
namespace {

// Directions set by pointing snap to whole multiples of this.
constexpr double kDirectionStep = 5 * kPi / 180;

double RoundedDirection(Point2 from, Point2 to) {
  const double angle = std::atan2(to.Y - from.Y, to.X - from.X);
  return std::round(angle / kDirectionStep) * kDirectionStep;
}

// Perpendicular to the beam, on the side of the beam line the pointer is on.
double SideDirection(const TBeamObject& beam, Point2 raw) {
  const double dx = beam.X2 - beam.X1, dy = beam.Y2 - beam.Y1;
  const double side = Sign(dx * (raw.Y - beam.Y1) - dy * (raw.X - beam.X1));
  return std::atan2(dy, dx) + side * kPi / 2;
}

} // namespace

void Editor::UpdatePlacedObject(Point2 raw) {
  const Point2 cursor = grid_.Cursor;
  switch (state_.Mode) {
  case mode::kBeamEnd:
    if (TBeamObject* beam = HalfMade<TBeamObject>()) {
      beam->X2 = cursor.X;
      beam->Y2 = cursor.Y;
    }
    break;
  case mode::kSupportDirection:
    // The support points from the pointer towards its node.
    if (TSupportObject* support = HalfMade<TSupportObject>())
      support->Direction =
          SupportCode(kPi + std::atan2(cursor.Y - support->Y, cursor.X - support->X));
    break;
  case mode::kLoadStart:
  case mode::kLoadEnd:
  case mode::kForcePosition:
  case mode::kMomentPosition:
    FollowBeam(raw);
    break;
  case mode::kLoadDirection:
    if (TLoadObject* load = HalfMade<TLoadObject>())
      load->Angle = RoundedDirection({load->X1, load->Y1}, cursor);
    break;
  case mode::kForceDirection:
    if (TForceObject* force = HalfMade<TForceObject>())
      force->Angle = RoundedDirection({force->X, force->Y}, cursor);
    break;
  case mode::kMomentDirection:
    if (TMomentObject* moment = HalfMade<TMomentObject>())
      moment->Angle = RoundedDirection({moment->X, moment->Y}, cursor);
    break;
  case mode::kAngulatedSecond:
  case mode::kPolarSecond: {
    state_.SecondPoint = cursor;
    const double angle = std::atan2(cursor.Y - state_.FirstPoint.Y, cursor.X - state_.FirstPoint.X);
    grid_.GridAngle = angle;
    grid_.PolarAngle = angle;
    break;
  }
  case mode::kAlignSecond:
    // The line being picked is only shown; the grids stay as they are.
    state_.SecondPoint = cursor;
    break;
  default:
    break;
  }
}

void Editor::FollowBeam(Point2 raw) {
  const TBeamObject* beam = FindBeam(doc_, state_.PlacingBeam);
  GraphObject* object = HalfMadeEntry();
  if (!beam || !object) return;
  const double direction = SideDirection(*beam, raw);
  const long node = grid_.SnappedNode;
  std::visit(
      [&](auto& o) {
        using T = std::decay_t<decltype(o)>;
        if constexpr (std::is_same_v<T, TLoadObject> || std::is_same_v<T, TForceObject> ||
                      std::is_same_v<T, TMomentObject>)
          o.Angle = direction;
      },
      *object);
  SetPlacedPoint(*object, grid_.Cursor, node, state_.Mode == mode::kLoadEnd);
}

} // namespace strandel
