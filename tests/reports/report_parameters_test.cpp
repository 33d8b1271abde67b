// The parameter lists as template authors meet them: their sizes and names, the
// unit, dimensioning, model, document and environment parameters, and the
// reduction texts of timber and steel beams.

#include <cmath>
#include <set>

#include "common/text.h"
#include "report_fixture.h"
#include "support/frame_models.h"

namespace strandel {
namespace {

class ReportParameters : public testing::ReportTest {};

TEST(ReportParameterLists, HaveTheirSizesAndUniqueNames) {
  struct Case {
    ParameterList List;
    std::size_t Size;
  };
  const Case cases[] = {
      {ParameterList::Beam, 57},       {ParameterList::Support, 7},
      {ParameterList::Unit, 22},       {ParameterList::Dimensioning, 8},
      {ParameterList::Model, 10},      {ParameterList::Document, 7},
      {ParameterList::Environment, 3}, {ParameterList::Node, 4},
      {ParameterList::Load, 11},       {ParameterList::Force, 7},
      {ParameterList::Moment, 4},      {ParameterList::Balance, 9},
      {ParameterList::LoadCase, 9},    {ParameterList::Combination, 9},
      {ParameterList::Result, 8},
  };
  std::set<std::string> names;
  for (const Case& c : cases) {
    const std::vector<ReportParameter>& list = ParametersOf(c.List);
    EXPECT_EQ(list.size(), c.Size);
    for (const ReportParameter& parameter : list) {
      EXPECT_EQ(parameter.List, c.List) << parameter.Name;
      EXPECT_TRUE(names.insert(LowerCase(parameter.Name)).second) << parameter.Name;
      // Found by its name in any letter case, and only as itself.
      EXPECT_EQ(FindReportParameter(parameter.Name), &parameter);
      EXPECT_EQ(FindReportParameter(UpperCase(parameter.Name)), &parameter);
      EXPECT_EQ(FindReportParameter(LowerCase(parameter.Name)), &parameter);
    }
  }
  EXPECT_EQ(FindReportParameter(""), nullptr);
  EXPECT_EQ(FindReportParameter("Beam_"), nullptr);
  EXPECT_EQ(FindReportParameter(" BeamNo"), nullptr); // the template reader trims, not the lookup
}

TEST_F(ReportParameters, UnitNamesAndFactors) {
  const ModelDocument doc;
  struct Case {
    const char* Name;
    const char* Expected;
  };
  const Case cases[] = {
      {"LengthUnitStr", "[m]"},
      {"LengthUnitFact", "1"},
      {"DisplUnitStr", "[mm]"},
      {"DisplUnitFact", "1000"},
      {"ForceUnitStr", "[KN]"},
      {"ForceUnitFact", "0.001"},
      {"DistLoadUnitStr", "[KN/m]"},
      {"DistLoadUnitFact", "0.001"},
      {"MomentUnitStr", "[KNm]"},
      {"MomentUnitFact", "0.001"},
      {"AreaUnitStr", "[cm^2]"},
      {"AreaUnitFact", "10000"},
      {"SectModulusUnitStr", "[cm^3]"},
      {"SectModulusUnitFact", "1000000"},
      {"SurfMomOfInertiaUnitStr", "[cm^4]"},
      {"SurfMomOfInertiaUnitFact", "1.00E+08"},
      {"StressUnitStr", "[MPa]"},
      {"StressUnitFact", "1.00E-06"},
      {"MassUnitStr", "[kg]"},
      {"MassUnitFact", "1"},
      {"DensityUnitStr", "[kg/m^3]"},
      {"DensityUnitFact", "1"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Value(doc, c.Name), c.Expected) << c.Name;
  EXPECT_EQ(std::size(cases), ParametersOf(ParameterList::Unit).size());

  // The default choices of a first start, and a choice beyond the list.
  settings.Units = UnitChoice{};
  EXPECT_EQ(Value(doc, "LengthUnitStr"), "[cm]");
  EXPECT_EQ(Value(doc, "ForceUnitStr"), "[kp]");
  EXPECT_EQ(Value(doc, "ForceUnitFact"), "0.102");
  settings.Units.Length = 0;
  EXPECT_EQ(Value(doc, "LengthUnitStr"), "[m]");
}

TEST_F(ReportParameters, DimensioningRulesInWords) {
  using D = DocumentSettings;
  struct Case {
    const char* Name;
    bool D::*Rule;
    const char* On;
    const char* Off;
  };
  const Case cases[] = {
      {"Dim_HazRedStr", &D::FailHazRed, "Considered", "Neglected"},
      {"Dim_DimRedStr", &D::DimUncertRed, "Considered", "Neglected"},
      {"Dim_LatBucRedStr", &D::LatBuckRed, "Considered", "Neglected"},
      {"Dim_LocBucRedStr", &D::LocBuckRed, "Considered", "Neglected"},
      {"Dim_DurRedStr", &D::LoadDurRed, "Considered", "Neglected"},
      {"Dim_MoistRedStr", &D::AirMoistRed, "Considered", "Neglected"},
      {"Dim_OwnWeightStr", &D::OwnWeight, "Included", "Not included"},
  };
  for (const Case& c : cases) {
    ModelDocument doc; // every rule on
    EXPECT_EQ(Value(doc, c.Name), c.On) << c.Name;
    doc.Settings.*c.Rule = false;
    EXPECT_EQ(Value(doc, c.Name), c.Off) << c.Name;
    // Only its own rule moves it.
    for (const Case& other : cases) {
      if (other.Rule != c.Rule) {
        EXPECT_EQ(Value(doc, other.Name), other.On) << other.Name;
      }
    }
  }
  // Without a language the entries are missing, and say so.
  SetTranslations({});
  EXPECT_EQ(Value(ModelDocument{}, "Dim_OwnWeightStr"), "?");
}

TEST_F(ReportParameters, TotalsAndCountsOfTheModel) {
  // A triangle of beams 3 m, 2 m and sqrt(13) m, solid 0.1 x 0.2 m steel of
  // 7850 kg/m^3, on two supports, with a load, two forces and a moment.
  ModelDocument doc = testing::EmptyModel();
  testing::AddNode(doc, 1, -1, 0.5);
  testing::AddNode(doc, 2, 2, 0.5);
  testing::AddNode(doc, 3, 2, 2.5);
  testing::AddBeam(doc, 1, 1, 2);
  testing::AddBeam(doc, 2, 2, 3);
  testing::AddBeam(doc, 3, 3, 1);
  testing::AddSupport(doc, 1, 1);
  testing::AddSupport(doc, 2, 2);
  testing::AddLoad(doc, 1, 3, 3, 1, 1000, -kPi / 2);
  testing::AddForce(doc, 1, 3, 500, 0);
  testing::AddForce(doc, 2, 2, 500, 0);
  testing::AddMoment(doc, 1, 3, 100);
  const double length = 3 + 2 + std::sqrt(13.0); // 8.606 m
  const double mass = length * 0.02 * 7850;      // 1351 kg
  ASSERT_NEAR(mass, 1351.1, 0.1);
  struct Case {
    const char* Name;
    const char* Expected;
  };
  const Case cases[] = {
      {"Mdl_TotalBeamLength", "8.61"}, {"Mdl_TotalBeamMass", "1350"}, {"Mdl_NoOfNodes", "3"},
      {"Mdl_NoOfBeams", "3"},          {"Mdl_NoOfSupports", "2"},     {"Mdl_NoOfForces", "2"},
      {"Mdl_NoOfMoments", "1"},        {"Mdl_NoOfLoads", "1"},        {"Mdl_TotalWidth", "3"},
      {"Mdl_TotalHeight", "2"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Value(doc, c.Name), c.Expected) << c.Name;
  EXPECT_EQ(std::size(cases), ParametersOf(ParameterList::Model).size());
  // The closing beam runs 3 m left and 2 m down: atan2(-2, -3) = -146.3 degrees.
  EXPECT_EQ(Value(doc, "Beam_Angle", FindBeam(doc, 3)), "-146");

  const ModelDocument empty;
  for (const Case& c : cases)
    EXPECT_EQ(Value(empty, c.Name), "0") << c.Name;
}

TEST_F(ReportParameters, DocumentHistoryAndEnvironment) {
  ModelDocument doc;
  doc.FileName = "Hall roof.qsd";
  doc.LastModDate = "2024-04-30";
  doc.LastModByUser = "kari";
  doc.CreatedDate = "2019-11-02";
  doc.CreatedByUser = "per";
  doc.CreationVersion = "3.1.2";
  struct Case {
    const char* Name;
    const char* Expected;
  };
  const Case cases[] = {
      {"Doc_LongFileName", "/home/engineer/models/Hall roof.qsd"},
      {"Doc_ShortFileName", "Hall roof.qsd"},
      {"Doc_LastModDate", "2024-04-30"},
      {"Doc_LastModByUser", "kari"},
      {"Doc_CreatedDate", "2019-11-02"},
      {"Doc_CreatedByUser", "per"},
      {"Doc_CreationVersion", "3.1.2"},
      {"Env_CurrentDate", "2024-05-06"},
      {"Env_CurrentUser", "engineer"},
      {"Env_CurrentVersion", "3.1.4"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Value(doc, c.Name), c.Expected) << c.Name;
}

TEST(ReportEnvironment, TodayTheLoginNameAndThisProgram) {
  const ReportEnvironment environment = CurrentReportEnvironment();
  CalendarDate date;
  EXPECT_TRUE(ParseDate(environment.CurrentDate, date)) << environment.CurrentDate;
  EXPECT_EQ(environment.CurrentDate, DateText(Today()));
  EXPECT_FALSE(environment.CurrentUser.empty());
  EXPECT_EQ(environment.Version, "3.1.4");
}

TEST_F(ReportParameters, ReductionTextsOfTimberAndSteel) {
  struct Case {
    const char* Material;
    int SafetyClass, DimControl, ClimateZone, LoadDuration;
    bool RulesOn;
    const char *Hazard, *Dimension, *Moisture, *Duration;
  };
  const Case cases[] = {
      {"WOOD", 0, 0, 0, 0, true, "Low", "Normal", "Climate class 0 (heated indoors)",
       "Permanent load"},
      {"WOOD", 1, 1, 2, 2, true, "Normal", "High", "Climate class 2 (outdoors, sheltered)",
       "Medium-term load"},
      {"WOOD", 2, 0, 3, 3, true, "High", "Normal", "Climate class 3 (outdoors, exposed)",
       "Short-term load"},
      // Indices beyond the lists, as old files hold them: the highest safety
      // class and climate zone, and for load duration the permanent text.
      {"WOOD", 3, 2, 7, 4, true, "High", "Normal", "Climate class 3 (outdoors, exposed)",
       "Permanent load"},
      {"WOOD", 1, 1, 1, 1, false, "Neglected", "Neglected", "Neglected", "Neglected"},
      {"STEEL", 2, 1, 3, 3, true, "High", "High", "", ""},
      {"ALUMINIUM", 1, 0, 0, 0, false, "Neglected", "Neglected", "", ""},
      {"wood", 0, 0, 0, 0, true, "Low", "Normal", "", ""}, // no known material
  };
  for (const Case& c : cases) {
    ModelDocument doc;
    doc.Settings.FailHazRed = doc.Settings.DimUncertRed = doc.Settings.AirMoistRed =
        doc.Settings.LoadDurRed = c.RulesOn;
    TBeamObject beam;
    beam.MtrlType = c.Material;
    beam.SafetyClass = static_cast<std::uint16_t>(c.SafetyClass);
    beam.DimControl = static_cast<std::uint16_t>(c.DimControl);
    beam.ClimateZone = static_cast<std::uint16_t>(c.ClimateZone);
    beam.LoadDuration = static_cast<std::uint16_t>(c.LoadDuration);
    const std::string what = std::string(c.Material) + " " + std::to_string(c.SafetyClass);
    EXPECT_EQ(Value(doc, "Beam_HazRedStr", &beam), c.Hazard) << what;
    EXPECT_EQ(Value(doc, "Beam_DimRedStr", &beam), c.Dimension) << what;
    EXPECT_EQ(Value(doc, "Beam_MoistRedStr", &beam), c.Moisture) << what;
    EXPECT_EQ(Value(doc, "Beam_DurRedStr", &beam), c.Duration) << what;
  }
}

TEST_F(ReportParameters, BracedAndHardenableAsWords) {
  const ModelDocument doc;
  TBeamObject beam;
  beam.Braced = true;
  beam.HardenAble = true;
  EXPECT_EQ(Value(doc, "Beam_Braced", &beam), "Yes");
  EXPECT_EQ(Value(doc, "Mtrl_HardAbl", &beam), "True");
  ASSERT_TRUE(LoadLanguage(std::string(STRANDEL_SOURCE_DIR) + "/data/Languages/Svenska.txt"));
  EXPECT_EQ(Value(doc, "Beam_Braced", &beam), "Ja");
  EXPECT_EQ(Value(doc, "Mtrl_HardAbl", &beam), "True"); // a stored form, never translated
}

} // namespace
} // namespace strandel
