#include "render/buckling_picture.h"

#include <algorithm>
#include <cmath>

#include "render/fonts.h"
#include "render/pixel_mapping.h"
#include "view/model_extents.h"

namespace strandel {

double BucklingDrawScale(const ModelDocument& doc) {
  const ModelBox box = ModelExtents(doc);
  if (box.Empty()) return 0;
  return 0.05 * std::max(box.Width(), box.Height());
}

namespace {

// Points along one piece from its end values: a piece rigid at both ends
// bends as the cubic its ends' turns give; one with a hinged end is drawn
// straight, the node's turn not being its own.
void AddPiece(QPolygonF& line, const ViewState& view, const TSegmentObject& segment, double scale,
              int piece, int pieces, const std::array<double, 3>& a,
              const std::array<double, 3>& b) {
  const double c = std::cos(segment.Angle), s = std::sin(segment.Angle);
  const double length = segment.Length / pieces;
  const bool rigid = (piece > 0 || segment.Locked1) && (piece < pieces - 1 || segment.Locked2);
  const int steps = rigid ? 8 : 1;
  // Local across-displacements and turns of the ends.
  const double va = -s * a[0] + c * a[1], vb = -s * b[0] + c * b[1];
  for (int k = piece == 0 ? 0 : 1; k <= steps; ++k) {
    const double t = static_cast<double>(k) / steps;
    // Along the piece the ends' displacements mix linearly; across it, the
    // cubic adds the bending between the chord and the turned ends.
    double ux = a[0] + t * (b[0] - a[0]), uy = a[1] + t * (b[1] - a[1]);
    if (rigid) {
      const double h2 = t * (1 - t) * (1 - t), h4 = -t * t * (1 - t);
      const double h1 = 1 - 3 * t * t + 2 * t * t * t, h3 = 3 * t * t - 2 * t * t * t;
      const double cubic = h1 * va + h2 * length * a[2] + h3 * vb + h4 * length * b[2];
      const double chord = va + t * (vb - va);
      ux += -s * (cubic - chord);
      uy += c * (cubic - chord);
    }
    const double along = (piece + t) * length;
    line << PixelOf(view, segment.X1 + c * along + scale * ux, segment.Y1 + s * along + scale * uy);
  }
}

} // namespace

void DrawBucklingMode(QPainter& painter, const ModelDocument& doc, const ViewState& view,
                      const BucklingPicture& picture) {
  const double scale = BucklingDrawScale(doc);
  painter.save();
  QPen pen(BucklingModeColour());
  pen.setWidthF(DevicePixels(painter, 2));
  pen.setJoinStyle(Qt::RoundJoin);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  const auto& stretches = picture.Mode.Stretches;
  for (std::size_t i = 0; i < stretches.size() && i < doc.Segments.size(); ++i) {
    const auto& points = stretches[i];
    const int pieces = static_cast<int>(points.size()) - 1;
    QPolygonF line;
    for (int p = 0; p < pieces; ++p)
      AddPiece(line, view, doc.Segments[i], scale, p, pieces, points[p], points[p + 1]);
    painter.drawPolyline(line);
  }
  if (!picture.Caption.empty()) {
    const double margin = DevicePixels(painter, 8);
    painter.setFont(ProgramFont(painter, kSansFont, DevicePixels(painter, 14), true));
    painter.drawText(QRectF(margin, margin, view.Width - 2 * margin, view.Height - 2 * margin),
                     Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(picture.Caption));
  }
  painter.restore();
}

} // namespace strandel
