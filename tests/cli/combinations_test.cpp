// strandel-cli combinations, driven as a user's script drives it: the cases and
// combinations of a document listed, the EN 1990 set generated and written, and
// documents with cases written back byte for byte by convert.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/document_file.h"
#include "model/load_case_check.h"
#include "support/frame_models.h"
#include "support/json_value.h"
#include "support/process.h"
#include "support/temp_folder.h"

namespace strandel {
namespace {

testing::ProcessResult Cli(const std::vector<std::string>& args) {
  return testing::RunProgram(STRANDEL_CLI, args);
}

// A beam under dead load (case 1, the own weight, the distributed load), office
// load of category B (case 2, a force), snow (case 3, a second distributed load)
// and wind (case 4, a moment), with one combination of each kind.
ModelDocument OfficeBeam() {
  ModelDocument doc = testing::SimplySupportedBeam(6, 2000);
  testing::AddForce(doc, 1, 2, 5000, -kPi / 2).Case = 2;
  testing::AddLoad(doc, 2, 1, 1, 3, 800, -kPi / 2).Case = 3;
  testing::AddMoment(doc, 1, 3, 1500).Case = 4;
  doc.Settings.LoadCases = {MakeLoadCase(1, "Dead", ActionCategory::Permanent),
                            MakeLoadCase(2, "Office", ActionCategory::ImposedB),
                            MakeLoadCase(3, "Snow", ActionCategory::Snow),
                            MakeLoadCase(4, "Wind", ActionCategory::Wind)};
  doc.Settings.LoadCases[0].SelfWeight = true;
  doc.Settings.Combinations = {
      {1, "ULS snow", CombinationKind::Ultimate, {{1, 1.35}, {3, 1.5}, {4, 0.9}}},
      {2, "SLS-C office", CombinationKind::Characteristic, {{1, 1}, {2, 1}}},
      {3, "SLS-F", CombinationKind::Frequent, {{1, 1}, {2, 0.5}}},
      {4, "SLS-QP", CombinationKind::QuasiPermanent, {{1, 1}, {2, 0.3}}}};
  return doc;
}

std::string Saved(ModelDocument doc, const testing::TempFolder& folder, const std::string& name) {
  const std::string path = folder.File(name);
  EXPECT_TRUE(SaveDocument(doc, path).ok);
  return path;
}

ModelDocument Loaded(const std::string& path) {
  ModelDocument doc;
  EXPECT_TRUE(LoadDocument(path, doc).ok) << path;
  return doc;
}

TEST(CliCombinations, ListsCasesAndCombinationsAsJson) {
  testing::TempFolder folder;
  const auto result = Cli({"combinations", Saved(OfficeBeam(), folder, "m.qsd"), "--json"});
  ASSERT_EQ(result.ExitCode, 0) << result.Err;
  EXPECT_TRUE(result.Err.empty()) << result.Err;
  const auto json = testing::ParseJson(result.Out);
  ASSERT_TRUE(json) << result.Out;
  const testing::JsonValue& cases = (*json)["cases"];
  ASSERT_EQ(cases.Size(), 4u);
  EXPECT_EQ(cases[1]["number"].Number, 2);
  EXPECT_EQ(cases[1]["name"].String, "Office");
  EXPECT_EQ(cases[1]["category"].String, "QB");
  EXPECT_EQ(cases[1]["duration"].Number, 2); // imposed load: medium-term
  EXPECT_EQ(cases[1]["psi0"].Number, 0.7);
  EXPECT_EQ(cases[1]["psi1"].Number, 0.5);
  EXPECT_EQ(cases[1]["psi2"].Number, 0.3);
  EXPECT_FALSE(cases[1]["self_weight"].Bool);
  EXPECT_TRUE(cases[0]["self_weight"].Bool);
  EXPECT_EQ(cases[3]["category"].String, "W");

  const testing::JsonValue& combinations = (*json)["combinations"];
  ASSERT_EQ(combinations.Size(), 4u);
  struct Row {
    const char* Name;
    const char* Kind;
    int Duration; // of the shortest-acting case
  };
  const Row rows[] = {{"ULS snow", "ULS", 3}, // wind acts: short-term
                      {"SLS-C office", "SLS-C", 2},
                      {"SLS-F", "SLS-F", 2},
                      {"SLS-QP", "SLS-QP", 2}};
  for (std::size_t i = 0; i < 4; ++i) {
    SCOPED_TRACE(rows[i].Name);
    EXPECT_EQ(combinations[i]["number"].Number, i + 1);
    EXPECT_EQ(combinations[i]["name"].String, rows[i].Name);
    EXPECT_EQ(combinations[i]["kind"].String, rows[i].Kind);
    EXPECT_EQ(combinations[i]["duration"].Number, rows[i].Duration);
  }
  const testing::JsonValue& factors = combinations[0]["factors"];
  ASSERT_EQ(factors.Size(), 3u);
  EXPECT_EQ(factors[1][0].Number, 3);
  EXPECT_EQ(factors[1][1].Number, 1.5);
  EXPECT_EQ(factors[2][1].Number, 0.9);
}

TEST(CliCombinations, ListsAsATable) {
  testing::TempFolder folder;
  auto result = Cli({"combinations", Saved(OfficeBeam(), folder, "m.qsd")});
  ASSERT_EQ(result.ExitCode, 0) << result.Err;
  EXPECT_NE(result.Out.find("QB        medium-term    0.7     0.5     0.3     no          Office"),
            std::string::npos)
      << result.Out;
  EXPECT_NE(result.Out.find("ULS     short-term     ULS snow = 1.35 x 1 + 1.5 x 3 + 0.9 x 4"),
            std::string::npos)
      << result.Out;

  // A document of one load set says so, and lists no cases in JSON.
  const std::string plain = Saved(testing::SimplySupportedBeam(6, 2000), folder, "plain.qsd");
  result = Cli({"combinations", plain});
  EXPECT_EQ(result.ExitCode, 0);
  EXPECT_NE(result.Out.find("no load cases"), std::string::npos) << result.Out;
  result = Cli({"combinations", plain, "--json"});
  EXPECT_EQ(result.Out, "{\"cases\": [],\n\"combinations\": []}\n");
}

TEST(CliCombinations, GeneratesTheEn1990SetAndWritesIt) {
  // G, imposed B, snow, wind: by 6.10 seven ultimate and seven serviceability
  // combinations, by 6.10a/b one ultimate more; snow leading by 6.10 is
  // 1.35 G + 1.5 x 0.7 office + 1.5 snow + 1.5 x 0.6 wind.
  struct Row {
    const char* Rule;
    std::size_t Count;
    const char* SnowLeading;
  };
  const Row rows[] = {
      {"6.10", 14, "=8;3;ULS 6.10: Snow leading;ULS;1;1.35;2;1.05;3;1.5;4;0.9\r\n"},
      {"6.10ab", 15, "=8;4;ULS 6.10b: Snow leading;ULS;1;1.1475;2;1.05;3;1.5;4;0.9\r\n"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.Rule);
    testing::TempFolder folder;
    const std::string in = Saved(OfficeBeam(), folder, "in.qsd");
    const std::string before = testing::ReadBytes(in);
    const std::string out = folder.File("out.qsd");
    const auto result = Cli({"combinations", in, "--generate", row.Rule, "-o", out, "--json"});
    ASSERT_EQ(result.ExitCode, 0) << result.Err;
    EXPECT_EQ(testing::ReadBytes(in), before);
    const std::string written = testing::ReadBytes(out);
    EXPECT_NE(written.find(row.SnowLeading), std::string::npos) << written;

    const ModelDocument doc = Loaded(out);
    EXPECT_EQ(doc.Settings.Combinations.size(), row.Count);
    EXPECT_EQ(doc.Settings.LoadCases, OfficeBeam().Settings.LoadCases);
    EXPECT_TRUE(CheckLoadCases(doc).empty());
    // The loads keep their cases, and the list printed is the document written.
    int inCase3 = 0;
    for (const TLoadObject& load : ObjectsOf<TLoadObject>(doc))
      inCase3 += load.Case == 3;
    EXPECT_EQ(inCase3, 1);
    const auto json = testing::ParseJson(result.Out);
    ASSERT_TRUE(json);
    EXPECT_EQ((*json)["combinations"].Size(), row.Count);
  }
}

TEST(CliCombinations, ADocumentOfOneLoadSetFirstGetsItsCase) {
  testing::TempFolder folder;
  const std::string in = Saved(testing::SimplySupportedBeam(6, 2000), folder, "in.qsd");
  const std::string out = folder.File("out.qsd");
  const auto result = Cli({"combinations", in, "--generate", "6.10", "-o", out});
  ASSERT_EQ(result.ExitCode, 0) << result.Err;
  const ModelDocument doc = Loaded(out);
  ASSERT_EQ(doc.Settings.LoadCases.size(), 1u);
  EXPECT_EQ(doc.Settings.LoadCases[0].Name, "Permanent load");
  EXPECT_TRUE(doc.Settings.LoadCases[0].SelfWeight);
  ASSERT_EQ(doc.Settings.Combinations.size(), 4u); // ULS G and the three SLS sets, G alone
  EXPECT_EQ(doc.Settings.Combinations[0].Factors, (std::vector<CaseFactor>{{1, 1.35}}));
  EXPECT_NE(testing::ReadBytes(out).find("FormatVersion=2\r\n"), std::string::npos);
}

TEST(CliCombinations, BadUsageWritesNothing) {
  testing::TempFolder folder;
  const std::string in = Saved(OfficeBeam(), folder, "in.qsd");
  const std::string before = testing::ReadBytes(in);
  const std::string out = folder.File("out.qsd");
  struct Row {
    std::vector<std::string> Args;
    const char* Message;
  };
  const std::vector<Row> rows = {
      {{"combinations", in, "--generate", "6.10"}, "needs -o OUT.qsd"},
      {{"combinations", in, "-o", out}, "give --generate"},
      {{"combinations", in, "--generate", "6.11", "-o", out}, "6.10 or 6.10ab, not '6.11'"},
      {{"combinations", in, "--generate"}, "--generate"},
      {{"combinations"}, "needs one MODEL.qsd"},
      {{"combinations", in, in}, "needs one MODEL.qsd"},
      {{"combinations", folder.File("missing.qsd")}, "no such file"},
      {{"combinations", in, "--bogus"}, "--bogus"},
      {{"combinations", in, "--generate", "6.10", "-o", folder.File("no/such/folder/out.qsd")}, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.Args.size() > 1 ? row.Args.back() : "no model");
    const auto result = Cli(row.Args);
    EXPECT_EQ(result.ExitCode, 2);
    EXPECT_NE(result.Err.find(row.Message), std::string::npos) << result.Err;
    EXPECT_EQ(testing::FolderContents(folder.Path()), std::vector<std::string>{"in.qsd"});
    EXPECT_EQ(testing::ReadBytes(in), before);
  }
}

TEST(CliCombinations, ProblemsOfTheCasesAreNamedAndNothingIsWritten) {
  testing::TempFolder folder;
  ModelDocument broken = OfficeBeam();
  for (TLoadObject& load : ObjectsOf<TLoadObject>(broken))
    load.Case = 7;
  broken.Settings.Combinations[2].Factors.clear();
  const std::string in = Saved(std::move(broken), folder, "in.qsd");
  const std::string out = folder.File("out.qsd");

  auto result = Cli({"combinations", in});
  EXPECT_EQ(result.ExitCode, 2);
  EXPECT_NE(result.Out.find("SLS-F = (no case)"), std::string::npos) << result.Out;
  const std::string first = "in.qsd: Combination 3 takes no load case.\n";
  const std::string second = "in.qsd: Load 1 belongs to load case 7, which does not exist.\n";
  EXPECT_NE(result.Err.find(first), std::string::npos) << result.Err;
  EXPECT_LT(result.Err.find(first), result.Err.find(second)) << result.Err;

  // Generating mends the combinations but not the loads: nothing is written.
  result = Cli({"combinations", in, "--generate", "6.10", "-o", out});
  EXPECT_EQ(result.ExitCode, 2);
  EXPECT_EQ(result.Err.find("Combination 3"), std::string::npos) << result.Err;
  EXPECT_NE(result.Err.find(second), std::string::npos) << result.Err;
  EXPECT_EQ(testing::FolderContents(folder.Path()), std::vector<std::string>{"in.qsd"});
}

TEST(CliCombinations, ManyProblemsAreCounted) {
  testing::TempFolder folder;
  ModelDocument doc = OfficeBeam();
  for (int i = 0; i < 30; ++i)
    testing::AddForce(doc, 10 + i, 2, 100, 0).Case = 9;
  const auto result = Cli({"combinations", Saved(std::move(doc), folder, "in.qsd")});
  EXPECT_EQ(result.ExitCode, 2);
  EXPECT_EQ(std::count(result.Err.begin(), result.Err.end(), '\n'), 11) << result.Err;
  EXPECT_NE(result.Err.find("... and 20 more problems"), std::string::npos) << result.Err;
}

TEST(CliCombinations, TheShippedExampleHoldsTheCombinationsItsCasesGive) {
  // A two-storey office frame: dead load, office load (category B) on the floor,
  // snow on the roof, wind on the columns; generated by 6.10 and kept current.
  testing::TempFolder folder;
  const std::string example =
      std::string(STRANDEL_SOURCE_DIR) + "/data/Models/Office portal frame.qsd";
  const std::string again = folder.File("again.qsd");
  const auto result = Cli({"combinations", example, "--generate", "6.10", "-o", again});
  ASSERT_EQ(result.ExitCode, 0) << result.Err;
  EXPECT_EQ(testing::ReadBytes(again), testing::ReadBytes(example));
  const ModelDocument doc = Loaded(example);
  EXPECT_TRUE(CheckLoadCases(doc).empty());
  std::vector<int> loadsPerCase(5, 0);
  for (const TLoadObject& load : ObjectsOf<TLoadObject>(doc))
    ++loadsPerCase.at(load.Case);
  EXPECT_EQ(loadsPerCase, (std::vector<int>{0, 2, 1, 1, 4}));
}

TEST(CliCombinations, HelpTexts) {
  auto result = Cli({"combinations", "--help"});
  EXPECT_EQ(result.ExitCode, 0);
  EXPECT_NE(result.Out.find("usage: strandel-cli combinations MODEL.qsd"), std::string::npos);
  EXPECT_NE(result.Out.find("\"self_weight\""), std::string::npos);
  EXPECT_NE(Cli({"--help"}).Out.find("combinations "), std::string::npos);
}

} // namespace
} // namespace strandel
