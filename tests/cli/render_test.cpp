// strandel-cli render and the drawn beam page: the files a script gets, their
// sizes and kinds, the exit statuses, and drawing without any display.

#include <algorithm>
#include <cctype>
#include <cstdint>

#include <gtest/gtest.h>

#include "model/document_file.h"
#include "support/frame_models.h"
#include "support/process.h"
#include "support/temp_folder.h"

namespace strandel {
namespace {

testing::ProcessResult Cli(const std::vector<std::string>& args,
                           const std::vector<std::string>& environment = {}) {
  return testing::RunProgram(STRANDEL_CLI, args, environment);
}

std::string WriteModel(const testing::TempFolder& folder, ModelDocument doc,
                       const std::string& name = "model.qsd") {
  const std::string path = folder.File(name);
  EXPECT_TRUE(SaveDocument(doc, path).ok);
  return path;
}

std::uint32_t BigEndian(const std::string& bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i)
    value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}
std::uint32_t LittleEndian(const std::string& bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 4; i-- > 0;)
    value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

// Width and height from a PNG's header chunk; 0, 0 for anything else.
std::pair<std::uint32_t, std::uint32_t> PngSize(const std::string& bytes) {
  if (bytes.size() < 24 || bytes.substr(0, 8) != "\x89PNG\r\n\x1a\n") return {0, 0};
  return {BigEndian(bytes, 16), BigEndian(bytes, 20)};
}

std::size_t PdfPages(const std::string& bytes) {
  std::size_t pages = 0;
  for (std::size_t at = bytes.find("/Type /Page\n"); at != std::string::npos;
       at = bytes.find("/Type /Page\n", at + 1))
    ++pages;
  return pages;
}

TEST(CliRender, PicturesOfTheGivenSizeAndKind) {
  testing::TempFolder folder;
  const std::string model = WriteModel(folder, testing::SimplySupportedBeam(6, 2000));
  auto result = Cli({"render", model, folder.File("beam.png"), "--size", "320x200"});
  ASSERT_EQ(result.ExitCode, 0) << result.Err;
  EXPECT_EQ(result.Err, "");
  EXPECT_EQ(PngSize(testing::ReadBytes(folder.File("beam.png"))), std::make_pair(320u, 200u));

  result = Cli({"render", model, folder.File("beam.BMP"), "--size=64x48", "--grid"});
  ASSERT_EQ(result.ExitCode, 0) << result.Err;
  const std::string bmp = testing::ReadBytes(folder.File("beam.BMP"));
  ASSERT_GT(bmp.size(), 26u);
  EXPECT_EQ(bmp.substr(0, 2), "BM");
  EXPECT_EQ(LittleEndian(bmp, 18), 64u);

  // Without a size, 1200 x 800; a PDF is one page.
  ASSERT_EQ(Cli({"render", model, folder.File("default.png")}).ExitCode, 0);
  EXPECT_EQ(PngSize(testing::ReadBytes(folder.File("default.png"))), std::make_pair(1200u, 800u));
  ASSERT_EQ(Cli({"render", model, folder.File("beam.pdf"), "--utilisation"}).ExitCode, 0);
  const std::string pdf = testing::ReadBytes(folder.File("beam.pdf"));
  EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
  EXPECT_EQ(PdfPages(pdf), 1u);
}

TEST(CliRender, FailedAnalysisStillDrawsTheModel) {
  ModelDocument doc = testing::EmptyModel();
  testing::AddNode(doc, 1, 0, 0);
  testing::AddNode(doc, 2, 4, 0);
  testing::AddBeam(doc, 1, 1, 2);
  testing::TempFolder folder;
  const std::string model = WriteModel(folder, std::move(doc));
  const auto result = Cli({"render", model, folder.File("loose.png"), "--displacements"});
  EXPECT_EQ(result.ExitCode, 1);
  EXPECT_NE(result.Err.find("unstable"), std::string::npos) << result.Err;
  // Nothing holds the beam: it moves as a whole, named by its first node.
  EXPECT_NE(result.Err.find("\nThe structure can move at node 1 in x.\n"), std::string::npos)
      << result.Err;
  EXPECT_EQ(PngSize(testing::ReadBytes(folder.File("loose.png"))).first, 1200u);
  // Without results asked for, nothing is analysed and nothing fails.
  EXPECT_EQ(Cli({"render", model, folder.File("plain.png")}).ExitCode, 0);
}

TEST(CliRender, BadInputLeavesNoFileAndTheOldOneAsItWas) {
  testing::TempFolder folder;
  const std::string model = WriteModel(folder, testing::SimplySupportedBeam(6, 2000));
  const std::string out = folder.Write("old.png", "previous picture");
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"render", model, out, "--size", "0x10"},
           {"render", model, out, "--size", "wide"},
           {"render", model, out, "--size", "20000x10"},
           {"render", model, out, "--size", "9000x9000"},
           {"render", model, out, "--colour"},
           {"render", model},
           {"render", folder.File("missing.qsd"), out},
           {"render",
            folder.Write("bad.qsd", "[Model-Objects]\r\nGraphObjCount=1\r\nObject001=1;two\r\n"),
            out},
       }) {
    const auto result = Cli(args);
    EXPECT_EQ(result.ExitCode, 2) << args.back();
    EXPECT_FALSE(result.Err.empty());
  }
  EXPECT_EQ(testing::ReadBytes(out), "previous picture");
  EXPECT_EQ(Cli({"render", model, folder.File("picture.jpg")}).ExitCode, 2);
  EXPECT_EQ(Cli({"render", model, folder.File("no/such/folder.png")}).ExitCode, 2);
  EXPECT_EQ(testing::FolderContents(folder.Path()).size(), 3u); // model, old.png, bad.qsd
}

TEST(CliRender, DrawsWithoutAnyDisplay) {
  testing::TempFolder folder;
  const std::string model = WriteModel(folder, testing::SimplySupportedBeam(6, 2000));
  // Names without "=" remove the variables from the program's environment.
  const auto result = Cli({"render", model, folder.File("headless.png"), "--size", "100x80"},
                          {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"});
  EXPECT_EQ(result.ExitCode, 0) << result.Err;
  EXPECT_EQ(result.Err, "");
  EXPECT_EQ(PngSize(testing::ReadBytes(folder.File("headless.png"))), std::make_pair(100u, 80u));
}

TEST(CliDiagramsDrawing, A4SheetsAsManyAsTheDiagramsNeed) {
  testing::TempFolder folder;
  const std::string model = WriteModel(folder, testing::SimplySupportedBeam(6, 2000));
  // 150 pixels an inch: an A4 sheet is 1240 x 1754; all seven diagrams take two.
  auto result = Cli({"diagrams", model, "--beam", "1", folder.File("all.png")});
  ASSERT_EQ(result.ExitCode, 0) << result.Err;
  EXPECT_TRUE(result.Out.empty());
  EXPECT_EQ(PngSize(testing::ReadBytes(folder.File("all.png"))), std::make_pair(1240u, 3508u));
  ASSERT_EQ(
      Cli({"diagrams", model, "--beam", "1", "--show", "M,T", folder.File("two.png")}).ExitCode, 0);
  EXPECT_EQ(PngSize(testing::ReadBytes(folder.File("two.png"))), std::make_pair(1240u, 1754u));

  result = Cli({"diagrams", model, "--beam", "1", folder.File("all.pdf"), "--json"});
  ASSERT_EQ(result.ExitCode, 0) << result.Err;
  EXPECT_EQ(result.Out.rfind("{\"results_valid\": true", 0), 0u);
  EXPECT_EQ(PdfPages(testing::ReadBytes(folder.File("all.pdf"))), 2u);
}

TEST(CliReportPdf, ReportSheetsInsteadOfLines) {
  testing::TempFolder folder;
  const std::string model = WriteModel(folder, testing::SimplySupportedBeam(6, 2000));
  // A template of 150 lines: three sheets of 62 lines at most.
  std::string lines = "|Beams| ~of the model~\r\n====\r\n";
  for (int i = 0; i < 148; ++i)
    lines += "{4;R;BeamNo} {9;R;Beam_Length} {9;L;LengthUnitStr}\r\n";
  const std::string report = folder.Write("beams.txt", lines);
  auto result = Cli({"report", model, report, "--pdf", folder.File("beams.pdf")});
  ASSERT_EQ(result.ExitCode, 0) << result.Err;
  EXPECT_TRUE(result.Out.empty());
  const std::string pdf = testing::ReadBytes(folder.File("beams.pdf"));
  EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
  EXPECT_EQ(PdfPages(pdf), 3u);

  // Without --pdf the same report prints its lines.
  result = Cli({"report", model, report});
  ASSERT_EQ(result.ExitCode, 0);
  EXPECT_EQ(std::count(result.Out.begin(), result.Out.end(), '\n'), 150);

  result = Cli({"report", model, report, "--pdf", folder.File("none/beams.pdf")});
  EXPECT_EQ(result.ExitCode, 2);
  EXPECT_FALSE(result.Err.empty());
}

} // namespace
} // namespace strandel

namespace strandel {
namespace {

// The text of a PDF page by page, as pdftotext reads it.
std::vector<std::string> PdfTextPages(const std::string& path) {
  const testing::ProcessResult read = testing::RunProgram("/usr/bin/pdftotext", {path, "-"});
  EXPECT_EQ(read.ExitCode, 0) << read.Err;
  std::vector<std::string> pages;
  std::string text = read.Out;
  for (std::size_t feed; (feed = text.find('\f')) != std::string::npos;) {
    pages.push_back(text.substr(0, feed));
    text.erase(0, feed + 1);
  }
  return pages;
}

// The PDFs a script makes are sheets that say where they come from: the model's
// file name on every page, the beam on beam sheets, the page of how many and
// the date (yyyy-mm-dd); the model's picture has no page count.
TEST(CliTitles, EveryPdfSheetNamesItsModel) {
  testing::TempFolder folder;
  const std::string model =
      WriteModel(folder, testing::SimplySupportedBeam(6, 2000), "span six.qsd");
  const std::string ends = folder.Write("ends.txt", "{;;BeamNo}\r\n");
  struct Case {
    std::vector<std::string> Args;
    std::size_t Pages;
    const char* Beam; // on every page, or nothing
  };
  const Case cases[] = {
      {{"diagrams", model, "--beam", "1", folder.File("beam.pdf")}, 2, "Beam 1"},
      {{"report", model, ends, "--pdf", folder.File("report.pdf")}, 1, nullptr},
      {{"render", model, folder.File("model.pdf")}, 1, nullptr},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(Cli(c.Args).ExitCode, 0) << c.Args[0];
    const std::string& out = c.Args[0] == "report" ? c.Args[4] : c.Args.back();
    const std::vector<std::string> pages = PdfTextPages(out);
    ASSERT_EQ(pages.size(), c.Pages) << c.Args[0];
    for (std::size_t i = 0; i < pages.size(); ++i) {
      const std::string& page = pages[i];
      EXPECT_NE(page.find("span six.qsd"), std::string::npos) << c.Args[0] << ": " << page;
      if (c.Beam) {
        EXPECT_NE(page.find(c.Beam), std::string::npos) << page;
      }
      const std::string count =
          "Page " + std::to_string(i + 1) + " of " + std::to_string(pages.size());
      EXPECT_EQ(page.find(count) != std::string::npos, c.Args[0] != "render") << page;
      // A date: four digits, a dash, two, a dash, two.
      bool dated = false;
      for (std::size_t at = 0; at + 10 <= page.size() && !dated; ++at) {
        const std::string d = page.substr(at, 10);
        dated = d[4] == '-' && d[7] == '-' && std::all_of(d.begin(), d.end(), [](char ch) {
                  return ch == '-' || std::isdigit(static_cast<unsigned char>(ch));
                });
      }
      EXPECT_TRUE(dated) << c.Args[0] << ": " << page;
    }
  }
}

} // namespace
} // namespace strandel
