#pragma once
#include <string>
#include <vector>

namespace strandel::cli {

// strandel-cli generate KIND -o OUT.qsd [--width W] [--height H] ...
int RunGenerate(const std::vector<std::string>& args);

} // namespace strandel::cli
