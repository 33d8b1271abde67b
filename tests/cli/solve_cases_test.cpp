// strandel-cli solve, diagrams and report on a document with load cases: every
// case and combination in the JSON in the shape of the top level, the envelope
// with its governing combinations, and the result chosen with --case or
// --combination.

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

using testing::Combination;

// Two spans of 5 m: dead load on both (case 1), live load on the left (2) and
// on the right (3), the three ultimate patterns and one characteristic.
ModelDocument TwoSpans() {
  ModelDocument doc = testing::EmptyModel();
  testing::AddNode(doc, 1, 0, 0);
  testing::AddNode(doc, 2, 5, 0);
  testing::AddNode(doc, 3, 10, 0);
  testing::AddBeam(doc, 1, 1, 2);
  testing::AddBeam(doc, 2, 2, 3);
  testing::AddSupport(doc, 1, 1);
  testing::AddSupport(doc, 2, 2, true, 1);
  testing::AddSupport(doc, 3, 3, true, 1);
  testing::AddLoad(doc, 1, 1, 1, 2, 4000, -kPi / 2).Case = 1;
  testing::AddLoad(doc, 2, 2, 2, 3, 4000, -kPi / 2).Case = 1;
  testing::AddLoad(doc, 3, 1, 1, 2, 6000, -kPi / 2).Case = 2;
  testing::AddLoad(doc, 4, 2, 2, 3, 6000, -kPi / 2).Case = 3;
  doc.Settings.LoadCases = {MakeLoadCase(1, "Dead", ActionCategory::Permanent),
                            MakeLoadCase(2, "Live left", ActionCategory::ImposedB),
                            MakeLoadCase(3, "Live right", ActionCategory::ImposedB)};
  doc.Settings.LoadCases[0].SelfWeight = true;
  doc.Settings.Combinations = {
      Combination(1, CombinationKind::Ultimate, {{1, 1.35}}),
      Combination(2, CombinationKind::Ultimate, {{1, 1.35}, {2, 1.5}}),
      Combination(3, CombinationKind::Ultimate, {{1, 1.35}, {3, 1.5}}),
      Combination(4, CombinationKind::Ultimate, {{1, 1.35}, {2, 1.5}, {3, 1.5}}),
      Combination(5, CombinationKind::Characteristic, {{1, 1.0}, {2, 1.0}, {3, 1.0}})};
  return doc;
}

std::string Saved(const testing::TempFolder& folder, ModelDocument doc) {
  const std::string path = folder.File("spans.qsd");
  EXPECT_TRUE(SaveDocument(doc, path).ok);
  return path;
}

// The supports' vertical forces of a result.
std::vector<double> SupportForces(const JsonValue& result) {
  std::vector<double> forces;
  for (std::size_t i = 0; i < result["supports"].Size(); ++i)
    forces.push_back(result["supports"][i]["ry"].Number);
  return forces;
}

TEST(CliSolveCases, CaseOrCombinationChosenOnTheCommandLine) {
  testing::TempFolder folder;
  const std::string model = Saved(folder, TwoSpans());
  const JsonValue all = Json(Cli({"solve", model, "--json"}));
  struct Choice {
    std::vector<std::string> options;
    const char* kind;
    double number;
    const JsonValue& expected;
  };
  const Choice choices[] = {{{"--case", "2"}, "case", 2, all["cases"][1]},
                            {{"--combination=5"}, "combination", 5, all["combinations"][4]},
                            {{"--combination", "1"}, "combination", 1, all["combinations"][0]}};
  for (const Choice& choice : choices) {
    std::vector<std::string> args = {"solve", model, "--json"};
    args.insert(args.end(), choice.options.begin(), choice.options.end());
    const auto result = Cli(args);
    ASSERT_EQ(result.ExitCode, 0) << result.Err;
    const JsonValue json = Json(result);
    EXPECT_EQ(json["result"]["kind"].String, choice.kind);
    EXPECT_EQ(json["result"]["number"].Number, choice.number);
    EXPECT_EQ(SupportForces(json), SupportForces(choice.expected)) << choice.options[0];
  }
  // The same choice for the beam page and the report.
  const auto diagrams = Cli({"diagrams", model, "--beam", "1", "--json", "--case", "3"});
  EXPECT_EQ(diagrams.ExitCode, 0) << diagrams.Err;

  struct Bad {
    std::vector<std::string> options;
    const char* says;
  };
  for (const Bad& bad : {Bad{{"--case", "9"}, "no load case 9"},
                         Bad{{"--combination", "6"}, "no load combination 6"},
                         Bad{{"--case", "x"}, "a number from 1"},
                         Bad{{"--case", "1", "--combination", "1"}, "either"}}) {
    std::vector<std::string> args = {"solve", model};
    args.insert(args.end(), bad.options.begin(), bad.options.end());
    const auto result = Cli(args);
    EXPECT_EQ(result.ExitCode, 2) << bad.says;
    EXPECT_NE(result.Err.find(bad.says), std::string::npos) << result.Err;
  }
}

TEST(CliSolveCases, ADocumentWithoutCasesIsCaseOneAndCombinationOne) {
  testing::TempFolder folder;
  const std::string path = folder.File("plain.qsd");
  ModelDocument doc = testing::SimplySupportedBeam(6, 2000);
  ASSERT_TRUE(SaveDocument(doc, path).ok);
  const auto plain = Cli({"solve", path, "--json"});
  ASSERT_EQ(plain.ExitCode, 0);
  EXPECT_EQ(plain.Out.find("\"cases\""), std::string::npos);
  for (const char* option : {"--case", "--combination"}) {
    const auto chosen = Cli({"solve", path, "--json", option, "1"});
    EXPECT_EQ(chosen.ExitCode, 0) << chosen.Err;
    EXPECT_EQ(chosen.Out, plain.Out) << option;
    EXPECT_EQ(Cli({"solve", path, option, "2"}).ExitCode, 2) << option;
  }
}

TEST(CliSolveCases, TableNamesTheResultAndTheGoverningCombinations) {
  testing::TempFolder folder;
  const std::string model = Saved(folder, TwoSpans());
  const auto result = Cli({"solve", model});
  ASSERT_EQ(result.ExitCode, 0) << result.Err;
  EXPECT_NE(result.Out.find("Results of load combination 4 \"Combination 4\""), std::string::npos)
      << result.Out;
  EXPECT_NE(result.Out.find("governing ULS combination"), std::string::npos) << result.Out;
  const auto byCase = Cli({"solve", model, "--case", "2"});
  EXPECT_NE(byCase.Out.find("Results of load case 2 \"Live left\""), std::string::npos)
      << byCase.Out;
}

} // namespace
} // namespace strandel
