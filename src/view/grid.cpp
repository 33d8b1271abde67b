#include "view/grid.h"

#include <cmath>

namespace strandel {
namespace {

double RoundToMultiple(double value, double step) {
  if (!(step > 0)) return value;
  return std::round(value / step) * step;
}

// The mantissa (1 <= m < 10, to one decimal, as a two-digit exponent form
// writes it: 0.0734 is 7.3e-2) and the power of ten of a positive number.
bool Decompose(double v, double& mantissa, double& power) {
  if (!std::isfinite(v) || v <= 0) return false;
  int exponent = static_cast<int>(std::floor(std::log10(v)));
  power = std::pow(10.0, exponent);
  mantissa = v / power;
  // log10 may land a hair off at exact powers of ten.
  if (mantissa < 1) {
    mantissa *= 10;
    power /= 10;
  } else if (mantissa >= 10) {
    mantissa /= 10;
    power *= 10;
  }
  mantissa = std::round(mantissa * 10) / 10;
  if (mantissa >= 10) {
    mantissa /= 10;
    power *= 10;
  }
  return power > 0 && std::isfinite(power);
}

} // namespace

double NiceStep(double v) {
  double mantissa = 0, power = 0;
  if (!Decompose(v, mantissa, power)) return 0;
  const double whole = std::round(mantissa);
  static constexpr double kNice[] = {1, 2, 2.5, 5, 10};
  double best = kNice[0];
  for (double candidate : kNice) {
    // Strictly nearer only: on a tie the earlier of the list stays.
    if (std::fabs(whole - candidate) < std::fabs(whole - best)) best = candidate;
  }
  return best * power;
}

void UpdateGridSpacing(TGridObject& grid, double scale) {
  if (grid.GridType == kNoGrid) return;
  if (grid.SetStep > 0 && std::isfinite(grid.SetStep)) {
    grid.Spacing = grid.SetStep;
    return;
  }
  if (!(grid.LengthFactor > 0) || !(scale > 0)) return;
  const double spacing = NiceStep(20 * grid.LengthFactor / scale) / grid.LengthFactor;
  if (std::isfinite(spacing) && spacing > 0) grid.Spacing = spacing;
}

double GridLineSpacing(const TGridObject& grid, double scale) {
  const double step = grid.Spacing;
  if (!(grid.SetStep > 0) || !(step > 0) || !(scale > 0)) return step;
  static constexpr double kMultiples[] = {1, 2, 5};
  // Within bounds, so that an absurd zoom ends the search.
  for (double power = 1; power < 1e15; power *= 10) {
    for (double multiple : kMultiples) {
      if (step * multiple * power * scale >= kLeastLinePixels) return step * multiple * power;
    }
  }
  return step * 1e15;
}

int PolarRingInterval(const TGridObject& grid) {
  double mantissa = 0, power = 0;
  if (!Decompose(grid.Spacing * grid.LengthFactor, mantissa, power)) return 5;
  if (std::fabs(mantissa - 2.5) < 0.01) return 4;
  if (std::fabs(mantissa - 5) < 0.01) return 2;
  return 5;
}

Point2 GridAxisX(const TGridObject& grid) {
  return {std::cos(grid.GridAngle), std::sin(grid.GridAngle)};
}

Point2 GridAxisY(const TGridObject& grid) {
  return {-std::sin(grid.GridAngle), std::cos(grid.GridAngle)};
}

Point2 RoundToGrid(const TGridObject& grid, Point2 p, double step, bool fine) {
  switch (grid.GridType) {
  case kAngulatedGrid: {
    const Point2 ax = GridAxisX(grid), ay = GridAxisY(grid);
    const double dx = p.X - grid.GridOrigin.X, dy = p.Y - grid.GridOrigin.Y;
    const double localX = RoundToMultiple(dx * ax.X + dy * ax.Y, step);
    const double localY = RoundToMultiple(dx * ay.X + dy * ay.Y, step);
    return {grid.GridOrigin.X + localX * ax.X + localY * ay.X,
            grid.GridOrigin.Y + localX * ax.Y + localY * ay.Y};
  }
  case kPolarGrid: {
    const double angleStep = fine ? kPi / 180 : grid.AngleStep;
    const double dx = p.X - grid.PolarCentre.X, dy = p.Y - grid.PolarCentre.Y;
    // The rays are drawn from GridAngle on, so the angle is rounded from there.
    const double offset = std::remainder(std::atan2(dy, dx) - grid.GridAngle, 2 * kPi);
    const double theta = grid.GridAngle + RoundToMultiple(offset, angleStep);
    const double radius = RoundToMultiple(std::hypot(dx, dy), step);
    return {grid.PolarCentre.X + radius * std::cos(theta),
            grid.PolarCentre.Y + radius * std::sin(theta)};
  }
  default:
    return {RoundToMultiple(p.X, step), RoundToMultiple(p.Y, step)};
  }
}

void UpdateCursorCoordinates(TGridObject& grid) {
  const Point2 ax = GridAxisX(grid), ay = GridAxisY(grid);
  const double dx = grid.Cursor.X - grid.GridOrigin.X, dy = grid.Cursor.Y - grid.GridOrigin.Y;
  grid.LocalX = dx * ax.X + dy * ax.Y;
  grid.LocalY = dx * ay.X + dy * ay.Y;
  const double px = grid.Cursor.X - grid.PolarCentre.X, py = grid.Cursor.Y - grid.PolarCentre.Y;
  grid.Radius = std::hypot(px, py);
  grid.Theta = std::atan2(py, px);
}

} // namespace strandel
