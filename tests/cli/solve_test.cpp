// strandel-cli solve, driven as a user's script drives it: the JSON read back by
// key, the table in the settings' units, failed analyses and bad input.

#include <cmath>

#include <gtest/gtest.h>

#include "common/geometry.h"
#include "model/app_settings.h"
#include "model/document_file.h"
#include "support/cli_run.h"
#include "support/frame_models.h"
#include "support/json_value.h"
#include "support/process.h"
#include "support/temp_folder.h"

namespace strandel {
namespace {

using testing::Cli;
using testing::Json;
using testing::JsonValue;

std::string WriteModel(const testing::TempFolder& folder, ModelDocument doc,
                       const std::string& name = "model.qsd") {
  const std::string path = folder.File(name);
  EXPECT_TRUE(SaveDocument(doc, path).ok);
  return path;
}

TEST(CliSolve, FailedAnalysisSaysWhereTheStructureGivesWay) {
  // A beam on two rollers that hold y only: it can slide along x, and its first
  // node, 7, with it.
  ModelDocument doc = testing::EmptyModel();
  testing::AddNode(doc, 7, 0, 0);
  testing::AddNode(doc, 1, 4, 0);
  testing::AddBeam(doc, 1, 7, 1);
  testing::AddSupport(doc, 1, 7, true, 1);
  testing::AddSupport(doc, 2, 1, true, 1);
  testing::AddForce(doc, 1, 1, 1000, -kPi / 2);
  testing::TempFolder folder;
  const std::string model = WriteModel(folder, std::move(doc));
  auto result = Cli({"solve", model, "--json"});
  EXPECT_EQ(result.ExitCode, 1);
  const JsonValue json = Json(result);
  EXPECT_FALSE(json["results_valid"].Bool);
  EXPECT_EQ(json["failure"]["reason"].String, "unstable");
  EXPECT_EQ(json["failure"]["node"].Number, 7);
  EXPECT_EQ(json["failure"]["freedom"].String, "x");
  EXPECT_EQ(json["segments"].Size(), 0u);
  EXPECT_TRUE(json["nodes"][0]["ux"].IsNull());
  EXPECT_TRUE(json["beams"][0]["utilisation"].IsNull());
  EXPECT_TRUE(json["max_utilisation"].IsNull());
  // The support under the force holds it; nothing else is known.
  EXPECT_EQ(json["supports"][1]["ry"].Number, -1000);

  EXPECT_EQ(result.Err, "The structure can move at node 7 in x.\n");

  result = Cli({"solve", model});
  EXPECT_EQ(result.ExitCode, 1);
  EXPECT_NE(result.Out.find("failed: the structure is unstable: node 7 can move along x"),
            std::string::npos)
      << result.Out;
  EXPECT_EQ(result.Err, "The structure can move at node 7 in x.\n");
}

TEST(CliSolve, TableInTheDisplayUnitsOfTheSettings) {
  testing::TempFolder folder;
  const std::string model = WriteModel(folder, testing::SimplySupportedBeam(6, 2000));
  AppSettings settings;
  settings.Units.Force = 2;        // [KN]
  settings.Units.Displacement = 4; // [mm]
  settings.Units.Length = 1;       // [m]
  const std::string ini = folder.Write("units.ini", WriteSettingsText(settings));
  const auto result = Cli({"solve", model, "--settings", ini});
  ASSERT_EQ(result.ExitCode, 0) << result.Err;
  EXPECT_NE(result.Out.find("Frame analysis of " + model + "\n"), std::string::npos);
  EXPECT_NE(result.Out.find("uy [mm]"), std::string::npos);
  // 5 q L^4 / (384 E I) = 2.41 mm at node 2, at x = 3 m.
  const std::size_t node2 = result.Out.find("\n    2           3           0 ");
  ASSERT_NE(node2, std::string::npos) << result.Out;
  const std::string line =
      result.Out.substr(node2 + 1, result.Out.find('\n', node2 + 1) - node2 - 1);
  EXPECT_EQ(line.substr(line.size() - 23), "      -2.41           0") << result.Out;
  // Each support carries 6 kN; the rounding noise of the horizontal reaction
  // stays below the display threshold and shows as 0.
  EXPECT_NE(result.Out.find("       1     1           0          -6           0\n"),
            std::string::npos)
      << result.Out;
  EXPECT_NE(result.Out.find("Largest displacement:  2.41 [mm]\n"), std::string::npos);
}

TEST(CliSolve, EmptyModelBadInputAndHelp) {
  testing::TempFolder folder;
  const std::string empty = WriteModel(folder, ModelDocument{}, "empty.qsd");
  auto result = Cli({"solve", empty, "--json"});
  EXPECT_EQ(result.ExitCode, 0);
  const JsonValue json = Json(result);
  EXPECT_TRUE(json["results_valid"].Bool);
  EXPECT_EQ(json["nodes"].Size(), 0u);
  EXPECT_EQ(json["max_utilisation"].Number, 0);

  result = Cli({"solve", folder.File("missing.qsd")});
  EXPECT_EQ(result.ExitCode, 2);
  EXPECT_NE(result.Err.find("missing.qsd"), std::string::npos);
  const std::string bad =
      folder.Write("bad.qsd", "[Model-Objects]\r\nGraphObjCount=1\r\nObject001=1;x\r\n");
  result = Cli({"solve", bad, "--json"});
  EXPECT_EQ(result.ExitCode, 2);
  EXPECT_TRUE(result.Out.empty());
  EXPECT_EQ(Cli({"solve"}).ExitCode, 2);
  EXPECT_EQ(Cli({"solve", empty, empty}).ExitCode, 2);
  EXPECT_EQ(Cli({"solve", empty, "--bogus"}).ExitCode, 2);
  result = Cli({"solve", "--help"});
  EXPECT_EQ(result.ExitCode, 0);
  EXPECT_NE(result.Out.find("usage: strandel-cli solve MODEL.qsd [--json]"), std::string::npos);
  EXPECT_NE(Cli({"--help"}).Out.find("solve"), std::string::npos);
}

} // namespace
} // namespace strandel
