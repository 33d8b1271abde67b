#include "cli/report_pdf.h"

#include <QSizeF>

#include "cli/gui_session.h"
#include "render/picture_files.h"
#include "render/report_sheet.h"

namespace strandel::cli {

std::optional<std::string> ReportPdf(const std::vector<std::string>& lines,
                                     const std::string& title, const SheetTitle& heading) {
  GuiSession session;
  const ReportLayout layout = LayoutReport(lines);
  return PdfBytes(QSizeF(kSheetWidth, kSheetHeight), layout.SheetCount, title,
                  [&](QPainter& painter, int sheet, const ViewState& paper) {
                    const SheetTitle numbered = OnSheet(heading, sheet, layout.SheetCount);
                    DrawReportSheet(painter, lines, layout, sheet, paper, SheetSurround::Paper,
                                    &numbered);
                  });
}

} // namespace strandel::cli
