#include "analysis/load_case_analysis.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <new>
#include <unordered_map>

#include "analysis/beam_curves.h"
#include "analysis/node_table.h"
#include "analysis/segments.h"
#include "analysis/solver.h"
#include "common/parallel.h"
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
  // Second-order results stand on their own, not as a sum of the cases'.
  const ResultSet* Solved = nullptr;
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
  if (index < analysis.SecondOrder.size() && analysis.SecondOrder[index])
    parts.Solved = &*analysis.SecondOrder[index];
  return parts;
}

template <std::size_t K>
void CombineInto(const CaseAnalysis& analysis, const CombinationParts& parts, std::size_t i,
                 const std::array<Vector6 TSegmentObject::*, K>& members, TSegmentObject& s) {
  for (Vector6 TSegmentObject::*member : members)
    s.*member = Vector6{};
  for (const auto& [c, factor] : parts.Parts) {
    const TSegmentObject& p = analysis.Cases[c].Segments[i];
    for (Vector6 TSegmentObject::*member : members)
      AddScaled(s.*member, p.*member, factor);
  }
}

// The end vectors the design check and the displacements read.
constexpr std::array kCheckedEnds = {&TSegmentObject::DispL, &TSegmentObject::ForceL};
// The rest, which only a whole combination shows.
constexpr std::array kShownEnds = {&TSegmentObject::DispG, &TSegmentObject::ForceG,
                                   &TSegmentObject::EqLoadL, &TSegmentObject::EqLoadG};

// Stretch i under the combination as far as its check needs it: what the
// loads give it summed over the cases with their factors (the analysis is
// linear), and the capacities of the combination's load duration. `s` holds
// stretch i of a case already: the rest is the same in every case.
void CombineChecked(const CaseAnalysis& analysis, const CombinationParts& parts, std::size_t i,
                    TSegmentObject& s) {
  if (parts.Solved) {
    s = parts.Solved->Segments[i];
    return;
  }
  s.Px = s.Py = 0;
  for (const auto& [c, factor] : parts.Parts) {
    const TSegmentObject& p = analysis.Cases[c].Segments[i];
    s.Px += factor * p.Px;
    s.Py += factor * p.Py;
  }
  CombineInto(analysis, parts, i, kCheckedEnds, s);
  if (i < parts.Capacities->size()) {
    const StretchCapacity& capacity = (*parts.Capacities)[i];
    s.Rtd = capacity.Rtd;
    s.Rcd = capacity.Rcd;
    s.Md = capacity.Md;
  }
}

// Stretch i under the combination, whole.
void CombineStretch(const CaseAnalysis& analysis, const CombinationParts& parts, std::size_t i,
                    TSegmentObject& s) {
  CombineChecked(analysis, parts, i, s);
  if (!parts.Solved) CombineInto(analysis, parts, i, kShownEnds, s);
}

// The supports' reactions and the nodes' displacements under the combination.
void CombineNodes(const CaseAnalysis& analysis, const CombinationParts& parts, ResultSet& sum) {
  if (parts.Solved) {
    sum.Reactions = parts.Solved->Reactions;
    sum.Displacements = parts.Solved->Displacements;
    return;
  }
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

bool CheckedFinite(const TSegmentObject& s) {
  return Finite(s.DispL) && Finite(s.ForceL) && std::isfinite(s.Px) && std::isfinite(s.Py);
}

// Whether the combination's end displacements and forces in global axes stay
// finite in every stretch. Each is a factored sum of the cases' values, so the
// cases' largest ones bound them all; only a combination whose bound comes
// near the largest double is summed stretch by stretch.
bool GlobalEndsFinite(const CaseAnalysis& analysis, const std::vector<double>& peaks,
                      const CombinationParts& parts) {
  double bound = 0;
  for (const auto& [c, factor] : parts.Parts)
    bound += std::fabs(factor) * peaks[c];
  if (bound < std::numeric_limits<double>::max() / 4) return true;
  constexpr std::array kGlobalEnds = {&TSegmentObject::DispG, &TSegmentObject::ForceG};
  TSegmentObject s;
  for (std::size_t i = 0; i < analysis.Cases.front().Segments.size(); ++i) {
    CombineInto(analysis, parts, i, kGlobalEnds, s);
    if (!Finite(s.DispG) || !Finite(s.ForceG)) return false;
  }
  return true;
}

// Per case, the largest end displacement or force in global axes of any stretch.
std::vector<double> GlobalPeaks(const CaseAnalysis& analysis) {
  std::vector<double> peaks;
  for (const ResultSet& result : analysis.Cases) {
    double peak = 0;
    for (const TSegmentObject& s : result.Segments)
      for (const Vector6* v : {&s.DispG, &s.ForceG})
        for (double x : *v)
          peak = std::isfinite(x) ? std::max(peak, std::fabs(x))
                                  : std::numeric_limits<double>::infinity();
    peaks.push_back(peak);
  }
  return peaks;
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

// A stretch's utilisation taking the place of the largest so far: larger, or
// undefined (NaN), which then stays.
void KeepHigherUtilisation(double& held, double value) {
  if (Exceeds(value, held)) held = value;
}

// Per beam and combination: the largest utilisation (NaN when a stretch's is
// undefined) and displacement over the beam's stretches; false when a
// combination's results are not all finite.
struct StretchPeaks {
  std::vector<double> Utilisation, Displacement;
  bool Finite = true;
};

struct StretchPass {
  const CaseAnalysis& Analysis;
  const std::vector<TCombination>& Combinations;
  const std::vector<CombinationParts>& Parts;
  const std::unordered_map<long, std::size_t>& Place;
  std::size_t From, To; // the stretches it works on
};

// Worked stretch by stretch, every combination of a stretch in turn: the
// stretch's case results are read from memory once for them all.
void CheckStretches(const StretchPass& pass, StretchPeaks& peaks) {
  const std::size_t count = pass.Combinations.size();
  const std::vector<TSegmentObject>& segments = pass.Analysis.Cases.front().Segments;
  TSegmentObject stretch;
  for (std::size_t i = pass.From; i < pass.To; ++i) {
    stretch = segments[i];
    const auto at = pass.Place.find(segments[i].BeamNo);
    for (std::size_t k = 0; k < count; ++k) {
      CombineChecked(pass.Analysis, pass.Parts[k], i, stretch);
      if (!CheckedFinite(stretch)) {
        peaks.Finite = false;
        return;
      }
      if (at == pass.Place.end()) continue;
      KeepHigherUtilisation(peaks.Utilisation[at->second * count + k], StretchUtilisation(stretch));
      // Displacements are judged under serviceability loads only.
      if (!IsServiceability(pass.Combinations[k].Kind)) continue;
      double& d = peaks.Displacement[at->second * count + k];
      d = std::max(d, StretchMaxDisplacement(stretch));
    }
  }
}

// The stretches shared out among the processor's cores when there are enough
// of them, times combinations, to be worth a thread: the design check of every
// stretch under every combination is most of the work after the solve.
std::vector<StretchPeaks> CheckStretchesInParallel(const StretchPass& whole, std::size_t beams) {
  constexpr std::size_t kChecksPerPart = 50000;
  const std::size_t stretches = whole.Analysis.Cases.front().Segments.size();
  const std::size_t count = whole.Combinations.size();
  const std::size_t checksPerStretch = std::max<std::size_t>(count, 1);
  const std::size_t minPerPart = std::max<std::size_t>(kChecksPerPart / checksPerStretch, 1);
  const std::vector<double> zeros(beams * count, 0.0);
  std::vector<StretchPeaks> peaks(ParallelParts(stretches, minPerPart),
                                  StretchPeaks{zeros, zeros, true});
  ParallelFor(stretches, minPerPart, [&](std::size_t part, std::size_t from, std::size_t to) {
    StretchPass pass = whole;
    pass.From = from;
    pass.To = to;
    CheckStretches(pass, peaks[part]);
  });
  return peaks;
}

// False when a combination's results are not all finite.
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
  const std::vector<double> peaks = GlobalPeaks(analysis);
  for (std::size_t k = 0; k < count; ++k) {
    parts.push_back(PartsOf(analysis, doc, k));
    CombineNodes(analysis, parts.back(), nodes);
    if (!Finite(nodes) || !GlobalEndsFinite(analysis, peaks, parts.back())) return false;
  }
  StretchPass pass{analysis, combinations, parts, place, {}, {}};
  std::vector<StretchPeaks> peaksOf = CheckStretchesInParallel(pass, numbers.size());
  if (std::any_of(peaksOf.begin(), peaksOf.end(),
                  [](const StretchPeaks& part) { return !part.Finite; }))
    return false;
  std::vector<double>& utilisation = peaksOf.front().Utilisation;
  std::vector<double>& displacement = peaksOf.front().Displacement;
  for (std::size_t w = 1; w < peaksOf.size(); ++w) {
    for (std::size_t j = 0; j < utilisation.size(); ++j) {
      KeepHigherUtilisation(utilisation[j], peaksOf[w].Utilisation[j]);
      displacement[j] = std::max(displacement[j], peaksOf[w].Displacement[j]);
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

// Every ultimate combination beyond first order: its alpha_cr, and with the
// document's switch on its second-order results. False when one fails; the
// outcome then names the first in list order that did.
bool AnalyseUltimateCombinations(ModelDocument& doc, CaseAnalysis& analysis,
                                 const AnalysisOptions& options) {
  const std::vector<TCombination>& combinations = doc.Settings.Combinations;
  const bool secondOrder = doc.Settings.SecondOrder;
  analysis.SecondOrder.assign(combinations.size(), std::nullopt);
  if (!secondOrder && !options.CriticalLoads) return true;
  std::vector<std::size_t> ultimate;
  for (std::size_t k = 0; k < combinations.size(); ++k)
    if (combinations[k].Kind == CombinationKind::Ultimate) ultimate.push_back(k);
  const NodeTable nodes(doc);
  const std::vector<char> free = FreeNodeUnknowns(doc, nodes);
  std::vector<LoadSetStability> stability(ultimate.size());
  std::vector<AnalysisOutcome> failures(ultimate.size());
  std::vector<char> carried(ultimate.size(), 1);
  // Each combination on its own, two or more of them at once on a processor
  // of several cores.
  ParallelFor(ultimate.size(), 1, [&](std::size_t, std::size_t from, std::size_t to) {
    for (std::size_t u = from; u < to; ++u) {
      const std::size_t k = ultimate[u];
      stability[u].Combination = combinations[k].Number;
      try {
        ResultSet result = FirstOrderCombinationResult(analysis, doc, k);
        carried[u] = AnalyseBeyondFirstOrder(result, doc, nodes, free, options.CriticalLoads,
                                             secondOrder, stability[u], failures[u]);
        if (carried[u] && secondOrder) analysis.SecondOrder[k] = std::move(result);
      } catch (const std::bad_alloc&) {
        // The pieces' equations do not fit in memory: said as for the frame.
        carried[u] = 0;
        failures[u].Failure = AnalysisFailure::OutOfMemory;
      }
    }
  });
  analysis.Outcome.Stability = stability;
  for (std::size_t u = 0; u < ultimate.size(); ++u) {
    if (carried[u]) continue;
    analysis.Outcome.Failure = failures[u].Failure;
    analysis.Outcome.Combination = failures[u].Combination;
    analysis.Outcome.CriticalFactor = failures[u].CriticalFactor;
    return false;
  }
  return true;
}

} // namespace

CaseAnalysis AnalyseLoadCases(ModelDocument& doc, const AnalysisOptions& options) {
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
  analysis.Cases.resize(cases.size());
  analysis.Outcome = AnalyseSelections(
      doc, selections, context,
      [&](std::size_t s, const ModelDocument& holder, const std::vector<double>& displacements) {
        analysis.Cases[s] = Captured(holder, displacements);
        analysis.Cases[s].Factors = {{cases[s].Number, 1.0}};
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
  if (!AnalyseUltimateCombinations(doc, analysis, options)) {
    const AnalysisOutcome failed = analysis.Outcome;
    FailAll(doc, analysis, failed.Failure);
    analysis.Outcome.Combination = failed.Combination;
    analysis.Outcome.CriticalFactor = failed.CriticalFactor;
    analysis.Outcome.Stability = failed.Stability;
    return analysis;
  }
  // A combination of huge factors can leave the doubles.
  if (!FormEnvelopes(doc, analysis)) FailAll(doc, analysis, AnalysisFailure::NotFinite);
  return analysis;
}

namespace {

void FormCombination(const CaseAnalysis& analysis, const ModelDocument& doc, std::size_t index,
                     const CombinationParts& parts, ResultSet& into) {
  into.Segments = analysis.Cases.front().Segments;
  const std::size_t count = into.Segments.size();
  for (std::size_t i = 0; i < count; ++i)
    CombineStretch(analysis, parts, i, into.Segments[i]);
  CombineNodes(analysis, parts, into);
  into.Factors = doc.Settings.Combinations[index].Factors;
}

} // namespace

void FormCombination(const CaseAnalysis& analysis, const ModelDocument& doc, std::size_t index,
                     ResultSet& into) {
  FormCombination(analysis, doc, index, PartsOf(analysis, doc, index), into);
}

ResultSet FirstOrderCombinationResult(const CaseAnalysis& analysis, const ModelDocument& doc,
                                      std::size_t index) {
  CombinationParts parts = PartsOf(analysis, doc, index);
  parts.Solved = nullptr;
  ResultSet result;
  FormCombination(analysis, doc, index, parts, result);
  return result;
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

AnalysisOutcome AnalyseChosenResult(ModelDocument& doc, const AnalysisOptions& options) {
  const CaseAnalysis analysis = AnalyseLoadCases(doc, options);
  if (!analysis.Ok()) return analysis.Outcome;
  return InstallResult(doc, analysis, *DocumentResult(analysis, doc));
}

} // namespace strandel
