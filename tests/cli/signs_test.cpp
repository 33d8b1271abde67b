// What the user reads is signed one way everywhere: the force table of the beam
// page, the reactions of `diagrams --json`, the end forces of `solve --json` and
// the report's end forces give every beam of every standard structure the same
// numbers, signs included; and every help text says what a support's results are.

#include <cmath>
#include <map>

#include <gtest/gtest.h>

#include "common/files.h"
#include "common/number_text.h"
#include "common/record.h"
#include "common/text.h"
#include "model/app_settings.h"
#include "support/json_value.h"
#include "support/process.h"
#include "support/standard_structures.h"
#include "support/temp_folder.h"
#include "units/units.h"

namespace strandel {
namespace {

using testing::JsonValue;

testing::ProcessResult Cli(const std::vector<std::string>& args) {
  return testing::RunProgram(STRANDEL_CLI, args);
}

using testing::StandardStructures;

std::optional<JsonValue> JsonOf(const testing::ProcessResult& result) {
  EXPECT_EQ(result.ExitCode, 0) << result.Err;
  return testing::ParseJson(result.Out);
}

// A number shown with three significant digits stands for `exact` (already in
// the shown unit): the same sign and the same three digits.
void ExpectShown(const std::string& shown, double exact, double threshold,
                 const std::string& where) {
  const std::string text(Trim(shown));
  if (std::fabs(exact) <= threshold) {
    // Left out (blank in the table, " 0" in a report) or, at most, a rounding.
    EXPECT_TRUE(text.empty() || std::fabs(ParseNumber(text)) <= threshold) << where << ": " << text;
    return;
  }
  ASSERT_TRUE(IsNumber(text)) << where << ": '" << shown << "'";
  const double value = ParseNumber(text);
  EXPECT_EQ(std::signbit(value), std::signbit(exact)) << where << ": " << text << " for " << exact;
  EXPECT_NEAR(value, exact, 0.0051 * std::fabs(exact)) << where << ": " << text;
}

struct EndForces {
  long StartNode = 0, EndNode = 0;
  double Start[3]{}, End[3]{}; // N, Nm in the beam's axes
};

// The forces the nodes exert on each beam at its ends: the first stretch's
// start and the last stretch's end, as solve --json gives them.
std::map<long, EndForces> EndForcesOf(const JsonValue& solved) {
  std::map<long, EndForces> beams;
  std::map<long, double> lastSegment;
  const JsonValue& segments = solved["segments"];
  for (std::size_t i = 0; i < segments.Size(); ++i) {
    const JsonValue& s = segments[i];
    const long beam = static_cast<long>(s["beam"].Number);
    EndForces& ends = beams[beam];
    if (s["segment"].Number == 1) {
      ends.StartNode = static_cast<long>(s["node1"].Number);
      for (int k = 0; k < 3; ++k)
        ends.Start[k] = s["force_local"][k].Number;
    }
    if (s["segment"].Number >= lastSegment[beam]) {
      lastSegment[beam] = s["segment"].Number;
      ends.EndNode = static_cast<long>(s["node2"].Number);
      for (int k = 0; k < 3; ++k)
        ends.End[k] = s["force_local"][k + 3].Number;
    }
  }
  return beams;
}

TEST(CliSigns, ForceTableJsonAndReportAgreeOnEveryBeamOfTheStandardStructures) {
  testing::TempFolder folder;
  AppSettings units;
  units.Units.Length = 1; // [m]
  units.Units.Force = 2;  // [KN]
  units.Units.Moment = 2; // [KNm]
  const std::string ini = folder.Write("units.ini", WriteSettingsText(units));
  const std::string report =
      folder.Write("ends.txt", "{5;R;BeamNo}|{12;R;Beam_Rx1}|{12;R;Beam_Ry1}|{12;R;Beam_Rm1}|"
                               "{12;R;Beam_Rx2}|{12;R;Beam_Ry2}|{12;R;Beam_Rm2}\r\n");
  const double forceFactor = UnitFactor(units.Units, Quantity::Force);
  const double momentFactor = UnitFactor(units.Units, Quantity::Moment);
  const double thresholds[3] = {units.MinForceValue * forceFactor,
                                units.MinForceValue * forceFactor,
                                units.MinMomentValue * momentFactor};
  const double factors[3] = {forceFactor, forceFactor, momentFactor};

  std::size_t beamsChecked = 0, signedValues = 0;
  for (const std::string& model : StandardStructures()) {
    const std::string name = FileNameOf(model);
    const std::optional<JsonValue> solved = JsonOf(Cli({"solve", model, "--json"}));
    ASSERT_TRUE(solved) << name;
    const std::map<long, EndForces> ends = EndForcesOf(*solved);
    const testing::ProcessResult reported = Cli({"report", model, report, "--settings", ini});
    ASSERT_EQ(reported.ExitCode, 0) << name << reported.Err;
    std::map<long, std::vector<std::string>> reportFields;
    for (std::string_view line : SplitLines(reported.Out)) {
      if (line.empty()) continue;
      std::vector<std::string> fields;
      for (int i = 1; i <= FieldCount(std::string(line), '|'); ++i)
        fields.push_back(FieldAt(i, std::string(line), "", '|'));
      reportFields[std::stol(fields[0])] = fields;
    }
    ASSERT_EQ(reportFields.size(), ends.size()) << name;

    for (const auto& [beam, end] : ends) {
      const std::string where = name + " beam " + std::to_string(beam);
      const std::optional<JsonValue> page = JsonOf(
          Cli({"diagrams", model, "--beam", std::to_string(beam), "--json", "--settings", ini}));
      ASSERT_TRUE(page) << where;
      const JsonValue& reactions = (*page)["reactions"];
      const JsonValue& table = (*page)["force_table"];
      ASSERT_GE(table.Size(), 2 + reactions.Size()) << where;
      bool startSeen = false, endSeen = false;
      for (std::size_t i = 0; i < reactions.Size(); ++i) {
        const JsonValue& r = reactions[i];
        const std::string line = table[2 + i].String;
        const std::string label = "R" + std::to_string(static_cast<long>(r["number"].Number));
        EXPECT_EQ(line.substr(0, 2), label.substr(0, 2)) << where;
        const double json[3] = {r["fx"].Number, r["fy"].Number, r["m"].Number};
        // The table: three columns of ten characters after the label.
        for (int k = 0; k < 3; ++k) {
          ExpectShown(line.substr(2 + 10 * k, 10), json[k] * factors[k], thresholds[k],
                      where + " table " + label);
          signedValues += json[k] * factors[k] < -thresholds[k] ? 1 : 0;
        }
        // The ends of the beam are the ends of its first and last stretch.
        const long node = static_cast<long>(r["node"].Number);
        const double* solvedEnd = nullptr;
        if (node == end.StartNode && r["page_x"].Number == 25) {
          solvedEnd = end.Start;
          startSeen = true;
        } else if (node == end.EndNode && r["page_x"].Number == 185) {
          solvedEnd = end.End;
          endSeen = true;
        }
        if (solvedEnd) {
          for (int k = 0; k < 3; ++k)
            EXPECT_NEAR(json[k], solvedEnd[k], 1e-9 * (1 + std::fabs(solvedEnd[k]))) << where;
        }
      }
      // An end left off the page has nothing above the thresholds.
      for (int k = 0; k < 3; ++k) {
        if (!startSeen) {
          EXPECT_LT(std::fabs(end.Start[k] * factors[k]), thresholds[k]) << where;
        }
        if (!endSeen) {
          EXPECT_LT(std::fabs(end.End[k] * factors[k]), thresholds[k]) << where;
        }
      }
      // The report's end forces: start x, y, m, then end x, y, m.
      const std::vector<std::string>& fields = reportFields[beam];
      ASSERT_EQ(fields.size(), 7u) << where;
      for (int k = 0; k < 3; ++k) {
        ExpectShown(fields[1 + k], end.Start[k] * factors[k], thresholds[k], where + " report 1");
        ExpectShown(fields[4 + k], end.End[k] * factors[k], thresholds[k], where + " report 2");
      }
      ++beamsChecked;
    }
  }
  EXPECT_EQ(beamsChecked, 143u); // the beams of the eleven standard structures
  EXPECT_GT(signedValues, 100u); // and many of their forces are negative
}

// The text as one line, so a phrase is found across the help's line breaks.
std::string Flat(const std::string& text) {
  std::string flat;
  for (char c : text) {
    const char shown = c == '\n' ? ' ' : c;
    if (shown == ' ' && !flat.empty() && flat.back() == ' ') continue;
    flat += shown;
  }
  return flat;
}

TEST(CliSigns, EveryHelpTextSaysWhatASupportsResultsAre) {
  struct Case {
    std::vector<std::string> Args;
    const char* Says;
  };
  const Case cases[] = {
      {{"--help"}, "exerts on the support"},
      {{"solve", "--help"}, "exerts on the support"},
      {{"diagrams", "--help"}, "exerts on the support"},
      {{"diagrams", "--help"}, "that the node exerts on the beam"},
      {{"report", "--help"}, "exerts on the support"},
  };
  for (const Case& c : cases) {
    const testing::ProcessResult result = Cli(c.Args);
    EXPECT_EQ(result.ExitCode, 0) << c.Args[0];
    EXPECT_NE(Flat(result.Out).find(c.Says), std::string::npos)
        << c.Args[0] << " " << (c.Args.size() > 1 ? c.Args[1] : "") << ":\n"
        << result.Out;
  }
}

} // namespace
} // namespace strandel
