// Hostile files read in bounded time and memory: a document of a hundred-megabyte
// line, a document of the shortest possible lines up to the entry limit and past
// it, a document with an absurd object count and a far-off key, and a language
// file and a report template of a million lines each. Each reports its time and
// the heap it needed at its peak, in bytes per byte of input.

#include <benchmark/benchmark.h>

#include "common/translation.h"
#include "heap_meter.h"
#include "model/document_file.h"
#include "reports/report.h"
#include "support/frame_models.h"
#include "support/temp_folder.h"

namespace strandel {
namespace {

void ReportHeap(benchmark::State& state, std::size_t inputBytes) {
  state.counters["input_MB"] = static_cast<double>(inputBytes) / 1e6;
  state.counters["heap_peak_MB"] = static_cast<double>(bench::HeapPeakBytes()) / 1e6;
  state.counters["heap_per_input_byte"] =
      static_cast<double>(bench::HeapPeakBytes()) / static_cast<double>(inputBytes);
}

void ReadDocument(benchmark::State& state, const std::string& text) {
  for (auto _ : state) {
    bench::ResetHeapPeak();
    ModelDocument doc;
    const ReadResult read = ReadDocumentText(text, doc);
    benchmark::DoNotOptimize(read.ok);
  }
  ReportHeap(state, text.size());
}

void BM_DocumentWithAHundredMegabyteLine(benchmark::State& state) {
  const std::string text = "[Model-Objects]\r\nGraphObjCount=1\r\nObject001=1;1;2;3;" +
                           std::string(100u * 1024u * 1024u, '7') + "\r\n";
  ReadDocument(state, text);
}
BENCHMARK(BM_DocumentWithAHundredMegabyteLine)->Unit(benchmark::kMillisecond)->Iterations(3);

// "k=" lines: three bytes each, the most entries a file of that size can hold.
void BM_DocumentOfTheShortestEntries(benchmark::State& state) {
  std::string text = "[Model-Objects]\r\n";
  for (long i = 0; i < state.range(0); ++i)
    text += "k=\n";
  ReadDocument(state, text);
}
BENCHMARK(BM_DocumentOfTheShortestEntries)
    ->Arg(100000)
    ->Arg(1000000)
    ->Arg(10000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

void BM_DocumentWithAFarKey(benchmark::State& state) {
  const std::string text = "[Model-Objects]\r\nGraphObjCount=2000000000\r\nObject001=1;1\r\n"
                           "Object1999999999=1;2\r\n";
  ReadDocument(state, text);
}
BENCHMARK(BM_DocumentWithAFarKey)->Unit(benchmark::kMicrosecond);

void BM_LanguageFileOfAMillionLines(benchmark::State& state) {
  testing::TempFolder folder;
  std::string text;
  for (int i = 0; i < 1000000; ++i)
    text += "Text " + std::to_string(i) + "\r\n";
  const std::string path = folder.Write("Huge.txt", text);
  for (auto _ : state) {
    bench::ResetHeapPeak();
    benchmark::DoNotOptimize(LoadLanguage(path));
  }
  ReportHeap(state, text.size());
  SetTranslations({});
}
BENCHMARK(BM_LanguageFileOfAMillionLines)->Unit(benchmark::kMillisecond)->Iterations(3);

// Plain, per-beam, per-support and faulty lines in turn on a frame of three beams
// and two supports: 1,750,000 report lines.
void BM_ReportOfAMillionTemplateLines(benchmark::State& state) {
  ModelDocument doc = testing::TriangleOnTwoSupports();
  const AppSettings settings;
  const ReportSources sources{doc, settings, "/models/", {"2024-05-06", "engineer", "3.1.4"}};
  const char* const kinds[] = {"Plain text of a line", "{4;R;BeamNo} {9;L;Beam_Length}",
                               "{4;R;Supp_No}", "{5;L;Foo}"};
  std::vector<std::string> lines;
  std::size_t bytes = 0;
  for (int i = 0; i < 1000000; ++i) {
    lines.emplace_back(kinds[i % 4]);
    bytes += lines.back().size() + 2;
  }
  std::size_t reportLines = 0;
  for (auto _ : state) {
    bench::ResetHeapPeak();
    reportLines = BuildReport(lines, sources).size();
  }
  state.counters["report_lines"] = static_cast<double>(reportLines);
  ReportHeap(state, bytes);
}
BENCHMARK(BM_ReportOfAMillionTemplateLines)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
} // namespace strandel
