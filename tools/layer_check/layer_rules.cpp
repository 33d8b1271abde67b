#include "layer_check/layer_rules.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <sstream>

namespace strandel::layer_check {
namespace {

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
    s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
    s.remove_suffix(1);
  return s;
}

std::vector<std::string> Words(std::string_view line) {
  std::vector<std::string> words;
  std::istringstream in{std::string(line)};
  for (std::string word; in >> word;)
    words.push_back(word);
  return words;
}

bool IsLayerNumber(const std::string& word, int& layer) {
  if (word.empty() ||
      !std::all_of(word.begin(), word.end(), [](unsigned char c) { return std::isdigit(c) != 0; }))
    return false;
  const auto [end, failed] = std::from_chars(word.data(), word.data() + word.size(), layer);
  return failed == std::errc() && end == word.data() + word.size();
}

// The lines of the first ```layers block with their line numbers in the text.
struct BlockLine {
  int Line;
  std::string_view Text;
};
bool FindBlock(std::string_view text, std::vector<BlockLine>& lines) {
  bool inside = false;
  int number = 0;
  std::size_t at = 0;
  while (at <= text.size()) {
    const std::size_t end = std::min(text.find('\n', at), text.size());
    const std::string_view line = Trimmed(text.substr(at, end - at));
    ++number;
    if (inside) {
      if (line.starts_with("```")) return true;
      lines.push_back({number, line});
    } else if (line.starts_with("```layers") && Trimmed(line.substr(9)).empty()) {
      inside = true;
    }
    if (end == text.size()) break;
    at = end + 1;
  }
  return false; // no block, or one that never closes
}

class Parser {
public:
  explicit Parser(ParsedRules& out) : out_(out) {}

  void Line(int line, std::string_view text) {
    const std::size_t comment = text.find('#');
    const std::vector<std::string> words = Words(text.substr(0, comment));
    if (words.empty()) return;
    int layer = 0;
    if (words[0] == "target") {
      Target(line, words);
    } else if (words[0] == "tree") {
      Tree(line, words);
    } else if (IsLayerNumber(words[0], layer)) {
      Folder(line, layer, words);
    } else {
      Error(line,
            "\"" + words[0] + "\" starts no line of the list (target, tree or a layer number)");
    }
  }

  // What a line names must exist, and every arrow must point down and stay
  // within what its target links.
  void Validate() {
    const LayerRules& rules = out_.Rules;
    for (const FolderRule& folder : rules.Folders) {
      const int line = folderLines_[folder.Name];
      const auto target = rules.Targets.find(folder.Target);
      if (target == rules.Targets.end()) {
        Error(line, folder.Name + ": unknown target " + folder.Target);
        continue;
      }
      for (const std::string& name : folder.MayInclude) {
        const FolderRule* lower = rules.Folder(name);
        const std::string arrow = folder.Name + " -> " + name;
        if (!lower) {
          Error(line, arrow + ": " + name + " is not a folder of the list");
        } else if (name == folder.Name) {
          Error(line, arrow + ": a folder includes its own files without an arrow");
        } else if (lower->Layer >= folder.Layer) {
          Error(line, arrow + " points from layer " + std::to_string(folder.Layer) + " to layer " +
                          std::to_string(lower->Layer) + "; arrows point to lower layers");
        } else if (lower->Target != folder.Target &&
                   !target->second.Links.contains(lower->Target)) {
          Error(line, arrow + " crosses from target " + folder.Target + " into " + lower->Target +
                          ", which " + folder.Target + " does not link");
        }
      }
    }
    for (const TreeRule& tree : rules.Trees) {
      if (!rules.Targets.contains(tree.Target))
        Error(treeLines_[tree.Prefix], tree.Prefix + ": unknown target " + tree.Target);
    }
  }

private:
  void Error(int line, std::string text) { out_.Errors.push_back({line, std::move(text)}); }

  void Target(int line, const std::vector<std::string>& words) {
    if (words.size() < 2) return Error(line, "a target line names the target");
    TargetRule target{words[1], {}};
    for (std::size_t i = 2; i < words.size(); ++i) {
      // Only targets written above may be linked, so the links have no cycle.
      if (!out_.Rules.Targets.contains(words[i]))
        Error(line, target.Name + " links " + words[i] + ", which is not a target written above");
      target.Links.insert(words[i]);
    }
    if (!out_.Rules.Targets.emplace(target.Name, target).second)
      Error(line, "target " + target.Name + " is written twice");
  }

  void Folder(int line, int layer, const std::vector<std::string>& words) {
    if (words.size() < 3) return Error(line, "a folder line gives layer, folder and target");
    FolderRule folder{layer, words[1], words[2], {words.begin() + 3, words.end()}};
    if (!folderLines_.emplace(folder.Name, line).second)
      return Error(line, "folder " + folder.Name + " is written twice");
    out_.Rules.Folders.push_back(std::move(folder));
  }

  void Tree(int line, const std::vector<std::string>& words) {
    if (words.size() < 3) return Error(line, "a tree line gives a path prefix and a target");
    TreeRule tree{words[1], words[2], {words.begin() + 3, words.end()}};
    if (!treeLines_.emplace(tree.Prefix, line).second)
      return Error(line, "tree " + tree.Prefix + " is written twice");
    out_.Rules.Trees.push_back(std::move(tree));
  }

  ParsedRules& out_;
  std::map<std::string, int> folderLines_;
  std::map<std::string, int> treeLines_;
};

} // namespace

const FolderRule* LayerRules::Folder(std::string_view name) const {
  const auto found = std::find_if(Folders.begin(), Folders.end(),
                                  [&](const FolderRule& folder) { return folder.Name == name; });
  return found == Folders.end() ? nullptr : &*found;
}

const TreeRule* LayerRules::TreeOf(std::string_view path) const {
  const TreeRule* best = nullptr;
  for (const TreeRule& tree : Trees) {
    if (path.starts_with(tree.Prefix) && (!best || tree.Prefix.size() > best->Prefix.size()))
      best = &tree;
  }
  return best;
}

bool LayerRules::TreeMayInclude(const TreeRule& tree, std::string_view folder) const {
  if (tree.Extra.contains(std::string(folder))) return true;
  const FolderRule* rule = Folder(folder);
  if (!rule) return false;
  if (rule->Target == tree.Target) return true;
  const auto target = Targets.find(tree.Target);
  return target != Targets.end() && target->second.Links.contains(rule->Target);
}

ParsedRules ParseLayerRules(std::string_view markdown) {
  ParsedRules out;
  std::vector<BlockLine> lines;
  if (!FindBlock(markdown, lines)) {
    out.Errors.push_back({0, "no closed ```layers block"});
    return out;
  }
  Parser parser(out);
  for (const BlockLine& line : lines)
    parser.Line(line.Line, line.Text);
  parser.Validate();
  if (out.Errors.empty() && out.Rules.Folders.empty())
    out.Errors.push_back({lines.empty() ? 0 : lines.front().Line, "the list names no folder"});
  return out;
}

} // namespace strandel::layer_check
