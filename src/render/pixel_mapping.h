#pragma once
// Where model and page coordinates land on the target. The model page, the
// beam sheet, the report sheet, images, PDFs and the printer all map through a
// ViewState (Scale, OriginX, OriginY and the target's size in pixels), rounded
// to whole pixels the way ToScreen rounds, so every target shows one picture.

#include <initializer_list>

#include <QPainter>
#include <QPointF>
#include <QPolygonF>

#include "common/geometry.h"
#include "view/view_state.h"

namespace strandel {

QPointF PixelOf(const ViewState& view, double x, double y);
inline QPointF PixelOf(const ViewState& view, Point2 p) {
  return PixelOf(view, p.X, p.Y);
}
QPolygonF PixelPolygon(const ViewState& view, std::initializer_list<Point2> points);

// A length of the drawing (model or page units) in whole pixels.
int PixelLength(const ViewState& view, double length);

// The mapping of a page in page units (millimetres of an A4 sheet, y upwards):
// `scale` pixels per unit, the page point (x0, y0) at the bottom-left corner of
// a target of width x height pixels.
ViewState PageView(double scale, double x0, double y0, int width, int height);

// A sheet of sheetWidth x sheetHeight page units on paper of width x height
// pixels (a printer's printable area): the sheet's width fills the paper's and
// its top lies at the paper's top. Paper too short for the whole sheet at that
// scale (US Letter, landscape) takes the scale at which the sheet's height
// fits, the sheet centred across, so no foot of a sheet is ever cut off.
ViewState SheetOnPaper(double sheetWidth, double sheetHeight, int width, int height);

// The fixed pixel sizes of the picture (grid lines, the displaced shape) are
// screen pixels; on a finer device (a PDF, the printer) they grow with its
// resolution so the picture looks the same.
double DevicePixels(const QPainter& painter, double screenPixels);

} // namespace strandel
