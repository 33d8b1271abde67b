#include "model/result_choice.h"

#include <optional>

#include "common/number_text.h"
#include "common/text.h"

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

} // namespace strandel
