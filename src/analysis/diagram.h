#pragma once
// The result diagrams of the chosen beam: 21 points per stretch of normal force,
// shear, moment, slope, deflection, the stresses at both extreme fibres or the
// utilisation, along an abscissa that follows the beam's axial displacement, and
// the value range each diagram is drawn to.

#include <optional>

#include "analysis/beam_page.h"
#include "units/units.h"

namespace strandel {

struct DiagramRange {
  double MinValue = 0, MaxValue = 0;
  double MinX = 0, MaxX = 0;
};

// The range of the points of both curves, always containing 0 in both
// directions; an all-zero diagram spans -0.5..0.5, an empty one also 0..1 along x.
DiagramRange DiagramExtremes(const std::vector<TGraphPoint>& curve1,
                             const std::vector<TGraphPoint>& curve2);

// Appends the diagram of `kind` with its top at y and moves y below it. Nothing
// when doc.Settings.FBDBeamNo names no beam. The value range is widened by a tenth, and a
// utilisation diagram always reaches 100 %.
void BuildDiagram(BeamPage& page, const ModelDocument& doc, const AppSettings& settings,
                  DiagramKind kind, double& y);

class StretchCurves;

// The quantity a diagram's values are (none for the utilisation, in percent).
std::optional<Quantity> DiagramQuantity(DiagramKind kind);

// The kind, labels and unit factors of a diagram.
void SetDiagramUnits(TDiagramObject& diagram, const AppSettings& settings, DiagramKind kind);
// Puts the diagram on the page with its top at y, its value range fitted to its
// curves, and moves y below it and its notes.
void PlaceDiagram(BeamPage& page, TDiagramObject diagram, double& y);
// In a document that asks for second-order effects, the note under each
// diagram that says which order its results are: "Second-order results: ..."
// or "First-order results". Nothing is added in any other document.
void AddOrderNote(TDiagramObject& diagram, const ModelDocument& doc, bool secondOrder);

// The value a diagram of `kind` shows at s along the stretch, base units (the
// top fibre for stresses, percent for the utilisation).
double DiagramValueAt(const StretchCurves& curves, DiagramKind kind, double s);

// The same diagram as the envelope of the combinations of a kind: curve 1 the
// largest, curve 2 the smallest value at each point along the undeformed beam,
// and under it where the extremes are, in which combinations, with the forces
// acting there at the same time.
void BuildEnvelopeDiagram(BeamPage& page, const ModelDocument& doc, const AppSettings& settings,
                          DiagramKind kind, const PageEnvelope& envelope, double& y);

// "N", "T", "M", "V", "Y", "S", "U[%]".
const char* DiagramLabel(DiagramKind kind);

} // namespace strandel
