#include "editor/typed_point.h"

#include <cctype>
#include <cmath>
#include <vector>

#include "common/text.h"
#include "common/text_entries.h"
#include "common/translation.h"
#include "expr/numeric_field.h"

namespace strandel {
namespace {

bool IsDigit(char c) {
  return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// Where the text parts into its two coordinates: semicolons, and commas that
// are not a decimal comma between two digits.
std::vector<std::size_t> Separators(std::string_view text) {
  std::vector<std::size_t> at;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == ';') at.push_back(i);
    if (text[i] != ',') continue;
    const bool decimal =
        i > 0 && i + 1 < text.size() && IsDigit(text[i - 1]) && IsDigit(text[i + 1]);
    if (!decimal) at.push_back(i);
  }
  return at;
}

struct Evaluated {
  double Value = 0;
  std::string Error;
};

Evaluated Evaluate(std::string_view part, ParameterTable& parameters) {
  const std::string_view text = Trim(part);
  if (text.empty()) return {0, Translated(tr::kMsgTypedPointForm)};
  const ExpressionValue value = EvaluateText(text, parameters);
  if (!value.Error.empty()) return {0, std::string(text) + ": " + value.Error};
  if (!value.Ok()) return {0, std::string(text) + ": " + FaultMessage(value.Fault)};
  if (!std::isfinite(value.Value)) return {0, Translated(tr::kMsgTypedPointForm)};
  return {value.Value, {}};
}

TypedPoint Refused(std::string error) {
  return {std::nullopt, std::move(error)};
}

} // namespace

TypedPoint ReadTypedPoint(std::string_view text, std::optional<Point2> from,
                          const UnitChoice& units, ParameterTable& parameters) {
  std::string_view rest = Trim(text);
  const bool relative = !rest.empty() && rest.front() == '@';
  if (relative) {
    rest.remove_prefix(1);
    if (!from) return Refused(Translated(tr::kMsgTypedPointNoBase));
  }
  const double lengthFactor = UnitFactor(units, Quantity::Length);
  const std::size_t angleMark = rest.find('<');
  Point2 offset;
  if (angleMark != std::string_view::npos) {
    // Polar: a length and the angle from the x axis, anticlockwise.
    if (!relative) return Refused(Translated(tr::kMsgTypedPointForm));
    const Evaluated length = Evaluate(rest.substr(0, angleMark), parameters);
    if (!length.Error.empty()) return Refused(length.Error);
    const Evaluated angle = Evaluate(rest.substr(angleMark + 1), parameters);
    if (!angle.Error.empty()) return Refused(angle.Error);
    const double l = FromFieldUnits(length.Value, lengthFactor);
    const double a = FromFieldUnits(angle.Value, UnitFactor(units, Quantity::Angle));
    offset = {l * std::cos(a), l * std::sin(a)};
  } else {
    const std::vector<std::size_t> separators = Separators(rest);
    if (separators.size() != 1) return Refused(Translated(tr::kMsgTypedPointForm));
    const Evaluated x = Evaluate(rest.substr(0, separators[0]), parameters);
    if (!x.Error.empty()) return Refused(x.Error);
    const Evaluated y = Evaluate(rest.substr(separators[0] + 1), parameters);
    if (!y.Error.empty()) return Refused(y.Error);
    offset = {FromFieldUnits(x.Value, lengthFactor), FromFieldUnits(y.Value, lengthFactor)};
  }
  const Point2 base = relative ? *from : Point2{};
  const Point2 at{base.X + offset.X, base.Y + offset.Y};
  if (!std::isfinite(at.X) || !std::isfinite(at.Y))
    return Refused(Translated(tr::kMsgTypedPointForm));
  return {at, {}};
}

} // namespace strandel
