// The undo history: each change taken back and made again exactly (the stored
// text byte for byte and every field in memory), the saved step, the redo steps
// a new change drops, and the memory bound on the large model.

#include <gtest/gtest.h>

#include <functional>

#include "common/text_entries.h"
#include "editor/edit_commands.h"
#include "model/document_file.h"
#include "model/document_history.h"
#include "support/frame_models.h"
#include "support/large_frame.h"

namespace strandel {
namespace {

using testing::AddForce;
using testing::AddMoment;
using testing::AddNode;
using testing::AddNodeOnBeam;
using testing::LargeFrame;
using testing::SimplySupportedBeam;

std::vector<GraphObject> Copies(const ModelDocument& doc) {
  std::vector<GraphObject> copies;
  for (const auto& object : doc.GraphObjects)
    copies.push_back(*object);
  return copies;
}

// Every object equal field by field (not only as the rounded stored text).
::testing::AssertionResult SameObjects(const ModelDocument& doc,
                                       const std::vector<GraphObject>& copies) {
  if (doc.GraphObjects.size() != copies.size())
    return ::testing::AssertionFailure()
           << doc.GraphObjects.size() << " objects, expected " << copies.size();
  for (std::size_t i = 0; i < copies.size(); ++i)
    if (!SameModelObject(*doc.GraphObjects[i], copies[i]))
      return ::testing::AssertionFailure() << "object " << i << " differs";
  return ::testing::AssertionSuccess();
}

// A beam on two supports with a node at mid-span, a force and a moment there,
// and values no stored line keeps to the last digit.
ModelDocument SmallFrame() {
  ModelDocument doc = SimplySupportedBeam(6, 2000);
  TBeamObject& beam = std::get<TBeamObject>(*doc.GraphObjects[2]);
  beam.B = 0.123456789;
  beam.MtrlDesc = "Glulam\r\nGL28h";
  AddForce(doc, 1, 2, 1500.25, -kPi / 3);
  AddMoment(doc, 1, 2, 250.125);
  doc.Settings.VariableStr = "X2;0;6";
  return doc;
}

template <class T> T& Nth(ModelDocument& doc, int n) {
  int seen = 0;
  for (T& object : ObjectsOf<T>(doc))
    if (seen++ == n) return object;
  throw std::out_of_range("no such object");
}

TEST(DocumentHistory, EveryKindOfChangeIsTakenBackAndMadeAgainExactly) {
  struct Case {
    const char* what;
    std::function<void(ModelDocument&)> change;
  };
  const std::vector<Case> cases = {
      {"beam dialog: section, description, colour, end",
       [](ModelDocument& d) {
         TBeamObject& b = Nth<TBeamObject>(d, 0);
         b.B = 0.98765432;
         b.H = 0.2345678;
         b.MtrlDesc = "Steel\r\nS355J2";
         b.BeamColor = 0x123456;
         b.Locked1 = false;
       }},
      {"beam group applied to its members",
       [](ModelDocument& d) {
         TBeamObject& second = AppendObject<TBeamObject>(d);
         second = Nth<TBeamObject>(d, 0);
         second.Number = 2;
         for (TBeamObject& b : ObjectsOf<TBeamObject>(d)) {
           b.MtrlName = "C30";
           b.Ek = 1.23456789e10;
         }
       }},
      {"node dialog", [](ModelDocument& d) { Nth<TNodeObject>(d, 1).PositionOnBeam = 0.3333333; }},
      {"support dialog",
       [](ModelDocument& d) {
         TSupportObject& s = Nth<TSupportObject>(d, 1);
         s.Direction = 2;
         s.Locked = true;
         s.DRot = 0.0012345;
       }},
      {"load dialog", [](ModelDocument& d) { Nth<TLoadObject>(d, 0).Value = -3210.987654; }},
      {"force dialog", [](ModelDocument& d) { Nth<TForceObject>(d, 0).Angle = 0.7; }},
      {"moment dialog", [](ModelDocument& d) { Nth<TMomentObject>(d, 0).Value = -42.4242; }},
      {"dimensioning switches",
       [](ModelDocument& d) {
         d.Settings.LatBuckRed = false;
         d.Settings.OwnWeight = false;
       }},
      {"accepted optimization: nodes moved, variables written",
       [](ModelDocument& d) {
         MoveAllObjects(d, {0.0123456789, -0.5});
         d.Settings.VariableStr = "X2;0;6;Y2;-1;1";
       }},
      {"objects appended", [](ModelDocument& d) { AddNode(d, 9, 1.0 / 3, 2.0 / 3); }},
      {"objects removed from the middle",
       [](ModelDocument& d) {
         d.GraphObjects.erase(d.GraphObjects.begin() + 6); // the load
         d.GraphObjects.erase(d.GraphObjects.begin() + 1); // node 3
       }},
      {"the last object removed and a new one appended",
       [](ModelDocument& d) {
         d.GraphObjects.pop_back();
         AddNodeOnBeam(d, 7, 1, 0.25);
       }},
      {"everything removed", [](ModelDocument& d) { d.GraphObjects.clear(); }},
      {"drawing sizes",
       [](ModelDocument& d) {
         d.Settings.BeamHeight = 0.121;
         d.Settings.LoadHeight = 0.33;
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ModelDocument doc = SmallFrame();
    DocumentHistory history;
    history.Start(doc);
    const std::string before = WriteDocumentText(doc);
    const std::vector<GraphObject> objectsBefore = Copies(doc);
    c.change(doc);
    ASSERT_TRUE(history.Record(doc, tr::kStepChange));
    EXPECT_TRUE(doc.Modified);
    const std::string after = WriteDocumentText(doc);
    const std::vector<GraphObject> objectsAfter = Copies(doc);
    ASSERT_NE(before, after);

    doc.ResultsValid = true;
    ASSERT_EQ(history.Undo(doc), HistoryMove::Done);
    EXPECT_EQ(WriteDocumentText(doc), before);
    EXPECT_TRUE(SameObjects(doc, objectsBefore));
    EXPECT_FALSE(doc.ResultsValid);
    EXPECT_FALSE(doc.Modified); // back at the state the history started from
    ASSERT_EQ(history.Redo(doc), HistoryMove::Done);
    EXPECT_EQ(WriteDocumentText(doc), after);
    EXPECT_TRUE(SameObjects(doc, objectsAfter));
    EXPECT_TRUE(doc.Modified);
    ASSERT_EQ(history.Undo(doc), HistoryMove::Done);
    EXPECT_EQ(WriteDocumentText(doc), before);
    EXPECT_TRUE(SameObjects(doc, objectsBefore));
    EXPECT_EQ(history.Undo(doc), HistoryMove::Nothing);
  }
}

TEST(DocumentHistory, SelectingAndSolvingAreNoChange) {
  ModelDocument doc = SmallFrame();
  DocumentHistory history;
  history.Start(doc);
  SelectAll(doc, true);
  Nth<TSupportObject>(doc, 0).Reactions = {1, 2, 3, 0, 0, 0};
  EXPECT_FALSE(history.Record(doc, tr::kStepChange));
  EXPECT_FALSE(history.CanUndo());
  EXPECT_FALSE(doc.Modified);

  // A step taken back keeps what is selected now on the objects it only changed.
  Nth<TLoadObject>(doc, 0).Value = 1;
  ASSERT_TRUE(history.Record(doc, tr::kStepChange));
  ASSERT_EQ(history.Undo(doc), HistoryMove::Done);
  EXPECT_TRUE(Nth<TLoadObject>(doc, 0).Selected);
  EXPECT_EQ(Nth<TLoadObject>(doc, 0).Value, 2000);
}

TEST(DocumentHistory, DeletedObjectsComeBackUnselectedInTheirPlaces) {
  ModelDocument doc = SmallFrame();
  DocumentHistory history;
  history.Start(doc);
  const std::string before = WriteDocumentText(doc);
  Nth<TForceObject>(doc, 0).Selected = true;
  Nth<TSupportObject>(doc, 0).Selected = true;
  DeleteSelected(doc);
  ASSERT_TRUE(history.Record(doc, tr::kStepDelete));
  EXPECT_EQ(history.UndoName(), tr::kStepDelete);
  ASSERT_EQ(history.Undo(doc), HistoryMove::Done);
  EXPECT_EQ(WriteDocumentText(doc), before);
  for (const auto& object : doc.GraphObjects)
    EXPECT_FALSE(IsSelected(*object));
}

TEST(DocumentHistory, UndoingBackToTheSavedStepLeavesTheDocumentUnmodified) {
  ModelDocument doc = SmallFrame();
  DocumentHistory history;
  history.Start(doc);
  Nth<TNodeObject>(doc, 1).X = 2.5;
  history.Record(doc, tr::kStepMoveNode);
  history.MarkSaved();
  doc.Modified = false; // what a save does
  Nth<TNodeObject>(doc, 1).X = 3.5;
  history.Record(doc, tr::kStepMoveNode);
  EXPECT_TRUE(doc.Modified);

  const std::vector<std::pair<HistoryMove (DocumentHistory::*)(ModelDocument&), bool>> moves = {
      {&DocumentHistory::Undo, false}, // at the saved step
      {&DocumentHistory::Undo, true},  // before it
      {&DocumentHistory::Redo, false}, // at it again
      {&DocumentHistory::Redo, true},  // past it
  };
  for (std::size_t k = 0; k < moves.size(); ++k) {
    SCOPED_TRACE(k);
    ASSERT_EQ((history.*moves[k].first)(doc), HistoryMove::Done);
    EXPECT_EQ(doc.Modified, moves[k].second);
  }

  // A new change after taking the saved step back: the saved state cannot be
  // reached again, so every state is modified.
  history.Undo(doc);
  history.Undo(doc);
  Nth<TNodeObject>(doc, 1).X = 1.5;
  ASSERT_TRUE(history.Record(doc, tr::kStepMoveNode));
  EXPECT_FALSE(history.CanRedo());
  history.Undo(doc);
  EXPECT_TRUE(doc.Modified);
  EXPECT_EQ(history.Undo(doc), HistoryMove::Nothing);
}

TEST(DocumentHistory, AChangeNotYetRecordedIsTheFirstToBeTakenBack) {
  ModelDocument doc = SmallFrame();
  DocumentHistory history;
  history.Start(doc);
  Nth<TNodeObject>(doc, 1).X = 2;
  history.Record(doc, tr::kStepMoveNode);
  const std::string recorded = WriteDocumentText(doc);
  Nth<TMomentObject>(doc, 0).Value = 1; // no command recorded it
  ASSERT_EQ(history.Undo(doc), HistoryMove::Done);
  EXPECT_EQ(WriteDocumentText(doc), recorded);
  EXPECT_EQ(history.RedoName(), tr::kStepChange);
  EXPECT_EQ(history.UndoName(), tr::kStepMoveNode);
}

TEST(DocumentHistory, ASaveBetweenStepsIsNotTakenBack) {
  ModelDocument doc = SmallFrame();
  DocumentHistory history;
  history.Start(doc);
  doc.Settings.FailHazRed = false;
  history.Record(doc, tr::kStepChange);
  doc.LastModDate = "2026-12-07";
  doc.LastModByUser = "engineer";
  history.MarkSaved();
  history.Undo(doc);
  EXPECT_TRUE(doc.Settings.FailHazRed);
  EXPECT_EQ(doc.LastModDate, "2026-12-07");
  EXPECT_EQ(doc.LastModByUser, "engineer");
  EXPECT_TRUE(doc.Modified);
}

TEST(DocumentHistory, AGeneratedModelStaysModifiedWhenEverythingIsTakenBack) {
  ModelDocument doc = SmallFrame();
  doc.Modified = true; // never saved
  DocumentHistory history;
  history.Start(doc);
  Nth<TNodeObject>(doc, 1).Y = 1;
  history.Record(doc, tr::kStepMoveNode);
  history.Undo(doc);
  EXPECT_TRUE(doc.Modified);
}

TEST(DocumentHistory, KeepsTheLastHundredStepsAndDropsTheOldest) {
  ModelDocument doc = SmallFrame();
  DocumentHistory history;
  history.Start(doc);
  for (int step = 1; step <= 150; ++step) {
    Nth<TNodeObject>(doc, 1).X = step;
    history.Record(doc, tr::kStepMoveNode);
  }
  EXPECT_EQ(history.UndoCount(), 100u);
  while (history.Undo(doc) == HistoryMove::Done) {
  }
  EXPECT_EQ(Nth<TNodeObject>(doc, 1).X, 50); // the state before the oldest kept step
  EXPECT_TRUE(doc.Modified);                 // the saved start was dropped
}

TEST(DocumentHistory, MemoryOfTheLargeModelStaysWithinItsBound) {
  ModelDocument doc = LargeFrame();
  ASSERT_GE(doc.GraphObjects.size(), 10000u);
  DocumentHistory history;
  history.Start(doc);
  // Each move of everything keeps two copies of every object.
  const int moves = 30;
  for (int k = 0; k < moves; ++k) {
    MoveAllObjects(doc, {0.5, 0.25});
    ASSERT_TRUE(history.Record(doc, tr::kStepMoveObjects));
    ASSERT_LE(history.MemoryBytes(), DocumentHistory::kMemoryLimit);
  }
  const std::size_t kept = history.UndoCount();
  EXPECT_GE(kept, 3u);
  EXPECT_LT(kept, static_cast<std::size_t>(moves));
  while (history.Undo(doc) == HistoryMove::Done) {
  }
  ModelDocument expected = LargeFrame();
  for (std::size_t k = 0; k < moves - kept; ++k)
    MoveAllObjects(expected, {0.5, 0.25});
  EXPECT_EQ(WriteDocumentText(doc), WriteDocumentText(expected));

  // Small steps on the large model cost little: a hundred of them fit.
  DocumentHistory small;
  small.Start(doc);
  for (int k = 0; k < 100; ++k) {
    std::get<TNodeObject>(*doc.GraphObjects[static_cast<std::size_t>(k)]).Y += 1;
    small.Record(doc, tr::kStepMoveNode);
  }
  EXPECT_EQ(small.UndoCount(), 100u);
  EXPECT_LT(small.MemoryBytes(), std::size_t{16} << 20);
}

TEST(DocumentHistory, AStepTooBigForTheBoundStillTakesTheLastChangeBack) {
  ModelDocument doc = SmallFrame();
  DocumentHistory history(100, /*memoryLimit=*/1);
  history.Start(doc);
  const std::string before = WriteDocumentText(doc);
  doc.GraphObjects.clear();
  history.Record(doc, tr::kStepDelete);
  doc.Settings.VariableStr = "";
  history.Record(doc, tr::kStepChange);
  EXPECT_EQ(history.UndoCount(), 1u);
  history.Undo(doc);
  EXPECT_EQ(doc.Settings.VariableStr, "X2;0;6");
  EXPECT_TRUE(doc.GraphObjects.empty());
  EXPECT_NE(WriteDocumentText(doc), before);
}

TEST(RecordedModel, RefusesAChangeTheModelIsNotReadyFor) {
  ModelDocument doc = SmallFrame();
  RecordedModel recorded;
  recorded.Take(doc);
  Nth<TNodeObject>(doc, 1).X = 9;
  AddNode(doc, 8, 1, 1);
  const ModelChange change = recorded.Update(doc);
  ASSERT_EQ(change.Altered.size(), 1u);
  ASSERT_EQ(change.Inserted.size(), 1u);

  // Forward again from the state after: the node it would add is not expected there.
  const std::string now = WriteDocumentText(doc);
  EXPECT_FALSE(recorded.Apply(doc, change, ChangeDirection::Forward));
  EXPECT_EQ(WriteDocumentText(doc), now);
  // A document the record does not mirror is refused too.
  ModelDocument other = SmallFrame();
  EXPECT_FALSE(recorded.Apply(other, change, ChangeDirection::Backward));
  EXPECT_TRUE(recorded.Apply(doc, change, ChangeDirection::Backward));
  EXPECT_EQ(Nth<TNodeObject>(doc, 1).X, 6);
}

} // namespace
} // namespace strandel
