// strandel-cli optimize, driven as a user's script drives it: the printed
// values, the written model, the same run twice, and the requests it refuses.

#include <gtest/gtest.h>

#include "analysis/solver.h"
#include "model/document_file.h"
#include "optimizer/objective.h"
#include "optimizer/optimizer_fixture.h"
#include "support/frame_models.h"
#include "support/process.h"
#include "support/temp_folder.h"

namespace strandel {
namespace {

testing::ProcessResult Cli(const std::vector<std::string>& args) {
  return testing::RunProgram(STRANDEL_CLI, args);
}

// The roof girder with its top nodes free, as the optimizer dialog stores them.
constexpr const char* kTopNodes = "0;0;;;;;;;;N004.X;0;;N004.Y;0;;N006.Y;0;;N008.X;0;;N008.Y;0;";

std::string WriteGirder(const testing::TempFolder& folder, const std::string& variableStr,
                        const std::string& name = "girder.qsd") {
  ModelDocument doc = testing::RoofGirder();
  doc.Settings.VariableStr = variableStr;
  const std::string path = folder.File(name);
  EXPECT_TRUE(SaveDocument(doc, path).ok);
  return path;
}

double HighestUtilisation(const std::string& path) {
  ModelDocument doc;
  EXPECT_TRUE(LoadDocument(path, doc).ok);
  EXPECT_TRUE(AnalyseModel(doc).Ok());
  return ObjectiveValue(doc, kObjectiveUtilisation);
}

// The object lines of a document file: the model without its dates.
std::vector<std::string> ObjectLines(const std::string& path) {
  std::vector<std::string> lines;
  const std::string bytes = testing::ReadBytes(path);
  std::size_t at = 0;
  while ((at = bytes.find("\nObject", at)) != std::string::npos) {
    const std::size_t end = bytes.find('\r', at);
    lines.push_back(bytes.substr(at + 1, end - at - 1));
    at = end;
  }
  return lines;
}

TEST(CliOptimize, LowersTheHighestUtilisationAndWritesTheBestPoint) {
  testing::TempFolder folder;
  const std::string model = WriteGirder(folder, kTopNodes);
  const std::string original = testing::ReadBytes(model);
  const std::string out = folder.File("best.qsd");
  const auto result = Cli({"optimize", model, "-o", out});
  ASSERT_EQ(result.ExitCode, 0) << result.Err;
  EXPECT_EQ(result.Err, ""); // no progress when stderr is not a terminal
  EXPECT_NE(result.Out.find(": Minimize utilisation, Complex\n"), std::string::npos) << result.Out;
  EXPECT_NE(result.Out.find("5 variables, 5 free, 11 points\n"), std::string::npos);
  EXPECT_NE(result.Out.find("Start value: 10 [%]\n"), std::string::npos) << result.Out;
  EXPECT_NE(result.Out.find("Cycle 1: "), std::string::npos);
  EXPECT_NE(result.Out.find("Final value: "), std::string::npos);

  const double before = HighestUtilisation(model), after = HighestUtilisation(out);
  EXPECT_LT(after, 0.9 * before) << before << " -> " << after;
  EXPECT_EQ(testing::ReadBytes(model), original); // the input stays as it was
  ModelDocument written;
  ASSERT_TRUE(LoadDocument(out, written).ok);
  EXPECT_EQ(written.Settings.VariableStr, kTopNodes);
  EXPECT_NE(FindNode(written, 4)->X, -1.5);
}

TEST(CliOptimize, TheSameRunTwiceWritesTheSameModel) {
  testing::TempFolder folder;
  const std::string model = WriteGirder(folder, kTopNodes);
  const auto first = Cli({"optimize", model, "-o", folder.File("a.qsd"), "--algorithm", "cyclic"});
  const auto second = Cli({"optimize", model, "-o", folder.File("b.qsd"), "--algorithm", "cyclic"});
  ASSERT_EQ(first.ExitCode, 0) << first.Err;
  ASSERT_EQ(second.ExitCode, 0) << second.Err;
  EXPECT_EQ(first.Out, second.Out);
  EXPECT_NE(first.Out.find("Cycle 2: "), std::string::npos) << first.Out;
  EXPECT_FALSE(ObjectLines(folder.File("a.qsd")).empty());
  EXPECT_EQ(ObjectLines(folder.File("a.qsd")), ObjectLines(folder.File("b.qsd")));
}

TEST(CliOptimize, GivenVariablesObjectiveAndIterationLimit) {
  testing::TempFolder folder;
  const std::string model = WriteGirder(folder, "");
  const std::string out = folder.File("out.qsd");
  const auto result = Cli({"optimize", model, "-o", out, "--variables", "N004.Y, N006.Y,N008.Y",
                           "--objective", "displacement", "--max-iterations", "4"});
  ASSERT_EQ(result.ExitCode, 0) << result.Err;
  EXPECT_NE(result.Out.find(": Minimize displacement, Complex\n"), std::string::npos);
  EXPECT_NE(result.Out.find("3 variables, 3 free, 7 points\n"), std::string::npos);
  EXPECT_NE(result.Out.find(" [mm]\n"), std::string::npos) << result.Out;
  EXPECT_NE(result.Out.find("after 4 iterations\n"), std::string::npos) << result.Out;
  ModelDocument written;
  ASSERT_TRUE(LoadDocument(out, written).ok);
  EXPECT_EQ(written.Settings.VariableStr, "1;0;;;;;;;;N004.Y;0;;N006.Y;0;;N008.Y;0;");
}

TEST(CliOptimize, RequestsItRefuses) {
  testing::TempFolder folder;
  const std::string model = WriteGirder(folder, kTopNodes);
  const std::string none = WriteGirder(folder, "", "none.qsd");
  const std::string tied = WriteGirder(folder, "0;0;;;;;;;;N004.Y;1;N042.Y;N006.Y;0;", "tied.qsd");
  ModelDocument lone = testing::RoofGirder();
  AppendObject<TNodeObject>(lone) = {0, 5, 0, 20};
  lone.Settings.VariableStr = "0;0;;;;;;;;N020.X;0;;N004.Y;0;";
  const std::string loneModel = folder.File("lone.qsd");
  ASSERT_TRUE(SaveDocument(lone, loneModel).ok);
  const std::string out = folder.File("out.qsd");
  const struct {
    std::vector<std::string> Args;
    const char* Says;
  } cases[] = {
      {{"optimize", model}, "-o"},
      {{"optimize", "-o", out}, "MODEL"},
      {{"optimize", model, "-o", out, "--objective", "weight"}, "utilisation or displacement"},
      {{"optimize", model, "-o", out, "--algorithm", "simplex"}, "complex or cyclic"},
      {{"optimize", model, "-o", out, "--max-iterations", "0"}, "at least 1"},
      {{"optimize", model, "-o", out, "--variables", "N004.Y,N404.X"}, "no variable N404.X"},
      {{"optimize", none, "-o", out}, "no free variable"},
      {{"optimize", tied, "-o", out}, "N004.Y follows N042.Y"},
      {{"optimize", loneModel, "-o", out}, "N020.X has an interval of width 0"},
      {{"optimize", folder.File("missing.qsd"), "-o", out}, "no such file"},
      {{"optimize", model, "-o", folder.File("no/such/folder.qsd")}, ""},
  };
  for (const auto& c : cases) {
    const auto result = Cli(c.Args);
    EXPECT_EQ(result.ExitCode, 2) << c.Says << "\n" << result.Err;
    EXPECT_NE(result.Err.find(c.Says), std::string::npos) << result.Err;
    EXPECT_EQ(testing::ReadBytes(out), "") << c.Says;
  }
  EXPECT_EQ(Cli({"optimize", "--help"}).ExitCode, 0);
}

TEST(CliOptimize, AModelThatCannotBeAnalysedIsNotOptimized) {
  // A beam pushed along its axis with nothing holding it.
  testing::TempFolder folder;
  ModelDocument doc = testing::EmptyModel();
  testing::AddNode(doc, 1, 0, 0);
  testing::AddNode(doc, 2, 3, 0);
  testing::AddBeam(doc, 1, 1, 2);
  testing::AddForce(doc, 1, 2, 1000, 0);
  doc.Settings.VariableStr = "0;0;;;;;;;;N002.Y;0;";
  const std::string model = folder.File("loose.qsd");
  ASSERT_TRUE(SaveDocument(doc, model).ok);
  const auto result = Cli({"optimize", model, "-o", folder.File("out.qsd")});
  EXPECT_EQ(result.ExitCode, 1);
  EXPECT_NE(result.Err.find("unstable"), std::string::npos) << result.Err;
  EXPECT_EQ(testing::ReadBytes(folder.File("out.qsd")), "");
}

} // namespace
} // namespace strandel
