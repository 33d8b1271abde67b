// The rules of the constraint editor: what its controls show, what storing them
// does to the variable, which types it accepts and what Cancel gives back.

#include "dialogs/constraint_editor_dialog_model.h"

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
  // N002.X with the interval 3.5 .. 4.25 m.
  TVarItem& IntervalX() {
    TVarItem& x = (*this)["N002.X"];
    x.LowBound = 3.5;
    x.HighBound = 4.25;
    return x;
  }
  ModelDocument doc;
  VariableList list;
  ParameterTable parameters;
};

TEST(ConstraintEditorDialogModel, StoringTheShownFieldsChangesNothing) {
  // Bounds of more digits than a field shows keep every digit when Tab or OK
  // comes without an edit; those of fifteen digits or fewer show in full.
  EditorModel m;
  TVarItem& y = m["N002.Y"];
  y.LowBound = -1.0 / 3.0;
  y.HighBound = 0.987654321098765;
  ConstraintEditorDialogModel editor(m.list, y, m.parameters);
  const ConstraintFields fields = editor.Fields();
  EXPECT_EQ(fields.Low.Text, "-33.3333333333333");
  EXPECT_EQ(fields.High.Text, " 98.7654321098765");
  EXPECT_TRUE(editor.Store(fields));
  EXPECT_EQ(y.LowBound, -1.0 / 3.0);
  EXPECT_EQ(y.HighBound, 0.987654321098765);
}

TEST(ConstraintEditorDialogModel, BoundsChangeOnlyWhenBothAreTakenAndHighExceedsLow) {
  const struct {
    const char* Low;
    const char* High;
    double ExpectLow, ExpectHigh; // m
    bool Taken;
  } cases[] = {
      {"300", "450", 3.0, 4.5, true},   {"300,5", "450", 3.005, 4.5, true}, // "," reads as "."
      {"2*150", "450", 3.0, 4.5, true}, // an expression, as in every field
      {"5", "5", 3.5, 4.25, true},      // no width: the old bounds stay
      {"450", "300", 3.5, 4.25, true},  // reversed: the old bounds stay
      {"abc", "20", 3.5, 4.25, false},  // refused: nothing is stored
      {"-10", "1/0", 3.5, 4.25, false}, {"", "", 3.5, 4.25, false},
  };
  for (const auto& c : cases) {
    EditorModel m;
    TVarItem& x = m.IntervalX();
    ConstraintEditorDialogModel editor(m.list, x, m.parameters);
    ConstraintFields fields = editor.Fields();
    fields.Low.Text = c.Low;
    fields.High.Text = c.High;
    EXPECT_EQ(editor.Store(fields), c.Taken) << c.Low << " .. " << c.High;
    EXPECT_EQ(x.LowBound, c.ExpectLow) << c.Low << " .. " << c.High;
    EXPECT_EQ(x.HighBound, c.ExpectHigh) << c.Low << " .. " << c.High;
  }
}

TEST(ConstraintEditorDialogModel, ARefusedBoundWaitsWithWhatWasTypedBesideIt) {
  EditorModel m;
  TVarItem& x = m.IntervalX();
  ConstraintEditorDialogModel editor(m.list, x, m.parameters);
  ConstraintFields fields = editor.Fields();
  fields.Low.Text = "abc";
  fields.High.Text = "512.5";
  EXPECT_FALSE(editor.Store(fields));
  fields = editor.Fields();
  EXPECT_EQ(fields.Low.Text, "abc");
  EXPECT_FALSE(fields.Low.Error.empty());
  EXPECT_EQ(fields.High.Text, " 512.5"); // taken, waiting for the low bound
  EXPECT_EQ(x.HighBound, 4.25);
  fields.Low.Text = "301.25";
  EXPECT_TRUE(editor.Store(fields));
  EXPECT_EQ(x.LowBound, 3.0125);
  EXPECT_EQ(x.HighBound, 5.125);
  fields = editor.Fields();
  EXPECT_EQ(fields.Low.Text, " 301.25");
  EXPECT_TRUE(fields.Low.Error.empty());
}

TEST(ConstraintEditorDialogModel, FollowsOnlySelectedIntervalsOfItsOwnKind) {
  EditorModel m;
  m["N001.X"].ConstrainType = kConstrainEqual; // an Equal variable cannot be followed
  m["N001.X"].AssocName = "N002.X";
  ConstraintEditorDialogModel y(m.list, m["N002.Y"], m.parameters);
  EXPECT_TRUE(y.AssociatedChoices().empty()); // N003.Y is not selected; X is another kind
  EXPECT_EQ(y.AcceptedType(kConstrainEqual), kConstrainInterval);
  EXPECT_EQ(y.AcceptedType(kConstrainMirror), kConstrainInterval);

  ConstraintEditorDialogModel x(m.list, m["N002.X"], m.parameters);
  EXPECT_TRUE(x.AssociatedChoices().empty()); // itself does not count
  m["N001.X"].ConstrainType = kConstrainInterval;
  EXPECT_EQ(x.AssociatedChoices(), (std::vector<std::string>{"N001.X"}));
  EXPECT_EQ(x.AcceptedType(kConstrainMirror), kConstrainMirror);

  ConstraintEditorDialogModel p(m.list, m["N004.P"], m.parameters);
  EXPECT_EQ(p.AssociatedChoices(), (std::vector<std::string>{"N005.P"}));
}

TEST(ConstraintEditorDialogModel, EqualAndMirrorTakeTheChosenVariable) {
  EditorModel m;
  TVarItem& p = m["N004.P"];
  ConstraintEditorDialogModel editor(m.list, p, m.parameters);
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

TEST(ConstraintEditorDialogModel, ARefusedTypeStoresAnInterval) {
  EditorModel m;
  TVarItem& y = m["N002.Y"];
  ConstraintEditorDialogModel editor(m.list, y, m.parameters);
  ConstraintFields fields = editor.Fields();
  fields.Type = kConstrainEqual;
  editor.Store(fields);
  EXPECT_EQ(y.ConstrainType, kConstrainInterval);
}

TEST(ConstraintEditorDialogModel, CancelGivesBackWhatTheVariableHeld) {
  EditorModel m;
  TVarItem& x = m.IntervalX();
  ConstraintEditorDialogModel editor(m.list, x, m.parameters);
  ConstraintFields fields = editor.Fields();
  fields.Low.Text = "100";
  fields.High.Text = "200";
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
