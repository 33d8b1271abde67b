#include "render/support_symbol.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "render/label_texts.h"
#include "render/palette.h"
#include "render/pixel_mapping.h"
#include "render/rotated_text.h"
#include "view/symbol_geometry.h"

namespace strandel {
namespace {

// Proportions beyond the triangle's base, in BeamHeights.
constexpr double kPlateThickness = 0.35;
constexpr double kPlateHalfWidth = 1.55;
constexpr double kRollerRadius = 0.32;
constexpr double kRollerOffset = 0.72; // either side of the axis
constexpr double kBlockThickness = 0.45;
constexpr double kBlockHalfWidth = 1.9;

// The support's own axes: `back` from the node towards the base, `across` along it.
struct SupportFrame {
  Point2 BaseCentre;
  Point2 Back;
  Point2 Across;
  double H = 0; // BeamHeight

  Point2 At(double back, double across) const {
    return {BaseCentre.X + H * (back * Back.X + across * Across.X),
            BaseCentre.Y + H * (back * Back.Y + across * Across.Y)};
  }
  // A rectangle beyond the base from `from` to `to` BeamHeights, `halfWidth` wide.
  std::array<Point2, 4> Block(double from, double to, double halfWidth) const {
    return {At(from, -halfWidth), At(to, -halfWidth), At(to, halfWidth), At(from, halfWidth)};
  }
};

SupportFrame FrameOf(const TSupportObject& support, double beamHeight) {
  const double axis = SupportAxisAngle(support.Direction);
  SupportFrame frame;
  frame.Back = {-std::cos(axis), -std::sin(axis)};
  frame.Across = {-frame.Back.Y, frame.Back.X};
  frame.H = beamHeight;
  frame.BaseCentre = {support.X + kSupportHeight * beamHeight * frame.Back.X,
                      support.Y + kSupportHeight * beamHeight * frame.Back.Y};
  return frame;
}

// How far the plate or rollers reach beyond the base, in BeamHeights.
double FootDepth(const TSupportObject& support) {
  return support.Rolled ? 2 * kRollerRadius : kPlateThickness;
}

QPolygonF Polygon(const ViewState& view, const std::array<Point2, 4>& corners) {
  return PixelPolygon(view, {corners[0], corners[1], corners[2], corners[3]});
}

} // namespace

void DrawSupport(QPainter& painter, const TSupportObject& support, DrawStyle style,
                 const SymbolSizes& sizes, const ViewState& view) {
  const SupportFrame frame = FrameOf(support, sizes.BeamHeight);
  const Ink plate = InkFor(style, SupportPlateColour(), support.Selected);
  const Ink body = InkFor(style, SupportColour(), support.Selected);
  const QPen pen = OutlinePen(body.Outline, sizes, view);
  const double depth = FootDepth(support);
  if (support.Locked)
    DrawShape(painter, Polygon(view, frame.Block(depth, depth + kBlockThickness, kBlockHalfWidth)),
              plate, pen);
  if (support.Rolled) {
    QPen rollerPen = pen;
    rollerPen.setColor(plate.Outline);
    painter.setPen(rollerPen);
    painter.setBrush(plate.Fill);
    const int radius = std::max(1, PixelLength(view, kRollerRadius * sizes.BeamHeight));
    for (double side : {-kRollerOffset, kRollerOffset})
      painter.drawEllipse(PixelOf(view, frame.At(kRollerRadius, side)), radius, radius);
  } else {
    DrawShape(painter, Polygon(view, frame.Block(0, kPlateThickness, kPlateHalfWidth)), plate, pen);
  }
  const Triangle triangle = SupportTriangle(support, sizes.BeamHeight);
  DrawShape(painter, PixelPolygon(view, {triangle.Apex, triangle.BaseLeft, triangle.BaseRight}),
            body, pen);
}

void DrawSupportLabel(QPainter& painter, const TSupportObject& support, const SymbolSizes& sizes,
                      const ViewState& view, LabelSpace* space) {
  const SupportFrame frame = FrameOf(support, sizes.BeamHeight);
  const double depth = FootDepth(support) + (support.Locked ? kBlockThickness : 0);
  double maxX = support.X, minY = support.Y, maxY = support.Y;
  for (const Point2& p : frame.Block(0, depth, kBlockHalfWidth)) {
    maxX = std::max(maxX, p.X);
    minY = std::min(minY, p.Y);
    maxY = std::max(maxY, p.Y);
  }
  DrawLabel(painter, view, {maxX + 0.3 * sizes.BeamHeight, (minY + maxY) / 2},
            SupportLabelText(support), sizes.LabelHeight, 0, TextAnchor::MiddleLeft, space);
}

} // namespace strandel
