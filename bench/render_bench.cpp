// Drawing speed: a full repaint of the model picture into a 1600 x 1000 image
// for rigid grid frames of 10 x 10, 25 x 25 and 50 x 50 fields (the largest: 2601
// nodes, 5100 beams, 2550 loads) with the utilisation colouring, the grid and
// the default labels on, without and with the displaced shape; the 50 x 50
// frame must repaint within 40 ms, the 200 x 200 frame (40,401 nodes) within
// 150 ms. Then the five generated kinds and the shipped
// standard structures at the same size (with the displaced shape), a beam sheet
// with all seven diagrams and a full report sheet at 150 pixels an inch.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <vector>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "analysis/beam_page.h"
#include "analysis/solver.h"
#include "common/files.h"
#include "generator/structures.h"
#include "heap_meter.h"
#include "model/document_file.h"
#include "model/object_text.h"
#include "render/beam_sheet_pages.h"
#include "render/model_picture.h"
#include "render/picture_files.h"
#include "render/pixel_mapping.h"
#include "render/report_sheet.h"
#include "support/frame_models.h"

namespace strandel {
namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 1000;

ModelDocument Frame(int fields) {
  // Storeys 3 m, bays 4 m, columns 0.3 x 0.3 m, girders 0.2 x 0.4 m, 10 kN/m.
  // Above 100 fields each girder is one beam with the nodes lying on it, as a
  // document's 65,535 beam numbers allow no more beams.
  const testing::Section column{0.3, 0.3, 2.1e11, 7850}, girder{0.2, 0.4, 2.1e11, 7850};
  return fields <= 100
             ? testing::GridFrame(fields, fields, 4, 3, 10000, column, girder)
             : testing::GridFrameOfContinuousGirders(fields, fields, 4, 3, 10000, column, girder);
}

void Repaint(benchmark::State& state, ModelDocument& doc, bool displacements) {
  if (!AnalyseModel(doc).Ok()) state.SkipWithError("analysis failed");
  doc.ShowUtilisation = true;
  doc.ShowDisplacements = displacements;
  const AppSettings settings; // beam numbers and directions shown
  TGridObject grid;
  grid.LengthFactor = 100;
  ModelPictureOptions options;
  options.Grid = &grid;
  const ViewState view = FittedView(doc, kWidth, kHeight);
  QImage image = BlankImage(kWidth, kHeight);
  bench::ResetHeapPeak();
  for (auto _ : state) {
    QPainter painter(&image);
    DrawModel(painter, doc, settings, view, options);
  }
  state.counters["peak_heap_MB"] = static_cast<double>(bench::HeapPeakBytes()) / 1e6;
  state.counters["objects"] = static_cast<double>(doc.GraphObjects.size());
}

void BM_RepaintGridFrame(benchmark::State& state) {
  ModelDocument doc = Frame(static_cast<int>(state.range(0)));
  Repaint(state, doc, state.range(1) != 0);
}
// Second argument: with the displaced shape too.
BENCHMARK(BM_RepaintGridFrame)
    ->ArgsProduct({{10, 25, 50, 200}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

// A shipped standard structure, read from the source tree's data folder.
void RepaintStructureFile(benchmark::State& state, const std::string& path) {
  ModelDocument doc;
  if (!LoadDocument(path, doc).ok) state.SkipWithError("cannot read the structure");
  Repaint(state, doc, true);
}

void RegisterStandardStructures(const FolderTree& tree) {
  for (const FolderEntry& file : tree.Files)
    benchmark::RegisterBenchmark(("BM_RepaintStandardStructure/" + file.Title).c_str(),
                                 RepaintStructureFile, file.Path)
        ->Unit(benchmark::kMillisecond);
  for (const FolderTree& folder : tree.Folders)
    RegisterStandardStructures(folder);
}

void BM_RepaintGeneratedStructure(benchmark::State& state) {
  const StructureKind kind = StructureKind(state.range(0));
  GeneratorParameters parameters;
  ApplyKindPreset(parameters, kind);
  // Solid steel 0.2 x 0.4 m, so the generated structure carries its load.
  TBeamObject beam;
  beam.MtrlName = "S355";
  beam.MtrlType = "STEEL";
  beam.Ftk = beam.Fck = beam.Fmk = 355e6;
  beam.Ek = 2.1e11;
  beam.Dens = 7850;
  beam.ProfName = "200x400";
  beam.ShapeNo = 1;
  beam.B = 0.2;
  beam.H = 0.4;
  ModelDocument doc;
  GenerateStructure(doc, parameters, WriteText(beam), DocumentSizes{});
  Repaint(state, doc, true);
}
BENCHMARK(BM_RepaintGeneratedStructure)
    ->DenseRange(0, kStructureKindCount - 1)
    ->Unit(benchmark::kMillisecond);

void BM_BeamSheetAllDiagrams(benchmark::State& state) {
  ModelDocument doc = testing::SimplySupportedBeam(6, 2000);
  if (!AnalyseModel(doc).Ok()) state.SkipWithError("analysis failed");
  doc.Settings.FBDBeamNo = 1;
  BeamPage page;
  const AppSettings settings;
  UpdateBeamPage(page, doc, settings);
  const double scale = 150 / 25.4;
  const int width = 1240, height = 1754;
  QImage image = BlankImage(width, height);
  const std::vector<BeamSheet> sheets = BeamSheets(page);
  for (auto _ : state) {
    QPainter painter(&image);
    for (const BeamSheet& sheet : sheets)
      PaintBeamSheet(painter, page, settings, sheet, scale, width, height, SheetSurround::Paper);
  }
  state.counters["sheets"] = static_cast<double>(sheets.size());
}
BENCHMARK(BM_BeamSheetAllDiagrams)->Unit(benchmark::kMillisecond);

void BM_ReportSheet(benchmark::State& state) {
  std::vector<std::string> lines;
  for (int i = 0; i < 62; ++i)
    lines.push_back(i % 10 == 0 ? "|Beam " + std::to_string(i) + "|  ~length~  ------------------"
                                : "   " + std::to_string(i) + "    2.50 [m]   12.3 [kg]   87 %");
  const ReportLayout layout = LayoutReport(lines);
  QImage image = BlankImage(1240, 1754);
  const ViewState page = PageView(150 / 25.4, 0, 0, 1240, 1754);
  for (auto _ : state) {
    QPainter painter(&image);
    DrawReportSheet(painter, lines, layout, 0, page, SheetSurround::Paper);
  }
}
BENCHMARK(BM_ReportSheet)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace strandel

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication application(argc, argv);
  strandel::RegisterStandardStructures(strandel::ListFolderTree(
      std::string(STRANDEL_SOURCE_DIR) + "/data/Structures/", "*.qsd", true));
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
