#include "layer_check/layer_rules.h"

#include <gtest/gtest.h>

#include <string>

#include "support/temp_folder.h"

namespace strandel::layer_check {
namespace {

// The targets of the project and three folders, as the design page writes them.
const std::string kTargets = "target core\n"
                             "target render core\n"
                             "target app render core\n";

std::string Page(const std::string& lines) {
  return "# Layers\n\nSome prose.\n\n```text\n0 not read here\n```\n\n```layers\n" + kTargets +
         lines + "```\n\nMore prose.\n";
}

std::string ErrorsOf(const ParsedRules& parsed) {
  std::string text;
  for (const RuleError& error : parsed.Errors)
    text += std::to_string(error.Line) + ": " + error.Text + "\n";
  return text;
}

TEST(LayerRules, ReadsTargetsFoldersAndTreesFromTheFencedBlock) {
  const ParsedRules parsed = ParseLayerRules(Page("0 common core\n"
                                                  "1 model core common # the document\n"
                                                  "2 render render common model\n"
                                                  "3 app app common model render\n"
                                                  "tree tests/ core support\n"
                                                  "tree tests/app/ app\n"));
  ASSERT_EQ(ErrorsOf(parsed), "");
  const LayerRules& rules = parsed.Rules;
  ASSERT_EQ(rules.Folders.size(), 4u);
  EXPECT_EQ(rules.Folder("model")->MayInclude, (std::set<std::string>{"common"}));
  EXPECT_EQ(rules.Folder("render")->Target, "render");
  EXPECT_EQ(rules.Folder("tests"), nullptr);

  // The longest prefix decides; a tree reaches its target, the targets it links
  // and its extras.
  EXPECT_EQ(rules.TreeOf("tests/app/window_test.cpp")->Prefix, "tests/app/");
  EXPECT_EQ(rules.TreeOf("tests/model/document_test.cpp")->Prefix, "tests/");
  EXPECT_EQ(rules.TreeOf("bench/x.cpp"), nullptr);
  const TreeRule& core = *rules.TreeOf("tests/model/x.cpp");
  EXPECT_TRUE(rules.TreeMayInclude(core, "model"));
  EXPECT_TRUE(rules.TreeMayInclude(core, "support"));
  EXPECT_FALSE(rules.TreeMayInclude(core, "render"));
  EXPECT_FALSE(rules.TreeMayInclude(core, "gtest"));
  const TreeRule& app = *rules.TreeOf("tests/app/x.cpp");
  EXPECT_TRUE(rules.TreeMayInclude(app, "render"));
  EXPECT_TRUE(rules.TreeMayInclude(app, "app"));
  EXPECT_FALSE(rules.TreeMayInclude(app, "support"));
}

TEST(LayerRules, RefusesAListThatWouldAllowACycleOrCrossATarget) {
  // Block lines start at line 10 of the page; the targets take three.
  struct Case {
    const char* Lines;
    const char* Error; // the start of the expected complaint, with its line
  };
  const Case cases[] = {
      {"0 common core\n1 model core common\n1 sections core model\n",
       "15: sections -> model points from layer 1 to layer 1"},
      {"0 common core model\n1 model core common\n",
       "13: common -> model points from layer 0 to layer 1"},
      {"0 common core\n1 render render common\n2 model core render\n",
       "15: model -> render crosses from target core into render"},
      {"0 common core\n1 app app\n2 render render app\n",
       "15: render -> app crosses from target render into app"},
      {"0 common core\n1 model core common units\n",
       "14: model -> units: units is not a folder of the list"},
      {"0 common core\n1 model core model\n", "14: model -> model: a folder includes its own"},
      {"0 common core\n1 model gui common\n", "14: model: unknown target gui"},
      {"0 common core\n0 common core\n", "14: folder common is written twice"},
      {"target tool later\n0 common core\n", "13: tool links later, which is not a target"},
      {"target core\n0 common core\n", "13: target core is written twice"},
      {"0 common\n", "13: a folder line gives layer, folder and target"},
      {"common core\n", "13: \"common\" starts no line"},
      {"-1 common core\n", "13: \"-1\" starts no line"},
      {"0 common core\ntree tests/ gui\n", "14: tests/: unknown target gui"},
      {"0 common core\ntree tests/\n", "14: a tree line gives a path prefix and a target"},
      {"# only a comment\n", "10: the list names no folder"},
  };
  for (const Case& c : cases) {
    const std::string errors = ErrorsOf(ParseLayerRules(Page(c.Lines)));
    EXPECT_NE(errors.find(c.Error), std::string::npos) << c.Lines << "gave\n" << errors;
  }
}

TEST(LayerRules, ABlockMissingOrNeverClosedIsNoList) {
  for (const char* page : {"no block at all\n", "```layers\n0 common core\n",
                           "```layer\ntarget core\n0 common core\n```\n",
                           "```layers-old\ntarget core\n0 common core\n```\n", ""}) {
    const ParsedRules parsed = ParseLayerRules(page);
    ASSERT_EQ(parsed.Errors.size(), 1u) << page;
    EXPECT_EQ(parsed.Errors[0].Text, "no closed ```layers block") << page;
  }
  // CR LF line ends and blanks around the fence read as well.
  const ParsedRules crlf =
      ParseLayerRules("text\r\n  ```layers  \r\ntarget core\r\n0 common core\r\n```\r\n");
  EXPECT_EQ(ErrorsOf(crlf), "");
  EXPECT_NE(crlf.Rules.Folder("common"), nullptr);
}

// The list the project keeps, read as the build reads it: the lines the
// targets draw hold whatever anyone adds to it.
TEST(LayerRules, TheProjectsListKeepsTheTargetLines) {
  const ParsedRules parsed =
      ParseLayerRules(testing::ReadBytes(STRANDEL_SOURCE_DIR "/docs/design/architecture.md"));
  ASSERT_EQ(ErrorsOf(parsed), "");
  const LayerRules& rules = parsed.Rules;
  const std::set<std::string> programs{"app", "cli"};
  for (const FolderRule& folder : rules.Folders) {
    for (const std::string& to : folder.MayInclude) {
      const std::string& toTarget = rules.Folder(to)->Target;
      EXPECT_FALSE(programs.contains(to)) << folder.Name << " -> " << to;
      if (folder.Target == "core") {
        EXPECT_EQ(toTarget, "core") << folder.Name << " -> " << to;
      }
      if (folder.Target == "render") {
        EXPECT_TRUE(toTarget == "core" || toTarget == "render") << folder.Name << " -> " << to;
      }
    }
  }
  // The editor's drawing and the optimizer's node moves need no editing code.
  EXPECT_FALSE(rules.Folder("render")->MayInclude.contains("editor"));
  EXPECT_FALSE(rules.Folder("optimizer")->MayInclude.contains("editor"));
  EXPECT_FALSE(rules.Folder("model")->MayInclude.contains("sections"));
  // Only the window uses the dialogs' rules.
  for (const FolderRule& folder : rules.Folders)
    EXPECT_EQ(folder.MayInclude.contains("dialogs"), folder.Name == "app") << folder.Name;
  // Core tests and fuzz targets build without Qt.
  for (const char* path : {"tests/model/x_test.cpp", "tests/support/x.h", "fuzz/x_fuzz.cpp",
                           "tests/cli/x_test.cpp", "bench/solver_bench.cpp"}) {
    const TreeRule* tree = rules.TreeOf(path);
    ASSERT_NE(tree, nullptr) << path;
    EXPECT_FALSE(rules.TreeMayInclude(*tree, "render")) << path;
    EXPECT_FALSE(rules.TreeMayInclude(*tree, "app")) << path;
    EXPECT_FALSE(rules.TreeMayInclude(*tree, "cli")) << path;
  }
}

} // namespace
} // namespace strandel::layer_check
