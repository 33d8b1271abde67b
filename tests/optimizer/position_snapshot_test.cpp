// A snapshot of where everything stands gives the model back bit for bit.

#include "optimizer/position_snapshot.h"

#include <gtest/gtest.h>

#include "common/user_message.h"
#include "model/node_move.h"
#include "optimizer_fixture.h"

namespace strandel {
namespace {

TEST(PositionSnapshot, RestoresEveryCoordinateExactly) {
  ModelDocument doc = testing::TrussGirder();
  const std::vector<double> before = testing::AllCoordinates(doc);
  PositionSnapshot snapshot;
  EXPECT_TRUE(snapshot.Empty());
  snapshot.Capture(doc);
  SilentMessages messages;
  // Moves that leave rounding behind: a node on the chord and its carried nodes.
  ASSERT_TRUE(MoveNode(doc, 9, {3.1, 0.1}, messages));
  ASSERT_TRUE(MoveNode(doc, 6, {0.3, 1.3}, messages));
  FindNode(doc, 5)->PositionOnBeam = 0.4;
  ASSERT_TRUE(MoveNode(doc, 9, {3, 0}, messages));
  ASSERT_NE(testing::AllCoordinates(doc), before);
  EXPECT_TRUE(snapshot.Restore(doc));
  EXPECT_EQ(testing::AllCoordinates(doc), before);
}

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
