#pragma once
// What a report made by the batch front end says about when, by whom and where:
// today, the login name and the model's folder, unless the run environment fixes
// them so that a report comes out the same on every machine and every day.

#include <string>

#include "reports/report_parameters.h"

namespace strandel::cli {

// The variables that fix a report's date ("yyyy-mm-dd"), user name and the
// folder its model's long file name is given in. Unset or empty: not fixed.
inline constexpr const char* kReportDateVariable = "STRANDEL_REPORT_DATE";
inline constexpr const char* kReportUserVariable = "STRANDEL_REPORT_USER";
inline constexpr const char* kReportFolderVariable = "STRANDEL_REPORT_FOLDER";

struct CommandReportEnvironment {
  ReportEnvironment Environment;
  std::string DocumentFolder; // ends in "/"
  std::string Error;          // why the environment cannot be taken; empty when it can
};

// Today, the login name and the full folder of modelPath, each replaced by its
// variable where that is set; an Error when the date variable is not a date.
CommandReportEnvironment ReportEnvironmentFor(const std::string& modelPath);

} // namespace strandel::cli
