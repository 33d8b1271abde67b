#include "analysis/beam_page.h"

#include <optional>

#include "analysis/diagram.h"
#include "analysis/force_table.h"
#include "analysis/free_body.h"
#include "common/number_text.h"
#include "common/record.h"

namespace strandel {
namespace {

// The beam number of a choice line, -1 when it holds none.
long NumberOfLine(const std::string& line) {
  const std::optional<std::int32_t> number = ParseStrictInteger(FieldAt(2, line, "-1"));
  return number ? *number : -1;
}

} // namespace

void FillBeamChoice(BeamPage& page, ModelDocument& doc) {
  page.BeamChoice.clear();
  page.ChoiceIndex = -1;
  for (const TBeamObject& beam : ObjectsOf<TBeamObject>(doc)) {
    if (beam.Number == doc.Settings.FBDBeamNo && page.ChoiceIndex < 0)
      page.ChoiceIndex = static_cast<int>(page.BeamChoice.size());
    page.BeamChoice.push_back("Beam; " + std::to_string(beam.Number));
  }
  if (page.BeamChoice.empty()) return;
  if (page.ChoiceIndex < 0) page.ChoiceIndex = 0;
  doc.Settings.FBDBeamNo = NumberOfLine(page.BeamChoice[page.ChoiceIndex]);
}

void ChooseBeam(BeamPage& page, ModelDocument& doc, const AppSettings& settings, int line,
                const PageEnvelope& envelope) {
  if (line < 0 || line >= static_cast<int>(page.BeamChoice.size())) return;
  doc.Settings.FBDBeamNo = -1;
  doc.Settings.FBDBeamNo = NumberOfLine(page.BeamChoice[line]);
  UpdateBeamPage(page, doc, settings, envelope);
}

void UpdateBeamPage(BeamPage& page, ModelDocument& doc, const AppSettings& settings,
                    const PageEnvelope& envelope) {
  page.BeamHeight = 10;
  page.TextHeight = 3;
  // Loads keep the proportion to beams that the model page gives them.
  page.LoadHeight =
      doc.Settings.BeamHeight > 0 ? 3 * (doc.Settings.LoadHeight / doc.Settings.BeamHeight) : 3;
  FillBeamChoice(page, doc);
  page.Objects.clear();
  BuildFreeBody(page, doc);
  BuildReactions(page, doc, settings);
  double y = 230;
  BuildForceTable(page, settings, y);
  for (int kind = 1; kind <= kDiagramKinds; ++kind) {
    if (!page.ShowDiagram[kind - 1]) continue;
    if (envelope.Analysis != nullptr)
      BuildEnvelopeDiagram(page, doc, settings, DiagramKind(kind), envelope, y);
    else
      BuildDiagram(page, doc, settings, DiagramKind(kind), y);
  }
}

} // namespace strandel
