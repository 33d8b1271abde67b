#include "model/load_case_texts.h"

#include "common/number_text.h"
#include "common/text_entries.h"
#include "common/translation.h"

namespace strandel {

std::string CategoryName(ActionCategory category) {
  return Translated(tr::kCategoryPermanent + static_cast<int>(category));
}

std::string DurationName(DurationClass duration) {
  if (duration == DurationClass::Instantaneous) return Translated(tr::kLoadDurationInstantaneous);
  return Translated(tr::kLoadDurationPermanent + static_cast<int>(duration));
}

std::string CombinationKindName(CombinationKind kind) {
  return Translated(tr::kCombinationKindUltimate + static_cast<int>(kind));
}

std::string FactorsText(const std::vector<CaseFactor>& factors) {
  std::string sum;
  for (const CaseFactor& part : factors)
    sum +=
        (sum.empty() ? "" : " + ") + FormatGeneral(part.Factor) + " x " + std::to_string(part.Case);
  return sum;
}

} // namespace strandel
