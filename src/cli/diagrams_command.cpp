#include "cli/diagrams_command.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <vector>

#include <QImage>
#include <QPainter>
#include <QSizeF>

#include "analysis/beam_page.h"
#include "analysis/diagram.h"
#include "analysis/load_case_analysis.h"
#include "analysis/solver.h"
#include "cli/analysis_report.h"
#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/gui_session.h"
#include "cli/json_text.h"
#include "cli/model_input.h"
#include "cli/picture_output.h"
#include "cli/result_options.h"
#include "cli/settings_input.h"
#include "common/files.h"
#include "common/number_text.h"
#include "common/record.h"
#include "common/text.h"
#include "render/beam_sheet_pages.h"
#include "render/picture_files.h"

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

std::string Numbers(const std::vector<long>& values) {
  std::string out = "[";
  for (std::size_t i = 0; i < values.size(); ++i)
    out += (i ? ", " : "") + std::to_string(values[i]);
  return out + "]";
}

std::string ExtremeJson(const EnvelopeExtreme& extreme) {
  return "{\"value\": " + JsonNumber(extreme.Value) +
         ", \"combination\": " + std::to_string(extreme.Combination) +
         ", \"x\": " + JsonNumber(extreme.X) + ", \"n\": " + JsonNumber(extreme.NormalForce) +
         ", \"t\": " + JsonNumber(extreme.Shear) + ", \"m\": " + JsonNumber(extreme.Moment) + "}";
}

// An envelope diagram's governing combinations, point by point and at its
// extremes with the forces acting there.
std::string EnvelopeJson(const TDiagramObject& d) {
  return ", \"governing1\": " + Numbers(d.Governing1) +
         ", \"governing2\": " + Numbers(d.Governing2) +
         ", \"highest\": " + ExtremeJson(d.Extremes.front()) +
         ", \"lowest\": " + ExtremeJson(d.Extremes.back());
}

void PrintJson(const BeamPage& page, const ModelDocument& doc, const AnalysisOutcome& outcome) {
  // A model without nodes has nothing that could fail.
  const bool valid = outcome.Ok() || !outcome.Analysed;
  std::string out = std::string("{\"results_valid\": ") + (valid ? "true" : "false") +
                    ", \"beam\": " + std::to_string(doc.Settings.FBDBeamNo);
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
    if (d->Kind == DiagramKind::Stress || !d->Extremes.empty())
      out += ", \"curve2\": " + Points(d->Curve2);
    if (!d->Extremes.empty()) out += EnvelopeJson(*d);
    out += "}";
  }
  out += first ? "]" : "\n ]";
  if (!valid) out += ",\n \"failure\": " + FailureJson(outcome);
  out += "}\n";
  std::fwrite(out.data(), 1, out.size(), stdout);
}

// A4 sheets at 150 pixels per inch in a PNG, one below the other.
constexpr double kPngPixelsPerMillimetre = 150 / 25.4;

std::optional<std::string> DrawBeamPage(const BeamPage& page, const AppSettings& settings,
                                        PictureKind kind, const std::string& title,
                                        const SheetTitle& heading) {
  GuiSession session;
  const std::vector<BeamSheet> sheets = BeamSheets(page);
  const int count = static_cast<int>(sheets.size());
  if (kind == PictureKind::Pdf) {
    return PdfBytes(QSizeF(kSheetWidth, kSheetHeight), count, title,
                    [&](QPainter& painter, int sheet, const ViewState& paper) {
                      const SheetTitle numbered = OnSheet(heading, sheet, count);
                      PaintBeamSheet(painter, page, settings, sheets[sheet], paper.Scale,
                                     paper.Width, paper.Height, SheetSurround::Paper, &numbered);
                    });
  }
  const int width = static_cast<int>(std::lround(kSheetWidth * kPngPixelsPerMillimetre));
  const int height = static_cast<int>(std::lround(kSheetHeight * kPngPixelsPerMillimetre));
  QImage image = BlankImage(width, height * count);
  if (image.isNull()) return std::nullopt;
  QPainter painter(&image);
  for (int i = 0; i < count; ++i) {
    painter.save();
    painter.translate(0, height * static_cast<double>(i));
    // Paper, not the window's desk: the title in the margin must be readable.
    const SheetTitle numbered = OnSheet(heading, i, count);
    PaintBeamSheet(painter, page, settings, sheets[static_cast<std::size_t>(i)],
                   kPngPixelsPerMillimetre, width, height, SheetSurround::Paper, &numbered);
    painter.restore();
  }
  painter.end();
  return ImageBytes(image, ImageFormat::Png);
}

} // namespace

const char* const kDiagramsUsage =
    "usage: strandel-cli diagrams MODEL.qsd --beam N [OUT.(png|pdf)] [--json]\n"
    "                             [--show N,T,M,V,Y,S,U] [--settings FILE]\n"
    "                             [--case N | --combination N | --envelope KIND]\n"
    "\n"
    "Analyses the frame and prints the content of the beam page of beam N as one\n"
    "JSON object: the reactions on the beam (its ends, and the nodes lying on it),\n"
    "each the force and moment that the node exerts on the beam (through its\n"
    "supports and the other beams), in the beam's axes (fx along the beam, fy across\n"
    "it, m counter-clockwise) - where solve's support entries are what the structure\n"
    "exerts on the support; the lines of the force table, which shows the same\n"
    "values with their signs in the display units of the settings (R1, R2, ... in\n"
    "the reactions' order; the forces F and loads q along the direction the page\n"
    "draws them, positive towards +y; moments M counter-clockwise);\n"
    "and for each diagram chosen with --show (default all:\n"
    "N normal force, T shear, M moment, V slope, Y deflection, S stress, U\n"
    "utilisation) its value and abscissa range and its points [x, value]. Values are\n"
    "in SI base units, the utilisation in percent as its label U[%] says; the stress\n"
    "diagram has the top fibre in curve1 and the bottom fibre in curve2.\n"
    "\n"
    "With --envelope ULS (or SLS-C, SLS-F, SLS-QP) each diagram is the envelope of\n"
    "the combinations of that kind, along the undeformed beam: curve1 the largest,\n"
    "curve2 the smallest value at each point, governing1 and governing2 the\n"
    "combination giving each point, and \"highest\" and \"lowest\": {\"value\",\n"
    "\"combination\", \"x\", \"n\", \"t\", \"m\"}, where the extreme is and the normal\n"
    "force, shear and moment acting there in that combination. The free body and\n"
    "the force table show the combination that governs the kind.\n"
    "\n"
    "With OUT.png or OUT.pdf the page is drawn as the Analysis page shows it: the\n"
    "free body with the reactions, the force table and the diagrams on A4 sheets,\n"
    "continued on further sheets (one below the other in a PNG, 150 pixels per inch)\n"
    "when the diagrams do not fit on one, each headed by the model's file name, the\n"
    "beam, its number of how many, and the date. Give OUT, --json or both.\n"
    "\n"
    "Exit status: 0 done; 1 the analysis failed (the page is then empty of results);\n"
    "2 bad usage, no beam N, MODEL unreadable or malformed, or OUT not writable.\n";

int RunDiagrams(const std::vector<std::string>& args) {
  const Arguments parsed =
      ParseArguments(args, WithResultOptions({{"--beam", "--show", "--envelope"}, {"--json"}}));
  if (!parsed.Error.empty()) return UsageError(parsed.Error);
  if (parsed.Help) {
    PrintUsage(kDiagramsUsage);
    return kExitOk;
  }
  if (parsed.Positional.empty() || parsed.Positional.size() > 2)
    return UsageError("diagrams needs one MODEL.qsd (and OUT.png or OUT.pdf)");
  const std::optional<std::string> beamText = parsed.Value("--beam");
  if (!beamText) return UsageError("diagrams needs --beam N");
  const std::optional<std::int32_t> beamNumber = ParseStrictInteger(*beamText);
  if (!beamNumber || *beamNumber < 1)
    return UsageError("--beam " + *beamText + ": a beam number is a whole number from 1");
  std::optional<PictureKind> picture;
  if (parsed.Positional.size() == 2) {
    picture = PictureKindOf(parsed.Positional[1]);
    if (!picture || *picture == PictureKind::Bmp)
      return UsageError(parsed.Positional[1] + ": the beam page is drawn as .png or .pdf");
  } else if (!parsed.Has("--json")) {
    return UsageError("diagrams needs OUT.png, OUT.pdf or --json");
  }
  BeamPage page;
  if (const std::optional<std::string> show = parsed.Value("--show")) {
    if (!ParseShow(*show, page.ShowDiagram))
      return UsageError("--show " + *show + ": give letters among N,T,M,V,Y,S,U");
  }
  AppSettings settings;
  if (!LoadCommandSettings(parsed, settings)) return kExitUsage;
  LoadCommandLanguage(settings);
  ModelDocument doc;
  if (!ReadModel(parsed.Positional[0], doc, ModelUse::Analyse)) return kExitUsage;
  if (FindBeam(doc, *beamNumber) == nullptr)
    return UsageError(parsed.Positional[0] + " has no beam " + *beamText);
  if (!ApplyResultOptions(parsed, doc, parsed.Positional[0])) return kExitUsage;
  std::optional<CombinationKind> envelopeKind;
  if (const std::optional<std::string> kind = parsed.Value("--envelope")) {
    envelopeKind = CombinationKindFromCode(*kind);
    if (!envelopeKind) return UsageError("--envelope " + *kind + ": ULS, SLS-C, SLS-F or SLS-QP");
    if (parsed.Has("--case") || parsed.Has("--combination"))
      return UsageError(
          "--envelope shows every combination of its kind: no --case or --combination");
    const auto& combinations = doc.Settings.Combinations;
    if (doc.Settings.LoadCases.empty() ||
        std::none_of(combinations.begin(), combinations.end(),
                     [&](const TCombination& c) { return c.Kind == *envelopeKind; }))
      return UsageError(parsed.Positional[0] + " has no " + *kind + " combination");
    // The free body and the force table show the combination that governs.
    doc.Settings.ResultSet = ResultChoiceText({ResultKind::Envelope, 0, *envelopeKind});
  }

  std::optional<CaseAnalysis> analysis;
  AnalysisOutcome outcome;
  if (envelopeKind) {
    analysis = AnalyseLoadCases(doc);
    outcome = analysis->Outcome;
    if (const std::optional<ResultSet> shown = DocumentResult(*analysis, doc))
      outcome = InstallResult(doc, *analysis, *shown);
  } else {
    outcome = AnalyseModel(doc);
  }
  doc.Settings.FBDBeamNo = *beamNumber;
  UpdateBeamPage(page, doc, settings,
                 {analysis && analysis->Ok() ? &*analysis : nullptr,
                  envelopeKind.value_or(CombinationKind::Ultimate)});
  if (picture &&
      !WritePicture(parsed.Positional[1],
                    DrawBeamPage(page, settings, *picture, doc.FileName + ", beam " + *beamText,
                                 TitleFor(FileNameOf(parsed.Positional[0]), *beamNumber))))
    return kExitUsage;
  if (parsed.Has("--json")) {
    PrintJson(page, doc, outcome);
    std::fflush(stdout);
  }
  ShowMovement(outcome);
  ShowNotes(outcome);
  return AnalysisExitStatus(outcome);
}

} // namespace strandel::cli
