// The load case and combination parameters on a beam whose results follow by
// hand from its one-load-set solution (the analysis is linear), the repeated
// lines, the result a report names, and a document without cases.

#include <cmath>

#include "analysis/beam_curves.h"
#include "analysis/load_case_analysis.h"
#include "analysis/solver.h"
#include "common/geometry.h"
#include "common/number_text.h"
#include "common/text.h"
#include "model/load_case_texts.h"
#include "report_fixture.h"
#include "support/frame_models.h"

namespace strandel {
namespace {

TCombination Combination(int number, std::string name, CombinationKind kind,
                         std::vector<CaseFactor> factors) {
  return {static_cast<std::uint16_t>(number), std::move(name), kind, std::move(factors)};
}

// A 4 m steel beam on a pin and a roller: 20 kN/m of dead load (case 1), and
// 10 kN/m of office load (case 2) together with a 3 kN force and a 1 kNm
// moment at midspan. Combinations: 1.35 G + 1.5 Q (42 kN/m), 1.35 G alone
// (27 kN/m) and the characteristic G + Q (30 kN/m).
ModelDocument TwoCaseBeam() {
  ModelDocument doc = testing::SimplySupportedBeam(4, 20000);
  doc.Settings.LoadCases = {MakeLoadCase(1, "Dead load", ActionCategory::Permanent),
                            MakeLoadCase(2, "Office", ActionCategory::ImposedB)};
  doc.Settings.LoadCases[0].SelfWeight = true;
  testing::AddLoad(doc, 2, 1, 1, 3, 10000, -kPi / 2).Case = 2;
  testing::AddForce(doc, 1, 2, 3000, -kPi / 2).Case = 2;
  testing::AddMoment(doc, 1, 2, 1000).Case = 2;
  doc.Settings.Combinations = {
      Combination(1, "ULS 6.10: Office leading", CombinationKind::Ultimate, {{1, 1.35}, {2, 1.5}}),
      Combination(2, "ULS 6.10: G", CombinationKind::Ultimate, {{1, 1.35}}),
      Combination(3, "SLS-C", CombinationKind::Characteristic, {{1, 1}, {2, 1}})};
  return doc;
}

// The beam's utilisation under the 20 kN/m alone, solved as one load set.
double DeadLoadUtilisation() {
  ModelDocument single = testing::SimplySupportedBeam(4, 20000);
  EXPECT_TRUE(AnalyseModel(single).Ok());
  return BeamUtilisation(single, 1);
}

// Each line's fields with the filling taken off, still parted by "|".
std::vector<std::string> Compact(const std::vector<std::string>& lines) {
  std::vector<std::string> compact;
  for (const std::string& line : lines) {
    std::string joined;
    std::size_t start = 0;
    while (start <= line.size()) {
      const std::size_t bar = std::min(line.find('|', start), line.size());
      joined +=
          (start ? "|" : "") + std::string(Trim(std::string_view(line).substr(start, bar - start)));
      start = bar + 1;
    }
    compact.push_back(joined);
  }
  return compact;
}

std::string Percent(double fraction) {
  return std::to_string(std::lround(100 * fraction));
}

class CaseParameters : public testing::ReportTest {
protected:
  // The report as the report command makes it: every case solved, the
  // document's choice installed.
  std::vector<std::string> Report(ModelDocument& doc, const std::vector<std::string>& lines) {
    analysis_ = AnalyseLoadCases(doc);
    EXPECT_TRUE(analysis_.Ok());
    InstallResult(doc, analysis_, *DocumentResult(analysis_, doc));
    const ReportSources sources{doc, settings, "/models/", environment, &analysis_};
    return BuildReport(lines, sources);
  }
  std::string Line(ModelDocument& doc, const std::string& line) {
    const std::vector<std::string> report = Report(doc, {line});
    return report.empty() ? std::string("(no line)") : report.front();
  }
  CaseAnalysis analysis_;
};

TEST_F(CaseParameters, EachCaseLineRepeatsWithItsValues) {
  ModelDocument doc = TwoCaseBeam();
  const std::vector<std::string> report =
      Report(doc, {"{;;Case_No}|{;;Case_Name}|{;;Case_Category}|{30;L;Case_CategoryStr}|"
                   "{15;L;Case_Duration}|{;;Case_Psi0}|{;;Case_Psi1}|{;;Case_Psi2}|"
                   "{;;Case_SelfWeight}"});
  // Offices: psi 0.7, 0.5, 0.3 and medium-term loads.
  const std::vector<std::string> expected = {
      "1|Dead load|G|Permanent (G)|Permanent|1|1|1|Yes",
      "2|Office|QB|Imposed B, offices (QB)|Medium-term|0.7|0.5|0.3|No"};
  EXPECT_EQ(Compact(report), expected);
}

// Bending alone uses the steel beam, so its utilisation is the largest moment
// over the capacity: with 20 kN/m alone qL^2/8 = 40 kNm. Under a combination
// the span moment is (factored q) L^2 / 8 + P L / 4 and the moment at midspan
// adds half its jump: 1.35 G + 1.5 Q: 84 + 4.5 + 0.75 = 89.25 kNm; 1.35 G:
// 54 kNm; G + Q: 60 + 3 + 0.5 = 63.5 kNm.
TEST_F(CaseParameters, EachCombinationLineGivesFactorsDurationAndUtilisation) {
  ModelDocument doc = TwoCaseBeam();
  const double u = DeadLoadUtilisation() / 40; // per kNm
  ASSERT_GT(u, 0.001);
  const std::vector<std::string> report =
      Report(doc, {"{;;Comb_No}|{30;L;Comb_Name}|{;;Comb_Kind}|{20;L;Comb_KindStr}|"
                   "{20;L;Comb_Factors}|{15;L;Comb_Duration}|{;;Comb_MaxUtilisation}"});
  // The shortest acting case sets the duration: the office load's medium term.
  const std::vector<std::string> expected = {
      "1|ULS 6.10: Office leading|ULS|ULS|1.35 x 1 + 1.5 x 2|Medium-term|" + Percent(89.25 * u),
      "2|ULS 6.10: G|ULS|ULS|1.35 x 1|Permanent|" + Percent(54 * u),
      "3|SLS-C|SLS-C|SLS characteristic|1 x 1 + 1 x 2|Medium-term|" + Percent(63.5 * u)};
  EXPECT_EQ(Compact(report), expected);
  // The figures are those of the envelope: the leading combination governs.
  const KindEnvelope& uls = analysis_.Envelope(CombinationKind::Ultimate);
  ASSERT_TRUE(uls.Present);
  EXPECT_EQ(uls.Governing, 1);
  EXPECT_NEAR(uls.MaxUtilisation, 89.25 * u, 1e-9);
}

TEST_F(CaseParameters, BeamsNameTheirGoverningUltimateCombination) {
  ModelDocument doc = TwoCaseBeam();
  const double u = DeadLoadUtilisation() / 40;
  const std::string line = Line(doc, "{;;BeamNo}|{;;Beam_Governing}|{;;Beam_GoverningUtil}|"
                                     "{;;Beam_Util}");
  // The default result is the governing combination, so the beam's utilisation
  // in it is its governing one.
  EXPECT_EQ(Compact({line}).front(), "1|1|" + Percent(89.25 * u) + "|" + Percent(89.25 * u));
  doc.Settings.ResultSet = "combination 2";
  EXPECT_EQ(Compact({Line(doc, "{;;Beam_Governing}|{;;Beam_GoverningUtil}|{;;Beam_Util}")}).front(),
            "1|" + Percent(89.25 * u) + "|" + Percent(54 * u));

  // Without the analysis of the cases there is no envelope to name.
  const ReportSources none{doc, settings, "/models/", environment};
  EXPECT_EQ(ExpandLine("{;;Beam_Governing}|{;;Beam_GoverningUtil}|{;;Comb_MaxUtilisation}", none,
                       FindBeam(doc, 1)),
            std::string(9, ' ') + "|" + std::string(9, ' ') + "|" + std::string(9, ' '));
}

TEST_F(CaseParameters, LoadsForcesMomentsAndSupportsNameTheirCase) {
  ModelDocument doc = TwoCaseBeam();
  FindSupport(doc, 1)->Case = 2;
  const std::vector<std::string> report =
      Report(doc, {"L{;;Load_No}{3;R;Load_Case}", "F{;;Force_No}{3;R;Force_Case}",
                   "M{;;Moment_No}{3;R;Moment_Case}", "S{;;Supp_No}{3;R;Supp_Case}"});
  const std::vector<std::string> expected = {"L1          1", "L2          2", "F1          2",
                                             "M1          2", "S1          2", "S3          1"};
  EXPECT_EQ(report, expected);
}

// The result named, as the report command installs it for each choice.
TEST_F(CaseParameters, TheResultShownIsNamedWithItsFactors) {
  struct Case {
    std::string ResultSet;
    std::string Expected; // Result_Name|Result_Kind|Result_Factors
  };
  const Case cases[] = {
      {"", "Combination 1: ULS 6.10: Office leading|ULS|1.35 x 1 + 1.5 x 2"},
      {"case 2", "Case 2: Office|case|1 x 2"},
      {"combination 2", "Combination 2: ULS 6.10: G|ULS|1.35 x 1"},
      {"envelope SLS-C", "Combination 3: SLS-C|SLS-C|1 x 1 + 1 x 2"},
      {"envelope ULS", "Combination 1: ULS 6.10: Office leading|ULS|1.35 x 1 + 1.5 x 2"},
      // A choice of nothing there falls back to the default, as the analysis does.
      {"combination 9", "Combination 1: ULS 6.10: Office leading|ULS|1.35 x 1 + 1.5 x 2"},
      {"case 7", "Combination 1: ULS 6.10: Office leading|ULS|1.35 x 1 + 1.5 x 2"},
      {"envelope SLS-QP", "Combination 1: ULS 6.10: Office leading|ULS|1.35 x 1 + 1.5 x 2"},
  };
  for (const Case& c : cases) {
    ModelDocument doc = TwoCaseBeam();
    doc.Settings.ResultSet = c.ResultSet;
    EXPECT_EQ(
        Compact({Line(doc, "{60;L;Result_Name}|{;;Result_Kind}|{60;L;Result_Factors}")}).front(),
        c.Expected)
        << c.ResultSet;
    // The factors named are those of the results in the model.
    EXPECT_NE(Line(doc, "{40;L;Result_Factors}").find(FactorsText(doc.ResultFactors)),
              std::string::npos)
        << c.ResultSet;
  }
  ModelDocument doc = TwoCaseBeam();
  EXPECT_EQ(Line(doc, "{;;Case_Count}|{;;Combination_Count}"), "2        |3        ");

  // The window's page without the analysis: the combination whose factors the
  // results are of.
  ModelDocument solved = TwoCaseBeam();
  ASSERT_TRUE(AnalyseModel(solved).Ok());
  const ReportSources window{solved, settings, "/models/", environment};
  EXPECT_EQ(Compact({ExpandLine("{60;L;Result_Name}", window)}).front(),
            "Combination 1: ULS 6.10: Office leading");
}

TEST_F(CaseParameters, AFailedAnalysisNamesNoDefaultResult) {
  ModelDocument doc = TwoCaseBeam();
  FindSupport(doc, 1)->Rolled = true; // both supports roll: the beam slides
  FindSupport(doc, 1)->Direction = 1;
  const CaseAnalysis failed = AnalyseLoadCases(doc);
  ASSERT_FALSE(failed.Ok());
  const ReportSources sources{doc, settings, "/models/", environment, &failed};
  EXPECT_EQ(
      ExpandLine("{;;Result_Name}|{;;Comb_MaxUtilisation}", sources, &doc.Settings.Combinations[0]),
      std::string(9, ' ') + "|0        ");
  // A result asked for by name is still named: the report says what was asked.
  doc.Settings.ResultSet = "case 2";
  EXPECT_EQ(Compact({ExpandLine("{60;L;Result_Name}", sources)}).front(), "Case 2: Office");
}

// A document of one load set: the new parameters are empty or 0 and the
// repeated lines give nothing, so a template that lists cases prints nothing
// more for it.
TEST_F(CaseParameters, ADocumentWithoutCasesGetsEmptyValues) {
  ModelDocument doc = testing::SimplySupportedBeam(4, 20000);
  testing::AddForce(doc, 1, 2, 3000, -kPi / 2);
  testing::AddMoment(doc, 1, 2, 1000);
  ASSERT_TRUE(AnalyseModel(doc).Ok());
  const ReportSources sources{doc, settings, "/models/", environment};
  const std::vector<std::string> report = BuildReport(
      {"{;;Case_No}{;;Case_Name}", "{;;Comb_No}{;;Comb_MaxUtilisation}",
       "[{;;Result_Name}{;;Result_Kind}{;;Result_Factors}]", "{;;Case_Count} {;;Combination_Count}",
       "[{;;Beam_Governing}{;;Beam_GoverningUtil}]", "[{;;Load_Case}]", "[{;;Force_Case}]",
       "[{;;Moment_Case}]", "[{;;Supp_Case}]"},
      sources);
  const std::string blank(9, ' ');
  const std::vector<std::string> expected = {"[" + blank + blank + blank + "]",
                                             "0         0        ",
                                             "[" + blank + blank + "]",
                                             "[" + blank + "]",
                                             "[" + blank + "]",
                                             "[" + blank + "]",
                                             "[" + blank + "]",
                                             "[" + blank + "]"};
  EXPECT_EQ(report, expected);
}

} // namespace
} // namespace strandel

namespace strandel {
namespace {

// A 4 m column on a fixed base: case 1 presses it with 0.3 of its Euler load,
// case 2 pushes it sideways; one ULS and one characteristic combination.
ModelDocument PressedColumn(bool secondOrder) {
  const testing::Section section{0.1, 0.2};
  ModelDocument doc =
      testing::PressedColumn(4, 0.3 * testing::CantileverEulerLoad(4, section), 0, section);
  testing::AddForce(doc, 2, 2, 1000, 0).Case = 2;
  doc.Settings.LoadCases = {MakeLoadCase(1, "Dead load", ActionCategory::Permanent),
                            MakeLoadCase(2, "Wind", ActionCategory::Wind)};
  doc.Settings.LoadCases[0].SelfWeight = true;
  doc.Settings.Combinations = {
      Combination(1, "ULS", CombinationKind::Ultimate, {{1, 1.0}, {2, 1.5}}),
      Combination(2, "SLS", CombinationKind::Characteristic, {{1, 1.0}, {2, 1.0}})};
  doc.Settings.SecondOrder = secondOrder;
  return doc;
}

TEST_F(CaseParameters, StabilityParametersTellTheOrderAndAlphaCr) {
  for (const bool secondOrder : {true, false}) {
    ModelDocument doc = PressedColumn(secondOrder);
    const std::vector<std::string> report =
        Report(doc, {"{12;L;Dim_SecondOrderStr}|{15;L;Result_Order}|{;;Result_AlphaCr}|"
                     "{;;Result_AlphaCrComb}",
                     "{;;Comb_No}|{20;L;Comb_Order}|{;;Comb_AlphaCr}"});
    const std::string order = secondOrder ? "second order" : "first order";
    const std::vector<std::string> expected = {
        std::string(secondOrder ? "Considered" : "Neglected") + "|" + order + "|3.33|1",
        "1|" + order + "|3.33", "2|first order|"};
    EXPECT_EQ(Compact(report), expected) << secondOrder;
  }
  // Without cases the single load set is the one; no combination is named.
  ModelDocument single = testing::PressedColumn(4, 1000, 0, testing::Section{0.1, 0.2});
  const AnalysisOutcome outcome = AnalyseModel(single);
  ASSERT_TRUE(outcome.Ok());
  const ReportSources sources{single,    settings, "/models/", environment, nullptr,
                              &outcome.Stability};
  const double expected = testing::CantileverEulerLoad(4, testing::Section{0.1, 0.2}) / 1000;
  EXPECT_EQ(Compact({ExpandLine("{;;Result_AlphaCr}|{;;Result_AlphaCrComb}", sources)}).front(),
            std::string(Trim(FormatValue(expected))) + "|");
}

} // namespace
} // namespace strandel
