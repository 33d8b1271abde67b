#pragma once
// Which results of a document with load cases are shown and listed: one case,
// one combination, or the envelope of the combinations of a kind. Stored as the
// document's "ResultSet": "" for the default (the ultimate combination that
// governs the design), "case 3", "combination 2", "envelope ULS".

#include <string>
#include <string_view>

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

} // namespace strandel
