#include "cli/diagrams_command.h"

#include <cstdio>
#include <optional>

#include "analysis/beam_page.h"
#include "analysis/diagram.h"
#include "analysis/solver.h"
#include "cli/analysis_report.h"
#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/json_text.h"
#include "cli/model_input.h"
#include "cli/settings_input.h"
#include "common/number_text.h"
#include "common/record.h"
#include "common/text.h"

namespace strandel::cli {
namespace {

// The letters of --show are the diagrams' own labels: N, T, M, V, Y, S, U.
bool ParseShow(const std::string& text, std::array<bool, kDiagramKinds>& show) {
  show.fill(false);
  const int count = FieldCount(text, ',');
  for (int i = 1; i <= count; ++i) {
    const std::string letter = UpperCase(Trim(FieldAt(i, text, "", ',')));
    bool known = false;
    for (int kind = 1; kind <= kDiagramKinds; ++kind) {
      if (letter == std::string(1, DiagramLabel(DiagramKind(kind))[0])) {
        show[kind - 1] = true;
        known = true;
      }
    }
    if (!known) return false;
  }
  return count > 0;
}

std::string Points(const std::vector<TGraphPoint>& points) {
  std::string json = "[";
  for (std::size_t i = 0; i < points.size(); ++i)
    json += (i ? ", [" : "[") + JsonNumber(points[i].X) + ", " + JsonNumber(points[i].Y) + "]";
  return json + "]";
}

void PrintJson(const BeamPage& page, const ModelDocument& doc, const AnalysisOutcome& outcome) {
  // A model without nodes has nothing that could fail.
  const bool valid = outcome.Ok() || !outcome.Analysed;
  std::string out = std::string("{\"results_valid\": ") + (valid ? "true" : "false") +
                    ", \"beam\": " + std::to_string(doc.FBDBeamNo);
  out += ",\n \"reactions\": [";
  bool first = true;
  for (const TReactionObject* r : PageObjectsOf<TReactionObject>(page)) {
    out += first ? "\n  " : ",\n  ";
    first = false;
    out += "{\"number\": " + std::to_string(r->Number) +
           ", \"node\": " + std::to_string(r->NodeNo) + ", \"fx\": " + JsonNumber(r->ForceX) +
           ", \"fy\": " + JsonNumber(r->ForceY) + ", \"m\": " + JsonNumber(r->Moment) +
           ", \"page_x\": " + JsonNumber(r->X) + ", \"page_y\": " + JsonNumber(r->Y) + "}";
  }
  out += first ? "]" : "\n ]";

  out += ",\n \"force_table\": [";
  first = true;
  for (const TReactionTableObject* table : PageObjectsOf<TReactionTableObject>(page)) {
    for (const std::string& line : table->Lines) {
      out += first ? "\n  " : ",\n  ";
      first = false;
      out += JsonString(line);
    }
  }
  out += first ? "]" : "\n ]";

  out += ",\n \"diagrams\": [";
  first = true;
  for (const TDiagramObject* d : PageObjectsOf<TDiagramObject>(page)) {
    out += first ? "\n  " : ",\n  ";
    first = false;
    out += "{\"kind\": " + JsonString(std::string(1, d->YLabel[0])) +
           ", \"label\": " + JsonString(d->YLabel) + ", \"min\": " + JsonNumber(d->MinValue) +
           ", \"max\": " + JsonNumber(d->MaxValue) + ", \"x_min\": " + JsonNumber(d->MinX) +
           ", \"x_max\": " + JsonNumber(d->MaxX) + ", \"curve1\": " + Points(d->Curve1);
    if (d->Kind == DiagramKind::Stress) out += ", \"curve2\": " + Points(d->Curve2);
    out += "}";
  }
  out += first ? "]" : "\n ]";
  if (!valid) out += ",\n \"failure\": " + FailureJson(outcome);
  out += "}\n";
  std::fwrite(out.data(), 1, out.size(), stdout);
}

} // namespace

const char* const kDiagramsUsage =
    "usage: strandel-cli diagrams MODEL.qsd --beam N --json [--show N,T,M,V,Y,S,U]\n"
    "                             [--settings FILE]\n"
    "\n"
    "Analyses the frame and prints the content of the beam page of beam N as one\n"
    "JSON object: the reactions on the beam (its ends, and the nodes lying on it),\n"
    "in the beam's axes (fx along the beam, fy across it, m counter-clockwise); the\n"
    "lines of the force table; and for each diagram chosen with --show (default all:\n"
    "N normal force, T shear, M moment, V slope, Y deflection, S stress, U\n"
    "utilisation) its value and abscissa range and its points [x, value]. Values are\n"
    "in SI base units, the utilisation in percent as its label U[%] says; the stress\n"
    "diagram has the top fibre in curve1 and the bottom fibre in curve2.\n"
    "\n"
    "Drawing the page into OUT.png or OUT.pdf is not available in this version.\n"
    "\n"
    "Exit status: 0 done; 1 the analysis failed (the page is then empty of results);\n"
    "2 bad usage, no beam N, or MODEL unreadable or malformed.\n";

int RunDiagrams(const std::vector<std::string>& args) {
  const Arguments parsed = ParseArguments(args, {{"--beam", "--show"}, {"--json"}});
  if (!parsed.Error.empty()) return UsageError(parsed.Error);
  if (parsed.Help) {
    std::fputs(kDiagramsUsage, stdout);
    return kExitOk;
  }
  if (parsed.Positional.empty() || parsed.Positional.size() > 2)
    return UsageError("diagrams needs one MODEL.qsd (and OUT.png or OUT.pdf)");
  const std::optional<std::string> beamText = parsed.Value("--beam");
  if (!beamText) return UsageError("diagrams needs --beam N");
  const std::optional<std::int32_t> beamNumber = ParseStrictInteger(*beamText);
  if (!beamNumber || *beamNumber < 1)
    return UsageError("--beam " + *beamText + ": a beam number is a whole number from 1");
  if (!parsed.Has("--json"))
    return UsageError("drawing the beam page into a file is not available yet; use --json");
  BeamPage page;
  if (const std::optional<std::string> show = parsed.Value("--show")) {
    if (!ParseShow(*show, page.ShowDiagram))
      return UsageError("--show " + *show + ": give letters among N,T,M,V,Y,S,U");
  }
  AppSettings settings;
  if (!LoadCommandSettings(parsed, settings)) return kExitUsage;
  ModelDocument doc;
  if (!ReadModel(parsed.Positional[0], doc)) return kExitUsage;
  if (FindBeam(doc, *beamNumber) == nullptr)
    return UsageError(parsed.Positional[0] + " has no beam " + *beamText);

  const AnalysisOutcome outcome = AnalyseModel(doc);
  doc.FBDBeamNo = *beamNumber;
  UpdateBeamPage(page, doc, settings);
  PrintJson(page, doc, outcome);
  std::fflush(stdout);
  ShowMovement(outcome);
  ShowNotes(outcome);
  return AnalysisExitStatus(outcome);
}

} // namespace strandel::cli
