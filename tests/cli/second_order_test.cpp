// strandel-cli beyond first order: solve with "Second order effects" on, the
// buckling command, the warning for a low alpha_cr with the switch off, loads
// beyond the critical load, and the buckling mode drawn by render.

#include <cmath>

#include <gtest/gtest.h>

#include "common/geometry.h"
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

const testing::Section kColumn{0.1, 0.2};
const double kEI = kColumn.E * kColumn.Inertia();
constexpr double kHeight = 4;
const double kEulerCantilever = testing::CantileverEulerLoad(kHeight, kColumn);

// A column on a fixed base pressed by `share` of its Euler load and pushed
// sideways by 1 kN: without cases, or with the two as cases 1 and 2 and one
// ULS and one characteristic combination.
ModelDocument Column(double share, bool withCases) {
  ModelDocument doc = testing::PressedColumn(kHeight, share * kEulerCantilever, 1000, kColumn);
  if (withCases) FindForce(doc, 2)->Case = 2;
  if (withCases) {
    doc.Settings.LoadCases = {MakeLoadCase(1, "Dead", ActionCategory::Permanent),
                              MakeLoadCase(2, "Wind", ActionCategory::Wind)};
    doc.Settings.LoadCases[0].SelfWeight = true;
    doc.Settings.Combinations = {
        testing::Combination(1, CombinationKind::Ultimate, {{1, 1.0}, {2, 1.5}}),
        testing::Combination(2, CombinationKind::Characteristic, {{1, 1.0}, {2, 1.0}})};
  }
  return doc;
}

template <class Doc>
std::string Saved(const testing::TempFolder& folder, Doc&& doc,
                  const char* name = "column.qsd") {
  const std::string path = folder.File(name);
  EXPECT_TRUE(SaveDocument(doc, path).ok);
  return path;
}

TEST(CliSecondOrder, SolveTellsTheOrderAndAlphaCrOnlyWithTheSwitchOn) {
  testing::TempFolder folder;
  ModelDocument doc = Column(0.3, false);
  const std::string first = Saved(folder, doc, "first.qsd");
  doc.Settings.SecondOrder = true;
  const std::string second = Saved(folder, doc, "second.qsd");

  const auto off = Cli({"solve", first, "--json"});
  ASSERT_EQ(off.ExitCode, 0) << off.Err;
  EXPECT_EQ(off.Out.find("alpha_cr"), std::string::npos);
  EXPECT_EQ(off.Out.find("second_order"), std::string::npos);
  // alpha_cr = 3.3 asks for second order: the warning says so.
  EXPECT_NE(off.Err.find("alpha_cr = 3.33. A first-order analysis suffices only"),
            std::string::npos)
      << off.Err;

  const auto on = Cli({"solve", second, "--json"});
  ASSERT_EQ(on.ExitCode, 0) << on.Err;
  EXPECT_EQ(on.Err.find("alpha_cr"), std::string::npos) << on.Err; // no warning due
  const JsonValue json = Json(on);
  EXPECT_TRUE(json["second_order"].Bool);
  EXPECT_NEAR(json["alpha_cr"].Number, 1 / 0.3, 0.005 / 0.3);
  // The base moment grows with the amplification of the sway.
  const double k = std::sqrt(0.3 * kEulerCantilever / kEI);
  const double base = 1000 * std::tan(k * kHeight) / k;
  EXPECT_NEAR(std::fabs(json["supports"][0]["m"].Number), base, 0.005 * base);
  EXPECT_NEAR(std::fabs(Json(off)["supports"][0]["m"].Number), 4000, 1e-6);

  const auto table = Cli({"solve", second});
  ASSERT_EQ(table.ExitCode, 0);
  EXPECT_NE(table.Out.find("Second-order results"), std::string::npos) << table.Out;
  EXPECT_NE(table.Out.find("alpha_cr: 3.33"), std::string::npos) << table.Out;
}

TEST(CliSecondOrder, UltimateCombinationsCarryAlphaCrAndBeyondItTheAnalysisFails) {
  testing::TempFolder folder;
  ModelDocument doc = Column(0.3, true);
  doc.Settings.SecondOrder = true;
  const auto result = Cli({"solve", Saved(folder, doc), "--json"});
  ASSERT_EQ(result.ExitCode, 0) << result.Err;
  const JsonValue json = Json(result);
  const JsonValue& ultimate = json["combinations"][0];
  EXPECT_TRUE(ultimate["second_order"].Bool);
  EXPECT_NEAR(ultimate["alpha_cr"].Number, 1 / 0.3, 0.005 / 0.3);
  EXPECT_FALSE(json["combinations"][1].Has("alpha_cr")); // characteristic: first order
  EXPECT_TRUE(json["second_order"].Bool);                // the ULS one governs

  doc.Settings.Combinations[0].Factors = {{1, 4.0}, {2, 1.5}}; // 1.2 x the Euler load
  const auto beyond = Cli({"solve", Saved(folder, doc, "beyond.qsd"), "--json"});
  EXPECT_EQ(beyond.ExitCode, 1);
  const JsonValue failure = Json(beyond)["failure"];
  EXPECT_EQ(failure["reason"].String, "above critical load");
  EXPECT_EQ(failure["combination"].Number, 1);
  EXPECT_NEAR(failure["alpha_cr"].Number, 1 / 1.2, 0.005);
  EXPECT_NE(beyond.Err.find("The loads of combination 1 exceed the frame's critical load "
                            "(alpha_cr = 0.833)."),
            std::string::npos)
      << beyond.Err;
}

TEST(CliSecondOrder, BucklingPrintsAlphaCrAndTheMode) {
  testing::TempFolder folder;
  const std::string path = Saved(folder, Column(0.5, true));
  const auto result = Cli({"buckling", path, "--json"});
  ASSERT_EQ(result.ExitCode, 0) << result.Err;
  const JsonValue json = Json(result);
  ASSERT_EQ(json["load_sets"].Size(), 1u);
  EXPECT_EQ(json["load_sets"][0]["combination"].Number, 1);
  EXPECT_NEAR(json["load_sets"][0]["alpha_cr"].Number, 2, 0.01);
  const JsonValue& mode = json["mode"];
  EXPECT_EQ(mode["combination"].Number, 1);
  // The cantilever sways: its top moves sideways by the mode's largest
  // translation, its base stays.
  EXPECT_NEAR(mode["nodes"][1]["ux"].Number, 1, 1e-9);
  EXPECT_EQ(mode["nodes"][0]["ux"].Number, 0);
  ASSERT_EQ(mode["segments"].Size(), 1u);
  EXPECT_GE(mode["segments"][0]["points"].Size(), 3u); // pieces inside the column

  const auto table = Cli({"buckling", path});
  ASSERT_EQ(table.ExitCode, 0);
  EXPECT_NE(table.Out.find("Buckling mode of combination 1, alpha_cr = 2"), std::string::npos)
      << table.Out;

  // Loads beyond the critical load are still told, not refused.
  const auto beyond = Cli({"buckling", Saved(folder, Column(2.5, false), "beyond.qsd"), "--json"});
  ASSERT_EQ(beyond.ExitCode, 0) << beyond.Err;
  EXPECT_NEAR(Json(beyond)["load_sets"][0]["alpha_cr"].Number, 0.4, 0.002);

  EXPECT_EQ(Cli({"buckling", path, "--combination", "7"}).ExitCode, 2);
  EXPECT_EQ(Cli({"buckling"}).ExitCode, 2);
}

TEST(CliSecondOrder, ABeamWithoutCompressionHasNoCriticalLoad) {
  testing::TempFolder folder;
  const std::string path = Saved(folder, testing::SimplySupportedBeam(6, 2000));
  const auto result = Cli({"buckling", path, "--json"});
  ASSERT_EQ(result.ExitCode, 0) << result.Err;
  EXPECT_TRUE(Json(result)["load_sets"][0]["alpha_cr"].IsNull());
  EXPECT_NE(Cli({"buckling", path}).Out.find("none (nothing is compressed)"), std::string::npos);
}

TEST(CliSecondOrder, RenderDrawsTheBucklingMode) {
  testing::TempFolder folder;
  const std::string path = Saved(folder, Column(0.5, false));
  const std::string plain = folder.File("plain.png"), mode = folder.File("mode.png");
  ASSERT_EQ(Cli({"render", path, plain, "--size", "300x300"}).ExitCode, 0);
  const auto drawn = Cli({"render", path, mode, "--size", "300x300", "--buckling"});
  ASSERT_EQ(drawn.ExitCode, 0) << drawn.Err;
  EXPECT_NE(testing::ReadBytes(plain), testing::ReadBytes(mode));
}

} // namespace
} // namespace strandel
