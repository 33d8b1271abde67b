// The optimizer's trial points: applying a point (moving the nodes through the
// editor's node move), solving the frame and scoring the highest utilisation.
// On every standard structure of data/Structures and on a rigid frame of 5 x 5
// fields, each with every node coordinate as a variable, the benchmark
// alternates between the original point and one drawn within the intervals, so
// the model really moves. It reports trial points per second and the
// allocations per point; the three parts are timed on their own for the truss
// girder and the 5 x 5 frame, and of the analysis the verdict on stability
// alone. Last, whole runs of the complex method as the batch front end drives
// them.

#include <benchmark/benchmark.h>

#include <functional>

#include "analysis/frame_system.h"
#include "analysis/mobility.h"
#include "analysis/solver.h"
#include "common/files.h"
#include "common/user_message.h"
#include "heap_meter.h"
#include "model/document_file.h"
#include "optimizer/objective.h"
#include "optimizer/optimizer.h"
#include "optimizer/trial_point.h"
#include "support/frame_models.h"

namespace strandel {
namespace {

ModelDocument GridFrame5x5() {
  // 5 x 5 fields of 4 m by 3 m, columns 0.3 x 0.3 m, girders 0.2 x 0.4 m, 10 kN/m.
  return testing::GridFrame(5, 5, 4, 3, -10000, {0.3, 0.3, 2.1e11, 7850}, {0.2, 0.4, 2.1e11, 7850});
}

ModelDocument Load(const std::string& path) {
  ModelDocument doc;
  LoadDocument(path, doc);
  return doc;
}

// A structure with every variable selected and two points to go between.
struct TrialBench {
  explicit TrialBench(ModelDocument model) : doc(std::move(model)) {
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

using Maker = std::function<ModelDocument()>;

void Describe(benchmark::State& state, const TrialBench& b, std::size_t allocations,
              std::size_t points) {
  state.SetItemsProcessed(static_cast<std::int64_t>(points));
  int nodes = 0;
  for (const auto& object : b.doc.GraphObjects)
    nodes += KindOf(*object) == ObjectKind::Node;
  state.counters["nodes"] = nodes;
  state.counters["variables"] = static_cast<double>(b.selection.size());
  state.counters["allocs_per_point"] =
      static_cast<double>(allocations) / static_cast<double>(points ? points : 1);
}

void TrialPoint(benchmark::State& state, const Maker& make) {
  TrialBench b(make());
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

// The three parts of a trial point on their own.
void Apply(benchmark::State& state, const Maker& make) {
  TrialBench b(make());
  std::size_t i = 0;
  const std::size_t before = bench::AllocationCount();
  for (auto _ : state) {
    if (!ApplyPoint(b.doc, b.selection, &b.Point(i++), b.messages))
      state.SkipWithError("the point could not be applied");
  }
  Describe(state, b, bench::AllocationCount() - before, i);
}

void Analyse(benchmark::State& state, const Maker& make) {
  TrialBench b(make());
  std::size_t i = 0;
  const std::size_t before = bench::AllocationCount();
  for (auto _ : state) {
    benchmark::DoNotOptimize(AnalyseModel(b.doc, AnalysisOptions{false}));
    ++i;
  }
  Describe(state, b, bench::AllocationCount() - before, i);
}

// Of the analysis, the verdict on stability alone.
void Judge(benchmark::State& state, const Maker& make) {
  TrialBench b(make());
  AnalyseModel(b.doc, AnalysisOptions{false}); // builds the stretches
  const NodeTable nodes(b.doc);
  const FrameSystem system = AssembleFrame(b.doc, nodes);
  std::size_t i = 0;
  const std::size_t before = bench::AllocationCount();
  for (auto _ : state) {
    benchmark::DoNotOptimize(JudgeMobility(b.doc, nodes, system));
    ++i;
  }
  Describe(state, b, bench::AllocationCount() - before, i);
}

void Score(benchmark::State& state, const Maker& make) {
  TrialBench b(make());
  AnalyseModel(b.doc, AnalysisOptions{false});
  std::size_t i = 0;
  const std::size_t before = bench::AllocationCount();
  for (auto _ : state) {
    benchmark::DoNotOptimize(ObjectiveValue(b.doc, kObjectiveUtilisation));
    ++i;
  }
  Describe(state, b, bench::AllocationCount() - before, i);
}

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
void ComplexRun(benchmark::State& state, const Maker& make) {
  std::size_t points = 0, iterations = 0;
  for (auto _ : state) {
    state.PauseTiming();
    ModelDocument doc = make();
    CountingHost host;
    RandomSequence random;
    Optimizer optimizer(doc, UnitChoice{}, host, random);
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
  state.SetItemsProcessed(static_cast<std::int64_t>(points));
  state.counters["iterations"] =
      benchmark::Counter(static_cast<double>(iterations), benchmark::Counter::kAvgIterations);
}

// Registers the benchmarks over the shipped structures, found when the program starts.
const bool kRegistered = [] {
  std::vector<std::pair<std::string, Maker>> models;
  const FolderTree tree =
      ListFolderTree(std::string(STRANDEL_SOURCE_DIR) + "/data/Structures/", "*.qsd", true);
  for (const FolderTree& kind : tree.Folders)
    for (const FolderEntry& file : kind.Files)
      models.push_back({file.Title, [path = file.Path] { return Load(path); }});
  models.push_back({"Frame 5 x 5", GridFrame5x5});
  for (const auto& [name, make] : models) {
    benchmark::RegisterBenchmark(("TrialPoint/" + name).c_str(), TrialPoint, make)
        ->Unit(benchmark::kMicrosecond);
  }
  for (const auto& [name, make] : models) {
    if (name != "Truss girder" && name != "Frame 5 x 5") continue;
    using Part = void (*)(benchmark::State&, const Maker&);
    const std::pair<const char*, Part> parts[] = {{"ApplyPoint/", Apply},
                                                  {"AnalyseModel/", Analyse},
                                                  {"JudgeMobility/", Judge},
                                                  {"Objective/", Score}};
    for (const auto& [part, run] : parts) {
      benchmark::RegisterBenchmark((part + name).c_str(), run, make)->Unit(benchmark::kMicrosecond);
    }
    benchmark::RegisterBenchmark(("ComplexRun/" + name).c_str(), ComplexRun, make)
        ->Unit(benchmark::kMillisecond);
  }
  return true;
}();

} // namespace
} // namespace strandel
