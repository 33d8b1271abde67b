#pragma once
#include <string>
#include <vector>

namespace strandel::cli {

// strandel-cli convert IN.qsd OUT.qsd
int RunConvert(const std::vector<std::string>& args);
extern const char* const kConvertUsage;

} // namespace strandel::cli
