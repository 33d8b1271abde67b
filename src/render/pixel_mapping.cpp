#include "render/pixel_mapping.h"

#include <algorithm>
#include <cmath>

#include <QPaintDevice>

namespace strandel {
namespace {

// The resolution of a screen picture; finer devices scale fixed pixel sizes.
constexpr double kScreenDpi = 96;

} // namespace

QPointF PixelOf(const ViewState& view, double x, double y) {
  const PixelPoint pixel = ToScreen(view, x, y);
  return {static_cast<double>(pixel.X), static_cast<double>(pixel.Y)};
}

QPolygonF PixelPolygon(const ViewState& view, std::initializer_list<Point2> points) {
  QPolygonF polygon;
  polygon.reserve(static_cast<qsizetype>(points.size()));
  for (const Point2& p : points)
    polygon << PixelOf(view, p);
  return polygon;
}

int PixelLength(const ViewState& view, double length) {
  const double pixels = length * view.Scale;
  if (!std::isfinite(pixels)) return 0;
  return static_cast<int>(std::lround(std::clamp(pixels, -1e6, 1e6)));
}

ViewState PageView(double scale, double x0, double y0, int width, int height) {
  ViewState view;
  view.Scale = scale;
  view.OriginX = x0;
  view.OriginY = y0;
  view.Width = std::max(width, 1);
  view.Height = std::max(height, 1);
  return view;
}

ViewState SheetOnPaper(double sheetWidth, double sheetHeight, int width, int height) {
  width = std::max(width, 1);
  height = std::max(height, 1);
  const double scale = std::min(width / sheetWidth, height / sheetHeight);
  const double x0 = -(width / scale - sheetWidth) / 2;
  return PageView(scale, x0, sheetHeight - height / scale, width, height);
}

double DevicePixels(const QPainter& painter, double screenPixels) {
  const QPaintDevice* device = painter.device();
  if (device == nullptr) return screenPixels;
  // Whole multiples, so a screen image keeps its exact pixel widths.
  return screenPixels * std::max(1.0, std::round(device->logicalDpiY() / kScreenDpi));
}

} // namespace strandel
