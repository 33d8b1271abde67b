// The 50 x 50 grid frame (2601 nodes, 5050 beams) with its loads spread over 10
// load cases and 20 combinations, against the same frame as one load set: one
// elimination serves every case, so the whole must take at most 1.5 times the
// single analysis. Each reports the peak heap it used. First order only: the
// critical load factors are second_order_bench.cpp's.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>

#include "analysis/beam_curves.h"
#include "analysis/load_case_analysis.h"
#include "analysis/solver.h"
#include "case_frame.h"
#include "heap_meter.h"
#include "support/frame_models.h"

namespace strandel {
namespace {

using bench::CaseFrame;
using bench::Frame;

// The first-order analysis alone, as before alpha_cr was worked out with it
// (second_order_bench.cpp measures that).
constexpr AnalysisOptions kFirstOrder{false};

void BM_OneLoadSet(benchmark::State& state) {
  ModelDocument doc = Frame();
  bench::ResetHeapPeak();
  for (auto _ : state) {
    if (!AnalyseModel(doc, kFirstOrder).Ok()) state.SkipWithError("analysis failed");
  }
  state.counters["peak_heap_MB"] = static_cast<double>(bench::HeapPeakBytes()) / 1e6;
}
BENCHMARK(BM_OneLoadSet)->Unit(benchmark::kMillisecond);

void BM_TenCasesTwentyCombinations(benchmark::State& state) {
  ModelDocument doc = CaseFrame();
  bench::ResetHeapPeak();
  for (auto _ : state) {
    const CaseAnalysis analysis = AnalyseLoadCases(doc, kFirstOrder);
    if (!analysis.Ok()) state.SkipWithError("analysis failed");
    benchmark::DoNotOptimize(analysis.Envelopes);
  }
  state.counters["peak_heap_MB"] = static_cast<double>(bench::HeapPeakBytes()) / 1e6;
}
BENCHMARK(BM_TenCasesTwentyCombinations)->Unit(benchmark::kMillisecond);

// The cases alone: the solve's part of the whole.
void BM_TenCasesOnly(benchmark::State& state) {
  ModelDocument doc = CaseFrame();
  doc.Settings.Combinations.clear();
  for (auto _ : state) {
    if (!AnalyseLoadCases(doc, kFirstOrder).Ok()) state.SkipWithError("analysis failed");
  }
}
BENCHMARK(BM_TenCasesOnly)->Unit(benchmark::kMillisecond);

// The superposition alone: every combination's results formed from those of
// the cases. With BM_TenCasesOnly it is the solve of every case and
// combination; BM_TenCasesTwentyCombinations adds the design check of every
// stretch under every combination (the envelopes).
void BM_FormTwentyCombinations(benchmark::State& state) {
  ModelDocument doc = CaseFrame();
  const CaseAnalysis analysis = AnalyseLoadCases(doc, kFirstOrder);
  if (!analysis.Ok()) state.SkipWithError("analysis failed");
  ResultSet result;
  for (auto _ : state) {
    for (std::size_t k = 0; k < doc.Settings.Combinations.size(); ++k) {
      FormCombination(analysis, doc, k, result);
      benchmark::DoNotOptimize(result.Segments.data());
    }
  }
}
BENCHMARK(BM_FormTwentyCombinations)->Unit(benchmark::kMillisecond);

// The one load set solved and checked: the utilisation and largest
// displacement of every stretch, as the envelopes work them out per combination.
void BM_OneLoadSetChecked(benchmark::State& state) {
  ModelDocument doc = Frame();
  for (auto _ : state) {
    if (!AnalyseModel(doc, kFirstOrder).Ok()) state.SkipWithError("analysis failed");
    double highest = 0;
    for (const TSegmentObject& segment : doc.Segments)
      highest = std::max({highest, StretchUtilisation(segment), StretchMaxDisplacement(segment)});
    benchmark::DoNotOptimize(highest);
  }
}
BENCHMARK(BM_OneLoadSetChecked)->Unit(benchmark::kMillisecond);

// The window's and the batch front end's whole step: every case and
// combination, then the governing one put into the model.
void BM_TenCasesChosenResult(benchmark::State& state) {
  ModelDocument doc = CaseFrame();
  for (auto _ : state) {
    if (!AnalyseModel(doc, kFirstOrder).Ok()) state.SkipWithError("analysis failed");
  }
}
BENCHMARK(BM_TenCasesChosenResult)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace strandel
