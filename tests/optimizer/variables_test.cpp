// The variables built from a model: their names, their order, their margins
// and their display units.

#include "optimizer/variables.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/frame_models.h"

namespace strandel {
namespace {

using testing::AddBeam;
using testing::AddNode;
using testing::AddNodeOnBeam;

TEST(VariableName, ThreeDigitsOfTheNodeNumber) {
  const struct {
    long Number;
    char Kind;
    const char* Name;
  } cases[] = {{7, 'X', "N007.X"},    {7, 'Y', "N007.Y"},    {12, 'P', "N012.P"},
               {999, 'X', "N999.X"},  {1000, 'Y', "N000.Y"}, {1234, 'X', "N234.X"},
               {65535, 'P', "N535.P"}};
  for (const auto& c : cases)
    EXPECT_EQ(VariableName(c.Number, c.Kind), c.Name) << c.Number;
}

// Nodes 1 (0, 0) and 2 (4, 0) joined by beam 1, node 3 (0, 3) joined to node 1 by
// beam 2 (length 3), node 4 at the middle of beam 1, and node 5 with no beam.
ModelDocument SmallFrame() {
  ModelDocument doc = testing::EmptyModel();
  AddNode(doc, 1, 0, 0);
  AddNode(doc, 2, 4, 0);
  AddNode(doc, 3, 0, 3);
  AddBeam(doc, 1, 1, 2);
  AddBeam(doc, 2, 1, 3);
  AddNodeOnBeam(doc, 4, 1, 0.5);
  AddNode(doc, 5, 7, 7);
  return doc;
}

TEST(BuildVariables, OneVariablePerFreeCoordinateInNodeOrder) {
  ModelDocument doc = SmallFrame();
  VariableList list;
  BuildVariables(list, doc, UnitChoice{});
  std::vector<std::string> names;
  for (const TVarItem& item : list)
    names.push_back(item.Name);
  EXPECT_EQ(names, (std::vector<std::string>{"N001.X", "N001.Y", "N002.X", "N002.Y", "N003.X",
                                             "N003.Y", "N004.P", "N005.X", "N005.Y"}));
  for (const TVarItem& item : list) {
    EXPECT_EQ(item.ConstrainType, kConstrainInterval);
    EXPECT_FALSE(item.InOptimize);
    EXPECT_TRUE(item.AssocName.empty());
    EXPECT_EQ(item.OrigValue, item.CurValue);
    ASSERT_NE(item.NodeRef, nullptr);
  }
  EXPECT_EQ(list[6].BeamRef, FindBeam(doc, 1));
  EXPECT_EQ(list[6].NodeRef, FindNode(doc, 4));
  EXPECT_EQ(list[0].BeamRef, nullptr);
}

TEST(BuildVariables, MarginsFromTheShortestBeamOrTheNeighboursOnTheBeam) {
  ModelDocument doc = SmallFrame();
  VariableList list;
  BuildVariables(list, doc, UnitChoice{});
  const double factor = 0.3 * 0.7071135624381276; // not 1/sqrt(2): the stored factor
  const struct {
    const char* Name;
    double Value, Margin;
  } cases[] = {
      {"N001.X", 0, factor * 3}, // beams of 4 and 3 m: the shorter counts
      {"N001.Y", 0, factor * 3}, {"N002.X", 4, factor * 4}, {"N003.Y", 3, factor * 3},
      {"N004.P", 0.5, 0.15}, // alone on its beam: 0.3 x 0.5 either way, 0.35 .. 0.65
      {"N005.X", 7, 0},      // no beam: an interval of width 0
      {"N005.Y", 7, 0},
  };
  for (const auto& c : cases) {
    const TVarItem* item = FindVariable(list, c.Name);
    ASSERT_NE(item, nullptr) << c.Name;
    EXPECT_EQ(item->OrigValue, c.Value) << c.Name;
    EXPECT_NEAR(item->LowBound, c.Value - c.Margin, 1e-15) << c.Name;
    EXPECT_NEAR(item->HighBound, c.Value + c.Margin, 1e-15) << c.Name;
  }
  EXPECT_NEAR(FindVariable(list, "N004.P")->LowBound, 0.35, 1e-15);
  EXPECT_NEAR(FindVariable(list, "N004.P")->HighBound, 0.65, 1e-15);
  EXPECT_EQ(FindVariable(list, "N005.X")->LowBound, FindVariable(list, "N005.X")->HighBound);
}

TEST(BuildVariables, APositionKeepsClearOfItsNeighboursOnTheBeam) {
  // On a beam with nodes at 0.2, 0.5 and 0.9: the node at 0.5 may move by the
  // smaller of 0.3 x 0.3 and 0.3 x 0.4; the one at 0.9 by 0.3 x 0.1 (the end).
  ModelDocument doc = testing::EmptyModel();
  AddNode(doc, 1, 0, 0);
  AddNode(doc, 2, 10, 0);
  AddBeam(doc, 1, 1, 2);
  AddNodeOnBeam(doc, 3, 1, 0.5);
  AddNodeOnBeam(doc, 4, 1, 0.2);
  AddNodeOnBeam(doc, 5, 1, 0.9);
  VariableList list;
  BuildVariables(list, doc, UnitChoice{});
  EXPECT_NEAR(FindVariable(list, "N003.P")->LowBound, 0.41, 1e-15);
  EXPECT_NEAR(FindVariable(list, "N003.P")->HighBound, 0.59, 1e-15);
  EXPECT_NEAR(FindVariable(list, "N004.P")->LowBound, 0.14, 1e-15);
  EXPECT_NEAR(FindVariable(list, "N005.P")->HighBound, 0.93, 1e-15);
}

TEST(BuildVariables, DisplayUnitsOfTheSettings) {
  ModelDocument doc = SmallFrame();
  VariableList list;
  UnitChoice units; // length in cm
  BuildVariables(list, doc, units);
  EXPECT_EQ(FindVariable(list, "N001.X")->DispUnit, "[cm]");
  EXPECT_EQ(FindVariable(list, "N001.X")->DispFactor, 100);
  EXPECT_EQ(FindVariable(list, "N004.P")->DispUnit, "[%]");
  EXPECT_EQ(FindVariable(list, "N004.P")->DispFactor, 100);
  units.Length = 1; // m
  BuildVariables(list, doc, units);
  EXPECT_EQ(FindVariable(list, "N001.Y")->DispUnit, UnitName(units, Quantity::Length));
  EXPECT_EQ(FindVariable(list, "N001.Y")->DispFactor, 1);
  EXPECT_EQ(list.size(), 9u); // built anew, not added to
}

TEST(BuildVariables, ANodeOnAMissingBeamCountsAsFree) {
  ModelDocument doc = testing::EmptyModel();
  AddNode(doc, 1, 2, 3).HostBeam = 9;
  VariableList list;
  BuildVariables(list, doc, UnitChoice{});
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].Name, "N001.X");
}

TEST(SelectedVariables, PositionsAmongTheSelectedInListOrder) {
  ModelDocument doc = SmallFrame();
  VariableList list;
  BuildVariables(list, doc, UnitChoice{});
  FindVariable(list, "N003.Y")->InOptimize = true;
  FindVariable(list, "N001.X")->InOptimize = true;
  TVarItem* p = FindVariable(list, "N004.P");
  p->InOptimize = true;
  p->ConstrainType = kConstrainEqual;
  EXPECT_EQ(SelectedCount(list), 3);
  EXPECT_EQ(FreeCount(list), 2);
  EXPECT_EQ(SelectedVariable(list, 0)->Name, "N001.X");
  EXPECT_EQ(SelectedVariable(list, 1)->Name, "N003.Y");
  EXPECT_EQ(SelectedVariable(list, 2), p);
  EXPECT_EQ(SelectedVariable(list, 3), nullptr);
  EXPECT_EQ(SelectedIndex(list, "N003.Y"), 1);
  EXPECT_EQ(SelectedIndex(list, "N002.X"), -1); // exists, not selected
  EXPECT_EQ(SelectedIndex(list, "N404.X"), -1);
  EXPECT_EQ(FindVariable(list, "N404.X"), nullptr);
  const Selection selection = SelectedVariables(list);
  ASSERT_EQ(selection.size(), 3u);
  EXPECT_EQ(selection[2], p);
}

} // namespace
} // namespace strandel
