#include "render/fonts.h"

#include <algorithm>

#include <QPaintDevice>
#include <QStringList>

namespace strandel {

std::string SubstituteFamily(const std::string& family) {
  if (family == kFixedFont) return "Liberation Mono";
  if (family == kSansFont) return "Liberation Sans";
  if (family == kSerifFont) return "Liberation Serif";
  return family;
}

QFont ProgramFont(const QPainter& painter, const std::string& family, double pixelHeight,
                  bool bold) {
  QFont font;
  // The named face first, its stand-in next, so an installed original wins.
  font.setFamilies(
      {QString::fromStdString(family), QString::fromStdString(SubstituteFamily(family))});
  font.setStyleHint(family == kFixedFont ? QFont::TypeWriter : QFont::AnyStyle);
  const QPaintDevice* device = painter.device();
  const double dpi = device != nullptr ? device->logicalDpiY() : 96.0;
  font.setPointSizeF(std::max(pixelHeight, 0.1) * 72.0 / dpi);
  font.setBold(bold);
  font.setKerning(false);
  return font;
}

} // namespace strandel
