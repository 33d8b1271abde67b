#include "cli/buckling_command.h"

#include <cmath>
#include <cstdio>
#include <optional>

#include "analysis/buckling_analysis.h"
#include "analysis/failure_message.h"
#include "analysis/solver.h"
#include "cli/analysis_report.h"
#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/json_text.h"
#include "cli/model_input.h"
#include "cli/result_options.h"
#include "cli/settings_input.h"
#include "common/number_text.h"
#include "model/result_choice.h"

namespace strandel::cli {
namespace {

std::string NameOf(const ModelDocument& doc, long combination) {
  const TCombination* found = FindCombination(doc.Settings.Combinations, combination);
  return found ? found->Name : "";
}

void PrintJson(const ModelDocument& doc, const AnalysisOutcome& outcome,
               const BucklingAnalysis* buckling) {
  const bool valid = outcome.Ok() || !outcome.Analysed;
  std::string out = std::string("{\"results_valid\": ") + (valid ? "true" : "false");
  out += ",\n \"load_sets\": [";
  bool first = true;
  for (const LoadSetStability& stability : outcome.Stability) {
    out += first ? "\n  " : ",\n  ";
    first = false;
    out += "{\"combination\": " + std::to_string(stability.Combination) +
           ", \"name\": " + JsonString(NameOf(doc, stability.Combination)) +
           ", \"alpha_cr\": " + CriticalFactorJson(stability.CriticalFactor) + "}";
  }
  out += first ? "]" : "\n ]";
  if (buckling != nullptr) {
    const CriticalLoad& critical = buckling->Critical;
    out += ",\n \"mode\": {\"combination\": " + std::to_string(buckling->Combination) +
           ", \"alpha_cr\": " + CriticalFactorJson(critical.Factor) + ",\n  \"nodes\": [";
    std::size_t index = 0;
    first = true;
    const std::vector<double>& shape = critical.Mode.Nodes;
    for (const TNodeObject& node : ObjectsOf<TNodeObject>(doc)) {
      const double* u = 3 * index + 2 < shape.size() ? &shape[3 * index] : nullptr;
      out += first ? "\n   " : ",\n   ";
      first = false;
      AddJson(out, "{\"number\": ", std::to_string(node.Number), ", \"ux\": ", u ? u[0] : NAN,
              ", \"uy\": ", u ? u[1] : NAN, ", \"rz\": ", u ? u[2] : NAN, "}");
      ++index;
    }
    out += first ? "]" : "\n  ]";
    out += ",\n  \"segments\": [";
    first = true;
    for (std::size_t s = 0; s < critical.Mode.Stretches.size() && s < doc.Segments.size(); ++s) {
      const TSegmentObject& segment = doc.Segments[s];
      out += first ? "\n   " : ",\n   ";
      first = false;
      out += "{\"beam\": " + std::to_string(segment.BeamNo) +
             ", \"segment\": " + std::to_string(segment.SegmentNo) + ", \"points\": [";
      const auto& points = critical.Mode.Stretches[s];
      for (std::size_t p = 0; p < points.size(); ++p)
        AddJson(out, p ? ", [" : "[", points[p][0], ", ", points[p][1], ", ", points[p][2], "]");
      out += "]}";
    }
    out += first ? "]}" : "\n  ]}";
  }
  if (!valid) out += ",\n \"failure\": " + FailureJson(outcome);
  out += "}\n";
  std::fwrite(out.data(), 1, out.size(), stdout);
}

void PrintTable(const ModelDocument& doc, const AnalysisOutcome& outcome,
                const BucklingAnalysis* buckling, const std::string& path,
                const AppSettings& settings) {
  if (!outcome.Ok()) {
    std::printf("Buckling analysis of %s failed: %s\n", path.c_str(),
                FailureText(outcome).c_str());
    return;
  }
  std::printf("Elastic critical load factors of %s\n", path.c_str());
  std::printf("(the factor on the loads at which the frame buckles; EN 1993-1-1 5.2.1: first\n"
              "order suffices for alpha_cr >= 10)\n\n");
  std::printf("Load set                        alpha_cr\n");
  for (const LoadSetStability& stability : outcome.Stability) {
    const std::string name =
        stability.Combination > 0 ? "combination " + std::to_string(stability.Combination) + " " +
                                        NameOf(doc, stability.Combination)
                                  : std::string("the loads");
    std::printf("%-30.30s  %s\n", name.c_str(),
                CriticalFactorText(stability.CriticalFactor).c_str());
  }
  if (buckling == nullptr) return;
  const CriticalLoad& critical = buckling->Critical;
  std::printf("\nBuckling mode of %s, alpha_cr = %s\n",
              buckling->Combination > 0
                  ? ("combination " + std::to_string(buckling->Combination)).c_str()
                  : "the loads",
              CriticalFactorText(critical.Factor).c_str());
  if (critical.Mode.Empty()) {
    std::printf("none\n");
    return;
  }
  const std::string angle = UnitName(settings.Units, Quantity::Angle);
  std::printf("scaled so that its largest translation is 1; rz in %s per unit\n\n", angle.c_str());
  std::printf("Nodes         ux          uy          rz\n");
  std::size_t index = 0;
  for (const TNodeObject& node : ObjectsOf<TNodeObject>(doc)) {
    const double* u = &critical.Mode.Nodes[3 * index++];
    std::printf("%5u %11s %11s %11s\n", node.Number, FormatValue(u[0]).c_str(),
                FormatValue(u[1]).c_str(), ShownOrUndefined(settings.Units, Quantity::Angle, u[2]).c_str());
  }
}

} // namespace

const char* const kBucklingUsage =
    "usage: strandel-cli buckling MODEL.qsd [--json] [--combination N] [--settings FILE]\n"
    "\n"
    "The elastic critical load factor alpha_cr of every ultimate load combination (of\n"
    "the one load set of a document without load cases): the factor on its loads at\n"
    "which the frame buckles elastically, the lowest positive eigenvalue of\n"
    "(K + alpha K_G) x = 0 with the geometric stiffness of its first-order axial\n"
    "forces, every beam cut into as many pieces as its own buckling needs. Then the\n"
    "buckling mode of the load set of the lowest alpha_cr, or of combination N,\n"
    "scaled so that its largest translation is 1: every node's ux, uy, rz and, in\n"
    "JSON, the points along every beam stretch.\n"
    "\n"
    "EN 1993-1-1, 5.2.1: a first-order analysis suffices for alpha_cr >= 10; for\n"
    "3 <= alpha_cr < 10 the sway effects may be amplified by 1/(1 - 1/alpha_cr); below\n"
    "3 a second-order analysis is needed (\"Second order effects\" in the\n"
    "dimensioning rules). The buckling of a member between its ends is judged by the\n"
    "design check with the member's buckling length, as before.\n"
    "\n"
    "JSON: {\"results_valid\", \"load_sets\": [{\"combination\" (0 without cases),\n"
    "\"name\", \"alpha_cr\"}, ...], \"mode\": {\"combination\", \"alpha_cr\", \"nodes\":\n"
    "[{\"number\", \"ux\", \"uy\", \"rz\"}, ...], \"segments\": [{\"beam\", \"segment\",\n"
    "\"points\": [[ux, uy, rz], ...]}, ...]}}; alpha_cr is null when nothing is\n"
    "compressed.\n"
    "\n"
    "Exit status: 0 done; 1 the first-order analysis failed; 2 bad usage, or MODEL\n"
    "unreadable or malformed, or no combination N.\n";

int RunBuckling(const std::vector<std::string>& args) {
  const Arguments parsed = ParseArguments(args, {{"--combination"}, {"--json"}});
  if (!parsed.Error.empty()) return UsageError(parsed.Error);
  if (parsed.Help) {
    std::fputs(kBucklingUsage, stdout);
    return kExitOk;
  }
  if (parsed.Positional.size() != 1) return UsageError("buckling needs one MODEL.qsd");
  AppSettings settings;
  if (!LoadCommandSettings(parsed, settings)) return kExitUsage;
  ModelDocument doc;
  if (!ReadModel(parsed.Positional[0], doc, ModelUse::Analyse)) return kExitUsage;
  if (!ApplyResultOptions(parsed, doc, parsed.Positional[0])) return kExitUsage;
  const ResultChoice chosen = ParseResultChoice(doc.Settings.ResultSet);

  // alpha_cr is a first-order quantity: the loads it scales are those of the
  // first-order analysis, and loads beyond it must still be told.
  doc.Settings.SecondOrder = false;
  const AnalysisOutcome outcome = AnalyseModel(doc);
  std::optional<BucklingAnalysis> buckling;
  if (outcome.Ok()) {
    const long combination = parsed.Has("--combination") && !doc.Settings.LoadCases.empty()
                                 ? chosen.Number
                                 : GoverningBucklingLoadSet(doc, outcome);
    if (combination >= 0) buckling = AnalyseBuckling(doc, combination);
  }
  if (parsed.Has("--json"))
    PrintJson(doc, outcome, buckling ? &*buckling : nullptr);
  else
    PrintTable(doc, outcome, buckling ? &*buckling : nullptr, parsed.Positional[0], settings);
  std::fflush(stdout);
  ShowMovement(outcome);
  ShowNotes(outcome);
  return AnalysisExitStatus(outcome);
}

} // namespace strandel::cli
