// Every editing command as a user gives it with the pointer, taken back and
// made again: the stored document is byte for byte what it was before and
// after, and the step carries the command's name.

#include <gtest/gtest.h>

#include <functional>

#include "common/text_entries.h"
#include "editor_fixture.h"
#include "model/document_file.h"
#include "model/document_history.h"

namespace strandel {
namespace {

using testing::EditorTest;
using testing::PutBeam;
using testing::PutNode;

// A portal frame: columns 1-2 and 4-3, girder 2-3 (4 m wide, 3 m high), pins
// at the feet, a load on the girder, a force at node 2, a moment at node 3,
// and a free node 5 at (6, 1).
class UndoEditing : public EditorTest {
protected:
  UndoEditing() {
    PutNode(doc, 1, 0, 0);
    PutNode(doc, 2, 0, 3);
    PutNode(doc, 3, 4, 3);
    PutNode(doc, 4, 4, 0);
    PutNode(doc, 5, 6, 1);
    PutBeam(doc, 1, 1, 2).MtrlDesc = "Glulam\r\nGL28h";
    PutBeam(doc, 2, 2, 3).B = 0.123456;
    PutBeam(doc, 3, 4, 3);
    for (int node : {1, 4}) {
      TSupportObject& support = AppendObject<TSupportObject>(doc);
      support.Number = static_cast<std::uint16_t>(node == 1 ? 1 : 2);
      support.NodeNo = static_cast<std::uint16_t>(node);
      support.X = node == 1 ? 0 : 4;
    }
    TLoadObject& load = AppendObject<TLoadObject>(doc);
    load.Number = 1;
    load.HostBeam = 2;
    load.Node1 = 2;
    load.Node2 = 3;
    load.X1 = 0;
    load.Y1 = load.Y2 = 3;
    load.X2 = 4;
    load.Value = 1000;
    TForceObject& force = AppendObject<TForceObject>(doc);
    force.Number = 1;
    force.NodeNo = 2;
    force.Y = 3;
    force.Value = 500;
    doc.Settings.VariableStr = "X3;3;5";
    changes.StartHistory();
  }

  const DocumentHistory& history = changes.History();
};

TEST_F(UndoEditing, EveryCommandIsOneStepTakenBackAndMadeAgainExactly) {
  // The window is brought up to date once when a command finishes, and once
  // more for each move of a change under way (a drag) or the start of one that
  // puts the results out of date first (move objects, align).
  struct Case {
    const char* what;
    int step;
    std::function<void()> command;
    int shows = 1;
  };
  const std::vector<Case> cases = {
      {"create node", tr::kStepCreateNode,
       [&] {
         editor.StartTool(CreateTool::Node, true);
         Click(2, 1.4);
       }},
      {"create beam with its two nodes", tr::kStepCreateBeam,
       [&] {
         editor.StartTool(CreateTool::Beam, true);
         Click(8, 1);
         Click(8, 2.6);
       }},
      {"create support with its node", tr::kStepCreateSupport,
       [&] {
         editor.StartTool(CreateTool::Support, true);
         Click(2, 1);
         Click(2, 0.4);
       }},
      {"create load with the nodes at its ends", tr::kStepCreateLoad,
       [&] {
         editor.StartTool(CreateTool::Load, true);
         Click(1, 3.03);
         Click(1.4, 3.5);
         Click(3.2, 2.5);
         Click(2.4, 4.0);
       }},
      {"create force on a node", tr::kStepCreateForce,
       [&] {
         editor.StartTool(CreateTool::Force, true);
         Click(4, 0);
         Click(4.5, 0.5);
       }},
      {"create moment on a beam with its node", tr::kStepCreateMoment,
       [&] {
         editor.StartTool(CreateTool::Moment, true);
         Click(0.02, 1.5);
         Click(0.02, 1.6);
         Click(0.5, 2);
       }},
      {"drag a frame corner", tr::kStepMoveNode,
       [&] {
         Drag({{4, 3}, {4.5, 3.2}, {5, 3.4}, {5.2, 3.6}});
       },
       4},
      {"drop a free node on another", tr::kStepMergeNodes,
       [&] {
         Drag({{6, 1}, {5, 0.5}, {4.02, 0.02}});
       },
       3},
      {"move objects", tr::kStepMoveObjects,
       [&] {
         editor.MoveObjects();
         Click(0, 0);
         Click(1, 5);
         Click(7, 2);
       },
       2},
      {"delete a column and a free node", tr::kStepDelete,
       [&] {
         Click(4.02, 1.5);
         Click(6, 1);
         editor.Delete();
       }},
      {"delete all loads", tr::kStepDeleteAllLoads, [&] { editor.DeleteAllLoads(); }},
      {"align a node to a line", tr::kStepAlignNodes,
       [&] {
         Click(6, 1);
         editor.AlignNodesToLine();
         Click(5, 0);
         Click(5, 4);
       },
       2},
      {"flip a beam", tr::kStepFlipBeams,
       [&] {
         Click(4.02, 1.5);
         editor.FlipBeams();
       }},
      {"beam size", tr::kStepBeamSize, [&] { editor.BeamScaleUp(); }},
      {"load size", tr::kStepLoadSize, [&] { editor.LoadScaleDown(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string before = WriteDocumentText(doc);
    changeView.Shown = 0;
    c.command();
    // A create tool stays in hand; the window's undo puts it down first.
    editor.CancelOperation();
    EXPECT_EQ(changeView.Shown, c.shows);
    ASSERT_EQ(history.UndoCount(), 1u) << "one step";
    EXPECT_EQ(history.UndoName(), c.step);
    const std::string after = WriteDocumentText(doc);
    ASSERT_NE(after, before);
    changeView.Shown = 0;
    ASSERT_EQ(changes.Undo(), HistoryMove::Done);
    EXPECT_EQ(changeView.Shown, 1) << "undo is shown once";
    EXPECT_EQ(WriteDocumentText(doc), before);
    EXPECT_FALSE(doc.Modified);
    ASSERT_EQ(changes.Redo(), HistoryMove::Done);
    EXPECT_EQ(WriteDocumentText(doc), after);
    ASSERT_EQ(changes.Undo(), HistoryMove::Done);
    EXPECT_EQ(WriteDocumentText(doc), before);
    // The next case starts from the frame as it was, with a fresh history.
    SelectAll(doc, false);
    changes.StartHistory();
  }
}

TEST_F(UndoEditing, SelectingCancellingAndViewCommandsMakeNoStep) {
  Click(4.02, 1.5);
  Click(2, 2);
  editor.SelectAll();
  editor.DeselectAll();
  editor.ZoomIn();
  editor.StartTool(CreateTool::Beam, true);
  Click(8, 1);
  RightClick(8, 2); // the half-made beam and its new node go away again
  editor.CancelOperation();
  editor.StartTool(CreateTool::Load, true);
  Click(1, 3.03);
  Click(1.4, 3.5);
  editor.KeyPress(EditorKey::Escape);
  Drag({{6, 1}, {6.03, 1.03}}); // within 10 pixels: a click, not a drag
  EXPECT_FALSE(history.CanUndo());
  EXPECT_EQ(changeView.Shown, 0) << "nothing changed, so nothing to show";
  EXPECT_FALSE(doc.Modified);
}

TEST_F(UndoEditing, ADragEndedByEscIsOneStepToo) {
  MoveTo(6, 1);
  editor.Press(At(6, 1));
  for (double x : {6.5, 7.0, 7.4}) {
    PointerEvent held = At(x, 1);
    held.LeftHeld = true;
    editor.PointerMove(held);
  }
  editor.KeyPress(EditorKey::Escape);
  ASSERT_EQ(history.UndoCount(), 1u);
  EXPECT_EQ(history.UndoName(), tr::kStepMoveNode);
  changes.Undo();
  EXPECT_EQ(NodeAt(5).X, 6);
}

} // namespace
} // namespace strandel
