// strandel-cli on every hostile document kept in tests/data/qsd/fail (solve, beam,
// diagrams, report and convert) and on a model too large to analyse, as a user's
// script meets them: a known exit status, one line on stderr for bad input, JSON
// that reads back without a single number that is not finite, and never a crash.

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "model/document_file.h"
#include "support/frame_models.h"
#include "support/json_value.h"
#include "support/process.h"
#include "support/temp_folder.h"

namespace strandel {
namespace {

testing::ProcessResult Cli(const std::vector<std::string>& args) {
  return testing::RunProgram(STRANDEL_CLI, args);
}

const std::string kFailFolder = std::string(STRANDEL_TEST_DATA_DIR) + "/qsd/fail/";

// What `solve --json` says about each kept file: its exit status and either the
// failure reason or the first words of the message on stderr. A model refused
// only for its analysis (loads on nothing) is listed and converted with a warning.
struct Expected {
  int exitCode;
  std::string says;
  bool refusedForAnalysisOnly = false;
};

const std::map<std::string, Expected> kExpected = {
    {"absurd_count_far_key.qsd",
     {2, "The file holds 2 of its 2000000000 objects; the first missing is object 2."}},
    {"beam_to_missing_nodes.qsd", {1, "unstable"}},
    {"binary_picture.qsd", {2, "The file is not a model document"}},
    {"coinciding_nodes.qsd", {1, "zero-length segment"}},
    {"cut_portal_frame.qsd", {2, "The file ends after 6 of 14 objects."}},
    {"empty.qsd", {2, "The file is empty: it holds no model."}},
    {"far_object_key_from_fuzzing.qsd", {2, "'655350' is not within the valid range 0..65535"}},
    {"loads_supports_and_forces_on_nothing.qsd",
     {2,
      "These objects refer to a beam or node that does not exist, and the analysis leaves them "
      "out: load 1 on beam 9, force 1 at node 9, moment 1 at node 9.",
      true}},
    {"long_material_type_from_fuzzing.qsd", {2, "The file holds 9 of its 2000000000 objects"}},
    {"long_names.qsd", {1, "unstable"}},
    {"node_number_65536.qsd", {2, "'65536' is not within the valid range 0..65535"}},
    {"node_numbers_0_and_65535.qsd", {0, ""}},
    {"not_an_integer.qsd", {2, "'two' is not a valid integer value"}},
    {"numbers_that_are_not_numbers.qsd", {1, "zero-length segment"}},
    {"ten_thousand_fields.qsd", {1, "unstable"}},
    {"utf16.qsd", {2, "The file is not a model document"}},
};

TEST(CliHostileInput, EveryKeptHostileDocument) {
  std::size_t files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(kFailFolder)) {
    const std::string name = entry.path().filename().string();
    const std::string path = entry.path().string();
    ++files;
    ASSERT_TRUE(kExpected.count(name)) << name << " has no expected outcome";
    const Expected& expected = kExpected.at(name);
    const testing::ProcessResult result = Cli({"solve", path, "--json"});
    ASSERT_EQ(result.ExitCode, expected.exitCode) << name << "\n" << result.Err;
    if (expected.exitCode == 2) {
      EXPECT_TRUE(result.Out.empty()) << name;
      EXPECT_EQ(std::count(result.Err.begin(), result.Err.end(), '\n'), 1) << name;
      EXPECT_NE(result.Err.find(path + ": " + expected.says), std::string::npos) << name << "\n"
                                                                                 << result.Err;
    } else {
      const std::optional<testing::JsonValue> json = testing::ParseJson(result.Out);
      ASSERT_TRUE(json.has_value()) << name << "\n" << result.Out.substr(0, 2000);
      EXPECT_EQ((*json)["results_valid"].Bool, expected.exitCode == 0) << name;
      if (expected.exitCode == 1) {
        EXPECT_EQ((*json)["failure"]["reason"].String, expected.says) << name;
      }
    }
    // The other commands that read a model give the same verdict on a bad file
    // and never crash on a readable one.
    const std::string report = std::string(STRANDEL_SOURCE_DIR) + "/data/Reports/Design report.txt";
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"beam", path, "--json"},
          std::vector<std::string>{"diagrams", path, "--beam", "1", "--json"},
          std::vector<std::string>{"report", path, report}}) {
      const testing::ProcessResult other = Cli(args);
      EXPECT_GE(other.ExitCode, 0) << name << " " << args[0];
      EXPECT_LE(other.ExitCode, 2) << name << " " << args[0];
      const bool analyses = args[0] != "beam";
      if (expected.exitCode == 2 && (analyses || !expected.refusedForAnalysisOnly)) {
        EXPECT_EQ(other.ExitCode, 2) << name << " " << args[0];
      }
    }
    testing::TempFolder out;
    const testing::ProcessResult converted = Cli({"convert", path, out.File("out.qsd")});
    const bool refused = expected.exitCode == 2 && !expected.refusedForAnalysisOnly;
    EXPECT_EQ(converted.ExitCode, refused ? 2 : 0) << name;
    EXPECT_EQ(testing::FolderContents(out.Path()).size(), refused ? 0u : 1u) << name;
    if (expected.refusedForAnalysisOnly) {
      EXPECT_NE(converted.Err.find("warning: " + path + ": " + expected.says), std::string::npos)
          << converted.Err;
    }
  }
  EXPECT_EQ(files, kExpected.size());
}

TEST(CliHostileInput, AModelTooLargeForTheMemoryEndsWithAMessageAtEveryLimit) {
  // The 50 x 50 frame solved with the address space limited, from where the
  // program can barely start, in steps of 2 MB, until it has enough. At every
  // limit it ends with a message, never a crash: the analysis reports "out of
  // memory" (status 1, the results null), or reading or writing does (status
  // 2); below some limit the libraries cannot even be loaded (127). Somewhere
  // in between the analysis itself runs out.
  ModelDocument doc = testing::GridFrame(50, 50, 4, 3, 10000);
  testing::TempFolder folder;
  const std::string path = folder.File("frame.qsd");
  ASSERT_TRUE(SaveDocument(doc, path).ok);
  bool analysisRanOut = false, solved = false;
  for (int limit = 64; limit <= 512 && !solved; limit += 2) {
    const testing::ProcessResult result = testing::RunProgram(
        "/bin/bash", {"-c", "ulimit -v " + std::to_string(limit * 1024) + "; exec \"$0\" \"$@\"",
                      STRANDEL_CLI, "solve", path, "--json"});
    const std::string at = std::to_string(limit) + " MB";
    ASSERT_GE(result.ExitCode, 0) << "a crash at " << at << ": " << result.Err;
    if (result.ExitCode == 0) {
      solved = true;
    } else if (result.ExitCode == 1) {
      const std::optional<testing::JsonValue> json = testing::ParseJson(result.Out);
      ASSERT_TRUE(json.has_value()) << at;
      EXPECT_EQ((*json)["failure"]["reason"].String, "out of memory") << at;
      EXPECT_FALSE((*json)["results_valid"].Bool) << at;
      analysisRanOut = true;
    } else if (result.ExitCode == 2) {
      EXPECT_NE(result.Err.find("too large for this computer's memory"), std::string::npos)
          << at << ": " << result.Err;
    } else {
      EXPECT_EQ(result.ExitCode, 127) << at << ": " << result.Err;
    }
  }
  EXPECT_TRUE(solved);
  EXPECT_TRUE(analysisRanOut);
}

} // namespace
} // namespace strandel
