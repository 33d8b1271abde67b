#pragma once
// The report on A4 sheets: the report's lines on a fixed character grid in
// "Courier New", 10 point when the widest line fits between the margins and
// smaller when it does not, so no column is ever cut; as many sheets as the
// lines need, each numbered at its foot.

#include <string>
#include <vector>

#include <QPainter>

#include "render/beam_sheet.h"
#include "render/character_grid.h"
#include "render/sheet_title.h"
#include "view/view_state.h"

namespace strandel {

struct ReportLayout {
  CellGrid Grid; // row 0 at the top of the text area
  int LinesPerSheet = 1;
  int SheetCount = 1; // at least one, an empty report shows a blank sheet
};

// The text area lies inside these margins, in millimetres.
inline constexpr double kReportLeft = 20;
inline constexpr double kReportRight = 12;
inline constexpr double kReportTop = 15;
inline constexpr double kReportBottom = 18;

ReportLayout LayoutReport(const std::vector<std::string>& lines);

// Sheet `sheet` (from 0) in page units through `page`. With this sheet's title
// (paper, PDF; OnSheet numbers it) the title line at its head numbers the
// sheet; without one (the window) its number "n/N" stands at the foot. The bold and underline
// switches carry over from the sheets before.
void DrawReportSheet(QPainter& painter, const std::vector<std::string>& lines,
                     const ReportLayout& layout, int sheet, const ViewState& page,
                     SheetSurround surround = SheetSurround::Desk,
                     const SheetTitle* title = nullptr);

} // namespace strandel
