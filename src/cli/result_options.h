#pragma once
// "--case N" and "--combination N": which results solve, diagrams and report
// show for a document with load cases (by default the ultimate combination that
// governs the design). A document without cases is case 1 and combination 1.

#include <optional>
#include <set>
#include <string>

#include "analysis/load_case_analysis.h"
#include "cli/arguments.h"
#include "model/document.h"

namespace strandel::cli {

inline const std::set<std::string> kResultOptions = {"--case", "--combination"};

// A command's options with --case and --combination added.
inline OptionSpec WithResultOptions(OptionSpec options) {
  options.WithValue.insert(kResultOptions.begin(), kResultOptions.end());
  return options;
}

// A command's --help: its usage, then the two options.
void PrintUsage(const char* usage);

// Sets the document's ResultSet from the options. False, after a usage message
// on stderr, when both are given, the number is not a whole number, or the
// document has no such case or combination.
bool ApplyResultOptions(const Arguments& parsed, ModelDocument& doc, const std::string& path);

// The analysis a command shows: for a document with load cases every case
// solved and kept, with the result the document's ResultSet names installed
// (none after a failure); for one without, the analysis of its one load set.
struct ChosenAnalysis {
  AnalysisOutcome Outcome; // of the result installed
  std::optional<CaseAnalysis> Cases;
  std::optional<ResultSet> Shown;
};
ChosenAnalysis AnalyseForCommand(ModelDocument& doc);

} // namespace strandel::cli
