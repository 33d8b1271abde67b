// The optimizer's choices as the model document keeps them: written, read back,
// through a saved and loaded document, and from damaged or foreign texts.

#include "optimizer/variable_str.h"

#include <gtest/gtest.h>

#include "model/document_file.h"
#include "support/frame_models.h"
#include "support/temp_folder.h"

namespace strandel {
namespace {

// Nodes 1 .. count on a line, each joined to the next by a beam.
ModelDocument Chain(int count) {
  ModelDocument doc = testing::EmptyModel();
  for (int i = 1; i <= count; ++i)
    testing::AddNode(doc, i, i, 0);
  for (int i = 1; i < count; ++i)
    testing::AddBeam(doc, i, i, i + 1);
  return doc;
}

VariableList Variables(ModelDocument& doc) {
  VariableList list;
  BuildVariables(list, doc, UnitChoice{});
  return list;
}

TEST(WriteVariableStr, TheStoredForm) {
  ModelDocument doc = Chain(2);
  VariableList list = Variables(doc);
  FindVariable(list, "N001.X")->InOptimize = true;
  TVarItem* mirror = FindVariable(list, "N002.X");
  mirror->InOptimize = true;
  mirror->ConstrainType = kConstrainMirror;
  mirror->AssocName = "N001.X";
  EXPECT_EQ(WriteVariableStr(doc, list, {0, 1}), 0);
  EXPECT_EQ(doc.Settings.VariableStr, "0;1;;;;;;;;N001.X;0;;N002.X;2;N001.X");

  // Nothing selected: the indices, then the empty fields up to the variables.
  for (TVarItem& item : list)
    item.InOptimize = false;
  WriteVariableStr(doc, list, {1, 0});
  EXPECT_EQ(doc.Settings.VariableStr, "1;0;;;;;;;");
}

TEST(ReadVariableStr, SelectsAndConstrainsTheNamedVariables) {
  ModelDocument doc = Chain(3);
  VariableList list = Variables(doc);
  const OptimizerChoice choice =
      ReadVariableStr("1;1;;;;;;;;N003.Y;0;;N001.X;1;N003.X;N002.X;2;N003.X", list);
  EXPECT_EQ(choice, (OptimizerChoice{1, 1}));
  EXPECT_EQ(SelectedCount(list), 3);
  // Selected in list order, whatever the order of the text.
  EXPECT_EQ(SelectedVariable(list, 0)->Name, "N001.X");
  EXPECT_EQ(SelectedVariable(list, 0)->ConstrainType, kConstrainEqual);
  EXPECT_EQ(SelectedVariable(list, 0)->AssocName, "N003.X");
  EXPECT_EQ(SelectedVariable(list, 1)->ConstrainType, kConstrainMirror);
  EXPECT_EQ(SelectedVariable(list, 2)->Name, "N003.Y");
  EXPECT_EQ(SelectedVariable(list, 2)->ConstrainType, kConstrainInterval);
}

TEST(ReadVariableStr, RoundTripOfEveryConstraintKind) {
  ModelDocument doc = Chain(4);
  VariableList list = Variables(doc);
  const char* text = "2;1;;;;;;;;N001.Y;0;;N002.Y;1;N001.Y;N003.Y;2;N001.Y;N004.X;0;";
  ReadVariableStr(text, list);
  WriteVariableStr(doc, list, {2, 1});
  EXPECT_EQ(doc.Settings.VariableStr,
            "2;1;;;;;;;;N001.Y;0;;N002.Y;1;N001.Y;N003.Y;2;N001.Y;N004.X;0;");
  VariableList again = Variables(doc);
  EXPECT_EQ(ReadVariableStr(doc, again), (OptimizerChoice{2, 1}));
  for (std::size_t i = 0; i < list.size(); ++i) {
    EXPECT_EQ(again[i].InOptimize, list[i].InOptimize) << list[i].Name;
    EXPECT_EQ(again[i].ConstrainType, list[i].ConstrainType) << list[i].Name;
    EXPECT_EQ(again[i].AssocName, list[i].AssocName) << list[i].Name;
  }
}

TEST(ReadVariableStr, ShortDamagedAndForeignTexts) {
  const struct {
    const char* Text;
    OptimizerChoice Choice;
    int Selected;
  } cases[] = {
      {"", {0, 0}, 0},
      {"0;0", {0, 0}, 0},             // nothing after the indices: nothing selected
      {";;;;;;;;;N001.X", {0, 0}, 1}, // empty indices read as 0
      {"x;1.5;;;;;;;;N001.X;0;", {0, 0}, 1},
      {"1;0;;;;;;;;N099.X;0;;N001.Y", {1, 0}, 1}, // node 99 is gone: skipped
      {"0;1;;;;;;;;N001.X;0;;N001.X;0;", {0, 1}, 1},
      {"0;0;;;;;;;; N002.Y ;0;", {0, 0}, 1}, // blanks around a name
  };
  for (const auto& c : cases) {
    ModelDocument doc = Chain(2);
    VariableList list = Variables(doc);
    EXPECT_EQ(ReadVariableStr(c.Text, list), c.Choice) << c.Text;
    EXPECT_EQ(SelectedCount(list), c.Selected) << c.Text;
  }
}

TEST(ReadVariableStr, AnUnknownTypeReadsAsInterval) {
  // A type the program does not know would leave the variable neither searched
  // nor following anything: it is read as an interval instead.
  for (const char* type : {"7", "-1", "abc", "1.5"}) {
    ModelDocument doc = Chain(2);
    VariableList list = Variables(doc);
    ReadVariableStr(std::string("0;0;;;;;;;;N002.X;") + type + ";N001.X", list);
    EXPECT_EQ(FindVariable(list, "N002.X")->ConstrainType, kConstrainInterval) << type;
    EXPECT_TRUE(FindVariable(list, "N002.X")->InOptimize);
  }
  ModelDocument doc = Chain(2);
  VariableList list = Variables(doc);
  FindVariable(list, "N002.X")->ConstrainType = kConstrainMirror;
  ReadVariableStr("0;0;;;;;;;;N002.X;;", list); // an empty type leaves the type alone
  EXPECT_EQ(FindVariable(list, "N002.X")->ConstrainType, kConstrainMirror);
}

TEST(WriteVariableStr, KeepsWithinWhatADocumentGivesBack) {
  // 120 nodes, 240 variables of 10 or more characters each: more than the 1023
  // characters a document value reads back. Whole variables are written until
  // the next would not fit.
  ModelDocument doc = Chain(120);
  VariableList list = Variables(doc);
  for (TVarItem& item : list) {
    item.InOptimize = true;
    if (item.Kind() == 'Y') {
      item.ConstrainType = kConstrainEqual;
      item.AssocName = "N001.Y";
    }
  }
  FindVariable(list, "N001.Y")->ConstrainType = kConstrainInterval;
  FindVariable(list, "N001.Y")->AssocName.clear();
  const int leftOut = WriteVariableStr(doc, list, {0, 0});
  EXPECT_LE(doc.Settings.VariableStr.size(), 1023u);
  EXPECT_GT(leftOut, 0);

  testing::TempFolder folder;
  ASSERT_TRUE(SaveDocument(doc, folder.File("long.qsd")).ok);
  ModelDocument loaded;
  ASSERT_TRUE(LoadDocument(folder.File("long.qsd"), loaded).ok);
  EXPECT_EQ(loaded.Settings.VariableStr, doc.Settings.VariableStr);
  VariableList again = Variables(loaded);
  ReadVariableStr(loaded, again);
  EXPECT_EQ(SelectedCount(again), 240 - leftOut);
  for (const TVarItem& item : again) {
    if (!item.InOptimize) continue;
    // Every variable read back is whole: no cut name, no cut associated name.
    EXPECT_TRUE(item.AssocName.empty() || item.AssocName == "N001.Y") << item.Name;
    EXPECT_EQ(item.ConstrainType, item.Kind() == 'Y' && item.Name != "N001.Y" ? 1 : 0);
  }
  // The variables kept are the first ones in list order.
  EXPECT_TRUE(again[0].InOptimize);
  EXPECT_FALSE(again.back().InOptimize);
}

} // namespace
} // namespace strandel
