#pragma once
// The outlines of the drawn symbols in model coordinates. Picking, the model
// extents and the drawing all take their sizes from here, so what the user sees
// is what a click hits and what Zoom extents keeps in view.

#include <array>

#include "common/geometry.h"
#include "model/objects.h"

namespace strandel {

// Sizes relative to the document's BeamHeight (nodes, beams, supports) and
// LoadHeight (loads, forces, moments).
inline constexpr double kSupportHeight = 2.0;          // x BeamHeight, apex to base
inline constexpr double kSupportBaseWidth = 8.0 / 3.0; // x BeamHeight
inline constexpr double kForceLength = 1.5;            // x LoadHeight
inline constexpr double kForceShaftWidth = 0.2;        // x the force's length
inline constexpr double kMomentRadius = 0.35;          // x LoadHeight
// The moment ring that picks the arc reaches this factor inside and outside its radius.
inline constexpr double kMomentRingFactor = 1.2;

// A parallelogram: the points Origin + s U + t V with 0 <= s, t <= 1.
struct Parallelogram {
  Point2 Origin;
  Point2 U;
  Point2 V;
  std::array<Point2, 4> Corners() const;
};

// Whether p lies inside (edges included); false for a flat parallelogram.
bool Contains(const Parallelogram& shape, Point2 p);

// The direction a support points in, from its base towards its node: 90, 180,
// 270 or 0 degrees for Direction 1..4 (a stored code outside 1..4 counts as 3).
double SupportAxisAngle(int direction);

// The support triangle: apex at the node, base 2 BeamHeight back along the axis.
struct Triangle {
  Point2 Apex;
  Point2 BaseLeft;
  Point2 BaseRight;
};
Triangle SupportTriangle(const TSupportObject& support, double beamHeight);
bool Contains(const Triangle& triangle, Point2 p);

// The body of a beam drawn with thickness BeamHeight about its centre line.
Parallelogram BeamBody(const TBeamObject& beam, double beamHeight);
// The band of a distributed load: its line and the same line moved by
// LoadHeight in the load's direction.
Parallelogram LoadBand(const TLoadObject& load, double loadHeight);
// The arrow of a force: from its point of action 1.5 LoadHeight along its
// direction, a fifth of that wide.
Parallelogram ForceArrow(const TForceObject& force, double loadHeight);

} // namespace strandel
