// strandel-cli convert, driven as a user's script drives it.

#include <gtest/gtest.h>

#include "common/files.h"
#include "support/process.h"
#include "support/temp_folder.h"

namespace strandel {
namespace {

testing::ProcessResult Cli(const std::vector<std::string>& args) {
  return testing::RunProgram(STRANDEL_CLI, args);
}

TEST(CliConvert, NormalisesADocument) {
  testing::TempFolder folder;
  const std::string in =
      folder.Write("in.qsd", "[model-objects]\nGraphObjCount=2\nObject001=1;1;0,5;0\nObject002=2;1;"
                             "1;2;;;;;0;0;0,123456;0\n"
                             "[History-data]\nCreatedDate=2001-01-01\nLastModDate=2002-02-02\n");
  const std::string out = folder.File("out.qsd");
  const auto result = Cli({"convert", in, out});
  EXPECT_EQ(result.ExitCode, 0) << result.Err;
  EXPECT_TRUE(result.Err.empty());
  const std::string written = testing::ReadBytes(out);
  EXPECT_EQ(written.rfind("[Dimesioning-Settings]\r\nFailHazRed=True\r\n", 0), 0u);
  EXPECT_NE(written.find("CreatedDate=2001-01-01\r\n"), std::string::npos);
  EXPECT_NE(written.find("LastModDate=2002-02-02\r\n"), std::string::npos); // kept as read
  EXPECT_NE(written.find("Object001=1;1;0.5;0;0;-1\r\n"), std::string::npos);
  // Beam numbers keep every digit they were given; three where three suffice.
  EXPECT_NE(written.find("Object002=2;1;1;2;False;False;False;; 0; 0; 0.123456; 0;;K12;WOOD;"),
            std::string::npos);
  // Converting the result again changes nothing.
  const std::string again = folder.File("again.qsd");
  ASSERT_EQ(Cli({"convert", out, again}).ExitCode, 0);
  EXPECT_EQ(testing::ReadBytes(again), written);
}

TEST(CliConvert, DocumentsTheProgramWroteComeOutByteForByte) {
  // Every standard structure and example model as shipped, and every test document once it has
  // been converted: converting leaves it as it is.
  testing::TempFolder folder;
  const std::string source = STRANDEL_SOURCE_DIR;
  std::vector<std::string> inputs;
  for (const char* kind : {"Arches", "Beams", "Bridges", "Frames", "Towers", "Trusses"})
    for (const std::string& path : ListFiles(source + "/data/Structures/" + kind + "/", "*.qsd"))
      inputs.push_back(path);
  for (const std::string& path : ListFiles(source + "/data/Models/", "*.qsd"))
    inputs.push_back(path);
  ASSERT_GE(inputs.size(), 12u);
  const std::size_t structures = inputs.size();
  for (const std::string& path : ListFiles(source + "/tests/data/qsd/fail/", "*.qsd"))
    inputs.push_back(path);
  int converted = 0;
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    SCOPED_TRACE(inputs[i]);
    const std::string once = folder.File("once.qsd"), twice = folder.File("twice.qsd");
    if (Cli({"convert", inputs[i], once}).ExitCode != 0) continue; // a refused document
    if (i < structures) {
      EXPECT_EQ(testing::ReadBytes(once), testing::ReadBytes(inputs[i]));
    }
    ASSERT_EQ(Cli({"convert", once, twice}).ExitCode, 0);
    EXPECT_EQ(testing::ReadBytes(twice), testing::ReadBytes(once));
    ++converted;
  }
  EXPECT_GE(converted, 18); // damaged and refused test documents are skipped
}

TEST(CliConvert, BadInputGivesStatusTwoAndNoOutput) {
  testing::TempFolder folder;
  const std::string bad = folder.Write(
      "bad.qsd", "[Model-Objects]\r\nGraphObjCount=2\r\nObject001=1;1\r\nObject002=1;two\r\n");
  const std::string out = folder.File("out.qsd");
  auto result = Cli({"convert", bad, out});
  EXPECT_EQ(result.ExitCode, 2);
  EXPECT_NE(result.Err.find("'two' is not a valid integer value"), std::string::npos);
  EXPECT_EQ(std::count(result.Err.begin(), result.Err.end(), '\n'), 1);
  EXPECT_EQ(testing::FolderContents(folder.Path()), (std::vector<std::string>{"bad.qsd"}));

  result = Cli({"convert", folder.File("missing.qsd"), out});
  EXPECT_EQ(result.ExitCode, 2);
  EXPECT_NE(result.Err.find("missing.qsd"), std::string::npos);

  const std::string good = folder.Write("good.qsd", "[Model-Objects]\r\nGraphObjCount=0\r\n");
  result = Cli({"convert", good, folder.File("no/such/folder/out.qsd")});
  EXPECT_EQ(result.ExitCode, 2);
  EXPECT_NE(result.Err.find("No such file or directory"), std::string::npos);

  EXPECT_EQ(Cli({"convert", good}).ExitCode, 2);
  result = Cli({"convert", good, out, "--settings", folder.File("none.ini")});
  EXPECT_EQ(result.ExitCode, 2);
  EXPECT_NE(result.Err.find("none.ini"), std::string::npos);
  EXPECT_EQ(Cli({"convert", good, out, "--settings"}).ExitCode, 2);
  EXPECT_EQ(Cli({"convert", good, out, "--bogus"}).ExitCode, 2);
  EXPECT_EQ(Cli({"frobnicate"}).ExitCode, 2);
}

TEST(CliConvert, HelpTextsAreThere) {
  auto result = Cli({"--help"});
  EXPECT_EQ(result.ExitCode, 0);
  EXPECT_NE(result.Out.find("convert"), std::string::npos);
  EXPECT_NE(result.Out.find("SI base units"), std::string::npos);
  result = Cli({"convert", "--help"});
  EXPECT_EQ(result.ExitCode, 0);
  EXPECT_NE(result.Out.find("usage: strandel-cli convert IN.qsd OUT.qsd"), std::string::npos);
  EXPECT_EQ(Cli({}).ExitCode, 2);
}

} // namespace
} // namespace strandel
