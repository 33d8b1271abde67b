#include "cli/result_options.h"

#include <cstdio>

#include "analysis/solver.h"
#include "cli/command.h"
#include "common/number_text.h"
#include "model/result_choice.h"

namespace strandel::cli {

void PrintUsage(const char* usage) {
  std::fputs(usage, stdout);
  std::fputs("\n"
             "The results of a document with load cases:\n"
             "  --case N         those of load case N\n"
             "  --combination N  those of load combination N (default: the ultimate\n"
             "                   combination that governs the design; a document without\n"
             "                   load cases is case 1 and combination 1)\n",
             stdout);
}

bool ApplyResultOptions(const Arguments& parsed, ModelDocument& doc, const std::string& path) {
  const bool byCase = parsed.Has("--case"), byCombination = parsed.Has("--combination");
  if (!byCase && !byCombination) return true;
  if (byCase && byCombination) {
    UsageError("give either --case or --combination");
    return false;
  }
  const std::string option = byCase ? "--case" : "--combination";
  const std::string text = *parsed.Value(option);
  const std::optional<std::int32_t> number = ParseStrictInteger(text);
  if (!number || *number < 1 || *number > 65535) {
    UsageError(option + " " + text + ": a number from 1 to 65535");
    return false;
  }
  const bool exists = doc.Settings.LoadCases.empty() ? *number == 1
                      : byCase ? FindLoadCase(doc.Settings.LoadCases, *number) != nullptr
                               : FindCombination(doc.Settings.Combinations, *number) != nullptr;
  if (!exists) {
    UsageError(path + " has no load " + (byCase ? "case " : "combination ") + text);
    return false;
  }
  // Without cases the one load set is both; nothing to choose.
  if (!doc.Settings.LoadCases.empty())
    doc.Settings.ResultSet = ResultChoiceText(
        {byCase ? ResultKind::Case : ResultKind::Combination, static_cast<long>(*number)});
  return true;
}

ChosenAnalysis AnalyseForCommand(ModelDocument& doc) {
  ChosenAnalysis chosen;
  if (doc.Settings.LoadCases.empty()) {
    chosen.Outcome = AnalyseModel(doc);
    return chosen;
  }
  chosen.Cases = AnalyseLoadCases(doc);
  chosen.Outcome = chosen.Cases->Outcome;
  chosen.Shown = DocumentResult(*chosen.Cases, doc);
  if (chosen.Shown) chosen.Outcome = InstallResult(doc, *chosen.Cases, *chosen.Shown);
  return chosen;
}

} // namespace strandel::cli
