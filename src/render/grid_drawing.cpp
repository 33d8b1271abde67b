#include "render/grid_drawing.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <QLineF>

#include "render/palette.h"
#include "render/pixel_mapping.h"

namespace strandel {
namespace {

// A grid whose lines would come closer than a pixel or number in the tens of
// thousands has lost its spacing; drawing it would only grey the picture.
constexpr double kMostLines = 20000;
// Coordinates this close to zero are the axis itself.
constexpr double kOnAxis = 1e-6;
constexpr double kFineLine = 1;
constexpr double kAxisLine = 3;

struct LineSet {
  std::vector<QLineF> Fine;
  std::vector<QLineF> Axes;
};

void Stroke(QPainter& painter, const LineSet& lines) {
  QPen pen(GridColour());
  pen.setCapStyle(Qt::FlatCap);
  pen.setWidthF(DevicePixels(painter, kFineLine));
  painter.setPen(pen);
  painter.drawLines(lines.Fine.data(), static_cast<int>(lines.Fine.size()));
  pen.setWidthF(DevicePixels(painter, kAxisLine));
  painter.setPen(pen);
  painter.drawLines(lines.Axes.data(), static_cast<int>(lines.Axes.size()));
}

struct ViewBox {
  double Left, Bottom, Right, Top;
  Point2 Centre() const { return {(Left + Right) / 2, (Bottom + Top) / 2}; }
  double HalfDiagonal() const { return std::hypot(Right - Left, Top - Bottom) / 2; }
};

ViewBox BoxOf(const ViewState& view) {
  return {view.OriginX, view.OriginY, view.OriginX + view.Width / view.Scale,
          view.OriginY + view.Height / view.Scale};
}

bool FewEnough(double from, double to, double step) {
  return step > 0 && std::isfinite(from) && std::isfinite(to) && (to - from) / step < kMostLines;
}

void Cartesian(const TGridObject& grid, const ViewState& view, const ViewBox& box, LineSet& lines) {
  const double step = grid.Spacing;
  if (!FewEnough(box.Left, box.Right, step) || !FewEnough(box.Bottom, box.Top, step)) return;
  for (double k = std::ceil(box.Left / step); k * step <= box.Right; ++k) {
    const double x = k * step;
    const QLineF line(PixelOf(view, x, box.Bottom), PixelOf(view, x, box.Top));
    (std::fabs(x) < kOnAxis ? lines.Axes : lines.Fine).push_back(line);
  }
  for (double k = std::ceil(box.Bottom / step); k * step <= box.Top; ++k) {
    const double y = k * step;
    const QLineF line(PixelOf(view, box.Left, y), PixelOf(view, box.Right, y));
    (std::fabs(y) < kOnAxis ? lines.Axes : lines.Fine).push_back(line);
  }
}

void Angulated(const TGridObject& grid, const ViewState& view, const ViewBox& box, LineSet& lines) {
  const double step = grid.Spacing;
  const Point2 ax = GridAxisX(grid), ay = GridAxisY(grid);
  const Point2 c = box.Centre();
  const double radius = box.HalfDiagonal();
  // The view centre in the grid's axes; the lines cover the circle around it.
  const double cx = (c.X - grid.GridOrigin.X) * ax.X + (c.Y - grid.GridOrigin.Y) * ax.Y;
  const double cy = (c.X - grid.GridOrigin.X) * ay.X + (c.Y - grid.GridOrigin.Y) * ay.Y;
  if (!FewEnough(cx - radius, cx + radius, step) || !FewEnough(cy - radius, cy + radius, step))
    return;
  auto local = [&](double lx, double ly) {
    return PixelOf(view, grid.GridOrigin.X + lx * ax.X + ly * ay.X,
                   grid.GridOrigin.Y + lx * ax.Y + ly * ay.Y);
  };
  for (double k = std::ceil((cx - radius) / step); k * step <= cx + radius; ++k) {
    const QLineF line(local(k * step, cy - radius), local(k * step, cy + radius));
    (k == 0 ? lines.Axes : lines.Fine).push_back(line);
  }
  for (double k = std::ceil((cy - radius) / step); k * step <= cy + radius; ++k) {
    const QLineF line(local(cx - radius, k * step), local(cx + radius, k * step));
    (k == 0 ? lines.Axes : lines.Fine).push_back(line);
  }
}

void Polar(QPainter& painter, const TGridObject& grid, const ViewState& view, const ViewBox& box,
           LineSet& lines) {
  const Point2 centre = grid.PolarCentre;
  const double ring = PolarRingInterval(grid) * grid.Spacing;
  double farthest = 0;
  for (const Point2& corner : {Point2{box.Left, box.Bottom}, Point2{box.Right, box.Bottom},
                               Point2{box.Left, box.Top}, Point2{box.Right, box.Top}})
    farthest = std::max(farthest, std::hypot(corner.X - centre.X, corner.Y - centre.Y));
  // The nearest point of the view to the centre: rings inside it are not seen.
  const double nx = std::clamp(centre.X, box.Left, box.Right);
  const double ny = std::clamp(centre.Y, box.Bottom, box.Top);
  const double nearest = std::hypot(nx - centre.X, ny - centre.Y);
  if (FewEnough(nearest, farthest, ring)) {
    QPen pen(GridColour());
    pen.setWidthF(DevicePixels(painter, kFineLine));
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const QPointF middle = PixelOf(view, centre);
    for (double k = std::max(1.0, std::ceil(nearest / ring)); k * ring <= farthest; ++k) {
      const double r = k * ring * view.Scale;
      painter.drawEllipse(middle, r, r);
    }
  }
  if (!(farthest > 0) || !std::isfinite(farthest)) return;
  for (int i = 0; i < 36; ++i) {
    const double angle = grid.GridAngle + i * kPi / 18;
    const QLineF ray(PixelOf(view, centre), PixelOf(view, centre.X + farthest * std::cos(angle),
                                                    centre.Y + farthest * std::sin(angle)));
    (i % 9 == 0 ? lines.Axes : lines.Fine).push_back(ray);
  }
}

} // namespace

void DrawGrid(QPainter& painter, const TGridObject& grid, const ViewState& view) {
  if (grid.GridType == kNoGrid || !(view.Scale > 0)) return;
  TGridObject spaced = grid;
  // About 20 screen pixels apart on a finer device too.
  const double screenScale = view.Scale / DevicePixels(painter, 1);
  UpdateGridSpacing(spaced, screenScale);
  spaced.Spacing = GridLineSpacing(spaced, screenScale);
  const ViewBox box = BoxOf(view);
  LineSet lines;
  painter.save();
  painter.setBrush(Qt::NoBrush);
  // Lines along the pixel rows and columns are sharpest without smoothing.
  painter.setRenderHint(QPainter::Antialiasing, spaced.GridType != kCartesianGrid);
  switch (spaced.GridType) {
  case kCartesianGrid:
    Cartesian(spaced, view, box, lines);
    break;
  case kAngulatedGrid:
    Angulated(spaced, view, box, lines);
    break;
  case kPolarGrid:
    Polar(painter, spaced, view, box, lines);
    break;
  default:
    break;
  }
  Stroke(painter, lines);
  painter.restore();
}

} // namespace strandel
