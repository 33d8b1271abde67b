// strandel-cli beam, driven as a user's script drives it, on a model with
// beams of all ten shapes in timber, steel and aluminium.

#include <algorithm>

#include <gtest/gtest.h>

#include "common/number_text.h"
#include "model/app_settings.h"
#include "model/document_file.h"
#include "sections/section_beams.h"
#include "support/process.h"
#include "support/temp_folder.h"

namespace strandel {
namespace {

testing::ProcessResult Cli(const std::vector<std::string>& args) {
  return testing::RunProgram(STRANDEL_CLI, args);
}

struct Material {
  const char* name;
  const char* type;
  double f, ek, dens;
};
const Material kMaterials[] = {{"C24", "WOOD", 21e6, 11e9, 420},
                               {"S235", "STEEL", 235e6, 210e9, 7850},
                               {"6082-T6", "ALUMINIUM", 250e6, 70e9, 2700}};

// Beams 1..10, one per shape, 2 m long side by side on supports, the materials
// taking turns; beam 11 a tube without a wall.
ModelDocument TenShapes() {
  struct Profile {
    const char* name;
    double H, B, TL, TF;
  } profiles[] = {{"Sawn 45x195", 0.195, 0.045, 0, 0},     {"Round 100", 0.1, 0, 0, 0},
                  {"SHS 100x100x5", 0.1, 0.1, 0.005, 0},   {"CHS 48.3x3.2", 0.0483, 0, 0.0032, 0},
                  {"IPE 200", 0.2, 0.1, 0.0056, 0.0085},   {"H 200", 0.2, 0.2, 0.009, 0.015},
                  {"UPN 200", 0.075, 0.2, 0.0085, 0.0115}, {"T 50", 0.05, 0.05, 0.006, 0},
                  {"L 50x5", 0.05, 0.05, 0.005, 0},        {"2L 50x5", 0.05, 0.05, 0.005, 0}};
  ModelDocument doc;
  for (int i = 0; i < 11; ++i) {
    testing::AddNode(doc, 2 * i + 1, 3 * i, 0);
    testing::AddNode(doc, 2 * i + 2, 3 * i + 2, 0);
    testing::AddSupport(doc, 2 * i + 1, 2 * i + 1);
    testing::AddSupport(doc, 2 * i + 2, 2 * i + 2);
    const Profile& p = i < 10 ? profiles[i] : Profile{"empty", 0.1, 0.1, 0, 0};
    const Material& m = kMaterials[i % 3];
    TBeamObject beam = testing::SteelBeam(i < 10 ? i + 1 : 3, p.H, p.B, p.TL, p.TF);
    beam.ProfName = p.name;
    beam.MtrlName = m.name;
    beam.MtrlType = m.type;
    beam.Ftk = beam.Fck = beam.Fmk = m.f;
    beam.Ek = m.ek;
    beam.Dens = m.dens;
    testing::AddBeamLike(doc, i + 1, 2 * i + 1, 2 * i + 2, beam);
  }
  return doc;
}

std::string WriteModel(const testing::TempFolder& folder, ModelDocument doc) {
  const std::string path = folder.File("model.qsd");
  EXPECT_TRUE(SaveDocument(doc, path).ok);
  return path;
}

// The text of one beam's JSON object.
std::string BeamObject(const std::string& json, int number) {
  const std::size_t at = json.find("{\"number\": " + std::to_string(number) + ",");
  if (at == std::string::npos) return {};
  return json.substr(at, json.find('}', at) - at + 1);
}

TEST(CliBeam, JsonListsEveryQuantityOfEveryBeam) {
  testing::TempFolder folder;
  const std::string model = WriteModel(folder, TenShapes());
  const auto result = Cli({"beam", model, "--json"});
  ASSERT_EQ(result.ExitCode, 0) << result.Err;
  EXPECT_EQ(result.Out.rfind("{\"beams\": [", 0), 0u);
  EXPECT_EQ(result.Out.substr(result.Out.size() - 3), "]}\n");
  const char* keys[] = {"A",          "Aeff",         "SectMod",    "Iy",           "Iy,red",
                        "Ix",         "Ix,red",       "Imin",       "Mass",         "Length",
                        "Angle",      "Lc",           "Lambda",     "Ebott",        "Etop",
                        "Ftd",        "Fcd",          "Fmd",        "Ed",           "HazRedFact",
                        "DimRedFact", "MoistRedFact", "DurRedFact", "BucklRedFact", "StartNode",
                        "StopNode",   "Rtd",          "Rcd",        "Md",           "B",
                        "H",          "TL",           "TF"};
  for (int number = 1; number <= 11; ++number) {
    const std::string beam = BeamObject(result.Out, number);
    ASSERT_FALSE(beam.empty()) << number;
    std::size_t at = 0;
    for (const char* key : keys) {
      const std::size_t found = beam.find(std::string("\"") + key + "\": ", at);
      ASSERT_NE(found, std::string::npos) << "beam " << number << " key " << key;
      at = found + 1;
    }
    if (number <= 10) {
      EXPECT_EQ(beam.find("null"), std::string::npos) << beam;
    }
  }
  // The sawn beam: 45 x 195 mm, 2 m between supports, in SI base units.
  const std::string sawn = BeamObject(result.Out, 1);
  EXPECT_NE(sawn.find("\"A\": " + FormatShortest(0.195 * 0.045) + ","), std::string::npos);
  EXPECT_NE(sawn.find("\"Length\": 2.0,"), std::string::npos);
  EXPECT_NE(sawn.find("\"Lc\": 2.0,"), std::string::npos);
  EXPECT_NE(sawn.find("\"StartNode\": 1, \"StopNode\": 2,"), std::string::npos);
  EXPECT_NE(sawn.find("\"B\": 0.045, \"H\": 0.195, \"TL\": 0.0, \"TF\": 0.0}"), std::string::npos);
  // The dimensions are given as normalised: the round bar's missing width is 0.01 m.
  EXPECT_NE(BeamObject(result.Out, 2).find("\"B\": 0.01,"), std::string::npos);
  // The tube without a wall: no area, no capacity, no slenderness.
  const std::string empty = BeamObject(result.Out, 11);
  EXPECT_NE(empty.find("\"A\": 0.0,"), std::string::npos);
  EXPECT_NE(empty.find("\"Lambda\": null,"), std::string::npos);
  EXPECT_NE(empty.find("\"Rcd\": null,"), std::string::npos);
  EXPECT_NE(empty.find("\"Rtd\": 0.0,"), std::string::npos);
  // and one note about it on stderr, however many values met it.
  EXPECT_EQ(result.Err, "A= 0\n");
}

TEST(CliBeam, TableInTheDisplayUnitsOfTheSettings) {
  testing::TempFolder folder;
  const std::string model = WriteModel(folder, TenShapes());
  AppSettings settings;
  settings.Units.Area = 4;  // [mm^2]
  settings.Units.Force = 2; // [KN]
  const std::string ini = folder.Write("units.ini", WriteSettingsText(settings));
  const auto result = Cli({"beam", model, "--settings", ini});
  ASSERT_EQ(result.ExitCode, 0) << result.Err;
  EXPECT_NE(result.Out.find("Beam 1: Sawn 45x195 (Rectangular massive), C24 (WOOD)\n"),
            std::string::npos);
  EXPECT_NE(result.Out.find("Beam 7: UPN 200 (U - Profile), C24 (WOOD)\n"), std::string::npos);
  EXPECT_NE(result.Out.find("  A                   8780 [mm^2]\n"), std::string::npos);
  EXPECT_NE(result.Out.find("  StartNode              1\n"), std::string::npos);
  EXPECT_NE(result.Out.find("  Lambda         undefined\n"), std::string::npos);
  EXPECT_NE(result.Out.find(" [KN]\n"), std::string::npos);
  EXPECT_NE(result.Out.find("  HazRedFact             1 [-]\n"), std::string::npos);
  // Without settings the program's own defaults apply: areas in cm^2.
  const auto defaults = Cli({"beam", model});
  ASSERT_EQ(defaults.ExitCode, 0);
  EXPECT_NE(defaults.Out.find("  A                   87.8 [cm^2]\n"), std::string::npos);
  EXPECT_EQ(std::count(defaults.Out.begin(), defaults.Out.end(), '\n'), 11 * 34 + 10);
}

TEST(CliBeam, EmptyModelsBadInputAndHelp) {
  testing::TempFolder folder;
  const std::string empty = WriteModel(folder, ModelDocument{});
  auto result = Cli({"beam", empty, "--json"});
  EXPECT_EQ(result.ExitCode, 0);
  EXPECT_EQ(result.Out, "{\"beams\": []}\n");
  result = Cli({"beam", empty});
  EXPECT_EQ(result.Out, "The model has no beams.\n");
  result = Cli({"beam", folder.File("missing.qsd")});
  EXPECT_EQ(result.ExitCode, 2);
  EXPECT_NE(result.Err.find("missing.qsd"), std::string::npos);
  const std::string bad =
      folder.Write("bad.qsd", "[Model-Objects]\r\nGraphObjCount=1\r\nObject001=2;x\r\n");
  result = Cli({"beam", bad});
  EXPECT_EQ(result.ExitCode, 2);
  EXPECT_NE(result.Err.find("'x' is not a valid integer value"), std::string::npos);
  EXPECT_TRUE(result.Out.empty());
  EXPECT_EQ(Cli({"beam"}).ExitCode, 2);
  EXPECT_EQ(Cli({"beam", empty, empty}).ExitCode, 2);
  EXPECT_EQ(Cli({"beam", empty, "--bogus"}).ExitCode, 2);
  result = Cli({"beam", "--help"});
  EXPECT_EQ(result.ExitCode, 0);
  EXPECT_NE(result.Out.find("usage: strandel-cli beam MODEL.qsd [--json]"), std::string::npos);
  EXPECT_NE(Cli({"--help"}).Out.find("beam"), std::string::npos);
}

} // namespace
} // namespace strandel
