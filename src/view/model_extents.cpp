#include "view/model_extents.h"

#include <cmath>

#include "view/symbol_geometry.h"

namespace strandel {

void ModelBox::Include(Point2 p) {
  if (!std::isfinite(p.X) || !std::isfinite(p.Y)) return;
  MinX = MinOf(MinX, p.X);
  MinY = MinOf(MinY, p.Y);
  MaxX = MaxOf(MaxX, p.X);
  MaxY = MaxOf(MaxY, p.Y);
}

void ModelBox::Include(Point2 p, double margin) {
  if (!std::isfinite(p.X) || !std::isfinite(p.Y)) return;
  Include({p.X - margin, p.Y - margin});
  Include({p.X + margin, p.Y + margin});
}

namespace {

void IncludeShape(ModelBox& box, const Parallelogram& shape) {
  for (const Point2& corner : shape.Corners())
    box.Include(corner);
}

} // namespace

ModelBox ModelExtents(const ModelDocument& doc) {
  ModelBox box;
  const double nodeMargin = 2 * doc.Settings.BeamHeight;
  for (const auto& object : doc.GraphObjects) {
    if (const auto* node = std::get_if<TNodeObject>(object.get())) {
      box.Include({node->X, node->Y}, nodeMargin);
    } else if (const auto* beam = std::get_if<TBeamObject>(object.get())) {
      box.Include({beam->X1, beam->Y1}, nodeMargin);
      box.Include({beam->X2, beam->Y2}, nodeMargin);
    } else if (const auto* support = std::get_if<TSupportObject>(object.get())) {
      const Triangle triangle = SupportTriangle(*support, doc.Settings.BeamHeight);
      box.Include(triangle.Apex);
      box.Include(triangle.BaseLeft);
      box.Include(triangle.BaseRight);
    } else if (const auto* load = std::get_if<TLoadObject>(object.get())) {
      IncludeShape(box, LoadBand(*load, doc.Settings.LoadHeight));
    } else if (const auto* force = std::get_if<TForceObject>(object.get())) {
      IncludeShape(box, ForceArrow(*force, doc.Settings.LoadHeight));
    } else if (const auto* moment = std::get_if<TMomentObject>(object.get())) {
      box.Include({moment->X, moment->Y},
                  kMomentRingFactor * kMomentRadius * doc.Settings.LoadHeight);
    }
  }
  return box;
}

} // namespace strandel
