#pragma once
// Plane geometry in model coordinates shared by drawing, picking and the solver.

#include <string>

namespace strandel {

constexpr double kPi = 3.14159265358979323846;

struct Point2 {
  double X = 0;
  double Y = 0;
  friend bool operator==(const Point2&, const Point2&) = default;
};

// -1 for x < 0, else +1 (zero counts as positive).
double Sign(double x);

// The angle from direction 1 to direction 2, in (-pi, pi]: exactly opposite
// directions give pi, a counter-clockwise turn is positive.
double SignedAngle(double dx1, double dy1, double dx2, double dy2);

// arccos through arctan(c / sqrt|1 - c^2|), in [0, pi]. Where that root is 0
// (c = 1 or c = -1) the result is 0, as the original routine gave.
double ArcCosSafe(double c);

double SqrtAbs(double x);

// The parameter t of the point of segment b->a nearest to p: t = ((p - b).(a - b)) / |a - b|^2,
// clamped to [0, 1]; 0 for a segment of no length.
double SegmentParameter(double px, double py, double ax, double ay, double bx, double by);
// b + t (a - b) with that t.
Point2 NearestPointOnSegment(double px, double py, double ax, double ay, double bx, double by);

// Whether segments a1-a2 and b1-b2 cross; s (on a) and t (on b) are the
// parameters of the crossing when they do. Parallel segments never cross.
bool SegmentsIntersect(Point2 a1, Point2 a2, Point2 b1, Point2 b2, double& s, double& t);

inline int MaxOf(int a, int b) {
  return a > b ? a : b;
}
inline int MinOf(int a, int b) {
  return a < b ? a : b;
}
inline double MaxOf(double a, double b) {
  return a > b ? a : b;
}
inline double MinOf(double a, double b) {
  return a < b ? a : b;
}
// `whenTrue` when the flag is set, else `whenFalse`.
inline int Choose(bool flag, int whenTrue, int whenFalse) {
  return flag ? whenTrue : whenFalse;
}
inline double Choose(bool flag, double whenTrue, double whenFalse) {
  return flag ? whenTrue : whenFalse;
}
inline std::string Choose(bool flag, const std::string& whenTrue, const std::string& whenFalse) {
  return flag ? whenTrue : whenFalse;
}

} // namespace strandel
