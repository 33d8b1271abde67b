#include "render/label_space.h"

#include <cmath>

namespace strandel {
namespace {

struct Axes {
  double Ux, Uy; // along, screen coordinates (y down)
  double Vx, Vy; // across
};

Axes AxesOf(const PixelBox& box) {
  const double c = std::cos(box.Angle), s = std::sin(box.Angle);
  return {c, -s, -s, -c};
}

// Half the extent of the box measured along the unit direction (dx, dy).
double Reach(const PixelBox& box, const Axes& axes, double dx, double dy) {
  return box.HalfWidth * std::fabs(axes.Ux * dx + axes.Uy * dy) +
         box.HalfHeight * std::fabs(axes.Vx * dx + axes.Vy * dy);
}

} // namespace

bool Overlap(const PixelBox& a, const PixelBox& b) {
  const Axes axesA = AxesOf(a), axesB = AxesOf(b);
  const double cx = b.Centre.x() - a.Centre.x(), cy = b.Centre.y() - a.Centre.y();
  // Two convex boxes are apart when some edge direction separates them.
  const double directions[4][2] = {
      {axesA.Ux, axesA.Uy}, {axesA.Vx, axesA.Vy}, {axesB.Ux, axesB.Uy}, {axesB.Vx, axesB.Vy}};
  for (const auto& d : directions) {
    const double distance = std::fabs(cx * d[0] + cy * d[1]);
    if (distance > Reach(a, axesA, d[0], d[1]) + Reach(b, axesB, d[0], d[1])) return false;
  }
  return true;
}

bool LabelSpace::IsFree(const PixelBox& box) const {
  for (const PixelBox& taken : boxes_)
    if (Overlap(box, taken)) return false;
  return true;
}

} // namespace strandel
