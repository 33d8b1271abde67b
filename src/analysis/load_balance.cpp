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

double PartOf(double difference, double size) {
  return size > 0 ? std::fabs(difference) / size : 0.0;
}

} // namespace

LoadBalance CheckLoadBalance(const ModelDocument& doc, const NodeTable& nodes,
                             const FrameSystem& system) {
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
  LoadBalance balance;
  balance.Imbalance = std::max({PartOf(loads.Fx - reactions.Fx, forceSize),
                                PartOf(loads.Fy - reactions.Fy, forceSize),
                                PartOf(loads.M - reactions.M, momentSize)});
  // A sum that is not a number balances nothing.
  if (std::isnan(balance.Imbalance)) balance.Imbalance = std::numeric_limits<double>::infinity();
  return balance;
}

} // namespace strandel
