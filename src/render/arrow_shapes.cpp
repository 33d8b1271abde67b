#include "render/arrow_shapes.h"

#include <algorithm>
#include <cmath>

#include "render/pixel_mapping.h"

namespace strandel {
namespace {

Point2 Along(Point2 from, double angle, double distance) {
  return {from.X + distance * std::cos(angle), from.Y + distance * std::sin(angle)};
}

} // namespace

Outline HeadOutline(Point2 tip, double angle, double length, double width) {
  const Point2 base = Along(tip, angle + kPi, length);
  return {tip, Along(base, angle + kPi / 2, width / 2), Along(base, angle - kPi / 2, width / 2)};
}

Outline ArrowOutline(Point2 tail, Point2 head, double shaftWidth, double headLength,
                     double headWidth) {
  const double length = std::hypot(head.X - tail.X, head.Y - tail.Y);
  const double angle = std::atan2(head.Y - tail.Y, head.X - tail.X);
  const double shaftLength = std::max(0.0, length - headLength);
  const Point2 neck = Along(tail, angle, shaftLength);
  const double left = angle + kPi / 2, right = angle - kPi / 2;
  return {Along(tail, right, shaftWidth / 2), Along(neck, right, shaftWidth / 2),
          Along(neck, right, headWidth / 2),  head,
          Along(neck, left, headWidth / 2),   Along(neck, left, shaftWidth / 2),
          Along(tail, left, shaftWidth / 2)};
}

Outline CurvedArrowOutline(Point2 centre, double radius, double startAngle, double sweep,
                           double bandWidth, double headLength, double headWidth) {
  const double sense = sweep < 0 ? -1.0 : 1.0;
  // The head takes the last part of the turn; the band runs up to its base.
  const double headTurn = std::min(std::fabs(sweep), headLength / std::max(radius, 1e-12));
  const double bandSweep = sweep - sense * headTurn;
  const int steps = std::max(4, static_cast<int>(std::ceil(std::fabs(bandSweep) / (kPi / 24))));
  const double outer = radius + bandWidth / 2, inner = radius - bandWidth / 2;
  Outline outline;
  outline.reserve(static_cast<std::size_t>(2 * steps + 7));
  for (int i = 0; i <= steps; ++i)
    outline.push_back(Along(centre, startAngle + bandSweep * i / steps, outer));
  const double neck = startAngle + bandSweep;
  const double tipAngle = startAngle + sweep;
  outline.push_back(Along(centre, neck, radius + headWidth / 2));
  outline.push_back(Along(centre, tipAngle, radius));
  outline.push_back(Along(centre, neck, radius - headWidth / 2));
  for (int i = steps; i >= 0; --i)
    outline.push_back(Along(centre, startAngle + bandSweep * i / steps, inner));
  return outline;
}

QPolygonF PixelPolygon(const ViewState& view, const Outline& outline) {
  QPolygonF polygon;
  polygon.reserve(static_cast<qsizetype>(outline.size()));
  for (const Point2& p : outline)
    polygon << PixelOf(view, p);
  return polygon;
}

} // namespace strandel
