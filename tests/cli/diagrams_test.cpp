// strandel-cli diagrams --json: the beam page's content as a script reads it.

#include <cmath>

#include <gtest/gtest.h>

#include "common/geometry.h"
#include "model/document_file.h"
#include "support/frame_models.h"
#include "support/json_value.h"
#include "support/process.h"
#include "support/temp_folder.h"

namespace strandel {
namespace {

using testing::JsonValue;

testing::ProcessResult Cli(const std::vector<std::string>& args) {
  return testing::RunProgram(STRANDEL_CLI, args);
}

std::string WriteModel(const testing::TempFolder& folder, ModelDocument doc) {
  const std::string path = folder.File("model.qsd");
  EXPECT_TRUE(SaveDocument(doc, path).ok);
  return path;
}

TEST(CliDiagrams, SimplySupportedBeamPage) {
  const double q = 2000, L = 6;
  testing::TempFolder folder;
  const std::string model = WriteModel(folder, testing::SimplySupportedBeam(L, q));
  auto result = Cli({"diagrams", model, "--beam", "1", "--json"});
  ASSERT_EQ(result.ExitCode, 0) << result.Err;
  const std::optional<JsonValue> json = testing::ParseJson(result.Out);
  ASSERT_TRUE(json) << result.Out.substr(0, 2000);
  EXPECT_TRUE((*json)["results_valid"].Bool);
  EXPECT_EQ((*json)["beam"].Number, 1);

  // Both ends push up on the beam with q L / 2, in the beam's axes.
  const JsonValue& reactions = (*json)["reactions"];
  ASSERT_EQ(reactions.Size(), 2u);
  EXPECT_EQ(reactions[0]["number"].Number, 1);
  EXPECT_EQ(reactions[0]["node"].Number, 1);
  EXPECT_EQ(reactions[1]["node"].Number, 3);
  EXPECT_NEAR(reactions[0]["fy"].Number, q * L / 2, 1e-6);
  EXPECT_EQ(reactions[1]["page_x"].Number, 185);

  // Default units: forces in kp (0.10183 per N); 6000 N is 611 kp.
  const JsonValue& table = (*json)["force_table"];
  ASSERT_EQ(table.Size(), 4u);
  EXPECT_EQ(table[0].String.size(), 80u);
  EXPECT_EQ(table[2].String.substr(0, 32), "R1                 611          ");

  const JsonValue& diagrams = (*json)["diagrams"];
  ASSERT_EQ(diagrams.Size(), 7u);
  const char* kinds[] = {"N", "T", "M", "V", "Y", "S", "U"};
  for (std::size_t i = 0; i < 7; ++i) {
    EXPECT_EQ(diagrams[i]["kind"].String, kinds[i]);
    EXPECT_EQ(diagrams[i]["curve1"].Size(), 42u);
    EXPECT_EQ(diagrams[i].Has("curve2"), i == 5);
  }
  EXPECT_EQ(diagrams[6]["label"].String, "U[%]");
  const JsonValue& moment = diagrams[2];
  EXPECT_NEAR(moment["curve1"][20][1].Number, -q * L * L / 8, 1e-6);
  EXPECT_NEAR(moment["min"].Number, -1.1 * q * L * L / 8, 1e-6);
  EXPECT_NEAR(moment["x_max"].Number, L, 1e-9);

  result = Cli({"diagrams", model, "--beam", "1", "--json", "--show", "M,u"});
  ASSERT_EQ(result.ExitCode, 0) << result.Err;
  const std::optional<JsonValue> chosen = testing::ParseJson(result.Out);
  ASSERT_TRUE(chosen);
  ASSERT_EQ((*chosen)["diagrams"].Size(), 2u);
  EXPECT_EQ((*chosen)["diagrams"][0]["kind"].String, "M");
  EXPECT_EQ((*chosen)["diagrams"][1]["kind"].String, "U");
}

TEST(CliDiagrams, FailedAnalysisAndBadInput) {
  ModelDocument doc = testing::EmptyModel();
  testing::AddNode(doc, 1, 0, 0);
  testing::AddNode(doc, 2, 4, 0);
  testing::AddBeam(doc, 1, 1, 2);
  testing::AddSupport(doc, 1, 1, true, 1);
  testing::TempFolder folder;
  const std::string model = WriteModel(folder, std::move(doc));
  auto result = Cli({"diagrams", model, "--beam", "1", "--json"});
  EXPECT_EQ(result.ExitCode, 1);
  const std::optional<JsonValue> json = testing::ParseJson(result.Out);
  ASSERT_TRUE(json) << result.Out;
  EXPECT_FALSE((*json)["results_valid"].Bool);
  EXPECT_EQ((*json)["failure"]["reason"].String, "unstable");
  EXPECT_EQ((*json)["diagrams"][0]["curve1"].Size(), 0u);

  EXPECT_EQ(Cli({"diagrams", model, "--json"}).ExitCode, 2);                  // no beam
  EXPECT_EQ(Cli({"diagrams", model, "--beam", "9", "--json"}).ExitCode, 2);   // not there
  EXPECT_EQ(Cli({"diagrams", model, "--beam", "one", "--json"}).ExitCode, 2); // not a number
  EXPECT_EQ(Cli({"diagrams", model, "--beam", "1", "--show", "X", "--json"}).ExitCode, 2);
  // The page is still drawn, without results, and the failure is the status.
  result = Cli({"diagrams", model, "--beam", "1", folder.File("page.png")});
  EXPECT_EQ(result.ExitCode, 1);
  EXPECT_EQ(testing::ReadBytes(folder.File("page.png")).substr(1, 3), "PNG");
  EXPECT_TRUE(result.Out.empty());
  result = Cli({"diagrams", model, "--beam", "1"});
  EXPECT_EQ(result.ExitCode, 2);
  EXPECT_NE(result.Err.find("OUT.png, OUT.pdf or --json"), std::string::npos);
  EXPECT_EQ(Cli({"diagrams", model, "--beam", "1", folder.File("page.bmp")}).ExitCode, 2);
  EXPECT_FALSE(testing::ReadBytes(folder.File("page.bmp")).size());
  result = Cli({"diagrams", "--help"});
  EXPECT_EQ(result.ExitCode, 0);
  EXPECT_NE(result.Out.find("usage: strandel-cli diagrams MODEL.qsd --beam N"), std::string::npos);
}

} // namespace
} // namespace strandel
