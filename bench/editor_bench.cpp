// The editor's work per pointer event on large models: snapping, picking, a
// whole pointer move while drawing a beam, and one step of a node drag that
// carries nodes lying on the beams. A pointer move should stay well under a
// millisecond so dragging keeps up with the screen at any model size.

#include <benchmark/benchmark.h>

#include "common/user_message.h"
#include "editor/editor.h"
#include "editor/model_part.h"
#include "editor/pick.h"
#include "editor/snap.h"
#include "model/node_move.h"

namespace strandel {
namespace {

// A grid frame of columns x rows nodes 2 m apart with its beams, a node lying
// on every horizontal beam and a load on every other one.
ModelDocument GridFrame(int columns, int rows) {
  ModelDocument doc;
  auto number = [&](int c, int r) { return static_cast<std::uint16_t>(r * columns + c + 1); };
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < columns; ++c) {
      TNodeObject& node = AppendObject<TNodeObject>(doc);
      node.Number = number(c, r);
      node.X = 2.0 * c;
      node.Y = 2.0 * r;
    }
  }
  std::uint16_t beams = 0, hosted = static_cast<std::uint16_t>(columns * rows);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < columns; ++c) {
      auto addBeam = [&](int c2, int r2) {
        TBeamObject& beam = AppendObject<TBeamObject>(doc);
        beam.Number = ++beams;
        beam.Node1 = number(c, r);
        beam.Node2 = number(c2, r2);
        beam.X1 = 2.0 * c;
        beam.Y1 = 2.0 * r;
        beam.X2 = 2.0 * c2;
        beam.Y2 = 2.0 * r2;
        return beam.Number;
      };
      if (c + 1 < columns) {
        const std::uint16_t beam = addBeam(c + 1, r);
        TNodeObject& onBeam = AppendObject<TNodeObject>(doc);
        onBeam.Number = ++hosted;
        onBeam.X = 2.0 * c + 1;
        onBeam.Y = 2.0 * r;
        onBeam.HostBeam = beam;
        onBeam.PositionOnBeam = 0.5;
        if (beam % 2 == 0) {
          TLoadObject& load = AppendObject<TLoadObject>(doc);
          load.HostBeam = beam;
          load.Node1 = number(c, r);
          load.Node2 = onBeam.Number;
        }
      }
      if (r + 1 < rows) addBeam(c, r + 1);
    }
  }
  return doc;
}

class NullHost : public EditorHost {
public:
  void Repaint() override {}
  void RepaintOverlay() override {}
  void RefreshToolButtons() override {}
  void RefreshStatusBar() override {}
  UserMessages& Messages() override { return messages_; }

private:
  SilentMessages messages_;
};

class NullView : public ChangeView {
public:
  void ShowChange() override {}
};

// 10 x 10 columns is about 400 objects, 25 x 25 about 2,800, 50 x 40 about 9,000,
// 160 x 160 about 115,000 (51,040 nodes, as many objects as the 200 x 200 frame).
void Sizes(benchmark::internal::Benchmark* b) {
  b->Args({10, 10})->Args({25, 25})->Args({50, 40})->Args({160, 160});
}

void BM_SnapNearABeam(benchmark::State& state) {
  const ModelDocument doc =
      GridFrame(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  TGridObject grid;
  double x = 0.3;
  for (auto _ : state) {
    benchmark::DoNotOptimize(Snap(doc, grid, {x, 2.04}, kSnapNodes | kSnapBeams, 0.055));
    x = x > 15 ? 0.3 : x + 0.37;
  }
  state.counters["objects"] = static_cast<double>(doc.GraphObjects.size());
}
BENCHMARK(BM_SnapNearABeam)->Apply(Sizes);

void BM_PickForSelectionOnEmptySpace(benchmark::State& state) {
  // Empty space is the slowest pick: every kind is tried in full.
  ModelDocument doc = GridFrame(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  for (auto _ : state)
    benchmark::DoNotOptimize(PickForSelection(doc, {1.3, 1.1}));
  state.counters["objects"] = static_cast<double>(doc.GraphObjects.size());
}
BENCHMARK(BM_PickForSelectionOnEmptySpace)->Apply(Sizes);

void BM_PointerMoveWhileDrawingABeam(benchmark::State& state) {
  ModelDocument doc = GridFrame(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  AppSettings settings;
  NullHost host;
  NullView view;
  DocumentChanges changes(doc, view);
  Editor editor(doc, settings, host, changes);
  editor.ResetView(1000, 800);
  editor.StartTool(CreateTool::Beam, true);
  editor.Press(PointerEvent{500, 400});
  editor.Release(PointerEvent{500, 400});
  int px = 100;
  for (auto _ : state) {
    editor.PointerMove(PointerEvent{px, 300});
    px = px > 900 ? 100 : px + 7;
  }
  state.counters["objects"] = static_cast<double>(doc.GraphObjects.size());
}
BENCHMARK(BM_PointerMoveWhileDrawingABeam)->Apply(Sizes);

void BM_MoveNodeCarryingTheNodesOnItsBeams(benchmark::State& state) {
  ModelDocument doc = GridFrame(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  SilentMessages messages;
  double y = 0;
  for (auto _ : state) {
    MoveNode(doc, 1, {0, y}, messages);
    y = y > 0.5 ? 0 : y + 0.01;
  }
  state.counters["objects"] = static_cast<double>(doc.GraphObjects.size());
}
BENCHMARK(BM_MoveNodeCarryingTheNodesOnItsBeams)->Apply(Sizes);

// Ten copies of the frame's rightmost column line, 2 m apart beside the frame,
// as the Linear array command places them: each copy is checked against every
// node of the model for joining. The frame is made afresh for each run.
void BM_ArrayOfAColumnLineBesideTheFrame(benchmark::State& state) {
  const int columns = static_cast<int>(state.range(0)), rows = static_cast<int>(state.range(1));
  constexpr int kCopies = 10;
  std::size_t objects = 0;
  for (auto _ : state) {
    state.PauseTiming();
    ModelDocument doc = GridFrame(columns, rows);
    for (TBeamObject& beam : ObjectsOf<TBeamObject>(doc))
      beam.Selected = beam.X1 == 2.0 * (columns - 1) && beam.X2 == beam.X1;
    state.ResumeTiming();
    const ModelPart part = SelectedPart(doc);
    for (int k = 1; k <= kCopies; ++k)
      benchmark::DoNotOptimize(PlacePart(doc, part, Translation({2.0 * k, 0})));
    objects = doc.GraphObjects.size();
  }
  state.counters["objects"] = static_cast<double>(objects);
}
BENCHMARK(BM_ArrayOfAColumnLineBesideTheFrame)
    ->Args({25, 25})
    ->Args({50, 40})
    ->Args({160, 160})
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace strandel
