#include "cli/beam_command.h"

#include <cmath>
#include <cstdio>
#include <utility>

#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/json_text.h"
#include "cli/model_input.h"
#include "cli/settings_input.h"
#include "common/number_text.h"
#include "common/user_message.h"
#include "sections/beam_details.h"
#include "sections/profile.h"

namespace strandel::cli {
namespace {

// The normalised profile dimensions that follow the capacities.
struct Dimension {
  const char* Name;
  double ProfileSize::*Field;
};
const Dimension kDimensions[] = {{"B", &ProfileSize::B},
                                 {"H", &ProfileSize::H},
                                 {"TL", &ProfileSize::TL},
                                 {"TF", &ProfileSize::TF}};

struct Row {
  std::string Name;
  double Value = 0; // SI base units
  DetailUnit Unit = DetailUnit::None;
  Quantity Shown = Quantity::Length;
};

// Every value of a beam in the order of the listing: the dialog's details, the
// capacities, the normalised dimensions.
std::vector<Row> BeamRows(const TBeamObject& beam, const ModelDocument& doc,
                          SectionContext& context) {
  std::vector<Row> rows;
  for (const BeamDetail& detail : BeamDetails())
    rows.push_back({detail.Name, detail.Value(beam, doc, &context), detail.Unit, detail.Shown});
  for (const BeamDetail& capacity : BeamCapacities())
    rows.push_back(
        {capacity.Name, capacity.Value(beam, doc, &context), capacity.Unit, capacity.Shown});
  const ProfileSize size = NormalisedSize(beam);
  for (const Dimension& dimension : kDimensions)
    rows.push_back(
        {dimension.Name, size.*dimension.Field, DetailUnit::Shown, Quantity::Displacement});
  return rows;
}

std::string JsonValue(const Row& row) {
  if (row.Unit == DetailUnit::NodeNumber) return std::to_string(static_cast<long>(row.Value));
  return JsonNumber(row.Value);
}

// The value as the table shows it, and its unit.
std::pair<std::string, std::string> TableValue(const Row& row, const UnitChoice& units) {
  DetailText text = ShownDetail(row.Unit, row.Shown, row.Value, units);
  return {std::move(text.Value), std::move(text.Unit)};
}

void PrintJson(const ModelDocument& doc, SectionContext& context) {
  std::string out = "{\"beams\": [";
  bool firstBeam = true;
  for (const TBeamObject& beam : ObjectsOf<TBeamObject>(doc)) {
    out += firstBeam ? "\n  {" : ",\n  {";
    firstBeam = false;
    out += "\"number\": " + std::to_string(beam.Number);
    for (const Row& row : BeamRows(beam, doc, context))
      out += ", " + JsonString(row.Name) + ": " + JsonValue(row);
    out += "}";
  }
  out += firstBeam ? "]}\n" : "\n]}\n";
  std::fputs(out.c_str(), stdout);
}

void PrintTable(const ModelDocument& doc, SectionContext& context, const UnitChoice& units) {
  bool any = false;
  for (const TBeamObject& beam : ObjectsOf<TBeamObject>(doc)) {
    const std::vector<Row> rows = BeamRows(beam, doc, context);
    std::printf("%sBeam %u: %s (%s), %s (%s)\n", any ? "\n" : "", beam.Number,
                beam.ProfName.c_str(), ShapeCaption(beam.ShapeNo).c_str(), beam.MtrlName.c_str(),
                beam.MtrlType.c_str());
    any = true;
    for (const Row& row : rows) {
      const auto [value, unit] = TableValue(row, units);
      std::printf("  %-13s %10s%s%s\n", row.Name.c_str(), value.c_str(), unit.empty() ? "" : " ",
                  unit.c_str());
    }
  }
  if (!any) std::printf("The model has no beams.\n");
}

} // namespace

const char* const kBeamUsage =
    "usage: strandel-cli beam MODEL.qsd [--json] [--settings FILE]\n"
    "\n"
    "Lists the section, material and capacity values of every beam, as the beam\n"
    "dialog's details list shows them: A, Aeff, SectMod, Iy, Iy,red, Ix, Ix,red, Imin,\n"
    "Mass, Length, Angle, Lc, Lambda, Ebott, Etop, Ftd, Fcd, Fmd, Ed, the five reduction\n"
    "factors, StartNode and StopNode, then the capacities Rtd, Rcd and Md and the\n"
    "profile dimensions B, H, TL and TF after normalising.\n"
    "\n"
    "The table uses the display units of the settings; --json prints one object in\n"
    "SI base units, with null for a value the profile does not define.\n"
    "\n"
    "Exit status: 0 listed; 2 bad usage, or MODEL unreadable or malformed.\n";

int RunBeam(const std::vector<std::string>& args) {
  const Arguments parsed = ParseArguments(args, {{}, {"--json"}});
  if (!parsed.Error.empty()) return UsageError(parsed.Error);
  if (parsed.Help) {
    std::fputs(kBeamUsage, stdout);
    return kExitOk;
  }
  if (parsed.Positional.size() != 1) return UsageError("beam needs one MODEL.qsd");
  AppSettings settings;
  if (!LoadCommandSettings(parsed, settings)) return kExitUsage;
  ModelDocument doc;
  if (!ReadModel(parsed.Positional[0], doc, ModelUse::Inspect)) return kExitUsage;
  // One context for the whole listing: one index of the frame, and a broken
  // profile's note said once, after the listing.
  SectionContext context;
  if (parsed.Has("--json"))
    PrintJson(doc, context);
  else
    PrintTable(doc, context, settings.Units);
  std::fflush(stdout);
  StderrMessages messages;
  context.ShowNotes(messages);
  return kExitOk;
}

} // namespace strandel::cli
