#include "common/geometry.h"

#include <cmath>

namespace strandel {

double Sign(double x) {
  return x < 0 ? -1.0 : 1.0;
}

double SignedAngle(double dx1, double dy1, double dx2, double dy2) {
  const double a1 = std::atan2(dy1, dx1);
  const double a2 = std::atan2(dy2, dx2);
  const double cosine = std::cos(a1) * std::cos(a2) + std::sin(a1) * std::sin(a2);
  if (cosine == -1.0) return kPi;
  const double cross = std::cos(a1) * std::sin(a2) - std::sin(a1) * std::cos(a2);
  // Rounding can push the cosine a hair beyond 1 for equal directions.
  const double clamped = cosine > 1.0 ? 1.0 : (cosine < -1.0 ? -1.0 : cosine);
  return std::acos(clamped) * Sign(cross);
}

double ArcCosSafe(double c) {
  const double root = std::sqrt(std::fabs(1 - c * c));
  if (root == 0) return 0;
  return kPi / 2 - std::atan(c / root);
}

double SqrtAbs(double x) {
  return std::sqrt(std::fabs(x));
}

double SegmentParameter(double px, double py, double ax, double ay, double bx, double by) {
  const double dx = ax - bx;
  const double dy = ay - by;
  const double lengthSquared = dx * dx + dy * dy;
  if (lengthSquared == 0) return 0;
  const double t = ((px - bx) * dx + (py - by) * dy) / lengthSquared;
  return t < 0 ? 0 : (t > 1 ? 1 : t);
}

Point2 NearestPointOnSegment(double px, double py, double ax, double ay, double bx, double by) {
  const double t = SegmentParameter(px, py, ax, ay, bx, by);
  return {bx + t * (ax - bx), by + t * (ay - by)};
}

bool SegmentsIntersect(Point2 a1, Point2 a2, Point2 b1, Point2 b2, double& s, double& t) {
  const double rx = a2.X - a1.X, ry = a2.Y - a1.Y;
  const double qx = b2.X - b1.X, qy = b2.Y - b1.Y;
  const double denominator = rx * qy - ry * qx;
  if (denominator == 0) return false;
  const double wx = b1.X - a1.X, wy = b1.Y - a1.Y;
  const double sValue = (wx * qy - wy * qx) / denominator;
  const double tValue = (wx * ry - wy * rx) / denominator;
  if (sValue < 0 || sValue > 1 || tValue < 0 || tValue > 1) return false;
  s = sValue;
  t = tValue;
  return true;
}

} // namespace strandel
