// Undo and redo on the 10,180-object model: each must take at most 5 ms for one
// step (a node dragged with the frame it carries, a beam deleted, everything
// moved), recording a step stays well below what a user notices, and the
// history of a hundred steps stays within its 64 MB.

#include <benchmark/benchmark.h>

#include "common/text_entries.h"
#include "common/user_message.h"
#include "editor/edit_commands.h"
#include "heap_meter.h"
#include "model/document_history.h"
#include "model/node_move.h"
#include "support/frame_models.h"
#include "support/large_frame.h"

namespace strandel {
namespace {

using testing::GridNode;
using testing::LargeFrame;

// A corner in the middle of the frame: four beam ends, a load end, moved together.
void DragCorner(ModelDocument& doc, double dx) {
  SilentMessages messages;
  const long node = GridNode(58, 29, 21);
  const TNodeObject* at = FindNode(doc, node);
  MoveNode(doc, node, {at->X + dx, at->Y}, messages);
}

void DeleteOneBeam(ModelDocument& doc) {
  // A column in the middle of the list, which no node lies on.
  FindBeam(doc, 2500)->Selected = true;
  DeleteSelected(doc);
}

void MoveEverything(ModelDocument& doc) {
  MoveAllObjects(doc, {0.5, 0.25});
}

// Times Undo (or Redo) alone: the other half of each round is untimed.
void UndoRedo(benchmark::State& state, void (*change)(ModelDocument&), bool timeUndo,
              ModelDocument doc = LargeFrame()) {
  DocumentHistory history;
  history.Start(doc);
  change(doc);
  history.Record(doc, tr::kStepChange);
  for (auto _ : state) {
    if (!timeUndo) state.PauseTiming();
    if (history.Undo(doc) != HistoryMove::Done) state.SkipWithError("undo failed");
    if (timeUndo)
      state.PauseTiming();
    else
      state.ResumeTiming();
    if (history.Redo(doc) != HistoryMove::Done) state.SkipWithError("redo failed");
    if (timeUndo) state.ResumeTiming();
  }
  state.counters["objects"] = static_cast<double>(doc.GraphObjects.size());
}

void BM_UndoDragCorner(benchmark::State& s) {
  UndoRedo(
      s, [](ModelDocument& d) { DragCorner(d, 0.75); }, true);
}
void BM_RedoDragCorner(benchmark::State& s) {
  UndoRedo(
      s, [](ModelDocument& d) { DragCorner(d, 0.75); }, false);
}
void BM_UndoDeleteBeam(benchmark::State& s) {
  UndoRedo(s, DeleteOneBeam, true);
}
void BM_RedoDeleteBeam(benchmark::State& s) {
  UndoRedo(s, DeleteOneBeam, false);
}
void BM_UndoMoveEverything(benchmark::State& s) {
  UndoRedo(s, MoveEverything, true);
}
void BM_RedoMoveEverything(benchmark::State& s) {
  UndoRedo(s, MoveEverything, false);
}
// Everything moved in frames of 50 x 50 to 200 x 200 fields (5,102 to 81,202
// objects, each girder one beam with the nodes on it): a step costs in
// proportion to what it changes, nothing grows with its square.
void BM_UndoMoveEverythingOfAFrame(benchmark::State& s) {
  const int fields = static_cast<int>(s.range(0));
  UndoRedo(s, MoveEverything, true,
           testing::GridFrameOfContinuousGirders(fields, fields, 4, 3, 10000));
}
BENCHMARK(BM_UndoMoveEverythingOfAFrame)
    ->Arg(50)
    ->Arg(100)
    ->Arg(200)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoDragCorner)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedoDragCorner)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoDeleteBeam)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedoDeleteBeam)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoMoveEverything)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedoMoveEverything)->Unit(benchmark::kMillisecond);

// Recording the step a finished drag makes: the whole model compared with the
// copy the history keeps.
void BM_RecordDragCorner(benchmark::State& state) {
  ModelDocument doc = LargeFrame();
  DocumentHistory history;
  history.Start(doc);
  double dx = 0.01;
  for (auto _ : state) {
    state.PauseTiming();
    DragCorner(doc, dx);
    dx = -dx;
    state.ResumeTiming();
    history.Record(doc, tr::kStepMoveNode);
  }
}
BENCHMARK(BM_RecordDragCorner)->Unit(benchmark::kMillisecond);

// The memory a full history holds: a hundred drags, or as many moves of
// everything as fit.
void HistoryMemory(benchmark::State& state, void (*change)(ModelDocument&)) {
  for (auto _ : state) {
    state.PauseTiming();
    ModelDocument doc = LargeFrame();
    state.ResumeTiming();
    bench::ResetHeapPeak();
    DocumentHistory history;
    history.Start(doc);
    for (int k = 0; k < 100; ++k) {
      change(doc);
      history.Record(doc, tr::kStepChange);
    }
    state.counters["steps"] = static_cast<double>(history.UndoCount());
    state.counters["history_MB"] = static_cast<double>(history.MemoryBytes()) / (1 << 20);
    state.counters["heap_peak_MB"] = static_cast<double>(bench::HeapPeakBytes()) / (1 << 20);
  }
}
void BM_HistoryOfHundredDrags(benchmark::State& s) {
  HistoryMemory(s, [](ModelDocument& d) { DragCorner(d, 0.01); });
}
void BM_HistoryOfMovesOfEverything(benchmark::State& s) {
  HistoryMemory(s, MoveEverything);
}
BENCHMARK(BM_HistoryOfHundredDrags)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_HistoryOfMovesOfEverything)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
} // namespace strandel
