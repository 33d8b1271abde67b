#include "cli/solve_command.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

#include "analysis/beam_curves.h"
#include "analysis/failure_message.h"
#include "analysis/load_case_analysis.h"
#include "analysis/solver.h"
#include "cli/analysis_report.h"
#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/json_text.h"
#include "cli/model_input.h"
#include "cli/result_options.h"
#include "cli/settings_input.h"
#include "common/number_text.h"

namespace strandel::cli {
namespace {

struct BeamResult {
  long Number = 0;
  double Utilisation = 0;     // fraction
  double MaxDisplacement = 0; // m
};

// The largest of the values, undefined when any of them is: the highest
// utilisation of a frame with an unchecked beam is not known.
double HighestOf(const std::vector<BeamResult>& beams, double BeamResult::*field) {
  double highest = 0;
  for (const BeamResult& beam : beams) {
    const double value = beam.*field;
    if (std::isnan(value)) return value;
    if (value > highest) highest = value;
  }
  return highest;
}

std::vector<BeamResult> BeamResults(const ModelDocument& doc, bool valid) {
  std::vector<BeamResult> results;
  const std::unordered_map<long, BeamPeak> peaks =
      valid ? BeamPeaks(doc) : std::unordered_map<long, BeamPeak>{};
  for (const TBeamObject& beam : ObjectsOf<TBeamObject>(doc)) {
    BeamResult result{beam.Number, NAN, NAN};
    if (valid) {
      const BeamPeak peak = PeakOf(peaks, beam.Number);
      result.Utilisation = peak.Utilisation;
      result.MaxDisplacement = peak.MaxDisplacement;
    }
    results.push_back(result);
  }
  return results;
}

void AddJsonVector(std::string& out, const Vector6& v) {
  out += '[';
  for (std::size_t i = 0; i < v.size(); ++i)
    AddJson(out, i ? ", " : "", v[i]);
  out += ']';
}

// Opens the next entry of a list on a line of its own.
void NextEntry(std::string& out, bool& first) {
  out += first ? "\n  " : ",\n  ";
  first = false;
}

// With `spill`, what out holds goes there once it passes a megabyte: a large
// frame's output is written as it is formed, never held whole.
constexpr std::size_t kSpillSize = 1 << 20;
void Spill(std::string& out, std::FILE* spill) {
  if (spill == nullptr || out.size() < kSpillSize) return;
  std::fwrite(out.data(), 1, out.size(), spill);
  out.clear();
}

// The results of one load set as the top level has always listed them: the
// nodes, supports, segments and beams, each key on a line of its own; added to
// out, or written to spill on the way.
void AddResultJson(std::string& out, const ModelDocument& doc,
                   const std::vector<double>& displacements, bool valid, bool withMaxima,
                   std::FILE* spill = nullptr) {
  const std::size_t expected = 1024 + 250 * displacements.size() + 1000 * doc.Segments.size();
  out.reserve(out.size() + (spill ? std::min(expected, 2 * kSpillSize) : expected));
  out += "\"nodes\": [";
  bool first = true;
  std::size_t index = 0;
  for (const TNodeObject& node : ObjectsOf<TNodeObject>(doc)) {
    NextEntry(out, first);
    const double* u =
        valid && 3 * index < displacements.size() ? &displacements[3 * index] : nullptr;
    AddJson(out, "{\"number\": ", std::to_string(node.Number), ", \"x\": ", node.X,
            ", \"y\": ", node.Y, ", \"ux\": ", u ? u[0] : NAN, ", \"uy\": ", u ? u[1] : NAN,
            ", \"rz\": ", u ? u[2] : NAN, "}");
    Spill(out, spill);
    ++index;
  }
  out += first ? "]" : "\n ]";

  out += ",\n \"supports\": [";
  first = true;
  for (const TSupportObject& support : ObjectsOf<TSupportObject>(doc)) {
    NextEntry(out, first);
    out += "{\"number\": " + std::to_string(support.Number) +
           ", \"node\": " + std::to_string(support.NodeNo) +
           ", \"rx\": " + JsonNumber(support.Reactions[0]) +
           ", \"ry\": " + JsonNumber(support.Reactions[1]) +
           ", \"m\": " + JsonNumber(support.Reactions[2]) + "}";
  }
  out += first ? "]" : "\n ]";

  out += ",\n \"segments\": [";
  first = true;
  for (const TSegmentObject& segment : doc.Segments) {
    NextEntry(out, first);
    AddJson(out, "{\"beam\": ", std::to_string(segment.BeamNo),
            ", \"segment\": ", std::to_string(segment.SegmentNo),
            ", \"node1\": ", std::to_string(segment.Node1),
            ", \"node2\": ", std::to_string(segment.Node2), ", \"length\": ", segment.Length,
            ", \"angle\": ", segment.Angle, ", \"disp_global\": ");
    AddJsonVector(out, segment.DispG);
    out += ", \"disp_local\": ";
    AddJsonVector(out, segment.DispL);
    out += ", \"force_local\": ";
    AddJsonVector(out, segment.ForceL);
    out += ", \"force_global\": ";
    AddJsonVector(out, segment.ForceG);
    AddJson(out, ", \"px\": ", segment.Px, ", \"py\": ", segment.Py,
            ", \"utilisation\": ", StretchUtilisation(segment), "}");
    Spill(out, spill);
  }
  out += first ? "]" : "\n ]";

  const std::vector<BeamResult> beams = BeamResults(doc, valid);
  out += ",\n \"beams\": [";
  first = true;
  for (const BeamResult& beam : beams) {
    NextEntry(out, first);
    out += "{\"number\": " + std::to_string(beam.Number) +
           ", \"utilisation\": " + JsonNumber(beam.Utilisation) +
           ", \"max_displacement\": " + JsonNumber(beam.MaxDisplacement) + "}";
  }
  out += first ? "]" : "\n ]";
  if (withMaxima) {
    out += ",\n \"max_utilisation\": " +
           JsonNumber(valid ? HighestOf(beams, &BeamResult::Utilisation) : NAN) +
           ", \"max_displacement\": " +
           JsonNumber(valid ? HighestOf(beams, &BeamResult::MaxDisplacement) : NAN);
  }
}

std::string ResultJson(const ModelDocument& doc, const std::vector<double>& displacements,
                       bool valid, bool withMaxima) {
  std::string out;
  AddResultJson(out, doc, displacements, valid, withMaxima);
  return out;
}

// ", \"alpha_cr\": 4.21, \"second_order\": true" of an ultimate load set;
// nothing for the others.
std::string StabilityJson(const LoadSetStability* stability) {
  if (stability == nullptr) return {};
  return ", \"alpha_cr\": " + CriticalFactorJson(stability->CriticalFactor) +
         ", \"second_order\": " + (stability->SecondOrder ? "true" : "false");
}

std::string FactorsJson(const TCombination& combination) {
  std::string out = "[";
  for (std::size_t i = 0; i < combination.Factors.size(); ++i) {
    out += (i ? ", [" : "[") + std::to_string(combination.Factors[i].Case) + ", " +
           JsonNumber(combination.Factors[i].Factor) + "]";
  }
  return out + "]";
}

// Every case and combination, each result in the shape of the top level, and
// the envelope of each kind of combination. The model is left holding the
// result `chosen`.
std::string CaseResultsJson(ModelDocument& doc, const CaseAnalysis& analysis,
                            const ResultSet& chosen) {
  std::string out = ",\n \"cases\": [";
  bool first = true;
  for (std::size_t c = 0; c < doc.Settings.LoadCases.size(); ++c) {
    const TLoadCase& loadCase = doc.Settings.LoadCases[c];
    InstallResult(doc, analysis, analysis.Cases[c]);
    NextEntry(out, first);
    out += "{\"number\": " + std::to_string(loadCase.Number) +
           ", \"name\": " + JsonString(loadCase.Name) + ",\n " +
           ResultJson(doc, analysis.Cases[c].Displacements, true, false) + "}";
  }
  out += first ? "]" : "\n ]";
  out += ",\n \"combinations\": [";
  first = true;
  ResultSet result;
  for (std::size_t k = 0; k < doc.Settings.Combinations.size(); ++k) {
    const TCombination& combination = doc.Settings.Combinations[k];
    FormCombination(analysis, doc, k, result);
    InstallResult(doc, analysis, result);
    NextEntry(out, first);
    out += "{\"number\": " + std::to_string(combination.Number) +
           ", \"name\": " + JsonString(combination.Name) +
           ", \"kind\": " + JsonString(CombinationKindCode(combination.Kind)) +
           ", \"factors\": " + FactorsJson(combination) +
           ", \"duration\": " + std::to_string(static_cast<int>(analysis.Durations[k]));
    if (doc.Settings.SecondOrder)
      out += StabilityJson(StabilityOf(analysis.Outcome, combination.Number));
    out += ",\n " + ResultJson(doc, result.Displacements, true, true) + "}";
  }
  out += first ? "]" : "\n ]";
  out += ",\n \"envelope\": {";
  first = true;
  for (int kind = 0; kind < kCombinationKindCount; ++kind) {
    const CombinationKind kindOf = static_cast<CombinationKind>(kind);
    const KindEnvelope& envelope = analysis.Envelope(kindOf);
    if (!envelope.Present) continue;
    NextEntry(out, first);
    out += JsonString(CombinationKindCode(kindOf)) +
           ": {\"max_utilisation\": " + JsonNumber(envelope.MaxUtilisation) +
           ", \"governing\": " + std::to_string(envelope.Governing);
    const bool service = IsServiceability(kindOf);
    if (service) {
      out += ", \"max_displacement\": " + JsonNumber(envelope.MaxDisplacement) +
             ", \"displacement_governing\": " + std::to_string(envelope.DisplacementGoverning);
    }
    out += ", \"beams\": [";
    for (std::size_t b = 0; b < envelope.Beams.size(); ++b) {
      const BeamEnvelope& beam = envelope.Beams[b];
      out += std::string(b ? "," : "") + "\n   {\"number\": " + std::to_string(beam.Number) +
             ", \"utilisation\": " + JsonNumber(beam.Utilisation) +
             ", \"governing\": " + std::to_string(beam.UtilisationGoverning);
      if (service) {
        out += ", \"max_displacement\": " + JsonNumber(beam.MaxDisplacement) +
               ", \"displacement_governing\": " + std::to_string(beam.DisplacementGoverning);
      }
      out += "}";
    }
    out += envelope.Beams.empty() ? "]}" : "\n  ]}";
  }
  out += first ? "}" : "\n }";
  InstallResult(doc, analysis, chosen);
  return out;
}

// Which result the top level holds: {"kind": "combination", "number": 4}.
std::string ShownResultJson(const ModelDocument& doc, const CaseAnalysis& analysis) {
  const ResultChoice choice = ParseResultChoice(doc.Settings.ResultSet);
  if (choice.Kind == ResultKind::Case)
    return "{\"kind\": \"case\", \"number\": " + std::to_string(choice.Number) + "}";
  const long number = choice.Kind == ResultKind::Combination
                          ? choice.Number
                          : GoverningCombination(analysis, doc, choice);
  return "{\"kind\": \"combination\", \"number\": " + std::to_string(number) + "}";
}

void PrintJson(ModelDocument& doc, const AnalysisOutcome& outcome, bool valid,
               const CaseAnalysis* analysis, const ResultSet* shown) {
  std::string out = std::string("{\"results_valid\": ") + (valid ? "true" : "false");
  out += ",\n ";
  const std::vector<double> none;
  AddResultJson(out, doc, outcome.Analysed ? outcome.Displacements : none, valid, true, stdout);
  // Beyond first order, the top level says whether it holds second-order
  // results; a document without cases adds its alpha_cr.
  if (doc.Settings.SecondOrder) {
    const bool second = valid && !doc.Segments.empty() && doc.Segments.front().SecondOrder;
    const LoadSetStability* single = analysis == nullptr ? StabilityOf(outcome, 0) : nullptr;
    if (single != nullptr)
      out += ",\n " + StabilityJson(single).substr(2);
    else
      out += std::string(",\n \"second_order\": ") + (second ? "true" : "false");
  }
  if (analysis != nullptr && shown != nullptr) {
    out += ",\n \"result\": " + ShownResultJson(doc, *analysis);
    out += CaseResultsJson(doc, *analysis, *shown);
  }
  if (!valid) out += ",\n \"failure\": " + FailureJson(outcome);
  out += "}\n";
  std::fwrite(out.data(), 1, out.size(), stdout);
}

// A reaction no greater than the display threshold is shown as 0, as reports do,
// so that rounding noise does not read as a force.
std::string ShownReaction(const UnitChoice& units, Quantity quantity, double value,
                          double threshold) {
  return ShownOrUndefined(units, quantity, std::fabs(value) <= threshold ? 0.0 : value);
}

std::string Percent(double fraction) {
  if (!std::isfinite(fraction)) return "undefined";
  return FormatValue(100 * fraction);
}

// "Results of load combination 4 "ULS: Snow leading"".
std::string ShownResultText(const ModelDocument& doc, const CaseAnalysis& analysis) {
  const ResultChoice choice = ParseResultChoice(doc.Settings.ResultSet);
  if (choice.Kind == ResultKind::Case) {
    const TLoadCase* loadCase = FindLoadCase(doc.Settings.LoadCases, choice.Number);
    return "Results of load case " + std::to_string(choice.Number) + " \"" +
           (loadCase ? loadCase->Name : "") + "\"";
  }
  const long number = choice.Kind == ResultKind::Combination
                          ? choice.Number
                          : GoverningCombination(analysis, doc, choice);
  const TCombination* combination = FindCombination(doc.Settings.Combinations, number);
  return "Results of load combination " + std::to_string(number) + " \"" +
         (combination ? combination->Name : "") + "\"" +
         (choice.Kind == ResultKind::Default ? ", the ultimate combination that governs" : "");
}

// Which order the results are, and alpha_cr of each ultimate load set.
void PrintStability(const ModelDocument& doc, const AnalysisOutcome& outcome) {
  const bool second = !doc.Segments.empty() && doc.Segments.front().SecondOrder;
  std::printf("%s\n", second ? "Second-order results: equilibrium on the displaced frame (P-delta)"
                              : "First-order results");
  for (const LoadSetStability& stability : outcome.Stability) {
    if (stability.Combination > 0)
      std::printf("alpha_cr of combination %ld: %s\n", stability.Combination,
                  CriticalFactorText(stability.CriticalFactor).c_str());
    else
      std::printf("alpha_cr: %s\n", CriticalFactorText(stability.CriticalFactor).c_str());
  }
}

// Every beam's highest utilisation over the ultimate combinations and the
// combination that gives it.
void PrintUltimateEnvelope(const CaseAnalysis& analysis) {
  const KindEnvelope& envelope = analysis.Envelope(CombinationKind::Ultimate);
  if (!envelope.Present) return;
  std::printf("\nBeams  utilisation [%%]  governing ULS combination\n");
  for (const BeamEnvelope& beam : envelope.Beams) {
    std::printf("%5ld %18s %27ld\n", beam.Number, Percent(beam.Utilisation).c_str(),
                beam.UtilisationGoverning);
  }
}

void PrintTable(const ModelDocument& doc, const AnalysisOutcome& outcome, bool valid,
                const std::string& path, const AppSettings& settings,
                const CaseAnalysis* analysis) {
  const UnitChoice& units = settings.Units;
  if (valid)
    std::printf("Frame analysis of %s\n", path.c_str());
  else
    std::printf("Frame analysis of %s failed: %s\n", path.c_str(), FailureText(outcome).c_str());
  if (valid && analysis != nullptr) std::printf("%s\n", ShownResultText(doc, *analysis).c_str());
  if (valid && doc.Settings.SecondOrder) PrintStability(doc, outcome);

  const std::string length = UnitName(units, Quantity::Length);
  const std::string displacement = UnitName(units, Quantity::Displacement);
  const std::string angle = UnitName(units, Quantity::Angle);
  const std::string force = UnitName(units, Quantity::Force);
  const std::string moment = UnitName(units, Quantity::Moment);
  if (valid) {
    std::printf("\nNodes       x %-8s  y %-8s ux %-8s uy %-8s rz %-8s\n", length.c_str(),
                length.c_str(), displacement.c_str(), displacement.c_str(), angle.c_str());
    int index = 0;
    for (const TNodeObject& node : ObjectsOf<TNodeObject>(doc)) {
      const double* u = &outcome.Displacements[3 * index++];
      std::printf("%5u %11s %11s %11s %11s %11s\n", node.Number,
                  ShownOrUndefined(units, Quantity::Length, node.X).c_str(),
                  ShownOrUndefined(units, Quantity::Length, node.Y).c_str(),
                  ShownOrUndefined(units, Quantity::Displacement, u[0]).c_str(),
                  ShownOrUndefined(units, Quantity::Displacement, u[1]).c_str(),
                  ShownOrUndefined(units, Quantity::Angle, u[2]).c_str());
    }
  }
  std::printf("\nSupports: force and moment on the support\n");
  std::printf("Supports  node  Rx %-8s Ry %-8s  M %-8s\n", force.c_str(), force.c_str(),
              moment.c_str());
  for (const TSupportObject& support : ObjectsOf<TSupportObject>(doc)) {
    std::printf(
        "%8u %5u %11s %11s %11s\n", support.Number, support.NodeNo,
        ShownReaction(units, Quantity::Force, support.Reactions[0], settings.MinForceValue).c_str(),
        ShownReaction(units, Quantity::Force, support.Reactions[1], settings.MinForceValue).c_str(),
        ShownReaction(units, Quantity::Moment, support.Reactions[2], settings.MinMomentValue)
            .c_str());
  }
  if (!valid) return;

  const std::vector<BeamResult> beams = BeamResults(doc, valid);
  std::printf("\nBeams  utilisation [%%]  max. displacement %s\n", displacement.c_str());
  for (const BeamResult& beam : beams) {
    std::printf("%5ld %18s %22s\n", beam.Number, Percent(beam.Utilisation).c_str(),
                ShownOrUndefined(units, Quantity::Displacement, beam.MaxDisplacement).c_str());
  }
  std::printf(
      "\nHighest utilisation: %s [%%]\nLargest displacement: %s %s\n",
      Percent(HighestOf(beams, &BeamResult::Utilisation)).c_str(),
      ShownOrUndefined(units, Quantity::Displacement, HighestOf(beams, &BeamResult::MaxDisplacement)).c_str(),
      displacement.c_str());
  if (analysis != nullptr) PrintUltimateEnvelope(*analysis);
}

} // namespace

const char* const kSolveUsage =
    "usage: strandel-cli solve MODEL.qsd [--json] [--case N | --combination N]\n"
    "                          [--settings FILE]\n"
    "\n"
    "Runs the frame analysis: the displacements of every node, the reactions of the\n"
    "supports, the end displacements and forces of every beam stretch (local and\n"
    "global axes, start then end: x, y, rotation), and the utilisation and largest\n"
    "displacement of every beam. A support's results (rx, ry, m) are the force and\n"
    "moment the structure exerts on the support, the opposite of the reaction that\n"
    "holds the structure; a stretch's end forces are what the node exerts on the\n"
    "stretch. Utilisations are fractions in JSON, percent in the table.\n"
    "\n"
    "The table uses the display units of the settings; --json prints one object in\n"
    "SI base units. A failed analysis still prints its output, with\n"
    "\"results_valid\": false and a \"failure\" object naming the reason (unstable,\n"
    "zero-length segment, zero stiffness, out of memory, not finite, load cases)\n"
    "and, when known, the node and freedom along which the structure gives way and\n"
    "the load case under whose loads it does; values the analysis did not produce\n"
    "are null. Where the structure can move is also told on stderr: \"The\n"
    "structure can move at node 7 in x.\"\n"
    "\n"
    "A document with load cases is solved for each case; a combination is the\n"
    "factored sum of its cases, its timber checked for the load duration of its\n"
    "shortest acting case. The top level then holds the result chosen with --case\n"
    "or --combination (by default the ultimate combination that governs), named by\n"
    "\"result\": {\"kind\": \"case\" or \"combination\", \"number\"}, and the JSON\n"
    "adds:\n"
    "  \"cases\": [{\"number\", \"name\", \"nodes\", \"supports\", \"segments\",\n"
    "             \"beams\"}, ...]\n"
    "  \"combinations\": [{\"number\", \"name\", \"kind\" (ULS, SLS-C, SLS-F, SLS-QP),\n"
    "             \"factors\": [[case, factor], ...], \"duration\" (the load-duration\n"
    "             class timber takes, 0 permanent .. 4 instantaneous), \"nodes\",\n"
    "             \"supports\", \"segments\", \"beams\", \"max_utilisation\",\n"
    "             \"max_displacement\"}, ...]\n"
    "  \"envelope\": {\"ULS\": {\"max_utilisation\", \"governing\", \"beams\":\n"
    "             [{\"number\", \"utilisation\", \"governing\"}, ...]}, \"SLS-C\": {...\n"
    "             and \"max_displacement\", \"displacement_governing\", also per\n"
    "             beam}, ...}, one entry per kind the document has; \"governing\"\n"
    "             is the number of the combination that gives the value.\n"
    "\n"
    "With \"Second order effects\" on in the document's dimensioning rules, each\n"
    "ultimate combination (a document without cases: its one load set) is solved to\n"
    "second order, the equilibrium taken on the displaced frame; the top level then\n"
    "adds \"second_order\" (whether it holds second-order results) and, without\n"
    "cases, \"alpha_cr\"; each ultimate combination adds \"alpha_cr\" and\n"
    "\"second_order\". alpha_cr is the factor on the loads at which the frame buckles\n"
    "elastically (null when nothing is compressed). Loads beyond it fail the\n"
    "analysis (reason \"above critical load\", with \"combination\" and \"alpha_cr\"),\n"
    "as does an iteration that does not settle (\"not converged\"). With the switch\n"
    "off, a load set whose alpha_cr is below 10 is named in a warning on stderr.\n"
    "\n"
    "Exit status: 0 solved; 1 the analysis failed; 2 bad usage, or MODEL unreadable,\n"
    "malformed, cut off, or with a load on a beam or node that does not exist.\n";

int RunSolve(const std::vector<std::string>& args) {
  const Arguments parsed = ParseArguments(args, WithResultOptions({{}, {"--json"}}));
  if (!parsed.Error.empty()) return UsageError(parsed.Error);
  if (parsed.Help) {
    PrintUsage(kSolveUsage);
    return kExitOk;
  }
  if (parsed.Positional.size() != 1) return UsageError("solve needs one MODEL.qsd");
  AppSettings settings;
  if (!LoadCommandSettings(parsed, settings)) return kExitUsage;
  ModelDocument doc;
  if (!ReadModel(parsed.Positional[0], doc, ModelUse::Analyse)) return kExitUsage;

  if (!ApplyResultOptions(parsed, doc, parsed.Positional[0])) return kExitUsage;

  // A document with load cases is solved case by case; the top level shows the
  // chosen result and the JSON lists every case and combination besides.
  const ChosenAnalysis chosen = AnalyseForCommand(doc);
  const AnalysisOutcome& outcome = chosen.Outcome;
  const std::optional<CaseAnalysis>& analysis = chosen.Cases;
  const std::optional<ResultSet>& shown = chosen.Shown;
  // A model without nodes has nothing that could fail; there is nothing to show.
  const bool valid = outcome.Ok() || !outcome.Analysed;
  if (parsed.Has("--json"))
    PrintJson(doc, outcome, valid, analysis ? &*analysis : nullptr, shown ? &*shown : nullptr);
  else
    PrintTable(doc, outcome, valid, parsed.Positional[0], settings,
               analysis ? &*analysis : nullptr);
  std::fflush(stdout);
  ShowMovement(outcome);
  ShowStability(outcome);
  ShowNotes(outcome);
  return AnalysisExitStatus(outcome);
}

} // namespace strandel::cli
