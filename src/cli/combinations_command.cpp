#include "cli/combinations_command.h"

#include <cstdio>
#include <optional>

#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/json_text.h"
#include "cli/model_input.h"
#include "cli/settings_input.h"
#include "common/number_text.h"
#include "model/combination_generator.h"
#include "model/document_file.h"
#include "model/load_case_check.h"
#include "model/load_case_texts.h"

namespace strandel::cli {
namespace {

// More would bury the first problem, which is the one to mend first.
constexpr std::size_t kProblemsNamed = 10;

const char* const kDurationWords[kDurationClassCount] = {"permanent", "long-term", "medium-term",
                                                         "short-term", "instantaneous"};

const char* DurationWord(DurationClass duration) {
  return kDurationWords[static_cast<int>(duration)];
}

std::string CasesJson(const std::vector<TLoadCase>& cases) {
  std::string out = "\"cases\": [";
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const TLoadCase& c = cases[i];
    out += (i == 0 ? "\n  {" : ",\n  {");
    out += "\"number\": " + std::to_string(c.Number) + ", \"name\": " + JsonString(c.Name) +
           ", \"category\": " + JsonString(CategoryCode(c.Category)) +
           ", \"duration\": " + std::to_string(static_cast<int>(c.Duration)) +
           ", \"psi0\": " + JsonNumber(c.Psi0) + ", \"psi1\": " + JsonNumber(c.Psi1) +
           ", \"psi2\": " + JsonNumber(c.Psi2) +
           ", \"self_weight\": " + (c.SelfWeight ? "true" : "false") + "}";
  }
  return out + (cases.empty() ? "]" : "\n]");
}

std::string CombinationsJson(const ModelDocument& doc) {
  const std::vector<TCombination>& combinations = doc.Settings.Combinations;
  std::string out = "\"combinations\": [";
  for (std::size_t i = 0; i < combinations.size(); ++i) {
    const TCombination& c = combinations[i];
    out += (i == 0 ? "\n  {" : ",\n  {");
    out += "\"number\": " + std::to_string(c.Number) + ", \"name\": " + JsonString(c.Name) +
           ", \"kind\": " + JsonString(CombinationKindCode(c.Kind)) + ", \"factors\": [";
    for (std::size_t j = 0; j < c.Factors.size(); ++j)
      out += (j == 0 ? "[" : ", [") + std::to_string(c.Factors[j].Case) + ", " +
             JsonNumber(c.Factors[j].Factor) + "]";
    out += "], \"duration\": " +
           std::to_string(static_cast<int>(CombinationDuration(c, doc.Settings.LoadCases))) + "}";
  }
  return out + (combinations.empty() ? "]" : "\n]");
}

void PrintJson(const ModelDocument& doc) {
  const std::string out =
      "{" + CasesJson(doc.Settings.LoadCases) + ",\n" + CombinationsJson(doc) + "}\n";
  std::fputs(out.c_str(), stdout);
}

// Factors and psi values are data the user typed or the generator wrote: they
// are shown with every digit, not in the three-digit form of results.
std::string Exact(double value) {
  return FormatGeneral(value);
}

void PrintTable(const ModelDocument& doc) {
  const std::vector<TLoadCase>& cases = doc.Settings.LoadCases;
  if (cases.empty()) {
    std::printf("The document has no load cases: all its loads are one load set, analysed as "
                "\"1.0 x case 1\".\n");
  } else {
    std::printf("Load cases:\n  %5s  %-8s  %-13s  %-6s  %-6s  %-6s  %-10s  %s\n", "No", "Category",
                "Duration", "psi0", "psi1", "psi2", "Own weight", "Name");
    for (const TLoadCase& c : cases)
      std::printf("  %5u  %-8s  %-13s  %-6s  %-6s  %-6s  %-10s  %s\n", c.Number,
                  CategoryCode(c.Category), DurationWord(c.Duration), Exact(c.Psi0).c_str(),
                  Exact(c.Psi1).c_str(), Exact(c.Psi2).c_str(), c.SelfWeight ? "yes" : "no",
                  c.Name.c_str());
  }
  const std::vector<TCombination>& combinations = doc.Settings.Combinations;
  if (combinations.empty()) {
    if (!cases.empty()) std::printf("\nThe document has no combinations.\n");
    return;
  }
  std::printf("\nCombinations:\n  %5s  %-6s  %-13s  %s\n", "No", "Kind", "Duration",
              "Name = factor x case + ...");
  for (const TCombination& c : combinations) {
    const std::string sum = FactorsText(c.Factors);
    std::printf("  %5u  %-6s  %-13s  %s = %s\n", c.Number, CombinationKindCode(c.Kind),
                DurationWord(CombinationDuration(c, cases)), c.Name.c_str(),
                sum.empty() ? "(no case)" : sum.c_str());
  }
}

// The problems on stderr, the first ones named; true when there were any.
bool ReportProblems(const std::string& path, const ModelDocument& doc) {
  const std::vector<std::string> problems = CheckLoadCases(doc);
  for (std::size_t i = 0; i < problems.size() && i < kProblemsNamed; ++i)
    std::fprintf(stderr, "strandel-cli: %s: %s\n", path.c_str(), problems[i].c_str());
  if (problems.size() > kProblemsNamed)
    std::fprintf(stderr, "strandel-cli: %s: ... and %zu more problems of the load cases\n",
                 path.c_str(), problems.size() - kProblemsNamed);
  return !problems.empty();
}

std::optional<UltimateRule> RuleNamed(const std::string& name) {
  if (name == "6.10") return UltimateRule::Eq610;
  if (name == "6.10ab") return UltimateRule::Eq610ab;
  return std::nullopt;
}

} // namespace

const char* const kCombinationsUsage =
    "usage: strandel-cli combinations MODEL.qsd [--json] [--settings FILE]\n"
    "       strandel-cli combinations MODEL.qsd --generate 6.10|6.10ab -o OUT.qsd [--json]\n"
    "\n"
    "Lists the document's load cases (number, category, load-duration class, psi0,\n"
    "psi1, psi2, whether the case carries the beams' own weight, name) and its\n"
    "combinations (number, kind, the load-duration class the combination takes for\n"
    "timber, name and factors).\n"
    "\n"
    "--generate replaces the combinations by those of EN 1990 written from the\n"
    "cases' categories and psi values, and writes the document to OUT (which may\n"
    "name MODEL itself; without -o nothing is written and the command refuses):\n"
    "  6.10    1.35 G; 1.35 G + 1.5 Q_i + 1.5 psi0_j Q_j with each variable case i\n"
    "          leading; 1.0 G + 1.5 Q_i where the permanent load is favourable\n"
    "  6.10ab  1.35 G; 6.10a 1.35 G + 1.5 psi0_j Q_j over all variable cases; 6.10b\n"
    "          0.85 x 1.35 G + 1.5 Q_i + 1.5 psi0_j Q_j; 1.0 G + 1.5 Q_i\n"
    "and with either the serviceability sets: SLS-C G + Q_i + psi0_j Q_j, SLS-F\n"
    "G + psi1_i Q_i + psi2_j Q_j, SLS-QP G + psi2_j Q_j. All permanent cases act\n"
    "together; accidental cases take part in none. A document without load cases\n"
    "first gets one permanent case 1 that holds all its loads and carries the own\n"
    "weight. The list of the written document is printed.\n"
    "\n"
    "--json prints {\"cases\": [{\"number\", \"name\", \"category\", \"duration\", \"psi0\",\n"
    "\"psi1\", \"psi2\", \"self_weight\"}, ...], \"combinations\": [{\"number\", \"name\",\n"
    "\"kind\", \"factors\": [[case, factor], ...], \"duration\"}, ...]}. category is \"G\",\n"
    "\"QA\"..\"QE\", \"Q\", \"S\", \"W\", \"T\" or \"A\"; kind \"ULS\", \"SLS-C\", \"SLS-F\" or\n"
    "\"SLS-QP\"; duration the class 0..4 (permanent, long-term, medium-term,\n"
    "short-term, instantaneous), for a combination that of its shortest-acting case.\n"
    "\n"
    "Exit status: 0 listed or written; 2 bad usage, MODEL unreadable or malformed, OUT\n"
    "not writable, or cases and combinations that do not hold together (a load of a\n"
    "case that does not exist, a combination of no case, a factor that is not a\n"
    "number, ...): each problem is named on stderr, the list is still printed, and\n"
    "no document is written.\n";

int RunCombinations(const std::vector<std::string>& args) {
  const Arguments parsed = ParseArguments(args, {{"--generate", "-o"}, {"--json"}});
  if (!parsed.Error.empty()) return UsageError(parsed.Error);
  if (parsed.Help) {
    std::fputs(kCombinationsUsage, stdout);
    return kExitOk;
  }
  if (parsed.Positional.size() != 1) return UsageError("combinations needs one MODEL.qsd");
  const std::optional<std::string> ruleName = parsed.Value("--generate");
  const std::optional<std::string> out = parsed.Value("-o");
  std::optional<UltimateRule> rule;
  if (ruleName) {
    rule = RuleNamed(*ruleName);
    if (!rule) return UsageError("--generate takes 6.10 or 6.10ab, not '" + *ruleName + "'");
    if (!out)
      return UsageError("combinations --generate needs -o OUT.qsd to write the document to "
                        "(give the model's own name to replace it)");
  } else if (out) {
    return UsageError("-o writes the document made by --generate; give --generate 6.10 or "
                      "6.10ab too");
  }
  AppSettings settings;
  if (!LoadCommandSettings(parsed, settings)) return kExitUsage;
  LoadCommandLanguage(settings); // the problems and the first case's name in its language
  const std::string& path = parsed.Positional[0];
  ModelDocument doc;
  if (!ReadModel(path, doc, ModelUse::Inspect)) return kExitUsage;

  if (rule) {
    DefaultLoadCases(doc);
    GeneratorFactors factors;
    factors.Rule = *rule;
    doc.Settings.Combinations = GenerateCombinations(doc.Settings.LoadCases, factors);
  }
  const bool broken = ReportProblems(path, doc);
  if (parsed.Has("--json"))
    PrintJson(doc);
  else
    PrintTable(doc);
  std::fflush(stdout);
  if (broken) return kExitUsage;
  if (rule) {
    const WriteResult written = SaveDocument(doc, *out);
    if (!written.ok) return UsageError(written.message);
  }
  return kExitOk;
}

} // namespace strandel::cli
