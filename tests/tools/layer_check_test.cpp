#include "layer_check/layer_check.h"

#include <gtest/gtest.h>

#include <string>

#include "layer_check/include_scan.h"
#include "support/process.h"
#include "support/temp_folder.h"

namespace strandel::layer_check {
namespace {

using testing::TempFolder;

std::string Listed(std::string_view text) {
  std::string out;
  for (const IncludeLine& include : ListIncludes(text))
    out += std::to_string(include.Line) + (include.Angled ? " <" : " \"") + include.Path + "\n";
  return out;
}

TEST(IncludeScan, SeesTheDirectivesThePreprocessorSees) {
  struct Case {
    const char* Text;
    const char* Listed;
  };
  const Case cases[] = {
      {"#include \"model/document.h\"\n#include <vector>\n", "1 \"model/document.h\n2 <vector\n"},
      {"  #  include   \"a/b.h\"\r\n# include<c/d.h>\r\n", "1 \"a/b.h\n2 <c/d.h\n"},
      {"// #include \"app/x.h\"\nint x; // #include \"app/y.h\"\n", ""},
      {"/*\n#include \"app/x.h\"\n*/\n#include \"model/y.h\"\n", "4 \"model/y.h\n"},
      {"/* one */ int a; /* two\n#include \"app/x.h\" */\n", ""},
      {"/* open\nclose */ #include \"model/y.h\"\n", "2 \"model/y.h\n"},
      {"#include \"a/b.h\" /* a comment that goes on\n#include \"app/x.h\"\n*/\n", "1 \"a/b.h\n"},
      {"const char* s = \"/*\";\n#include \"model/y.h\"\n", "2 \"model/y.h\n"},
      {"#include \\\n  \"app/x.h\"\n#include \"c/d.h\"\n", "1 \"app/x.h\n3 \"c/d.h\n"},
      {"#define X 1\n#if 0\n#include \"app/x.h\"\n#endif\n", "3 \"app/x.h\n"}, // #if not evaluated
      {"#include MACRO_HEADER\n#include \"unclosed.h\n#includes \"x/y.h\"\n", ""},
      {"", ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Listed(c.Text), c.Listed) << c.Text;
  EXPECT_EQ(FolderOf("model/document.h"), "model");
  EXPECT_EQ(FolderOf("editor_harness.h"), "");
  EXPECT_EQ(FolderOf("../app/x.h"), "..");
}

const char* kRules = "# Layers\n"
                     "```layers\n"
                     "target core\n"
                     "target render core\n"
                     "target app render core\n"
                     "0 common core\n"
                     "1 model core common\n"
                     "2 render render common model\n"
                     "3 app app common model render\n"
                     "tree tests/ core support\n"
                     "tree tests/app/ app support\n"
                     "```\n";

// A small source tree in a temporary folder that obeys kRules.
void WriteCleanTree(const TempFolder& root) {
  root.Write("docs/design/architecture.md", kRules);
  root.Write("src/common/text.h", "#pragma once\n#include <string>\n");
  root.Write("src/model/document.h", "#pragma once\n#include \"common/text.h\"\n");
  root.Write("src/model/document.cpp",
             "#include \"model/document.h\"\n#include \"local.h\"\n#include \"common/text.h\"\n");
  root.Write("src/render/picture.cpp",
             "#include <QtGui/QPainter>\n#include \"model/document.h\"\n");
  root.Write("src/app/window.cpp", "#include \"render/picture.h\"\n#include \"app/other.h\"\n");
  root.Write("src/app/icons/readme.txt", "#include \"app/not/source.h\"\n");
  root.Write("tests/model/document_test.cpp",
             "#include <gtest/gtest.h>\n#include \"model/document.h\"\n#include "
             "\"support/temp_folder.h\"\n");
  root.Write("tests/app/window_test.cpp", "#include \"app/window.h\"\n");
  root.Write("bench/not_covered.cpp", "#include \"app/window.h\"\n");
}

std::string ViolationsOf(const TreeReport& report) {
  std::string text;
  for (const Violation& v : report.Violations)
    text += v.File + ":" + std::to_string(v.Line) + ": " + v.Text + "\n";
  return text;
}

LayerRules FixtureRules() {
  const ParsedRules parsed = ParseLayerRules(kRules);
  EXPECT_TRUE(parsed.Errors.empty());
  return parsed.Rules;
}

TEST(LayerCheck, ACleanTreePassesAndItsArrowsAreCounted) {
  TempFolder root;
  WriteCleanTree(root);
  const LayerRules rules = FixtureRules();
  const TreeReport report = CheckTree(root.Path(), rules);
  EXPECT_EQ(ViolationsOf(report), "");
  EXPECT_EQ(report.Files, 7); // the text file and the tree no rule covers are not read
  EXPECT_EQ(ArrowLines(report, rules),
            (std::vector<std::string>{"model -> common 2", "render -> model 1", "app -> render 1",
                                      "tests/ -> model 1, support 1", "tests/app/ -> app 1"}));
  // What the list allows and nobody uses is noted, so the list can be tightened.
  EXPECT_EQ(report.Notes,
            (std::vector<std::string>{"the allowed arrow render -> common is not used",
                                      "the allowed arrow app -> common is not used",
                                      "the allowed arrow app -> model is not used"}));
}

TEST(LayerCheck, NamesFileLineAndArrowOfEveryPlantedInclude) {
  struct Case {
    const char* File;
    const char* Text;
    const char* Violation;
  };
  const Case cases[] = {
      {"src/model/bad.cpp", "#include \"common/text.h\"\n#include \"render/picture.h\"\n",
       "src/model/bad.cpp:2: model -> render is not an allowed arrow\n"},
      {"src/common/bad.h", "#pragma once\n#include <model/document.h>\n",
       "src/common/bad.h:2: common -> model is not an allowed arrow\n"},
      {"src/render/deep/bad.cpp", "#include \"app/window.h\"\n",
       "src/render/deep/bad.cpp:1: render -> app is not an allowed arrow\n"},
      {"src/model/bad.cpp", "#include \"../app/window.h\"\n",
       "src/model/bad.cpp:1: \"../app/window.h\" climbs out of its folder\n"},
      {"src/model/bad.cpp", "#include \"model/../app/window.h\"\n",
       "src/model/bad.cpp:1: \"model/../app/window.h\" climbs out of its folder\n"},
      {"src/model/bad.cpp", "#include \"support/temp_folder.h\"\n",
       "src/model/bad.cpp:1: \"support/temp_folder.h\" names no folder of the layers list\n"},
      {"src/tools/helper.cpp", "#include \"model/document.h\"\n",
       "src/tools:0: src/tools is a folder the layers list does not name\n"},
      {"tests/model/bad_test.cpp", "#include \"app/window.h\"\n",
       "tests/model/bad_test.cpp:1: tests/ -> app is not an allowed arrow (tests/ builds against "
       "core)\n"},
      {"tests/app/bad_test.cpp", "#include \"render/picture.h\"\n#include \"../x/y.h\"\n",
       "tests/app/bad_test.cpp:2: \"../x/y.h\" climbs out of its folder\n"},
  };
  const LayerRules rules = FixtureRules();
  for (const Case& c : cases) {
    TempFolder root;
    WriteCleanTree(root);
    root.Write(c.File, c.Text);
    EXPECT_EQ(ViolationsOf(CheckTree(root.Path(), rules)), c.Violation) << c.File;
  }
}

TEST(LayerCheck, ListedFoldersWithoutFilesAreOnlyNoted) {
  TempFolder root;
  root.Write("src/common/text.h", "#pragma once\n");
  const TreeReport report = CheckTree(root.Path(), FixtureRules());
  EXPECT_EQ(ViolationsOf(report), "");
  EXPECT_EQ(report.Notes.size(), 3u);
  EXPECT_EQ(report.Notes[0], "src/model is listed but holds no files yet");
}

// The program as ctest runs it, on a tree with the project's own list: a
// planted include fails the build with its arrow named; the tree without it passes.
TEST(LayerCheck, TheProgramFailsOnAPlantedIncludeUnderTheProjectsList) {
  TempFolder root;
  root.Write("docs/design/architecture.md",
             testing::ReadBytes(STRANDEL_SOURCE_DIR "/docs/design/architecture.md"));
  root.Write("src/common/text.h", "#pragma once\n");
  root.Write("src/model/document.h", "#pragma once\n#include \"common/text.h\"\n");
  root.Write("src/render/picture.h", "#pragma once\n#include \"model/document.h\"\n");
  const auto clean = testing::RunProgram(STRANDEL_LAYER_CHECK, {root.Path()});
  EXPECT_EQ(clean.ExitCode, 0) << clean.Err;
  EXPECT_NE(clean.Out.find("render -> model 1"), std::string::npos) << clean.Out;
  EXPECT_NE(clean.Out.find("every arrow is allowed"), std::string::npos) << clean.Out;

  root.Write("src/model/profile.cpp",
             "#include \"model/document.h\"\n#include \"render/picture.h\"\n");
  const auto planted = testing::RunProgram(STRANDEL_LAYER_CHECK, {root.Path()});
  EXPECT_EQ(planted.ExitCode, 1);
  EXPECT_EQ(planted.Err, "src/model/profile.cpp:2: model -> render is not an allowed arrow\n");

  // A list the check cannot use fails with the line of the page.
  root.Write("docs/design/architecture.md", "```layers\ntarget core\n0 common gui\n```\n");
  const auto badList = testing::RunProgram(STRANDEL_LAYER_CHECK, {root.Path()});
  EXPECT_EQ(badList.ExitCode, 1);
  EXPECT_EQ(badList.Err, "docs/design/architecture.md:3: common: unknown target gui\n");

  EXPECT_EQ(testing::RunProgram(STRANDEL_LAYER_CHECK, {root.File("nothing")}).ExitCode, 2);
  EXPECT_EQ(testing::RunProgram(STRANDEL_LAYER_CHECK, {}).ExitCode, 2);
}

} // namespace
} // namespace strandel::layer_check
