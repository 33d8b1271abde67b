// strandel-cli on documents that do not hold what they say, as a user's script
// meets them: a file cut off in the middle and an empty file stop every command
// that reads a model with status 2 and one line naming what is missing; loads on
// a beam or node that does not exist stop the commands that analyse and are a
// warning for the others.

#include <algorithm>
#include <string>
#include <sys/stat.h>
#include <vector>

#include <gtest/gtest.h>

#include "model/document_file.h"
#include "support/frame_models.h"
#include "support/process.h"
#include "support/temp_folder.h"

namespace strandel {
namespace {

testing::ProcessResult Cli(const std::vector<std::string>& args) {
  return testing::RunProgram(STRANDEL_CLI, args);
}

const std::string kReport = std::string(STRANDEL_SOURCE_DIR) + "/data/Reports/Design report.txt";

// Every command that reads a model, with the output files it would write in `out`.
std::vector<std::vector<std::string>> Commands(const std::string& model, const std::string& out) {
  return {{"solve", model, "--json"},
          {"solve", model},
          {"beam", model, "--json"},
          {"diagrams", model, "--beam", "1", "--json"},
          {"diagrams", model, "--beam", "1", out + "sheet.pdf"},
          {"report", model, kReport},
          {"render", model, out + "picture.png"},
          {"render", model, out + "displaced.png", "--displacements"},
          {"convert", model, out + "converted.qsd"},
          {"optimize", model, "-o", out + "optimized.qsd", "--variables", "N002.X"}};
}

long Lines(const std::string& text) {
  return static_cast<long>(std::count(text.begin(), text.end(), '\n'));
}

// A portal frame whose second node may move, so that optimize has a variable.
std::string PortalText() {
  ModelDocument doc = testing::GridFrame(1, 1, 4, 3, 2000);
  return WriteDocumentText(doc);
}

TEST(CliDamagedInput, ACutOffOrEmptyFileStopsEveryCommandWithWhatIsMissing) {
  const std::string whole = PortalText();
  // Cut inside the line of the fifth object: four whole objects of the ten.
  const std::size_t fifth = whole.find("Object005=");
  ASSERT_NE(fifth, std::string::npos);
  struct Case {
    const char* name;
    std::string bytes;
    std::string says;
  };
  const Case cases[] = {
      {"cut.qsd", whole.substr(0, fifth + 16), "The file ends after 4 of 10 objects."},
      {"empty.qsd", "", "The file is empty: it holds no model."},
      {"blank.qsd", "\r\n\r\n", "The file is empty: it holds no model."},
  };
  for (const Case& c : cases) {
    testing::TempFolder folder;
    const std::string model = folder.Write(c.name, c.bytes);
    const std::string out = folder.File("out/");
    ::mkdir(out.c_str(), 0755);
    for (const std::vector<std::string>& args : Commands(model, out)) {
      const testing::ProcessResult result = Cli(args);
      EXPECT_EQ(result.ExitCode, 2) << c.name << " " << args[0];
      EXPECT_TRUE(result.Out.empty()) << c.name << " " << args[0];
      EXPECT_EQ(result.Err, "strandel-cli: " + model + ": " + c.says + "\n")
          << c.name << " " << args[0];
    }
    // Nothing was written, and the file is as it was.
    EXPECT_TRUE(testing::FolderContents(out).empty()) << c.name;
    EXPECT_EQ(testing::ReadBytes(model), c.bytes) << c.name;
  }
}

TEST(CliDamagedInput, LoadsOnNothingStopTheAnalysisAndAreAWarningElsewhere) {
  ModelDocument doc = testing::GridFrame(1, 1, 4, 3, 2000);
  testing::AddLoad(doc, 7, 9, 1, 2, 3000, -kPi / 2); // beam 9 does not exist
  testing::AddForce(doc, 4, 12, 500, 0);             // nor does node 12
  testing::TempFolder folder;
  const std::string model = folder.File("loose.qsd");
  ASSERT_TRUE(SaveDocument(doc, model).ok);
  const std::string says = model +
                           ": These objects refer to a beam or node that does not exist, and the "
                           "analysis leaves them out: load 7 on beam 9, force 4 at node 12.";
  const std::string out = folder.File("out/");
  ::mkdir(out.c_str(), 0755);
  for (const std::vector<std::string>& args : Commands(model, out)) {
    const testing::ProcessResult result = Cli(args);
    // Listing the beams, drawing the model as it is and converting it compute
    // nothing from the loads: they warn and go on.
    const bool analyses =
        !(args[0] == "beam" || args[0] == "convert" || (args[0] == "render" && args.size() == 3));
    ASSERT_EQ(result.ExitCode, analyses ? 2 : 0) << args[0] << "\n" << result.Err;
    EXPECT_EQ(Lines(result.Err), 1) << args[0] << "\n" << result.Err;
    EXPECT_EQ(result.Err, "strandel-cli: " + std::string(analyses ? "" : "warning: ") + says + "\n")
        << args[0];
  }
  // The converted document keeps the loose objects as they were read.
  ModelDocument read;
  ASSERT_TRUE(LoadDocument(model, read).ok);
  EXPECT_EQ(testing::ReadBytes(out + "converted.qsd"), WriteDocumentText(read));
  EXPECT_NE(testing::ReadBytes(out + "converted.qsd").find("Object012=5;4;12;0;0;0;500\r\n"),
            std::string::npos);
}

TEST(CliDamagedInput, ALooseObjectOfNoValueIsOnlyAWarning) {
  // Leaving out a moment of 0 changes nothing the structure carries: the
  // results are those of the model as drawn.
  ModelDocument doc = testing::GridFrame(1, 1, 4, 3, 2000);
  testing::TempFolder folder;
  const std::string plain = folder.File("plain.qsd");
  ASSERT_TRUE(SaveDocument(doc, plain).ok);
  testing::AddMoment(doc, 3, 40, 0);
  const std::string model = folder.File("zero.qsd");
  ASSERT_TRUE(SaveDocument(doc, model).ok);
  const testing::ProcessResult result = Cli({"solve", model, "--json"});
  EXPECT_EQ(result.ExitCode, 0);
  EXPECT_EQ(result.Err, "strandel-cli: warning: " + model +
                            ": These objects refer to a beam or node that does not exist, and "
                            "the analysis leaves them out: moment 3 at node 40.\n");
  EXPECT_EQ(result.Out, Cli({"solve", plain, "--json"}).Out);
}

} // namespace
} // namespace strandel
