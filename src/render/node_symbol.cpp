#include "render/node_symbol.h"

#include <array>
#include <cmath>

#include "render/label_texts.h"
#include "render/palette.h"
#include "render/pixel_mapping.h"
#include "render/rotated_text.h"

namespace strandel {
namespace {

// Circles up to this radius in pixels are drawn as polygons of this many corners.
constexpr int kSmallNodeRadius = 4;
constexpr int kSmallNodeCorners = 16;

// The face colour of a selected label disc, as the system draws button faces.
QColor ButtonFaceColour() {
  return {240, 240, 240};
}

} // namespace

int NodeRadius(const SymbolSizes& sizes, const ViewState& view) {
  const double radius = sizes.BeamHeight * view.Scale * 0.5 + 0.5;
  if (!std::isfinite(radius)) return 0;
  return static_cast<int>(std::lround(std::fmin(radius, 1e6)));
}

void DrawNode(QPainter& painter, const TNodeObject& node, DrawStyle style, const SymbolSizes& sizes,
              const ViewState& view, LabelSpace* space) {
  const QPointF centre = PixelOf(view, node.X, node.Y);
  const int radius = NodeRadius(sizes, view);
  const QPen pen = OutlinePen(OutlineColour(), sizes, view);
  if (style == DrawStyle::Label) {
    painter.setPen(pen);
    painter.setBrush(node.Selected ? ButtonFaceColour() : QColor(Qt::white));
    painter.drawEllipse(centre, radius, radius);
    // Up and to the right of the circle, clear of the beams that meet there.
    const double gap = 0.6 * sizes.BeamHeight;
    DrawLabel(painter, view, {node.X + gap, node.Y + gap}, NodeLabelText(node), sizes.LabelHeight,
              0, TextAnchor::BaselineLeft, space);
    return;
  }
  const Ink ink =
      InkFor(style, node.HostBeam != -1 ? BeamNodeColour() : FreeNodeColour(), node.Selected);
  QPen outline = pen;
  outline.setColor(ink.Outline);
  painter.setPen(outline);
  painter.setBrush(ink.Fill);
  if (radius <= kSmallNodeRadius) {
    // A circle of a few pixels is a polygon to the eye, and far quicker to fill;
    // one of a pixel or two needs fewer corners still.
    static const std::array<QPointF, kSmallNodeCorners> unit = [] {
      std::array<QPointF, kSmallNodeCorners> corners;
      for (int i = 0; i < kSmallNodeCorners; ++i)
        corners[i] = {std::cos(2 * kPi * i / kSmallNodeCorners),
                      std::sin(2 * kPi * i / kSmallNodeCorners)};
      return corners;
    }();
    const int step = radius <= 1 ? 4 : radius <= 2 ? 2 : 1;
    std::array<QPointF, kSmallNodeCorners> corners;
    int count = 0;
    for (int i = 0; i < kSmallNodeCorners; i += step)
      corners[count++] = centre + unit[i] * radius;
    painter.drawPolygon(corners.data(), count);
    return;
  }
  painter.drawEllipse(centre, radius, radius);
}

} // namespace strandel
