// Work shared out among the cores: every item done once, in ordered parts, and
// a failure in any part reported to the caller.

#include "common/parallel.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace strandel {
namespace {

TEST(ParallelFor, EveryItemOnceInContiguousOrderedParts) {
  const std::size_t cores = std::max(1u, std::thread::hardware_concurrency());
  for (const auto& [count, minPerPart] : std::vector<std::pair<std::size_t, std::size_t>>{
           {0, 1}, {1, 1}, {7, 1}, {1000, 1}, {1000, 400}, {1000, 5000}, {1000, 0}}) {
    const std::size_t parts = ParallelParts(count, minPerPart);
    EXPECT_GE(parts, 1u);
    EXPECT_LE(parts, cores);
    if (minPerPart > 0 && parts > 1) {
      EXPECT_GE(count / parts, minPerPart);
    }
    std::vector<std::atomic<int>> done(count);
    std::vector<std::pair<std::size_t, std::size_t>> ranges(parts, {1, 0});
    std::mutex guard;
    ParallelFor(count, minPerPart, [&](std::size_t part, std::size_t from, std::size_t to) {
      for (std::size_t i = from; i < to; ++i)
        ++done[i];
      const std::lock_guard lock(guard);
      ranges.at(part) = {from, to};
    });
    for (std::size_t i = 0; i < count; ++i)
      EXPECT_EQ(done[i], 1) << "item " << i << " of " << count;
    EXPECT_EQ(ranges.front().first, 0u);
    EXPECT_EQ(ranges.back().second, count);
    for (std::size_t part = 1; part < parts; ++part)
      EXPECT_EQ(ranges[part].first, ranges[part - 1].second);
  }
}

TEST(ParallelFor, AFailureInAnyPartReachesTheCallerAfterAllHaveEnded) {
  std::atomic<std::size_t> ended = 0;
  const std::size_t parts = ParallelParts(100, 1);
  for (std::size_t failing = 0; failing < parts; ++failing) {
    ended = 0;
    EXPECT_THROW(ParallelFor(100, 1,
                             [&](std::size_t part, std::size_t, std::size_t) {
                               ++ended;
                               if (part == failing) throw std::runtime_error("part failed");
                             }),
                 std::runtime_error);
    EXPECT_EQ(ended, parts);
  }
}

} // namespace
} // namespace strandel
