#include "analysis/solver.h"

#include <cmath>
#include <new>
#include <unordered_map>

#include "analysis/banded_solve.h"
#include "analysis/beam_curves.h"
#include "analysis/element.h"
#include "analysis/frame_system.h"
#include "analysis/load_balance.h"
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

void Recover(ModelDocument& doc, const NodeTable& nodes, const std::vector<double>& u) {
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
      eqLoadL[i] = segment.EqLoadL[i];
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
void ComputeReactions(ModelDocument& doc) {
  std::unordered_map<long, std::array<double, 3>> applied, carried;
  for (const TSupportObject& support : ObjectsOf<TSupportObject>(doc)) {
    applied[support.NodeNo] = {0, 0, 0};
    carried[support.NodeNo] = {0, 0, 0};
  }
  for (const TForceObject& force : ObjectsOf<TForceObject>(doc)) {
    const auto at = applied.find(force.NodeNo);
    if (at == applied.end()) continue;
    at->second[0] += std::cos(force.Angle) * force.Value;
    at->second[1] += std::sin(force.Angle) * force.Value;
  }
  for (const TMomentObject& moment : ObjectsOf<TMomentObject>(doc)) {
    const auto at = applied.find(moment.NodeNo);
    if (at != applied.end()) at->second[2] += moment.Value;
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

// Steps from the segments to the recovered results; the outcome says how it ended.
void Solve(ModelDocument& doc, const NodeTable& nodes, SectionContext& context,
           AnalysisOutcome& outcome) {
  const SegmentBuild built = BuildSegments(doc, nodes, context);
  if (built.Failure != AnalysisFailure::None) {
    outcome.Failure = built.Failure;
    outcome.Beam = built.Beam;
    return;
  }
  for (const TSegmentObject& segment : doc.Segments) {
    if (const AnalysisFailure failure = DegenerateStretch(segment);
        failure != AnalysisFailure::None) {
      outcome.Failure = failure;
      outcome.Beam = segment.BeamNo;
      return;
    }
  }

  const FrameSystem system = AssembleFrame(doc, nodes);
  if (const int unknown = UnresistedLoadedUnknown(system); unknown >= 0) {
    Fail(outcome, AnalysisFailure::Unstable, nodes, unknown);
    return;
  }
  std::vector<double> solution;
  int closestToMoving = -1; // the unknown that kept the least of its stiffness
  double smallestPivotRatio = 1;
  if (!system.Kept.empty()) {
    std::vector<double> b;
    BandedMatrix a = BandedEquations(system, b);
    const EliminationResult solved = BandedGaussSolve(a, b, solution);
    if (!solved.Ok()) {
      const int unknown = solved.Unknown >= 0 ? system.Kept[solved.Unknown] : -1;
      const bool vanished = solved.Failure == EliminationFailure::ZeroPivot ||
                            solved.Failure == EliminationFailure::NegligiblePivot;
      Fail(outcome, vanished ? AnalysisFailure::Unstable : AnalysisFailure::NotFinite, nodes,
           unknown);
      return;
    }
    smallestPivotRatio = solved.SmallestPivotRatio;
    if (solved.SmallestPivotUnknown >= 0)
      closestToMoving = system.Kept[solved.SmallestPivotUnknown];
  }

  std::vector<double>& u = outcome.Displacements;
  for (std::size_t r = 0; r < solution.size(); ++r)
    u[system.Kept[r]] = solution[r];
  std::vector<double> settlementMisses(system.Unknowns, 0.0);
  for (int d = 0; d < system.Unknowns; ++d) {
    if (!system.Restrained[d]) continue;
    settlementMisses[d] = system.Prescribed[d] - u[d];
    u[d] = system.Prescribed[d];
  }
  Recover(doc, nodes, u);
  for (const TSegmentObject& segment : doc.Segments) {
    // A stretch that bends (E I > 0) must also bend within the doubles: a section
    // of next to no stiffness can turn its ends so far that the deflection between
    // them overflows, although the ends themselves are finite.
    const bool bends = segment.EModulus * segment.Inertia > 0;
    if (!Finite(segment.ForceL) || !Finite(segment.ForceG) || !Finite(segment.DispL) ||
        (bends && !std::isfinite(StretchMaxDisplacement(segment)))) {
      outcome.Failure = AnalysisFailure::NotFinite;
      outcome.Beam = segment.BeamNo;
      return;
    }
  }
  // The elimination's test of its pivots is the first guard; reactions that do
  // not add up to the loads are the last, whatever let a mechanism through. The
  // structure then gives way where the elimination came closest to breaking down,
  // and how close it came says how much rounding the balance must allow.
  ComputeReactions(doc);
  if (!CheckLoadBalance(doc, nodes, system, settlementMisses, smallestPivotRatio).Balanced())
    Fail(outcome, AnalysisFailure::Unstable, nodes, closestToMoving);
}

} // namespace

AnalysisOutcome AnalyseModel(ModelDocument& doc) {
  AnalysisOutcome outcome;
  const NodeTable nodes(doc);
  if (nodes.Count() == 0) return outcome;
  outcome.Analysed = true;
  outcome.Displacements.assign(3 * static_cast<std::size_t>(nodes.Count()), 0.0);

  SectionContext context;
  if (nodes.Count() > kMaxAnalysedNodes) {
    outcome.Failure = AnalysisFailure::TooManyNodes;
  } else {
    try {
      Solve(doc, nodes, context, outcome);
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

} // namespace strandel
