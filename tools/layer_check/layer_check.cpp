#include "layer_check/layer_check.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "layer_check/include_scan.h"

namespace strandel::layer_check {
namespace {

namespace fs = std::filesystem;

bool IsSourceFile(const fs::path& path) {
  static const std::set<std::string> kExtensions{".h",   ".hpp", ".hh", ".inl",
                                                 ".cpp", ".cc",  ".cxx"};
  return kExtensions.contains(path.extension().string());
}

std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The source files below `folder`, as paths relative to `root`, sorted so the
// report reads the same on every machine.
std::vector<std::string> SourceFiles(const fs::path& root, const fs::path& folder) {
  std::vector<std::string> files;
  std::error_code error;
  for (fs::recursive_directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    if (it->is_regular_file(error) && IsSourceFile(it->path()))
      files.push_back(it->path().lexically_relative(root).generic_string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

bool ClimbsOut(std::string_view path) {
  return path.starts_with("../") || path.find("/../") != std::string_view::npos;
}

class Checker {
public:
  Checker(const fs::path& root, const LayerRules& rules) : root_(root), rules_(rules) {}

  void SourceFolder(const std::string& name) {
    const FolderRule* rule = rules_.Folder(name);
    if (!rule) {
      Fail("src/" + name, 0, "src/" + name + " is a folder the layers list does not name");
      return;
    }
    for (const std::string& file : SourceFiles(root_, root_ / "src" / name)) {
      ++report_.Files;
      for (const IncludeLine& include : ListIncludes(ReadText(root_ / file)))
        SourceInclude(*rule, file, include);
    }
  }

  void TreeFiles(const std::string& top) {
    for (const std::string& file : SourceFiles(root_, root_ / top)) {
      const TreeRule* tree = rules_.TreeOf(file);
      if (!tree) continue;
      ++report_.Files;
      for (const IncludeLine& include : ListIncludes(ReadText(root_ / file)))
        TreeInclude(*tree, file, include);
    }
  }

  TreeReport Finish() {
    for (const FolderRule& folder : rules_.Folders) {
      if (!fs::is_directory(root_ / "src" / folder.Name)) {
        report_.Notes.push_back("src/" + folder.Name + " is listed but holds no files yet");
        continue;
      }
      for (const std::string& to : folder.MayInclude) {
        if (!report_.Arrows.contains({folder.Name, to}))
          report_.Notes.push_back("the allowed arrow " + folder.Name + " -> " + to +
                                  " is not used");
      }
    }
    return std::move(report_);
  }

private:
  void Fail(const std::string& file, int line, std::string text) {
    report_.Violations.push_back({file, line, std::move(text)});
  }

  void SourceInclude(const FolderRule& rule, const std::string& file, const IncludeLine& include) {
    if (ClimbsOut(include.Path))
      return Fail(file, include.Line, "\"" + include.Path + "\" climbs out of its folder");
    const std::string to(FolderOf(include.Path));
    if (to.empty() || to == rule.Name) return;
    if (!rules_.Folder(to)) {
      // <QtGui/qpainter.h> and the like are libraries; a quoted path names ours.
      if (!include.Angled)
        Fail(file, include.Line, "\"" + include.Path + "\" names no folder of the layers list");
      return;
    }
    ++report_.Arrows[{rule.Name, to}];
    if (!rule.MayInclude.contains(to))
      Fail(file, include.Line, rule.Name + " -> " + to + " is not an allowed arrow");
  }

  void TreeInclude(const TreeRule& tree, const std::string& file, const IncludeLine& include) {
    if (ClimbsOut(include.Path))
      return Fail(file, include.Line, "\"" + include.Path + "\" climbs out of its folder");
    const std::string to(FolderOf(include.Path));
    if (to.empty() || (!rules_.Folder(to) && !tree.Extra.contains(to))) return;
    ++report_.Arrows[{tree.Prefix, to}];
    if (!rules_.TreeMayInclude(tree, to))
      Fail(file, include.Line,
           tree.Prefix + " -> " + to + " is not an allowed arrow (" + tree.Prefix +
               " builds against " + tree.Target + ")");
  }

  fs::path root_;
  const LayerRules& rules_;
  TreeReport report_;
};

} // namespace

TreeReport CheckTree(const std::string& root, const LayerRules& rules) {
  Checker checker(root, rules);
  std::error_code error;
  std::vector<std::string> folders;
  for (fs::directory_iterator it(fs::path(root) / "src", error), end; !error && it != end;
       it.increment(error)) {
    if (it->is_directory(error)) folders.push_back(it->path().filename().string());
  }
  std::sort(folders.begin(), folders.end());
  for (const std::string& folder : folders)
    checker.SourceFolder(folder);
  // Each top folder once, however many tree rules start in it.
  std::set<std::string> tops;
  for (const TreeRule& tree : rules.Trees)
    tops.insert(tree.Prefix.substr(0, tree.Prefix.find('/')));
  for (const std::string& top : tops) {
    if (top != "src") checker.TreeFiles(top);
  }
  return checker.Finish();
}

std::vector<std::string> ArrowLines(const TreeReport& report, const LayerRules& rules) {
  std::vector<std::string> order;
  for (const FolderRule& folder : rules.Folders)
    order.push_back(folder.Name);
  for (const TreeRule& tree : rules.Trees)
    order.push_back(tree.Prefix);
  std::vector<std::string> lines;
  for (const std::string& from : order) {
    std::string line;
    for (const auto& [arrow, count] : report.Arrows) {
      if (arrow.first != from) continue;
      line += (line.empty() ? from + " -> " : ", ") + arrow.second + " " + std::to_string(count);
    }
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

} // namespace strandel::layer_check
