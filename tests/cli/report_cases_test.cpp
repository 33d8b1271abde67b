// strandel-cli report on the shipped office frame with its load cases: the
// shipped templates expand on it.

#include <gtest/gtest.h>

#include "common/files.h"
#include "common/text.h"
#include "model/app_settings.h"
#include "support/process.h"
#include "support/temp_folder.h"

namespace strandel {
namespace {

const std::string kOffice =
    std::string(STRANDEL_SOURCE_DIR) + "/data/Models/Office portal frame.qsd";

testing::ProcessResult Cli(const std::vector<std::string>& args) {
  return testing::RunProgram(STRANDEL_CLI, args);
}

struct CliReportCases : ::testing::Test {
  testing::TempFolder folder;

  std::string Settings(const std::string& language = "English") {
    AppSettings settings;
    settings.Language = language;
    return folder.Write("settings.ini", WriteSettingsText(settings));
  }
};

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

} // namespace
} // namespace strandel
