#include "model/result_choice.h"

#include <algorithm>
#include <optional>

#include "common/number_text.h"
#include "common/text.h"
#include "common/text_entries.h"
#include "common/translation.h"

namespace strandel {
namespace {

// The rest of `text` after `word` and one blank, when it starts so.
std::optional<std::string_view> After(std::string_view text, std::string_view word) {
  if (text.size() <= word.size() + 1 || text.substr(0, word.size()) != word ||
      text[word.size()] != ' ')
    return std::nullopt;
  return Trim(text.substr(word.size() + 1));
}

} // namespace

ResultChoice ParseResultChoice(std::string_view text) {
  text = Trim(text);
  ResultChoice choice;
  for (const auto& [word, kind] :
       {std::pair<std::string_view, ResultKind>{"case", ResultKind::Case},
        {"combination", ResultKind::Combination}}) {
    if (const auto rest = After(text, word)) {
      const std::optional<std::int32_t> number = ParseStrictInteger(std::string(*rest));
      if (number && *number >= 1 && *number <= 65535) return {kind, *number};
      return {};
    }
  }
  if (const auto rest = After(text, "envelope")) {
    if (const auto kind = CombinationKindFromCode(*rest)) {
      choice.Kind = ResultKind::Envelope;
      choice.Envelope = *kind;
    }
  }
  return choice;
}

std::string ResultChoiceText(const ResultChoice& choice) {
  switch (choice.Kind) {
  case ResultKind::Default:
    return "";
  case ResultKind::Case:
    return "case " + std::to_string(choice.Number);
  case ResultKind::Combination:
    return "combination " + std::to_string(choice.Number);
  case ResultKind::Envelope:
    return std::string("envelope ") + CombinationKindCode(choice.Envelope);
  }
  return "";
}

std::vector<ResultEntry> ResultEntries(const std::vector<TLoadCase>& cases,
                                       const std::vector<TCombination>& combinations) {
  std::vector<ResultEntry> entries;
  if (cases.empty()) return entries;
  entries.push_back({{}, TranslatedOr(tr::kResultGoverning, "Governing ULS combination")});
  for (const TLoadCase& loadCase : cases) {
    entries.push_back({{ResultKind::Case, loadCase.Number},
                       Filled(TranslatedOr(tr::kResultCase, "Case %1: %2"),
                              {std::to_string(loadCase.Number), loadCase.Name})});
  }
  for (const TCombination& combination : combinations) {
    entries.push_back({{ResultKind::Combination, combination.Number},
                       Filled(TranslatedOr(tr::kResultCombination, "Combination %1: %2"),
                              {std::to_string(combination.Number), combination.Name})});
  }
  for (int k = 0; k < kCombinationKindCount; ++k) {
    const CombinationKind kind = static_cast<CombinationKind>(k);
    const bool present = std::any_of(combinations.begin(), combinations.end(),
                                     [kind](const TCombination& c) { return c.Kind == kind; });
    if (!present) continue;
    entries.push_back(
        {{ResultKind::Envelope, 0, kind},
         Filled(TranslatedOr(tr::kResultEnvelope, "Envelope %1"), {CombinationKindCode(kind)})});
  }
  return entries;
}

int EntryOf(const std::vector<ResultEntry>& entries, const ResultChoice& choice) {
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (entries[i].Choice == choice) return static_cast<int>(i);
  return 0;
}

} // namespace strandel
