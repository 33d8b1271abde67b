// The frame analysis on rigid grid frames of 10 x 10, 25 x 25 and 50 x 50 fields
// (the largest: 2601 nodes, 5050 beams, every floor loaded): the whole of
// AnalyseModel, from the segments to the reactions. The 50 x 50 frame must be
// solved within 0.3 s and 150 MB. For comparison, the dense GaussSolve on the
// same compacted system. Each reports the peak heap it used. Then the verdict on
// stability alone (JudgeMobility), on the grids, where every joint is rigid, and
// on pin-jointed trusses of 100 to 1300 panels, where every joint is a hinge and
// the verdict has as many freedoms as the solve: beside the whole analysis of
// the same trusses. Last, strandel-cli reading the 50 x 50 document and printing
// its solution as JSON, which must take under a second.
//
// The node order: the 50 x 50 frame with its nodes in the list storey by storey
// (as drawn), column by column and at random, analysed and solved by
// strandel-cli; random order may take at most 1.2 times the storey order. And
// strandel-cli on the 100 x 100 frame (10,201 nodes), which must take under a
// second, and the 200 x 200 frame (40,401 nodes, 80,400 stretches), under 8 s
// and 1.5 GB.

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include "analysis/frame_system.h"
#include "analysis/gauss_solve.h"
#include "analysis/mobility.h"
#include "analysis/solver.h"
#include "heap_meter.h"
#include "model/document_file.h"
#include "support/frame_models.h"
#include "support/process.h"
#include "support/temp_folder.h"

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
    const AnalysisOutcome outcome = AnalyseModel(doc, AnalysisOptions{false});
    if (!outcome.Ok()) state.SkipWithError("analysis failed");
    unknowns = outcome.Displacements.size();
  }
  ReportHeap(state);
  state.counters["nodes"] = static_cast<double>(unknowns / 3);
  state.counters["unknowns"] = static_cast<double>(unknowns);
}
BENCHMARK(BM_AnalyseModel)->Arg(10)->Arg(25)->Arg(50)->Unit(benchmark::kMillisecond);

// The frame of range(0) fields with its nodes in the order range(1): 0 as
// drawn, storey by storey; 1 column by column; 2 at random. Above 100 fields
// each girder is one beam with the nodes lying on it, as a document's 65,535
// beam numbers allow no more beams.
ModelDocument FrameInOrder(const benchmark::State& state) {
  const int fields = static_cast<int>(state.range(0));
  ModelDocument doc = fields <= 100
                          ? Frame(fields)
                          : testing::GridFrameOfContinuousGirders(fields, fields, 4, 3, 10000,
                                                                  {0.3, 0.3, 2.1e11, 7850},
                                                                  {0.2, 0.4, 2.1e11, 7850});
  switch (state.range(1)) {
  case 1:
    return testing::WithNodesInOrder(std::move(doc), testing::NodeOrder::Columns);
  case 2:
    return testing::WithNodesInOrder(std::move(doc), testing::NodeOrder::Random);
  default:
    return doc;
  }
}

void BM_AnalyseModel_NodeOrder(benchmark::State& state) {
  ModelDocument doc = FrameInOrder(state);
  bench::ResetHeapPeak();
  for (auto _ : state) {
    if (!AnalyseModel(doc, AnalysisOptions{false}).Ok()) state.SkipWithError("analysis failed");
  }
  ReportHeap(state);
}
BENCHMARK(BM_AnalyseModel_NodeOrder)->ArgsProduct({{50}, {0, 1, 2}})->Unit(benchmark::kMillisecond);

// The dense elimination of the same compacted system (the matrix built the dense
// way, then GaussSolve); only the solve is timed, the peak heap counts both.
void BM_DenseGaussSolve(benchmark::State& state) {
  ModelDocument doc = Frame(static_cast<int>(state.range(0)));
  if (!AnalyseModel(doc, AnalysisOptions{false}).Ok()) state.SkipWithError("analysis failed");
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

void TimeMobility(benchmark::State& state, ModelDocument doc) {
  if (!AnalyseModel(doc, AnalysisOptions{false}).Ok()) state.SkipWithError("analysis failed"); // builds the stretches
  const NodeTable nodes(doc);
  const FrameSystem system = AssembleFrame(doc, nodes);
  bench::ResetHeapPeak();
  Mobility mobility;
  for (auto _ : state) {
    mobility = JudgeMobility(doc, nodes, system);
    if (mobility.CanMove()) state.SkipWithError("the frame was judged to move");
  }
  ReportHeap(state);
  state.counters["freedoms"] = mobility.Freedoms;
  state.counters["band"] = mobility.Band;
}

void BM_JudgeMobility_Grid(benchmark::State& state) {
  TimeMobility(state, Frame(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_JudgeMobility_Grid)->Arg(10)->Arg(25)->Arg(50)->Unit(benchmark::kMillisecond);

void BM_JudgeMobility_Truss(benchmark::State& state) {
  TimeMobility(state, testing::PrattTruss(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_JudgeMobility_Truss)->Arg(100)->Arg(400)->Arg(1300)->Unit(benchmark::kMillisecond);

void BM_AnalyseModel_Truss(benchmark::State& state) {
  ModelDocument doc = testing::PrattTruss(static_cast<int>(state.range(0)));
  bench::ResetHeapPeak();
  for (auto _ : state) {
    if (!AnalyseModel(doc, AnalysisOptions{false}).Ok()) state.SkipWithError("analysis failed");
  }
  ReportHeap(state);
}
BENCHMARK(BM_AnalyseModel_Truss)->Arg(100)->Arg(400)->Arg(1300)->Unit(benchmark::kMillisecond);

// The same trusses with their nodes listed at random: every joint a freedom of
// the verdict on stability as well as of the solve.
void BM_AnalyseModel_TrussInRandomOrder(benchmark::State& state) {
  ModelDocument doc = testing::WithNodesInOrder(
      testing::PrattTruss(static_cast<int>(state.range(0))), testing::NodeOrder::Random);
  bench::ResetHeapPeak();
  for (auto _ : state) {
    if (!AnalyseModel(doc, AnalysisOptions{false}).Ok()) state.SkipWithError("analysis failed");
  }
  ReportHeap(state);
}
BENCHMARK(BM_AnalyseModel_TrussInRandomOrder)
    ->Arg(100)
    ->Arg(400)
    ->Arg(1300)
    ->Unit(benchmark::kMillisecond);

#ifdef STRANDEL_CLI
void BM_CliSolveJson(benchmark::State& state) {
  testing::TempFolder folder;
  const std::string model = folder.File("frame.qsd");
  ModelDocument doc = FrameInOrder(state);
  if (!SaveDocument(doc, model).ok) state.SkipWithError("cannot write the model");
  std::size_t bytes = 0;
  for (auto _ : state) {
    const testing::ProcessResult result =
        testing::RunProgram(STRANDEL_CLI, {"solve", model, "--json"});
    if (result.ExitCode != 0) state.SkipWithError("strandel-cli solve failed");
    bytes = result.Out.size();
  }
  rusage children{};
  getrusage(RUSAGE_CHILDREN, &children);
  state.counters["cli_max_rss_MB"] = static_cast<double>(children.ru_maxrss) / 1e3;
  state.counters["json_MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BM_CliSolveJson)
    ->ArgsProduct({{50}, {0, 1, 2}})
    ->Args({100, 0})
    ->Unit(benchmark::kMillisecond);
// Each run of the largest frame takes seconds; its peak memory is its own.
BENCHMARK(BM_CliSolveJson)->Args({200, 0})->Unit(benchmark::kMillisecond)->Iterations(2);
#endif

} // namespace
} // namespace strandel
