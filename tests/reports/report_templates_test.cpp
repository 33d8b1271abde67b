// Template files on disk, and the templates shipped in data/Reports expanded on
// the generated structures, the standard structures and a solved beam: no line
// of theirs may end up as an error, nor a value as undefined.

#include <algorithm>
#include <cmath>
#include <map>

#include "analysis/solver.h"
#include "common/files.h"
#include "common/text.h"
#include "generator/structures.h"
#include "model/document_file.h"
#include "model/object_text.h"
#include "report_fixture.h"
#include "reports/load_sums.h"
#include "reports/report_templates.h"
#include "support/frame_models.h"
#include "support/temp_folder.h"

namespace strandel {
namespace {

const std::string kReportFolder = std::string(STRANDEL_SOURCE_DIR) + "/data/Reports/";

TEST(ReportTemplateFiles, ListsTheTextFilesOfTheFolderByName) {
  testing::TempFolder folder;
  folder.Write("b.txt", "x");
  folder.Write("A.TXT", "x");
  folder.Write("notes.qsd", "x");
  MakeFolders(folder.File("sub"));
  folder.Write("sub/c.txt", "x");
  std::vector<std::string> titles;
  for (const FolderEntry& entry : ListReportTemplates(folder.Path()))
    titles.push_back(entry.Title);
  EXPECT_EQ(titles, (std::vector<std::string>{"A", "b"}));
  EXPECT_TRUE(ListReportTemplates(folder.File("missing/")).empty());
}

TEST(ReportTemplateFiles, ReadsLinesInTheCodePageOfTheFile) {
  testing::TempFolder folder;
  struct Case {
    const char* Bytes;
    std::vector<std::string> Lines;
  };
  const Case cases[] = {
      {"", {}},
      {"one\r\ntwo\r\n", {"one", "two"}},
      {"one\ntwo", {"one", "two"}},
      {"one\r\n\r\nthree\r\n", {"one", "", "three"}},
      // Windows-1252: the degree sign, the diaeresis that sheets leave out, the euro.
      {"20 \xB0"
       "C \xA8 \x80\r\n",
       {"20 \xC2\xB0"
        "C \xC2\xA8 \xE2\x82\xAC"}},
      // Saved by a modern editor: UTF-8 after a byte-order mark.
      {"\xEF\xBB\xBF"
       "20 \xC2\xB0"
       "C\r\n",
       {"20 \xC2\xB0"
        "C"}},
  };
  for (const Case& c : cases) {
    const TemplateReadResult read = ReadReportTemplate(folder.Write("t.txt", c.Bytes));
    ASSERT_TRUE(read.ok) << read.message;
    EXPECT_EQ(read.Lines, c.Lines) << c.Bytes;
  }
  const TemplateReadResult missing = ReadReportTemplate(folder.File("missing.txt"));
  EXPECT_FALSE(missing.ok);
  EXPECT_NE(missing.message.find("missing.txt"), std::string::npos) << missing.message;
  EXPECT_FALSE(ReadReportTemplate(folder.Path()).ok); // a folder is no template
}

// A steel IPE 200 of S355, as an engineer's template beam would be.
std::string SteelTemplateBeam() {
  TBeamObject beam;
  beam.MtrlName = "S355";
  beam.MtrlType = "STEEL";
  beam.Ftk = beam.Fck = beam.Fmk = 355e6;
  beam.Ek = 2.1e11;
  beam.Dens = 7850;
  beam.ProfName = "IPE 200";
  beam.ShapeNo = 5;
  beam.H = 0.2, beam.B = 0.1, beam.TL = 0.0056, beam.TF = 0.0085;
  beam.Locked1 = beam.Locked2 = true;
  return WriteText(beam);
}

// The standard structures of the folder and its sub-folders.
void AddStructures(const FolderTree& tree,
                   std::vector<std::pair<std::string, ModelDocument>>& models) {
  for (const FolderEntry& file : tree.Files) {
    ModelDocument doc;
    EXPECT_TRUE(LoadDocument(file.Path, doc).ok) << file.Path;
    models.emplace_back(file.Path, std::move(doc));
  }
  for (const FolderTree& folder : tree.Folders)
    AddStructures(folder, models);
}

// The models every shipped template must expand on: the generated structures with
// the default and a steel template beam, a solved beam and the standard structures.
std::vector<std::pair<std::string, ModelDocument>> ModelsToReport() {
  std::vector<std::pair<std::string, ModelDocument>> models;
  for (int kind = 0; kind < kStructureKindCount; ++kind) {
    for (const std::string& templateBeam : {std::string(), SteelTemplateBeam()}) {
      GeneratorParameters parameters;
      ApplyKindPreset(parameters, static_cast<StructureKind>(kind));
      ModelDocument doc;
      GenerateStructure(doc, parameters, templateBeam, DocumentSizes{});
      models.emplace_back("generated kind " + std::to_string(kind), std::move(doc));
    }
  }
  models.emplace_back("simply supported beam", testing::SimplySupportedBeam(4, 20000));
  AddStructures(ListFolderTree(std::string(STRANDEL_SOURCE_DIR) + "/data/Structures/", "*.qsd",
                               /*recurse=*/true),
                models);
  return models;
}

class ShippedTemplates : public testing::ReportTest {};

TEST_F(ShippedTemplates, ExpandWithoutErrorsOnTheStandardModels) {
  const std::vector<FolderEntry> templates = ListReportTemplates(kReportFolder);
  std::vector<std::string> titles;
  for (const FolderEntry& entry : templates)
    titles.push_back(entry.Title);
  for (const char* needed :
       {"Design report", "Beam summary", "Support reactions", "Bill of materials"})
    EXPECT_NE(std::find(titles.begin(), titles.end(), needed), titles.end()) << needed;

  std::size_t reported = 0;
  for (auto& [name, doc] : ModelsToReport()) {
    ASSERT_TRUE(AnalyseModel(doc).Ok()) << name;
    // A model never saved has "?" for its history, as may the login name here.
    doc.CreatedByUser = doc.LastModByUser = "engineer";
    doc.CreatedDate = doc.LastModDate = "2024-05-06";
    doc.CreationVersion = "3.1.4";
    // How often a line of each kind is repeated.
    std::map<ReportLineKind, std::size_t> repeats = {{ReportLineKind::Plain, 1}};
    for (const auto& object : doc.GraphObjects) {
      const ReportLineKind kinds[] = {ReportLineKind::PerNode,    ReportLineKind::PerBeam,
                                      ReportLineKind::PerSupport, ReportLineKind::PerLoad,
                                      ReportLineKind::PerForce,   ReportLineKind::PerMoment};
      ++repeats[kinds[static_cast<int>(KindOf(*object)) - 1]];
    }
    ASSERT_GT(repeats[ReportLineKind::PerBeam], 0u) << name;
    ++reported;
    const ReportSources sources{doc, settings, "/models/", environment};
    for (const FolderEntry& entry : templates) {
      const TemplateReadResult read = ReadReportTemplate(entry.Path);
      ASSERT_TRUE(read.ok) << read.message;
      std::size_t expectedLines = 0;
      for (std::string line : read.Lines) {
        const ReportLineKind kind = LineKind(line);
        EXPECT_NE(kind, ReportLineKind::Error) << entry.Title << ": " << line;
        expectedLines += repeats[kind];
      }
      const std::vector<std::string> report = BuildReport(read.Lines, sources);
      EXPECT_EQ(report.size(), expectedLines) << entry.Title << " on " << name;
      for (const std::string& line : report) {
        EXPECT_FALSE(StartsWith(line, "Error:")) << entry.Title << " on " << name << ": " << line;
        EXPECT_EQ(line.find("NAN"), std::string::npos)
            << entry.Title << " on " << name << ": " << line;
        EXPECT_EQ(line.find('?'), std::string::npos)
            << entry.Title << " on " << name << ": " << line;
        // A sheet of A4 holds 80 characters of fixed pitch; bold and underline
        // switches and the blanks that end a line take no place on it.
        std::string shown = line;
        shown.erase(
            std::remove_if(shown.begin(), shown.end(), [](char c) { return c == '|' || c == '~'; }),
            shown.end());
        shown.erase(shown.find_last_not_of(' ') + 1);
        EXPECT_LE(CharacterCount(shown), 80u) << entry.Title << ": " << line;
      }
    }
  }
  // Ten generated structures, the beam, and the standard structures.
  EXPECT_GT(reported, 11u);
}

// For every model a report is made of, with own weight off and on, the forces
// the analysis puts on the supports add up to the loads the report lists: in x,
// y and moment about the origin, to rounding of the loads' size.
TEST(ReportBalance, SupportsCarryTheListedLoadsOnEveryShippedModel) {
  std::vector<std::pair<std::string, ModelDocument>> models = ModelsToReport();
  models.emplace_back("grid frame", testing::GridFrame(4, 3, 5, 3.5, 8000));
  std::size_t checked = 0;
  for (auto& [name, doc] : models) {
    for (bool ownWeight : {false, true}) {
      doc.Settings.OwnWeight = ownWeight;
      ASSERT_TRUE(AnalyseModel(doc).Ok()) << name;
      SectionContext context;
      const ForceSum loads = AppliedLoadSum(doc, context);
      const ForceSum supports = SupportForceSum(doc, context);
      double reach = 1;
      for (const TNodeObject& node : ObjectsOf<TNodeObject>(doc))
        reach = std::max({reach, std::fabs(node.X), std::fabs(node.Y)});
      // Measured against the loads; an unloaded tower without its weight
      // carries nothing, and its supports must carry nothing either.
      const double size =
          std::max(1.0, std::fabs(loads.X) + std::fabs(loads.Y) + std::fabs(loads.M) / reach);
      EXPECT_NEAR(supports.X, loads.X, 1e-9 * size) << name << ", own weight " << ownWeight;
      EXPECT_NEAR(supports.Y, loads.Y, 1e-9 * size) << name << ", own weight " << ownWeight;
      EXPECT_NEAR(supports.M, loads.M, 1e-9 * size * reach) << name << ", own weight " << ownWeight;
      ++checked;
    }
  }
  EXPECT_GT(checked, 24u);
}

} // namespace
} // namespace strandel
