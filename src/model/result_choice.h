#pragma once
// Which results of a document with load cases are shown and listed: one case,
// one combination, or the envelope of the combinations of a kind. Stored as the
// document's "ResultSet": "" for the default (the ultimate combination that
// governs the design), "case 3", "combination 2", "envelope ULS".

#include <string>
#include <string_view>
#include <vector>

#include "model/load_cases.h"

namespace strandel {

enum class ResultKind { Default, Case, Combination, Envelope };

struct ResultChoice {
  ResultKind Kind = ResultKind::Default;
  long Number = 0; // of the case or combination
  CombinationKind Envelope = CombinationKind::Ultimate;

  bool operator==(const ResultChoice&) const = default;
};

// Text that names no result reads as the default.
ResultChoice ParseResultChoice(std::string_view text);
std::string ResultChoiceText(const ResultChoice& choice);

// One line of the result lists of the Model and Analysis pages.
struct ResultEntry {
  ResultChoice Choice;
  std::string Text; // in the loaded language: "Case 2: Snow", "Envelope ULS"
};

// "Governing ULS combination", every case, every combination, then the
// envelope of each kind of combination the document has; none without cases.
std::vector<ResultEntry> ResultEntries(const std::vector<TLoadCase>& cases,
                                       const std::vector<TCombination>& combinations);
// The line of `entries` that `choice` names; 0 (the default) when none does.
int EntryOf(const std::vector<ResultEntry>& entries, const ResultChoice& choice);

} // namespace strandel
