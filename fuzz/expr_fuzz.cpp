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
  // A field takes a number and shows it, or keeps the text as typed, the value
  // as it was, and says why; what it shows reads back to the same stored value.
  const FieldEntry entry = ApplyNumericField(text, 100, 0.25, FieldKind::Value, table);
  Require(std::isfinite(entry.Stored));
  if (entry.Accepted) {
    Require(IsNumber(entry.Text) && entry.Message.empty());
    const FieldEntry again =
        ApplyNumericField(entry.Text, 100, entry.Stored, FieldKind::Value, table);
    Require(again.Accepted && again.Stored == entry.Stored && again.Text == entry.Text);
  } else {
    Require(entry.Text == text && entry.Stored == 0.25 && !entry.Message.empty());
  }
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
