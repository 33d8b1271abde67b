// How template lines become report lines: which lines are errors and with which
// message, which repeat for beams or supports and in which order, and that a
// faulty line never stops the rest of the report.

#include <gtest/gtest.h>

#include "reports/report.h"
#include "support/frame_models.h"

namespace strandel {
namespace {

using testing::AddBeam;
using testing::AddNode;
using testing::AddSupport;

// Beams 12, 3 and 7 and supports at nodes 5 and 2, in that list order.
ModelDocument NumberedModel() {
  ModelDocument doc = testing::EmptyModel();
  AddNode(doc, 5, 0, 0);
  AddNode(doc, 2, 3, 0);
  AddNode(doc, 9, 3, 2);
  AddBeam(doc, 12, 5, 2);
  AddSupport(doc, 1, 5);
  AddBeam(doc, 3, 2, 9);
  AddSupport(doc, 2, 2);
  AddBeam(doc, 7, 9, 5);
  return doc;
}

struct ReportLines : ::testing::Test {
  ModelDocument doc = NumberedModel();
  AppSettings settings;
  ReportSources sources{doc, settings, "/models/", {"2024-05-06", "engineer", "3.1.4"}};

  std::vector<std::string> Build(const std::vector<std::string>& lines) {
    return BuildReport(lines, sources);
  }
};

TEST(ReportLineKind, ClassifiesEveryLine) {
  struct Case {
    const char* Line;
    ReportLineKind Kind;
    const char* Replaced; // the line afterwards
  };
  const Case cases[] = {
      {"Plain text", ReportLineKind::Plain, "Plain text"},
      {"", ReportLineKind::Plain, ""},
      {"Date: {10;L;Env_CurrentDate}", ReportLineKind::Plain, nullptr},
      {"{}", ReportLineKind::Plain, nullptr},
      {"{5;L;BeamNo} {;;Prof_Name}", ReportLineKind::PerBeam, nullptr},
      {"{5;L;beamno}", ReportLineKind::PerBeam, nullptr},
      {"{5;L;SUPP_NO} {;;LengthUnitStr}", ReportLineKind::PerSupport, nullptr},
      {"{5;L;BeamNo} and {5;L;Supp_No}", ReportLineKind::Error,
       "Error:Repetetiv parameters of two kinds are mixed on the same line!"},
      // Load cases and combinations repeat like objects; their counts do not.
      {"{5;L;Case_No} of {;;Case_Count}", ReportLineKind::PerCase, nullptr},
      {"{5;L;Comb_No} {;;Result_Name}", ReportLineKind::PerCombination, nullptr},
      {"{;;Result_Factors} {;;Combination_Count}", ReportLineKind::Plain, nullptr},
      {"{5;L;BeamNo} {5;L;Beam_Governing}", ReportLineKind::PerBeam, nullptr},
      {"{5;L;Load_Case}", ReportLineKind::PerLoad, nullptr},
      {"{5;L;Case_No} {5;L;Comb_No}", ReportLineKind::Error,
       "Error:Repetetiv parameters of two kinds are mixed on the same line!"},
      {"{5;L;Case_Name} {5;L;Load_Case}", ReportLineKind::Error,
       "Error:Repetetiv parameters of two kinds are mixed on the same line!"},
      {"{5;L;Foo}", ReportLineKind::Error, "Error:The line contained an unknown parameter:Foo"},
      {"{5;L;}", ReportLineKind::Error, "Error:The line contained an unknown expression:5;L;"},
      {"{BeamNo}", ReportLineKind::Error, "Error:The line contained an unknown expression:BeamNo"},
      {"{ }", ReportLineKind::Error, "Error:The line contained an unknown expression: "},
      {"{2.5;R;BeamNo}", ReportLineKind::Error,
       "Error:The line contained an invalid field width:2.5"},
      {"{-4;R;Mdl_NoOfBeams}", ReportLineKind::Error,
       "Error:The line contained an invalid field width:-4"},
      {"{100000;L;Mdl_NoOfBeams}", ReportLineKind::Error,
       "Error:The line contained an invalid field width:100000"},
      // The first faulty parameter from the left is named.
      {"{5;L;Foo} {5;L;Bar}", ReportLineKind::Error,
       "Error:The line contained an unknown parameter:Foo"},
      {"{5;L;BeamNo} {x;L;Beam_Mass} {5;L;Bar}", ReportLineKind::Error,
       "Error:The line contained an invalid field width:x"},
      // A wrong name is told before the mixing it might cause.
      {"{5;L;BeamNo} {5;L;Supp_No} {5;L;Foo}", ReportLineKind::Error,
       "Error:The line contained an unknown parameter:Foo"},
  };
  for (const Case& c : cases) {
    std::string line = c.Line;
    EXPECT_EQ(LineKind(line), c.Kind) << c.Line;
    EXPECT_EQ(line, c.Replaced ? c.Replaced : c.Line) << c.Line;
  }
}

TEST_F(ReportLines, RepeatsLinesForBeamsAndSupportsInListOrder) {
  const std::vector<std::string> report = Build({
      "Beams:",
      "{6;R;BeamNo}|",
      "Supports of {;;Doc_ShortFileName}:",
      "{3;L;Supp_No}{2;R;Mdl_NoOfBeams}",
      "End",
  });
  // The file name is one character wider than its default field and is cut.
  const std::vector<std::string> expected = {
      "Beams:", "    12|", "     3|", "     7|", "Supports of Noname.qs:", "5   3", "2   3", "End",
  };
  EXPECT_EQ(report, expected);
}

TEST_F(ReportLines, AModelWithoutBeamsOrSupportsGivesNoRepeatedLines) {
  ModelDocument empty;
  ReportSources none{empty, settings, "/models/", {}};
  const std::vector<std::string> report =
      BuildReport({"Head", "{;;BeamNo}", "{;;Supp_No}", "{2;L;Mdl_NoOfBeams}|"}, none);
  const std::vector<std::string> expected = {"Head", "0 |"};
  EXPECT_EQ(report, expected);
}

TEST_F(ReportLines, ExpandsOneLineForTheObjectGiven) {
  const TBeamObject* beam = FindBeam(doc, 3);
  const TSupportObject* support = FindSupport(doc, 2);
  EXPECT_EQ(ExpandLine("[{4;R;BeamNo}]", sources, beam), "[   3]");
  EXPECT_EQ(ExpandLine("[{4;R;Supp_No}]", sources, support), "[   2]");
  // A beam parameter without a beam, or a support parameter for a beam: blanks.
  EXPECT_EQ(ExpandLine("[{4;R;BeamNo}]", sources), "[    ]");
  EXPECT_EQ(ExpandLine("[{4;R;Supp_No}]", sources, beam), "[    ]");
  EXPECT_EQ(ExpandLine("[{4;R;Nothing}]", sources, beam), "[    ]");
  // Literal text is copied as it is, markup and all.
  EXPECT_EQ(ExpandLine("|Bold| ~under~ ^x \xC2\xA8 --- ===", sources),
            "|Bold| ~under~ ^x \xC2\xA8 --- ===");
  EXPECT_EQ(ExpandLine("a{}b", sources), "ab");
  EXPECT_EQ(ExpandLine("{0;L;Mdl_NoOfBeams}|", sources), "|");
  EXPECT_EQ(ExpandLine("{;;Mdl_NoOfBeams}|", sources), "3        |");
  EXPECT_EQ(ExpandLine("{;R;Mdl_NoOfBeams}|", sources), "        3|");
}

} // namespace
} // namespace strandel
