#pragma once
#include <string>
#include <vector>

namespace strandel::cli {

// strandel-cli report MODEL.qsd TEMPLATE.txt
int RunReport(const std::vector<std::string>& args);
extern const char* const kReportUsage;

} // namespace strandel::cli
