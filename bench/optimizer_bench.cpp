// The optimizer's trial points: applying a point (moving the nodes through the
// editor's node move), solving the frame and scoring the highest utilisation.
// On the generator's five structures at their presets and on a rigid frame of
// 5 x 5 fields, each with every node coordinate as a variable, the benchmark
// alternates between the original point and one drawn within the intervals, so
// the model really moves. It reports trial points per second, the allocations
// per point, and the share of the three parts. Last, whole runs of the complex
// method as the batch front end drives them.

#include <benchmark/benchmark.h>

#include "analysis/solver.h"
#include "common/user_message.h"
#include "heap_meter.h"
#include "optimizer/objective.h"
#include "optimizer/optimizer.h"
#include "optimizer/optimizer_fixture.h"
#include "optimizer/trial_point.h"
#include "support/frame_models.h"

namespace strandel {
namespace {

ModelDocument Structure(int kind) {
  if (kind == kStructureKindCount) {
    // 5 x 5 fields of 4 m by 3 m, columns 0.3 x 0.3 m, girders 0.2 x 0.4 m, 10 kN/m.
    return testing::GridFrame(5, 5, 4, 3, -10000, {0.3, 0.3, 2.1e11, 7850},
                              {0.2, 0.4, 2.1e11, 7850});
  }
  GeneratorParameters p;
  ApplyKindPreset(p, static_cast<StructureKind>(kind));
  ModelDocument doc;
  GenerateStructure(doc, p, testing::SteelTemplateBeam(0.1, 0.1), DocumentSizes{});
  return doc;
}

const char* const kNames[] = {"frame",    "tower", "truss-girder", "arch", "suspension-bridge",
                              "frame-5x5"};

// A structure with every variable selected and two points to go between.
struct TrialBench {
  explicit TrialBench(int kind) : doc(Structure(kind)) {
    BuildVariables(list, doc, UnitChoice{});
    for (TVarItem& item : list)
      item.InOptimize = true;
    selection = SelectedVariables(list);
    const int n = static_cast<int>(selection.size());
    AllocVector(original, n - 1);
    AllocVector(moved, n - 1);
    RandomSequence random;
    for (int i = 0; i < n; ++i) {
      const TVarItem& v = *selection[i];
      original[i] = v.OrigValue;
      moved[i] = v.LowBound + (v.HighBound - v.LowBound) * random.Next();
    }
  }
  const TVector& Point(std::size_t i) const { return i % 2 ? moved : original; }

  ModelDocument doc;
  VariableList list;
  Selection selection;
  TVector original, moved;
  SilentMessages messages;
};

void Describe(benchmark::State& state, const TrialBench& b, std::size_t allocations,
              std::size_t points) {
  state.SetLabel(kNames[state.range(0)]);
  state.SetItemsProcessed(static_cast<std::int64_t>(points));
  int nodes = 0;
  for (const auto& object : b.doc.GraphObjects)
    nodes += KindOf(*object) == ObjectKind::Node;
  state.counters["nodes"] = nodes;
  state.counters["variables"] = static_cast<double>(b.selection.size());
  state.counters["allocs_per_point"] =
      static_cast<double>(allocations) / static_cast<double>(points ? points : 1);
}

void BM_TrialPoint(benchmark::State& state) {
  TrialBench b(static_cast<int>(state.range(0)));
  std::size_t i = 0;
  const std::size_t before = bench::AllocationCount();
  for (auto _ : state) {
    const TrialValue trial =
        EvaluateTrialPoint(b.doc, b.selection, b.Point(i++), kObjectiveUtilisation, b.messages);
    if (!trial.Ok) state.SkipWithError("the trial point failed");
    benchmark::DoNotOptimize(trial.Value);
  }
  Describe(state, b, bench::AllocationCount() - before, i);
}
BENCHMARK(BM_TrialPoint)->DenseRange(0, kStructureKindCount)->Unit(benchmark::kMicrosecond);

// The three parts of a trial point on their own.
void BM_ApplyPoint(benchmark::State& state) {
  TrialBench b(static_cast<int>(state.range(0)));
  std::size_t i = 0;
  const std::size_t before = bench::AllocationCount();
  for (auto _ : state) {
    if (!ApplyPoint(b.doc, b.selection, &b.Point(i++), b.messages))
      state.SkipWithError("the point could not be applied");
  }
  Describe(state, b, bench::AllocationCount() - before, i);
}
BENCHMARK(BM_ApplyPoint)->DenseRange(0, kStructureKindCount)->Unit(benchmark::kMicrosecond);

void BM_AnalyseModel(benchmark::State& state) {
  TrialBench b(static_cast<int>(state.range(0)));
  std::size_t i = 0;
  const std::size_t before = bench::AllocationCount();
  for (auto _ : state) {
    benchmark::DoNotOptimize(AnalyseModel(b.doc));
    ++i;
  }
  Describe(state, b, bench::AllocationCount() - before, i);
}
BENCHMARK(BM_AnalyseModel)->DenseRange(0, kStructureKindCount)->Unit(benchmark::kMicrosecond);

void BM_Objective(benchmark::State& state) {
  TrialBench b(static_cast<int>(state.range(0)));
  AnalyseModel(b.doc);
  std::size_t i = 0;
  const std::size_t before = bench::AllocationCount();
  for (auto _ : state) {
    benchmark::DoNotOptimize(ObjectiveValue(b.doc, kObjectiveUtilisation));
    ++i;
  }
  Describe(state, b, bench::AllocationCount() - before, i);
}
BENCHMARK(BM_Objective)->DenseRange(0, kStructureKindCount)->Unit(benchmark::kMicrosecond);

class CountingHost : public OptimizerHost {
public:
  void Redraw() override { ++Analyses; }
  UserMessages& Messages() override { return messages_; }
  std::size_t Analyses = 0;

private:
  class Accepting : public SilentMessages {
    MessageAnswer Ask(const std::string&, MessageButtons) override { return MessageAnswer::Yes; }
  } messages_;
};

// A whole "Complex" run to its end with every variable free, as strandel-cli
// optimize drives it; items are the trial points evaluated.
void BM_ComplexRun(benchmark::State& state) {
  std::size_t points = 0, iterations = 0;
  for (auto _ : state) {
    state.PauseTiming();
    TrialBench b(static_cast<int>(state.range(0)));
    CountingHost host;
    RandomSequence random;
    Optimizer optimizer(b.doc, UnitChoice{}, host, random);
    optimizer.Open();
    for (TVarItem& item : optimizer.Variables())
      item.InOptimize = true;
    state.ResumeTiming();
    optimizer.Start();
    while (optimizer.IterationStep()) {
    }
    if (optimizer.LastRunEnd() != RunEnd::Accepted) state.SkipWithError("the run did not finish");
    points += host.Analyses;
    iterations += static_cast<std::size_t>(optimizer.TotalIterations());
  }
  state.SetLabel(kNames[state.range(0)]);
  state.SetItemsProcessed(static_cast<std::int64_t>(points));
  state.counters["iterations"] =
      benchmark::Counter(static_cast<double>(iterations), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ComplexRun)->Arg(2)->Arg(kStructureKindCount)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace strandel
