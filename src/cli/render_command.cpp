#include "cli/render_command.h"

#include <cstdio>
#include <optional>

#include <QSizeF>

#include "analysis/buckling_analysis.h"
#include "analysis/failure_message.h"
#include "analysis/solver.h"
#include "cli/analysis_report.h"
#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/gui_session.h"
#include "cli/model_input.h"
#include "cli/picture_output.h"
#include "cli/settings_input.h"
#include "common/number_text.h"
#include "common/record.h"
#include "model/load_cases.h"
#include "render/model_picture.h"
#include "render/model_sheet.h"
#include "render/picture_files.h"
#include "units/units.h"

namespace strandel::cli {
namespace {

constexpr int kDefaultWidth = 1200;
constexpr int kDefaultHeight = 800;
// Pictures up to 10000 pixels a side and 40 million pixels (160 MB) in all.
constexpr int kLargestSide = 10000;
constexpr long long kLargestArea = 40'000'000;
// A PDF page: A4 across unless a size is given, which counts screen pixels.
constexpr double kA4Long = 297, kA4Short = 210;
constexpr double kMillimetresPerScreenPixel = 25.4 / 96;

struct PictureSize {
  int Width = kDefaultWidth;
  int Height = kDefaultHeight;
};

std::optional<PictureSize> ParseSize(const std::string& text) {
  const std::size_t x = text.find_first_of("xX");
  if (x == std::string::npos) return std::nullopt;
  const std::optional<std::int32_t> width = ParseStrictInteger(text.substr(0, x));
  const std::optional<std::int32_t> height = ParseStrictInteger(text.substr(x + 1));
  if (!width || !height || *width < 1 || *height < 1 || *width > kLargestSide ||
      *height > kLargestSide ||
      static_cast<long long>(*width) * static_cast<long long>(*height) > kLargestArea)
    return std::nullopt;
  return PictureSize{*width, *height};
}

} // namespace

const char* const kRenderUsage =
    "usage: strandel-cli render MODEL.qsd OUT.(png|bmp|pdf) [--size WxH] [--displacements]\n"
    "                           [--utilisation] [--grid] [--buckling [--combination N]]\n"
    "                           [--settings FILE]\n"
    "\n"
    "Draws the model as the Model page shows it, fitted to the picture as Zoom extents\n"
    "fits it to the window, with the labels the settings switch on. --size gives the\n"
    "picture in pixels (default 1200x800); a PDF is one A4 page across, or a page of\n"
    "WxH screen pixels (96 per inch) when --size is given, headed by a title line\n"
    "with the model's file name and the date. A PNG or BMP is the model alone.\n"
    "\n"
    "  --displacements  analyse the frame and draw its displaced shape (blue)\n"
    "  --utilisation    analyse the frame and colour every stretch by its utilisation:\n"
    "                   green below 100 %, red at or above, with the percentage\n"
    "  --grid           draw the cartesian grid under the model\n"
    "  --buckling       draw the buckling mode of the load set of the lowest\n"
    "                   alpha_cr (or of --combination N), captioned with it\n"
    "\n"
    "Exit status: 0 done; 1 the analysis failed (the picture is written without\n"
    "results); 2 bad usage, MODEL unreadable or malformed, or OUT not writable.\n";

int RunRender(const std::vector<std::string>& args) {
  const Arguments parsed =
      ParseArguments(args, {{"--size", "--combination"},
                            {"--displacements", "--utilisation", "--grid", "--buckling"}});
  if (!parsed.Error.empty()) return UsageError(parsed.Error);
  if (parsed.Help) {
    std::fputs(kRenderUsage, stdout);
    return kExitOk;
  }
  if (parsed.Positional.size() != 2)
    return UsageError("render needs MODEL.qsd and OUT.png, OUT.bmp or OUT.pdf");
  const std::string& out = parsed.Positional[1];
  const std::optional<PictureKind> kind = PictureKindOf(out);
  if (!kind) return UsageError(out + ": the picture is written as .png, .bmp or .pdf");
  PictureSize size;
  if (const std::optional<std::string> text = parsed.Value("--size")) {
    const std::optional<PictureSize> given = ParseSize(*text);
    if (!given)
      return UsageError("--size " + *text + ": give WxH in pixels, each 1.." +
                        std::to_string(kLargestSide) + ", at most 40 million in all");
    size = *given;
  }
  AppSettings settings;
  if (!LoadCommandSettings(parsed, settings)) return kExitUsage;
  LoadCommandLanguage(settings);
  const bool buckling = parsed.Has("--buckling");
  const bool results =
      parsed.Has("--displacements") || parsed.Has("--utilisation") || buckling;
  ModelDocument doc;
  if (!ReadModel(parsed.Positional[0], doc, results ? ModelUse::Analyse : ModelUse::Inspect))
    return kExitUsage;

  AnalysisOutcome outcome;
  if (results) {
    outcome = AnalyseModel(doc);
    doc.ShowDisplacements = parsed.Has("--displacements");
    doc.ShowUtilisation = parsed.Has("--utilisation");
    if (outcome.Analysed && !outcome.Ok()) {
      UsageError("no results drawn: " + FailureText(outcome));
      ShowMovement(outcome);
    }
  }
  BucklingPicture mode;
  if (buckling && outcome.Ok()) {
    long combination = GoverningBucklingLoadSet(doc, outcome);
    if (const std::optional<std::string> number = parsed.Value("--combination")) {
      const std::optional<std::int32_t> given = ParseStrictInteger(*number);
      if (!given || FindCombination(doc.Settings.Combinations, *given) == nullptr)
        return UsageError("--combination " + *number + ": the document has no such combination");
      combination = *given;
    }
    if (combination >= 0) {
      const BucklingAnalysis found = AnalyseBuckling(doc, combination);
      mode.Mode = found.Critical.Mode;
      mode.Caption = BucklingCaption(combination, found.Critical.Factor);
    }
  }
  TGridObject grid;
  grid.LengthFactor = UnitFactor(settings.Units, Quantity::Length);
  grid.GridType = kCartesianGrid;
  ModelPictureOptions options;
  if (parsed.Has("--grid")) options.Grid = &grid;
  if (buckling && !mode.Mode.Empty()) options.Buckling = &mode;

  GuiSession session;
  std::optional<std::string> bytes;
  if (*kind == PictureKind::Pdf) {
    const QSizeF page = parsed.Has("--size") ? QSizeF(size.Width * kMillimetresPerScreenPixel,
                                                      size.Height * kMillimetresPerScreenPixel)
                                             : QSizeF(kA4Long, kA4Short);
    // A PDF is a sheet to print and file: it carries the title line. A PNG or
    // BMP is a picture to put into other documents (and the file manager's
    // thumbnail): it stays the model alone.
    bytes = PdfBytes(page, 1, doc.FileName, [&](QPainter& painter, int, const ViewState& paper) {
      DrawModelSheet(painter, doc, settings, TitleFor(doc.FileName), paper.Width, paper.Height,
                     paper.Scale, options);
    });
  } else {
    QImage image = BlankImage(size.Width, size.Height);
    if (image.isNull())
      return UsageError("no memory for a picture of " + std::to_string(size.Width) + "x" +
                        std::to_string(size.Height) + " pixels");
    QPainter painter(&image);
    DrawModel(painter, doc, settings, FittedView(doc, size.Width, size.Height), options);
    painter.end();
    bytes = ImageBytes(image, *kind == PictureKind::Png ? ImageFormat::Png : ImageFormat::Bmp);
  }
  if (!WritePicture(out, bytes)) return kExitUsage;
  if (results) ShowNotes(outcome);
  return results ? AnalysisExitStatus(outcome) : kExitOk;
}

} // namespace strandel::cli
