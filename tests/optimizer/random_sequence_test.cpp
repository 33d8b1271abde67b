// The optimizer's random numbers repeat the generator the program has always
// used, so a run started from a fresh program gives the same result.

#include "optimizer/random_sequence.h"

#include <gtest/gtest.h>

namespace strandel {
namespace {

TEST(RandomSequence, FirstValuesFromSeedZero) {
  // seed 1, 134775814, 3698175007 (= 134775814 x 134775813 + 1 mod 2^32), ...
  RandomSequence random;
  EXPECT_EQ(random.Next(), 1.0 / 4294967296.0);
  EXPECT_EQ(random.Seed(), 1u);
  EXPECT_EQ(random.Next(), 134775814.0 / 4294967296.0);
  EXPECT_EQ(random.Next(), 3698175007.0 / 4294967296.0);
  EXPECT_EQ(random.Seed(), 3698175007u);
  EXPECT_NEAR(random.Next(), 0.20258096512407064, 1e-17);
  EXPECT_NEAR(random.Next(), 0.2729212671983987, 1e-17);
}

TEST(RandomSequence, StaysWithinZeroAndOneAndWraps) {
  // Seed 2^32 - 1: (2^32 - 1) x 134775813 + 1 = 1 - 134775813 + 2^32 x ... mod 2^32.
  RandomSequence random(0xFFFFFFFFu);
  const double first = random.Next();
  EXPECT_EQ(random.Seed(), static_cast<std::uint32_t>(0u - 134775813u + 1u));
  EXPECT_GE(first, 0.0);
  for (int i = 0; i < 100000; ++i) {
    const double r = random.Next();
    ASSERT_GE(r, 0.0);
    ASSERT_LT(r, 1.0);
  }
}

} // namespace
} // namespace strandel
