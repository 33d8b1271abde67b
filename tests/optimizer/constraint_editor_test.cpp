// The rules of the constraint editor: what its controls show, what storing them
// does to the variable, which types it accepts and what Cancel gives back.

#include "optimizer/constraint_editor.h"

#include <gtest/gtest.h>

#include "support/frame_models.h"

namespace strandel {
namespace {

// Nodes 1 (0, 0), 2 (4, 0), 3 (0, 3) with beams 1-2 and 1-3; node 4 at the
// middle of beam 1 and node 5 at 0.75 on it. Selected: N001.X, N002.X, N002.Y,
// N004.P and N005.P, all intervals.
struct EditorModel {
  EditorModel() : doc(testing::EmptyModel()) {
    testing::AddNode(doc, 1, 0, 0);
    testing::AddNode(doc, 2, 4, 0);
    testing::AddNode(doc, 3, 0, 3);
    testing::AddBeam(doc, 1, 1, 2);
    testing::AddBeam(doc, 2, 1, 3);
    testing::AddNodeOnBeam(doc, 4, 1, 0.5);
    testing::AddNodeOnBeam(doc, 5, 1, 0.75);
    BuildVariables(list, doc, UnitChoice{}); // cm
    for (const char* name : {"N001.X", "N002.X", "N002.Y", "N004.P", "N005.P"})
      FindVariable(list, name)->InOptimize = true;
  }
  TVarItem& operator[](const char* name) { return *FindVariable(list, name); }
  ModelDocument doc;
  VariableList list;
};

TEST(ConstraintEditor, ShowsTheIntervalInTheDisplayUnit) {
  EditorModel m;
  m["N002.X"].LowBound = 3.5;
  m["N002.X"].HighBound = 4.25;
  ConstraintEditor editor(m.list, m["N002.X"]);
  EXPECT_EQ(editor.NameText(), " N002.X");
  EXPECT_EQ(editor.UnitName(), "[cm]");
  const ConstraintFields fields = editor.Fields();
  EXPECT_EQ(fields.Type, kConstrainInterval);
  EXPECT_EQ(fields.LowText, "350");
  EXPECT_EQ(fields.HighText, "425");
}

TEST(ConstraintEditor, StoringTheShownFieldsChangesNothing) {
  // Bounds of many digits are shown in full, so Tab or OK without an edit
  // keeps them exactly.
  EditorModel m;
  TVarItem& y = m["N002.Y"];
  y.LowBound = -0.123456789012345;
  y.HighBound = 0.987654321098765;
  ConstraintEditor editor(m.list, y);
  editor.Store(editor.Fields());
  EXPECT_DOUBLE_EQ(y.LowBound, -0.123456789012345);
  EXPECT_DOUBLE_EQ(y.HighBound, 0.987654321098765);
}

TEST(ConstraintEditor, BoundsChangeOnlyWhenHighExceedsLow) {
  const struct {
    const char* Low;
    const char* High;
    double ExpectLow, ExpectHigh; // m
  } cases[] = {
      {"300", "450", 3.0, 4.5},  {"300,5", "450", 3.005, 4.5}, // "," reads as "."
      {"5", "5", 3.5, 4.25},                                   // no width: the old bounds stay
      {"450", "300", 3.5, 4.25},                               // reversed: the old bounds stay
      {"abc", "20", 0, 0.2},                                   // not a number reads as 0
      {"-10", "xyz", -0.1, 0},   {"", "", 3.5, 4.25},
  };
  for (const auto& c : cases) {
    EditorModel m;
    TVarItem& x = m["N002.X"];
    x.LowBound = 3.5;
    x.HighBound = 4.25;
    ConstraintEditor editor(m.list, x);
    ConstraintFields fields = editor.Fields();
    fields.LowText = c.Low;
    fields.HighText = c.High;
    editor.Store(fields);
    EXPECT_NEAR(x.LowBound, c.ExpectLow, 1e-15) << c.Low << " .. " << c.High;
    EXPECT_NEAR(x.HighBound, c.ExpectHigh, 1e-15) << c.Low << " .. " << c.High;
  }
}

TEST(ConstraintEditor, FollowsOnlySelectedIntervalsOfItsOwnKind) {
  EditorModel m;
  m["N001.X"].ConstrainType = kConstrainEqual; // an Equal variable cannot be followed
  m["N001.X"].AssocName = "N002.X";
  ConstraintEditor y(m.list, m["N002.Y"]);
  EXPECT_TRUE(y.AssociatedChoices().empty()); // N003.Y is not selected; X is another kind
  EXPECT_EQ(y.AcceptedType(kConstrainEqual), kConstrainInterval);
  EXPECT_EQ(y.AcceptedType(kConstrainMirror), kConstrainInterval);

  ConstraintEditor x(m.list, m["N002.X"]);
  EXPECT_TRUE(x.AssociatedChoices().empty()); // itself does not count
  m["N001.X"].ConstrainType = kConstrainInterval;
  EXPECT_EQ(x.AssociatedChoices(), (std::vector<std::string>{"N001.X"}));
  EXPECT_EQ(x.AcceptedType(kConstrainMirror), kConstrainMirror);

  ConstraintEditor p(m.list, m["N004.P"]);
  EXPECT_EQ(p.AssociatedChoices(), (std::vector<std::string>{"N005.P"}));
}

TEST(ConstraintEditor, EqualAndMirrorTakeTheChosenVariable) {
  EditorModel m;
  TVarItem& p = m["N004.P"];
  ConstraintEditor editor(m.list, p);
  ConstraintFields fields = editor.Fields();
  EXPECT_EQ(fields.AssocIndex, 0); // not following anything yet: the first choice
  fields.Type = kConstrainMirror;
  editor.Store(fields);
  EXPECT_EQ(p.ConstrainType, kConstrainMirror);
  EXPECT_EQ(p.AssocName, "N005.P");
  EXPECT_EQ(editor.Fields().AssocIndex, 0);
  fields.AssocIndex = -1; // nothing chosen
  editor.Store(fields);
  EXPECT_EQ(p.AssocName, "");
  // Back to an interval: follows nothing, keeps its bounds.
  const double low = p.LowBound, high = p.HighBound;
  fields = editor.Fields();
  fields.Type = kConstrainInterval;
  p.AssocName = "N005.P";
  editor.Store(fields);
  EXPECT_EQ(p.ConstrainType, kConstrainInterval);
  EXPECT_EQ(p.AssocName, "");
  EXPECT_EQ(p.LowBound, low);
  EXPECT_EQ(p.HighBound, high);
}

TEST(ConstraintEditor, ARefusedTypeStoresAnInterval) {
  EditorModel m;
  TVarItem& y = m["N002.Y"];
  ConstraintEditor editor(m.list, y);
  ConstraintFields fields = editor.Fields();
  fields.Type = kConstrainEqual;
  editor.Store(fields);
  EXPECT_EQ(y.ConstrainType, kConstrainInterval);
}

TEST(ConstraintEditor, CancelGivesBackWhatTheVariableHeld) {
  EditorModel m;
  TVarItem& x = m["N002.X"];
  x.LowBound = 3.5;
  x.HighBound = 4.25;
  ConstraintEditor editor(m.list, x);
  ConstraintFields fields = editor.Fields();
  fields.LowText = "100";
  fields.HighText = "200";
  editor.Store(fields); // Tab stores as the user goes
  fields.Type = kConstrainMirror;
  editor.Store(fields);
  EXPECT_EQ(x.ConstrainType, kConstrainMirror);
  editor.Cancel();
  EXPECT_EQ(x.ConstrainType, kConstrainInterval);
  EXPECT_EQ(x.LowBound, 3.5);
  EXPECT_EQ(x.HighBound, 4.25);
  EXPECT_EQ(x.AssocName, "");
}

} // namespace
} // namespace strandel
