#include "render/beam_symbol.h"

#include <algorithm>
#include <cmath>

#include "render/arrow_shapes.h"
#include "render/palette.h"
#include "render/pixel_mapping.h"
#include "render/rotated_text.h"
#include "view/symbol_geometry.h"

namespace strandel {
namespace {

// Beams thinner than these many screen pixels show no rigid-end marks, no arrow.
constexpr double kSmallestMarkedBeam = 2;
constexpr double kSmallestArrowBeam = 5;

// Where a label goes when its own place is taken: along its beam by these fractions.
constexpr double kLabelShifts[] = {0, 0.15, -0.15, 0.3, -0.3};

// The band of the beam between the fractions t1 and t2 of its length.
QPolygonF BandBetween(const ViewState& view, const Parallelogram& body, double t1, double t2) {
  const Point2 o = body.Origin;
  auto at = [&](double t, double across) {
    return Point2{o.X + t * body.U.X + across * body.V.X, o.Y + t * body.U.Y + across * body.V.Y};
  };
  return PixelPolygon(view, {at(t1, 0), at(t2, 0), at(t2, 1), at(t1, 1)});
}

void DrawDirectionArrow(QPainter& painter, const TBeamObject& beam, const QColor& colour,
                        const SymbolSizes& sizes, const ViewState& view) {
  const double length = std::hypot(beam.X2 - beam.X1, beam.Y2 - beam.Y1);
  if (!(length > 0)) return;
  // A short arrow in the middle, inside the band, clear of the rigid-end marks.
  const double arrow = std::min(0.3 * length, 4 * sizes.BeamHeight);
  const double ux = (beam.X2 - beam.X1) / length, uy = (beam.Y2 - beam.Y1) / length;
  const Point2 middle{(beam.X1 + beam.X2) / 2, (beam.Y1 + beam.Y2) / 2};
  const Point2 tail{middle.X - ux * arrow / 2, middle.Y - uy * arrow / 2};
  const Point2 head{middle.X + ux * arrow / 2, middle.Y + uy * arrow / 2};
  const double h = sizes.BeamHeight;
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  painter.drawPolygon(
      PixelPolygon(view, ArrowOutline(tail, head, 0.16 * h, std::min(1.0 * h, arrow), 0.64 * h)));
}

} // namespace

int RigidEnds(const TBeamObject& beam) {
  return (beam.Locked1 ? 1 : 0) + (beam.Locked2 ? 1 : 0);
}

void DrawBeam(QPainter& painter, const TBeamObject& beam, DrawStyle style, const SymbolSizes& sizes,
              const ViewState& view, bool showDirection) {
  const Parallelogram body = BeamBody(beam, sizes.BeamHeight);
  const Ink ink = InkFor(style, FromPlatformColour(beam.BeamColor), beam.Selected);
  const QPen pen = OutlinePen(ink.Outline, sizes, view);
  const QPolygonF outline = PixelPolygon(
      view, {body.Corners()[0], body.Corners()[1], body.Corners()[2], body.Corners()[3]});
  // Marks and arrows narrower than a couple of pixels would not show; a band
  // thinner than a pixel is its outline drawn over itself, along its axis.
  const double thickness = sizes.BeamHeight * view.Scale;
  if (thickness < DevicePixels(painter, 1)) {
    QPen line = pen;
    line.setColor(ink.Outline);
    painter.setPen(line);
    painter.drawLine(PixelOf(view, beam.X1, beam.Y1), PixelOf(view, beam.X2, beam.Y2));
    return;
  }
  if (style == DrawStyle::Shadow || thickness < DevicePixels(painter, kSmallestMarkedBeam)) {
    DrawShape(painter, outline, ink, pen);
    return;
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(ink.Fill);
  painter.drawPolygon(outline);

  const QColor dark = Shaded(ink.Fill, kRigidEndShade);
  const double length = std::hypot(body.U.X, body.U.Y);
  const double mark = length > 0 ? std::min(1.0, kRigidEndMark * sizes.BeamHeight / length) : 1;
  painter.setBrush(dark);
  if (beam.Locked1) painter.drawPolygon(BandBetween(view, body, 0, mark));
  if (beam.Locked2) painter.drawPolygon(BandBetween(view, body, 1 - mark, 1));
  if (showDirection && thickness >= DevicePixels(painter, kSmallestArrowBeam))
    DrawDirectionArrow(painter, beam, dark, sizes, view);

  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  painter.drawPolygon(outline);
}

void DrawBeamLabel(QPainter& painter, const TBeamObject& beam, const std::string& text,
                   const SymbolSizes& sizes, const ViewState& view, LabelSpace* space) {
  if (text.empty() || !IsLegibleHeight(painter, sizes.LabelHeight * view.Scale)) return;
  const double angle = ReadableAngle(std::atan2(beam.Y2 - beam.Y1, beam.X2 - beam.X1));
  // On the side the text's top faces, a little clear of the band.
  const double gap = 0.5 * sizes.BeamHeight + 0.2 * sizes.LabelHeight;
  const double position = std::clamp(beam.TxtPos, 0.0, 1.0);
  for (double shift : kLabelShifts) {
    const double t = position + shift;
    if (t < 0 || t > 1) continue;
    const Point2 at{beam.X1 + t * (beam.X2 - beam.X1), beam.Y1 + t * (beam.Y2 - beam.Y1)};
    const Point2 base{at.X - std::sin(angle) * gap, at.Y + std::cos(angle) * gap};
    if (DrawLabel(painter, view, base, text, sizes.LabelHeight, angle, TextAnchor::BaselineCentre,
                  space))
      return;
  }
}

} // namespace strandel
