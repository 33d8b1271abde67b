// The number forms: a field shows its value in as many digits as it needs (up to
// fifteen tries of rounding and reading back), and the document writer checks
// that every number it writes reads back exactly. A dialog shows a few dozen
// fields and a large document holds some 200,000 numbers, so one number must
// cost a few microseconds at most.

#include <benchmark/benchmark.h>

#include "common/number_text.h"
#include "expr/numeric_field.h"

namespace strandel {
namespace {

// Values as they meet the forms: three digits, more digits, a third (which
// takes every try a field makes), an angle and a tiny exponent value.
constexpr double kValues[] = {0.123, 6.125, 1.0 / 3.0, -1.5707963267948966, 2.5e-7};

template <std::string (*Format)(double)> void Form(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state)
    benchmark::DoNotOptimize(Format(kValues[i++ % 5]));
}
BENCHMARK(Form<FormatValue>);
BENCHMARK(Form<FormatFieldValue>);
BENCHMARK(Form<FormatValueExact>);
BENCHMARK(Form<FormatGeneral>);

void FieldOfAThird(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(FormatFieldValue(1.0 / 3.0));
}
BENCHMARK(FieldOfAThird);

// A typed field taken in millimetres: evaluated, moved into metres, shown again.
void TypedFieldInMillimetres(benchmark::State& state) {
  ParameterTable table;
  for (auto _ : state)
    benchmark::DoNotOptimize(ApplyNumericField("123.45", 1000, 0.1, FieldKind::Value, table));
}
BENCHMARK(TypedFieldInMillimetres);

} // namespace
} // namespace strandel
