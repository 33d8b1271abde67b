// Every beam and support parameter on a solved simply supported steel beam
// whose values are worked out by hand, and the rules of the texts, blanks and
// thresholds on models made for each rule.

#include <cmath>

#include "analysis/solver.h"
#include "common/geometry.h"
#include "report_fixture.h"
#include "support/frame_models.h"

namespace strandel {
namespace {

// Steel S235, solid 100 x 200 mm, 4 m between a pin and a roller, 20 kN/m
// downward, self-weight off; a node at mid-span that holds nothing.
ModelDocument SolvedBeam() {
  ModelDocument doc = testing::SimplySupportedBeam(4, 20000);
  TBeamObject& beam = *FindBeam(doc, 1);
  beam.BeamGroup = "Floor";
  beam.MtrlDesc = "Structural steel\r\nEN 10025-2";
  beam.ProfName = "Rect 100x200";
  EXPECT_TRUE(AnalyseModel(doc).Ok());
  return doc;
}

class BeamParameters : public testing::ReportTest {};

TEST_F(BeamParameters, SimplySupportedSteelBeamByHand) {
  const ModelDocument doc = SolvedBeam();
  const TBeamObject* beam = FindBeam(doc, 1);
  const double L = 4, q = 20000, b = 0.1, h = 0.2, E = 2.1e11, f = 235e6;
  // Section: A = b h, Iy = b h^3 / 12 about the horizontal axis, Ix = h b^3 / 12.
  const double A = b * h, Iy = b * h * h * h / 12, Ix = h * b * b * b / 12, W = Iy / (h / 2);
  // Steel without dimension control keeps 1 / 1.1 of its strengths.
  const double fd = f / 1.1;
  // Column buckling about the weak axis over the full length (both ends held),
  // curve a (alpha 0.21).
  const double lambdaRel = L / kPi * std::sqrt(A / Ix) * std::sqrt(f / E);
  const double t = 1 + 0.21 * (lambdaRel - 0.2) + 1.1 * lambdaRel * lambdaRel;
  const double chi = (t - std::sqrt(t * t - 4.4 * lambdaRel * lambdaRel)) /
                     (2.2 * lambdaRel * lambdaRel); // 0.3558
  // Mid-span: M = q L^2 / 8 = 40 kNm, w = 5 q L^4 / (384 E I) = 4.76 mm.
  const double M = q * L * L / 8, Md = fd * W;

  struct Case {
    const char* Name;
    std::string Expected;
  };
  const Case cases[] = {
      {"BeamNo", "1"},
      {"Beam_Group", "Floor"},
      {"Beam_Length", "4"},
      {"Beam_Angle", "0"},
      {"Beam_Mass", "628"},  // 0.02 m^2 x 4 m x 7850 kg/m^3
      {"Beam_Rtd", "4270"},  // 213.6 MPa x 200 cm^2, kN
      {"Beam_Rcd", "1520"},  // x 0.3558
      {"Beam_Md", "142"},    // 213.6 MPa x 667 cm^3, kNm
      {"Beam_Braced", "No"}, // text 210
      {"Beam_Lambda", "139"},
      {"Beam_Displ", "4.76"},
      {"Beam_Util", std::to_string(static_cast<int>(std::lround(100 * M / Md)))}, // 28
      // One load set: no combinations, none governs.
      {"Beam_Governing", ""},
      {"Beam_GoverningUtil", ""},
      // The nodes hold the beam up with q L / 2 at each end, in the beam's axes.
      {"Beam_Rx1", " 0"},
      {"Beam_Ry1", "40"},
      {"Beam_Rm1", " 0"},
      {"Beam_Rx2", " 0"},
      {"Beam_Ry2", "40"},
      {"Beam_Rm2", " 0"},
      {"Mtrl_Name", "S235"},
      {"Mtrl_Type", "STEEL"},
      {"Mtrl_Desc", "Structural steel EN 10025-2"},
      {"Mtrl_HardAbl", "False"},
      {"Mtrl_Ftk", "235"},
      {"Mtrl_Fck", "235"},
      {"Mtrl_Fmk", "235"},
      {"Mtrl_Ek", "210000"},
      {"Mtrl_Dens", "7850"},
      {"Mtrl_Ftd", "214"},
      {"Mtrl_Fcd", "76"},
      {"Mtrl_Fmd", "214"},
      {"Mtrl_Ed", "191000"},
      {"Prof_Name", "Rect 100x200"},
      {"Prof_H", "200"},
      {"Prof_B", "100"},
      {"Prof_Tl", ""}, // a solid rectangle has no wall
      {"Prof_Tf", ""},
      {"Prof_Iy", "6670"},
      {"Prof_Ix", "1670"},
      {"Prof_Iyred", "6670"}, // solid sections have no slender plates
      {"Prof_Ixred", "1670"},
      {"Prof_Imin", "1670"},
      {"Prof_A", "200"},
      {"Prof_Aeff", "200"},
      {"Prof_SectMod", "667"},
      {"Prof_Ebott", "100"},
      {"Prof_Etop", "100"},
      {"Beam_BucklRedFact", "0.356"},
      {"Beam_HazRedFact", "1"},
      {"Beam_DimRedFact", "0.909"},
      {"Beam_MoistRedFact", "1"},
      {"Beam_DurRedFact", "1"},
      {"Beam_HazRedStr", "Low"},    // safety class 1: text 200
      {"Beam_DimRedStr", "Normal"}, // no dimension control: text 199
      {"Beam_MoistRedStr", ""},     // steel does not take up moisture
      {"Beam_DurRedStr", ""},
  };
  ASSERT_NEAR(chi, 0.3558, 1e-4);
  ASSERT_NEAR(100 * M / Md, 28.08, 0.01);
  for (const Case& c : cases)
    EXPECT_EQ(Value(doc, c.Name, beam), c.Expected) << c.Name;
  EXPECT_EQ(std::size(cases), ParametersOf(ParameterList::Beam).size());
}

TEST_F(BeamParameters, SupportsOfTheSolvedBeam) {
  ModelDocument doc = SolvedBeam();
  const TSupportObject* pin = FindSupport(doc, 1);
  const TSupportObject* roller = FindSupport(doc, 2);
  // Each support carries half of 80 kN; the structure pushes down on it.
  EXPECT_EQ(Value(doc, "Supp_No", pin), "1");
  EXPECT_EQ(Value(doc, "Supp_No", roller), "3"); // the node it holds
  EXPECT_EQ(Value(doc, "Supp_Rx", pin), " 0");
  EXPECT_EQ(Value(doc, "Supp_Ry", pin), "-40");
  EXPECT_EQ(Value(doc, "Supp_Ry", roller), "-40");
  EXPECT_EQ(Value(doc, "Supp_Rm", pin), " 0");
  EXPECT_EQ(Value(doc, "Supp_Dx", pin), "0");
  EXPECT_EQ(Value(doc, "Supp_Dy", roller), "0");
}

TEST_F(BeamParameters, PrescribedDisplacementsAreEachTheirOwn) {
  ModelDocument doc = testing::EmptyModel();
  testing::AddNode(doc, 1, 0, 0);
  TSupportObject& support = testing::AddSupport(doc, 1, 1);
  support.DX = 0.002;
  support.DY = -0.005;
  EXPECT_EQ(Value(doc, "Supp_Dx", &support), "2");
  EXPECT_EQ(Value(doc, "Supp_Dy", &support), "-5");
}

TEST_F(BeamParameters, AFailedAnalysisReportsZeroResults) {
  // Both supports roll along x: the beam can slide away. The pin's node carries
  // a point force, which after the failure is all its reaction vector holds.
  ModelDocument doc = testing::SimplySupportedBeam(4, 20000);
  FindSupport(doc, 1)->Rolled = true;
  FindSupport(doc, 1)->Direction = 1;
  testing::AddForce(doc, 1, 1, 500, -kPi / 2);
  EXPECT_FALSE(AnalyseModel(doc).Ok());
  ASSERT_FALSE(doc.ResultsValid);
  ASSERT_NE(FindSupport(doc, 1)->Reactions[1], 0);
  const TBeamObject* beam = FindBeam(doc, 1);
  const TSupportObject* support = FindSupport(doc, 1);
  for (const char* name : {"Beam_Rx1", "Beam_Ry1", "Beam_Rm2"})
    EXPECT_EQ(Value(doc, name, beam), " 0") << name;
  EXPECT_EQ(Value(doc, "Beam_Util", beam), "0");
  EXPECT_EQ(Value(doc, "Beam_Displ", beam), "0");
  EXPECT_EQ(Value(doc, "Supp_Ry", support), " 0");
  // What does not come from the analysis is still there.
  EXPECT_EQ(Value(doc, "Beam_Mass", beam), "628");
}

TEST_F(BeamParameters, SmallResultsAreWrittenAsZeroUpToTheThreshold) {
  ModelDocument doc = testing::EmptyModel();
  testing::AddNode(doc, 1, 0, 0);
  TSupportObject& support = testing::AddSupport(doc, 1, 1);
  support.Reactions = {0.0004, -0.001, 0.0011, 0, 0, 0};
  doc.ResultsValid = true;
  settings.Units.Force = 1; // N
  settings.Units.Moment = 1;
  settings.MinForceValue = 0.001;
  settings.MinMomentValue = 0.01;
  EXPECT_EQ(Value(doc, "Supp_Rx", &support), " 0");
  EXPECT_EQ(Value(doc, "Supp_Ry", &support), " 0"); // not greater than the threshold
  EXPECT_EQ(Value(doc, "Supp_Rm", &support), " 0"); // the moment has its own threshold
  settings.MinMomentValue = 0.001;
  EXPECT_EQ(Value(doc, "Supp_Rm", &support), "0.0011");
}

TEST_F(BeamParameters, ProfileDimensionsAreBlankWhereTheShapeHasNone) {
  // Columns: W, TL, TF given (H always is). Circles have no width; solids no
  // wall; only I, H and U profiles a flange of their own.
  struct Case {
    int Shape;
    bool Width, Wall, Flange;
  };
  const Case cases[] = {
      {1, true, false, false}, {2, false, false, false}, {3, true, true, false},
      {4, false, true, false}, {5, true, true, true},    {6, true, true, true},
      {7, true, true, true},   {8, true, true, false},   {9, true, true, false},
      {10, true, true, false},
  };
  ModelDocument doc;
  TBeamObject beam;
  beam.H = 0.3, beam.B = 0.2, beam.TL = 0.01, beam.TF = 0.02;
  for (const Case& c : cases) {
    beam.ShapeNo = static_cast<std::uint16_t>(c.Shape);
    const ReportSources sources{doc, settings, "/", environment};
    EXPECT_EQ(ExpandLine("{4;R;Prof_H}", sources, &beam), " 300") << c.Shape;
    EXPECT_EQ(ExpandLine("{4;R;Prof_B}", sources, &beam), c.Width ? " 200" : "    ") << c.Shape;
    EXPECT_EQ(ExpandLine("{4;R;Prof_Tl}", sources, &beam), c.Wall ? "  10" : "    ") << c.Shape;
    EXPECT_EQ(ExpandLine("{4;R;Prof_Tf}", sources, &beam), c.Flange ? "  20" : "    ") << c.Shape;
  }
}

TEST_F(BeamParameters, AReportLeavesTheModelAsItWas) {
  ModelDocument doc = SolvedBeam();
  TBeamObject& beam = *FindBeam(doc, 1);
  beam.H = 2; // beyond the one-metre limit of profiles
  const ReportSources sources{doc, settings, "/", environment};
  EXPECT_EQ(ExpandLine("{;;Prof_H}", sources, &beam), "999      ");
  const std::vector<std::string> report = BuildReport({"{;;Prof_H}{;;Beam_Mass}"}, sources);
  ASSERT_EQ(report.size(), 1u);
  EXPECT_EQ(beam.H, 2);
  EXPECT_FALSE(doc.Modified);
}

} // namespace
} // namespace strandel
