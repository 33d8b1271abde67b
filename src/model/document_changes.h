#pragma once
// The one owner of what follows a change of the document: the modified mark,
// the results going out of date, the undo step and the one call that brings the
// window up to date. Editor commands, the window's dialogs, undo and redo report
// a change here once and do no bookkeeping of their own.

#include "model/document.h"
#include "model/document_history.h"

namespace strandel {

// What a change does besides becoming a step, by the command's own rule. A
// step always marks the document modified when something differs; these say
// what holds even when the history finds no difference.
enum ChangeEffect : unsigned {
  kNoEffect = 0,
  kMarksModified = 1,      // the document counts as changed (Delete with nothing selected)
  kInvalidatesResults = 2, // the results no longer match the model
  kModelChange = kMarksModified | kInvalidatesResults,
};

// Whoever shows the document. Told once after each change: it draws the model
// again and brings what shows the document's state up to date (the result
// display buttons, the status bar, the caption, the undo items, the page shown).
class ChangeView {
public:
  virtual ~ChangeView() = default;
  virtual void ShowChange() = 0;
};

class DocumentChanges {
public:
  DocumentChanges(ModelDocument& doc, ChangeView& view) : doc_(doc), view_(view) {}

  const DocumentHistory& History() const { return history_; }

  // A new, opened or generated document: a history of its own, starting from
  // the document as it is now.
  void StartHistory() { history_.Start(doc_); }
  // The document was just saved as it is now.
  void Saved() { history_.MarkSaved(); }

  // A change under way (a node being dragged) or an operation that starts by
  // putting the results out of date (align, move objects): the effects now,
  // the step when the change finishes. The view is told once.
  void Mark(unsigned effects);
  // A command or a confirmed dialog has finished changing the document: the
  // effects, then whatever differs since the last step becomes the step
  // `stepName` (a translation entry), and the view is told once. False when
  // nothing differed and no step was made.
  bool Finish(int stepName, unsigned effects);
  // Take back the last step or make it again; the view is told once when the
  // document moved. OutOfStep: the history started again from the document.
  HistoryMove Undo();
  HistoryMove Redo();

private:
  void Apply(unsigned effects);

  ModelDocument& doc_;
  ChangeView& view_;
  DocumentHistory history_;
};

} // namespace strandel
