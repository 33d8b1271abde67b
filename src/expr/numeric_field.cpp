#include "expr/numeric_field.h"

#include <cmath>

#include "common/assert.h"
#include "common/number_text.h"
#include "common/text.h"
#include "common/text_entries.h"
#include "common/translation.h"
#include "expr/calc_expr.h"

namespace strandel {

ExpressionValue EvaluateText(std::string_view text, ParameterTable& parameters) {
  TCalcExpr expr(parameters);
  expr.Init(text, "", "", "");
  ExpressionValue result;
  if (!expr.Compiled()) {
    result.Error = expr.ErrorText();
    return result;
  }
  const long double value = expr.Evaluate(0, 0, 0);
  result.Fault = expr.Fault();
  if (result.Fault == EvaluationFault::None) result.Value = static_cast<double>(value);
  return result;
}

bool IsValidExpression(std::string_view text, ParameterTable& parameters) {
  return EvaluateText(text, parameters).Ok();
}

bool IsPercentExpression(std::string_view text, ParameterTable& parameters) {
  const ExpressionValue result = EvaluateText(text, parameters);
  return result.Ok() && result.Value >= 0 && result.Value <= 100;
}

double ToFieldUnits(double value, double displayFactor) {
  if (const std::optional<int> exponent = PowerOfTenExponent(displayFactor))
    return ShiftDecimalPoint(value, *exponent);
  return value * displayFactor;
}

double FromFieldUnits(double shown, double displayFactor) {
  if (const std::optional<int> exponent = PowerOfTenExponent(displayFactor))
    return ShiftDecimalPoint(shown, -*exponent);
  return shown / displayFactor;
}

std::string FieldText(double storedValue, double displayFactor) {
  const double shown = ToFieldUnits(storedValue, displayFactor);
  if (!std::isfinite(shown) || shown == 0) return FormatFieldValue(shown);
  // The fewest digits that, typed back, give the stored value to fifteen digits:
  // a unit's factor may add noise in the last digits that is no part of the value
  // (90 degrees read from a document as 1.5707963267949 radians shows as 90, not
  // 90.0000000000002).
  const std::string stored = FormatFieldValue(storedValue, 15);
  for (int significant = 3; significant < 15; ++significant) {
    const std::string text = FormatFieldValue(shown, significant);
    if (FormatFieldValue(FromFieldUnits(ParseNumber(text), displayFactor), 15) == stored)
      return text;
  }
  return FormatFieldValue(shown, 15);
}

std::string FaultMessage(EvaluationFault fault) {
  switch (fault) {
  case EvaluationFault::DivisionByZero:
    return TranslatedOr(tr::kMsgFieldDivisionByZero, "Division by zero");
  case EvaluationFault::LogarithmOfNonPositive:
  case EvaluationFault::RootOfNegative:
  case EvaluationFault::OutOfDomain:
    return TranslatedOr(tr::kMsgFieldNotDefined, "The function is not defined for this value");
  case EvaluationFault::Overflow:
    return TranslatedOr(tr::kMsgFieldTooLarge, "The value is too large");
  case EvaluationFault::None:
  case EvaluationFault::NotCompiled:
    break;
  }
  return FaultText(fault);
}

namespace {

// Why a value the evaluator gave does not suit the field, empty when it does.
std::string RangeMessage(double value, FieldKind kind) {
  switch (kind) {
  case FieldKind::Value:
    break;
  case FieldKind::Percent:
    if (value < 0 || value > 100)
      return TranslatedOr(tr::kMsgFieldPercentRange, "The value must lie between 0 and 100");
    break;
  case FieldKind::Positive:
    if (!(value > 0))
      return TranslatedOr(tr::kMsgFieldNotPositive, "The value must be greater than 0");
    break;
  case FieldKind::Count:
    if (!(value >= 1)) return TranslatedOr(tr::kMsgFieldBelowOne, "The value must be at least 1");
    break;
  case FieldKind::Fraction:
    if (!(value >= 0 && value <= 1))
      return TranslatedOr(tr::kMsgFieldFractionRange, "The value must lie between 0 and 1");
    break;
  }
  return {};
}

FieldEntry Refused(std::string_view text, double storedValue, std::string message) {
  return {std::string(text), storedValue, false, std::move(message)};
}

} // namespace

FieldEntry ApplyNumericField(std::string_view text, double displayFactor, double storedValue,
                             FieldKind kind, ParameterTable& parameters) {
  STRANDEL_ASSERT(displayFactor != 0, "a display unit without a factor");
  const std::string shown = FieldText(storedValue, displayFactor);
  if (Trim(text) == Trim(shown)) return {shown, storedValue, true, {}};
  // One evaluation: a definition such as "n=n+1" counts once per confirmation.
  const ExpressionValue result = EvaluateText(text, parameters);
  if (!result.Error.empty()) return Refused(text, storedValue, result.Error);
  if (result.Fault != EvaluationFault::None)
    return Refused(text, storedValue, FaultMessage(result.Fault));
  if (std::string message = RangeMessage(result.Value, kind); !message.empty())
    return Refused(text, storedValue, std::move(message));
  // The value must survive the way into base units and back into the field.
  const double newStored = FromFieldUnits(result.Value, displayFactor);
  if (!std::isfinite(newStored) || !std::isfinite(ToFieldUnits(newStored, displayFactor)))
    return Refused(text, storedValue, FaultMessage(EvaluationFault::Overflow));
  return {FieldText(newStored, displayFactor), newStored, true, {}};
}

} // namespace strandel
