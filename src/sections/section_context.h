#pragma once
// What one operation on sections and capacities carries along (an analysis run,
// one refresh of the beam dialog, one batch listing): the notes meant for the
// user, shown once when the operation ends rather than once per value, and the
// index of the frame's connections that buckling lengths walk, built once.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/load_cases.h"

namespace strandel {

struct ModelDocument;
class FrameConnections;
class UserMessages;

enum class SectionNote {
  VanishingArea, // a profile whose area is (nearly) zero: "A=" and the value
};

class SectionContext {
public:
  SectionContext();
  ~SectionContext();
  SectionContext(const SectionContext&) = delete;
  SectionContext& operator=(const SectionContext&) = delete;

  // Keeps the first text of each kind; later notes of that kind are dropped, so
  // a model of a thousand broken beams gives one message, not a thousand.
  void Note(SectionNote kind, std::string text);
  // The kept texts, in the order their kinds were first met.
  std::vector<std::string> NoteTexts() const;
  // Shows each kept text once and forgets them.
  void ShowNotes(UserMessages& messages);

  // The nodes, beams and supports of `doc`, indexed the first time they are
  // asked for. The index belongs to one operation: it assumes the model's
  // objects are not added, removed or renumbered while the context lives (it is
  // rebuilt when asked about another document).
  const FrameConnections& Connections(const ModelDocument& doc);

  // The load duration timber is checked for: that of the load combination
  // being checked, in place of each beam's own "Load duration" choice. None:
  // the beam's own choice.
  void SetDuration(std::optional<DurationClass> duration) { duration_ = duration; }
  std::optional<DurationClass> Duration() const { return duration_; }

private:
  std::optional<DurationClass> duration_;
  std::vector<std::pair<SectionNote, std::string>> notes_;
  std::unique_ptr<FrameConnections> connections_;
  const ModelDocument* indexed_ = nullptr;
};

} // namespace strandel
