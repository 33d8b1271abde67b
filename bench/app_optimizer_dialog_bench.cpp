// One tick of the optimizer dialog's run as the window does it, offscreen: the
// step (a trial point applied and the frame analysed) and the model view drawn
// again. Between two ticks of the 5 ms timer the window takes clicks and paints;
// for the window to stay responsive a tick must stay well below a screen frame
// (16 ms) at the sizes users optimise.

#include <benchmark/benchmark.h>

#include <QImage>
#include <algorithm>

#include "app/app_environment.h"
#include "app/main_window.h"
#include "app/model_page.h"
#include "app/model_view.h"
#include "app/optimizer_dialog.h"
#include "app/qt_output_dialogs.h"
#include "model/document_file.h"
#include "offscreen_app.h"
#include "support/frame_models.h"
#include "support/temp_folder.h"

namespace strandel {
namespace {

// A frame of n x n fields on fixed bases with loaded floors, in a window, and
// the optimizer dialog on it with the sideways position of every upper node
// chosen (at most 20 of them).
void BM_OptimizerTickWithRepaint(benchmark::State& state) {
  OffscreenApplication();
  const int fields = static_cast<int>(state.range(0));
  testing::TempFolder folder;
  const std::string path = folder.File("frame.qsd");
  ModelDocument frame = testing::GridFrame(fields, fields, 4, 3, 5000);
  SaveDocument(frame, path);
  folder.Write("Strandel.ini", "[Default-Settings]\r\nLanguage=English\r\n");
  AppEnvironment environment;
  environment.DataFolder = folder.Path();
  environment.SettingsPath = folder.File("Strandel.ini");
  SilentMessages messages;
  NoFileDialogs files;
  QtOutputDialogs output;
  MainWindow window(environment, messages, files, output, path);
  window.resize(1024, 720);
  window.show();
  ModelView* view = window.Model()->View();
  ParameterTable parameters;
  RandomSequence random;
  const DialogContext context{&window,
                              window.Document(),
                              window.Settings(),
                              messages,
                              environment.DataFolder,
                              parameters,
                              random,
                              [&window] { window.Model()->Repaint(); },
                              {}};
  TfOptimizer dialog(context);
  dialog.Prepare();
  int chosen = 0;
  for (const TVarItem& variable : dialog.Run().Variables()) {
    if (chosen == 20) break;
    if (variable.Kind() != 'X' || variable.HighBound <= variable.LowBound) continue;
    dialog.Run().SelectByDoubleClick(variable.Name);
    ++chosen;
  }
  for (auto _ : state) {
    if (dialog.Run().Idle()) dialog.Run().Start();
    dialog.IterationTick();
    const QImage shown = view->Snapshot();
    benchmark::DoNotOptimize(shown.constBits());
  }
  dialog.Run().Stop();
  state.counters["variables"] = chosen;
  state.counters["objects"] = static_cast<double>(window.Document().GraphObjects.size());
  window.Document().Modified = false;
}
BENCHMARK(BM_OptimizerTickWithRepaint)->Arg(3)->Arg(6)->Arg(10)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace strandel
