#include "analysis/mobility.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numeric>

#include "analysis/banded_qr.h"
#include "common/assert.h"

namespace strandel {
namespace {

constexpr double kEpsilon = std::numeric_limits<double>::epsilon();

// Rigid groups of nodes; the root of a group is its first node in list order.
class RigidGroups {
public:
  explicit RigidGroups(int count) : parent_(count) { std::iota(parent_.begin(), parent_.end(), 0); }
  int Root(int node) {
    while (parent_[node] != node)
      node = parent_[node] = parent_[parent_[node]];
    return node;
  }
  void Join(int a, int b) {
    a = Root(a), b = Root(b);
    if (a != b) parent_[std::max(a, b)] = std::min(a, b);
  }

private:
  std::vector<int> parent_;
};

struct Term {
  int Unknown;
  double Value;
};

// One equation: at most two bodies' three freedoms each, before equal unknowns
// are added up at most eight terms (a bar between two bodies).
struct Row {
  std::array<Term, 8> Terms;
  int Count = 0;
  void Add(int unknown, double value) {
    STRANDEL_ASSERT(Count < static_cast<int>(Terms.size()),
                    "an equation of more terms than two bodies have");
    Terms[Count++] = {unknown, value};
  }
  const Term* begin() const { return Terms.data(); }
  const Term* end() const { return Terms.data() + Count; }
  int First() const { return Terms[0].Unknown; }
};

// The compatibility equations: one row per way a stretch or support keeps two
// points together, in metres of displacement.
class Equations {
public:
  Equations(const ModelDocument& doc, const NodeTable& nodes, const FrameSystem& system);

  std::vector<Row> Rows;
  std::vector<int> UnknownOf; // per equation unknown: 3 x node index + freedom
  std::vector<char> Unstiffened;

private:
  bool Rigid(int node) const { return rigidAt_[node]; }
  // The displacement along `axis` of the point (x, y) moving with node's body.
  void BodyPoint(Row& row, int node, double x, double y, int axis, double factor);
  // The displacement of the node along `axis`.
  void Motion(Row& row, int node, int axis, double factor);
  void AddRow(Row row);

  const NodeTable& nodes_;
  // The model's extent: a body's turn is counted as the displacement it gives a
  // point that far from the body's origin, so that no coefficient is larger
  // than 1 whatever the model's size.
  double extent_ = 1;
  std::vector<char> rigidAt_;
  RigidGroups groups_;
  std::vector<int> bodyUnknown_;                 // per root node: its body's first unknown
  std::vector<std::array<int, 2>> jointUnknown_; // per joint node: x and y unknowns, -1 none
};

void Equations::BodyPoint(Row& row, int node, double x, double y, int axis, double factor) {
  const int root = groups_.Root(node);
  const TNodeObject& origin = nodes_.Node(root);
  const int base = bodyUnknown_[root];
  row.Add(base + axis, factor);
  // A small turn of the body moves the point across its arm from the body's origin.
  const double arm = (axis == 0 ? -(y - origin.Y) : x - origin.X) / extent_;
  if (arm != 0.0) row.Add(base + 2, factor * arm);
}

void Equations::Motion(Row& row, int node, int axis, double factor) {
  if (Rigid(node)) {
    BodyPoint(row, node, nodes_.Node(node).X, nodes_.Node(node).Y, axis, factor);
  } else if (jointUnknown_[node][axis] >= 0) {
    row.Add(jointUnknown_[node][axis], factor);
  }
}

// Terms of one unknown added up, zeros left out.
void Equations::AddRow(Row row) {
  std::sort(row.Terms.begin(), row.Terms.begin() + row.Count,
            [](const Term& a, const Term& b) { return a.Unknown < b.Unknown; });
  Row merged;
  for (const Term& term : row) {
    if (merged.Count > 0 && merged.Terms[merged.Count - 1].Unknown == term.Unknown)
      merged.Terms[merged.Count - 1].Value += term.Value;
    else
      merged.Add(term.Unknown, term.Value);
  }
  Row kept;
  for (const Term& term : merged)
    if (term.Value != 0.0) kept.Add(term.Unknown, term.Value);
  if (kept.Count > 0) Rows.push_back(kept);
}

Equations::Equations(const ModelDocument& doc, const NodeTable& nodes, const FrameSystem& system)
    : nodes_(nodes), rigidAt_(nodes.Count(), 0), groups_(nodes.Count()),
      bodyUnknown_(nodes.Count(), -1), jointUnknown_(nodes.Count(), {-1, -1}) {
  const int count = nodes.Count();
  double minX = 0, maxX = 0, minY = 0, maxY = 0;
  for (int n = 0; n < count; ++n) {
    const TNodeObject& node = nodes.Node(n);
    minX = n ? std::min(minX, node.X) : node.X, maxX = n ? std::max(maxX, node.X) : node.X;
    minY = n ? std::min(minY, node.Y) : node.Y, maxY = n ? std::max(maxY, node.Y) : node.Y;
  }
  extent_ = std::max(maxX - minX, maxY - minY);
  if (!(extent_ > 0) || !std::isfinite(extent_)) extent_ = 1;
  std::vector<char> touched(count, 0);
  std::vector<std::array<char, 2>> jointHeld(count, {0, 0}); // stiffened along x, y
  struct Ends {
    int A, B;
    bool LockedA, LockedB;
  };
  std::vector<Ends> ends;
  ends.reserve(doc.Segments.size());
  for (const TSegmentObject& segment : doc.Segments) {
    // A stretch without bending stiffness turns freely at both ends.
    const bool bends = segment.EModulus * segment.Inertia > 0;
    const Ends e{nodes.IndexOf(segment.Node1), nodes.IndexOf(segment.Node2),
                 segment.Locked1 && bends, segment.Locked2 && bends};
    ends.push_back(e);
    touched[e.A] = touched[e.B] = 1;
    rigidAt_[e.A] |= e.LockedA;
    rigidAt_[e.B] |= e.LockedB;
    if (e.LockedA && e.LockedB) groups_.Join(e.A, e.B);
  }
  for (std::size_t i = 0; i < ends.size(); ++i) {
    const Ends& e = ends[i];
    const Direction d = StretchDirection(doc.Segments[i]);
    // A hinged end is held in every direction by a stretch rigid at its other
    // end, and along the stretch only by a bar.
    const bool bar = !e.LockedA && !e.LockedB;
    for (const auto& [node, locked] : {std::pair{e.A, e.LockedA}, std::pair{e.B, e.LockedB}}) {
      if (locked) continue;
      jointHeld[node][0] |= !bar || d.C != 0.0;
      jointHeld[node][1] |= !bar || d.S != 0.0;
    }
  }

  // The unknowns in node list order: a body's at its first node, a joint's at itself.
  Unstiffened.assign(3 * static_cast<std::size_t>(count), 0);
  for (int n = 0; n < count; ++n) {
    if (rigidAt_[n]) {
      if (groups_.Root(n) != n) continue;
      bodyUnknown_[n] = static_cast<int>(UnknownOf.size());
      for (int axis = 0; axis < 3; ++axis)
        UnknownOf.push_back(3 * n + axis);
      continue;
    }
    for (int axis = 0; axis < 3; ++axis) {
      const int unknown = 3 * n + axis;
      if (system.Restrained[unknown]) continue; // held: not an unknown at all
      if (axis < 2 && touched[n] && jointHeld[n][axis]) {
        jointUnknown_[n][axis] = static_cast<int>(UnknownOf.size());
        UnknownOf.push_back(unknown);
      } else {
        Unstiffened[unknown] = 1;
      }
    }
  }

  for (std::size_t i = 0; i < ends.size(); ++i) {
    const Ends& e = ends[i];
    if (e.LockedA && e.LockedB) continue; // inside a body
    if (e.LockedA != e.LockedB) {
      // The hinged end moves with the body of the rigid end.
      const int rigid = e.LockedA ? e.A : e.B, hinged = e.LockedA ? e.B : e.A;
      const TNodeObject& at = nodes.Node(hinged);
      for (int axis = 0; axis < 2; ++axis) {
        Row row;
        BodyPoint(row, rigid, at.X, at.Y, axis, 1);
        Motion(row, hinged, axis, -1);
        AddRow(std::move(row));
      }
      continue;
    }
    // A bar keeps its length: the ends move alike along it.
    const Direction d = StretchDirection(doc.Segments[i]);
    Row row;
    Motion(row, e.B, 0, d.C);
    Motion(row, e.B, 1, d.S);
    Motion(row, e.A, 0, -d.C);
    Motion(row, e.A, 1, -d.S);
    AddRow(std::move(row));
  }

  // A support holds the point of a body it stands under; a joint's held
  // freedoms are no unknowns. A held turn counts over the model's extent, like
  // every turn, so that it weighs like a held displacement.
  for (int n = 0; n < count; ++n) {
    if (!rigidAt_[n]) continue;
    for (int axis = 0; axis < 3; ++axis) {
      if (!system.Restrained[3 * n + axis]) continue;
      Row row;
      if (axis < 2)
        Motion(row, n, axis, 1);
      else
        row.Add(bodyUnknown_[groups_.Root(n)] + 2, 1);
      AddRow(std::move(row));
    }
  }
}

// For each place, the lowest place that shares an equation with it, unknown u
// standing in place `place[u]`: the envelope the factor fills.
std::vector<int> EnvelopeStarts(const std::vector<Row>& rows, const std::vector<int>& place) {
  std::vector<int> first(place.size());
  std::iota(first.begin(), first.end(), 0);
  for (const Row& row : rows) {
    int lowest = static_cast<int>(place.size());
    for (const Term& term : row)
      lowest = std::min(lowest, place[term.Unknown]);
    for (const Term& term : row)
      first[place[term.Unknown]] = std::min(first[place[term.Unknown]], lowest);
  }
  return first;
}

// How far back the envelope reaches, summed over the places: the work and
// memory of judging in that order.
long long EnvelopeSize(const std::vector<Row>& rows, const std::vector<int>& place) {
  const std::vector<int> first = EnvelopeStarts(rows, place);
  long long size = 0;
  for (std::size_t k = 0; k < first.size(); ++k)
    size += static_cast<long long>(k) - first[k];
  return size;
}

// A place for every unknown that keeps those sharing an equation close
// (reverse Cuthill-McKee: breadth first from an unknown of fewest neighbours,
// the neighbours of each taken fewest first, the whole reversed).
std::vector<int> CloseOrder(const std::vector<Row>& rows, int size) {
  std::vector<std::vector<int>> neighbours(size);
  for (const Row& row : rows)
    for (const Term& a : row)
      for (const Term& b : row)
        if (a.Unknown != b.Unknown) neighbours[a.Unknown].push_back(b.Unknown);
  const auto fewer = [&](int a, int b) {
    return neighbours[a].size() != neighbours[b].size()
               ? neighbours[a].size() < neighbours[b].size()
               : a < b;
  };
  for (std::vector<int>& list : neighbours) {
    std::sort(list.begin(), list.end());
    list.erase(std::unique(list.begin(), list.end()), list.end());
  }
  for (std::vector<int>& list : neighbours)
    std::sort(list.begin(), list.end(), fewer);
  std::vector<int> starts(size), order;
  std::iota(starts.begin(), starts.end(), 0);
  std::sort(starts.begin(), starts.end(), fewer);
  std::vector<char> taken(size, 0);
  order.reserve(size);
  for (int start : starts) {
    if (taken[start]) continue;
    taken[start] = 1;
    order.push_back(start);
    for (std::size_t next = order.size() - 1; next < order.size(); ++next) {
      for (int neighbour : neighbours[order[next]]) {
        if (taken[neighbour]) continue;
        taken[neighbour] = 1;
        order.push_back(neighbour);
      }
    }
  }
  std::vector<int> place(size);
  for (int k = 0; k < size; ++k)
    place[order[size - 1 - k]] = k;
  return place;
}

// A model whose joined unknowns stand far apart in its list (its nodes listed
// at random, a bay added at the end of a large one) is judged in an order that
// keeps them close, where the list order would have the factor fill nearly the
// whole matrix. A model whose list order reaches back little, or not much
// further than the close order, keeps it, and with it the freedom its verdict
// names.
constexpr long long kNarrowReach = 64; // on average, per unknown
constexpr long long kReorderGain = 4;
void KeepJoinedUnknownsClose(Equations& equations) {
  const int size = static_cast<int>(equations.UnknownOf.size());
  std::vector<int> listed(size);
  std::iota(listed.begin(), listed.end(), 0);
  const long long listedSize = EnvelopeSize(equations.Rows, listed);
  if (listedSize <= kNarrowReach * size) return;
  const std::vector<int> place = CloseOrder(equations.Rows, size);
  if (listedSize <= kReorderGain * EnvelopeSize(equations.Rows, place)) return;
  for (Row& row : equations.Rows) {
    for (int t = 0; t < row.Count; ++t)
      row.Terms[t].Unknown = place[row.Terms[t].Unknown];
    std::sort(row.Terms.begin(), row.Terms.begin() + row.Count,
              [](const Term& a, const Term& b) { return a.Unknown < b.Unknown; });
  }
  std::vector<int> unknownOf(size);
  for (int u = 0; u < size; ++u)
    unknownOf[place[u]] = equations.UnknownOf[u];
  equations.UnknownOf = std::move(unknownOf);
}

} // namespace

Direction StretchDirection(const TSegmentObject& segment) {
  double dx = segment.X2 - segment.X1, dy = segment.Y2 - segment.Y1;
  // A node placed at a distance and angle from another carries a rounding of a
  // few units in the last digit of its coordinates and of that distance: an
  // upright stretch drawn from x = 0 at 90 degrees ends at x = 6e-17 L. A
  // difference no larger is none.
  const double length = std::hypot(dx, dy);
  const double snapX = 4 * kEpsilon * (std::fabs(segment.X1) + std::fabs(segment.X2) + length);
  const double snapY = 4 * kEpsilon * (std::fabs(segment.Y1) + std::fabs(segment.Y2) + length);
  const bool uprightX = std::fabs(dx) <= snapX, levelY = std::fabs(dy) <= snapY;
  if (uprightX != levelY)
    return uprightX ? Direction{0, dy > 0 ? 1.0 : -1.0} : Direction{dx > 0 ? 1.0 : -1.0, 0};
  if (!(length > 0)) return {};
  return {dx / length, dy / length};
}

Mobility JudgeMobility(const ModelDocument& doc, const NodeTable& nodes,
                       const FrameSystem& system) {
  Equations equations(doc, nodes, system);
  Mobility mobility;
  mobility.Unstiffened = std::move(equations.Unstiffened);
  const int size = static_cast<int>(equations.UnknownOf.size());
  mobility.Freedoms = size;
  if (size == 0) return mobility;

  KeepJoinedUnknownsClose(equations);
  // Rows by their first unknown, the order in which the factor fills.
  std::vector<Row>& rows = equations.Rows;
  std::stable_sort(rows.begin(), rows.end(),
                   [](const Row& a, const Row& b) { return a.First() < b.First(); });
  std::vector<int> listed(size);
  std::iota(listed.begin(), listed.end(), 0);
  BandedQr qr(EnvelopeStarts(rows, listed));
  std::vector<int> columns;
  std::vector<double> values;
  columns.reserve(8), values.reserve(8);
  for (const Row& row : rows) {
    columns.clear(), values.clear();
    for (const Term& term : row)
      columns.push_back(term.Unknown), values.push_back(term.Value);
    qr.AddRow(columns, values);
  }
  for (int k = 0; k < size; ++k)
    mobility.Band = std::max(mobility.Band, qr.Last(k) - k + 1);
  const double rounding = kMobilityRoundingFactor * kEpsilon * mobility.Band;

  // The first column that lies in the span of those before it completes a way
  // to move: with it at 1 and the earlier ones adjusted, nothing deforms. The
  // adjustment is the longer the more nearly the earlier columns depend on each
  // other, about 1 / (the smallest sine met), and the rounding it carries with it.
  double smallestSoFar = 1;
  for (int k = 0; k < size; ++k) {
    const double length = qr.ColumnLength(k);
    const double sine = length > 0 ? qr.Distance(k) / length : 0.0;
    const double tolerance = rounding / smallestSoFar;
    mobility.Tolerance = std::max(mobility.Tolerance, tolerance);
    if (!(sine > tolerance)) {
      mobility.MovingUnknown = equations.UnknownOf[k];
      mobility.MovingSine = sine;
      mobility.MovingMargin = sine / tolerance;
      break;
    }
    mobility.SmallestSine = std::min(mobility.SmallestSine, sine);
    mobility.StandingMargin = std::min(mobility.StandingMargin, sine / tolerance);
    smallestSoFar = std::min(smallestSoFar, sine);
  }
  return mobility;
}

} // namespace strandel
