// The autosave's pause on the window's thread: one recovery copy of a large
// model (a 40 x 40 grid frame, about 4,700 objects) written with its note, each
// synced to disk, and the look through a folder of copies at start. A copy
// must stay well under the 100 ms a user would notice as a stutter.

#include <benchmark/benchmark.h>

#include "model/document_file.h"
#include "model/object_text.h"
#include "model/recovery.h"
#include "support/frame_models.h"
#include "support/temp_folder.h"

namespace strandel {
namespace {

ModelDocument GridFrame(int side) {
  ModelDocument doc;
  auto number = [side](int c, int r) { return r * side + c + 1; };
  for (int r = 0; r < side; ++r)
    for (int c = 0; c < side; ++c)
      testing::AddNode(doc, number(c, r), c * 3.0, r * 3.0);
  int beam = 0;
  for (int r = 0; r < side; ++r) {
    for (int c = 0; c < side; ++c) {
      if (c + 1 < side) testing::AddBeam(doc, ++beam, number(c, r), number(c + 1, r));
      if (r + 1 < side) testing::AddBeam(doc, ++beam, number(c, r), number(c, r + 1));
    }
  }
  for (int c = 0; c < side; ++c)
    testing::AddSupport(doc, c + 1, number(c, 0));
  doc.Modified = true;
  return doc;
}

void BM_WriteRecoveryCopy(benchmark::State& state) {
  const ModelDocument doc = GridFrame(40);
  testing::TempFolder folder;
  const std::string copy = RecoveryCopyPath(folder.File("state"), folder.File("grid.qsd"), "1-1");
  for (auto _ : state) {
    const WriteResult written = WriteRecoveryCopy(doc, folder.File("grid.qsd"), copy);
    if (!written.ok) state.SkipWithError(written.message.c_str());
  }
  state.counters["objects"] = static_cast<double>(doc.GraphObjects.size());
  state.counters["bytes"] = static_cast<double>(WriteDocumentText(doc).size());
}
BENCHMARK(BM_WriteRecoveryCopy)->Unit(benchmark::kMillisecond);

void BM_FindRecoveryCopies(benchmark::State& state) {
  const ModelDocument doc = GridFrame(10);
  testing::TempFolder folder;
  const auto count = static_cast<int>(state.range(0));
  for (int i = 0; i < count; ++i) {
    const std::string name = folder.File("model" + std::to_string(i) + ".qsd");
    WriteRecoveryCopy(doc, name, RecoveryCopyPath(folder.File("state"), name, "1-1"));
  }
  for (auto _ : state) {
    const std::vector<RecoveryCopy> found = FindRecoveryCopies(folder.File("state/"));
    if (static_cast<int>(found.size()) != count) state.SkipWithError("copies lost");
  }
}
BENCHMARK(BM_FindRecoveryCopies)->Arg(20)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace strandel
