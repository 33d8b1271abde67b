#pragma once
#include <string>
#include <vector>

namespace strandel::cli {

// strandel-cli eval [--json] EXPR [EXPR ...]
int RunEval(const std::vector<std::string>& args);
extern const char* const kEvalUsage;

} // namespace strandel::cli
