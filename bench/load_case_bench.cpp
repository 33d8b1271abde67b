// The 50 x 50 grid frame (2601 nodes, 5050 beams) with its loads spread over 10
// load cases and 20 combinations, against the same frame as one load set: one
// elimination serves every case, so the whole must take at most 1.5 times the
// single analysis. Each reports the peak heap it used.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>

#include "analysis/beam_curves.h"
#include "analysis/load_case_analysis.h"
#include "analysis/solver.h"
#include "heap_meter.h"
#include "support/frame_models.h"

namespace strandel {
namespace {

constexpr int kFields = 50;
constexpr int kCases = 10;
constexpr int kCombinations = 20;

ModelDocument Frame() {
  return testing::GridFrame(kFields, kFields, 4, 3, 10000, {0.3, 0.3, 2.1e11, 7850},
                            {0.2, 0.4, 2.1e11, 7850});
}

// The floor loads of storey s go to case 1 + s mod 10 (case 1 also carries the
// own weight), a sideways force at every storey's left column to case 10; the
// combinations take every case with factors that differ from one to the next.
ModelDocument CaseFrame() {
  ModelDocument doc = Frame();
  for (int c = 1; c <= kCases; ++c) {
    doc.Settings.LoadCases.push_back(MakeLoadCase(static_cast<std::uint16_t>(c),
                                                  "Case " + std::to_string(c),
                                                  c == 1        ? ActionCategory::Permanent
                                                  : c == kCases ? ActionCategory::Wind
                                                                : ActionCategory::ImposedB));
  }
  doc.Settings.LoadCases.front().SelfWeight = true;
  for (TLoadObject& load : ObjectsOf<TLoadObject>(doc)) {
    const TNodeObject* node = FindNode(doc, load.Node1);
    const int storey = static_cast<int>(std::lround(node->Y / 3));
    load.Case = static_cast<std::uint16_t>(1 + storey % (kCases - 1));
  }
  for (int storey = 1; storey <= kFields; ++storey)
    testing::AddForce(doc, storey, testing::GridNode(kFields, 0, storey), 5000, 0).Case = kCases;
  for (int k = 1; k <= kCombinations; ++k) {
    TCombination combination;
    combination.Number = static_cast<std::uint16_t>(k);
    combination.Kind = k <= 15 ? CombinationKind::Ultimate : CombinationKind::Characteristic;
    for (int c = 1; c <= kCases; ++c)
      combination.Factors.push_back({static_cast<std::uint16_t>(c), 1.0 + 0.05 * ((k + c) % 7)});
    doc.Settings.Combinations.push_back(combination);
  }
  return doc;
}

void BM_OneLoadSet(benchmark::State& state) {
  ModelDocument doc = Frame();
  bench::ResetHeapPeak();
  for (auto _ : state) {
    if (!AnalyseModel(doc).Ok()) state.SkipWithError("analysis failed");
  }
  state.counters["peak_heap_MB"] = static_cast<double>(bench::HeapPeakBytes()) / 1e6;
}
BENCHMARK(BM_OneLoadSet)->Unit(benchmark::kMillisecond);

void BM_TenCasesTwentyCombinations(benchmark::State& state) {
  ModelDocument doc = CaseFrame();
  bench::ResetHeapPeak();
  for (auto _ : state) {
    const CaseAnalysis analysis = AnalyseLoadCases(doc);
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
    if (!AnalyseLoadCases(doc).Ok()) state.SkipWithError("analysis failed");
  }
}
BENCHMARK(BM_TenCasesOnly)->Unit(benchmark::kMillisecond);

// The superposition alone: every combination's results formed from those of
// the cases. With BM_TenCasesOnly it is the solve of every case and
// combination; BM_TenCasesTwentyCombinations adds the design check of every
// stretch under every combination (the envelopes).
void BM_FormTwentyCombinations(benchmark::State& state) {
  ModelDocument doc = CaseFrame();
  const CaseAnalysis analysis = AnalyseLoadCases(doc);
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
    if (!AnalyseModel(doc).Ok()) state.SkipWithError("analysis failed");
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
    if (!AnalyseModel(doc).Ok()) state.SkipWithError("analysis failed");
  }
}
BENCHMARK(BM_TenCasesChosenResult)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace strandel
