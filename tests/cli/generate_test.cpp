// strandel-cli generate, driven as a user's script drives it.

#include <gtest/gtest.h>

#include "model/document_file.h"
#include "support/process.h"
#include "support/temp_folder.h"

namespace strandel {
namespace {

testing::ProcessResult Cli(const std::vector<std::string>& args) {
  return testing::RunProgram(STRANDEL_CLI, args);
}

int Count(const ModelDocument& doc, ObjectKind kind) {
  int count = 0;
  for (const auto& object : doc.GraphObjects)
    count += KindOf(*object) == kind;
  return count;
}

TEST(CliGenerate, EveryKindAtItsPresets) {
  testing::TempFolder folder;
  const struct {
    const char* kind;
    int nodes, beams, loads, supports;
  } kinds[] = {{"frame", 16, 16, 4, 4},
               {"tower", 10, 21, 0, 2},
               {"truss-girder", 8, 12, 1, 2},
               {"arch", 9, 8, 8, 2},
               {"suspension-bridge", 20, 20, 1, 4}};
  for (const auto& k : kinds) {
    const std::string out = folder.File(std::string(k.kind) + ".qsd");
    const auto result = Cli({"generate", k.kind, "-o", out});
    ASSERT_EQ(result.ExitCode, 0) << result.Err;
    ModelDocument doc;
    ASSERT_TRUE(LoadDocument(out, doc).ok);
    EXPECT_EQ(Count(doc, ObjectKind::Node), k.nodes) << k.kind;
    EXPECT_EQ(Count(doc, ObjectKind::Beam), k.beams) << k.kind;
    EXPECT_EQ(Count(doc, ObjectKind::Load), k.loads) << k.kind;
    EXPECT_EQ(Count(doc, ObjectKind::Support), k.supports) << k.kind;
    EXPECT_EQ(doc.CreationVersion, "3.1.4");
  }
}

TEST(CliGenerate, GivenValuesAreCorrectedAsTheDialogDoes) {
  testing::TempFolder folder;
  const std::string out = folder.File("frame.qsd");
  ASSERT_EQ(Cli({"generate", "frame", "-o", out, "--length-sections", "4", "--height-sections",
                 "10", "--width", "8", "--load", "-2500"})
                .ExitCode,
            0);
  ModelDocument doc;
  ASSERT_TRUE(LoadDocument(out, doc).ok);
  // 4 bays and 25 / 4 rounded to 6 storeys.
  EXPECT_EQ(Count(doc, ObjectKind::Node), 5 * 7);
  EXPECT_EQ(FindNode(doc, 35)->X, 4);
  EXPECT_EQ(FindLoad(doc, 1)->Value, -2500);
}

TEST(CliGenerate, TheTemplateBeamComesFromTheSettings) {
  testing::TempFolder folder;
  const std::string settings = folder.Write(
      "custom.ini", "[Default-Settings]\r\nLastBeamStr=2;1;1;2;;;;;;;;;;S235;STEEL\r\n");
  const std::string out = folder.File("tower.qsd");
  ASSERT_EQ(Cli({"generate", "tower", "-o", out, "--settings", settings}).ExitCode, 0);
  ModelDocument doc;
  ASSERT_TRUE(LoadDocument(out, doc).ok);
  EXPECT_EQ(FindBeam(doc, 1)->MtrlName, "S235");
  EXPECT_EQ(FindBeam(doc, 1)->MtrlType, "STEEL");
}

TEST(CliGenerate, WrongRequestsGiveStatusTwoAndNoFile) {
  testing::TempFolder folder;
  const std::string out = folder.File("x.qsd");
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"generate", "dome", "-o", out},
        {"generate", "arch"},
        {"generate", "arch", "-o", out, "--width", "-1"},
        {"generate", "arch", "-o", out, "--length-sections", "0.5"},
        {"generate", "arch", "-o", out, "--load", "heavy"},
        {"generate", "arch", "-o", folder.File("none/x.qsd")}}) {
    const auto result = Cli(args);
    EXPECT_EQ(result.ExitCode, 2) << args[1];
    EXPECT_FALSE(result.Err.empty());
  }
  EXPECT_TRUE(testing::FolderContents(folder.Path()).empty());
  EXPECT_EQ(Cli({"generate", "--help"}).ExitCode, 0);
}

} // namespace
} // namespace strandel
