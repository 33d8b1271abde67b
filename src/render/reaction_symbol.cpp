#include "render/reaction_symbol.h"

#include <cmath>
#include <string>

#include "render/arrow_shapes.h"
#include "render/palette.h"
#include "render/pixel_mapping.h"
#include "render/rotated_text.h"

namespace strandel {
namespace {

// In BeamHeights: the arrows fit between the beam and the force table below it.
constexpr double kArrowLength = 0.9;
constexpr double kShaftWidth = 0.13;
constexpr double kHeadLength = 0.32;
constexpr double kHeadWidth = 0.42;
constexpr double kArcRadius = 0.68;
constexpr double kArcBand = 0.1;
constexpr double kArcSweep = 140.0 * kPi / 180.0;

} // namespace

void DrawReaction(QPainter& painter, const TReactionObject& reaction, DrawStyle style,
                  const SymbolSizes& sizes, const AppSettings& settings, const ViewState& page) {
  const double h = sizes.BeamHeight;
  const double length = kArrowLength * h;
  // A reaction at an end of the beam acts on the beam's end; one at a node
  // lying on the beam acts on that node, drawn below the beam.
  const bool atEnd = std::fabs(reaction.X - kPageBeamLeft) < 1e-9 ||
                     std::fabs(reaction.X - (kPageBeamLeft + kPageBeamWidth)) < 1e-9;
  const Point2 at{reaction.X, atEnd ? kPageBeamY : reaction.Y};
  const bool leftHalf = reaction.X <= kPageBeamLeft + kPageBeamWidth / 2;
  // At an end the force along the beam and the moment stand outside it; at a
  // node the force stands on the outer side and the moment on the inner one.
  const double outward = leftHalf ? -1 : 1;
  const double arcSide = atEnd ? outward : -outward;
  const double below = h / 2; // the beam's face, or the node's circle
  const Ink ink = InkFor(style, ReactionColour(), false);
  const QPen pen = LoadOutlinePen(ink.Outline, sizes, page);
  auto arrow = [&](Point2 tail, Point2 head) {
    DrawShape(painter,
              PixelPolygon(
                  page, ArrowOutline(tail, head, kShaftWidth * h, kHeadLength * h, kHeadWidth * h)),
              ink, pen);
  };

  const Point2 under{at.X, at.Y - below}, underEnd{at.X, at.Y - below - length};
  if (std::fabs(reaction.ForceY) > settings.MinForceValue) {
    // Pushing up against the beam, or pulling down away from it.
    if (reaction.ForceY >= 0)
      arrow(underEnd, under);
    else
      arrow(under, underEnd);
  }
  if (std::fabs(reaction.ForceX) > settings.MinForceValue) {
    const double start = atEnd ? (kArcRadius + kArcBand) * h : h / 2;
    const Point2 nearEnd{at.X + outward * start, at.Y};
    const Point2 farEnd{at.X + outward * (start + length), at.Y};
    const bool pointsRight = reaction.ForceX >= 0;
    if (pointsRight == leftHalf)
      arrow(farEnd, nearEnd); // towards the beam
    else
      arrow(nearEnd, farEnd);
  }
  if (std::fabs(reaction.Moment) > settings.MinMomentValue) {
    const double radius = kArcRadius * h;
    const double sweep = reaction.Moment < 0 ? -kArcSweep : kArcSweep;
    const double middle = arcSide < 0 ? kPi : 0;
    DrawShape(painter,
              PixelPolygon(page, CurvedArrowOutline(at, radius, middle - sweep / 2, sweep,
                                                    kArcBand * h, 0.3 * h, 0.3 * h)),
              ink, pen);
  }
  if (style != DrawStyle::Body) return;
  // Beside the lower end of the arrow across the beam, on the outer side.
  const Point2 label{at.X + outward * 0.25 * h, underEnd.Y + 0.15 * h};
  DrawLabel(painter, page, label, "R" + std::to_string(reaction.Number), sizes.LabelHeight, 0,
            leftHalf ? TextAnchor::MiddleRight : TextAnchor::MiddleLeft);
}

} // namespace strandel
