// Beyond first order on the 50 x 50 grid frame: alpha_cr of its 15 ULS
// combinations (the window's analysis finds them whatever the switch), their
// second-order solve, and both together; and the same for the frame as one
// load set. Each reports the peak heap it used.

#include <benchmark/benchmark.h>

#include <cmath>

#include "analysis/load_case_analysis.h"
#include "analysis/second_order.h"
#include "analysis/solver.h"
#include "case_frame.h"
#include "heap_meter.h"

namespace strandel {
namespace {

using bench::CaseFrame;
using bench::Frame;

void Report(benchmark::State& state, const AnalysisOutcome& outcome) {
  double lowest = INFINITY;
  int iterations = 0;
  for (const LoadSetStability& stability : outcome.Stability) {
    lowest = std::fmin(lowest, stability.CriticalFactor);
    iterations = std::max(iterations, stability.Iterations);
  }
  state.counters["lowest_alpha_cr"] = lowest;
  state.counters["most_iterations"] = iterations;
  state.counters["peak_heap_MB"] = static_cast<double>(bench::HeapPeakBytes()) / 1e6;
}

// The cases and combinations with the switch off (0) or on (1), alpha_cr left
// out (0) or found (1): {0, 1} is the window's step with the switch off, {1, 1}
// with it on, {1, 0} the second-order solve alone.
void BM_Cases(benchmark::State& state) {
  ModelDocument doc = CaseFrame();
  doc.Settings.SecondOrder = state.range(0) == 1;
  const AnalysisOptions options{state.range(1) == 1};
  bench::ResetHeapPeak();
  AnalysisOutcome outcome;
  for (auto _ : state) {
    const CaseAnalysis analysis = AnalyseLoadCases(doc, options);
    if (!analysis.Ok()) state.SkipWithError("analysis failed");
    outcome = analysis.Outcome;
  }
  Report(state, outcome);
}
BENCHMARK(BM_Cases)->Args({0, 1})->Args({1, 0})->Args({1, 1})->Unit(benchmark::kMillisecond);

// The frame as one load set: first order alone, with alpha_cr, to second
// order with alpha_cr.
void BM_OneLoadSet(benchmark::State& state) {
  ModelDocument doc = Frame();
  doc.Settings.SecondOrder = state.range(0) == 2;
  const AnalysisOptions options{state.range(0) > 0};
  bench::ResetHeapPeak();
  AnalysisOutcome outcome;
  for (auto _ : state) {
    outcome = AnalyseModel(doc, options);
    if (!outcome.Ok()) state.SkipWithError("analysis failed");
  }
  Report(state, outcome);
}
BENCHMARK(BM_OneLoadSet)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace strandel
