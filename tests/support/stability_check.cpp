#include "support/stability_check.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "analysis/frame_system.h"
#include "analysis/mobility.h"
#include "analysis/segments.h"
#include "analysis/solver.h"
#include "sections/section_context.h"
#include "support/frame_models.h"
#include "support/independent_frame.h"

namespace strandel::testing {
namespace {

// The analysis's verdict on its own, for the margins.
Mobility MobilityOf(ModelDocument& doc) {
  const NodeTable nodes(doc);
  SectionContext context;
  BuildSegments(doc, nodes, context);
  return JudgeMobility(doc, nodes, AssembleFrame(doc, nodes));
}

// Loads and reactions added up independently: forces, and moments about the
// middle of the model counted over its half-diagonal; the part of their size by
// which they fail to balance.
double Equilibrium(const ModelDocument& doc) {
  double minX = 1e300, maxX = -1e300, minY = 1e300, maxY = -1e300;
  for (const TNodeObject& node : ObjectsOf<TNodeObject>(doc)) {
    minX = std::min(minX, node.X), maxX = std::max(maxX, node.X);
    minY = std::min(minY, node.Y), maxY = std::max(maxY, node.Y);
  }
  const double mx = (minX + maxX) / 2, my = (minY + maxY) / 2;
  const double reach = std::max(std::hypot(maxX - minX, maxY - minY) / 2, 1e-3);
  double fx = 0, fy = 0, m = 0, size = 0;
  auto add = [&](double x, double y, double px, double py, double moment, double sign) {
    fx += sign * px, fy += sign * py;
    m += sign * ((x - mx) * py - (y - my) * px + moment);
    size += std::fabs(px) + std::fabs(py) +
            (std::fabs((x - mx) * py) + std::fabs((y - my) * px) + std::fabs(moment)) / reach;
  };
  const std::vector<IndependentStretch> stretches = StretchesOf(doc);
  std::vector<const TNodeObject*> nodes;
  for (const TNodeObject& node : ObjectsOf<TNodeObject>(doc))
    nodes.push_back(&node);
  std::vector<char> turns(nodes.size(), 0); // a rigid end or a support takes a moment
  for (const IndependentStretch& e : stretches) {
    turns[e.A] |= e.LockedA;
    turns[e.B] |= e.LockedB;
  }
  for (const TSupportObject& support : ObjectsOf<TSupportObject>(doc))
    turns[NodeIndex(doc, support.NodeNo)] = 1;
  for (const TForceObject& force : ObjectsOf<TForceObject>(doc)) {
    const TNodeObject* at = FindNode(doc, force.NodeNo);
    add(at->X, at->Y, force.Value * std::cos(force.Angle), force.Value * std::sin(force.Angle), 0,
        1);
  }
  for (const TMomentObject& moment : ObjectsOf<TMomentObject>(doc))
    if (turns[NodeIndex(doc, moment.NodeNo)]) add(0, 0, 0, 0, moment.Value, 1);
  for (const IndependentStretch& e : stretches) {
    const TBeamObject& beam = *FindBeam(doc, e.Beam);
    const TNodeObject &a = *nodes[e.A], &b = *nodes[e.B];
    const double length = std::hypot(b.X - a.X, b.Y - a.Y);
    const double x = (a.X + b.X) / 2, y = (a.Y + b.Y) / 2;
    for (const TLoadObject& load : ObjectsOf<TLoadObject>(doc)) {
      if (load.HostBeam == e.Beam)
        add(x, y, load.Value * length * std::cos(load.Angle),
            load.Value * length * std::sin(load.Angle), 0, 1);
    }
    if (doc.Settings.OwnWeight)
      add(x, y, 0, -beam.B * beam.H * beam.Dens * kGravity * length, 0, 1);
  }
  std::vector<char> counted(nodes.size(), 0);
  for (const TSupportObject& support : ObjectsOf<TSupportObject>(doc)) {
    const int index = NodeIndex(doc, support.NodeNo);
    if (counted[index]) continue;
    counted[index] = 1;
    add(nodes[index]->X, nodes[index]->Y, support.Reactions[0], support.Reactions[1],
        support.Reactions[2], -1);
  }
  // A settlement that moves a part of the frame rigidly leaves reactions of
  // rounding only, and the stiff springs that impose settlements miss them by
  // 1e-10: they are measured against the force the stretches at the settled
  // node would feel were the settlement taken up by their axial stiffness.
  double settlement = 0;
  for (const TSupportObject& support : ObjectsOf<TSupportObject>(doc)) {
    const int index = NodeIndex(doc, support.NodeNo);
    for (const IndependentStretch& e : stretches) {
      if (e.A != index && e.B != index) continue;
      const TBeamObject& beam = *FindBeam(doc, e.Beam);
      const TNodeObject &a = *nodes[e.A], &b = *nodes[e.B];
      const double length = std::hypot(b.X - a.X, b.Y - a.Y);
      // A turn of the support moves the stretch's far end by its length times it.
      const double moved =
          std::fabs(support.DX) + std::fabs(support.DY) + length * std::fabs(support.DRot);
      settlement += beam.Ek * beam.B * beam.H / length * moved;
    }
  }
  size += settlement;
  const double worst = std::max({std::fabs(fx), std::fabs(fy), std::fabs(m) / reach});
  return worst == 0 ? 0 : worst / size;
}

} // namespace

void CheckGeneratedFrame(RandomFrame& frame, bool compareDense, StabilityTally& tally) {
  ModelDocument& doc = frame.Doc;
  ++tally.Frames;
  const RankJudgement judge = JudgeByRank(doc);
  tally.SmallestKeptSingular = std::min(tally.SmallestKeptSingular, judge.SmallestKept);
  tally.LargestDroppedSingular = std::max(tally.LargestDroppedSingular, judge.LargestDropped);
  const Mobility mobility = MobilityOf(doc);
  tally.LargestTolerance = std::max(tally.LargestTolerance, mobility.Tolerance);
  const AnalysisOutcome outcome = AnalyseModel(doc);
  std::ostringstream where;
  where << frame.Description() << ": ";

  if (judge.Stable()) {
    ++tally.Stable;
    tally.SmallestStableSine = std::min(tally.SmallestStableSine, mobility.SmallestSine);
    tally.SmallestStableMargin = std::min(tally.SmallestStableMargin, mobility.StandingMargin);
    if (!outcome.Ok()) {
      where << "stable, refused (" << FailureReason(outcome.Failure) << " at node " << outcome.Node
            << " " << FreedomName(outcome.NodeFreedom) << ")";
      tally.Disagreements.push_back(where.str());
      return;
    }
    double& worst = frame.Slender ? tally.WorstSlenderEquilibrium : tally.WorstEquilibrium;
    worst = std::max(worst, Equilibrium(doc));
    // Loads that cancel leave displacements of rounding, which no two solves share.
    if (!compareDense || frame.Slender || frame.Loads == LoadMix::SummingToZero ||
        frame.Loads == LoadMix::None)
      return;
    const std::vector<double> dense = DenseDisplacements(doc);
    if (dense.size() != outcome.Displacements.size()) return;
    double largest = 0, difference = 0;
    for (std::size_t d = 0; d < dense.size(); ++d) {
      largest = std::max(largest, std::fabs(dense[d]));
      difference = std::max(difference, std::fabs(dense[d] - outcome.Displacements[d]));
    }
    ++tally.DenseCompared;
    if (largest > 0)
      tally.WorstDenseDifference = std::max(tally.WorstDenseDifference, difference / largest);
    return;
  }

  ++tally.Moving;
  if (mobility.CanMove()) {
    tally.LargestMovingSine = std::max(tally.LargestMovingSine, mobility.MovingSine);
    tally.LargestMovingMargin = std::max(tally.LargestMovingMargin, mobility.MovingMargin);
  }
  if (outcome.Failure != AnalysisFailure::Unstable) {
    where << "moves, " << (outcome.Ok() ? "solved" : FailureReason(outcome.Failure));
    tally.Disagreements.push_back(where.str());
    return;
  }
  const int unknown =
      3 * NodeIndex(doc, static_cast<int>(outcome.Node)) + static_cast<int>(outcome.NodeFreedom);
  if (outcome.Node < 0 || !judge.Moves(unknown)) {
    where << "moves, but node " << outcome.Node << " " << FreedomName(outcome.NodeFreedom)
          << " does not";
    tally.Disagreements.push_back(where.str());
  }
}

std::string Summary(const StabilityTally& tally) {
  std::ostringstream out;
  out << tally.Frames << " frames, " << tally.Stable << " stable, " << tally.Moving << " moving, "
      << tally.Disagreements.size() << " disagreements; sines: smallest standing "
      << tally.SmallestStableSine << ", largest moving " << tally.LargestMovingSine
      << ", tolerance up to " << tally.LargestTolerance << ", over the tolerance: standing from "
      << tally.SmallestStableMargin << ", moving up to " << tally.LargestMovingMargin
      << "; judge: smallest kept " << tally.SmallestKeptSingular << ", largest dropped "
      << tally.LargestDroppedSingular << "; worst equilibrium " << tally.WorstEquilibrium
      << ", slender " << tally.WorstSlenderEquilibrium << "; dense: " << tally.DenseCompared
      << " compared, worst " << tally.WorstDenseDifference;
  return out.str();
}

} // namespace strandel::testing
