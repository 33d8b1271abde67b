#pragma once
#include <string>
#include <vector>

namespace strandel::cli {

// strandel-cli buckling MODEL.qsd [--json] [--combination N]
int RunBuckling(const std::vector<std::string>& args);
extern const char* const kBucklingUsage;

} // namespace strandel::cli
