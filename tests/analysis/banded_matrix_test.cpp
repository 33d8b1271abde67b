// The envelope storage of the stability verdict's factor keeps fill-in inside
// and refuses an entry outside it.

#include "analysis/banded_matrix.h"

#include <stdexcept>

#include <gtest/gtest.h>

#include "common/assert.h"

namespace strandel {
namespace {

TEST(BandedMatrix, RowsReachAsFarAsTheColumnsAboveThem) {
  // Row 3 starts at column 0, so rows 0..2 must reach column 3; row 4 starts at 4.
  const BandedMatrix a({0, 0, 1, 0, 4});
  EXPECT_EQ(a.Last(0), 3);
  EXPECT_EQ(a.Last(1), 3);
  EXPECT_EQ(a.Last(2), 3);
  EXPECT_EQ(a.Last(3), 3);
  EXPECT_EQ(a.Last(4), 4);
  EXPECT_EQ(a.StoredEntries(), 4u + 4 + 3 + 4 + 1);
  EXPECT_EQ(a.Value(4, 0), 0.0);
}

[[noreturn]] void ThrowingHandler(const char*, const char* message, const char*, int) {
  throw std::logic_error(message);
}

TEST(BandedMatrix, NeverWritesOutsideItsBand) {
  const AssertHandler previous = SetAssertHandler(&ThrowingHandler);
  BandedMatrix a({0, 1, 1});
  EXPECT_NO_THROW(a.At(2, 1));
  EXPECT_THROW(a.At(2, 0), std::logic_error);
  EXPECT_THROW(a.At(0, 3), std::logic_error);
  SetAssertHandler(previous);
}

} // namespace
} // namespace strandel
