#pragma once
// A node that lies on a beam keeps its place there as a parameter along the
// beam (PositionOnBeam: 0 at its first node, 1 at its second). These turn that
// parameter into a point of the plane and back.

#include "common/geometry.h"
#include "model/objects.h"

namespace strandel {

// The foot of p on the line through the beam (not limited to its ends); the
// beam's start for a beam of no length.
Point2 ProjectOntoBeamLine(const TBeamObject& beam, Point2 p);
// The parameter of the point of the beam nearest to p, clamped to 0..1; 0 for a
// beam of no length.
double ParameterOnBeam(const TBeamObject& beam, Point2 p);
// The point at parameter t (not clamped).
Point2 PointOnBeam(const TBeamObject& beam, double t);

} // namespace strandel
