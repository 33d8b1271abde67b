#include "model/position_on_beam.h"

namespace strandel {

Point2 ProjectOntoBeamLine(const TBeamObject& beam, Point2 p) {
  const double dx = beam.X2 - beam.X1, dy = beam.Y2 - beam.Y1;
  const double lengthSquared = dx * dx + dy * dy;
  if (!(lengthSquared > 0)) return {beam.X1, beam.Y1};
  const double t = ((p.X - beam.X1) * dx + (p.Y - beam.Y1) * dy) / lengthSquared;
  return {beam.X1 + t * dx, beam.Y1 + t * dy};
}

double ParameterOnBeam(const TBeamObject& beam, Point2 p) {
  return SegmentParameter(p.X, p.Y, beam.X2, beam.Y2, beam.X1, beam.Y1);
}

Point2 PointOnBeam(const TBeamObject& beam, double t) {
  return {beam.X1 + t * (beam.X2 - beam.X1), beam.Y1 + t * (beam.Y2 - beam.Y1)};
}

} // namespace strandel
