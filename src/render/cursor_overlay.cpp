#include "render/cursor_overlay.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <utility>

#include <QPaintEngine>

#include "render/palette.h"

namespace strandel {
namespace {

double CrossDirection(const TGridObject& grid) {
  switch (grid.GridType) {
  case kAngulatedGrid:
    return grid.GridAngle;
  case kPolarGrid:
    return std::atan2(grid.PolarCentre.Y - grid.Cursor.Y, grid.PolarCentre.X - grid.Cursor.X);
  default:
    return 0;
  }
}

void InvertPixels(QPainter& painter, const std::vector<QPoint>& pixels, const QColor& colour) {
  if (pixels.empty()) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  const QPaintEngine* engine = painter.paintEngine();
  if (engine != nullptr && engine->hasFeature(QPaintEngine::RasterOpModes))
    painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
  QPen pen(colour);
  pen.setWidth(1);
  painter.setPen(pen);
  painter.drawPoints(pixels.data(), static_cast<int>(pixels.size()));
  painter.restore();
}

} // namespace

std::vector<QPoint> CursorCrossPixels(const TGridObject& grid, const ViewState& view) {
  const PixelPoint centre = ToScreen(view, grid.Cursor.X, grid.Cursor.Y);
  const double angle = CrossDirection(grid);
  // Pixel y grows downwards.
  const double c = std::cos(angle), s = -std::sin(angle);
  const int half = grid.CursorSize / 2;
  std::set<std::pair<int, int>> unique;
  for (int i = -half; i < grid.CursorSize - half; ++i) {
    unique.insert({centre.X + static_cast<int>(std::lround(i * c)),
                   centre.Y + static_cast<int>(std::lround(i * s))});
    unique.insert({centre.X + static_cast<int>(std::lround(-i * s)),
                   centre.Y + static_cast<int>(std::lround(i * c))});
  }
  std::vector<QPoint> pixels;
  pixels.reserve(unique.size());
  for (const auto& [x, y] : unique)
    pixels.emplace_back(x, y);
  return pixels;
}

void DrawCursorCross(QPainter& painter, const TGridObject& grid, const ViewState& view) {
  InvertPixels(painter, CursorCrossPixels(grid, view), CursorColour());
}

void DrawZoomRectangle(QPainter& painter, PixelPoint corner1, PixelPoint corner2) {
  const int x1 = std::min(corner1.X, corner2.X), x2 = std::max(corner1.X, corner2.X);
  const int y1 = std::min(corner1.Y, corner2.Y), y2 = std::max(corner1.Y, corner2.Y);
  std::set<std::pair<int, int>> unique;
  for (int x = x1; x <= x2; x += 2) {
    unique.insert({x, y1});
    unique.insert({x, y2});
  }
  for (int y = y1; y <= y2; y += 2) {
    unique.insert({x1, y});
    unique.insert({x2, y});
  }
  std::vector<QPoint> pixels;
  for (const auto& [x, y] : unique)
    pixels.emplace_back(x, y);
  // Black inverted against white gives the usual focus rectangle.
  InvertPixels(painter, pixels, Qt::black);
}

void DrawSelectionBox(QPainter& painter, PixelPoint corner1, PixelPoint corner2, bool crossing) {
  const QRect box = QRect(QPoint(corner1.X, corner1.Y), QPoint(corner2.X, corner2.Y)).normalized();
  const QColor edge = crossing ? QColor(0, 140, 60) : QColor(30, 80, 200);
  QColor wash = edge;
  wash.setAlpha(40);
  painter.save();
  painter.setPen(QPen(edge, 1, crossing ? Qt::DashLine : Qt::SolidLine));
  painter.setBrush(wash);
  painter.drawRect(box);
  painter.restore();
}

} // namespace strandel
