#include "editor/pick.h"

#include <cmath>

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

GraphObject* PickInOrder(ModelDocument& doc, Point2 p, std::initializer_list<ObjectKind> order) {
  for (ObjectKind kind : order) {
    for (auto at = doc.GraphObjects.rbegin(); at != doc.GraphObjects.rend(); ++at) {
      if (KindOf(**at) == kind && Hit(**at, p, doc)) return at->get();
    }
  }
  return nullptr;
}

} // namespace

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

GraphObject* PickForSelection(ModelDocument& doc, Point2 p) {
  return PickInOrder(doc, p,
                     {ObjectKind::Node, ObjectKind::Moment, ObjectKind::Force, ObjectKind::Support,
                      ObjectKind::Beam, ObjectKind::Load});
}

GraphObject* PickForProperties(ModelDocument& doc, Point2 p) {
  return PickInOrder(doc, p,
                     {ObjectKind::Node, ObjectKind::Force, ObjectKind::Moment, ObjectKind::Support,
                      ObjectKind::Beam, ObjectKind::Load});
}

} // namespace strandel
