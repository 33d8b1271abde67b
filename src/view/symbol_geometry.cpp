#include "view/symbol_geometry.h"

#include <cmath>

namespace strandel {
namespace {

Point2 Add(Point2 a, Point2 b) {
  return {a.X + b.X, a.Y + b.Y};
}
Point2 Scaled(Point2 a, double f) {
  return {a.X * f, a.Y * f};
}
Point2 Direction(double angle) {
  return {std::cos(angle), std::sin(angle)};
}
double Cross(Point2 a, Point2 b) {
  return a.X * b.Y - a.Y * b.X;
}

} // namespace

std::array<Point2, 4> Parallelogram::Corners() const {
  return {Origin, Add(Origin, U), Add(Add(Origin, U), V), Add(Origin, V)};
}

bool Contains(const Parallelogram& shape, Point2 p) {
  const double area = Cross(shape.U, shape.V);
  if (area == 0 || !std::isfinite(area)) return false;
  const Point2 w{p.X - shape.Origin.X, p.Y - shape.Origin.Y};
  // Cramer's rule for w = s U + t V.
  const double s = Cross(w, shape.V) / area;
  const double t = Cross(shape.U, w) / area;
  return s >= 0 && s <= 1 && t >= 0 && t <= 1;
}

double SupportAxisAngle(int direction) {
  switch (direction) {
  case 1:
    return kPi / 2;
  case 2:
    return kPi;
  case 4:
    return 0;
  default:
    return 3 * kPi / 2;
  }
}

Triangle SupportTriangle(const TSupportObject& support, double beamHeight) {
  const Point2 apex{support.X, support.Y};
  const Point2 axis = Direction(SupportAxisAngle(support.Direction));
  const Point2 baseCentre = Add(apex, Scaled(axis, -kSupportHeight * beamHeight));
  const Point2 across = Scaled(Point2{-axis.Y, axis.X}, kSupportBaseWidth * beamHeight / 2);
  return {apex, Add(baseCentre, across), Add(baseCentre, Scaled(across, -1))};
}

bool Contains(const Triangle& triangle, Point2 p) {
  const Point2 u{triangle.BaseLeft.X - triangle.Apex.X, triangle.BaseLeft.Y - triangle.Apex.Y};
  const Point2 v{triangle.BaseRight.X - triangle.Apex.X, triangle.BaseRight.Y - triangle.Apex.Y};
  const double area = Cross(u, v);
  if (area == 0 || !std::isfinite(area)) return false;
  const Point2 w{p.X - triangle.Apex.X, p.Y - triangle.Apex.Y};
  const double s = Cross(w, v) / area;
  const double t = Cross(u, w) / area;
  return s >= 0 && t >= 0 && s + t <= 1;
}

Parallelogram BeamBody(const TBeamObject& beam, double beamHeight) {
  const Point2 along{beam.X2 - beam.X1, beam.Y2 - beam.Y1};
  const Point2 normal = Direction(std::atan2(along.Y, along.X) + kPi / 2);
  return {Add(Point2{beam.X1, beam.Y1}, Scaled(normal, -beamHeight / 2)), along,
          Scaled(normal, beamHeight)};
}

Parallelogram LoadBand(const TLoadObject& load, double loadHeight) {
  return {{load.X1, load.Y1},
          {load.X2 - load.X1, load.Y2 - load.Y1},
          Scaled(Direction(load.Angle), loadHeight)};
}

Parallelogram ForceArrow(const TForceObject& force, double loadHeight) {
  const double length = kForceLength * loadHeight;
  const double width = kForceShaftWidth * length;
  const Point2 across = Direction(force.Angle - kPi / 2);
  return {Add(Point2{force.X, force.Y}, Scaled(across, -width / 2)),
          Scaled(Direction(force.Angle), length), Scaled(across, width)};
}

} // namespace strandel
