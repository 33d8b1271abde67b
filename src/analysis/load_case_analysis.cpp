#include "analysis/load_case_analysis.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "analysis/beam_curves.h"
#include "analysis/node_table.h"
#include "analysis/segments.h"
#include "analysis/solver.h"
#include "model/load_case_check.h"
#include "sections/section_context.h"

namespace strandel {
namespace {

ResultSet Captured(const ModelDocument& doc, const std::vector<double>& displacements) {
  ResultSet result;
  result.Segments = doc.Segments;
  for (const TSupportObject& support : ObjectsOf<TSupportObject>(doc))
    result.Reactions.push_back(support.Reactions);
  result.Displacements = displacements;
  return result;
}

template <std::size_t N>
void AddScaled(std::array<double, N>& sum, const std::array<double, N>& v, double factor) {
  for (std::size_t i = 0; i < N; ++i)
    sum[i] += factor * v[i];
}

// The cases of a combination by their place among the results, with factors.
struct CombinationParts {
  std::vector<std::pair<std::size_t, double>> Parts;
  const StretchCapacities* Capacities = nullptr;
};

CombinationParts PartsOf(const CaseAnalysis& analysis, const ModelDocument& doc,
                         std::size_t index) {
  const std::vector<TLoadCase>& cases = doc.Settings.LoadCases;
  CombinationParts parts;
  for (const CaseFactor& part : doc.Settings.Combinations[index].Factors) {
    for (std::size_t c = 0; c < cases.size(); ++c)
      if (cases[c].Number == part.Case) parts.Parts.push_back({c, part.Factor});
  }
  parts.Capacities = &analysis.Capacities[static_cast<std::size_t>(analysis.Durations[index])];
  return parts;
}

// Stretch i under the combination: what the loads give it summed over the
// cases with their factors (the analysis is linear), and the capacities of the
// combination's load duration. `s` holds stretch i of a case already: the rest
// is the same in every case.
void CombineStretch(const CaseAnalysis& analysis, const CombinationParts& parts, std::size_t i,
                    TSegmentObject& s) {
  s.Px = s.Py = 0;
  s.DispG = s.DispL = s.ForceL = s.ForceG = s.EqLoadL = s.EqLoadG = Vector6{};
  for (const auto& [c, factor] : parts.Parts) {
    const TSegmentObject& p = analysis.Cases[c].Segments[i];
    s.Px += factor * p.Px;
    s.Py += factor * p.Py;
    for (auto [to, from] : {std::pair{&s.DispG, &p.DispG},
                            {&s.DispL, &p.DispL},
                            {&s.ForceL, &p.ForceL},
                            {&s.ForceG, &p.ForceG},
                            {&s.EqLoadL, &p.EqLoadL},
                            {&s.EqLoadG, &p.EqLoadG}})
      AddScaled(*to, *from, factor);
  }
  if (i < parts.Capacities->size()) {
    const StretchCapacity& capacity = (*parts.Capacities)[i];
    s.Rtd = capacity.Rtd;
    s.Rcd = capacity.Rcd;
    s.Md = capacity.Md;
  }
}

// The supports' reactions and the nodes' displacements under the combination.
void CombineNodes(const CaseAnalysis& analysis, const CombinationParts& parts, ResultSet& sum) {
  const ResultSet& first = analysis.Cases.front();
  sum.Reactions.assign(first.Reactions.size(), {});
  sum.Displacements.assign(first.Displacements.size(), 0.0);
  for (const auto& [c, factor] : parts.Parts) {
    const ResultSet& part = analysis.Cases[c];
    for (std::size_t i = 0; i < sum.Reactions.size(); ++i)
      AddScaled(sum.Reactions[i], part.Reactions[i], factor);
    for (std::size_t i = 0; i < sum.Displacements.size(); ++i)
      sum.Displacements[i] += factor * part.Displacements[i];
  }
}

bool Finite(const TSegmentObject& s) {
  for (const Vector6* v : {&s.DispG, &s.DispL, &s.ForceL, &s.ForceG})
    for (double x : *v)
      if (!std::isfinite(x)) return false;
  return std::isfinite(s.Px) && std::isfinite(s.Py);
}

bool Finite(const ResultSet& nodes) {
  for (const auto& reaction : nodes.Reactions)
    for (double x : reaction)
      if (!std::isfinite(x)) return false;
  for (double x : nodes.Displacements)
    if (!std::isfinite(x)) return false;
  return true;
}

// Whether `value` from another combination takes the place of `held`: larger,
// or undefined where the held one is not.
bool Exceeds(double value, double held) {
  if (std::isnan(held)) return false;
  return std::isnan(value) || value > held;
}

// False when a combination's results are not all finite. Worked stretch by
// stretch, every combination of a stretch in turn: the stretch's case results
// are read from memory once for them all.
bool FormEnvelopes(const ModelDocument& doc, CaseAnalysis& analysis) {
  std::unordered_map<long, std::size_t> place;
  std::vector<long> numbers;
  for (const TBeamObject& beam : ObjectsOf<TBeamObject>(doc)) {
    if (place.emplace(beam.Number, numbers.size()).second) numbers.push_back(beam.Number);
  }
  const std::vector<TCombination>& combinations = doc.Settings.Combinations;
  const std::size_t count = combinations.size();
  std::vector<CombinationParts> parts;
  ResultSet nodes;
  for (std::size_t k = 0; k < count; ++k) {
    parts.push_back(PartsOf(analysis, doc, k));
    CombineNodes(analysis, parts.back(), nodes);
    if (!Finite(nodes)) return false;
  }
  // Per beam and combination: the largest utilisation (NaN when a stretch's is
  // undefined) and displacement over the beam's stretches.
  std::vector<double> utilisation(numbers.size() * count, 0.0);
  std::vector<double> displacement(numbers.size() * count, 0.0);
  TSegmentObject stretch;
  const std::vector<TSegmentObject>& segments = analysis.Cases.front().Segments;
  for (std::size_t i = 0; i < segments.size(); ++i) {
    stretch = segments[i];
    const auto at = place.find(segments[i].BeamNo);
    for (std::size_t k = 0; k < count; ++k) {
      CombineStretch(analysis, parts[k], i, stretch);
      if (!Finite(stretch)) return false;
      if (at == place.end()) continue;
      double& u = utilisation[at->second * count + k];
      const double su = StretchUtilisation(stretch);
      if (!std::isnan(u) && (std::isnan(su) || su > u)) u = su;
      // Displacements are judged under serviceability loads only.
      if (!IsServiceability(combinations[k].Kind)) continue;
      double& d = displacement[at->second * count + k];
      d = std::max(d, StretchMaxDisplacement(stretch));
    }
  }
  for (std::size_t k = 0; k < count; ++k) {
    KindEnvelope& envelope = analysis.Envelopes[static_cast<std::size_t>(combinations[k].Kind)];
    const long number = combinations[k].Number;
    const auto value = [&](const std::vector<double>& values, std::size_t b) {
      return values[b * count + k];
    };
    if (!envelope.Present) {
      envelope.Present = true;
      for (std::size_t b = 0; b < numbers.size(); ++b)
        envelope.Beams.push_back(
            {numbers[b], value(utilisation, b), number, value(displacement, b), number});
      continue;
    }
    for (std::size_t b = 0; b < numbers.size(); ++b) {
      BeamEnvelope& beam = envelope.Beams[b];
      if (Exceeds(value(utilisation, b), beam.Utilisation)) {
        beam.Utilisation = value(utilisation, b);
        beam.UtilisationGoverning = number;
      }
      if (value(displacement, b) > beam.MaxDisplacement) {
        beam.MaxDisplacement = value(displacement, b);
        beam.DisplacementGoverning = number;
      }
    }
  }
  for (std::size_t k = 0; k < combinations.size(); ++k) {
    KindEnvelope& envelope = analysis.Envelopes[static_cast<std::size_t>(combinations[k].Kind)];
    if (envelope.Governing >= 0) continue;
    // Without beams the first combination of the kind stands for it.
    envelope.Governing = envelope.DisplacementGoverning = combinations[k].Number;
    bool first = true;
    for (const BeamEnvelope& beam : envelope.Beams) {
      if (first || Exceeds(beam.Utilisation, envelope.MaxUtilisation)) {
        envelope.MaxUtilisation = beam.Utilisation;
        envelope.Governing = beam.UtilisationGoverning;
      }
      if (first || beam.MaxDisplacement > envelope.MaxDisplacement) {
        envelope.MaxDisplacement = beam.MaxDisplacement;
        envelope.DisplacementGoverning = beam.DisplacementGoverning;
      }
      first = false;
    }
  }
  return true;
}

void FailAll(ModelDocument& doc, CaseAnalysis& analysis, AnalysisFailure failure) {
  AnalysisOutcome& outcome = analysis.Outcome;
  const NodeTable nodes(doc);
  outcome.Analysed = nodes.Count() > 0;
  outcome.Failure = failure;
  outcome.Displacements.assign(3 * static_cast<std::size_t>(nodes.Count()), 0.0);
  analysis.Cases.clear();
  doc.Segments.clear();
  doc.ResultsValid = false;
}

template <class List> long IndexOfNumber(const List& list, long number) {
  for (std::size_t i = 0; i < list.size(); ++i)
    if (list[i].Number == number) return static_cast<long>(i);
  return -1;
}

} // namespace

CaseAnalysis AnalyseLoadCases(ModelDocument& doc) {
  CaseAnalysis analysis;
  const std::vector<TLoadCase>& cases = doc.Settings.LoadCases;
  // A load of a case that does not exist would silently drop out of every
  // result, a second own-weight case count the weight twice.
  if (std::vector<std::string> problems = CheckLoadCases(doc); cases.empty() || !problems.empty()) {
    FailAll(doc, analysis, AnalysisFailure::LoadCases);
    analysis.Outcome.Notes = std::move(problems);
    return analysis;
  }
  std::vector<LoadSelection> selections;
  for (const TLoadCase& loadCase : cases)
    selections.push_back(CaseLoads(doc, loadCase));
  SectionContext context;
  analysis.Cases.reserve(cases.size());
  analysis.Outcome = AnalyseSelections(
      doc, selections, context, [&](std::size_t s, const std::vector<double>& displacements) {
        analysis.Cases.push_back(Captured(doc, displacements));
        analysis.Cases.back().Factors = {{cases[s].Number, 1.0}};
      });
  if (!analysis.Ok()) {
    analysis.Cases.clear();
    return analysis;
  }
  for (const TCombination& combination : doc.Settings.Combinations)
    analysis.Durations.push_back(CombinationDuration(combination, cases));
  const auto capacities = [&](DurationClass duration) -> const StretchCapacities& {
    StretchCapacities& table = analysis.Capacities[static_cast<std::size_t>(duration)];
    if (table.empty()) {
      context.SetDuration(duration);
      table = CapacitiesFor(doc.Segments, doc, context);
    }
    return table;
  };
  for (std::size_t c = 0; c < cases.size(); ++c)
    SetCapacities(analysis.Cases[c].Segments, capacities(cases[c].Duration));
  for (const DurationClass duration : analysis.Durations)
    capacities(duration);
  // A combination of huge factors can leave the doubles.
  if (!FormEnvelopes(doc, analysis)) FailAll(doc, analysis, AnalysisFailure::NotFinite);
  return analysis;
}

void FormCombination(const CaseAnalysis& analysis, const ModelDocument& doc, std::size_t index,
                     ResultSet& into) {
  const CombinationParts parts = PartsOf(analysis, doc, index);
  into.Segments = analysis.Cases.front().Segments;
  const std::size_t count = into.Segments.size();
  for (std::size_t i = 0; i < count; ++i)
    CombineStretch(analysis, parts, i, into.Segments[i]);
  CombineNodes(analysis, parts, into);
  into.Factors = doc.Settings.Combinations[index].Factors;
}

ResultSet CombinationResult(const CaseAnalysis& analysis, const ModelDocument& doc,
                            std::size_t index) {
  ResultSet result;
  FormCombination(analysis, doc, index, result);
  return result;
}

long GoverningCombination(const CaseAnalysis& analysis, const ModelDocument& doc,
                          const ResultChoice& choice) {
  if (!analysis.Ok()) return -1;
  const std::vector<TCombination>& combinations = doc.Settings.Combinations;
  if (choice.Kind == ResultKind::Envelope) {
    const KindEnvelope& envelope = analysis.Envelope(choice.Envelope);
    if (!envelope.Present) return -1;
    return IsServiceability(choice.Envelope) ? envelope.DisplacementGoverning : envelope.Governing;
  }
  if (choice.Kind != ResultKind::Default) return -1;
  if (const KindEnvelope& ultimate = analysis.Envelope(CombinationKind::Ultimate); ultimate.Present)
    return ultimate.Governing;
  return combinations.empty() ? -1 : combinations.front().Number;
}

std::optional<ResultSet> ChosenResult(const CaseAnalysis& analysis, const ModelDocument& doc,
                                      const ResultChoice& choice) {
  if (!analysis.Ok()) return std::nullopt;
  const std::vector<TCombination>& combinations = doc.Settings.Combinations;
  long index = -1;
  switch (choice.Kind) {
  case ResultKind::Case:
    index = IndexOfNumber(doc.Settings.LoadCases, choice.Number);
    if (index < 0) return std::nullopt;
    return analysis.Cases[static_cast<std::size_t>(index)];
  case ResultKind::Combination:
    index = IndexOfNumber(combinations, choice.Number);
    break;
  case ResultKind::Envelope:
  case ResultKind::Default:
    index = IndexOfNumber(combinations, GoverningCombination(analysis, doc, choice));
    if (index < 0 && choice.Kind == ResultKind::Default && !analysis.Cases.empty())
      return analysis.Cases.front();
    break;
  }
  if (index < 0) return std::nullopt;
  return CombinationResult(analysis, doc, static_cast<std::size_t>(index));
}

AnalysisOutcome InstallResult(ModelDocument& doc, const CaseAnalysis& analysis,
                              const ResultSet& result) {
  doc.Segments = result.Segments;
  std::size_t i = 0;
  for (TSupportObject& support : ObjectsOf<TSupportObject>(doc)) {
    if (i < result.Reactions.size()) support.Reactions = result.Reactions[i];
    ++i;
  }
  doc.ResultsValid = true;
  doc.ResultFactors = result.Factors;
  AnalysisOutcome outcome = analysis.Outcome;
  outcome.Displacements = result.Displacements;
  return outcome;
}

std::optional<ResultSet> DocumentResult(const CaseAnalysis& analysis, const ModelDocument& doc) {
  std::optional<ResultSet> result =
      ChosenResult(analysis, doc, ParseResultChoice(doc.Settings.ResultSet));
  if (!result) result = ChosenResult(analysis, doc, ResultChoice{});
  return result;
}

AnalysisOutcome AnalyseChosenResult(ModelDocument& doc) {
  const CaseAnalysis analysis = AnalyseLoadCases(doc);
  if (!analysis.Ok()) return analysis.Outcome;
  return InstallResult(doc, analysis, *DocumentResult(analysis, doc));
}

} // namespace strandel
