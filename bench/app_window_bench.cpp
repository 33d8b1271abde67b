// The desktop program's work as a user feels it, offscreen: opening a large
// frame (window, view reset, first picture), a pointer move on it while a node
// is being placed (editor, cursor cross and status bar, the picture reused),
// and the change to the Analysis page (analysis, beam page, sheet). A pointer
// move should stay far below the 16 ms of a screen frame at any model size.
// The heap counter sees the program's C++ allocations, not Qt's pictures.

#include <benchmark/benchmark.h>

#include <QImage>

#include "app/analysis_page.h"
#include "app/app_environment.h"
#include "app/main_window.h"
#include "app/model_page.h"
#include "app/model_view.h"
#include "app/page_control.h"
#include "app/qt_output_dialogs.h"
#include "app/sheet_area.h"
#include "heap_meter.h"
#include "model/document_file.h"
#include "offscreen_app.h"
#include "support/frame_models.h"
#include "support/temp_folder.h"

namespace strandel {
namespace {

// A frame of n x n fields on fixed bases with loaded floors, saved as a model file.
struct FrameFile {
  explicit FrameFile(int fields) {
    ModelDocument doc = testing::GridFrame(fields, fields, 4, 3, 5000);
    Path = Folder.File("frame.qsd");
    SaveDocument(doc, Path);
    Environment.DataFolder = Folder.Path();
    Environment.SettingsPath = Folder.File("Strandel.ini");
    Folder.Write("Strandel.ini", "[Default-Settings]\r\nLanguage=English\r\n");
  }
  testing::TempFolder Folder;
  std::string Path;
  AppEnvironment Environment;
};

void BM_OpenLargeFrame(benchmark::State& state) {
  OffscreenApplication();
  FrameFile file(static_cast<int>(state.range(0)));
  SilentMessages messages;
  NoFileDialogs dialogs;
  std::size_t peak = 0;
  for (auto _ : state) {
    bench::ResetHeapPeak();
    QtOutputDialogs output;
    MainWindow window(file.Environment, messages, dialogs, output, file.Path);
    window.resize(1024, 720);
    window.show();
    const QImage picture = window.Model()->View()->Snapshot();
    benchmark::DoNotOptimize(picture.constBits());
    peak = std::max(peak, bench::HeapPeakBytes());
    window.Document().Modified = false;
    window.close();
  }
  state.counters["objects"] =
      static_cast<double>(testing::GridFrame(static_cast<int>(state.range(0)),
                                             static_cast<int>(state.range(0)), 4, 3, 5000)
                              .GraphObjects.size());
  state.counters["peak_heap_MB"] = static_cast<double>(peak) / 1e6;
}
BENCHMARK(BM_OpenLargeFrame)->Arg(5)->Arg(20)->Arg(40)->Unit(benchmark::kMillisecond);

void BM_PointerMoveWhilePlacingANode(benchmark::State& state) {
  OffscreenApplication();
  FrameFile file(static_cast<int>(state.range(0)));
  SilentMessages messages;
  NoFileDialogs dialogs;
  QtOutputDialogs output;
  MainWindow window(file.Environment, messages, dialogs, output, file.Path);
  window.resize(1024, 720);
  window.show();
  ModelView* view = window.Model()->View();
  Editor& editor = window.Model()->ModelEditor();
  editor.StartTool(CreateTool::Node, true);
  view->Snapshot();
  int step = 0;
  for (auto _ : state) {
    PointerEvent move;
    move.X = 100 + (step % 400);
    move.Y = 100 + (step / 400) % 300;
    ++step;
    editor.PointerMove(move);
    const QImage shown = view->Snapshot();
    benchmark::DoNotOptimize(shown.constBits());
  }
  editor.CancelOperation();
  window.Document().Modified = false;
}
BENCHMARK(BM_PointerMoveWhilePlacingANode)->Arg(5)->Arg(40)->Unit(benchmark::kMicrosecond);

void BM_ChangeToTheAnalysisPage(benchmark::State& state) {
  OffscreenApplication();
  FrameFile file(static_cast<int>(state.range(0)));
  SilentMessages messages;
  NoFileDialogs dialogs;
  QtOutputDialogs output;
  MainWindow window(file.Environment, messages, dialogs, output, file.Path);
  window.resize(1024, 720);
  window.show();
  for (auto _ : state) {
    InvalidateResults(window.Document());
    window.Pages()->Choose(kAnalysisPage);
    const QImage sheet = window.Analysis()->Sheet()->Snapshot();
    benchmark::DoNotOptimize(sheet.constBits());
    state.PauseTiming();
    window.Pages()->Choose(kModelPage);
    state.ResumeTiming();
  }
  window.Document().Modified = false;
}
BENCHMARK(BM_ChangeToTheAnalysisPage)->Arg(5)->Arg(20)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace strandel
