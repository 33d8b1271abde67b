// Equal and Mirror variables take their values from the variables they follow,
// in chains too; a variable with nothing defined to follow is found out.

#include "optimizer/dependents.h"

#include <gtest/gtest.h>

namespace strandel {
namespace {

struct Given {
  const char* Name;
  int Type;
  const char* Assoc;
};

// Variables standing alone (no model): the names and constraints only.
struct Variables {
  explicit Variables(std::initializer_list<Given> given) {
    for (const Given& s : given) {
      TVarItem item;
      item.Name = s.Name;
      item.ConstrainType = s.Type;
      item.AssocName = s.Assoc;
      item.InOptimize = true;
      list.push_back(item);
    }
    selection = SelectedVariables(list);
  }
  Variables(const Variables&) = delete; // the selection points into the list
  VariableList list;
  Selection selection;
};

TVector Point(std::initializer_list<double> values) {
  TVector v;
  AllocVector(v, static_cast<int>(values.size()) - 1);
  int i = 0;
  for (double x : values)
    v[i++] = x;
  return v;
}

TEST(EnforceDependents, EqualAndMirrorOfCoordinatesAndPositions) {
  Variables v({{"N001.X", kConstrainInterval, ""},
               {"N002.X", kConstrainMirror, "N001.X"},
               {"N003.X", kConstrainEqual, "N001.X"},
               {"N004.P", kConstrainInterval, ""},
               {"N005.P", kConstrainMirror, "N004.P"},
               {"N006.P", kConstrainEqual, "N004.P"}});
  const DependentPlan plan = PlanDependents(v.selection);
  ASSERT_TRUE(plan.Ok()) << plan.Problem;
  TVector point = Point({1.25, 99, 99, 0.3, 99, 99});
  EnforceDependents(plan, point);
  EXPECT_EQ(point[0], 1.25);
  EXPECT_EQ(point[1], -1.25); // a mirrored coordinate: the other side of 0
  EXPECT_EQ(point[2], 1.25);
  EXPECT_EQ(point[3], 0.3);
  EXPECT_EQ(point[4], 0.7); // a mirrored position: the other end of the beam
  EXPECT_EQ(point[5], 0.3);
}

TEST(EnforceDependents, AChainHoldsWhateverTheListOrder) {
  // N001.X follows N002.X, which follows N003.X: the first is set last.
  Variables v({{"N001.X", kConstrainMirror, "N002.X"},
               {"N002.X", kConstrainEqual, "N003.X"},
               {"N003.X", kConstrainInterval, ""}});
  const DependentPlan plan = PlanDependents(v.selection);
  ASSERT_TRUE(plan.Ok()) << plan.Problem;
  TVector point = Point({0, 0, 2.5});
  EnforceDependents(plan, point);
  EXPECT_EQ(point[1], 2.5);
  EXPECT_EQ(point[0], -2.5);
}

TEST(PlanDependents, AVariableWithNothingDefinedToFollow) {
  const struct {
    Variables V;
    const char* Expect;
  } cases[] = {
      {Variables({{"N001.X", kConstrainInterval, ""}, {"N002.X", kConstrainEqual, "N009.X"}}),
       "N002.X follows N009.X, which is not among the variables to optimize"},
      {Variables({{"N001.X", kConstrainInterval, ""}, {"N002.X", kConstrainMirror, ""}}),
       "N002.X has no variable to follow"},
      {Variables({{"N001.X", kConstrainEqual, "N002.X"}, {"N002.X", kConstrainEqual, "N001.X"}}),
       "N001.X follows itself through a circle of Equal and Mirror constraints"},
      {Variables({{"N001.X", kConstrainEqual, "N001.X"}}),
       "N001.X follows itself through a circle of Equal and Mirror constraints"},
      {Variables({{"N001.X", kConstrainInterval, ""}, {"N002.P", kConstrainMirror, "N001.X"}}),
       "N002.P cannot follow N001.X: a position on a beam and a coordinate do not mix"},
  };
  for (const auto& c : cases) {
    const DependentPlan plan = PlanDependents(c.V.selection);
    EXPECT_FALSE(plan.Ok());
    EXPECT_EQ(plan.Problem, c.Expect);
    EXPECT_TRUE(plan.Links.empty());
  }
  // A coordinate may follow the other coordinate of a node.
  Variables xy({{"N001.X", kConstrainInterval, ""}, {"N001.Y", kConstrainEqual, "N001.X"}});
  EXPECT_TRUE(PlanDependents(xy.selection).Ok());
}

TEST(PlanDependents, OnlySelectedVariablesCanBeFollowed) {
  Variables v({{"N001.X", kConstrainInterval, ""}, {"N002.X", kConstrainEqual, "N001.X"}});
  v.list[0].InOptimize = false;
  v.selection = SelectedVariables(v.list);
  EXPECT_FALSE(PlanDependents(v.selection).Ok());
}

} // namespace
} // namespace strandel
