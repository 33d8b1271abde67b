#include "analysis/solver.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <new>
#include <unordered_map>

#include "analysis/banded_solve.h"
#include "analysis/beam_curves.h"
#include "analysis/element.h"
#include "analysis/frame_system.h"
#include "analysis/load_balance.h"
#include "analysis/load_case_analysis.h"
#include "analysis/mobility.h"
#include "analysis/node_table.h"
#include "analysis/segments.h"
#include "sections/section_context.h"

namespace strandel {
namespace {

bool Finite(const Vector6& v) {
  for (double x : v)
    if (!std::isfinite(x)) return false;
  return true;
}

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

void Recover(ModelDocument& doc, const NodeTable& nodes, const std::vector<double>& u,
             int loadExponent) {
  TMatrix k, t, tt;
  for (TMatrix* m : {&k, &t, &tt})
    AllocMatrix(*m, 5, 5);
  TVector dispG, dispL, forceL, forceG, eqLoadL;
  for (TVector* v : {&dispG, &dispL, &forceL, &forceG, &eqLoadL})
    AllocVector(*v, 5);
  for (TSegmentObject& segment : doc.Segments) {
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

// The beam of a stretch whose results are not finite, or -1.
long NotFiniteBeam(const ModelDocument& doc) {
  for (const TSegmentObject& segment : doc.Segments) {
    // A stretch that bends (E I > 0) must also bend within the doubles: a section
    // of next to no stiffness can turn its ends so far that the deflection between
    // them overflows, although the ends themselves are finite.
    const bool bends = segment.EModulus * segment.Inertia > 0;
    if (!Finite(segment.ForceL) || !Finite(segment.ForceG) || !Finite(segment.DispL) ||
        (bends && !std::isfinite(StretchMaxDisplacement(segment))))
      return segment.BeamNo;
  }
  return -1;
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

// Steps from the segments to the recovered results of every selection, with one
// elimination of the stiffness; the outcome says how it ended. The results of
// selection s go to `store(s)` while doc holds them; with one selection they
// stay in doc.
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
  const auto degenerate = [&doc, &outcome] {
    for (const TSegmentObject& segment : doc.Segments) {
      if (const AnalysisFailure failure = DegenerateStretch(segment);
          failure != AnalysisFailure::None) {
        outcome.Failure = failure;
        outcome.Beam = segment.BeamNo;
        return true;
      }
    }
    return false;
  };
  if (degenerate()) return;

  // Every case's settlements count where the unknowns are chosen, so that the
  // choice holds for them all.
  FrameSystem system = several ? AssembleFrame(doc, nodes, LoadSelection{0, false})
                               : AssembleFrame(doc, nodes, selections.front());
  // Whether the structure can move is settled by its geometry, its hinges and
  // its supports before anything is solved; the loads only decide whether a
  // freedom nothing stiffens may be left out.
  const Mobility mobility = JudgeMobility(doc, nodes, system);
  LeaveOut(system, mobility.Unstiffened);
  std::vector<std::vector<double>> loads;
  std::vector<int> exponents;
  for (const LoadSelection& selection : selections) {
    Select(doc, nodes, selection, several, system);
    if (several && degenerate()) {
      FailInCase(outcome, selection);
      return;
    }
    if (const int unknown = UnresistedLoadedUnknown(system); unknown >= 0) {
      Fail(outcome, AnalysisFailure::Unstable, nodes, unknown);
      FailInCase(outcome, selection);
      return;
    }
    exponents.push_back(LoadExponent(system));
    loads.push_back(KeptLoads(system, exponents.back()));
  }
  if (mobility.CanMove()) {
    Fail(outcome, AnalysisFailure::Unstable, nodes, mobility.MovingUnknown);
    return;
  }

  std::vector<std::vector<double>> solutions(selections.size());
  int closestToMoving = -1; // the unknown that kept the least of its stiffness
  if (!system.Kept.empty()) {
    std::vector<double> unused;
    BandedMatrix a = BandedEquations(system, unused);
    const EliminationResult solved = BandedGaussSolve(a, loads, solutions);
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

  for (std::size_t s = 0; s < selections.size(); ++s) {
    Select(doc, nodes, selections[s], several, system);
    if (!Recovered(doc, nodes, system, selections[s], solutions[s], exponents[s], closestToMoving,
                   outcome.Displacements, outcome)) {
      FailInCase(outcome, selections[s]);
      return;
    }
    store(s, outcome.Displacements);
  }
}

} // namespace

AnalysisOutcome
AnalyseSelections(ModelDocument& doc, const std::vector<LoadSelection>& selections,
                  SectionContext& context,
                  const std::function<void(std::size_t, const std::vector<double>&)>& store) {
  AnalysisOutcome outcome;
  const NodeTable nodes(doc);
  if (nodes.Count() == 0 || selections.empty()) return outcome;
  outcome.Analysed = true;
  outcome.Displacements.assign(3 * static_cast<std::size_t>(nodes.Count()), 0.0);

  if (nodes.Count() > kMaxAnalysedNodes) {
    outcome.Failure = AnalysisFailure::TooManyNodes;
  } else {
    try {
      Solve(doc, nodes, context, selections, outcome, store);
    } catch (const std::bad_alloc&) {
      // A model whose band does not fit in memory is too big for this machine.
      outcome.Failure = AnalysisFailure::TooManyNodes;
    }
  }
  if (outcome.Failure != AnalysisFailure::None) {
    doc.Segments.clear();
    outcome.Displacements.assign(outcome.Displacements.size(), 0.0);
    ComputeReactions(doc); // the point loads at the supports' nodes, nothing carried
  }
  doc.ResultsValid = outcome.Failure == AnalysisFailure::None;
  outcome.Notes = context.NoteTexts();
  return outcome;
}

AnalysisOutcome AnalyseModel(ModelDocument& doc) {
  if (!doc.Settings.LoadCases.empty()) return AnalyseChosenResult(doc);
  SectionContext context;
  return AnalyseSelections(doc, {EveryLoad(doc)}, context,
                           [](std::size_t, const std::vector<double>&) {});
}

} // namespace strandel
