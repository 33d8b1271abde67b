// The frame analysis on rigid grid frames of 10 x 10, 25 x 25 and 50 x 50 fields
// (the largest: 2601 nodes, 5050 beams, every floor loaded): the whole of
// AnalyseModel, from the segments to the reactions. The 50 x 50 frame must be
// solved within 0.3 s and 150 MB. For comparison, the dense GaussSolve on the
// same compacted system. Each reports the peak heap it used.

#include <benchmark/benchmark.h>

#include "analysis/frame_system.h"
#include "analysis/gauss_solve.h"
#include "analysis/solver.h"
#include "heap_meter.h"
#include "support/frame_models.h"

namespace strandel {
namespace {

ModelDocument Frame(int fields) {
  // Storeys 3 m, bays 4 m, columns 0.3 x 0.3 m, girders 0.2 x 0.4 m, 10 kN/m.
  return testing::GridFrame(fields, fields, 4, 3, 10000, {0.3, 0.3, 2.1e11, 7850},
                            {0.2, 0.4, 2.1e11, 7850});
}

void ReportHeap(benchmark::State& state) {
  state.counters["peak_heap_MB"] = static_cast<double>(bench::HeapPeakBytes()) / 1e6;
}

void BM_AnalyseModel(benchmark::State& state) {
  ModelDocument doc = Frame(static_cast<int>(state.range(0)));
  bench::ResetHeapPeak();
  std::size_t unknowns = 0;
  for (auto _ : state) {
    const AnalysisOutcome outcome = AnalyseModel(doc);
    if (!outcome.Ok()) state.SkipWithError("analysis failed");
    unknowns = outcome.Displacements.size();
  }
  ReportHeap(state);
  state.counters["nodes"] = static_cast<double>(unknowns / 3);
  state.counters["unknowns"] = static_cast<double>(unknowns);
}
BENCHMARK(BM_AnalyseModel)->Arg(10)->Arg(25)->Arg(50)->Unit(benchmark::kMillisecond);

// The dense elimination of the same compacted system (the matrix built the dense
// way, then GaussSolve); only the solve is timed, the peak heap counts both.
void BM_DenseGaussSolve(benchmark::State& state) {
  ModelDocument doc = Frame(static_cast<int>(state.range(0)));
  if (!AnalyseModel(doc).Ok()) state.SkipWithError("analysis failed");
  const FrameSystem system = AssembleFrame(doc, NodeTable(doc));
  const int high = static_cast<int>(system.Kept.size()) - 1;
  bench::ResetHeapPeak();
  TMatrix k;
  TVector f, x;
  if (!DenseEquations(system, k, f)) state.SkipWithError("no memory for the dense matrix");
  AllocVector(x, high);
  for (auto _ : state) {
    if (GaussSolve(k, f, x, high) != 0) state.SkipWithError("dense solve failed");
  }
  ReportHeap(state);
  state.counters["unknowns"] = static_cast<double>(high + 1);
}
BENCHMARK(BM_DenseGaussSolve)
    ->Arg(10)
    ->Arg(25)
    ->Arg(50)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

} // namespace
} // namespace strandel
