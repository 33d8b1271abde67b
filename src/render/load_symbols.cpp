#include "render/load_symbols.h"

#include <algorithm>
#include <cmath>

#include "render/arrow_shapes.h"
#include "render/palette.h"
#include "render/pixel_mapping.h"
#include "render/rotated_text.h"
#include "view/symbol_geometry.h"

namespace strandel {
namespace {

// Load arrows stand about this many LoadHeights apart, in bands at least this
// many screen pixels high.
constexpr double kLoadArrowSpacing = 0.6;
constexpr double kSmallestArrowBand = 6;
// Arrow heads, in the arrow's length.
constexpr double kForceHeadLength = 0.35;
constexpr double kForceHeadWidth = 0.5;
// The moment's band and head, in its radius.
constexpr double kMomentBand = 0.22;
constexpr double kMomentHeadLength = 0.75;
constexpr double kMomentHeadWidth = 0.6;

Point2 Along(Point2 from, double angle, double distance) {
  return {from.X + distance * std::cos(angle), from.Y + distance * std::sin(angle)};
}

void DrawLoadArrows(QPainter& painter, const TLoadObject& load, const Ink& ink,
                    const SymbolSizes& sizes, const ViewState& view, double standOff) {
  const double length = std::hypot(load.X2 - load.X1, load.Y2 - load.Y1);
  const double h = sizes.LoadHeight;
  if (!(length > 0) || !(h > 0)) return;
  // In a band a few pixels high the arrows would only blur into its outline.
  if (h * view.Scale < DevicePixels(painter, kSmallestArrowBand)) return;
  const int count =
      std::clamp(static_cast<int>(std::ceil(length / (kLoadArrowSpacing * h))) + 1, 2, 400);
  // The outer arrows stand a little inside the band's ends.
  const double inset = std::min(0.2, 0.12 * h / length);
  const bool towardsLine = load.Value <= 0;
  const QPen pen = LoadOutlinePen(ink.Outline, sizes, view);
  for (int i = 0; i < count; ++i) {
    const double t = inset + (1 - 2 * inset) * i / (count - 1);
    const Point2 onLine =
        Along({load.X1 + t * (load.X2 - load.X1), load.Y1 + t * (load.Y2 - load.Y1)}, load.Angle,
              standOff);
    const Point2 outer = Along(onLine, load.Angle, h);
    const Point2 tip = towardsLine ? onLine : outer;
    const Point2 tail = towardsLine ? outer : onLine;
    const double angle = std::atan2(tip.Y - tail.Y, tip.X - tail.X);
    const Outline head = HeadOutline(tip, angle, 0.28 * h, 0.2 * h);
    const Point2 neck{(head[1].X + head[2].X) / 2, (head[1].Y + head[2].Y) / 2};
    painter.setPen(pen);
    painter.drawLine(PixelOf(view, tail), PixelOf(view, neck));
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink.Outline);
    painter.drawPolygon(PixelPolygon(view, head));
  }
}

} // namespace

void DrawLoad(QPainter& painter, const TLoadObject& load, DrawStyle style, const SymbolSizes& sizes,
              const ViewState& view, double standOff) {
  Parallelogram band = LoadBand(load, sizes.LoadHeight);
  band.Origin = Along(band.Origin, load.Angle, standOff);
  const auto corners = band.Corners();
  const Ink ink = InkFor(style, LoadColour(), load.Selected);
  DrawShape(painter, PixelPolygon(view, {corners[0], corners[1], corners[2], corners[3]}), ink,
            LoadOutlinePen(ink.Outline, sizes, view));
  if (style == DrawStyle::Body) DrawLoadArrows(painter, load, ink, sizes, view, standOff);
}

void DrawForce(QPainter& painter, const TForceObject& force, DrawStyle style,
               const SymbolSizes& sizes, const ViewState& view) {
  const double length = kForceLength * sizes.LoadHeight;
  const Point2 point{force.X, force.Y};
  const Point2 outer = Along(point, force.Angle, length);
  // A push (negative magnitude) ends at the point; a pull starts there.
  const bool push = force.Value <= 0;
  const Outline arrow =
      ArrowOutline(push ? outer : point, push ? point : outer, kForceShaftWidth * length,
                   kForceHeadLength * length, kForceHeadWidth * length);
  const Ink ink = InkFor(style, ForceColour(), force.Selected);
  DrawShape(painter, PixelPolygon(view, arrow), ink, LoadOutlinePen(ink.Outline, sizes, view));
}

void DrawMoment(QPainter& painter, const TMomentObject& moment, DrawStyle style,
                const SymbolSizes& sizes, const ViewState& view) {
  const double radius = kMomentRadius * sizes.LoadHeight;
  // Counter-clockwise positive: the head sits at the end the moment turns towards.
  const double sweep = moment.Value < 0 ? -kMomentArcSweep : kMomentArcSweep;
  const double start = moment.Angle - sweep / 2;
  const Outline arc =
      CurvedArrowOutline({moment.X, moment.Y}, radius, start, sweep, kMomentBand * radius,
                         kMomentHeadLength * radius, kMomentHeadWidth * radius);
  const Ink ink = InkFor(style, MomentColour(), moment.Selected);
  DrawShape(painter, PixelPolygon(view, arc), ink, LoadOutlinePen(ink.Outline, sizes, view));
}

void DrawLoadLabel(QPainter& painter, const TLoadObject& load, const std::string& text,
                   const SymbolSizes& sizes, const ViewState& view, double standOff,
                   LabelSpace* space) {
  const double t = std::clamp(load.TxtPos, 0.0, 1.0);
  const Point2 onLine{load.X1 + t * (load.X2 - load.X1), load.Y1 + t * (load.Y2 - load.Y1)};
  DrawLabelBeyond(painter, view, Along(onLine, load.Angle, standOff + sizes.LoadHeight), load.Angle,
                  text, sizes.LabelHeight, 0.15 * sizes.LoadHeight, space);
}

void DrawForceLabel(QPainter& painter, const TForceObject& force, const std::string& text,
                    const SymbolSizes& sizes, const ViewState& view, LabelSpace* space) {
  const Point2 outer = Along({force.X, force.Y}, force.Angle, kForceLength * sizes.LoadHeight);
  DrawLabelBeyond(painter, view, outer, force.Angle, text, sizes.LabelHeight,
                  0.1 * sizes.LoadHeight, space);
}

void DrawMomentLabel(QPainter& painter, const TMomentObject& moment, const std::string& text,
                     const SymbolSizes& sizes, const ViewState& view, LabelSpace* space) {
  const double reach = kMomentRadius * sizes.LoadHeight * (1 + kMomentBand);
  DrawLabelBeyond(painter, view, Along({moment.X, moment.Y}, moment.Angle, reach), moment.Angle,
                  text, sizes.LabelHeight, 0.1 * sizes.LoadHeight, space);
}

} // namespace strandel
