#include "render/diagram_drawing.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "common/number_text.h"
#include "common/text.h"
#include "render/arrow_shapes.h"
#include "render/fonts.h"
#include "render/palette.h"
#include "render/pixel_mapping.h"
#include "render/rotated_text.h"

namespace strandel {
namespace {

// Page units: the axes' arrow heads stick out of the frame by this much.
constexpr double kAxisHeadLength = 2;
constexpr double kAxisHeadHalfWidth = 1;
// In text heights: captions, tick labels and tick marks.
constexpr double kCaptionHeight = 0.85;
constexpr double kTickLabelHeight = 0.7;
constexpr double kTickHalfLength = 0.3;
// Ticks this close outside the frame (rounding) still count as inside.
constexpr double kInsideSlack = 1e-9;

QColor CurveColour(int curve) {
  // Platform values 0x800000 (navy) and 0xFF0000 (blue).
  return FromPlatformColour(curve == 1 ? 0x800000u : 0xFF0000u);
}

std::string Shown(double value) {
  return std::string(Trim(FormatValue(value)));
}

QPen Pen(const QColor& colour, double pageWidth, const ViewState& page) {
  QPen pen(colour);
  pen.setWidth(PixelLength(page, pageWidth));
  pen.setCapStyle(Qt::FlatCap);
  return pen;
}

void Line(QPainter& painter, const ViewState& page, Point2 a, Point2 b) {
  painter.drawLine(PixelOf(page, a), PixelOf(page, b));
}

} // namespace

TickSteps TickStep(int n, double range) {
  TickSteps result;
  if (!std::isfinite(range) || !(range > 0)) return result;
  // The power of ten as the two-digit exponent form writes it: 999 is 1.0e+03.
  char text[32];
  std::snprintf(text, sizeof text, "%.1e", range);
  const char* exponent = std::strchr(text, 'e');
  if (exponent == nullptr) return result;
  const double power = std::pow(10.0, std::atoi(exponent + 1));
  static constexpr double kFractions[] = {0.1, 0.2, 0.25, 0.5, 1};
  double best = 10.0 * n;
  for (double fraction : kFractions) {
    const double quotient = range / (fraction * power);
    // A hair of slack so 0.3 / 0.1 counts 3, as the decimal numbers say.
    const double count = std::floor(quotient * (1 + 1e-12));
    if (std::fabs(count - n) <= best) {
      best = std::fabs(count - n);
      result = {fraction * power, static_cast<int>(count), power, fraction};
    }
  }
  return result;
}

std::string DiagramUnitName(DiagramKind kind, const UnitChoice& units) {
  switch (kind) {
  case DiagramKind::NormalForce:
  case DiagramKind::ShearForce:
    return UnitName(units, Quantity::Force);
  case DiagramKind::Moment:
    return UnitName(units, Quantity::Moment);
  case DiagramKind::Slope:
    return UnitName(units, Quantity::Angle);
  case DiagramKind::Deflection:
    return UnitName(units, Quantity::Displacement);
  case DiagramKind::Stress:
    return UnitName(units, Quantity::Stress);
  case DiagramKind::Utilisation:
    return "";
  }
  return "";
}

void DrawDiagram(QPainter& painter, const TDiagramObject& diagram, double textHeight,
                 const ViewState& page, const UnitChoice& units) {
  const double left = diagram.Left, top = diagram.Top, width = diagram.Width,
               height = diagram.Height;
  const double xSpan = diagram.MaxX - diagram.MinX;
  const double vSpan = diagram.MaxValue - diagram.MinValue;
  const bool drawable = std::isfinite(xSpan) && xSpan > 0 && std::isfinite(vSpan) && vSpan > 0;
  const double zeroX = drawable ? left + std::fabs(diagram.MinX) * width / xSpan : left;
  const double zeroY =
      drawable ? top - std::fabs(diagram.MaxValue) * height / vSpan : top - height / 2;

  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setPen(Qt::NoPen);
  painter.setBrush(FromPlatformColour(diagram.Color));
  painter.drawPolygon(PixelPolygon(
      page,
      {{left, top - height}, {left + width, top - height}, {left + width, top}, {left, top}}));

  // The axes, each with its head beyond the frame at its positive end.
  painter.setPen(Pen(Qt::black, 0.2 * textHeight, page));
  Line(painter, page, {left, zeroY}, {left + width, zeroY});
  Line(painter, page, {zeroX, top - height}, {zeroX, top});
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::black);
  painter.drawPolygon(PixelPolygon(page, HeadOutline({left + width + kAxisHeadLength, zeroY}, 0,
                                                     kAxisHeadLength, 2 * kAxisHeadHalfWidth)));
  painter.drawPolygon(PixelPolygon(page, HeadOutline({zeroX, top + kAxisHeadLength}, kPi / 2,
                                                     kAxisHeadLength, 2 * kAxisHeadHalfWidth)));

  const TickSteps xTicks = TickStep(9, xSpan * diagram.XUnitFactor);
  const TickSteps vTicks = TickStep(5, vSpan * diagram.YUnitFactor);
  const double caption = kCaptionHeight * textHeight;
  // The abscissa's caption beside its head, its power of ten under it; the value
  // axis's caption beside its head.
  const double xEnd = left + width + kAxisHeadLength + 0.4;
  DrawLabel(painter, page, {xEnd, zeroY + 0.15 * caption},
            diagram.XLabel + UnitName(units, Quantity::Length), caption);
  DrawLabel(painter, page, {xEnd, zeroY - 1.1 * caption}, "(" + Shown(xTicks.Power) + ")",
            0.8 * caption);
  DrawLabel(painter, page, {zeroX + 1.2 * kAxisHeadHalfWidth, top + 0.25 * caption},
            diagram.YLabel + DiagramUnitName(diagram.Kind, units) + " (" + Shown(vTicks.Power) +
                ")",
            caption);

  if (drawable) {
    const double tickLabel = kTickLabelHeight * textHeight;
    const double tick = kTickHalfLength * textHeight;
    painter.setPen(Pen(Qt::black, 0.1 * textHeight, page));
    for (int k = 1; k <= xTicks.Count; ++k) {
      for (int side : {1, -1}) {
        const double x = zeroX + side * k * xTicks.Step / diagram.XUnitFactor * width / xSpan;
        if (x < left - kInsideSlack || x > left + width + kInsideSlack) continue;
        Line(painter, page, {x, zeroY - tick}, {x, zeroY + tick});
        DrawLabel(painter, page, {x, zeroY - tick - 0.55 * tickLabel},
                  Shown(side * k * xTicks.Step), tickLabel, 0, TextAnchor::MiddleCentre);
      }
    }
    for (int k = 1; k <= vTicks.Count; ++k) {
      for (int side : {1, -1}) {
        const double y = zeroY + side * k * vTicks.Step / diagram.YUnitFactor * height / vSpan;
        if (y < top - height - kInsideSlack || y > top + kInsideSlack) continue;
        Line(painter, page, {zeroX - tick, y}, {zeroX + tick, y});
        DrawLabel(painter, page, {zeroX - tick - 0.3, y}, Shown(side * k * vTicks.Step), tickLabel,
                  0, TextAnchor::MiddleRight);
      }
    }

    painter.setBrush(Qt::NoBrush);
    int number = 0;
    for (const std::vector<TGraphPoint>* curve : {&diagram.Curve1, &diagram.Curve2}) {
      ++number;
      if (curve->size() < 2) continue;
      QPolygonF line;
      line.reserve(static_cast<qsizetype>(curve->size()));
      for (const TGraphPoint& point : *curve)
        line << PixelOf(page, zeroX + point.X * width / xSpan, zeroY + point.Y * height / vSpan);
      QPen pen = Pen(CurveColour(number), 0.1 * textHeight, page);
      pen.setJoinStyle(Qt::RoundJoin);
      painter.setPen(pen);
      painter.drawPolyline(line);
    }
  }
  // An envelope says under it where its extremes are and what governs them.
  double noteY = top - height - kDiagramReachBelow * textHeight;
  for (const std::string& note : diagram.Notes) {
    noteY -= kDiagramNoteLine;
    DrawLabel(painter, page, {left, noteY + 0.3 * kDiagramNoteLine}, note, caption);
  }
  painter.restore();
}

} // namespace strandel
