// Report templates no author would write: braces nested thousands deep, braces
// that never close, a million lines, lines of thousands of parameters. Each gives
// its report lines or its error lines, never a crash.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/text.h"
#include "reports/report.h"
#include "reports/report_templates.h"
#include "support/frame_models.h"
#include "support/temp_folder.h"

namespace strandel {
namespace {

struct HostileTemplate : ::testing::Test {
  ModelDocument doc = testing::TriangleOnTwoSupports();
  AppSettings settings;
  ReportSources sources{doc, settings, "/models/", {"2024-05-06", "engineer", "3.1.4"}};
};

TEST_F(HostileTemplate, BracesNestedDeepOrNeverClosed) {
  struct Case {
    std::string line;
    std::size_t lines;  // report lines it gives
    const char* starts; // how the first of them begins
  };
  const std::string deep = std::string(100000, '{') + "5;R;BeamNo" + std::string(100000, '}');
  const Case cases[] = {
      // The parameter runs to the first "}", so its width is the run of braces.
      {deep, 1, "Error:The line contained an invalid field width:{{{{"},
      {std::string(100000, '{'), 1, "Error:The line contained an unknown expression:{{{{"},
      {std::string(100000, '}'), 1, "}}}}"},
      {"Beam {6;R;BeamNo", 3, "Beam      1"},
      {"{{}}{}{}}", 1, "Error:The line contained an unknown expression:{"},
      {"{5;L;{3;R;BeamNo}}", 1, "Error:The line contained an unknown parameter:{3"},
      {std::string(10000, '{') + "}", 1, "Error:The line contained an unknown expression:{{{{"},
  };
  for (const Case& c : cases) {
    const std::vector<std::string> report = BuildReport({c.line}, sources);
    ASSERT_EQ(report.size(), c.lines) << c.line.substr(0, 40);
    EXPECT_TRUE(StartsWith(report[0], c.starts)) << report[0].substr(0, 80);
  }
}

TEST_F(HostileTemplate, AMillionLines) {
  std::vector<std::string> lines;
  for (int i = 0; i < 1000000; ++i) {
    switch (i % 4) {
    case 0:
      lines.push_back("Plain text of line " + std::to_string(i));
      break;
    case 1:
      lines.push_back("{4;R;BeamNo} {9;L;Beam_Length}");
      break;
    case 2:
      lines.push_back("{4;R;Supp_No}");
      break;
    default:
      lines.push_back("{5;L;Foo}");
      break;
    }
  }
  const std::vector<std::string> report = BuildReport(lines, sources);
  // Per quarter-million: plain, three beams, two supports, one error.
  ASSERT_EQ(report.size(), 250000u * (1 + 3 + 2 + 1));
  EXPECT_EQ(report[1], "   1 400      "); // 4 m in the default length unit, cm
  EXPECT_EQ(report[6], "Error:The line contained an unknown parameter:Foo");
}

TEST_F(HostileTemplate, AFileOfAMillionLinesReadsEveryLine) {
  testing::TempFolder folder;
  std::string text;
  for (int i = 0; i < 1000000; ++i)
    text += i % 2 ? "{;;Mdl_NoOfBeams}\r\n" : "\r\n";
  const TemplateReadResult read = ReadReportTemplate(folder.Write("Huge.txt", text));
  ASSERT_TRUE(read.ok);
  ASSERT_EQ(read.Lines.size(), 1000000u);
  const std::vector<std::string> report = BuildReport(read.Lines, sources);
  ASSERT_EQ(report.size(), 1000000u);
  EXPECT_EQ(report[1], "3        ");
}

TEST_F(HostileTemplate, ALineOfTenThousandWideFields) {
  std::string line;
  for (int i = 0; i < 10000; ++i)
    line += "{1000;R;Mdl_NoOfBeams}";
  const std::vector<std::string> report = BuildReport({line}, sources);
  ASSERT_EQ(report.size(), 1u);
  EXPECT_EQ(report[0].size(), 10000u * 1000u);
  EXPECT_EQ(report[0].substr(999, 1001), "3" + std::string(999, ' ') + "3");
}

} // namespace
} // namespace strandel
