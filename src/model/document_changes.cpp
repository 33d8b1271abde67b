#include "model/document_changes.h"

namespace strandel {

void DocumentChanges::Apply(unsigned effects) {
  if (effects & kInvalidatesResults) InvalidateResults(doc_);
  if (effects & kMarksModified) doc_.Modified = true;
}

void DocumentChanges::Mark(unsigned effects) {
  Apply(effects);
  view_.ShowChange();
}

bool DocumentChanges::Finish(int stepName, unsigned effects) {
  Apply(effects);
  const bool recorded = history_.Record(doc_, stepName);
  view_.ShowChange();
  return recorded;
}

HistoryMove DocumentChanges::Undo() {
  const HistoryMove move = history_.Undo(doc_);
  if (move == HistoryMove::Done) view_.ShowChange();
  return move;
}

HistoryMove DocumentChanges::Redo() {
  const HistoryMove move = history_.Redo(doc_);
  if (move == HistoryMove::Done) view_.ShowChange();
  return move;
}

} // namespace strandel
