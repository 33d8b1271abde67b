#pragma once
// Load cases and combinations in words: the translated names of categories,
// duration classes and kinds, and a combination's factors as a sum.

#include <string>
#include <vector>

#include "model/load_cases.h"

namespace strandel {

// "Permanent (G)", "Snow (S)" ... in the language loaded.
std::string CategoryName(ActionCategory category);
// "Permanent" .. "Short-term", "Instantaneous".
std::string DurationName(DurationClass duration);
// "ULS", "SLS characteristic" ...
std::string CombinationKindName(CombinationKind kind);

// "1.35 x 1 + 1.5 x 3": each factor with every digit it was given, times the
// number of its case; empty for none.
std::string FactorsText(const std::vector<CaseFactor>& factors);

} // namespace strandel
