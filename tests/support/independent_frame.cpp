#include "support/independent_frame.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace strandel::testing {
namespace {

std::map<long, int> NodePositions(const ModelDocument& doc) {
  std::map<long, int> position;
  int index = 0;
  for (const TNodeObject& node : ObjectsOf<TNodeObject>(doc))
    position.emplace(node.Number, index++);
  return position;
}

std::vector<const TNodeObject*> NodeList(const ModelDocument& doc) {
  std::vector<const TNodeObject*> list;
  for (const TNodeObject& node : ObjectsOf<TNodeObject>(doc))
    list.push_back(&node);
  return list;
}

// One-sided Jacobi: the columns of `a` (each a vector of its rows) are turned
// pairwise until orthogonal; v collects the turns. The singular values are the
// lengths of the columns that result.
void JacobiSvd(std::vector<std::vector<double>>& a, std::vector<std::vector<double>>& v) {
  const std::size_t n = a.size();
  v.assign(n, std::vector<double>(n, 0.0));
  for (std::size_t i = 0; i < n; ++i)
    v[i][i] = 1;
  for (int sweep = 0; sweep < 80; ++sweep) {
    bool turned = false;
    for (std::size_t p = 0; p < n; ++p) {
      for (std::size_t q = p + 1; q < n; ++q) {
        double alpha = 0, beta = 0, gamma = 0;
        for (std::size_t i = 0; i < a[p].size(); ++i) {
          alpha += a[p][i] * a[p][i];
          beta += a[q][i] * a[q][i];
          gamma += a[p][i] * a[q][i];
        }
        if (gamma == 0 || std::fabs(gamma) <= 1e-15 * std::sqrt(alpha * beta)) continue;
        turned = true;
        const double zeta = (beta - alpha) / (2 * gamma);
        const double t = (zeta >= 0 ? 1.0 : -1.0) / (std::fabs(zeta) + std::sqrt(1 + zeta * zeta));
        const double c = 1 / std::sqrt(1 + t * t), s = c * t;
        for (std::vector<std::vector<double>>* m : {&a, &v}) {
          std::vector<double>& x = (*m)[p];
          std::vector<double>& y = (*m)[q];
          for (std::size_t i = 0; i < x.size(); ++i) {
            const double xp = x[i], yq = y[i];
            x[i] = c * xp - s * yq;
            y[i] = s * xp + c * yq;
          }
        }
      }
    }
    if (!turned) break;
  }
}

// Per unknown: the loads push along it, beyond the rounding of their directions
// and of loads that cancel.
std::vector<char> LoadedUnknowns(const ModelDocument& doc,
                                 const std::vector<IndependentStretch>& stretches) {
  const std::map<long, int> position = NodePositions(doc);
  std::vector<double> net(3 * position.size(), 0.0), size(3 * position.size(), 0.0);
  auto push = [&](int node, double value, double angle) {
    net[3 * node] += value * std::cos(angle);
    net[3 * node + 1] += value * std::sin(angle);
    size[3 * node] += std::fabs(value);
    size[3 * node + 1] += std::fabs(value);
  };
  for (const TForceObject& force : ObjectsOf<TForceObject>(doc))
    if (const auto at = position.find(force.NodeNo); at != position.end())
      push(at->second, force.Value, force.Angle);
  for (const IndependentStretch& stretch : stretches) {
    for (const TLoadObject& load : ObjectsOf<TLoadObject>(doc)) {
      if (load.HostBeam != stretch.Beam) continue;
      push(stretch.A, load.Value, load.Angle);
      push(stretch.B, load.Value, load.Angle);
    }
    if (doc.Settings.OwnWeight) {
      push(stretch.A, 1, -kPi / 2);
      push(stretch.B, 1, -kPi / 2);
    }
  }
  std::vector<char> loaded(net.size(), 0);
  for (std::size_t d = 0; d < net.size(); ++d)
    loaded[d] = std::fabs(net[d]) > 1e-12 * size[d];
  return loaded;
}

} // namespace

void Cosines(const TNodeObject& a, const TNodeObject& b, double& c, double& s, double& length) {
  const double dx = b.X - a.X, dy = b.Y - a.Y;
  length = std::hypot(dx, dy);
  c = std::fabs(dx) < 1e-14 * length ? 0.0 : dx / length;
  s = std::fabs(dy) < 1e-14 * length ? 0.0 : dy / length;
}

std::vector<IndependentStretch> StretchesOf(const ModelDocument& doc) {
  const std::map<long, int> position = NodePositions(doc);
  std::vector<IndependentStretch> stretches;
  for (const TBeamObject& beam : ObjectsOf<TBeamObject>(doc)) {
    std::vector<std::pair<double, int>> inner;
    int index = 0;
    for (const TNodeObject& node : ObjectsOf<TNodeObject>(doc)) {
      if (node.HostBeam == beam.Number && node.Number != beam.Node1 && node.Number != beam.Node2)
        inner.push_back({node.PositionOnBeam, index});
      ++index;
    }
    std::stable_sort(inner.begin(), inner.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<int> chain = {position.at(beam.Node1)};
    for (const auto& [at, node] : inner)
      chain.push_back(node);
    chain.push_back(position.at(beam.Node2));
    for (std::size_t i = 0; i + 1 < chain.size(); ++i) {
      stretches.push_back({chain[i], chain[i + 1], i == 0 ? beam.Locked1 : true,
                           i + 2 == chain.size() ? beam.Locked2 : true, beam.Number});
    }
  }
  return stretches;
}

std::vector<char> HeldUnknowns(const ModelDocument& doc) {
  const std::map<long, int> position = NodePositions(doc);
  std::vector<char> held(3 * position.size(), 0);
  for (const TSupportObject& support : ObjectsOf<TSupportObject>(doc)) {
    const int d = 3 * position.at(support.NodeNo);
    const int direction = support.Direction;
    held[d] |= !support.Rolled || direction == 2 || direction == 4;
    held[d + 1] |= !support.Rolled || direction == 1 || direction == 3;
    held[d + 2] |= support.Locked;
  }
  return held;
}

bool RankJudgement::Moves(int unknown) const {
  if (std::find(LoadedUnstiffened.begin(), LoadedUnstiffened.end(), unknown) !=
      LoadedUnstiffened.end())
    return true;
  const auto at = std::find(Columns.begin(), Columns.end(), unknown);
  if (at == Columns.end()) return false;
  const std::size_t k = static_cast<std::size_t>(at - Columns.begin());
  // The length of e_k's projection onto the null space. The decomposition finds
  // the null space to about the machine precision over the smallest singular
  // value kept (1e-5 at the least here), so a part of 1e-9 is a movement, if a
  // small one (the far joint of a truss 0.5 degrees deep turning about its pin).
  double share = 0;
  for (const std::vector<double>& vector : NullSpace)
    share += vector[k] * vector[k];
  return share > 1e-18;
}

RankJudgement JudgeByRank(const ModelDocument& doc) {
  const std::vector<const TNodeObject*> nodes = NodeList(doc);
  const std::vector<IndependentStretch> stretches = StretchesOf(doc);
  const std::size_t unknowns = 3 * nodes.size();
  // The rows, each over all unknowns.
  std::vector<std::vector<double>> rows;
  for (const IndependentStretch& e : stretches) {
    double c, s, length;
    Cosines(*nodes[e.A], *nodes[e.B], c, s, length);
    std::vector<double> lengthening(unknowns, 0.0);
    lengthening[3 * e.A] = -c / length, lengthening[3 * e.A + 1] = -s / length;
    lengthening[3 * e.B] = c / length, lengthening[3 * e.B + 1] = s / length;
    rows.push_back(lengthening);
    for (const auto& [end, locked] : {std::pair{e.A, e.LockedA}, std::pair{e.B, e.LockedB}}) {
      if (!locked) continue;
      std::vector<double> turn(unknowns, 0.0);
      turn[3 * end + 2] = 1;
      // The chord turns by the difference of the ends' movements across it over L.
      turn[3 * e.B] -= -s / length, turn[3 * e.B + 1] -= c / length;
      turn[3 * e.A] += -s / length, turn[3 * e.A + 1] += c / length;
      rows.push_back(turn);
    }
  }
  RankJudgement judgement;
  const std::vector<char> held = HeldUnknowns(doc);
  const std::vector<char> loaded = LoadedUnknowns(doc, stretches);
  std::vector<std::vector<double>> columns;
  for (std::size_t d = 0; d < unknowns; ++d) {
    if (held[d]) continue;
    std::vector<double> column(rows.size());
    double length = 0;
    for (std::size_t r = 0; r < rows.size(); ++r) {
      column[r] = rows[r][d];
      length += column[r] * column[r];
    }
    if (length == 0) {
      if (d % 3 != 2 && loaded[d]) judgement.LoadedUnstiffened.push_back(static_cast<int>(d));
      continue;
    }
    for (double& value : column)
      value /= std::sqrt(length);
    columns.push_back(std::move(column));
    judgement.Columns.push_back(static_cast<int>(d));
  }
  std::vector<std::vector<double>> v;
  JacobiSvd(columns, v);
  for (std::size_t j = 0; j < columns.size(); ++j) {
    double sigma = 0;
    for (double value : columns[j])
      sigma += value * value;
    sigma = std::sqrt(sigma);
    if (sigma <= kRankTolerance) {
      judgement.LargestDropped = std::max(judgement.LargestDropped, sigma);
      judgement.NullSpace.push_back(v[j]);
    } else {
      judgement.SmallestKept = std::min(judgement.SmallestKept, sigma);
    }
  }
  return judgement;
}

} // namespace strandel::testing
