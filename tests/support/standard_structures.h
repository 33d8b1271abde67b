#pragma once
// The standard structures shipped in data/Structures, as the tests find them.

#include <string>
#include <vector>

namespace strandel::testing {

// The full paths of every shipped structure (*.qsd under data/Structures, one
// folder deep and at its top).
std::vector<std::string> StandardStructures();

} // namespace strandel::testing
