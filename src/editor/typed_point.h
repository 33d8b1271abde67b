#pragma once
// A point typed while drawing: absolute "x, y", relative "@dx, dy" or polar
// "@length<angle", each number an expression in the display units. The comma
// is also the evaluator's decimal comma, so the two coordinates are parted by a
// comma that does not stand between two digits ("1,5, 2" is 1.5 and 2) or by a
// semicolon; "6,4" is one number and is refused rather than guessed at.

#include <optional>
#include <string>
#include <string_view>

#include "common/geometry.h"
#include "expr/parameters.h"
#include "units/units.h"

namespace strandel {

struct TypedPoint {
  std::optional<Point2> At; // model units; empty when the text was refused
  std::string Error;        // why it was refused, for the user
};

// The model point the text names. `from` is the point a relative entry starts
// from (the start of the beam being drawn, the last point picked), if any.
TypedPoint ReadTypedPoint(std::string_view text, std::optional<Point2> from,
                          const UnitChoice& units, ParameterTable& parameters);

} // namespace strandel
