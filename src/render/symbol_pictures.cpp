#include "render/symbol_pictures.h"

#include <QPainter>
#include <QPainterPath>

#include "model/objects.h"
#include "render/support_symbol.h"
#include "view/view_state.h"

namespace strandel {
namespace {

// The smallest rectangle holding every pixel that is not transparent.
QRect PaintedArea(const QImage& image) {
  int left = image.width(), right = -1, top = image.height(), bottom = -1;
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (qAlpha(line[x]) == 0) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

QImage Transparent(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

// The outline of a shape in a unit square (0..1 both ways, y down): a height
// of 1, flanges and walls about a sixth of it.
QPainterPath ShapeOutline(int shape) {
  constexpr double t = 0.16; // wall and flange thickness
  QPainterPath path;
  path.setFillRule(Qt::OddEvenFill);
  auto rect = [&](double x, double y, double w, double h) { path.addRect(x, y, w, h); };
  switch (shape) {
  case 1: // rectangular solid
    rect(0.2, 0, 0.6, 1);
    break;
  case 2: // circular solid
    path.addEllipse(0, 0, 1, 1);
    break;
  case 3: // rectangular tube
    rect(0.15, 0, 0.7, 1);
    rect(0.15 + t * 0.8, t * 0.8, 0.7 - 1.6 * t, 1 - 1.6 * t);
    break;
  case 4: // circular tube
    path.addEllipse(0, 0, 1, 1);
    path.addEllipse(t, t, 1 - 2 * t, 1 - 2 * t);
    break;
  case 5: { // I: flanges narrower than the height
    QPainterPath i;
    i.addRect(0.2, 0, 0.6, t);
    i.addRect(0.2, 1 - t, 0.6, t);
    i.addRect(0.5 - t / 2, 0, t, 1);
    return i.simplified();
  }
  case 6: { // H: flanges as wide as the height
    QPainterPath h;
    h.addRect(0, 0, 1, t);
    h.addRect(0, 1 - t, 1, t);
    h.addRect(0.5 - t / 2, 0, t, 1);
    return h.simplified();
  }
  case 7: { // U: web on the left, flanges to the right
    QPainterPath u;
    u.addRect(0.15, 0, 0.6, t);
    u.addRect(0.15, 1 - t, 0.6, t);
    u.addRect(0.15, 0, t, 1);
    return u.simplified();
  }
  case 8: { // T: flange on top
    QPainterPath tee;
    tee.addRect(0.05, 0, 0.9, t);
    tee.addRect(0.5 - t / 2, 0, t, 1);
    return tee.simplified();
  }
  case 9: { // L
    QPainterPath l;
    l.addRect(0.2, 0, t, 1);
    l.addRect(0.2, 1 - t, 0.65, t);
    return l.simplified();
  }
  case 10: { // LL: two angles back to back
    QPainterPath ll;
    ll.addRect(0.5 - t - 0.03, 0, t, 1);
    ll.addRect(0.5 + 0.03, 0, t, 1);
    ll.addRect(0.02, 1 - t, 0.45, t);
    ll.addRect(0.53, 1 - t, 0.45, t);
    return ll.simplified();
  }
  default:
    break;
  }
  return path;
}

} // namespace

QImage SupportPicture(int direction, int size) {
  // Drawn large around the middle of a big image, then cut to the symbol and
  // fitted, so the symbol fills the button whichever way it points.
  constexpr int kCanvas = 240;
  QImage canvas = Transparent(kCanvas);
  {
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    ViewState view;
    view.Width = view.Height = kCanvas;
    view.Scale = 20;
    view.OriginX = view.OriginY = -kCanvas / 2.0 / view.Scale;
    SymbolSizes sizes;
    sizes.BeamHeight = 1;
    TSupportObject support;
    support.Direction = static_cast<std::uint16_t>(direction);
    DrawSupport(painter, support, DrawStyle::Body, sizes, view);
  }
  QImage picture = Transparent(size);
  const QRect painted = PaintedArea(canvas);
  if (painted.isEmpty()) return picture;
  const QImage symbol = canvas.copy(painted).scaled(size - 4, size - 4, Qt::KeepAspectRatio,
                                                    Qt::SmoothTransformation);
  QPainter painter(&picture);
  painter.drawImage((size - symbol.width()) / 2, (size - symbol.height()) / 2, symbol);
  return picture;
}

QImage ProfilePicture(int shape, int size) {
  QImage picture = Transparent(size);
  if (shape < 1 || shape > 10) return picture;
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  const double margin = size * 0.1;
  painter.translate(margin, margin);
  painter.scale(size - 2 * margin, size - 2 * margin);
  QPen pen(QColor(40, 40, 40));
  pen.setCosmetic(true);
  painter.setPen(pen);
  painter.setBrush(QColor(150, 160, 175));
  painter.drawPath(ShapeOutline(shape));
  return picture;
}

} // namespace strandel
