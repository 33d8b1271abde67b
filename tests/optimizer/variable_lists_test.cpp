// The lines of the "Variables :" and "Optimize :" lists and the moves between them.

#include "optimizer/variable_lists.h"

#include <gtest/gtest.h>

#include "support/frame_models.h"

namespace strandel {
namespace {

// Nodes 1 (2.5, 0) and 2 (6.5, 0) joined by beam 1 (4 m), node 3 at 0.25 on it.
struct ListModel {
  ListModel() : doc(testing::EmptyModel()) {
    testing::AddNode(doc, 1, 2.5, 0);
    testing::AddNode(doc, 2, 6.5, 0);
    testing::AddBeam(doc, 1, 1, 2);
    testing::AddNodeOnBeam(doc, 3, 1, 0.25);
    BuildVariables(list, doc, UnitChoice{}); // lengths in cm
  }
  ModelDocument doc;
  VariableList list;
};

TEST(OptimizeLine, EveryConstraintKind) {
  ListModel m;
  TVarItem& x = *FindVariable(m.list, "N001.X");
  x.LowBound = 2.0;
  x.HighBound = 3.5;
  EXPECT_EQ(OptimizeLine(x), "N001.X =  200..350\t[cm]"); // low keeps its blank
  x.LowBound = -0.125;
  EXPECT_EQ(OptimizeLine(x), "N001.X = -12.5..350\t[cm]");
  TVarItem& p = *FindVariable(m.list, "N003.P"); // 0.25 -/+ 0.075
  EXPECT_EQ(OptimizeLine(p), "N003.P =  17.5..32.5\t[%]");

  TVarItem& y = *FindVariable(m.list, "N002.Y");
  y.ConstrainType = kConstrainEqual;
  y.AssocName = "N001.Y";
  EXPECT_EQ(OptimizeLine(y), "N002.Y =  N001.Y");
  y.ConstrainType = kConstrainMirror;
  EXPECT_EQ(OptimizeLine(y), "N002.Y = -N001.Y");
  p.ConstrainType = kConstrainMirror;
  p.AssocName = "N004.P";
  EXPECT_EQ(OptimizeLine(p), "N003.P =  1-N004.P");
}

TEST(VariableLists, TheTwoListsShareTheVariables) {
  ListModel m;
  FindVariable(m.list, "N002.X")->InOptimize = true;
  FindVariable(m.list, "N003.P")->InOptimize = true;
  EXPECT_EQ(VariablesListLines(m.list), (std::vector<std::string>{"N001.X", "N001.Y", "N002.Y"}));
  const std::vector<std::string> optimize = OptimizeListLines(m.list);
  ASSERT_EQ(optimize.size(), 2u);
  EXPECT_EQ(NameOfListLine(optimize[0]), "N002.X");
  EXPECT_EQ(NameOfListLine(optimize[1]), "N003.P");
}

TEST(DropVariable, FromOneListOntoTheOther) {
  ListModel m;
  using Id = VariableListId;
  EXPECT_TRUE(DropVariable(m.list, Id::Variables, Id::Optimize, "N001.Y"));
  EXPECT_TRUE(FindVariable(m.list, "N001.Y")->InOptimize);
  EXPECT_FALSE(DropVariable(m.list, Id::Variables, Id::Optimize, "N001.Y")); // already there
  EXPECT_FALSE(DropVariable(m.list, Id::Optimize, Id::Optimize, "N001.Y =  0..1\t[cm]"));
  EXPECT_TRUE(FindVariable(m.list, "N001.Y")->InOptimize);
  // A line of "Optimize :" stands for the name in its first six characters.
  EXPECT_TRUE(DropVariable(m.list, Id::Optimize, Id::Variables, OptimizeLine(m.list[1])));
  EXPECT_FALSE(FindVariable(m.list, "N001.Y")->InOptimize);
  EXPECT_FALSE(DropVariable(m.list, Id::Variables, Id::Optimize, "N404.X"));
  EXPECT_FALSE(DropVariable(m.list, Id::Variables, Id::Optimize, ""));
}

TEST(DropVariable, NodesSharingANameMoveOneAtATime) {
  // Nodes 1 and 1001 both give N001.X and N001.Y.
  ModelDocument doc = testing::EmptyModel();
  testing::AddNode(doc, 1, 0, 0);
  testing::AddNode(doc, 1001, 5, 0);
  VariableList list;
  BuildVariables(list, doc, UnitChoice{});
  EXPECT_TRUE(SelectVariableByName(list, "N001.X"));
  EXPECT_TRUE(SelectVariableByName(list, "N001.X"));
  EXPECT_TRUE(list[0].InOptimize && list[2].InOptimize);
  EXPECT_TRUE(DeselectVariableByName(list, "N001.X"));
  EXPECT_TRUE(DeselectVariableByName(list, "N001.X"));
  EXPECT_EQ(SelectedCount(list), 0);
}

} // namespace
} // namespace strandel
