#pragma once
// The beam sheet: the A4 page of the Analysis page with the chosen beam as a free
// body, its force table and its diagrams, in page units (millimetres, y upwards).
// One routine for the window, images, PDFs and the printer.

#include <QPainter>

#include "analysis/beam_page.h"
#include "model/app_settings.h"
#include "render/draw_style.h"
#include "view/view_state.h"

namespace strandel {

// The paper: 210 x 297, its drawing area (5, 5) .. (205, 292) framed in black.
inline constexpr double kSheetWidth = 210;
inline constexpr double kSheetHeight = 297;
inline constexpr double kSheetMargin = 5;

// Around the sheet: the grey desk of the window, or white paper.
enum class SheetSurround { Desk, Paper };

// Fills the target (the view's width x height) grey (white on paper) and the
// drawing area white with its black frame.
void DrawSheet(QPainter& painter, const ViewState& page,
               SheetSurround surround = SheetSurround::Desk);

// The sheet's drawing sizes: beam height 10, the page's load height, labels of
// the text height.
SymbolSizes PageSizes(const BeamPage& page);

// The page's table, one character per cell of 0.0125 of its width.
void DrawForceTable(QPainter& painter, const TReactionTableObject& table, const ViewState& page);

// Everything on the sheet without the sheet itself: shadows; loads; beams by
// their rigid ends; reactions; nodes; forces; moments; the labels; the force
// table; the diagrams.
void PaintBeamPageContent(QPainter& painter, const BeamPage& page, const AppSettings& settings,
                          const ViewState& view);

// DrawSheet, then the content.
void PaintBeamPage(QPainter& painter, const BeamPage& page, const AppSettings& settings,
                   const ViewState& view, SheetSurround surround = SheetSurround::Desk);

} // namespace strandel
