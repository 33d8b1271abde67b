#include "cli/solve_command.h"

#include <cmath>
#include <cstdio>

#include "analysis/beam_curves.h"
#include "analysis/solver.h"
#include "cli/analysis_report.h"
#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/json_text.h"
#include "cli/model_input.h"
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
  for (const TBeamObject& beam : ObjectsOf<TBeamObject>(doc)) {
    BeamResult result{beam.Number, NAN, NAN};
    if (valid) {
      result.Utilisation = BeamUtilisation(doc, beam.Number);
      result.MaxDisplacement = BeamMaxDisplacement(doc, beam.Number);
    }
    results.push_back(result);
  }
  return results;
}

std::string JsonVector(const Vector6& v) {
  std::string json = "[";
  for (std::size_t i = 0; i < v.size(); ++i)
    json += (i ? ", " : "") + JsonNumber(v[i]);
  return json + "]";
}

// Opens the next entry of a list on a line of its own.
void NextEntry(std::string& out, bool& first) {
  out += first ? "\n  " : ",\n  ";
  first = false;
}

void PrintJson(const ModelDocument& doc, const AnalysisOutcome& outcome, bool valid) {
  std::string out;
  out.reserve(1024 + 700 * doc.Segments.size());
  out += std::string("{\"results_valid\": ") + (valid ? "true" : "false");

  out += ",\n \"nodes\": [";
  bool first = true;
  int index = 0;
  for (const TNodeObject& node : ObjectsOf<TNodeObject>(doc)) {
    NextEntry(out, first);
    const double* u = outcome.Analysed && valid ? &outcome.Displacements[3 * index] : nullptr;
    out += "{\"number\": " + std::to_string(node.Number) + ", \"x\": " + JsonNumber(node.X) +
           ", \"y\": " + JsonNumber(node.Y) + ", \"ux\": " + JsonNumber(u ? u[0] : NAN) +
           ", \"uy\": " + JsonNumber(u ? u[1] : NAN) + ", \"rz\": " + JsonNumber(u ? u[2] : NAN) +
           "}";
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
    out += "{\"beam\": " + std::to_string(segment.BeamNo) +
           ", \"segment\": " + std::to_string(segment.SegmentNo) +
           ", \"node1\": " + std::to_string(segment.Node1) +
           ", \"node2\": " + std::to_string(segment.Node2) +
           ", \"length\": " + JsonNumber(segment.Length) +
           ", \"angle\": " + JsonNumber(segment.Angle) +
           ", \"disp_global\": " + JsonVector(segment.DispG) +
           ", \"disp_local\": " + JsonVector(segment.DispL) +
           ", \"force_local\": " + JsonVector(segment.ForceL) +
           ", \"force_global\": " + JsonVector(segment.ForceG) +
           ", \"px\": " + JsonNumber(segment.Px) + ", \"py\": " + JsonNumber(segment.Py) +
           ", \"utilisation\": " + JsonNumber(StretchUtilisation(segment)) + "}";
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
  out += ",\n \"max_utilisation\": " +
         JsonNumber(valid ? HighestOf(beams, &BeamResult::Utilisation) : NAN) +
         ", \"max_displacement\": " +
         JsonNumber(valid ? HighestOf(beams, &BeamResult::MaxDisplacement) : NAN);
  if (!valid) out += ",\n \"failure\": " + FailureJson(outcome);
  out += "}\n";
  std::fwrite(out.data(), 1, out.size(), stdout);
}

std::string Shown(const UnitChoice& units, Quantity quantity, double value) {
  if (!std::isfinite(value)) return "undefined";
  return ShownText(units, quantity, value);
}

// A reaction no greater than the display threshold is shown as 0, as reports do,
// so that rounding noise does not read as a force.
std::string ShownReaction(const UnitChoice& units, Quantity quantity, double value,
                          double threshold) {
  return Shown(units, quantity, std::fabs(value) <= threshold ? 0.0 : value);
}

std::string Percent(double fraction) {
  if (!std::isfinite(fraction)) return "undefined";
  return FormatValue(100 * fraction);
}

void PrintTable(const ModelDocument& doc, const AnalysisOutcome& outcome, bool valid,
                const std::string& path, const AppSettings& settings) {
  const UnitChoice& units = settings.Units;
  if (valid)
    std::printf("Frame analysis of %s\n", path.c_str());
  else
    std::printf("Frame analysis of %s failed: %s\n", path.c_str(), FailureText(outcome).c_str());

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
                  Shown(units, Quantity::Length, node.X).c_str(),
                  Shown(units, Quantity::Length, node.Y).c_str(),
                  Shown(units, Quantity::Displacement, u[0]).c_str(),
                  Shown(units, Quantity::Displacement, u[1]).c_str(),
                  Shown(units, Quantity::Angle, u[2]).c_str());
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
                Shown(units, Quantity::Displacement, beam.MaxDisplacement).c_str());
  }
  std::printf(
      "\nHighest utilisation: %s [%%]\nLargest displacement: %s %s\n",
      Percent(HighestOf(beams, &BeamResult::Utilisation)).c_str(),
      Shown(units, Quantity::Displacement, HighestOf(beams, &BeamResult::MaxDisplacement)).c_str(),
      displacement.c_str());
}

} // namespace

const char* const kSolveUsage =
    "usage: strandel-cli solve MODEL.qsd [--json] [--settings FILE]\n"
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
    "zero-length segment, zero stiffness, too many nodes, not finite) and, when\n"
    "known, the node and freedom along which the structure gives way; values the\n"
    "analysis did not produce are null. Where the structure can move is also told\n"
    "on stderr: \"The structure can move at node 7 in x.\"\n"
    "\n"
    "Exit status: 0 solved; 1 the analysis failed; 2 bad usage, or MODEL unreadable,\n"
    "malformed, cut off, or with a load on a beam or node that does not exist.\n";

int RunSolve(const std::vector<std::string>& args) {
  const Arguments parsed = ParseArguments(args, {{}, {"--json"}});
  if (!parsed.Error.empty()) return UsageError(parsed.Error);
  if (parsed.Help) {
    std::fputs(kSolveUsage, stdout);
    return kExitOk;
  }
  if (parsed.Positional.size() != 1) return UsageError("solve needs one MODEL.qsd");
  AppSettings settings;
  if (!LoadCommandSettings(parsed, settings)) return kExitUsage;
  ModelDocument doc;
  if (!ReadModel(parsed.Positional[0], doc, ModelUse::Analyse)) return kExitUsage;

  const AnalysisOutcome outcome = AnalyseModel(doc);
  // A model without nodes has nothing that could fail; there is nothing to show.
  const bool valid = outcome.Ok() || !outcome.Analysed;
  if (parsed.Has("--json"))
    PrintJson(doc, outcome, valid);
  else
    PrintTable(doc, outcome, valid, parsed.Positional[0], settings);
  std::fflush(stdout);
  ShowMovement(outcome);
  ShowNotes(outcome);
  return AnalysisExitStatus(outcome);
}

} // namespace strandel::cli
