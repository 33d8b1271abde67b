// Fuzz target of the input-field expression evaluator. The input is split at line
// ends into expressions evaluated in order against one parameter table, so that
// definitions meet later uses; each is compiled with the three variables of curve
// expressions and also taken as a dialog field takes it. Besides crashes and
// sanitizer reports, a broken promise of the evaluator stops the run.

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/number_text.h"
#include "expr/calc_expr.h"
#include "expr/numeric_field.h"

namespace {

void Require(bool promise) {
  if (!promise) __builtin_trap();
}

void CheckExpression(std::string_view text, strandel::ParameterTable& table) {
  using namespace strandel;
  TCalcExpr expr(table);
  expr.Init(text, "t", "y", "y'");
  // Compiled exactly when there is no message.
  Require(expr.Compiled() == expr.ErrorText().empty());
  const long double value = expr.Evaluate(0.5L, -2, 3);
  if (expr.Fault() == EvaluationFault::None) {
    Require(std::isfinite(value) && std::fabs(value) <= static_cast<long double>(DBL_MAX));
  } else {
    Require(std::isnan(value));
  }
  // A field always ends with a number in it, and a refused entry keeps the value.
  const FieldEntry entry = ApplyNumericField(text, 100, 0.25, FieldKind::Value, table);
  Require(IsNumber(entry.Text) && std::isfinite(entry.Stored));
  Require(entry.Accepted || entry.Stored == 0.25);
  const FieldEntry percent = ApplyNumericField(text, 100, 0.5, FieldKind::Percent, table);
  Require(percent.Stored >= 0 && percent.Stored <= 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  strandel::ParameterTable table;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = std::min(input.find('\n', start), input.size());
    CheckExpression(input.substr(start, end - start), table);
    if (end == input.size()) break;
    start = end + 1;
  }
  return 0;
}
