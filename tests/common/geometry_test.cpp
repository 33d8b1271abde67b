#include "common/geometry.h"

#include <cmath>

#include <gtest/gtest.h>

namespace strandel {
namespace {

TEST(SignedAngle, CounterClockwisePositiveOppositeIsPi) {
  EXPECT_NEAR(SignedAngle(1, 0, 0, 1), kPi / 2, 1e-15);
  EXPECT_NEAR(SignedAngle(1, 0, 0, -1), -kPi / 2, 1e-15);
  EXPECT_EQ(SignedAngle(1, 0, -1, 0), kPi);
  EXPECT_EQ(SignedAngle(0, 1, 0, -1), kPi);
  EXPECT_NEAR(SignedAngle(1, 1, 1, 1), 0, 1e-7);
  EXPECT_NEAR(SignedAngle(1, 0, 1, std::sqrt(3.0)), kPi / 3, 1e-12);
  EXPECT_NEAR(SignedAngle(0, 1, 1, 0), -kPi / 2, 1e-15); // from up to right is clockwise
}

TEST(ArcCosSafe, ArcCosineWithTheOriginalEnds) {
  EXPECT_NEAR(ArcCosSafe(0), kPi / 2, 1e-15);
  EXPECT_NEAR(ArcCosSafe(0.5), kPi / 3, 1e-12);
  EXPECT_NEAR(ArcCosSafe(-0.5), 2 * kPi / 3, 1e-12);
  EXPECT_EQ(ArcCosSafe(1), 0);
  EXPECT_EQ(ArcCosSafe(-1), 0); // the root is zero there
}

TEST(Segments, ParameterNearestPointAndCrossing) {
  // t is measured from b towards a.
  EXPECT_DOUBLE_EQ(SegmentParameter(1, 5, 4, 0, 0, 0), 0.25);
  EXPECT_EQ(SegmentParameter(-3, 0, 4, 0, 0, 0), 0);
  EXPECT_EQ(SegmentParameter(9, 0, 4, 0, 0, 0), 1);
  EXPECT_EQ(SegmentParameter(1, 1, 2, 2, 2, 2), 0); // no length: no division by zero
  EXPECT_EQ(NearestPointOnSegment(1, 5, 4, 0, 0, 0), (Point2{1, 0}));
  double s = -1, t = -1;
  ASSERT_TRUE(SegmentsIntersect({0, 0}, {4, 0}, {1, -1}, {1, 3}, s, t));
  EXPECT_DOUBLE_EQ(s, 0.25);
  EXPECT_DOUBLE_EQ(t, 0.25);
  EXPECT_FALSE(SegmentsIntersect({0, 0}, {4, 0}, {5, -1}, {5, 1}, s, t));
  EXPECT_FALSE(SegmentsIntersect({0, 0}, {4, 0}, {0, 1}, {4, 1}, s, t)); // parallel
  EXPECT_TRUE(SegmentsIntersect({0, 0}, {4, 0}, {4, 0}, {4, 2}, s, t));  // touching ends
}

} // namespace
} // namespace strandel
