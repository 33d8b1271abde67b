#include "analysis/envelope_diagram.h"

#include <algorithm>
#include <cmath>

#include "analysis/beam_curves.h"
#include "analysis/diagram.h"
#include "common/number_text.h"
#include "common/text.h"
#include "common/text_entries.h"
#include "common/translation.h"
#include "units/units.h"

namespace strandel {
namespace {

struct Sample {
  double X = 0, High = 0, Low = 0;
  double NormalForce = 0, Shear = 0, Moment = 0;
};

// The diagram's values along the beam in one result.
std::vector<Sample> Samples(const ResultSet& result, long beam, DiagramKind diagram) {
  std::vector<Sample> samples;
  double x0 = 0;
  for (const TSegmentObject& segment : result.Segments) {
    if (segment.BeamNo != beam) continue;
    const StretchCurves curves(segment);
    for (int i = 0; i < kStretchSamples; ++i) {
      const double s = SampleFraction(i) * curves.Length();
      Sample sample;
      sample.X = x0 + s;
      sample.High = sample.Low = DiagramValueAt(curves, diagram, s);
      if (diagram == DiagramKind::Stress) {
        const double bottom = curves.StressBottom(s);
        sample.High = std::max(sample.High, bottom);
        sample.Low = std::min(sample.Low, bottom);
      }
      sample.NormalForce = curves.NormalForce(s);
      sample.Shear = curves.ShearForce(s);
      sample.Moment = curves.Moment(s);
      samples.push_back(sample);
    }
    x0 += curves.Length();
  }
  return samples;
}

EnvelopeExtreme ExtremeAt(const Sample& sample, double value, long combination) {
  return {sample.X, value, combination, sample.NormalForce, sample.Shear, sample.Moment};
}

} // namespace

EnvelopeCurves BeamDiagramEnvelope(const CaseAnalysis& analysis, const ModelDocument& doc,
                                   long beam, DiagramKind diagram, CombinationKind kind) {
  EnvelopeCurves envelope;
  if (!analysis.Ok()) return envelope;
  const std::vector<TCombination>& combinations = doc.Settings.Combinations;
  bool first = true;
  ResultSet result;
  for (std::size_t k = 0; k < combinations.size() && k < analysis.Durations.size(); ++k) {
    if (combinations[k].Kind != kind) continue;
    const long number = combinations[k].Number;
    FormCombination(analysis, doc, k, result);
    const std::vector<Sample> samples = Samples(result, beam, diagram);
    if (first) envelope.Points.resize(samples.size());
    for (std::size_t i = 0; i < samples.size() && i < envelope.Points.size(); ++i) {
      const Sample& sample = samples[i];
      EnvelopePoint& point = envelope.Points[i];
      if (first || sample.High > point.Max) {
        point.Max = sample.High;
        point.MaxCombination = number;
      }
      if (first || sample.Low < point.Min) {
        point.Min = sample.Low;
        point.MinCombination = number;
      }
      point.X = sample.X;
      const bool highest = envelope.Highest.Combination < 0 || sample.High > envelope.Highest.Value;
      if (highest) envelope.Highest = ExtremeAt(sample, sample.High, number);
      const bool lowest = envelope.Lowest.Combination < 0 || sample.Low < envelope.Lowest.Value;
      if (lowest) envelope.Lowest = ExtremeAt(sample, sample.Low, number);
    }
    first = false;
  }
  return envelope;
}

namespace {

// A value of the diagram as the page shows it: in its unit, the utilisation in
// percent.
std::string ShownValue(const UnitChoice& units, DiagramKind kind, double value) {
  const std::optional<Quantity> quantity = DiagramQuantity(kind);
  const std::string text =
      quantity ? ShownText(units, *quantity, value) + " " + UnitName(units, *quantity)
               : FormatValue(value) + " %";
  return std::string(Trim(text));
}

std::string ExtremeNote(const UnitChoice& units, DiagramKind kind, const EnvelopeExtreme& extreme,
                        bool highest) {
  const auto shown = [&units](Quantity quantity, double value) {
    return std::string(Trim(ShownText(units, quantity, value))) + " " + UnitName(units, quantity);
  };
  return Filled(
      highest
          ? TranslatedOr(tr::kEnvelopeMax, "max %1 in combination %2 at x = %3 (N %4, T %5, M %6)")
          : TranslatedOr(tr::kEnvelopeMin, "min %1 in combination %2 at x = %3 (N %4, T %5, M %6)"),
      {ShownValue(units, kind, extreme.Value), std::to_string(extreme.Combination),
       shown(Quantity::Length, extreme.X), shown(Quantity::Force, extreme.NormalForce),
       shown(Quantity::Force, extreme.Shear), shown(Quantity::Moment, extreme.Moment)});
}

} // namespace

void BuildEnvelopeDiagram(BeamPage& page, const ModelDocument& doc, const AppSettings& settings,
                          DiagramKind kind, const PageEnvelope& envelope, double& y) {
  if (doc.Settings.FBDBeamNo <= 0 || FindBeam(doc, doc.Settings.FBDBeamNo) == nullptr) return;
  TDiagramObject diagram;
  SetDiagramUnits(diagram, settings, kind);
  const EnvelopeCurves curves =
      BeamDiagramEnvelope(*envelope.Analysis, doc, doc.Settings.FBDBeamNo, kind, envelope.Kind);
  for (const EnvelopePoint& point : curves.Points) {
    diagram.Curve1.push_back({point.X, point.Max});
    diagram.Curve2.push_back({point.X, point.Min});
    diagram.Governing1.push_back(point.MaxCombination);
    diagram.Governing2.push_back(point.MinCombination);
  }
  if (!curves.Points.empty()) {
    diagram.Extremes = {curves.Highest, curves.Lowest};
    diagram.Notes = {Filled(TranslatedOr(tr::kEnvelopeOf, "Envelope of the %1 combinations"),
                            {CombinationKindCode(envelope.Kind)}),
                     ExtremeNote(settings.Units, kind, curves.Highest, true),
                     ExtremeNote(settings.Units, kind, curves.Lowest, false)};
  }
  // Second order serves the ultimate combinations alone.
  AddOrderNote(diagram, doc, envelope.Kind == CombinationKind::Ultimate);
  PlaceDiagram(page, std::move(diagram), y);
}

} // namespace strandel
