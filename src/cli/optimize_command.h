#pragma once
#include <string>
#include <vector>

namespace strandel::cli {

// strandel-cli optimize MODEL.qsd -o OUT.qsd [--objective ...] [--algorithm ...]
//   [--variables ...] [--max-iterations K]
int RunOptimize(const std::vector<std::string>& args);
extern const char* const kOptimizeUsage;

} // namespace strandel::cli
