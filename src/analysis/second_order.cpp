#include "analysis/second_order.h"

#include <algorithm>
#include <cmath>

#include "analysis/frame_system.h"
#include "analysis/lanczos.h"
#include "analysis/load_selection.h"
#include "analysis/mobility.h"
#include "analysis/sparse_factor.h"

namespace strandel {
namespace {

double FactorOf(const std::vector<CaseFactor>& factors, long loadCase) {
  if (factors.empty()) return 1;
  double sum = 0;
  for (const CaseFactor& part : factors)
    if (part.Case == loadCase) sum += part.Factor;
  return sum;
}

std::vector<double> StartNormals(const std::vector<TSegmentObject>& segments) {
  std::vector<double> normal(segments.size());
  for (std::size_t s = 0; s < segments.size(); ++s)
    normal[s] = -segments[s].ForceL[0];
  return normal;
}

// The larger axial force of a stretch's two ends; only compression when
// `compressedOnly` (0 for a stretch in tension).
double GreatestNormal(const TSegmentObject& segment, double startNormal, bool compressedOnly) {
  const double end = startNormal - segment.Px * segment.Length;
  if (compressedOnly) return std::max({0.0, -startNormal, -end});
  return std::max(std::fabs(startNormal), std::fabs(end));
}

// Pieces for the axial forces times `factor`, never fewer than `pieces` holds.
bool Refine(const std::vector<TSegmentObject>& segments, const std::vector<double>& normal,
            double factor, bool compressedOnly, std::vector<int>& pieces) {
  bool changed = false;
  for (std::size_t s = 0; s < segments.size(); ++s) {
    const TSegmentObject& segment = segments[s];
    const double force = factor * GreatestNormal(segment, normal[s], compressedOnly);
    const int wanted = PiecesFor(segment.Length, segment.EModulus * segment.Inertia, force);
    if (wanted > pieces[s]) {
      pieces[s] = wanted;
      changed = true;
    }
  }
  return changed;
}

double Largest(const std::vector<double>& v, std::size_t count) {
  double largest = 0;
  for (std::size_t i = 0; i < count; ++i)
    largest = std::max(largest, std::fabs(v[i]));
  return largest;
}

// An axial force no larger than this part of the frame's largest end force is
// the rounding of the solve (a beam carrying only loads across it), not a
// force that could buckle anything.
constexpr double kRoundingNormal = 1e-9;

// The axial forces, and the loads along the stretches, that are rounding set
// to none: with only rounding to go on, the critical factor would be that of
// noise, found slowly.
void WithoutRoundingNormals(std::vector<TSegmentObject>& segments, std::vector<double>& normal) {
  double largest = 0;
  for (const TSegmentObject& segment : segments)
    for (int i : {0, 1, 3, 4})
      largest = std::max(largest, std::fabs(segment.ForceL[i]));
  const double rounding = kRoundingNormal * largest;
  for (std::size_t s = 0; s < segments.size(); ++s) {
    if (std::fabs(normal[s]) <= rounding) normal[s] = 0;
    if (std::fabs(segments[s].Px * segments[s].Length) <= rounding) segments[s].Px = 0;
  }
}

BucklingMode ModeOf(const RefinedFrame& frame, const std::vector<double>& u,
                    const std::vector<TSegmentObject>& segments) {
  BucklingMode mode;
  // The largest translation becomes +1, so that the same frame always shows
  // the same side of its mode.
  double largest = 0;
  for (int d = 0; d < frame.Unknowns(); ++d)
    if (d % 3 != 2 && std::fabs(u[d]) > std::fabs(largest)) largest = u[d];
  const double scale = largest != 0 ? 1 / largest : 0;
  mode.Nodes.assign(u.begin(), u.begin() + frame.NodeUnknowns());
  for (double& x : mode.Nodes)
    x *= scale;
  for (std::size_t s = 0; s < segments.size(); ++s) {
    std::vector<std::array<double, 3>> points;
    const int count = frame.Pieces()[s];
    for (int p = 0; p < count; ++p) {
      const std::array<int, 6> unknowns = frame.PieceUnknowns(s, p);
      if (p == 0)
        points.push_back({u[unknowns[0]] * scale, u[unknowns[1]] * scale, u[unknowns[2]] * scale});
      points.push_back({u[unknowns[3]] * scale, u[unknowns[4]] * scale, u[unknowns[5]] * scale});
    }
    mode.Stretches.push_back(std::move(points));
  }
  return mode;
}

} // namespace

std::vector<char> FreeNodeUnknowns(const ModelDocument& doc, const NodeTable& nodes) {
  FrameSystem system = AssembleFrame(doc, nodes, LoadSelection{0, false});
  LeaveOut(system, JudgeMobility(doc, nodes, system).Unstiffened);
  std::vector<char> free(system.Unknowns, 0);
  for (int d = 0; d < system.Unknowns; ++d)
    free[d] = system.KeptIndex[d] >= 0 && !system.Restrained[d];
  return free;
}

NodeLoadSet LoadSetAt(const ModelDocument& doc, const NodeTable& nodes,
                      const std::vector<CaseFactor>& factors) {
  NodeLoadSet set;
  const std::size_t unknowns = 3 * static_cast<std::size_t>(nodes.Count());
  set.Loads.assign(unknowns, 0.0);
  set.Held.assign(unknowns, 0);
  set.Prescribed.assign(unknowns, 0.0);
  for (const TForceObject& force : ObjectsOf<TForceObject>(doc)) {
    const int node = nodes.IndexOf(force.NodeNo);
    const double factor = FactorOf(factors, force.Case);
    if (node < 0 || factor == 0) continue;
    set.Loads[3 * node] += factor * std::cos(force.Angle) * force.Value;
    set.Loads[3 * node + 1] += factor * std::sin(force.Angle) * force.Value;
  }
  for (const TMomentObject& moment : ObjectsOf<TMomentObject>(doc)) {
    const int node = nodes.IndexOf(moment.NodeNo);
    const double factor = FactorOf(factors, moment.Case);
    if (node < 0 || factor == 0) continue;
    set.Loads[3 * node + 2] += factor * moment.Value;
  }
  for (const TSupportObject& support : ObjectsOf<TSupportObject>(doc)) {
    const int node = nodes.IndexOf(support.NodeNo);
    if (node < 0) continue;
    const double factor = FactorOf(factors, support.Case);
    for (const HeldFreedom& freedom : HeldFreedoms(support, node, LoadSelection{0, false})) {
      if (!freedom.held) continue;
      set.Held[freedom.unknown] = 1;
      set.Prescribed[freedom.unknown] = factor * freedom.value;
    }
  }
  return set;
}

CriticalLoad FindCriticalLoad(const std::vector<TSegmentObject>& loaded, const NodeTable& nodes,
                              const std::vector<char>& free, bool withMode) {
  CriticalLoad critical;
  std::vector<TSegmentObject> segments = loaded;
  std::vector<double> normal = StartNormals(segments);
  WithoutRoundingNormals(segments, normal);
  // Every compressed stretch starts with two pieces, so that it can buckle
  // between its ends even when they cannot move (a column fixed at both); then
  // the pieces for the loads at the critical factor found, until that asks for
  // no more. The coarser equations are the stiffer, so a factor found with them
  // is no lower than the true one and the pieces it asks for are enough. The
  // factor depends on the pattern of the loads, not on their size.
  std::vector<int> pieces(segments.size(), 1);
  bool compressed = false;
  for (std::size_t s = 0; s < segments.size(); ++s) {
    if (!(GreatestNormal(segments[s], normal[s], true) > 0)) continue;
    pieces[s] = 2;
    compressed = true;
  }
  // Tension only stiffens: nothing can buckle.
  if (!compressed) {
    critical.Factor = std::numeric_limits<double>::infinity();
    return critical;
  }
  for (;;) {
    const RefinedFrame frame(segments, nodes, free, pieces);
    critical.Unknowns = frame.FreeCount();
    const RefinedEquations k = AssembleRefined(frame, segments, normal, 1, 0, nullptr);
    RefinedEquations g = AssembleRefined(frame, segments, normal, 0, 1, nullptr);
    for (LowerEntry& entry : g.Lower)
      entry.Value = -entry.Value;
    if (frame.FreeCount() == 0 || g.Lower.empty()) {
      critical.Factor = std::numeric_limits<double>::infinity();
      return critical;
    }
    SparseFactor factor;
    if (!factor.Factorise(frame.FreeCount(), k.Lower, true).Ok()) return critical;
    const EigenPair pair = LargestPositiveEigen(factor, k.Lower, g.Lower, frame.FreeCount());
    if (!pair.Converged) return critical;
    if (pair.Value == 0) {
      critical.Factor = std::numeric_limits<double>::infinity();
      return critical;
    }
    critical.Factor = 1 / pair.Value;
    if (Refine(segments, normal, critical.Factor, true, pieces)) continue;
    if (withMode)
      critical.Mode = ModeOf(frame, SpreadSolution(frame, pair.Vector, nullptr), segments);
    return critical;
  }
}

SecondOrderRun SolveSecondOrder(ResultSet& result, const ModelDocument& doc,
                                const NodeTable& nodes, const std::vector<char>& free,
                                const NodeLoadSet& loads) {
  SecondOrderRun run;
  std::vector<TSegmentObject> segments = result.Segments;
  std::vector<double> normal = StartNormals(segments);
  std::vector<int> pieces(segments.size(), 1);
  Refine(segments, normal, 1, false, pieces);
  std::vector<double> previous = result.Displacements;
  std::vector<double> u;
  const std::size_t nodeUnknowns = 3 * static_cast<std::size_t>(nodes.Count());
  double lastChange = std::numeric_limits<double>::infinity();
  bool relaxed = false;
  for (run.Iterations = 1; run.Iterations <= kMostSecondOrderIterations; ++run.Iterations) {
    const RefinedFrame frame(segments, nodes, free, pieces);
    const RefinedEquations equations = AssembleRefined(frame, segments, normal, 1, 1, &loads);
    std::vector<std::vector<double>> solution(1);
    if (frame.FreeCount() > 0) {
      SparseFactor factor;
      const EliminationResult factorised = factor.Factorise(frame.FreeCount(), equations.Lower, true);
      // A stiffness that the axial forces have turned indefinite (or singular)
      // no longer holds the frame: the loads exceed its critical load.
      if (factorised.Failure == EliminationFailure::ZeroPivot || factorised.NegativePivots > 0) {
        run.End = SecondOrderEnd::AboveCritical;
        return run;
      }
      if (!factorised.Ok() || !factor.Solve({equations.Rhs}, solution).Ok()) {
        run.End = SecondOrderEnd::NotFinite;
        return run;
      }
    }
    u = SpreadSolution(frame, solution.front(), &loads);
    RecoverRefined(frame, u, normal, 1, segments);
    double change = 0;
    for (std::size_t d = 0; d < nodeUnknowns; ++d)
      change = std::max(change, std::fabs(u[d] - previous[d]));
    const double size = Largest(u, nodeUnknowns);
    if (!std::isfinite(change) || !std::isfinite(size)) {
      run.End = SecondOrderEnd::NotFinite;
      return run;
    }
    previous.assign(u.begin(), u.begin() + nodeUnknowns);
    std::vector<double> next = StartNormals(segments);
    // Where the axial forces overshoot, the steps swing about the solution
    // instead of closing in: from then on each takes half its step.
    relaxed = relaxed || !(change < lastChange);
    if (relaxed)
      for (std::size_t s = 0; s < next.size(); ++s)
        next[s] = (normal[s] + next[s]) / 2;
    lastChange = change;
    normal = std::move(next);
    const bool refined = Refine(segments, normal, 1, false, pieces);
    if (!refined && change <= kSecondOrderTolerance * size) {
      for (TSegmentObject& segment : segments)
        segment.SecondOrder = true;
      result.Segments = std::move(segments);
      result.Displacements = std::move(previous);
      result.Reactions = SupportReactions(doc, nodes, result.Segments, loads);
      return run;
    }
  }
  run.Iterations = kMostSecondOrderIterations;
  run.End = SecondOrderEnd::NotConverged;
  return run;
}

std::vector<std::array<double, 6>> SupportReactions(const ModelDocument& doc,
                                                    const NodeTable& nodes,
                                                    const std::vector<TSegmentObject>& segments,
                                                    const NodeLoadSet& loads) {
  std::vector<std::array<double, 3>> carried(nodes.Count(), {0, 0, 0});
  for (const TSegmentObject& segment : segments) {
    const int a = nodes.IndexOf(segment.Node1), b = nodes.IndexOf(segment.Node2);
    for (int i = 0; i < 3; ++i) {
      carried[a][i] += segment.ForceG[i];
      carried[b][i] += segment.ForceG[i + 3];
    }
  }
  std::vector<std::array<double, 6>> reactions;
  for (const TSupportObject& support : ObjectsOf<TSupportObject>(doc)) {
    std::array<double, 6> r{};
    if (const int node = nodes.IndexOf(support.NodeNo); node >= 0)
      for (int i = 0; i < 3; ++i)
        r[i] = loads.Loads[3 * node + i] - carried[node][i];
    reactions.push_back(r);
  }
  return reactions;
}

bool AnalyseBeyondFirstOrder(ResultSet& result, const ModelDocument& doc, const NodeTable& nodes,
                             const std::vector<char>& free, bool critical, bool secondOrder,
                             LoadSetStability& stability, AnalysisOutcome& failure) {
  if (critical) stability.CriticalFactor = FindCriticalLoad(result.Segments, nodes, free, false).Factor;
  if (!secondOrder) return true;
  const NodeLoadSet loads = LoadSetAt(doc, nodes, result.Factors);
  const SecondOrderRun run = SolveSecondOrder(result, doc, nodes, free, loads);
  stability.Iterations = run.Iterations;
  if (run.End == SecondOrderEnd::Converged) {
    stability.SecondOrder = true;
    return true;
  }
  failure.Combination = stability.Combination;
  switch (run.End) {
  case SecondOrderEnd::AboveCritical:
    failure.Failure = AnalysisFailure::AboveCritical;
    if (!critical)
      stability.CriticalFactor = FindCriticalLoad(result.Segments, nodes, free, false).Factor;
    failure.CriticalFactor = stability.CriticalFactor;
    break;
  case SecondOrderEnd::NotConverged:
    failure.Failure = AnalysisFailure::NotConverged;
    break;
  default:
    failure.Failure = AnalysisFailure::NotFinite;
    break;
  }
  return false;
}

} // namespace strandel
