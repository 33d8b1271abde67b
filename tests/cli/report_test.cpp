// strandel-cli report, driven as a user's script drives it: a solved beam's
// report in the settings' units and language, the shipped templates by name, a
// failed analysis, faulty templates and bad input.

#include <gtest/gtest.h>

#include "common/text.h"
#include "model/app_settings.h"
#include "model/document_file.h"
#include "support/frame_models.h"
#include "support/process.h"
#include "support/temp_folder.h"

namespace strandel {
namespace {

testing::ProcessResult Cli(const std::vector<std::string>& args) {
  return testing::RunProgram(STRANDEL_CLI, args);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  for (std::string_view line : SplitLines(text))
    lines.emplace_back(line);
  return lines;
}

struct CliReport : ::testing::Test {
  testing::TempFolder folder;

  // m, mm, kN, kNm; English unless told otherwise.
  std::string Settings(const std::string& language = "English") {
    AppSettings settings;
    settings.Language = language;
    settings.Units.Length = 1;
    settings.Units.Displacement = 4;
    settings.Units.Force = 2;
    settings.Units.Moment = 2;
    return folder.Write("settings.ini", WriteSettingsText(settings));
  }
  std::string Model(ModelDocument doc, const std::string& name = "beam.qsd") {
    const std::string path = folder.File(name);
    EXPECT_TRUE(SaveDocument(doc, path).ok);
    return path;
  }
  std::string Template(const std::string& text) { return folder.Write("template.txt", text); }
};

TEST_F(CliReport, TextsFollowTheLanguageOfTheSettings) {
  const std::string model = Model(testing::SimplySupportedBeam(4, 20000));
  const std::string tpl = Template("{;;Beam_Braced}|{20;L;Dim_OwnWeightStr}|\n");
  const auto swedish = Cli({"report", model, tpl, "--settings", Settings("Svenska")});
  ASSERT_EQ(swedish.ExitCode, 0) << swedish.Err;
  EXPECT_EQ(swedish.Out, "Nej      |Ej medr\xC3\xA4knad        |\n");

  // A language that is not installed: English, and a word about it.
  const auto unknown = Cli({"report", model, tpl, "--settings", Settings("Klingon")});
  ASSERT_EQ(unknown.ExitCode, 0) << unknown.Err;
  EXPECT_EQ(unknown.Out, "No       |Not included        |\n");
  EXPECT_NE(unknown.Err.find("Klingon"), std::string::npos) << unknown.Err;
}

TEST_F(CliReport, AFailedAnalysisStillReportsWithZeroResults) {
  ModelDocument doc = testing::SimplySupportedBeam(4, 20000);
  FindSupport(doc, 1)->Rolled = true; // both supports roll: the beam slides
  FindSupport(doc, 1)->Direction = 1;
  const std::string model = Model(std::move(doc));
  const std::string tpl = Template("{4;R;BeamNo}{6;R;Beam_Ry1}{5;R;Beam_Util}{6;R;Beam_Length}\n"
                                   "{4;R;Supp_No}{6;R;Supp_Ry}\n");
  const auto result = Cli({"report", model, tpl, "--settings", Settings()});
  EXPECT_EQ(result.ExitCode, 1);
  const std::vector<std::string> expected = {"   1     0    0     4", "   1     0", "   3     0"};
  EXPECT_EQ(Lines(result.Out), expected);
  EXPECT_NE(result.Err.find("unstable"), std::string::npos) << result.Err;
}

TEST_F(CliReport, ShippedTemplatesByNameOnAGeneratedFrame) {
  const std::string model = folder.File("frame.qsd");
  const std::string settings = Settings();
  ASSERT_EQ(Cli({"generate", "frame", "-o", model, "--settings", settings}).ExitCode, 0);
  struct Case {
    const char* Name;
    const char* Title;
  };
  const Case cases[] = {
      {"Design report", "STRUCTURAL DESIGN REPORT"},
      {"Beam summary.txt", "BEAM SUMMARY"},
      {"Support reactions", "SUPPORT REACTIONS"},
      {"Bill of materials", "BILL OF MATERIALS"},
  };
  for (const Case& c : cases) {
    const auto result = Cli({"report", model, c.Name, "--settings", settings});
    ASSERT_EQ(result.ExitCode, 0) << c.Name << ": " << result.Err;
    EXPECT_TRUE(result.Err.empty()) << c.Name << ": " << result.Err;
    EXPECT_NE(result.Out.find(c.Title), std::string::npos) << c.Name;
    EXPECT_EQ(result.Out.find("Error:"), std::string::npos) << c.Name << ":\n" << result.Out;
  }
}

TEST_F(CliReport, FaultyLinesAreReportedAndTheRestIsPrinted) {
  const std::string model = Model(testing::SimplySupportedBeam(4, 20000));
  const std::string tpl = Template("{5;L;Foo}\n{2.5;R;BeamNo}\nBeams {;;Mdl_NoOfBeams}\n");
  const auto result = Cli({"report", model, tpl, "--settings", Settings()});
  ASSERT_EQ(result.ExitCode, 0) << result.Err;
  const std::vector<std::string> expected = {
      "Error:The line contained an unknown parameter:Foo",
      "Error:The line contained an invalid field width:2.5",
      "Beams 1        ",
  };
  EXPECT_EQ(Lines(result.Out), expected);
  EXPECT_NE(result.Err.find("2 lines"), std::string::npos) << result.Err;
}

TEST_F(CliReport, TheRunEnvironmentFixesDateUserAndFolder) {
  // A report that reads the same on every machine and every day: the date, the
  // user and the folder the model is named in come from the environment.
  const std::string model = Model(testing::SimplySupportedBeam(4, 20000));
  const std::string tpl =
      Template("{10;L;Env_CurrentDate}|{8;L;Env_CurrentUser}|{60;L;Doc_LongFileName}|\n");
  const auto run = [&](const std::vector<std::string>& environment) {
    return testing::RunProgram(STRANDEL_CLI, {"report", model, tpl, "--settings", Settings()},
                               environment);
  };
  const auto fixed = run({"STRANDEL_REPORT_DATE=2024-02-29", "STRANDEL_REPORT_USER=Reviewer",
                          "STRANDEL_REPORT_FOLDER=cases/beam"});
  ASSERT_EQ(fixed.ExitCode, 0) << fixed.Err;
  std::string name = "cases/beam/beam.qsd";
  name.resize(60, ' ');
  EXPECT_EQ(fixed.Out, "2024-02-29|Reviewer|" + name + "|\n");

  // Unset or empty: today, the login name and the model's own folder.
  const auto free = run({"STRANDEL_REPORT_DATE=", "STRANDEL_REPORT_FOLDER="});
  ASSERT_EQ(free.ExitCode, 0) << free.Err;
  EXPECT_NE(free.Out.find("|" + folder.File("beam.qsd")), std::string::npos) << free.Out;
  EXPECT_EQ(free.Out.find("2024-02-29"), std::string::npos) << free.Out;

  // A date that is no date is refused before anything is printed.
  for (const char* bad : {"2023-02-29", "2026-13-01", "tomorrow", "31.12.2026"}) {
    const auto refused = run({std::string("STRANDEL_REPORT_DATE=") + bad});
    EXPECT_EQ(refused.ExitCode, 2) << bad;
    EXPECT_TRUE(refused.Out.empty()) << bad << ": " << refused.Out;
    EXPECT_NE(refused.Err.find("STRANDEL_REPORT_DATE"), std::string::npos) << refused.Err;
  }
}

TEST_F(CliReport, BadInputEndsWithStatusTwo) {
  const std::string model = Model(testing::SimplySupportedBeam(4, 20000));
  const std::string tpl = Template("{;;BeamNo}\n");
  const std::string damaged = folder.Write("damaged.qsd", "[Model-Objects]\r\nGraphObjCount=1\r\n"
                                                          "Object001=1;x\r\n");
  struct Case {
    std::vector<std::string> Args;
    const char* Says;
  };
  const Case cases[] = {
      {{"report", model}, "needs MODEL.qsd and TEMPLATE.txt"},
      {{"report", model, tpl, "extra"}, "needs MODEL.qsd and TEMPLATE.txt"},
      {{"report", model, folder.File("none.txt")}, "none.txt"},
      {{"report", model, "No such template"}, "No such template"},
      {{"report", folder.File("none.qsd"), tpl}, "none.qsd"},
      {{"report", damaged, tpl}, "not a valid integer"},
      {{"report", model, tpl, "--json"}, "unknown option --json"},
      {{"report", model, tpl, "--settings", folder.File("none.ini")}, "none.ini"},
  };
  for (const Case& c : cases) {
    const auto result = Cli(c.Args);
    EXPECT_EQ(result.ExitCode, 2) << c.Says;
    EXPECT_TRUE(result.Out.empty()) << c.Says << ": " << result.Out;
    EXPECT_NE(result.Err.find(c.Says), std::string::npos) << result.Err;
  }
  const auto help = Cli({"report", "--help"});
  EXPECT_EQ(help.ExitCode, 0);
  EXPECT_TRUE(StartsWith(help.Out, "usage: strandel-cli report MODEL.qsd TEMPLATE.txt"));
}

} // namespace
} // namespace strandel
