#include "render/displaced_shape.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "analysis/beam_curves.h"
#include "render/palette.h"
#include "render/pixel_mapping.h"
#include "view/model_extents.h"

namespace strandel {

double ShownDisplacementScale(const ModelDocument& doc) {
  if (doc.DisplacementScale != 0) return doc.DisplacementScale;
  const ModelBox box = ModelExtents(doc);
  if (box.Empty()) return 0;
  return DeflectionDrawScale(doc, std::max(box.Width(), box.Height()));
}

void DrawDisplacedShape(QPainter& painter, const ModelDocument& doc, const ViewState& view,
                        double scale) {
  if (!std::isfinite(scale)) return;
  painter.save();
  QPen pen(DisplacedShapeColour());
  pen.setWidthF(DevicePixels(painter, 2));
  pen.setJoinStyle(Qt::BevelJoin);
  pen.setCapStyle(Qt::FlatCap);
  // Points closer than this on the screen add nothing to the line but its cost.
  const double closest = DevicePixels(painter, 3);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  QPolygonF line;
  // Lines of two points, the most of a large frame's, are drawn all at once.
  std::vector<QLineF> straight;
  long beam = 0;
  auto flush = [&] {
    if (line.size() == 2)
      straight.emplace_back(line[0], line[1]);
    else if (line.size() > 2)
      painter.drawPolyline(line);
    line.clear();
  };
  for (const TSegmentObject& segment : doc.Segments) {
    // Consecutive stretches of one beam join into one line.
    if (segment.BeamNo != beam) flush();
    beam = segment.BeamNo;
    const StretchCurves curves(segment);
    const double theta = std::atan2(segment.Y2 - segment.Y1, segment.X2 - segment.X1);
    const double c = std::cos(theta), s = std::sin(theta);
    const double length = curves.Length();
    const auto pointAt = [&](int i) {
      const double f = SampleFraction(i);
      const double along = scale * curves.StartAxial() + f * (length + scale * curves.Elongation());
      const double w = scale * curves.Deflection(f * length);
      return PixelOf(view, segment.X1 + c * along - s * w, segment.Y1 + s * along + c * w);
    };
    // A stretch a few pixels long on the screen needs no more points than fit
    // on it that far apart, unless its middle bends away from its chord.
    constexpr int kLast = kStretchSamples - 1;
    const QPointF start = pointAt(0), end = pointAt(kLast), middle = pointAt(kLast / 2);
    const QPointF chord = end - start, bend = middle - (start + end) / 2;
    const double across = std::ceil(std::hypot(chord.x(), chord.y()) / closest);
    const int steps = !(std::hypot(bend.x(), bend.y()) < closest) || !(across < kLast)
                          ? kLast
                          : std::max(static_cast<int>(across), 1);
    for (int k = 0; k <= steps; ++k) {
      const int i = k * kLast / steps;
      const QPointF point = i == 0 ? start : i == kLast ? end : pointAt(i);
      const bool last = i == kLast;
      if (!line.isEmpty() && !last && std::fabs(point.x() - line.back().x()) < closest &&
          std::fabs(point.y() - line.back().y()) < closest)
        continue;
      line << point;
    }
  }
  flush();
  painter.drawLines(straight.data(), static_cast<int>(straight.size()));
  painter.restore();
}

} // namespace strandel
