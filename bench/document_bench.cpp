// Reading and writing a model document of 10,000 objects: a 50 x 40 grid frame
// with its beams, supports and loads. Both must stay well under 100 ms. Saving
// it into a folder of many other files, where the save looks for what killed
// saves of the same name left, and a cut-off copy read with its damage found.

#include <benchmark/benchmark.h>

#include <string>

#include "model/document_file.h"
#include "model/object_text.h"
#include "support/temp_folder.h"

namespace strandel {
namespace {

ModelDocument LargeDocument() {
  ModelDocument doc;
  const int columns = 50, rows = 40;
  auto nodeNumber = [&](int c, int r) { return static_cast<std::uint16_t>(r * columns + c + 1); };
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < columns; ++c) {
      TNodeObject& node = AppendObject<TNodeObject>(doc);
      node.Number = nodeNumber(c, r);
      node.X = c * 4.25;
      node.Y = r * 3.125;
    }
  }
  std::uint16_t beamNumber = 0;
  auto addBeam = [&](std::uint16_t a, std::uint16_t b) {
    TBeamObject& beam = AppendBeamFromTemplate(doc, "");
    beam.Number = ++beamNumber;
    beam.Node1 = a;
    beam.Node2 = b;
    beam.MtrlDesc = "Structural steel\r\nEN 10025-2";
  };
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < columns; ++c) {
      if (c + 1 < columns) addBeam(nodeNumber(c, r), nodeNumber(c + 1, r));
      if (r + 1 < rows) addBeam(nodeNumber(c, r), nodeNumber(c, r + 1));
    }
  }
  std::uint16_t loadNumber = 0;
  while (doc.GraphObjects.size() < 10000) {
    TLoadObject& load = AppendObject<TLoadObject>(doc);
    load.Number = ++loadNumber;
    load.HostBeam = loadNumber;
    load.Value = 2500;
    load.Angle = -1.5707963267948966;
  }
  return doc;
}

void BM_WriteDocument10000(benchmark::State& state) {
  const ModelDocument doc = LargeDocument();
  std::size_t bytes = 0;
  for (auto _ : state) {
    const std::string text = WriteDocumentText(doc);
    bytes = text.size();
    benchmark::DoNotOptimize(text.data());
  }
  state.counters["objects"] = static_cast<double>(doc.GraphObjects.size());
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_WriteDocument10000)->Unit(benchmark::kMillisecond);

void BM_ReadDocument10000(benchmark::State& state) {
  const std::string text = WriteDocumentText(LargeDocument());
  for (auto _ : state) {
    ModelDocument doc;
    const ReadResult result = ReadDocumentText(text, doc);
    if (!result.ok || doc.GraphObjects.size() != 10000) state.SkipWithError("read failed");
    benchmark::DoNotOptimize(doc.GraphObjects.data());
  }
}
BENCHMARK(BM_ReadDocument10000)->Unit(benchmark::kMillisecond);

void BM_ReadCutOffDocument10000(benchmark::State& state) {
  const std::string whole = WriteDocumentText(LargeDocument());
  const std::string text = whole.substr(0, whole.size() / 2);
  for (auto _ : state) {
    ModelDocument doc;
    const DocumentReadResult result = ReadDocumentText(text, doc);
    if (!result.ok || result.damage.empty()) state.SkipWithError("no damage found");
    benchmark::DoNotOptimize(doc.GraphObjects.data());
  }
}
BENCHMARK(BM_ReadCutOffDocument10000)->Unit(benchmark::kMillisecond);

// Arg: the other files in the folder (the save lists them all), and three
// temporary files of killed saves each round, which the save removes.
void BM_SaveDocument10000AmongOtherFiles(benchmark::State& state) {
  ModelDocument doc = LargeDocument();
  testing::TempFolder folder;
  for (long i = 0; i < state.range(0); ++i)
    folder.Write("model-" + std::to_string(i) + ".qsd", "x");
  const std::string path = folder.File("large.qsd");
  for (auto _ : state) {
    state.PauseTiming();
    for (const char* left :
         {".large.qsd.tmpAAAAAA", ".large.qsd.tmpBBBBBB", ".large.qsd.tmpCCCCCC"})
      folder.Write(left, "a killed save's first bytes");
    state.ResumeTiming();
    const WriteResult saved = SaveDocument(doc, path);
    if (!saved.ok) state.SkipWithError(saved.message.c_str());
  }
}
BENCHMARK(BM_SaveDocument10000AmongOtherFiles)->Arg(0)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace strandel
