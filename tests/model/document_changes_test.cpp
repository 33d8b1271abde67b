// What follows a change of the document: the modified mark, the results going
// out of date, the undo step and the one call that brings the window up to
// date, each done once and only for a change that happened.

#include "model/document_changes.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "common/text_entries.h"
#include "model/document_file.h"
#include "support/frame_models.h"

namespace strandel {
namespace {

using testing::AddNode;
using testing::SimplySupportedBeam;

// Counts the calls and notes what the document looked like at the last one:
// the window reads the modified mark, the results and the undo items then.
class WatchingView : public ChangeView {
public:
  explicit WatchingView(const ModelDocument& doc) : doc_(doc) {}
  void ShowChange() override {
    ++Shown;
    ModifiedWhenShown = doc_.Modified;
    ValidWhenShown = doc_.ResultsValid;
    if (Changes) StepsWhenShown = Changes->History().UndoCount();
  }
  int Shown = 0;
  bool ModifiedWhenShown = false;
  bool ValidWhenShown = false;
  std::size_t StepsWhenShown = 0;
  const DocumentChanges* Changes = nullptr;

private:
  const ModelDocument& doc_;
};

class DocumentChangesTest : public ::testing::Test {
protected:
  DocumentChangesTest() {
    doc = SimplySupportedBeam(6, 2000);
    doc.Modified = false;
    doc.ResultsValid = true;
    view.Changes = &changes;
    changes.StartHistory();
  }
  void MoveFirstNode() { std::get<TNodeObject>(*doc.GraphObjects[0]).X += 0.5; }

  ModelDocument doc;
  WatchingView view{doc};
  DocumentChanges changes{doc, view};
};

TEST_F(DocumentChangesTest, EachFinishedChangeIsOneStepShownOnceWithItsEffects) {
  struct Case {
    const char* what;
    bool changesModel;
    unsigned effects;
    bool modified, resultsValid;
    std::size_t steps;
  };
  const Case cases[] = {
      {"a node moved", true, kModelChange, true, false, 1},
      {"a beam turned round: the results still hold", true, kMarksModified, true, true, 1},
      {"nodes already on the line: nothing differs", false, kNoEffect, false, true, 0},
      {"delete with nothing selected still counts as a change", false, kMarksModified, true, true,
       0},
      {"the optimizer cancelled: nothing differs", false, kNoEffect, false, true, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    doc.Modified = false;
    doc.ResultsValid = true;
    changes.StartHistory();
    view.Shown = 0;
    if (c.changesModel) MoveFirstNode();
    EXPECT_EQ(changes.Finish(tr::kStepMoveNode, c.effects), c.steps == 1);
    EXPECT_EQ(view.Shown, 1);
    EXPECT_EQ(doc.Modified, c.modified);
    EXPECT_EQ(doc.ResultsValid, c.resultsValid);
    EXPECT_EQ(changes.History().UndoCount(), c.steps);
    // The window is told after everything else is done.
    EXPECT_EQ(view.ModifiedWhenShown, c.modified);
    EXPECT_EQ(view.ValidWhenShown, c.resultsValid);
    EXPECT_EQ(view.StepsWhenShown, c.steps);
  }
}

// Over random runs of changes, changes under way, undo and redo: the window is
// told exactly once per call that did something, every step can be taken back
// to the text it came from, and the document is modified exactly when it is
// not at the saved step.
TEST_F(DocumentChangesTest, RandomRunsKeepOneShowPerCallAndASoundHistory) {
  std::mt19937 random(26);
  for (int run = 0; run < 20; ++run) {
    doc = SimplySupportedBeam(6, 2000);
    doc.Modified = false;
    changes.StartHistory();
    std::vector<std::string> texts = {WriteDocumentText(doc)};
    std::size_t at = 0;
    int expectedShows = 0;
    view.Shown = 0;
    for (int action = 0; action < 30; ++action) {
      switch (random() % 4) {
      case 0: { // a node appears: a finished change
        AddNode(doc, 100 + action, action, 1);
        changes.Finish(tr::kStepCreateNode, kModelChange);
        texts.resize(at + 1);
        texts.push_back(WriteDocumentText(doc));
        ++at;
        ++expectedShows;
        break;
      }
      case 1: // a finished command that changed nothing
        changes.Finish(tr::kStepAlignNodes, kNoEffect);
        ++expectedShows;
        break;
      case 2:
        if (changes.Undo() == HistoryMove::Done) {
          --at;
          ++expectedShows;
        }
        break;
      default:
        if (changes.Redo() == HistoryMove::Done) {
          ++at;
          ++expectedShows;
        }
        break;
      }
      ASSERT_EQ(view.Shown, expectedShows);
      ASSERT_EQ(WriteDocumentText(doc), texts[at]);
      ASSERT_EQ(doc.Modified, at != 0);
      ASSERT_EQ(changes.History().UndoCount(), at);
    }
  }
}

} // namespace
} // namespace strandel
