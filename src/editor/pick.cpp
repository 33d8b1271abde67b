#include "editor/pick.h"

#include <algorithm>
#include <cmath>
#include <type_traits>
#include <variant>

#include "view/symbol_geometry.h"

namespace strandel {
namespace {

double Distance(Point2 a, Point2 b) {
  return std::hypot(a.X - b.X, a.Y - b.Y);
}

bool Hit(const GraphObject& object, Point2 p, const ModelDocument& doc) {
  return std::visit(
      [&](const auto& o) {
        using T = std::decay_t<decltype(o)>;
        if constexpr (std::is_same_v<T, TNodeObject>)
          return HitNode(o, p, doc.Settings.BeamHeight);
        else if constexpr (std::is_same_v<T, TBeamObject>)
          return HitBeam(o, p, doc.Settings.BeamHeight);
        else if constexpr (std::is_same_v<T, TSupportObject>)
          return HitSupport(o, p, doc.Settings.BeamHeight);
        else if constexpr (std::is_same_v<T, TLoadObject>)
          return HitLoad(o, p, doc.Settings.LoadHeight);
        else if constexpr (std::is_same_v<T, TForceObject>)
          return HitForce(o, p, doc.Settings.LoadHeight);
        else
          return HitMoment(o, p, doc.Settings.LoadHeight);
      },
      object);
}

// A load, force or moment of another case than the one drawn as usual: drawn
// faded, it gives way to whatever is drawn in full there.
bool Faded(const GraphObject& object, std::optional<std::uint16_t> unfaded) {
  if (!unfaded) return false;
  return std::visit(
      [&](const auto& o) {
        using T = std::decay_t<decltype(o)>;
        if constexpr (std::is_same_v<T, TLoadObject> || std::is_same_v<T, TForceObject> ||
                      std::is_same_v<T, TMomentObject>)
          return o.Case != *unfaded;
        else
          return false;
      },
      object);
}

GraphObject* PickInOrder(ModelDocument& doc, Point2 p, std::initializer_list<ObjectKind> order,
                         std::optional<std::uint16_t> unfaded) {
  // What is drawn in full first; a faded object only where nothing else is.
  for (const bool faded : {false, true}) {
    for (ObjectKind kind : order) {
      for (auto at = doc.GraphObjects.rbegin(); at != doc.GraphObjects.rend(); ++at) {
        if (KindOf(**at) == kind && Faded(**at, unfaded) == faded && Hit(**at, p, doc))
          return at->get();
      }
    }
  }
  return nullptr;
}

struct Box {
  double Left, Bottom, Right, Top;
  bool Holds(Point2 p) const { return p.X >= Left && p.X <= Right && p.Y >= Bottom && p.Y <= Top; }
};

// Liang-Barsky: whether the segment from a to b meets the box.
bool SegmentMeets(const Box& box, Point2 a, Point2 b) {
  double enter = 0, leave = 1;
  const double dx = b.X - a.X, dy = b.Y - a.Y;
  const double p[] = {-dx, dx, -dy, dy};
  const double q[] = {a.X - box.Left, box.Right - a.X, a.Y - box.Bottom, box.Top - a.Y};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0)
      enter = std::max(enter, t);
    else
      leave = std::min(leave, t);
    if (enter > leave) return false;
  }
  return true;
}

// The segment an object is taken by: one point for nodes, supports, forces
// and moments.
std::pair<Point2, Point2> ExtentOf(const GraphObject& object) {
  return std::visit(
      [](const auto& o) -> std::pair<Point2, Point2> {
        if constexpr (requires { o.X1; })
          return {{o.X1, o.Y1}, {o.X2, o.Y2}};
        else
          return {{o.X, o.Y}, {o.X, o.Y}};
      },
      object);
}

} // namespace

bool InBox(const GraphObject& object, Point2 corner1, Point2 corner2, BoxRule rule) {
  const Box box{std::min(corner1.X, corner2.X), std::min(corner1.Y, corner2.Y),
                std::max(corner1.X, corner2.X), std::max(corner1.Y, corner2.Y)};
  const auto [a, b] = ExtentOf(object);
  if (rule == BoxRule::Inside) return box.Holds(a) && box.Holds(b);
  return SegmentMeets(box, a, b);
}

int SelectInBox(ModelDocument& doc, Point2 corner1, Point2 corner2, BoxRule rule, bool select) {
  int taken = 0;
  for (auto& object : doc.GraphObjects) {
    if (!InBox(*object, corner1, corner2, rule)) continue;
    SelectedFlag(*object) = select;
    ++taken;
  }
  return taken;
}

bool HitNode(const TNodeObject& node, Point2 p, double beamHeight) {
  return Distance(p, {node.X, node.Y}) <= beamHeight / 2;
}

bool HitMoment(const TMomentObject& moment, Point2 p, double loadHeight) {
  const double r = kMomentRadius * loadHeight;
  const double d = Distance(p, {moment.X, moment.Y});
  return r / kMomentRingFactor < d && d <= kMomentRingFactor * r;
}

bool HitForce(const TForceObject& force, Point2 p, double loadHeight) {
  return Contains(ForceArrow(force, loadHeight), p);
}

bool HitSupport(const TSupportObject& support, Point2 p, double beamHeight) {
  if (Distance(p, {support.X, support.Y}) <= beamHeight / 2) return false;
  return Contains(SupportTriangle(support, beamHeight), p);
}

bool HitBeam(const TBeamObject& beam, Point2 p, double beamHeight) {
  if (Distance(p, {beam.X1, beam.Y1}) <= beamHeight / 2) return false;
  if (Distance(p, {beam.X2, beam.Y2}) <= beamHeight / 2) return false;
  return Contains(BeamBody(beam, beamHeight), p);
}

bool HitLoad(const TLoadObject& load, Point2 p, double loadHeight) {
  return Contains(LoadBand(load, loadHeight), p);
}

GraphObject* PickForSelection(ModelDocument& doc, Point2 p, std::optional<std::uint16_t> unfaded) {
  return PickInOrder(doc, p,
                     {ObjectKind::Node, ObjectKind::Moment, ObjectKind::Force, ObjectKind::Support,
                      ObjectKind::Beam, ObjectKind::Load},
                     unfaded);
}

GraphObject* PickForProperties(ModelDocument& doc, Point2 p,
                               std::optional<std::uint16_t> unfaded) {
  return PickInOrder(doc, p,
                     {ObjectKind::Node, ObjectKind::Force, ObjectKind::Moment, ObjectKind::Support,
                      ObjectKind::Beam, ObjectKind::Load},
                     unfaded);
}

} // namespace strandel
