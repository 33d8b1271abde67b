#include "cli/report_environment.h"

#include <cstdlib>
#include <filesystem>

#include "common/files.h"
#include "common/text.h"

namespace strandel::cli {
namespace {

// The folder the report names the document by: where the file is, in full.
std::string DocumentFolder(const std::string& modelPath) {
  std::error_code error;
  const std::filesystem::path full = std::filesystem::absolute(modelPath, error);
  return FolderOf(error ? modelPath : full.lexically_normal().string());
}

const char* Variable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && value[0] != '\0' ? value : nullptr;
}

} // namespace

CommandReportEnvironment ReportEnvironmentFor(const std::string& modelPath) {
  CommandReportEnvironment result{CurrentReportEnvironment(), DocumentFolder(modelPath), {}};
  if (const char* date = Variable(kReportDateVariable)) {
    CalendarDate fixed;
    if (ParseDate(date, fixed))
      result.Environment.CurrentDate = DateText(fixed);
    else
      result.Error =
          std::string(kReportDateVariable) + " is '" + date + "', not a date (yyyy-mm-dd)";
  }
  if (const char* user = Variable(kReportUserVariable)) result.Environment.CurrentUser = user;
  if (const char* folder = Variable(kReportFolderVariable)) {
    result.DocumentFolder = folder;
    if (result.DocumentFolder.back() != '/') result.DocumentFolder += '/';
  }
  return result;
}

} // namespace strandel::cli
