#pragma once
// What the report tests share: the English texts loaded for the length of a
// test, display units an engineer would choose, and the value one parameter
// writes for an object.

#include <string>

#include <gtest/gtest.h>

#include "common/translation.h"
#include "reports/report.h"

namespace strandel::testing {

// m, mm, kN, kN/m, kNm, cm^2, cm^3, cm^4, MPa, kg, kg/m^3.
inline UnitChoice EngineeringUnits() {
  UnitChoice units;
  units.Length = 1;
  units.Displacement = 4;
  units.Force = 2;
  units.DistLoad = 2;
  units.Moment = 2;
  units.Area = 3;
  units.SectionModulus = 3;
  units.MomentOfInertia = 3;
  units.Stress = 2;
  units.Mass = 1;
  units.Density = 1;
  return units;
}

class ReportTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(LoadLanguage(std::string(STRANDEL_SOURCE_DIR) + "/data/Languages/English.txt"));
    settings.Units = EngineeringUnits();
  }
  void TearDown() override { SetTranslations({}); }

  // The value the parameter writes, as it stands before padding: blanks the
  // value itself begins with are kept, the field's filling is not.
  std::string Value(const ModelDocument& doc, const std::string& name, ReportObject object = {}) {
    const ReportSources sources{doc, settings, "/home/engineer/models/", environment};
    const std::string line = ExpandLine("{200;L;" + name + "}|", sources, object);
    return line.substr(0, line.find_last_not_of(" |") + 1);
  }

  AppSettings settings;
  ReportEnvironment environment{"2024-05-06", "engineer", "3.1.4"};
};

} // namespace strandel::testing
