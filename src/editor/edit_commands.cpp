#include "editor/edit_commands.h"

#include <cmath>
#include <utility>
#include <vector>

#include "model/node_move.h"
#include "model/position_on_beam.h"

namespace strandel {

void DeleteAllLoads(ModelDocument& doc) {
  std::erase_if(doc.GraphObjects, [](const std::unique_ptr<GraphObject>& object) {
    const ObjectKind kind = KindOf(*object);
    return kind == ObjectKind::Load || kind == ObjectKind::Force || kind == ObjectKind::Moment;
  });
}

namespace {

// Where the line through `first` along `dir` crosses the beam, as a parameter
// on the beam; false when it misses the beam or runs parallel to it.
bool CrossingOnBeam(const TBeamObject& beam, Point2 first, Point2 dir, double& t) {
  const double bx = beam.X2 - beam.X1, by = beam.Y2 - beam.Y1;
  const double denominator = bx * dir.Y - by * dir.X;
  if (denominator == 0) return false;
  t = ((first.X - beam.X1) * dir.Y - (first.Y - beam.Y1) * dir.X) / denominator;
  return std::isfinite(t) && t >= 0 && t <= 1;
}

} // namespace

int AlignSelectedNodes(ModelDocument& doc, Point2 first, Point2 second, UserMessages& messages) {
  const double angle = std::atan2(second.Y - first.Y, second.X - first.X);
  const Point2 dir{std::cos(angle), std::sin(angle)};
  // Moving one node may carry others along, so the selection is taken first.
  std::vector<long> selected;
  for (const TNodeObject& node : ObjectsOf<TNodeObject>(doc)) {
    if (node.Selected) selected.push_back(node.Number);
  }
  for (long number : selected) {
    TNodeObject* node = FindNode(doc, number);
    if (!node) continue;
    node->Selected = false;
    if (const TBeamObject* host = FindBeam(doc, node->HostBeam)) {
      double t = 0;
      if (!CrossingOnBeam(*host, first, dir, t)) continue;
      node->PositionOnBeam = t;
      MoveNode(doc, number, PointOnBeam(*host, t), messages);
      continue;
    }
    const double d = (node->X - first.X) * dir.X + (node->Y - first.Y) * dir.Y;
    MoveNode(doc, number, {first.X + d * dir.X, first.Y + d * dir.Y}, messages);
  }
  return static_cast<int>(selected.size());
}

void MoveAllObjects(ModelDocument& doc, Point2 delta) {
  const auto shift = [&](double& x, double& y) {
    x += delta.X;
    y += delta.Y;
  };
  for (auto& object : doc.GraphObjects) {
    std::visit(
        [&](auto& o) {
          using T = std::decay_t<decltype(o)>;
          if constexpr (std::is_same_v<T, TBeamObject> || std::is_same_v<T, TLoadObject>) {
            shift(o.X1, o.Y1);
            shift(o.X2, o.Y2);
          } else {
            shift(o.X, o.Y);
          }
        },
        *object);
  }
}

void FlipSelectedBeams(ModelDocument& doc, UserMessages& messages) {
  std::vector<long> flipped;
  for (TBeamObject& beam : ObjectsOf<TBeamObject>(doc)) {
    if (!beam.Selected) continue;
    std::swap(beam.X1, beam.X2);
    std::swap(beam.Y1, beam.Y2);
    std::swap(beam.Locked1, beam.Locked2);
    std::swap(beam.Node1, beam.Node2);
    flipped.push_back(beam.Number);
  }
  for (long beamNumber : flipped) {
    std::vector<long> carried;
    for (TNodeObject& node : ObjectsOf<TNodeObject>(doc)) {
      if (node.HostBeam != beamNumber) continue;
      node.PositionOnBeam = 1 - node.PositionOnBeam;
      carried.push_back(node.Number);
    }
    for (long number : carried) {
      const TNodeObject* node = FindNode(doc, number);
      if (node) MoveNode(doc, number, {node->X, node->Y}, messages);
    }
  }
}

} // namespace strandel
