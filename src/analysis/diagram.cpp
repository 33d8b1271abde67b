#include "analysis/diagram.h"

#include "analysis/beam_curves.h"
#include "common/text_entries.h"
#include "common/translation.h"
#include "units/units.h"

namespace strandel {
namespace {

double YUnitFactor(const UnitChoice& units, DiagramKind kind) {
  const std::optional<Quantity> quantity = DiagramQuantity(kind);
  return quantity ? UnitFactor(units, *quantity) : 1.0;
}

} // namespace

std::optional<Quantity> DiagramQuantity(DiagramKind kind) {
  switch (kind) {
  case DiagramKind::NormalForce:
  case DiagramKind::ShearForce:
    return Quantity::Force;
  case DiagramKind::Moment:
    return Quantity::Moment;
  case DiagramKind::Slope:
    return Quantity::Angle;
  case DiagramKind::Deflection:
    return Quantity::Displacement;
  case DiagramKind::Stress:
    return Quantity::Stress;
  case DiagramKind::Utilisation:
    return std::nullopt;
  }
  return std::nullopt;
}

double DiagramValueAt(const StretchCurves& curves, DiagramKind kind, double s) {
  switch (kind) {
  case DiagramKind::NormalForce:
    return curves.NormalForce(s);
  case DiagramKind::ShearForce:
    return curves.ShearForce(s);
  case DiagramKind::Moment:
    return curves.Moment(s);
  case DiagramKind::Slope:
    return curves.Slope(s);
  case DiagramKind::Deflection:
    return curves.Deflection(s);
  case DiagramKind::Stress:
    return curves.StressTop(s);
  case DiagramKind::Utilisation:
    return 100 * curves.Utilisation(s);
  }
  return 0;
}

const char* DiagramLabel(DiagramKind kind) {
  switch (kind) {
  case DiagramKind::NormalForce:
    return "N";
  case DiagramKind::ShearForce:
    return "T";
  case DiagramKind::Moment:
    return "M";
  case DiagramKind::Slope:
    return "V";
  case DiagramKind::Deflection:
    return "Y";
  case DiagramKind::Stress:
    return "S";
  case DiagramKind::Utilisation:
    return "U[%]";
  }
  return "";
}

DiagramRange DiagramExtremes(const std::vector<TGraphPoint>& curve1,
                             const std::vector<TGraphPoint>& curve2) {
  DiagramRange range;
  if (curve1.empty()) {
    range.MinX = 0, range.MaxX = 1;
    range.MinValue = -0.5, range.MaxValue = 0.5;
    return range;
  }
  for (const std::vector<TGraphPoint>* curve : {&curve1, &curve2}) {
    for (const TGraphPoint& point : *curve) {
      if (point.Y < range.MinValue) range.MinValue = point.Y;
      if (point.Y > range.MaxValue) range.MaxValue = point.Y;
      if (point.X < range.MinX) range.MinX = point.X;
      if (point.X > range.MaxX) range.MaxX = point.X;
    }
  }
  if (range.MaxValue == 0 && range.MinValue == 0) range.MaxValue = 0.5, range.MinValue = -0.5;
  return range;
}

void BuildDiagram(BeamPage& page, const ModelDocument& doc, const AppSettings& settings,
                  DiagramKind kind, double& y) {
  if (doc.Settings.FBDBeamNo <= 0 || FindBeam(doc, doc.Settings.FBDBeamNo) == nullptr) return;
  TDiagramObject diagram;
  SetDiagramUnits(diagram, settings, kind);

  // The abscissa follows the beam as it is displaced: it starts at the first
  // stretch's axial displacement and every stretch adds its deformed length.
  bool first = true;
  double x0 = 0;
  for (const TSegmentObject& segment : doc.Segments) {
    if (segment.BeamNo != doc.Settings.FBDBeamNo) continue;
    const StretchCurves curves(segment);
    if (first) x0 = curves.StartAxial(), first = false;
    const double deformed = curves.Length() + curves.Elongation();
    for (int i = 0; i < kStretchSamples; ++i) {
      const double s = SampleFraction(i) * curves.Length();
      const double x = deformed * SampleFraction(i) + x0;
      diagram.Curve1.push_back({x, DiagramValueAt(curves, kind, s)});
      if (kind == DiagramKind::Stress) diagram.Curve2.push_back({x, curves.StressBottom(s)});
    }
    x0 += deformed;
  }
  AddOrderNote(diagram, doc, !doc.Segments.empty() && doc.Segments.front().SecondOrder);
  PlaceDiagram(page, std::move(diagram), y);
}

void AddOrderNote(TDiagramObject& diagram, const ModelDocument& doc, bool secondOrder) {
  if (!doc.Settings.SecondOrder) return;
  diagram.Notes.insert(
      diagram.Notes.begin(),
      secondOrder ? TranslatedOr(tr::kBeamPageSecondOrder,
                                 "Second-order results: equilibrium on the displaced frame "
                                 "(P-delta)")
                  : TranslatedOr(tr::kBeamPageFirstOrder, "First-order results"));
}

void SetDiagramUnits(TDiagramObject& diagram, const AppSettings& settings, DiagramKind kind) {
  diagram.Kind = kind;
  diagram.YLabel = DiagramLabel(kind);
  diagram.XLabel = "X";
  diagram.XUnitFactor = UnitFactor(settings.Units, Quantity::Length);
  diagram.YUnitFactor = YUnitFactor(settings.Units, kind);
}

void PlaceDiagram(BeamPage& page, TDiagramObject diagram, double& y) {
  diagram.Top = y;
  const DiagramRange range = DiagramExtremes(diagram.Curve1, diagram.Curve2);
  diagram.MinValue = range.MinValue;
  diagram.MaxValue = range.MaxValue;
  diagram.MinX = range.MinX;
  diagram.MaxX = range.MaxX;
  if (diagram.Kind == DiagramKind::Utilisation && diagram.MaxValue < 100) diagram.MaxValue = 100;
  diagram.MaxValue *= 1.1;
  diagram.MinValue *= 1.1;
  // Each line of notes under the diagram takes the room of a line of text.
  y -= 45 + kDiagramNoteLine * static_cast<double>(diagram.Notes.size());
  page.Objects.push_back(std::move(diagram));
}

} // namespace strandel
