// strandel-cli solve, driven as a user's script drives it: the JSON read back by
// key, the table in the settings' units, failed analyses and bad input.

#include <cmath>

#include <gtest/gtest.h>

#include "common/geometry.h"
#include "model/app_settings.h"
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

std::string WriteModel(const testing::TempFolder& folder, ModelDocument doc,
                       const std::string& name = "model.qsd") {
  const std::string path = folder.File(name);
  EXPECT_TRUE(SaveDocument(doc, path).ok);
  return path;
}

JsonValue Json(const testing::ProcessResult& result) {
  const std::optional<JsonValue> json = testing::ParseJson(result.Out);
  EXPECT_TRUE(json.has_value()) << "not JSON:\n" << result.Out.substr(0, 2000);
  return json.value_or(JsonValue{});
}

TEST(CliSolve, SimplySupportedBeamAsJson) {
  // q = 2 kN/m over 6 m, steel 0.1 x 0.2 m: each support takes 6 kN, mid-span
  // sags 5 q L^4 / (384 E I).
  const double q = 2000, L = 6;
  const testing::Section section;
  testing::TempFolder folder;
  const std::string model = WriteModel(folder, testing::SimplySupportedBeam(L, q, section));
  const auto result = Cli({"solve", model, "--json"});
  ASSERT_EQ(result.ExitCode, 0) << result.Err;
  EXPECT_TRUE(result.Err.empty()) << result.Err;
  const JsonValue json = Json(result);
  EXPECT_TRUE(json["results_valid"].Bool);
  EXPECT_FALSE(json.Has("failure"));

  const JsonValue& nodes = json["nodes"];
  ASSERT_EQ(nodes.Size(), 3u);
  EXPECT_EQ(nodes[2]["number"].Number, 2); // list order: nodes 1, 3, then 2
  EXPECT_EQ(nodes[2]["x"].Number, 3);
  const double sag = -5 * q * std::pow(L, 4) / (384 * section.E * section.Inertia());
  EXPECT_NEAR(nodes[2]["uy"].Number, sag, 1e-9 * std::fabs(sag));
  EXPECT_EQ(nodes[0]["uy"].Number, 0);

  const JsonValue& supports = json["supports"];
  ASSERT_EQ(supports.Size(), 2u);
  for (std::size_t i = 0; i < 2; ++i) {
    EXPECT_NEAR(supports[i]["ry"].Number, -q * L / 2, 1e-6);
    EXPECT_EQ(supports[i]["m"].Number, 0);
  }
  EXPECT_EQ(supports[1]["node"].Number, 3);

  const JsonValue& segments = json["segments"];
  ASSERT_EQ(segments.Size(), 2u);
  EXPECT_EQ(segments[1]["segment"].Number, 2);
  EXPECT_EQ(segments[1]["node1"].Number, 2);
  EXPECT_EQ(segments[1]["length"].Number, 3);
  EXPECT_EQ(segments[0]["py"].Number, -q);
  ASSERT_EQ(segments[0]["force_local"].Size(), 6u);
  EXPECT_NEAR(segments[0]["force_local"][1].Number, q * L / 2, 1e-6);
  EXPECT_NEAR(std::fabs(segments[0]["force_local"][5].Number), q * L * L / 8, 1e-6);
  ASSERT_EQ(segments[0]["disp_global"].Size(), 6u);
  EXPECT_EQ(segments[0]["disp_global"][4].Number, nodes[2]["uy"].Number);

  const JsonValue& beams = json["beams"];
  ASSERT_EQ(beams.Size(), 1u);
  const double utilisation = beams[0]["utilisation"].Number;
  EXPECT_GT(utilisation, 0);
  EXPECT_EQ(utilisation,
            std::max(segments[0]["utilisation"].Number, segments[1]["utilisation"].Number));
  EXPECT_EQ(json["max_utilisation"].Number, utilisation);
  EXPECT_NEAR(json["max_displacement"].Number, std::fabs(sag), 1e-9);
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

TEST(CliSolve, ASwayingPortalIsNeverReportedAsSolved) {
  // Columns and girder hinged at both ends on two pins: the portal sways. The
  // rounding of the columns' vertical direction leaves a tiny sway stiffness
  // that a plain elimination would divide by; the result would be a sway of
  // astronomical size with reactions that do not balance the loads.
  ModelDocument doc = testing::EmptyModel();
  testing::AddNode(doc, 1, 0, 0);
  testing::AddNode(doc, 2, 0, 3);
  testing::AddNode(doc, 3, 5, 3);
  testing::AddNode(doc, 4, 5, 0);
  testing::AddBeam(doc, 1, 1, 2, false, false);
  testing::AddBeam(doc, 2, 2, 3, false, false);
  testing::AddBeam(doc, 3, 4, 3, false, false);
  testing::AddSupport(doc, 1, 1);
  testing::AddSupport(doc, 2, 4);
  testing::AddForce(doc, 1, 2, 10000, 0);
  testing::TempFolder folder;
  const std::string model = WriteModel(folder, std::move(doc));
  const auto result = Cli({"solve", model, "--json"});
  EXPECT_EQ(result.ExitCode, 1);
  const JsonValue json = Json(result);
  EXPECT_FALSE(json["results_valid"].Bool);
  EXPECT_EQ(json["failure"]["reason"].String, "unstable");
  EXPECT_EQ(json["failure"]["node"].Number, 3);
  EXPECT_EQ(json["failure"]["freedom"].String, "x");
  EXPECT_EQ(json["segments"].Size(), 0u);
  for (const JsonValue& node : json["nodes"].Array)
    EXPECT_TRUE(node["ux"].IsNull());
  EXPECT_EQ(result.Err, "The structure can move at node 3 in x.\n");
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

TEST(CliSolve, LargeFrameEndToEnd) {
  // The 50 x 50 frame of the speed goal: 2601 nodes, 5050 beams, every floor loaded.
  testing::TempFolder folder;
  const std::string model =
      WriteModel(folder, testing::GridFrame(50, 50, 4, 3, 10000, {0.3, 0.3, 2.1e11, 7850},
                                            {0.2, 0.4, 2.1e11, 7850}));
  const auto result = Cli({"solve", model, "--json"});
  ASSERT_EQ(result.ExitCode, 0) << result.Err;
  const JsonValue json = Json(result);
  EXPECT_TRUE(json["results_valid"].Bool);
  ASSERT_EQ(json["nodes"].Size(), 2601u);
  ASSERT_EQ(json["segments"].Size(), 5050u);
  // The 51 fixed bases carry every floor: 50 storeys x 50 bays x 4 m x 10 kN/m.
  double total = 0;
  for (const JsonValue& support : json["supports"].Array)
    total += support["ry"].Number;
  EXPECT_NEAR(total, -50.0 * 50 * 4 * 10000, 1e-3);
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
