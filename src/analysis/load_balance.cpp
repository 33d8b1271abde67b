#include "analysis/load_balance.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace strandel {
namespace {

// Forces and moments about the origin added up, with the size of what was added.
struct Resultant {
  double Fx = 0, Fy = 0, M = 0;
  double ForceSize = 0, MomentSize = 0;

  void Add(double x, double y, double fx, double fy, double moment) {
    Fx += fx;
    Fy += fy;
    M += x * fy - y * fx + moment;
    ForceSize += std::fabs(fx) + std::fabs(fy);
    MomentSize += std::fabs(x * fy) + std::fabs(y * fx) + std::fabs(moment);
  }
};

Resultant CarriedLoads(const ModelDocument& doc, const NodeTable& nodes,
                       const FrameSystem& system) {
  Resultant loads;
  for (const TForceObject& force : ObjectsOf<TForceObject>(doc)) {
    const TNodeObject* node = nodes.Find(force.NodeNo);
    if (!node) continue; // not placed: it acts nowhere
    loads.Add(node->X, node->Y, std::cos(force.Angle) * force.Value,
              std::sin(force.Angle) * force.Value, 0);
  }
  for (const TMomentObject& moment : ObjectsOf<TMomentObject>(doc)) {
    const int index = nodes.IndexOf(moment.NodeNo);
    if (index < 0) continue;
    const int rotation = 3 * index + 2;
    if (system.KeptIndex[rotation] < 0 && !system.Restrained[rotation]) continue;
    loads.Add(0, 0, 0, 0, moment.Value);
  }
  // A stretch's load is spread evenly along it, so it acts at its middle.
  for (const TSegmentObject& segment : doc.Segments) {
    const double along = segment.Px * segment.Length, across = segment.Py * segment.Length;
    const double c = std::cos(segment.Angle), s = std::sin(segment.Angle);
    loads.Add((segment.X1 + segment.X2) / 2, (segment.Y1 + segment.Y2) / 2, c * along - s * across,
              s * along + c * across, 0);
  }
  return loads;
}

// Every support of a node reports the same reaction; the node takes it once.
Resultant SupportReactions(const ModelDocument& doc, const NodeTable& nodes) {
  Resultant reactions;
  std::vector<char> counted(nodes.Count(), 0);
  for (const TSupportObject& support : ObjectsOf<TSupportObject>(doc)) {
    const int index = nodes.IndexOf(support.NodeNo);
    if (index < 0 || counted[index]) continue;
    counted[index] = 1;
    const TNodeObject& node = nodes.Node(index);
    reactions.Add(node.X, node.Y, support.Reactions[0], support.Reactions[1], support.Reactions[2]);
  }
  return reactions;
}

// The force and moment that the misses of the settled unknowns can put on the
// free unknowns, K(free, settled) times the miss, added up without signs.
struct Allowance {
  double Force = 0, Moment = 0;
};

Allowance SettlementAllowance(const NodeTable& nodes, const FrameSystem& system,
                              const std::vector<double>& misses) {
  Allowance allowance;
  if (misses.empty()) return allowance;
  for (const FrameSystem::Block& block : system.Blocks) {
    const TNodeObject& node = nodes.Node(block.RowNode);
    const double reach = std::fabs(node.X) + std::fabs(node.Y);
    for (int i = 0; i < 3; ++i) {
      const int row = 3 * block.RowNode + i;
      if (system.Restrained[row] || system.KeptIndex[row] < 0) continue;
      for (int j = 0; j < 3; ++j) {
        const double force = std::fabs(block.K[i * 3 + j] * misses[3 * block.ColumnNode + j]);
        if (i == 2) {
          allowance.Moment += force;
        } else {
          allowance.Force += force;
          allowance.Moment += reach * force;
        }
      }
    }
  }
  return allowance;
}

// The part of `size` by which the difference exceeds what is allowed for. A sum
// that is not a number balances nothing.
double PartOf(double difference, double allowed, double size) {
  const double beyond = std::fabs(difference) - allowed;
  if (std::isnan(beyond)) return std::numeric_limits<double>::infinity();
  if (beyond <= 0) return 0.0;
  return size > 0 ? beyond / size : std::numeric_limits<double>::infinity();
}

} // namespace

double ImbalanceTolerance(double smallestPivotRatio) {
  if (!(smallestPivotRatio > 0)) return kLoadImbalanceTolerance;
  const double growth = std::numeric_limits<double>::epsilon() / smallestPivotRatio;
  return std::max(kLoadImbalanceTolerance, kImbalancePerRoundingGrowth * growth);
}

LoadBalance CheckLoadBalance(const ModelDocument& doc, const NodeTable& nodes,
                             const FrameSystem& system, const std::vector<double>& settlementMisses,
                             double smallestPivotRatio) {
  const Resultant loads = CarriedLoads(doc, nodes, system);
  const Resultant reactions = SupportReactions(doc, nodes);
  const double forceSize = loads.ForceSize + reactions.ForceSize;
  // Rounding leaves a moment of about the forces times the structure's reach
  // from the origin even where the moments themselves are nearly zero (a column
  // standing on the origin under its own weight).
  double reach = 0;
  for (int i = 0; i < nodes.Count(); ++i)
    reach = std::max({reach, std::fabs(nodes.Node(i).X), std::fabs(nodes.Node(i).Y)});
  const double momentSize = loads.MomentSize + reactions.MomentSize + reach * forceSize;
  const Allowance allowed = SettlementAllowance(nodes, system, settlementMisses);
  LoadBalance balance;
  balance.Tolerance = ImbalanceTolerance(smallestPivotRatio);
  balance.Imbalance = std::max({PartOf(loads.Fx - reactions.Fx, allowed.Force, forceSize),
                                PartOf(loads.Fy - reactions.Fy, allowed.Force, forceSize),
                                PartOf(loads.M - reactions.M, allowed.Moment, momentSize)});
  return balance;
}

} // namespace strandel
