#pragma once
// The outlines of arrows in model (or page) coordinates: straight arrows with a
// shaft and a triangular head (forces, reactions, load arrows, diagram axes) and
// curved arrows along an arc (moments).

#include <vector>

#include <QPolygonF>

#include "common/geometry.h"
#include "view/view_state.h"

namespace strandel {

using Outline = std::vector<Point2>;

// A triangle with its tip at `tip`, pointing along `angle`.
Outline HeadOutline(Point2 tip, double angle, double length, double width);

// An arrow from tail to head: a shaft `shaftWidth` wide and a head `headLength`
// long and `headWidth` wide. A head longer than the arrow takes its whole length.
Outline ArrowOutline(Point2 tail, Point2 head, double shaftWidth, double headLength,
                     double headWidth);

// An arrow bent along the circle of `radius` around `centre`, from `startAngle`
// turning by `sweep` (radians, counter-clockwise when positive), the band
// `bandWidth` wide and the head at the end of the turn.
Outline CurvedArrowOutline(Point2 centre, double radius, double startAngle, double sweep,
                           double bandWidth, double headLength, double headWidth);

QPolygonF PixelPolygon(const ViewState& view, const Outline& outline);

} // namespace strandel
