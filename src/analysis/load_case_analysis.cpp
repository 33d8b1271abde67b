#include "analysis/load_case_analysis.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "analysis/beam_curves.h"
#include "analysis/node_table.h"
#include "analysis/segments.h"
#include "analysis/solver.h"
#include "sections/section_context.h"

namespace strandel {
namespace {

// Every object names a case that exists and every factor is a number: else the
// loads of a missing case would silently drop out of every result.
bool CasesHold(const ModelDocument& doc) {
  const std::vector<TLoadCase>& cases = doc.Settings.LoadCases;
  const auto known = [&cases](long number) { return FindLoadCase(cases, number) != nullptr; };
  for (const auto& object : doc.GraphObjects) {
    const bool ok = std::visit(
        [&known](const auto& o) {
          using T = std::decay_t<decltype(o)>;
          if constexpr (std::is_same_v<T, TNodeObject> || std::is_same_v<T, TBeamObject>)
            return true;
          else
            return known(o.Case);
        },
        *object);
    if (!ok) return false;
  }
  for (const TCombination& combination : doc.Settings.Combinations) {
    if (combination.Factors.empty()) return false;
    for (const CaseFactor& part : combination.Factors)
      if (!known(part.Case) || !std::isfinite(part.Factor)) return false;
  }
  return true;
}

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

// The values of a result that grow in proportion to the loads, set to
// `factor` times those of `part` added to them.
void AddScaled(ResultSet& sum, const ResultSet& part, double factor) {
  for (std::size_t i = 0; i < sum.Segments.size(); ++i) {
    TSegmentObject& s = sum.Segments[i];
    const TSegmentObject& p = part.Segments[i];
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
  for (std::size_t i = 0; i < sum.Reactions.size(); ++i)
    AddScaled(sum.Reactions[i], part.Reactions[i], factor);
  for (std::size_t i = 0; i < sum.Displacements.size(); ++i)
    sum.Displacements[i] += factor * part.Displacements[i];
}

ResultSet Combined(const CaseAnalysis& analysis, const std::vector<TLoadCase>& cases,
                   const TCombination& combination) {
  // The stretches of a case, with nothing of what its loads gave them.
  ResultSet sum = analysis.Cases.front();
  for (TSegmentObject& s : sum.Segments) {
    s.Px = s.Py = 0;
    s.DispG = s.DispL = s.ForceL = s.ForceG = s.EqLoadL = s.EqLoadG = Vector6{};
  }
  for (auto& reaction : sum.Reactions)
    reaction = {};
  std::fill(sum.Displacements.begin(), sum.Displacements.end(), 0.0);
  for (const CaseFactor& part : combination.Factors) {
    for (std::size_t c = 0; c < cases.size(); ++c)
      if (cases[c].Number == part.Case) AddScaled(sum, analysis.Cases[c], part.Factor);
  }
  return sum;
}

bool Finite(const ResultSet& result) {
  for (const TSegmentObject& s : result.Segments) {
    for (const Vector6* v : {&s.DispG, &s.DispL, &s.ForceL, &s.ForceG})
      for (double x : *v)
        if (!std::isfinite(x)) return false;
    if (!std::isfinite(s.Px) || !std::isfinite(s.Py)) return false;
  }
  for (double x : result.Displacements)
    if (!std::isfinite(x)) return false;
  return true;
}

// Each beam's utilisation and largest displacement in one result, by the
// beam's place in `beams`: NaN utilisation when a stretch's is.
void BeamValues(const ResultSet& result, const std::unordered_map<long, std::size_t>& place,
                std::vector<double>& utilisation, std::vector<double>& displacement) {
  utilisation.assign(place.size(), 0.0);
  displacement.assign(place.size(), 0.0);
  for (const TSegmentObject& segment : result.Segments) {
    const auto at = place.find(segment.BeamNo);
    if (at == place.end()) continue;
    double& u = utilisation[at->second];
    const double su = StretchUtilisation(segment);
    if (!std::isnan(u) && (std::isnan(su) || su > u)) u = su;
    displacement[at->second] = std::max(displacement[at->second], StretchMaxDisplacement(segment));
  }
}

// Whether `value` from another combination takes the place of `held`: larger,
// or undefined where the held one is not.
bool Exceeds(double value, double held) {
  if (std::isnan(held)) return false;
  return std::isnan(value) || value > held;
}

void FormEnvelopes(const ModelDocument& doc, CaseAnalysis& analysis) {
  std::unordered_map<long, std::size_t> place;
  std::vector<long> numbers;
  for (const TBeamObject& beam : ObjectsOf<TBeamObject>(doc)) {
    if (place.emplace(beam.Number, numbers.size()).second) numbers.push_back(beam.Number);
  }
  std::vector<double> utilisation, displacement;
  const std::vector<TCombination>& combinations = doc.Settings.Combinations;
  for (std::size_t k = 0; k < combinations.size(); ++k) {
    KindEnvelope& envelope = analysis.Envelopes[static_cast<std::size_t>(combinations[k].Kind)];
    const long number = combinations[k].Number;
    BeamValues(analysis.Combinations[k], place, utilisation, displacement);
    if (!envelope.Present) {
      envelope.Present = true;
      for (std::size_t b = 0; b < numbers.size(); ++b)
        envelope.Beams.push_back({numbers[b], utilisation[b], number, displacement[b], number});
      continue;
    }
    for (std::size_t b = 0; b < numbers.size(); ++b) {
      BeamEnvelope& beam = envelope.Beams[b];
      if (Exceeds(utilisation[b], beam.Utilisation)) {
        beam.Utilisation = utilisation[b];
        beam.UtilisationGoverning = number;
      }
      if (displacement[b] > beam.MaxDisplacement) {
        beam.MaxDisplacement = displacement[b];
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
}

void FailAll(ModelDocument& doc, CaseAnalysis& analysis, AnalysisFailure failure) {
  AnalysisOutcome& outcome = analysis.Outcome;
  const NodeTable nodes(doc);
  outcome.Analysed = nodes.Count() > 0;
  outcome.Failure = failure;
  outcome.Displacements.assign(3 * static_cast<std::size_t>(nodes.Count()), 0.0);
  analysis.Cases.clear();
  analysis.Combinations.clear();
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
  if (cases.empty() || !CasesHold(doc)) {
    FailAll(doc, analysis, AnalysisFailure::LoadCases);
    return analysis;
  }
  std::vector<LoadSelection> selections;
  for (const TLoadCase& loadCase : cases)
    selections.push_back(CaseLoads(doc, loadCase));
  SectionContext context;
  analysis.Cases.reserve(cases.size());
  analysis.Outcome = AnalyseSelections(doc, selections, context,
                                       [&](std::size_t, const std::vector<double>& displacements) {
                                         analysis.Cases.push_back(Captured(doc, displacements));
                                       });
  if (!analysis.Ok()) {
    analysis.Cases.clear();
    return analysis;
  }
  for (std::size_t c = 0; c < cases.size(); ++c) {
    context.SetDuration(cases[c].Duration);
    SetCapacities(analysis.Cases[c].Segments, doc, context);
  }
  for (const TCombination& combination : doc.Settings.Combinations) {
    ResultSet result = Combined(analysis, cases, combination);
    if (!Finite(result)) {
      FailAll(doc, analysis, AnalysisFailure::NotFinite);
      return analysis;
    }
    const DurationClass duration = CombinationDuration(combination, cases);
    context.SetDuration(duration);
    SetCapacities(result.Segments, doc, context);
    analysis.Combinations.push_back(std::move(result));
    analysis.Durations.push_back(duration);
  }
  FormEnvelopes(doc, analysis);
  return analysis;
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

const ResultSet* ChosenResult(const CaseAnalysis& analysis, const ModelDocument& doc,
                              const ResultChoice& choice) {
  if (!analysis.Ok()) return nullptr;
  const std::vector<TCombination>& combinations = doc.Settings.Combinations;
  long index = -1;
  switch (choice.Kind) {
  case ResultKind::Case:
    index = IndexOfNumber(doc.Settings.LoadCases, choice.Number);
    return index < 0 ? nullptr : &analysis.Cases[static_cast<std::size_t>(index)];
  case ResultKind::Combination:
    index = IndexOfNumber(combinations, choice.Number);
    break;
  case ResultKind::Envelope:
  case ResultKind::Default:
    index = IndexOfNumber(combinations, GoverningCombination(analysis, doc, choice));
    if (index < 0 && choice.Kind == ResultKind::Default && !analysis.Cases.empty())
      return &analysis.Cases.front();
    break;
  }
  return index < 0 ? nullptr : &analysis.Combinations[static_cast<std::size_t>(index)];
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
  AnalysisOutcome outcome = analysis.Outcome;
  outcome.Displacements = result.Displacements;
  return outcome;
}

AnalysisOutcome AnalyseChosenResult(ModelDocument& doc) {
  const CaseAnalysis analysis = AnalyseLoadCases(doc);
  if (!analysis.Ok()) return analysis.Outcome;
  const ResultSet* result = ChosenResult(analysis, doc, ParseResultChoice(doc.Settings.ResultSet));
  if (result == nullptr) result = ChosenResult(analysis, doc, ResultChoice{});
  return InstallResult(doc, analysis, *result);
}

} // namespace strandel
