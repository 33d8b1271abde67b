#include "expr/numeric_field.h"

#include <cmath>

#include "common/assert.h"
#include "common/number_text.h"
#include "common/text.h"
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

FieldEntry ApplyNumericField(std::string_view text, double displayFactor, double storedValue,
                             FieldKind kind, ParameterTable& parameters) {
  STRANDEL_ASSERT(displayFactor != 0, "a display unit without a factor");
  const std::string shown = FormatValue(storedValue * displayFactor);
  const FieldEntry reverted{shown, storedValue, false};
  if (Trim(text) == Trim(shown)) return {shown, storedValue, true};
  // One evaluation: a definition such as "n=n+1" counts once per confirmation.
  const ExpressionValue result = EvaluateText(text, parameters);
  if (!result.Ok()) return reverted;
  if (kind == FieldKind::Percent && (result.Value < 0 || result.Value > 100)) return reverted;
  const std::string newText = FormatValue(result.Value);
  // Rounding to three digits can carry a value near the largest double past it.
  if (!IsNumber(newText)) return reverted;
  const double newStored = ParseNumber(newText) / displayFactor;
  if (!std::isfinite(newStored)) return reverted;
  return {newText, newStored, true};
}

} // namespace strandel
