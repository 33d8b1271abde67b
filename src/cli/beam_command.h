#pragma once
#include <string>
#include <vector>

namespace strandel::cli {

// strandel-cli beam MODEL.qsd [--json]
int RunBeam(const std::vector<std::string>& args);
extern const char* const kBeamUsage;

} // namespace strandel::cli
