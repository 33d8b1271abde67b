// strandel-cli report on the shipped office frame with its load cases: the
// figures of the cases, combinations and governing combinations agree with
// what solve --json says of the same document, for the default result and one
// chosen with --combination; and the shipped templates expand on it.

#include <cmath>
#include <sstream>

#include <gtest/gtest.h>

#include "common/files.h"
#include "common/text.h"
#include "model/app_settings.h"
#include "support/json_value.h"
#include "support/process.h"
#include "support/temp_folder.h"

namespace strandel {
namespace {

using testing::JsonValue;

const std::string kOffice =
    std::string(STRANDEL_SOURCE_DIR) + "/data/Models/Office portal frame.qsd";

testing::ProcessResult Cli(const std::vector<std::string>& args) {
  return testing::RunProgram(STRANDEL_CLI, args);
}

std::string Percent(double fraction) {
  return std::to_string(std::lround(100 * fraction));
}

// The lines of the output that begin with `tag`, split at blanks.
std::vector<std::vector<std::string>> Rows(const std::string& out, const std::string& tag) {
  std::vector<std::vector<std::string>> rows;
  for (std::string_view line : SplitLines(out)) {
    if (!StartsWith(line, tag)) continue;
    std::istringstream words{std::string(line.substr(tag.size()))};
    std::vector<std::string>& row = rows.emplace_back();
    for (std::string word; words >> word;)
      row.push_back(word);
  }
  return rows;
}

struct CliReportCases : ::testing::Test {
  testing::TempFolder folder;

  std::string Settings(const std::string& language = "English") {
    AppSettings settings;
    settings.Language = language;
    return folder.Write("settings.ini", WriteSettingsText(settings));
  }
  JsonValue Solve(const std::vector<std::string>& options) {
    std::vector<std::string> args = {"solve", kOffice, "--json"};
    args.insert(args.end(), options.begin(), options.end());
    const auto result = Cli(args);
    EXPECT_EQ(result.ExitCode, 0) << result.Err;
    return testing::ParseJson(result.Out).value_or(JsonValue{});
  }
};

TEST_F(CliReportCases, FiguresAgreeWithTheSolveOfTheSameChoice) {
  const std::string tpl =
      folder.Write("cases.txt", "R|{;;Result_Kind}|{60;L;Result_Factors}|{;;Case_Count}|"
                                "{;;Combination_Count}\n"
                                "N|{70;L;Result_Name}\n"
                                "C {;;Comb_No} {;;Comb_Kind} {;;Comb_MaxUtilisation}\n"
                                "B {;;BeamNo} {;;Beam_Governing} {;;Beam_GoverningUtil} "
                                "{;;Beam_Util}\n"
                                "L {;;Load_No} {;;Load_Case}\n");
  const std::vector<std::string> noChoice;
  const std::vector<std::string> snow = {"--combination", "3"};
  for (const std::vector<std::string>* options : {&noChoice, &snow}) {
    std::vector<std::string> args = {"report", kOffice, tpl, "--settings", Settings()};
    args.insert(args.end(), options->begin(), options->end());
    const auto report = Cli(args);
    ASSERT_EQ(report.ExitCode, 0) << report.Err;
    EXPECT_TRUE(report.Err.empty()) << report.Err;
    const JsonValue json = Solve(*options);
    const JsonValue& uls = json["envelope"]["ULS"];
    ASSERT_EQ(uls["beams"].Size(), 6u);

    // The result the report names is the one solve shows.
    const long shown = std::lround(json["result"]["number"].Number);
    const JsonValue* combination = nullptr;
    for (const JsonValue& c : json["combinations"].Array)
      if (std::lround(c["number"].Number) == shown) combination = &c;
    ASSERT_NE(combination, nullptr);
    EXPECT_NE(report.Out.find("N|Combination " + std::to_string(shown) + ": " +
                              (*combination)["name"].String),
              std::string::npos)
        << report.Out;
    if (!options->empty()) {
      EXPECT_EQ(shown, 3);
      EXPECT_NE(report.Out.find("R|ULS      |1.35 x 1 + 1.05 x 2 + 1.5 x 3 + 0.9 x 4 "),
                std::string::npos)
          << report.Out;
    }
    EXPECT_NE(report.Out.find("|4        |14       \n"), std::string::npos) << report.Out;

    // Every combination's highest utilisation, in the order of the document.
    const auto combinations = Rows(report.Out, "C ");
    ASSERT_EQ(combinations.size(), json["combinations"].Size());
    for (std::size_t k = 0; k < combinations.size(); ++k) {
      const JsonValue& c = json["combinations"][k];
      ASSERT_EQ(combinations[k].size(), 3u);
      EXPECT_EQ(combinations[k][0], std::to_string(std::lround(c["number"].Number)));
      EXPECT_EQ(combinations[k][1], c["kind"].String);
      EXPECT_EQ(combinations[k][2], Percent(c["max_utilisation"].Number)) << k;
    }

    // Each beam: its governing ULS combination and utilisation from the
    // envelope, whatever result is shown, and its utilisation in that result.
    const auto beams = Rows(report.Out, "B ");
    ASSERT_EQ(beams.size(), 6u);
    for (std::size_t b = 0; b < beams.size(); ++b) {
      const JsonValue& envelope = uls["beams"][b];
      ASSERT_EQ(beams[b].size(), 4u);
      EXPECT_EQ(beams[b][1], std::to_string(std::lround(envelope["governing"].Number))) << b;
      EXPECT_EQ(beams[b][2], Percent(envelope["utilisation"].Number)) << b;
      EXPECT_EQ(beams[b][3], Percent(json["beams"][b]["utilisation"].Number)) << b;
    }

    // The loads' cases as the file gives them: floor and roof dead load,
    // office, snow, then four wind loads.
    std::vector<std::string> cases;
    for (const auto& row : Rows(report.Out, "L "))
      cases.push_back(row.size() == 2 ? row[1] : "?");
    const std::vector<std::string> expected = {"1", "1", "2", "3", "4", "4", "4", "4"};
    EXPECT_EQ(cases, expected);
  }
}

TEST_F(CliReportCases, ShippedDesignReportsExpandOnTheOfficeFrame) {
  const std::string settings = Settings();
  const auto withCases =
      Cli({"report", kOffice, "Design report with load cases", "--settings", settings});
  ASSERT_EQ(withCases.ExitCode, 0) << withCases.Err;
  EXPECT_TRUE(withCases.Err.empty()) << withCases.Err;
  EXPECT_EQ(withCases.Out.find("Error:"), std::string::npos) << withCases.Out;
  for (const char* expected :
       {"Results of       Combination ", "    1 Dead load            G        Permanent",
        "    4 Wind                 W        Short-term",
        // Wind acts short-term, so only combinations without it are medium-term.
        "    3 ULS    Short-term", "    5 ULS    Medium-term", "   14 1 x 1 + 0.3 x 2 + 0.2 x 3 "})
    EXPECT_NE(withCases.Out.find(expected), std::string::npos) << expected << "\n" << withCases.Out;

  // The plain design report has nothing of cases but the loads' factors.
  const auto plain = Cli({"report", kOffice, "Design report", "--settings", settings});
  ASSERT_EQ(plain.ExitCode, 0) << plain.Err;
  EXPECT_EQ(plain.Out.find("Error:"), std::string::npos) << plain.Out;
  EXPECT_EQ(plain.Out.find("Load cases"), std::string::npos);

  const std::string pdf = folder.File("report.pdf");
  const auto drawn = Cli({"report", kOffice, "Design report with load cases", "--pdf", pdf,
                          "--combination", "3", "--settings", settings});
  ASSERT_EQ(drawn.ExitCode, 0) << drawn.Err;
  EXPECT_TRUE(StartsWith(ReadWholeFile(pdf).bytes, "%PDF"));
}

TEST_F(CliReportCases, CaseTextsFollowTheLanguage) {
  const std::string tpl =
      folder.Write("texts.txt", "{;;Case_No}|{20;L;Case_Duration}|{;;Case_SelfWeight}|"
                                "{30;L;Case_CategoryStr}\n");
  const auto swedish = Cli({"report", kOffice, tpl, "--settings", Settings("Svenska")});
  ASSERT_EQ(swedish.ExitCode, 0) << swedish.Err;
  const auto english = Cli({"report", kOffice, tpl, "--settings", Settings()});
  ASSERT_EQ(english.ExitCode, 0) << english.Err;
  EXPECT_EQ(SplitLines(swedish.Out).size(), 4u); // the four cases
  EXPECT_NE(english.Out.find("|Yes      |"), std::string::npos) << english.Out;
  EXPECT_NE(swedish.Out.find("|Ja       |"), std::string::npos) << swedish.Out;
  EXPECT_NE(swedish.Out, english.Out);
}

} // namespace
} // namespace strandel
