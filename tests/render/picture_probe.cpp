#include "picture_probe.h"

#include <cmath>
#include <cstdlib>

#include <QPainter>

#include "render/picture_files.h"
#include "render/pixel_mapping.h"

namespace strandel::testing {

AppSettings QuietSettings() {
  AppSettings settings;
  settings.ShowNodeNumbers = false;
  settings.ShowSuppNumbers = false;
  settings.ShowBeamNumbers = false;
  settings.ShowBeamGroups = false;
  settings.ShowBeamDirection = false;
  settings.ShowLoadValues = false;
  return settings;
}

ViewState TestView(double scale, double x0, double y0, int width, int height) {
  return PageView(scale, x0, y0, width, height);
}

QImage DrawnModel(const ModelDocument& doc, const AppSettings& settings, const ViewState& view,
                  const ModelPictureOptions& options) {
  QImage image = BlankImage(view.Width, view.Height);
  QPainter painter(&image);
  DrawModel(painter, doc, settings, view, options);
  painter.end();
  return image;
}

QColor ColourAt(const QImage& image, const ViewState& view, double x, double y) {
  const int px = static_cast<int>(std::floor((x - view.OriginX) * view.Scale));
  const int py = view.Height - 1 - static_cast<int>(std::floor((y - view.OriginY) * view.Scale));
  if (px < 0 || py < 0 || px >= image.width() || py >= image.height()) return Qt::white;
  return image.pixelColor(px, py);
}

bool SameColour(const QColor& a, const QColor& b, int tolerance) {
  return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
         std::abs(a.blue() - b.blue()) <= tolerance;
}

bool ColourNear(const QImage& image, const ViewState& view, double x, double y,
                const QColor& colour, int radius, int tolerance) {
  const int cx = static_cast<int>(std::floor((x - view.OriginX) * view.Scale));
  const int cy = view.Height - 1 - static_cast<int>(std::floor((y - view.OriginY) * view.Scale));
  for (int dy = -radius; dy <= radius; ++dy)
    for (int dx = -radius; dx <= radius; ++dx) {
      const int px = cx + dx, py = cy + dy;
      if (px < 0 || py < 0 || px >= image.width() || py >= image.height()) continue;
      if (SameColour(image.pixelColor(px, py), colour, tolerance)) return true;
    }
  return false;
}

std::string Describe(const QColor& colour) {
  return "(" + std::to_string(colour.red()) + ", " + std::to_string(colour.green()) + ", " +
         std::to_string(colour.blue()) + ")";
}

int DarkPixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 128) ++count;
  return count;
}

} // namespace strandel::testing
