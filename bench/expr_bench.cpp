// The expression evaluator: a dialog field is compiled and evaluated every time
// the user leaves it, so a typical field must cost microseconds, the longest
// expression that fits well under a millisecond, and any pasted text, however
// long, time in proportion to its length.

#include <string>

#include <benchmark/benchmark.h>

#include "expr/calc_expr.h"
#include "expr/numeric_field.h"

namespace strandel {
namespace {

void TypicalField(benchmark::State& state) {
  ParameterTable table;
  EvaluateText("L1=2.5", table);
  const char* const fields[] = {"2*3.5", "sqrt(2)/2", "L1 max 0,3", "-7 mod 3", "sin(pi/6)*L1"};
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(EvaluateText(fields[i++ % 5], table));
  }
}
BENCHMARK(TypicalField);

// 24 bracketed products summed, plus one: 49 numbers and 48 results, all 97
// slots in use.
void LongestExpression(benchmark::State& state) {
  ParameterTable table;
  std::string text = "(1.5*2.25)";
  for (int i = 1; i < 24; ++i)
    text += "+(1.5*2.25)";
  text += "+1";
  for (auto _ : state) {
    benchmark::DoNotOptimize(EvaluateText(text, table));
  }
  state.SetLabel(EvaluateText(text, table).Error.empty() ? "compiles" : "refused");
}
BENCHMARK(LongestExpression);

// A compiled expression evaluated again and again with new variable values.
void EvaluateCompiled(benchmark::State& state) {
  ParameterTable table;
  TCalcExpr expr(table);
  expr.Init("t^2+y*y' max sin t", "t", "y", "y'");
  long double t = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(expr.Evaluate(t, 2, 3));
    t += 0.001L;
  }
}
BENCHMARK(EvaluateCompiled);

// Pasted text: nested parentheses around one number, N levels deep.
void DeepParentheses(benchmark::State& state) {
  ParameterTable table;
  const auto depth = static_cast<std::size_t>(state.range(0));
  const std::string text = std::string(depth, '(') + "1" + std::string(depth, ')');
  for (auto _ : state) {
    benchmark::DoNotOptimize(EvaluateText(text, table));
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(DeepParentheses)->RangeMultiplier(10)->Range(1000, 1000000)->Complexity();

} // namespace
} // namespace strandel
