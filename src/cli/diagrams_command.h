#pragma once
#include <string>
#include <vector>

namespace strandel::cli {

// strandel-cli diagrams MODEL.qsd --beam N [OUT.(png|pdf)] [--json] [--show N,T,M,V,Y,S,U]
int RunDiagrams(const std::vector<std::string>& args);
extern const char* const kDiagramsUsage;

} // namespace strandel::cli
