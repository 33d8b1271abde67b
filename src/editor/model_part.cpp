#include "editor/model_part.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <set>

namespace strandel {
namespace {

constexpr long kHighestNumber = 65535;
// Points this close (relative to their distance from the origin, at least in
// metres) are one point: what a copy lands on, it joins.
constexpr double kSamePoint = 1e-9;

bool SamePoint(Point2 a, Point2 b) {
  const double scale = std::max({1.0, std::fabs(a.X), std::fabs(a.Y)});
  return std::hypot(a.X - b.X, a.Y - b.Y) <= kSamePoint * scale;
}

// The support's code 1..4 points from below, the right, above and the left
// towards its node: 90, 180, 270 and 0 degrees.
double SupportDirection(std::uint16_t code) {
  return kPi / 2 * (code % 4 == 0 ? 0 : code);
}

template <class T> bool IsSelected(const T& object) {
  return object.Selected;
}

} // namespace

std::uint16_t SupportCode(double direction) {
  double degrees = std::fmod(direction * 180 / kPi, 360.0);
  if (degrees < 0) degrees += 360;
  if (degrees >= 45 && degrees <= 135) return 1;
  if (degrees > 135 && degrees <= 225) return 2;
  if (degrees > 225 && degrees <= 315) return 3;
  return 4;
}

double PlaneMap::Direction(double angle) const {
  const double x = std::cos(angle), y = std::sin(angle);
  return std::atan2(YX * x + YY * y, XX * x + XY * y);
}

PlaneMap Translation(Point2 delta) {
  PlaneMap map;
  map.DX = delta.X;
  map.DY = delta.Y;
  return map;
}

PlaneMap MirrorAbout(Point2 a, Point2 b) {
  const double length = std::hypot(b.X - a.X, b.Y - a.Y);
  PlaneMap map;
  if (!(length > 0)) return map;
  // Reflection across the direction u: 2 u u^t - I, about the point a.
  const double ux = (b.X - a.X) / length, uy = (b.Y - a.Y) / length;
  map.XX = 2 * ux * ux - 1;
  map.XY = 2 * ux * uy;
  map.YX = map.XY;
  map.YY = 2 * uy * uy - 1;
  map.DX = a.X - (map.XX * a.X + map.XY * a.Y);
  map.DY = a.Y - (map.YX * a.X + map.YY * a.Y);
  return map;
}

ModelPart SelectedPart(const ModelDocument& doc) {
  std::set<long> nodes, beams;
  for (const TNodeObject& node : ObjectsOf<TNodeObject>(doc))
    if (node.Selected) nodes.insert(node.Number);
  for (const TBeamObject& beam : ObjectsOf<TBeamObject>(doc)) {
    if (!beam.Selected) continue;
    beams.insert(beam.Number);
    nodes.insert(beam.Node1);
    nodes.insert(beam.Node2);
  }
  for (const TSupportObject& support : ObjectsOf<TSupportObject>(doc))
    if (support.Selected) nodes.insert(support.NodeNo);
  for (const TForceObject& force : ObjectsOf<TForceObject>(doc))
    if (force.Selected) nodes.insert(force.NodeNo);
  for (const TMomentObject& moment : ObjectsOf<TMomentObject>(doc))
    if (moment.Selected) nodes.insert(moment.NodeNo);
  for (const TLoadObject& load : ObjectsOf<TLoadObject>(doc)) {
    if (!load.Selected || !beams.count(load.HostBeam)) continue;
    nodes.insert(load.Node1);
    nodes.insert(load.Node2);
  }

  ModelPart part;
  // The base is the lower left corner of the nodes' box, where a paste puts it.
  part.Base = {INFINITY, INFINITY};
  for (const TNodeObject& node : ObjectsOf<TNodeObject>(doc)) {
    if (!nodes.count(node.Number)) continue;
    TNodeObject copy = node;
    if (!beams.count(copy.HostBeam)) copy.HostBeam = -1;
    copy.Selected = false;
    copy.Provisional = false;
    part.Objects.emplace_back(copy);
    part.Base = {std::min(part.Base.X, node.X), std::min(part.Base.Y, node.Y)};
  }
  if (part.Objects.empty()) part.Base = {};
  for (const auto& object : doc.GraphObjects) {
    const bool taken = std::visit(
        [&](const auto& o) {
          using T = std::decay_t<decltype(o)>;
          if constexpr (std::is_same_v<T, TNodeObject>)
            return false;
          else if constexpr (std::is_same_v<T, TLoadObject>)
            return o.Selected && beams.count(o.HostBeam) > 0;
          else
            return IsSelected(o);
        },
        *object);
    if (!taken) continue;
    GraphObject copy = *object;
    SelectedFlag(copy) = false;
    part.Objects.push_back(std::move(copy));
  }
  return part;
}

namespace {

// The numbers of a kind, given out one after another from the highest in use.
class Numbers {
public:
  explicit Numbers(const ModelDocument& doc) {
    for (const auto& object : doc.GraphObjects) {
      long& highest = highest_[static_cast<std::size_t>(object->index())];
      highest = std::max(highest, NumberOf(*object));
    }
  }
  bool Enough(const ModelPart& part) const {
    std::array<long, 6> wanted{};
    for (const GraphObject& object : part.Objects)
      ++wanted[static_cast<std::size_t>(object.index())];
    for (std::size_t kind = 0; kind < wanted.size(); ++kind)
      if (highest_[kind] + wanted[kind] > kHighestNumber) return false;
    return true;
  }
  long Next(ObjectKind kind) { return ++highest_[static_cast<std::size_t>(kind) - 1]; }

private:
  std::array<long, 6> highest_{};
};

long Mapped(const std::map<long, long>& numbers, long number) {
  const auto found = numbers.find(number);
  return found == numbers.end() ? -1 : found->second;
}

} // namespace

std::optional<int> PlacePart(ModelDocument& doc, const ModelPart& part, const PlaneMap& map) {
  Numbers numbers(doc);
  if (!numbers.Enough(part)) return std::nullopt;
  // What was there before: a copy joins these nodes, beams and supports. The
  // nodes are sorted by x, so a copy looks only at those within reach.
  std::vector<std::pair<double, const TNodeObject*>> existing;
  for (const TNodeObject& node : ObjectsOf<TNodeObject>(doc))
    existing.emplace_back(node.X, &node);
  std::sort(existing.begin(), existing.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  const auto nodeAt = [&existing](Point2 at) -> const TNodeObject* {
    const double reach = kSamePoint * std::max({1.0, std::fabs(at.X), std::fabs(at.Y)}) * 2;
    auto candidate = std::lower_bound(existing.begin(), existing.end(), at.X - reach,
                                      [](const auto& entry, double x) { return entry.first < x; });
    for (; candidate != existing.end() && candidate->first <= at.X + reach; ++candidate) {
      const TNodeObject* node = candidate->second;
      if (SamePoint({node->X, node->Y}, at)) return node;
    }
    return nullptr;
  };
  std::map<std::pair<long, long>, long> beamBetween; // by the end nodes, the lower first
  for (const TBeamObject& beam : ObjectsOf<TBeamObject>(doc))
    beamBetween[{std::min<long>(beam.Node1, beam.Node2), std::max<long>(beam.Node1, beam.Node2)}] =
        beam.Number;
  std::set<long> supported;
  for (const TSupportObject& support : ObjectsOf<TSupportObject>(doc))
    supported.insert(support.NodeNo);

  std::map<long, long> nodeOf, beamOf;
  std::vector<std::pair<TNodeObject*, long>> hosted; // new node, the host beam in the part
  int added = 0;
  const auto add = [&](auto&& copy) -> auto& {
    using T = std::decay_t<decltype(copy)>;
    T& placed = AppendObject<T>(doc);
    placed = std::move(copy);
    placed.Selected = true;
    ++added;
    return placed;
  };
  for (const GraphObject& object : part.Objects) {
    const auto* node = std::get_if<TNodeObject>(&object);
    if (!node) continue;
    const Point2 at = map.Apply({node->X, node->Y});
    if (const TNodeObject* same = nodeAt(at)) {
      nodeOf[node->Number] = same->Number;
      continue;
    }
    TNodeObject copy = *node;
    copy.Number = static_cast<std::uint16_t>(numbers.Next(ObjectKind::Node));
    copy.X = at.X;
    copy.Y = at.Y;
    nodeOf[node->Number] = copy.Number;
    TNodeObject& placed = add(std::move(copy));
    if (node->HostBeam != -1) hosted.emplace_back(&placed, node->HostBeam);
  }
  for (const GraphObject& object : part.Objects) {
    std::visit(
        [&](const auto& o) {
          using T = std::decay_t<decltype(o)>;
          T copy = o;
          if constexpr (std::is_same_v<T, TBeamObject>) {
            const long n1 = Mapped(nodeOf, o.Node1), n2 = Mapped(nodeOf, o.Node2);
            const std::pair<long, long> ends{std::min(n1, n2), std::max(n1, n2)};
            if (const auto there = beamBetween.find(ends); there != beamBetween.end()) {
              beamOf[o.Number] = there->second;
              return;
            }
            copy.Number = static_cast<std::uint16_t>(numbers.Next(ObjectKind::Beam));
            copy.Node1 = static_cast<std::uint16_t>(n1);
            copy.Node2 = static_cast<std::uint16_t>(n2);
            const Point2 a = map.Apply({o.X1, o.Y1}), b = map.Apply({o.X2, o.Y2});
            copy.X1 = a.X;
            copy.Y1 = a.Y;
            copy.X2 = b.X;
            copy.Y2 = b.Y;
            beamOf[o.Number] = copy.Number;
            beamBetween[ends] = copy.Number;
            add(std::move(copy));
          } else if constexpr (std::is_same_v<T, TSupportObject>) {
            const long node = Mapped(nodeOf, o.NodeNo);
            if (!supported.insert(node).second) return;
            copy.Number = static_cast<std::uint16_t>(numbers.Next(ObjectKind::Support));
            copy.NodeNo = static_cast<std::uint16_t>(node);
            const Point2 at = map.Apply({o.X, o.Y});
            copy.X = at.X;
            copy.Y = at.Y;
            copy.Direction = SupportCode(map.Direction(SupportDirection(o.Direction)));
            const PlaneMap turn{map.XX, map.XY, map.YX, map.YY, 0, 0};
            const Point2 shift = turn.Apply({o.DX, o.DY});
            copy.DX = shift.X;
            copy.DY = shift.Y;
            if (map.Mirrors()) copy.DRot = -o.DRot;
            copy.Reactions = {};
            add(std::move(copy));
          } else if constexpr (std::is_same_v<T, TLoadObject>) {
            copy.Number = static_cast<std::uint16_t>(numbers.Next(ObjectKind::Load));
            copy.Node1 = static_cast<std::int32_t>(Mapped(nodeOf, o.Node1));
            copy.Node2 = static_cast<std::int32_t>(Mapped(nodeOf, o.Node2));
            copy.HostBeam = static_cast<std::int32_t>(Mapped(beamOf, o.HostBeam));
            const Point2 a = map.Apply({o.X1, o.Y1}), b = map.Apply({o.X2, o.Y2});
            copy.X1 = a.X;
            copy.Y1 = a.Y;
            copy.X2 = b.X;
            copy.Y2 = b.Y;
            copy.Angle = map.Direction(o.Angle);
            add(std::move(copy));
          } else if constexpr (std::is_same_v<T, TForceObject> ||
                               std::is_same_v<T, TMomentObject>) {
            copy.Number = static_cast<std::int32_t>(numbers.Next(KindOfType<T>()));
            copy.NodeNo = static_cast<std::int32_t>(Mapped(nodeOf, o.NodeNo));
            const Point2 at = map.Apply({o.X, o.Y});
            copy.X = at.X;
            copy.Y = at.Y;
            copy.Angle = map.Direction(o.Angle);
            if constexpr (std::is_same_v<T, TMomentObject>)
              if (map.Mirrors()) copy.Value = -o.Value;
            add(std::move(copy));
          }
        },
        object);
  }
  // A copied node lies on the copy of its beam, at the same place along it.
  for (auto& [node, host] : hosted)
    node->HostBeam = static_cast<std::int32_t>(Mapped(beamOf, host));
  return added;
}

std::vector<Point2> LinearArray(int copies, Point2 spacing) {
  if (copies < 1 || copies > kMostArrayCopies || !std::isfinite(spacing.X) ||
      !std::isfinite(spacing.Y))
    return {};
  std::vector<Point2> offsets;
  for (int k = 1; k <= copies; ++k)
    offsets.push_back({k * spacing.X, k * spacing.Y});
  return offsets;
}

std::vector<Point2> RectangularArray(int rows, int columns, Point2 spacing) {
  if (rows < 1 || columns < 1 || !std::isfinite(spacing.X) || !std::isfinite(spacing.Y)) return {};
  const long places = static_cast<long>(rows) * columns;
  if (places < 2 || places - 1 > kMostArrayCopies) return {};
  std::vector<Point2> offsets;
  for (int row = 0; row < rows; ++row)
    for (int column = 0; column < columns; ++column)
      if (row != 0 || column != 0) offsets.push_back({column * spacing.X, row * spacing.Y});
  return offsets;
}

} // namespace strandel
