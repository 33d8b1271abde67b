#include "analysis/envelope_diagram.h"

#include <algorithm>
#include <cmath>

#include "analysis/beam_curves.h"
#include "analysis/diagram.h"

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

} // namespace strandel
