#pragma once
// The undo history of the document: every command that changes the model
// becomes one named step that can be taken back and made again exactly, and the
// history knows which step was saved, so undoing back to it leaves the document
// unmodified. Memory stays bounded: the oldest steps go first.

#include <cstddef>
#include <cstdint>
#include <deque>

#include "model/document.h"
#include "model/recorded_model.h"

namespace strandel {

enum class HistoryMove {
  Done,
  Nothing,  // no step to take back or make again
  OutOfStep // the model was not where the history left it: the history starts again
};

class DocumentHistory {
public:
  // At least a hundred steps; the 10,000-object model fits in 64 MB with them.
  static constexpr std::size_t kStepLimit = 100;
  static constexpr std::size_t kMemoryLimit = std::size_t{64} << 20;

  explicit DocumentHistory(std::size_t stepLimit = kStepLimit,
                           std::size_t memoryLimit = kMemoryLimit);

  // A new, opened or generated document: no steps. The document as it is now
  // counts as saved unless it is Modified.
  void Start(const ModelDocument& doc);

  // After a command: whatever changed in the model since the last step becomes
  // one step named by the translation entry `nameEntry`, the steps undone so
  // far are dropped, and the document is Modified. False when nothing changed
  // (Modified is then left alone).
  bool Record(ModelDocument& doc, int nameEntry);

  // Take back the last step, or make the last step taken back again. A change
  // not yet recorded is recorded first (as an unnamed change), so nothing is
  // lost. Results are invalidated; Modified tells whether the document differs
  // from the step that was saved.
  HistoryMove Undo(ModelDocument& doc);
  HistoryMove Redo(ModelDocument& doc);

  // The document was just saved as it is now.
  void MarkSaved();
  bool AtSavedStep() const { return StateId() == savedId_; }

  bool CanUndo() const { return position_ > 0; }
  bool CanRedo() const { return position_ < steps_.size(); }
  // The translation entries of the steps' names; 0 when there is none.
  int UndoName() const { return CanUndo() ? steps_[position_ - 1].Name : 0; }
  int RedoName() const { return CanRedo() ? steps_[position_].Name : 0; }
  std::size_t UndoCount() const { return position_; }
  std::size_t RedoCount() const { return steps_.size() - position_; }
  // Everything the history holds: the steps and its copy of the model.
  std::size_t MemoryBytes() const { return stepBytes_ + recorded_.Bytes(); }

private:
  struct Step {
    int Name = 0;
    std::uint64_t Id = 0; // the state the step leads to; states count from 1
    ModelChange Change;
    std::size_t Bytes = 0;
  };
  std::uint64_t StateId() const { return position_ == 0 ? baseId_ : steps_[position_ - 1].Id; }
  void DropRedoSteps();
  void KeepWithinLimits();
  HistoryMove Move(ModelDocument& doc, bool backward);

  std::size_t stepLimit_;
  std::size_t memoryLimit_;
  bool started_ = false;
  RecordedModel recorded_;
  std::deque<Step> steps_;
  std::size_t position_ = 0; // steps_[0 .. position_) are applied
  std::size_t stepBytes_ = 0;
  std::uint64_t lastId_ = 0;
  std::uint64_t baseId_ = 0;  // the state before the oldest step kept
  std::uint64_t savedId_ = 0; // 0: no state the history reaches was saved
};

} // namespace strandel
