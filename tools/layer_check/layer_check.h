#pragma once
// Reads every source file of a source tree, lists the include arrows between its
// folders and names each one the allowed list does not hold.

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "layer_check/layer_rules.h"

namespace strandel::layer_check {

// One include the list does not allow (or that dodges the check).
struct Violation {
  std::string File; // relative to the source root
  int Line = 0;
  std::string Text; // "model -> sections is not an allowed arrow", ...
};

struct TreeReport {
  // (from, to) -> number of include lines. From is a folder of src/, or the
  // prefix of a tree rule for files outside src/.
  std::map<std::pair<std::string, std::string>, int> Arrows;
  std::vector<Violation> Violations;
  std::vector<std::string> Notes; // allowed arrows nobody uses, listed folders without files
  int Files = 0;
};

// The files of src/<folder>/ (and below) follow the folder's arrows; those under
// the top folders the tree rules name (tests/, bench/, fuzz/) follow their tree
// rule. A folder of src/ the list does not name is a violation, as is an include
// of a path that climbs out with "..".
TreeReport CheckTree(const std::string& root, const LayerRules& rules);

// The arrows as lines "from -> to count, to count, ..." in the order of the list.
std::vector<std::string> ArrowLines(const TreeReport& report, const LayerRules& rules);

} // namespace strandel::layer_check
