#include "view/view_state.h"

#include <algorithm>
#include <cmath>

namespace strandel {
namespace {

constexpr double kPixelLimit = 1e9;

int RoundPixel(double value) {
  if (std::isnan(value)) return 0;
  return static_cast<int>(std::lround(std::clamp(value, -kPixelLimit, kPixelLimit)));
}

bool UsableScale(double scale) {
  return std::isfinite(scale) && scale > 0;
}

// A drawing area of no pixels still needs a defined scale.
int AtLeastOnePixel(int size) {
  return size < 1 ? 1 : size;
}

} // namespace

void ViewState::Restore(const ViewRecord& view) {
  Scale = view.Scale;
  OriginX = view.OriginX;
  OriginY = view.OriginY;
}

Point2 ToModel(const ViewState& view, double px, double py) {
  return {px / view.Scale + view.OriginX, (view.Height - py) / view.Scale + view.OriginY};
}

PixelPoint ToScreen(const ViewState& view, double x, double y) {
  return {RoundPixel((x - view.OriginX) * view.Scale),
          view.Height - RoundPixel((y - view.OriginY) * view.Scale)};
}

void ZoomAboutCentre(ViewState& view, double f) {
  view.ZoomHistory.push_back(view.Current());
  view.OriginX -= (f - 1) * view.Width * 0.5 / view.Scale;
  view.OriginY -= (f - 1) * view.Height * 0.5 / view.Scale;
  view.Scale /= f;
}

bool ZoomAboutPixel(ViewState& view, double f, PixelPoint pixel) {
  const double scale = view.Scale / f;
  if (!(f > 0) || !(scale >= kLeastScale && scale <= kGreatestScale)) return false;
  const Point2 fixed = ToModel(view, pixel.X, pixel.Y);
  view.Scale = scale;
  view.OriginX = fixed.X - pixel.X / scale;
  view.OriginY = fixed.Y - (view.Height - pixel.Y) / scale;
  return true;
}

bool ZoomToRectangle(ViewState& view, PixelPoint corner1, PixelPoint corner2) {
  const double x1 = std::min(corner1.X, corner2.X), x2 = std::max(corner1.X, corner2.X);
  const double y1 = std::min(corner1.Y, corner2.Y), y2 = std::max(corner1.Y, corner2.Y);
  const double w = x2 - x1, h = y2 - y1;
  if (w == 0 || h == 0) return false;
  const double width = view.Width, height = view.Height;
  double f, left, bottom;
  if (width / w >= height / h) {
    // The height decides; the rectangle is centred across.
    f = height / h;
    left = std::round((x1 + x2) / 2 - (h / 2) * (width / height));
    bottom = y2;
  } else {
    f = width / w;
    left = x1;
    bottom = std::round((y1 + y2) / 2 + (w / 2) * (height / width));
  }
  if (!UsableScale(view.Scale * f)) return false;
  view.ZoomHistory.push_back(view.Current());
  view.OriginX += left / view.Scale;
  view.OriginY += (height - bottom) / view.Scale;
  view.Scale *= f;
  return true;
}

bool ZoomToBox(ViewState& view, const ModelBox& box) {
  if (box.Empty()) return false;
  double left = box.MinX - 0.05 * box.Width(), right = box.MaxX + 0.05 * box.Width();
  double bottom = box.MinY - 0.05 * box.Height(), top = box.MaxY + 0.05 * box.Height();
  // A box of no width or height (one point) is given 0.05 model units about
  // its centre, so the scale stays finite and the point lands in the middle.
  constexpr double kFallbackSize = 0.05;
  if (right - left == 0) {
    left -= kFallbackSize / 2;
    right += kFallbackSize / 2;
  }
  if (top - bottom == 0) {
    bottom -= kFallbackSize / 2;
    top += kFallbackSize / 2;
  }
  const double width = right - left, height = top - bottom;
  const double ratio = (height / width) * (static_cast<double>(AtLeastOnePixel(view.Width)) /
                                           AtLeastOnePixel(view.Height));
  if (ratio >= 1) {
    const double centre = (left + right) / 2;
    left = centre - width * ratio / 2;
    right = centre + width * ratio / 2;
  } else {
    const double centre = (bottom + top) / 2;
    bottom = centre - height / ratio / 2;
  }
  const double scale = AtLeastOnePixel(view.Width) / (right - left);
  if (!UsableScale(scale) || !std::isfinite(left) || !std::isfinite(bottom)) return false;
  view.Scale = scale;
  view.OriginX = left;
  view.OriginY = bottom;
  view.ZoomHistory.clear();
  return true;
}

bool PopZoomHistory(ViewState& view) {
  if (view.ZoomHistory.empty()) return false;
  view.Restore(view.ZoomHistory.back());
  view.ZoomHistory.pop_back();
  return true;
}

void PanTo(ViewState& view, PixelPoint pointer) {
  if (view.DragStart) PanFrom(view, *view.DragStart, view.PanStart, pointer);
}

void PanFrom(ViewState& view, PixelPoint start, const ViewRecord& startView, PixelPoint pointer) {
  view.OriginX = startView.OriginX - (pointer.X - start.X) / startView.Scale;
  view.OriginY = startView.OriginY + (pointer.Y - start.Y) / startView.Scale;
}

void SetInitialView(ViewState& view, int width, int height) {
  view.Width = AtLeastOnePixel(width);
  view.Height = AtLeastOnePixel(height);
  view.OriginX = -5.1;
  view.Scale = 0.0980392 * view.Width;
  view.OriginY = -(view.Height / view.Scale) * 0.5;
  view.ZoomHistory.clear();
}

void ResizeView(ViewState& view, int width, int height) {
  width = AtLeastOnePixel(width);
  height = AtLeastOnePixel(height);
  view.OriginX -= (width - view.Width) * 0.5 / view.Scale;
  view.OriginY -= (height - view.Height) * 0.5 / view.Scale;
  view.Width = width;
  view.Height = height;
}

} // namespace strandel
