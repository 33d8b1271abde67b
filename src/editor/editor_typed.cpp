// Points typed while drawing, and the length and angle of what is being drawn.

#include <algorithm>
#include <cmath>

#include "common/text.h"
#include "common/text_entries.h"
#include "common/translation.h"
#include "editor/editor.h"
#include "editor/snap.h"
#include "editor/typed_point.h"

namespace strandel {

bool Editor::TakesTypedPoints() const {
  if (view_.ZoomWindowActive || view_.PanActive) return false;
  switch (state_.Mode) {
  case mode::kCreateNode:
  case mode::kBeamStart:
  case mode::kBeamEnd:
  case mode::kSupportNode:
  case mode::kAlignFirst:
  case mode::kAlignSecond:
  case mode::kAngulatedOrigin:
  case mode::kAngulatedFirst:
  case mode::kAngulatedSecond:
  case mode::kPolarCentre:
  case mode::kPolarFirst:
  case mode::kPolarSecond:
  case mode::kMoveBase:
  case mode::kMoveTargetX:
  case mode::kMoveTargetY:
  case mode::kCopyBase:
  case mode::kCopyTarget:
  case mode::kMirrorFirst:
  case mode::kMirrorSecond:
    return true;
  default:
    return false;
  }
}

std::string Editor::TypePoint(std::string_view text, ParameterTable& parameters) {
  if (!TakesTypedPoints()) return Translated(tr::kMsgTypedPointForm);
  const TypedPoint typed = ReadTypedPoint(text, state_.LastPoint, settings_.Units, parameters);
  if (!typed.At) return typed.Error;
  const Point2 p = *typed.At;
  // What is typed is taken as it is: it joins a node or a beam only where it
  // lies on one, to the last digits.
  constexpr double kOnObject = 1e-9;
  const double tol = kOnObject * std::max(1.0, std::hypot(p.X, p.Y));
  SnapExclusions exclusions;
  if (const TBeamObject* beam = HalfMade<TBeamObject>()) exclusions.Beam = beam->Number;
  grid_.Cursor = Snap(doc_, grid_, p, kSnapNodes | kSnapBeams | kSnapFine, tol, exclusions);
  UpdateCursorCoordinates(grid_);
  UpdatePlacedObject(grid_.Cursor);
  const PixelPoint pixel = ToScreen(view_, grid_.Cursor.X, grid_.Cursor.Y);
  const int typedIn = state_.Mode;
  LeftPressInMode(pixel);
  // A typed target gives both of its coordinates at once.
  if (typedIn == mode::kMoveTargetX && state_.Mode == mode::kMoveTargetY) LeftPressInMode(pixel);
  RequestRepaint();
  RefreshAll();
  return {};
}

std::string Editor::MeasureText() const {
  Point2 from, to;
  if (const TBeamObject* beam = std::get_if<TBeamObject>(HalfMadeObject());
      beam && state_.Mode == mode::kBeamEnd) {
    from = {beam->X1, beam->Y1};
    to = {beam->X2, beam->Y2};
  } else if (const TLoadObject* load = std::get_if<TLoadObject>(HalfMadeObject());
             load && state_.Mode == mode::kLoadEnd) {
    from = {load->X1, load->Y1};
    to = {load->X2, load->Y2};
  } else {
    return {};
  }
  const double length = std::hypot(to.X - from.X, to.Y - from.Y);
  const double angle = std::atan2(to.Y - from.Y, to.X - from.X);
  // "Length: 4.5 [m]   Angle: -90 [Deg]": one space after each label, signed or not.
  const auto shown = [this](Quantity quantity, double value) {
    return std::string(Trim(QuantityText(settings_.Units, quantity, value)));
  };
  return Translated(tr::kUnitLabelLength) + " " + shown(Quantity::Length, length) + "   " +
         Translated(tr::kMeasureAngle) + " " + shown(Quantity::Angle, angle);
}

} // namespace strandel
