// The golden outputs of tests/golden: every case run again by
// scripts/update_goldens.sh into a temporary folder and compared byte for byte
// with what is stored. A difference names the first line that differs in each
// file and how to regenerate; the stored outputs are never rewritten here.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "common/files.h"
#include "common/text.h"
#include "support/process.h"
#include "support/standard_structures.h"
#include "support/temp_folder.h"

namespace strandel {
namespace {

const std::string kRoot = STRANDEL_SOURCE_DIR;
const std::string kGolden = kRoot + "/tests/golden/";

// The files of a case that are its input, not output of the program.
bool IsInput(const std::string& name) {
  return name == "model.qsd" || name == "model.ref" || name == "diagram_beams.txt" ||
         name == "note.txt";
}

std::vector<std::string> Cases() {
  std::vector<std::string> cases;
  for (const std::string& name : testing::FolderContents(kGolden))
    if (FolderExists(kGolden + name)) cases.push_back(name);
  return cases;
}

std::vector<std::string> Outputs(const std::string& caseFolder) {
  std::vector<std::string> outputs;
  for (const std::string& name : testing::FolderContents(caseFolder))
    if (!IsInput(name)) outputs.push_back(name);
  return outputs;
}

// "" when equal; else where the two texts first part, line by line.
std::string FirstDifference(const std::string& stored, const std::string& produced) {
  if (stored == produced) return {};
  const auto storedLines = SplitLines(stored);
  const auto producedLines = SplitLines(produced);
  const size_t common = std::min(storedLines.size(), producedLines.size());
  size_t line = 0;
  while (line < common && storedLines[line] == producedLines[line])
    ++line;
  const auto lineOf = [line](const auto& lines) {
    return line < lines.size() ? "'" + std::string(lines[line]) + "'" : std::string("(no line)");
  };
  if (line == common && storedLines.size() == producedLines.size())
    return "the same lines, different line ends or a final newline";
  return "first difference at line " + std::to_string(line + 1) +
         "\n  stored:   " + lineOf(storedLines) + "\n  produced: " + lineOf(producedLines);
}

// Runs every case once for all tests of the suite.
class Golden : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    produced_ = new testing::TempFolder;
    run_ = new testing::ProcessResult(
        testing::RunProgram("/bin/bash", {kRoot + "/scripts/update_goldens.sh", STRANDEL_CLI,
                                          "--into", produced_->Path()}));
  }
  static void TearDownTestSuite() {
    delete run_;
    delete produced_;
    run_ = nullptr;
    produced_ = nullptr;
  }
  static testing::TempFolder* produced_;
  static testing::ProcessResult* run_;
};
testing::TempFolder* Golden::produced_ = nullptr;
testing::ProcessResult* Golden::run_ = nullptr;

TEST_F(Golden, EveryStoredOutputIsReproducedExactly) {
  ASSERT_EQ(run_->ExitCode, 0) << run_->Err;
  const std::string regenerate = "to accept the new outputs: scripts/update_goldens.sh " +
                                 std::string(STRANDEL_CLI) +
                                 " && git diff tests/golden  (read the diff before committing)";
  int compared = 0;
  std::vector<std::string> differing;
  for (const std::string& name : Cases()) {
    const std::string stored = kGolden + name + "/";
    const std::string produced = produced_->File(name) + "/";
    std::set<std::string> files;
    for (const std::string& file : Outputs(stored))
      files.insert(file);
    for (const std::string& file : Outputs(produced))
      files.insert(file);
    EXPECT_FALSE(files.empty()) << name << ": no outputs";
    for (const std::string& file : files) {
      const bool hasStored = FileExists(stored + file);
      const bool hasProduced = FileExists(produced + file);
      std::string why;
      if (!hasStored)
        why = "produced but not stored";
      else if (!hasProduced)
        why = "stored but no longer produced";
      else
        why =
            FirstDifference(testing::ReadBytes(stored + file), testing::ReadBytes(produced + file));
      ++compared;
      if (why.empty()) continue;
      differing.push_back(name + "/" + file);
      ADD_FAILURE() << "tests/golden/" << name << "/" << file << ": " << why;
    }
  }
  EXPECT_GE(compared, 5 * 12); // solve, beam, a diagram and the report of a dozen cases at least
  if (!differing.empty())
    ADD_FAILURE() << differing.size() << " golden output(s) differ; " << regenerate;
}

TEST(GoldenCases, EveryCaseIsComplete) {
  const std::vector<std::string> cases = Cases();
  EXPECT_GE(cases.size(), 12u);
  // The shipped structures and the generator's kinds, the design cases, and a
  // document with load cases.
  EXPECT_LE(cases.size(), 21u) << "keep the set small: every case costs run time";
  for (const std::string& name : cases) {
    const std::string folder = kGolden + name + "/";
    EXPECT_NE(FileExists(folder + "model.qsd"), FileExists(folder + "model.ref"))
        << name << ": needs exactly one of model.qsd and model.ref";
    EXPECT_TRUE(FileExists(folder + "note.txt"))
        << name << ": says nowhere where its values came from";
    const std::string beams = testing::ReadBytes(folder + "diagram_beams.txt");
    EXPECT_FALSE(Trim(beams).empty()) << name << ": names no beam for diagrams";
    for (const char* output : {"solve.json", "beam.json", "report.txt"})
      EXPECT_TRUE(FileExists(folder + output)) << name << ": " << output << " not stored";
  }
}

TEST(GoldenCases, EveryShippedStructureHasACase) {
  // A structure shipped without a case would change unseen; a case that names a
  // structure no longer shipped would fail to run.
  std::set<std::string> referenced;
  for (const std::string& name : Cases()) {
    const std::string ref = testing::ReadBytes(kGolden + name + "/model.ref");
    if (ref.empty()) continue;
    const std::string path{Trim(SplitLines(ref).front())};
    EXPECT_TRUE(FileExists(kRoot + "/" + path)) << name << " names " << path;
    EXPECT_TRUE(referenced.insert(path).second) << path << " has two cases";
  }
  const std::vector<std::string> structures = testing::StandardStructures();
  EXPECT_GE(structures.size(), 11u);
  for (const std::string& file : structures) {
    const std::string path = file.substr(kRoot.size() + 1);
    EXPECT_EQ(referenced.count(path), 1u) << path << " has no golden case";
  }
}

} // namespace
} // namespace strandel
