#pragma once
// The drawing grid under the model: cartesian lines, the angulated grid's two
// families of lines, or the polar grid's rings and rays, spaced a round number
// of display length units about 20 pixels apart at the view's zoom.

#include <QPainter>

#include "view/grid.h"
#include "view/view_state.h"

namespace strandel {

// Nothing for grid type 0. The spacing is worked out for the view from a copy,
// so drawing never changes the grid the editor snaps to.
void DrawGrid(QPainter& painter, const TGridObject& grid, const ViewState& view);

} // namespace strandel
