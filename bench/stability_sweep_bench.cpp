// The verdict on stability over a large generated set: thousands of small
// frames of every kind (random_frames.h), each judged independently by the
// rank of its compatibility matrix, analysed, and its stable results checked
// for equilibrium and against a dense solve. Reports how many frames the
// analysis judged differently (must be 0) and the margins on both sides of its
// tolerance; the time is that of the whole check, judge and dense solve included.

#include <benchmark/benchmark.h>

#include <iostream>
#include <random>

#include "support/stability_check.h"

namespace strandel {
namespace {

void BM_StabilitySweep(benchmark::State& state) {
  testing::StabilityTally tally;
  for (auto _ : state) {
    tally = {};
    std::mt19937_64 random(static_cast<std::uint64_t>(state.range(1)));
    for (int i = 0; i < state.range(0); ++i) {
      testing::RandomFrame frame = testing::MakeRandomFrame(random);
      testing::CheckGeneratedFrame(frame, /*compareDense=*/i % 4 == 0, tally);
    }
  }
  std::cerr << testing::Summary(tally) << "\n";
  for (const std::string& disagreement : tally.Disagreements)
    std::cerr << "  " << disagreement << "\n";
  state.counters["frames"] = tally.Frames;
  state.counters["stable"] = tally.Stable;
  state.counters["moving"] = tally.Moving;
  state.counters["disagreements"] = static_cast<double>(tally.Disagreements.size());
  state.counters["standing_margin"] = tally.SmallestStableMargin;
  state.counters["moving_margin"] = tally.LargestMovingMargin;
  if (!tally.Disagreements.empty()) state.SkipWithError("the analysis and the judge disagree");
}
BENCHMARK(BM_StabilitySweep)
    ->Args({6000, 1})
    ->Args({6000, 2})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

} // namespace
} // namespace strandel
