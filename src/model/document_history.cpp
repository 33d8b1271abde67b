#include "model/document_history.h"

#include "common/text_entries.h"

namespace strandel {

DocumentHistory::DocumentHistory(std::size_t stepLimit, std::size_t memoryLimit)
    : stepLimit_(stepLimit), memoryLimit_(memoryLimit) {}

void DocumentHistory::Start(const ModelDocument& doc) {
  started_ = true;
  recorded_.Take(doc);
  steps_.clear();
  position_ = 0;
  stepBytes_ = 0;
  baseId_ = ++lastId_;
  savedId_ = doc.Modified ? 0 : baseId_;
}

bool DocumentHistory::Record(ModelDocument& doc, int nameEntry) {
  if (!started_) {
    Start(doc);
    return false;
  }
  ModelChange change = recorded_.Update(doc);
  if (change.Empty()) return false;
  DropRedoSteps();
  Step step;
  step.Name = nameEntry;
  step.Id = ++lastId_;
  step.Bytes = change.Bytes();
  step.Change = std::move(change);
  stepBytes_ += step.Bytes;
  steps_.push_back(std::move(step));
  position_ = steps_.size();
  doc.Modified = true;
  KeepWithinLimits();
  return true;
}

void DocumentHistory::DropRedoSteps() {
  while (steps_.size() > position_) {
    stepBytes_ -= steps_.back().Bytes;
    steps_.pop_back();
  }
}

void DocumentHistory::KeepWithinLimits() {
  // The newest step always stays, so the change just made can be taken back
  // even on a model whose one step outgrows the memory allowed.
  const std::size_t recordedBytes = recorded_.Bytes();
  while (steps_.size() > 1 &&
         (steps_.size() > stepLimit_ || stepBytes_ + recordedBytes > memoryLimit_)) {
    stepBytes_ -= steps_.front().Bytes;
    baseId_ = steps_.front().Id;
    steps_.pop_front();
    --position_;
  }
}

HistoryMove DocumentHistory::Undo(ModelDocument& doc) {
  return Move(doc, true);
}

HistoryMove DocumentHistory::Redo(ModelDocument& doc) {
  return Move(doc, false);
}

HistoryMove DocumentHistory::Move(ModelDocument& doc, bool backward) {
  Record(doc, tr::kStepChange);
  if (backward ? !CanUndo() : !CanRedo()) return HistoryMove::Nothing;
  const Step& step = backward ? steps_[position_ - 1] : steps_[position_];
  if (!recorded_.Apply(doc, step.Change,
                       backward ? ChangeDirection::Backward : ChangeDirection::Forward)) {
    Start(doc);
    return HistoryMove::OutOfStep;
  }
  position_ = backward ? position_ - 1 : position_ + 1;
  InvalidateResults(doc);
  doc.Modified = !AtSavedStep();
  return HistoryMove::Done;
}

void DocumentHistory::MarkSaved() {
  savedId_ = StateId();
}

} // namespace strandel
