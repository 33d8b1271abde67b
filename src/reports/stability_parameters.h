#pragma once
// The parameters of the frame's stability: whether the results are second
// order and alpha_cr, of the result shown and of each combination.

#include <string>

#include "reports/report_parameters.h"

namespace strandel {

// "On"/"Off" of the "Second order effects" switch (Dim_SecondOrderStr).
std::string SecondOrderRuleText(ParameterScope& scope);
// "second order" or "first order": the results shown (Result_Order), and
// those of the combination of the line (Comb_Order).
std::string ResultOrderText(ParameterScope& scope);
std::string CombinationOrderText(ParameterScope& scope);
// alpha_cr of the load set that buckles first (Result_AlphaCr) and its
// combination's number (Result_AlphaCrComb, empty without cases); alpha_cr of
// the combination of the line (Comb_AlphaCr, empty for one that is not
// ultimate).
std::string LowestCriticalFactor(ParameterScope& scope);
std::string LowestCriticalCombination(ParameterScope& scope);
std::string CombinationCriticalFactor(ParameterScope& scope);

} // namespace strandel
