#include "render/beam_sheet_pages.h"

#include <algorithm>
#include <limits>

#include "render/diagram_drawing.h"
#include "render/pixel_mapping.h"

namespace strandel {
namespace {

// Content stays this far inside the sheet's frame.
constexpr double kInnerMargin = 4;
constexpr double kLowestOnSheet = kSheetMargin + kInnerMargin;
constexpr double kHighestOnSheet = kSheetHeight - kSheetMargin - kInnerMargin;

struct Block {
  double Top;
  double Bottom;
};

// The free body with its table, then each diagram with its captions.
std::vector<Block> BlocksOf(const BeamPage& page) {
  std::vector<Block> blocks;
  double headBottom = kPageBeamY - page.BeamHeight;
  for (const TReactionTableObject* table : PageObjectsOf<TReactionTableObject>(page))
    headBottom = std::min(headBottom, table->Y - table->Height);
  blocks.push_back({kSheetHeight, headBottom});
  for (const TDiagramObject* diagram : PageObjectsOf<TDiagramObject>(page))
    blocks.push_back({diagram->Top + kDiagramReachAbove * page.TextHeight,
                      diagram->Top - diagram->Height - kDiagramReachBelow * page.TextHeight -
                          kDiagramNoteLine * static_cast<double>(diagram->Notes.size())});
  return blocks;
}

} // namespace

std::vector<BeamSheet> BeamSheets(const BeamPage& page) {
  const std::vector<Block> blocks = BlocksOf(page);
  std::vector<BeamSheet> sheets;
  BeamSheet sheet{0, std::numeric_limits<double>::infinity(), 0};
  for (const Block& block : blocks) {
    if (block.Bottom - sheet.OriginY < kLowestOnSheet && block.Top != kSheetHeight) {
      // The block would run off this sheet: it starts the next one.
      sheet.ContentBottom = block.Top + 0.5;
      sheets.push_back(sheet);
      sheet = {block.Top - kHighestOnSheet, block.Top + 0.5, 0};
    }
    sheet.ContentBottom = block.Bottom;
  }
  sheet.ContentBottom = -std::numeric_limits<double>::infinity();
  sheets.push_back(sheet);
  return sheets;
}

void PaintBeamSheet(QPainter& painter, const BeamPage& page, const AppSettings& settings,
                    const BeamSheet& sheet, const ViewState& paper, SheetSurround surround,
                    const SheetTitle* title) {
  DrawSheet(painter, paper, surround);
  ViewState view = paper;
  view.OriginY += sheet.OriginY;
  // Only this sheet's part of the page, and only inside the frame.
  const double top = std::min(sheet.ContentTop - sheet.OriginY, kSheetHeight - kSheetMargin);
  const double bottom = std::max(sheet.ContentBottom - sheet.OriginY, kSheetMargin);
  painter.save();
  painter.setClipRect(QRectF(PixelOf(paper, kSheetMargin, top),
                             PixelOf(paper, kSheetWidth - kSheetMargin, bottom)));
  PaintBeamPageContent(painter, page, settings, view);
  painter.restore();
  if (title) DrawSheetTitle(painter, paper, *title);
}

void PaintBeamSheet(QPainter& painter, const BeamPage& page, const AppSettings& settings,
                    const BeamSheet& sheet, double scale, int width, int height,
                    SheetSurround surround, const SheetTitle* title) {
  PaintBeamSheet(painter, page, settings, sheet, PageView(scale, 0, 0, width, height), surround,
                 title);
}

} // namespace strandel
