#pragma once
// The allowed include arrows between the source folders, as written in the
// fenced `layers` block of docs/design/architecture.md, and the checks that keep
// that list itself free of cycles and of arrows across the build targets.

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace strandel::layer_check {

// A build target and the targets it links (core, render, app, cli).
struct TargetRule {
  std::string Name;
  std::set<std::string> Links;
};

// A folder of src/: its layer (an arrow points to a lower one), its target and
// the folders its files may include besides its own.
struct FolderRule {
  int Layer = 0;
  std::string Name;
  std::string Target;
  std::set<std::string> MayInclude;
};

// Files outside src/ (tests, benchmarks, fuzz targets) whose path starts with
// Prefix may include every folder of Target and of the targets it links, and the
// Extra folders (the tests' shared helpers in support/).
struct TreeRule {
  std::string Prefix;
  std::string Target;
  std::set<std::string> Extra;
};

struct LayerRules {
  std::map<std::string, TargetRule> Targets;
  std::vector<FolderRule> Folders; // in the order written
  std::vector<TreeRule> Trees;

  const FolderRule* Folder(std::string_view name) const;
  // The rule of the longest prefix of a path relative to the source root; null
  // when no tree rule covers it.
  const TreeRule* TreeOf(std::string_view path) const;
  // Whether a file under the tree may include the folder.
  bool TreeMayInclude(const TreeRule& tree, std::string_view folder) const;
};

// One complaint about the list, with its line in the document (1-based).
struct RuleError {
  int Line = 0;
  std::string Text;
};

struct ParsedRules {
  LayerRules Rules;
  std::vector<RuleError> Errors; // empty when the list can be used
};

// Reads the first fenced block opened by "```layers" in a Markdown text. Lines:
//   target NAME [LINKED...]
//   LAYER FOLDER TARGET [FOLDER...]     (the folders it may include)
//   tree PREFIX TARGET [EXTRA...]
// "#" starts a comment. Refused: no block, a malformed line, a name given twice,
// an unknown target or folder, an arrow to the same or a higher layer (which
// would allow a cycle), an arrow into a target the folder's target does not link.
ParsedRules ParseLayerRules(std::string_view markdown);

} // namespace strandel::layer_check
