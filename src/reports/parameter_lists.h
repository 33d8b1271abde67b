#pragma once
// The parameter lists, each built in the source file of its subject; the
// lookup over all of them is report_parameters.cpp.

#include <vector>

#include "reports/report_parameters.h"

namespace strandel {

const std::vector<ReportParameter>& BeamParameters();         // beam_parameters.cpp
const std::vector<ReportParameter>& SupportParameters();      // support_parameters.cpp
const std::vector<ReportParameter>& UnitParameters();         // unit_parameters.cpp
const std::vector<ReportParameter>& DimensioningParameters(); // model_parameters.cpp
const std::vector<ReportParameter>& ModelParameters();        // model_parameters.cpp
const std::vector<ReportParameter>& DocumentParameters();     // model_parameters.cpp
const std::vector<ReportParameter>& EnvironmentParameters();  // model_parameters.cpp
const std::vector<ReportParameter>& NodeParameters();         // load_parameters.cpp
const std::vector<ReportParameter>& LoadParameters();         // load_parameters.cpp
const std::vector<ReportParameter>& ForceParameters();        // load_parameters.cpp
const std::vector<ReportParameter>& MomentParameters();       // load_parameters.cpp
const std::vector<ReportParameter>& BalanceParameters();      // load_parameters.cpp
const std::vector<ReportParameter>& LoadCaseParameters();     // case_parameters.cpp
const std::vector<ReportParameter>& CombinationParameters();  // case_parameters.cpp
const std::vector<ReportParameter>& ResultParameters();       // case_parameters.cpp

} // namespace strandel
