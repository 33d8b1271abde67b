#pragma once
#include <string>
#include <vector>

namespace strandel::cli {

// strandel-cli solve MODEL.qsd [--json]
int RunSolve(const std::vector<std::string>& args);
extern const char* const kSolveUsage;

} // namespace strandel::cli
