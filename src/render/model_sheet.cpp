#include "render/model_sheet.h"

#include <algorithm>
#include <cmath>

#include "render/pixel_mapping.h"

namespace strandel {
namespace {

// The title stands this far in from the page's sides and top, millimetres.
constexpr double kTitleInset = 5;
constexpr double kTitleDrop = 4.5;
constexpr double kRuleDrop = 6.5;

} // namespace

void DrawModelSheet(QPainter& painter, const ModelDocument& doc, const AppSettings& settings,
                    const SheetTitle& title, int width, int height, double pixelsPerMm,
                    const ModelPictureOptions& options) {
  painter.save();
  painter.fillRect(QRect(0, 0, width, height), Qt::white);
  const double pageHeight = height / pixelsPerMm;
  const ViewState page = PageView(pixelsPerMm, 0, 0, width, height);
  const double right = width / pixelsPerMm;
  DrawTitleLine(painter, page, title, kTitleInset, right - kTitleInset, pageHeight - kTitleDrop);
  // A hairline under the title keeps it apart from the model.
  QPen rule(Qt::black);
  rule.setWidthF(DevicePixels(painter, 1));
  painter.setPen(rule);
  painter.drawLine(PixelOf(page, kTitleInset, pageHeight - kRuleDrop),
                   PixelOf(page, right - kTitleInset, pageHeight - kRuleDrop));

  const int band =
      std::min(height - 1, static_cast<int>(std::lround(kModelTitleBand * pixelsPerMm)));
  painter.translate(0, band);
  painter.setClipRect(QRect(0, 0, width, height - band));
  DrawModel(painter, doc, settings, FittedView(doc, width, height - band), options);
  painter.restore();
}

} // namespace strandel
