#include "analysis/load_balance.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "analysis/element.h"

namespace strandel {
namespace {

// The middle of the model and its half-diagonal: the point moments are taken
// about and the arm that turns a moment into a force of like size.
struct Frame {
  double X = 0, Y = 0, Reach = 1;
};

Frame MiddleOf(const NodeTable& nodes) {
  if (nodes.Count() == 0) return {};
  double minX = nodes.Node(0).X, maxX = minX, minY = nodes.Node(0).Y, maxY = minY;
  for (int i = 1; i < nodes.Count(); ++i) {
    minX = std::min(minX, nodes.Node(i).X), maxX = std::max(maxX, nodes.Node(i).X);
    minY = std::min(minY, nodes.Node(i).Y), maxY = std::max(maxY, nodes.Node(i).Y);
  }
  const double reach = std::hypot(maxX - minX, maxY - minY) / 2;
  return {(minX + maxX) / 2, (minY + maxY) / 2, reach > 0 ? reach : 1.0};
}

// Forces and moments about the middle added up, with the size of what was added.
struct Resultant {
  double Fx = 0, Fy = 0, M = 0;
  double ForceSize = 0, MomentSize = 0;

  void Add(const Frame& frame, double x, double y, double fx, double fy, double moment) {
    const double dx = x - frame.X, dy = y - frame.Y;
    Fx += fx;
    Fy += fy;
    M += dx * fy - dy * fx + moment;
    ForceSize += std::fabs(fx) + std::fabs(fy);
    MomentSize += std::fabs(dx * fy) + std::fabs(dy * fx) + std::fabs(moment);
  }
};

// A support's node takes every point load at it, whatever the stretches there.
std::vector<char> SupportedNodes(const ModelDocument& doc, const NodeTable& nodes) {
  std::vector<char> supported(nodes.Count(), 0);
  for (const TSupportObject& support : ObjectsOf<TSupportObject>(doc)) {
    if (const int index = nodes.IndexOf(support.NodeNo); index >= 0) supported[index] = 1;
  }
  return supported;
}

Resultant CarriedLoads(const ModelDocument& doc, const NodeTable& nodes, const FrameSystem& system,
                       const Frame& frame, int exponent, const LoadSelection& selection) {
  const std::vector<char> supported = SupportedNodes(doc, nodes);
  Resultant loads;
  for (const TForceObject& force : ObjectsOf<TForceObject>(doc)) {
    if (!selection.Takes(force.Case)) continue;
    const TNodeObject* node = nodes.Find(force.NodeNo);
    if (!node) continue; // not placed: it acts nowhere
    const double value = std::ldexp(force.Value, exponent);
    loads.Add(frame, node->X, node->Y, std::cos(force.Angle) * value, std::sin(force.Angle) * value,
              0);
  }
  for (const TMomentObject& moment : ObjectsOf<TMomentObject>(doc)) {
    if (!selection.Takes(moment.Case)) continue;
    const int index = nodes.IndexOf(moment.NodeNo);
    if (index < 0) continue;
    const int rotation = 3 * index + 2;
    const bool turnsOnlyAHinge = system.KeptIndex[rotation] < 0 && !system.Restrained[rotation];
    if (turnsOnlyAHinge && !supported[index]) continue;
    loads.Add(frame, 0, 0, 0, 0, std::ldexp(moment.Value, exponent));
  }
  // A stretch's load is spread evenly along it, so it acts at its middle.
  for (const TSegmentObject& segment : doc.Segments) {
    const double along = std::ldexp(segment.Px * segment.Length, exponent);
    const double across = std::ldexp(segment.Py * segment.Length, exponent);
    const double c = std::cos(segment.Angle), s = std::sin(segment.Angle);
    loads.Add(frame, (segment.X1 + segment.X2) / 2, (segment.Y1 + segment.Y2) / 2,
              c * along - s * across, s * along + c * across, 0);
  }
  return loads;
}

// Every support of a node reports the same reaction; the node takes it once.
Resultant SupportReactions(const ModelDocument& doc, const NodeTable& nodes, const Frame& frame) {
  Resultant reactions;
  std::vector<char> counted(nodes.Count(), 0);
  for (const TSupportObject& support : ObjectsOf<TSupportObject>(doc)) {
    const int index = nodes.IndexOf(support.NodeNo);
    if (index < 0 || counted[index]) continue;
    counted[index] = 1;
    const TNodeObject& node = nodes.Node(index);
    reactions.Add(frame, node.X, node.Y, support.Reactions[0], support.Reactions[1],
                  support.Reactions[2]);
  }
  return reactions;
}

// Forces and moments, added up without signs: K(free, settled) times what each
// settled unknown missed its settlement by (`misses`), or K(other, settled)
// times the settlement itself (`settlements`, the stiff spring's own diagonal
// left out).
struct Sizes {
  double Force = 0, Moment = 0;
};

Sizes SettlementForces(const NodeTable& nodes, const FrameSystem& system, const Frame& frame,
                       const std::vector<double>& values, bool freeRowsOnly) {
  Sizes sizes;
  if (values.empty()) return sizes;
  for (const FrameSystem::Block& block : system.Blocks) {
    const TNodeObject& node = nodes.Node(block.RowNode);
    const double reach = std::fabs(node.X - frame.X) + std::fabs(node.Y - frame.Y);
    for (int i = 0; i < 3; ++i) {
      const int row = 3 * block.RowNode + i;
      if (freeRowsOnly && (system.Restrained[row] || system.KeptIndex[row] < 0)) continue;
      for (int j = 0; j < 3; ++j) {
        const int column = 3 * block.ColumnNode + j;
        if (column == row && !freeRowsOnly) continue;
        const double force = std::fabs(block.K[i * 3 + j] * values[column]);
        if (i == 2) {
          sizes.Moment += force;
        } else {
          sizes.Force += force;
          sizes.Moment += reach * force;
        }
      }
    }
  }
  return sizes;
}

// What rounding may leave of a balance: the stretches' end forces are sums of
// stiffness times displacement, and where those terms cancel (the lengthening
// of a slender member that bends, the shear near the tip of a long cantilever)
// their rounding stays; the solve leaves a residual of the same order. Forces,
// and moments about the middle.
Sizes RoundingOfEndForces(const ModelDocument& doc, const Frame& frame) {
  Sizes terms;
  TMatrix k;
  AllocMatrix(k, 5, 5);
  for (const TSegmentObject& segment : doc.Segments) {
    LocalStiffness(segment, k);
    for (int i = 0; i < 6; ++i) {
      double sum = std::fabs(segment.EqLoadL[i]);
      for (int j = 0; j < 6; ++j)
        sum += std::fabs(k[i][j] * segment.DispL[j]);
      const double x = (i < 3 ? segment.X1 : segment.X2) - frame.X;
      const double y = (i < 3 ? segment.Y1 : segment.Y2) - frame.Y;
      if (i % 3 == 2) {
        terms.Moment += sum;
      } else {
        terms.Force += sum;
        terms.Moment += (std::fabs(x) + std::fabs(y)) * sum;
      }
    }
  }
  FreeMatrix(k, 5, 5);
  const double unit = kRoundingsPerTerm * std::numeric_limits<double>::epsilon();
  return {unit * terms.Force, unit * terms.Moment};
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

LoadBalance CheckLoadBalance(const ModelDocument& doc, const NodeTable& nodes,
                             const FrameSystem& system, const std::vector<double>& settlementMisses,
                             int loadExponent, const LoadSelection& selection) {
  const Frame frame = MiddleOf(nodes);
  const Resultant loads = CarriedLoads(doc, nodes, system, frame, loadExponent, selection);
  const Resultant reactions = SupportReactions(doc, nodes, frame);
  std::vector<double> settlements(system.Unknowns, 0.0);
  for (int d = 0; d < system.Unknowns; ++d)
    if (system.Restrained[d]) settlements[d] = std::ldexp(system.Prescribed[d], loadExponent);
  const Sizes imposed = SettlementForces(nodes, system, frame, settlements, false);
  // One size for forces, the moments counted over the model's reach.
  const double forceSize = loads.ForceSize + reactions.ForceSize + imposed.Force +
                           (loads.MomentSize + reactions.MomentSize + imposed.Moment) / frame.Reach;
  const double momentSize = frame.Reach * forceSize;
  const Sizes missed = SettlementForces(nodes, system, frame, settlementMisses, true);
  const Sizes rounding = RoundingOfEndForces(doc, frame);
  const Sizes allowed = {missed.Force + rounding.Force, missed.Moment + rounding.Moment};
  LoadBalance balance;
  balance.Imbalance = std::max({PartOf(loads.Fx - reactions.Fx, allowed.Force, forceSize),
                                PartOf(loads.Fy - reactions.Fy, allowed.Force, forceSize),
                                PartOf(loads.M - reactions.M, allowed.Moment, momentSize)});
  return balance;
}

} // namespace strandel
