#include "app/print_jobs.h"

#include <QPainter>
#include <QPrinter>
#include <QWidget>

#include "app/output_rules.h"
#include "app/qt_text.h"
#include "render/beam_sheet_pages.h"
#include "render/model_sheet.h"
#include "render/pixel_mapping.h"
#include "render/report_sheet.h"

namespace strandel {
namespace {

// The frame around the window's picture, in the picture's pixels.
constexpr int kWindowFrameWidth = 2;

// Where the job went, for a message: the file, else the printer.
std::string TargetOf(const QPrinter& printer) {
  if (!printer.outputFileName().isEmpty()) return FromQt(printer.outputFileName());
  return FromQt(printer.printerName());
}

PrintOutcome Failed(const QPrinter& printer, const std::string& title) {
  return {false, 0, "Could not print '" + title + "' on '" + TargetOf(printer) + "'."};
}

ViewState SheetOnPage(QSize area) {
  return SheetOnPaper(kSheetWidth, kSheetHeight, area.width(), area.height());
}

} // namespace

PrintOutcome PrintJob(QPrinter& printer, const std::string& title, int pageCount,
                      const PrintedPage& draw) {
  printer.setDocName(ToQt(title));
  QPainter painter;
  if (!painter.begin(&printer)) return Failed(printer, title);
  const QSize area(printer.width(), printer.height());
  for (int page = 0; page < pageCount; ++page) {
    if (page > 0 && !printer.newPage()) {
      painter.end();
      return Failed(printer, title);
    }
    painter.save();
    draw(painter, page, area);
    painter.restore();
  }
  if (!painter.end() || printer.printerState() == QPrinter::Error) return Failed(printer, title);
  return {true, pageCount, {}};
}

PrintOutcome PrintModel(QPrinter& printer, const std::string& title, const ModelDocument& doc,
                        const AppSettings& settings, const SheetTitle& heading,
                        const BucklingPicture* buckling) {
  return PrintJob(printer, title, 1, [&](QPainter& painter, int, QSize area) {
    // Paper shows the model alone: no grid, whatever grid the window shows.
    const double pixelsPerMm = painter.device()->logicalDpiY() / 25.4;
    ModelPictureOptions options;
    options.Buckling = buckling;
    DrawModelSheet(painter, doc, settings, heading, area.width(), area.height(), pixelsPerMm,
                   options);
  });
}

PrintOutcome PrintBeamSheets(QPrinter& printer, const std::string& title, const BeamPage& page,
                             const AppSettings& settings, const SheetTitle& heading) {
  const std::vector<BeamSheet> sheets = BeamSheets(page);
  const int count = static_cast<int>(sheets.size());
  return PrintJob(printer, title, count, [&](QPainter& painter, int sheet, QSize area) {
    const SheetTitle numbered = OnSheet(heading, sheet, count);
    PaintBeamSheet(painter, page, settings, sheets[static_cast<std::size_t>(sheet)],
                   SheetOnPage(area), SheetSurround::Paper, &numbered);
  });
}

PrintOutcome PrintReport(QPrinter& printer, const std::string& title,
                         const std::vector<std::string>& lines, const SheetTitle& heading) {
  const ReportLayout layout = LayoutReport(lines);
  return PrintJob(printer, title, layout.SheetCount, [&](QPainter& painter, int sheet, QSize area) {
    const SheetTitle numbered = OnSheet(heading, sheet, layout.SheetCount);
    DrawReportSheet(painter, lines, layout, sheet, SheetOnPage(area), SheetSurround::Paper,
                    &numbered);
  });
}

PrintOutcome PrintWindowPicture(QPrinter& printer, const std::string& title,
                                const QImage& picture) {
  return PrintJob(printer, title, 1, [&](QPainter& painter, int, QSize area) {
    const PageRectangle place =
        WindowPicturePlace(area.width(), area.height(), picture.width(), picture.height());
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(QRectF(place.X, place.Y, place.Width, place.Height), picture);
  });
}

QImage FramedWindowPicture(QWidget& window) {
  QImage picture = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
  // grab() gives device pixels on a fine screen; the frame is in those too.
  picture.setDevicePixelRatio(1);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing, false);
  const int w = kWindowFrameWidth;
  painter.fillRect(0, 0, picture.width(), w, Qt::black);
  painter.fillRect(0, picture.height() - w, picture.width(), w, Qt::black);
  painter.fillRect(0, 0, w, picture.height(), Qt::black);
  painter.fillRect(picture.width() - w, 0, w, picture.height(), Qt::black);
  return picture;
}

} // namespace strandel
