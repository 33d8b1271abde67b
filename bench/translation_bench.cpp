// Choosing a language reloads the whole translation list and then every caption of
// the window and the open dialog asks for its text again; both must be far below
// what a user could notice (a few milliseconds for the whole window).

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "common/text_entries.h"
#include "common/translation.h"

namespace strandel {
namespace {

// The shipped Swedish file, found beside this source in the repository.
std::string SwedishFile() {
  const std::string source = __FILE__;
  return source.substr(0, source.rfind("/bench/")) + "/data/Languages/Svenska.txt";
}

void LoadSwedish(benchmark::State& state) {
  const std::string path = SwedishFile();
  for (auto _ : state) {
    if (!LoadLanguage(path)) {
      state.SkipWithError("Svenska.txt not found");
      break;
    }
    benchmark::DoNotOptimize(TranslationCount());
  }
}
BENCHMARK(LoadSwedish)->Unit(benchmark::kMicrosecond);

// Every entry once: what applying all texts of the program costs at most.
void TranslateEveryEntry(benchmark::State& state) {
  LoadLanguage(SwedishFile());
  for (auto _ : state) {
    std::size_t characters = 0;
    for (int entry = 0; entry <= tr::kLastEntry; ++entry)
      characters += Translated(entry).size();
    benchmark::DoNotOptimize(characters);
  }
  state.SetItemsProcessed(state.iterations() * (tr::kLastEntry + 1));
}
BENCHMARK(TranslateEveryEntry)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace strandel
