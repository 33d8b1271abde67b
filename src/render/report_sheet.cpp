#include "render/report_sheet.h"

#include <algorithm>
#include <cmath>

#include "render/pixel_mapping.h"
#include "render/rotated_text.h"

namespace strandel {
namespace {

// Courier at 10 point: 6 points a character, 12 points a line.
constexpr double kPointMillimetres = 25.4 / 72;
constexpr double kCellWidth = 6 * kPointMillimetres;
constexpr double kLineFactor = 1.2; // line height in the font's em

} // namespace

ReportLayout LayoutReport(const std::vector<std::string>& lines) {
  std::size_t widest = 1;
  for (const std::string& line : lines)
    widest = std::max(widest, CellCharacters(line, true).size());
  const double textWidth = kSheetWidth - kReportLeft - kReportRight;
  const double textHeight = kSheetHeight - kReportTop - kReportBottom;
  ReportLayout layout;
  layout.Grid.Left = kReportLeft;
  layout.Grid.Top = kSheetHeight - kReportTop;
  layout.Grid.CellWidth = std::min(kCellWidth, textWidth / static_cast<double>(widest));
  layout.Grid.CellHeight = kLineFactor * layout.Grid.FontHeight();
  layout.LinesPerSheet =
      std::max(1, static_cast<int>(std::floor(textHeight / layout.Grid.CellHeight)));
  const int count = static_cast<int>(lines.size());
  layout.SheetCount = std::max(1, (count + layout.LinesPerSheet - 1) / layout.LinesPerSheet);
  return layout;
}

void DrawReportSheet(QPainter& painter, const std::vector<std::string>& lines,
                     const ReportLayout& layout, int sheet, const ViewState& page,
                     SheetSurround surround, const SheetTitle* title) {
  DrawSheet(painter, page, surround);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  const std::size_t first = static_cast<std::size_t>(sheet) * layout.LinesPerSheet;
  TextMarkup markup;
  for (std::size_t i = 0; i < first && i < lines.size(); ++i)
    markup = MarkupAfter(lines[i], markup);
  for (int row = 0; row < layout.LinesPerSheet; ++row) {
    const std::size_t index = first + static_cast<std::size_t>(row);
    if (index >= lines.size()) break;
    markup = DrawGridLine(painter, page, layout.Grid, row, lines[index], true, markup);
  }
  if (title) {
    DrawSheetTitle(painter, page, *title);
  } else {
    const std::string number = std::to_string(sheet + 1) + "/" + std::to_string(layout.SheetCount);
    DrawLabel(painter, page, {kSheetWidth - kReportRight, kReportBottom / 2 + 1}, number, 3.0, 0,
              TextAnchor::MiddleRight);
  }
  painter.restore();
}

} // namespace strandel
