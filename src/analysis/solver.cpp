#include "analysis/solver.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <new>
#include <unordered_map>

#include "analysis/beam_curves.h"
#include "analysis/element.h"
#include "analysis/frame_system.h"
#include "analysis/load_balance.h"
#include "analysis/load_case_analysis.h"
#include "analysis/mobility.h"
#include "analysis/node_table.h"
#include "analysis/segments.h"
#include "analysis/sparse_factor.h"
#include "common/parallel.h"
#include "sections/section_context.h"

namespace strandel {
namespace {

// A stretch whose element stiffness cannot be formed, or None.
AnalysisFailure DegenerateStretch(const TSegmentObject& segment) {
  if (segment.Length == 0.0) return AnalysisFailure::ZeroLengthSegment;
  if (!std::isfinite(segment.Length) || !std::isfinite(segment.EModulus) ||
      !std::isfinite(segment.Area) || !std::isfinite(segment.Inertia) ||
      !std::isfinite(segment.Px) || !std::isfinite(segment.Py) || !Finite(segment.EqLoadG))
    return AnalysisFailure::NotFinite;
  if (segment.EModulus * segment.Area == 0.0) return AnalysisFailure::ZeroStiffness;
  return AnalysisFailure::None;
}

void Fail(AnalysisOutcome& outcome, AnalysisFailure failure, const NodeTable& nodes, int unknown) {
  outcome.Failure = failure;
  if (unknown >= 0) {
    outcome.Node = nodes.Node(unknown / 3).Number;
    outcome.NodeFreedom = static_cast<Freedom>(unknown % 3);
  }
}

// Loads whose largest entry lies outside [2^-512, 2^512] are solved scaled by a
// power of two that brings it to about 1, which changes no digit but keeps the
// displacements and forces of a 1e-320 N load from vanishing below the smallest
// double (or those of a 1e300 N load from overflowing). Between those bounds
// nothing is scaled.
constexpr int kLoadExponentReach = 512;

int LoadExponent(const FrameSystem& system) {
  double largest = 0;
  for (double f : system.F)
    largest = std::max(largest, std::fabs(f));
  if (!(largest > 0) || !std::isfinite(largest)) return 0;
  const int exponent = std::ilogb(largest);
  return std::abs(exponent) > kLoadExponentReach ? -exponent : 0;
}

double Scaled(double value, int exponent) {
  return exponent == 0 ? value : std::ldexp(value, exponent);
}

void RecoverStretches(std::vector<TSegmentObject>& segments, std::size_t from, std::size_t to,
                      const NodeTable& nodes, const std::vector<double>& u, int loadExponent) {
  TMatrix k, t, tt;
  for (TMatrix* m : {&k, &t, &tt})
    AllocMatrix(*m, 5, 5);
  TVector dispG, dispL, forceL, forceG, eqLoadL;
  for (TVector* v : {&dispG, &dispL, &forceL, &forceG, &eqLoadL})
    AllocVector(*v, 5);
  for (std::size_t s = from; s < to; ++s) {
    TSegmentObject& segment = segments[s];
    const int a = 3 * nodes.IndexOf(segment.Node1), b = 3 * nodes.IndexOf(segment.Node2);
    for (int i = 0; i < 3; ++i) {
      dispG[i] = u[a + i];
      dispG[i + 3] = u[b + i];
    }
    // A hinged end does not turn with its node.
    if (!segment.Locked1) dispG[2] = 0;
    if (!segment.Locked2) dispG[5] = 0;
    LocalStiffness(segment, k);
    Transformation(segment.Angle, t);
    TransposedTransformation(segment.Angle, tt);
    MatVecMul(t, dispG, dispL, 5, 5);
    MatVecMul(k, dispL, forceL, 5, 5);
    for (int i = 0; i < 6; ++i)
      eqLoadL[i] = Scaled(segment.EqLoadL[i], loadExponent);
    VecSub(forceL, eqLoadL, 5);
    MatVecMul(tt, forceL, forceG, 5, 5);
    for (int i = 0; i < 6; ++i) {
      segment.DispG[i] = dispG[i];
      segment.DispL[i] = dispL[i];
      segment.ForceL[i] = forceL[i];
      segment.ForceG[i] = forceG[i];
    }
  }
}

// The stretches' end displacements and forces from the nodes' displacements;
// every stretch on its own, so a large frame shares them among the cores.
void Recover(ModelDocument& doc, const NodeTable& nodes, const std::vector<double>& u,
             int loadExponent) {
  constexpr std::size_t kStretchesPerPart = 2000;
  ParallelFor(doc.Segments.size(), kStretchesPerPart,
              [&](std::size_t, std::size_t from, std::size_t to) {
                RecoverStretches(doc.Segments, from, to, nodes, u, loadExponent);
              });
}

// The force and moment the structure exerts on each support: the point loads at
// its node less what the stretches meeting there take from the node.
void ComputeReactions(ModelDocument& doc, int loadExponent = 0,
                      const LoadSelection& selection = {}) {
  std::unordered_map<long, std::array<double, 3>> applied, carried;
  for (const TSupportObject& support : ObjectsOf<TSupportObject>(doc)) {
    applied[support.NodeNo] = {0, 0, 0};
    carried[support.NodeNo] = {0, 0, 0};
  }
  for (const TForceObject& force : ObjectsOf<TForceObject>(doc)) {
    if (!selection.Takes(force.Case)) continue;
    const auto at = applied.find(force.NodeNo);
    if (at == applied.end()) continue;
    const double value = Scaled(force.Value, loadExponent);
    at->second[0] += std::cos(force.Angle) * value;
    at->second[1] += std::sin(force.Angle) * value;
  }
  for (const TMomentObject& moment : ObjectsOf<TMomentObject>(doc)) {
    if (!selection.Takes(moment.Case)) continue;
    const auto at = applied.find(moment.NodeNo);
    if (at != applied.end()) at->second[2] += Scaled(moment.Value, loadExponent);
  }
  for (const TSegmentObject& segment : doc.Segments) {
    if (const auto at = carried.find(segment.Node1); at != carried.end()) {
      for (int i = 0; i < 3; ++i)
        at->second[i] += segment.ForceG[i];
    }
    if (const auto at = carried.find(segment.Node2); at != carried.end()) {
      for (int i = 0; i < 3; ++i)
        at->second[i] += segment.ForceG[i + 3];
    }
  }
  for (TSupportObject& support : ObjectsOf<TSupportObject>(doc)) {
    support.Reactions = {};
    for (int i = 0; i < 3; ++i)
      support.Reactions[i] = applied[support.NodeNo][i] - carried[support.NodeNo][i];
  }
}

bool StretchFinite(const TSegmentObject& segment) {
  // A stretch that bends (E I > 0) must also bend within the doubles.
  const bool bends = segment.EModulus * segment.Inertia > 0;
  return Finite(segment.ForceL) && Finite(segment.ForceG) && Finite(segment.DispL) &&
         (!bends || StretchBendsWithinDoubles(segment));
}

// The beam of the first stretch whose results are not finite, or -1.
long NotFiniteBeam(const ModelDocument& doc) {
  constexpr std::size_t kStretchesPerPart = 2000;
  const std::vector<TSegmentObject>& segments = doc.Segments;
  std::vector<std::size_t> firstOfPart(ParallelParts(segments.size(), kStretchesPerPart),
                                       segments.size());
  ParallelFor(segments.size(), kStretchesPerPart,
              [&](std::size_t part, std::size_t from, std::size_t to) {
                for (std::size_t s = from; s < to; ++s) {
                  if (!StretchFinite(segments[s])) {
                    firstOfPart[part] = s;
                    return;
                  }
                }
              });
  const std::size_t first = *std::min_element(firstOfPart.begin(), firstOfPart.end());
  return first < segments.size() ? segments[first].BeamNo : -1;
}

// Results of a solve with loads scaled by 2^loadExponent brought back to the loads.
void Unscale(ModelDocument& doc, std::vector<double>& u, int loadExponent) {
  const auto back = [loadExponent](double& value) { value = std::ldexp(value, -loadExponent); };
  for (double& value : u)
    back(value);
  for (TSegmentObject& segment : doc.Segments) {
    for (Vector6* v : {&segment.DispG, &segment.DispL, &segment.ForceL, &segment.ForceG})
      for (double& value : *v)
        back(value);
  }
  for (TSupportObject& support : ObjectsOf<TSupportObject>(doc))
    for (double& value : support.Reactions)
      back(value);
}

// The solution of the kept unknowns spread over every unknown, the held ones
// taking their prescribed values (scaled like the loads); returns, per unknown,
// the prescribed value less the solved one.
std::vector<double> Expand(const FrameSystem& system, const std::vector<double>& solution,
                           int loadExponent, std::vector<double>& u) {
  std::fill(u.begin(), u.end(), 0.0);
  for (std::size_t r = 0; r < solution.size(); ++r)
    u[system.Kept[r]] = solution[r];
  std::vector<double> misses(system.Unknowns, 0.0);
  for (int d = 0; d < system.Unknowns; ++d) {
    if (!system.Restrained[d]) continue;
    const double prescribed = Scaled(system.Prescribed[d], loadExponent);
    misses[d] = prescribed - u[d];
    u[d] = prescribed;
  }
  return misses;
}

// The kept part of the loads, scaled by 2^exponent.
std::vector<double> KeptLoads(const FrameSystem& system, int exponent) {
  std::vector<double> b(system.Kept.size());
  for (std::size_t r = 0; r < b.size(); ++r)
    b[r] = Scaled(system.F[system.Kept[r]], exponent);
  return b;
}

// The stretches carry the loads of `selection` and the equations its loads and
// settlements; a document of one load set is set up so already.
void Select(ModelDocument& doc, const NodeTable& nodes, const LoadSelection& selection, bool reload,
            FrameSystem& system) {
  if (!reload) return;
  LoadSegments(doc.Segments, doc, nodes, selection);
  SetSelectedLoads(doc, nodes, selection, system);
}

void FailInCase(AnalysisOutcome& outcome, const LoadSelection& selection) {
  if (outcome.Failure != AnalysisFailure::None && selection.Case != 0)
    outcome.Case = selection.Case;
}

// From the solved unknowns of one selection to its recovered results in doc;
// false (with the outcome saying why) when they do not hold.
bool Recovered(ModelDocument& doc, const NodeTable& nodes, const FrameSystem& system,
               const LoadSelection& selection, const std::vector<double>& solution,
               int loadExponent, int closestToMoving, std::vector<double>& u,
               AnalysisOutcome& outcome) {
  const std::vector<double> settlementMisses = Expand(system, solution, loadExponent, u);
  Recover(doc, nodes, u, loadExponent);
  if (const long beam = NotFiniteBeam(doc); beam >= 0) {
    outcome.Failure = AnalysisFailure::NotFinite;
    outcome.Beam = beam;
    return false;
  }
  // The reactions must add up to the loads: the last net, should a solve have
  // gone wrong all the same. It then fails where the elimination came closest
  // to breaking down.
  ComputeReactions(doc, loadExponent, selection);
  if (!CheckLoadBalance(doc, nodes, system, settlementMisses, loadExponent, selection).Balanced()) {
    Fail(outcome, AnalysisFailure::Unstable, nodes, closestToMoving);
    return false;
  }
  if (loadExponent != 0) {
    Unscale(doc, u, loadExponent);
    if (const long beam = NotFiniteBeam(doc); beam >= 0) {
      outcome.Failure = AnalysisFailure::NotFinite;
      outcome.Beam = beam;
      return false;
    }
  }
  return true;
}

// The objects, settings and stretches of doc, to work on a load selection in
// beside it.
ModelDocument WorkingCopy(const ModelDocument& doc) {
  ModelDocument copy;
  copy.Settings = doc.Settings;
  copy.GraphObjects.reserve(doc.GraphObjects.size());
  for (const auto& object : doc.GraphObjects)
    copy.GraphObjects.push_back(std::make_unique<GraphObject>(*object));
  copy.Segments = doc.Segments;
  return copy;
}

// Where a run of selections is worked on: the document and equations it loads
// them into, and what its outcome says.
struct Run {
  ModelDocument* Doc;
  FrameSystem* System;
  AnalysisOutcome Outcome;
};

// The selections shared out in runs, one per core for a large frame. The last
// run works in the analysed document and its equations, the others in copies
// of them, so that the document ends up as if the selections had been worked
// on in turn.
class Runs {
public:
  Runs(ModelDocument& doc, FrameSystem& system, const std::vector<LoadSelection>& selections,
       AnalysisOutcome& outcome)
      : selections_(selections), outcome_(outcome) {
    constexpr std::size_t kStretchesPerCopy = 2000;
    const std::size_t count =
        std::min(ParallelParts(selections.size(), 1),
                 std::max<std::size_t>(doc.Segments.size() / kStretchesPerCopy, 1));
    docs_.reserve(count - 1);
    systems_.reserve(count - 1);
    for (std::size_t r = 0; r + 1 < count; ++r) {
      docs_.push_back(WorkingCopy(doc));
      systems_.push_back(system);
      runs_.push_back({&docs_.back(), &systems_.back(), outcome});
    }
    runs_.push_back({&doc, &system, outcome});
  }

  // Calls step(run, s) for every selection s, each run's in rising order, until
  // one returns false: the first selection that fails, over all runs, then
  // speaks for the analysis, its case named. False when one failed.
  template <class Step> bool Each(Step step) {
    const std::size_t count = selections_.size();
    std::vector<std::size_t> failed(runs_.size(), count);
    RunInParts(count, runs_.size(), [&](std::size_t r, std::size_t from, std::size_t to) {
      for (std::size_t s = from; s < to; ++s) {
        if (!step(runs_[r], s)) {
          FailInCase(runs_[r].Outcome, selections_[s]);
          failed[r] = s;
          return;
        }
      }
    });
    const auto first = std::min_element(failed.begin(), failed.end());
    outcome_ = *first < count ? runs_[first - failed.begin()].Outcome : runs_.back().Outcome;
    return *first == count;
  }

private:
  const std::vector<LoadSelection>& selections_;
  AnalysisOutcome& outcome_;
  std::vector<ModelDocument> docs_;
  std::vector<FrameSystem> systems_;
  std::vector<Run> runs_;
};

// Steps from the segments to the recovered results of every selection, with one
// elimination of the stiffness; the outcome says how it ended. The results of
// selection s go to `store(s, holder, displacements)` while holder, doc or a
// copy of it, holds them; with one selection they stay in doc.
template <class Store>
void Solve(ModelDocument& doc, const NodeTable& nodes, SectionContext& context,
           const std::vector<LoadSelection>& selections, AnalysisOutcome& outcome, Store store) {
  const bool several = selections.size() > 1 || selections.front().Case != 0;
  const SegmentBuild built = BuildSegments(doc, nodes, context, selections.front());
  if (built.Failure != AnalysisFailure::None) {
    outcome.Failure = built.Failure;
    outcome.Beam = built.Beam;
    return;
  }
  const auto degenerate = [](const ModelDocument& holder, AnalysisOutcome& said) {
    for (const TSegmentObject& segment : holder.Segments) {
      if (const AnalysisFailure failure = DegenerateStretch(segment);
          failure != AnalysisFailure::None) {
        said.Failure = failure;
        said.Beam = segment.BeamNo;
        return true;
      }
    }
    return false;
  };
  if (degenerate(doc, outcome)) return;

  // Every case's settlements count where the unknowns are chosen, so that the
  // choice holds for them all.
  FrameSystem system = several ? AssembleFrame(doc, nodes, LoadSelection{0, false})
                               : AssembleFrame(doc, nodes, selections.front());
  // Whether the structure can move is settled by its geometry, its hinges and
  // its supports before anything is solved; the loads only decide whether a
  // freedom nothing stiffens may be left out.
  const Mobility mobility = JudgeMobility(doc, nodes, system);
  LeaveOut(system, mobility.Unstiffened);
  Runs runs(doc, system, selections, outcome);
  std::vector<std::vector<double>> loads(selections.size());
  std::vector<int> exponents(selections.size());
  const bool selected = runs.Each([&](Run& run, std::size_t s) {
    Select(*run.Doc, nodes, selections[s], several, *run.System);
    if (several && degenerate(*run.Doc, run.Outcome)) return false;
    if (const int unknown = UnresistedLoadedUnknown(*run.System); unknown >= 0) {
      Fail(run.Outcome, AnalysisFailure::Unstable, nodes, unknown);
      return false;
    }
    exponents[s] = LoadExponent(*run.System);
    loads[s] = KeptLoads(*run.System, exponents[s]);
    return true;
  });
  if (!selected) return;
  if (mobility.CanMove()) {
    Fail(outcome, AnalysisFailure::Unstable, nodes, mobility.MovingUnknown);
    return;
  }

  std::vector<std::vector<double>> solutions(selections.size());
  int closestToMoving = -1; // the unknown that kept the least of its stiffness
  if (!system.Kept.empty()) {
    SparseFactor factor;
    EliminationResult solved =
        factor.Factorise(static_cast<int>(system.Kept.size()), KeptStiffness(system));
    if (solved.Ok()) {
      const EliminationResult substituted = factor.Solve(loads, solutions);
      solved.Failure = substituted.Failure;
      solved.Unknown = substituted.Unknown;
    }
    if (!solved.Ok()) {
      const int unknown = solved.Unknown >= 0 ? system.Kept[solved.Unknown] : -1;
      const bool vanished = solved.Failure == EliminationFailure::ZeroPivot;
      Fail(outcome, vanished ? AnalysisFailure::Unstable : AnalysisFailure::NotFinite, nodes,
           unknown);
      return;
    }
    if (solved.SmallestPivotUnknown >= 0)
      closestToMoving = system.Kept[solved.SmallestPivotUnknown];
  }
  loads.clear();

  runs.Each([&](Run& run, std::size_t s) {
    Select(*run.Doc, nodes, selections[s], several, *run.System);
    if (!Recovered(*run.Doc, nodes, *run.System, selections[s], solutions[s], exponents[s],
                   closestToMoving, run.Outcome.Displacements, run.Outcome))
      return false;
    store(s, *run.Doc, run.Outcome.Displacements);
    return true;
  });
}

// A failed analysis leaves no results: the segment list empty, the reactions
// the point loads at the supports' nodes, nothing carried.
void ClearResults(ModelDocument& doc, AnalysisOutcome& outcome) {
  doc.Segments.clear();
  outcome.Displacements.assign(outcome.Displacements.size(), 0.0);
  ComputeReactions(doc);
  doc.ResultsValid = false;
}

} // namespace

AnalysisOutcome AnalyseSelections(ModelDocument& doc, const std::vector<LoadSelection>& selections,
                                  SectionContext& context,
                                  const std::function<void(std::size_t, const ModelDocument&,
                                                           const std::vector<double>&)>& store) {
  AnalysisOutcome outcome;
  const NodeTable nodes(doc);
  if (nodes.Count() == 0 || selections.empty()) return outcome;
  outcome.Analysed = true;
  outcome.Displacements.assign(3 * static_cast<std::size_t>(nodes.Count()), 0.0);

  try {
    Solve(doc, nodes, context, selections, outcome, store);
  } catch (const std::bad_alloc&) {
    // The factor, or the results of the load cases, do not fit in memory.
    AnalysisOutcome tooLarge;
    tooLarge.Analysed = true;
    tooLarge.Failure = AnalysisFailure::OutOfMemory;
    tooLarge.Displacements = std::move(outcome.Displacements);
    outcome = std::move(tooLarge);
  }
  if (outcome.Failure != AnalysisFailure::None) ClearResults(doc, outcome);
  doc.ResultsValid = outcome.Failure == AnalysisFailure::None;
  outcome.Notes = context.NoteTexts();
  return outcome;
}

AnalysisOutcome AnalyseModel(ModelDocument& doc, const AnalysisOptions& options) {
  if (!doc.Settings.LoadCases.empty()) return AnalyseChosenResult(doc, options);
  SectionContext context;
  AnalysisOutcome outcome =
      AnalyseSelections(doc, {EveryLoad(doc)}, context,
                        [](std::size_t, const ModelDocument&, const std::vector<double>&) {});
  const bool secondOrder = doc.Settings.SecondOrder;
  if (!outcome.Ok() || (!secondOrder && !options.CriticalLoads)) return outcome;
  // The single load set is the design load set: it stands for an ultimate
  // combination.
  const NodeTable nodes(doc);
  ResultSet result;
  result.Segments = doc.Segments;
  for (const TSupportObject& support : ObjectsOf<TSupportObject>(doc))
    result.Reactions.push_back(support.Reactions);
  result.Displacements = outcome.Displacements;
  LoadSetStability stability;
  bool carried = false;
  try {
    carried = AnalyseBeyondFirstOrder(result, doc, nodes, FreeNodeUnknowns(doc, nodes),
                                      options.CriticalLoads, secondOrder, stability, outcome);
  } catch (const std::bad_alloc&) {
    outcome.Failure = AnalysisFailure::OutOfMemory;
  }
  outcome.Stability.push_back(stability);
  if (!carried) {
    ClearResults(doc, outcome);
    return outcome;
  }
  doc.Segments = std::move(result.Segments);
  std::size_t i = 0;
  for (TSupportObject& support : ObjectsOf<TSupportObject>(doc))
    support.Reactions = result.Reactions[i++];
  outcome.Displacements = std::move(result.Displacements);
  return outcome;
}

} // namespace strandel
