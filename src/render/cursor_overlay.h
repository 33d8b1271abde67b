#pragma once
// What the model page draws over its finished picture without redrawing it: the
// cursor cross at the snapped position and the zoom-window rectangle. Both are
// drawn inverting, as an exclusive-or of the pixels, so a second drawing gives
// the picture back; drawn from state onto a fresh copy of the picture, the cross
// shows once and never leaves a trail.

#include <vector>

#include <QPainter>
#include <QPoint>

#include "view/grid.h"
#include "view/view_state.h"

namespace strandel {

// The pixels of the cross: two strokes of CursorSize pixels through the cursor,
// along and across 0 for grid types 0 and 1, GridAngle for the angulated grid,
// and the direction to the centre for the polar grid. Each pixel once.
std::vector<QPoint> CursorCrossPixels(const TGridObject& grid, const ViewState& view);

// Inverts the cross's pixels with the cursor colour (157, 157, 255): on white
// the cross shows in that colour. Where the device cannot invert (a PDF) the
// cross is drawn plainly in that colour.
void DrawCursorCross(QPainter& painter, const TGridObject& grid, const ViewState& view);

// The dotted rectangle of a zoom-window drag, every other pixel inverted.
void DrawZoomRectangle(QPainter& painter, PixelPoint corner1, PixelPoint corner2);
// The selection box: a solid blue frame over a light blue wash while it takes
// what lies wholly inside, a dashed green one over green while it takes what it
// touches (dragged from right to left).
void DrawSelectionBox(QPainter& painter, PixelPoint corner1, PixelPoint corner2, bool crossing);

} // namespace strandel
