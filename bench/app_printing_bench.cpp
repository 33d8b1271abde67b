// Printing as the user waits for it, on a printer that writes a PDF file at
// the printer's full resolution: the model of a large frame fitted to the page,
// and a long report on its A4 sheets. The counters give the printed file's size.

#include <benchmark/benchmark.h>

#include <QPrinter>
#include <filesystem>

#include "app/print_jobs.h"
#include "model/app_settings.h"
#include "offscreen_app.h"
#include "support/frame_models.h"
#include "support/temp_folder.h"

namespace strandel {
namespace {

struct PdfPrinter {
  PdfPrinter() {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(Path));
    printer.setPageSize(QPageSize(QPageSize::A4));
  }
  double Kilobytes() const { return static_cast<double>(std::filesystem::file_size(Path)) / 1024; }

  testing::TempFolder Folder;
  std::string Path = Folder.File("out.pdf");
  QPrinter printer{QPrinter::HighResolution};
};

void BM_PrintLargeFrameModel(benchmark::State& state) {
  OffscreenApplication();
  const int fields = static_cast<int>(state.range(0));
  const ModelDocument doc = testing::GridFrame(fields, fields, 4, 3, 5000);
  const AppSettings settings;
  PdfPrinter pdf;
  for (auto _ : state) {
    const PrintOutcome outcome =
        PrintModel(pdf.printer, "frame", doc, settings, TitleFor("frame.qsd"));
    if (!outcome.ok) state.SkipWithError(outcome.message.c_str());
  }
  state.counters["objects"] = static_cast<double>(doc.GraphObjects.size());
  state.counters["pdf_kB"] = pdf.Kilobytes();
}
BENCHMARK(BM_PrintLargeFrameModel)->Arg(5)->Arg(20)->Unit(benchmark::kMillisecond);

void BM_PrintLongReport(benchmark::State& state) {
  OffscreenApplication();
  std::vector<std::string> lines;
  for (int i = 0; i < state.range(0); ++i)
    lines.push_back("  " + std::to_string(i + 1) + "   WOOD 10x10   K12   300   2.34   97.5");
  PdfPrinter pdf;
  int pages = 0;
  for (auto _ : state) {
    const PrintOutcome outcome = PrintReport(pdf.printer, "report", lines, TitleFor("frame.qsd"));
    if (!outcome.ok) state.SkipWithError(outcome.message.c_str());
    pages = outcome.Pages;
  }
  state.counters["pages"] = pages;
  state.counters["pdf_kB"] = pdf.Kilobytes();
}
BENCHMARK(BM_PrintLongReport)->Arg(60)->Arg(600)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace strandel
