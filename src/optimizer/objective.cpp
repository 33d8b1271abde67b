#include "optimizer/objective.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "analysis/beam_curves.h"
#include "analysis/load_case_analysis.h"
#include "analysis/solver.h"
#include "common/number_text.h"
#include "common/text.h"

namespace strandel {
namespace {

double HighestUtilisation(const ModelDocument& doc) {
  double highest = 0;
  for (const TSegmentObject& segment : doc.Segments) {
    const double u = StretchUtilisation(segment);
    // A stretch that cannot be checked leaves the highest utilisation unknown.
    if (std::isnan(u)) return u;
    if (u > highest) highest = u;
  }
  return highest;
}

double LargestDisplacement(const ModelDocument& doc) {
  double highest = 0;
  const std::unordered_map<long, BeamPeak> peaks = BeamPeaks(doc);
  for (const TBeamObject& beam : ObjectsOf<TBeamObject>(doc)) {
    const double d = PeakOf(peaks, beam.Number).MaxDisplacement;
    if (std::isnan(d)) return d;
    if (d > highest) highest = d;
  }
  return highest;
}

} // namespace

double ObjectiveValue(const ModelDocument& doc, int objective) {
  return objective == kObjectiveDisplacement ? LargestDisplacement(doc) : HighestUtilisation(doc);
}

double ObjectiveDisplayFactor(const UnitChoice& units, int objective) {
  return objective == kObjectiveDisplacement ? UnitFactor(units, Quantity::Displacement) : 100.0;
}

std::string ObjectiveUnitName(const UnitChoice& units, int objective) {
  return objective == kObjectiveDisplacement ? UnitName(units, Quantity::Displacement) : "[%]";
}

std::string ObjectiveText(const UnitChoice& units, int objective, double value) {
  return std::string(Trim(FormatValue(value * ObjectiveDisplayFactor(units, objective))));
}

TrialScore TrialObjective(const ModelDocument& doc, const AnalysisOutcome& outcome, int objective) {
  if (!outcome.Ok()) return {false, std::numeric_limits<double>::infinity()};
  return {true, ObjectiveValue(doc, objective)};
}

namespace {

// The design is checked under every ultimate combination, displacements are
// judged under every serviceability one.
double CombinationsObjective(const CaseAnalysis& analysis, const ModelDocument& doc,
                             int objective) {
  if (objective != kObjectiveDisplacement) {
    const KindEnvelope& ultimate = analysis.Envelope(CombinationKind::Ultimate);
    return ultimate.Present ? ultimate.MaxUtilisation : HighestUtilisation(doc);
  }
  bool any = false;
  double largest = 0;
  for (int k = 0; k < kCombinationKindCount; ++k) {
    const CombinationKind kind = static_cast<CombinationKind>(k);
    const KindEnvelope& envelope = analysis.Envelope(kind);
    if (!IsServiceability(kind) || !envelope.Present) continue;
    any = true;
    largest = std::max(largest, envelope.MaxDisplacement);
  }
  return any ? largest : LargestDisplacement(doc);
}

} // namespace

ObjectiveAnalysis AnalyseObjective(ModelDocument& doc, int objective) {
  ObjectiveAnalysis result;
  // A trial point needs the results, not how far the loads stand from buckling.
  const AnalysisOptions trial{false};
  if (doc.Settings.LoadCases.empty()) {
    result.Outcome = AnalyseModel(doc, trial);
    result.Value = ObjectiveValue(doc, objective);
    return result;
  }
  const CaseAnalysis analysis = AnalyseLoadCases(doc, trial);
  result.Outcome = analysis.Outcome;
  if (const std::optional<ResultSet> shown = DocumentResult(analysis, doc)) {
    result.Outcome = InstallResult(doc, analysis, *shown);
    result.Value = CombinationsObjective(analysis, doc, objective);
  }
  return result;
}

} // namespace strandel
