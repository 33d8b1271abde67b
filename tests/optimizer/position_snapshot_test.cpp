// A snapshot of where everything stands gives the model back bit for bit.

#include "optimizer/position_snapshot.h"

#include <gtest/gtest.h>

#include "common/user_message.h"
#include "model/node_move.h"
#include "optimizer_fixture.h"

namespace strandel {
namespace {

TEST(PositionSnapshot, RefusesAModelOfOtherObjects) {
  ModelDocument doc = testing::TrussGirder();
  PositionSnapshot snapshot;
  EXPECT_FALSE(snapshot.Restore(doc)); // nothing captured
  snapshot.Capture(doc);
  AppendObject<TNodeObject>(doc).X = 5;
  const std::vector<double> grown = testing::AllCoordinates(doc);
  EXPECT_FALSE(snapshot.Restore(doc));
  EXPECT_EQ(testing::AllCoordinates(doc), grown);

  ModelDocument other = testing::TrussGirder();
  snapshot.Capture(other);
  std::swap(other.GraphObjects[0], other.GraphObjects.back()); // same count, other kinds
  const std::vector<double> swapped = testing::AllCoordinates(other);
  EXPECT_FALSE(snapshot.Restore(other));
  EXPECT_EQ(testing::AllCoordinates(other), swapped);
}

} // namespace
} // namespace strandel
