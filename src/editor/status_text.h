#pragma once
// The texts of the model page's status bar: the instruction of the editing mode
// and the cursor coordinates, each number with its display unit.

#include <optional>
#include <string>

#include "units/units.h"
#include "view/grid.h"

namespace strandel {

// Panels 2 and 3 of the status bar.
struct CoordinateTexts {
  std::string First;
  std::string Second;
};

// The cursor in the coordinates of the grid type: x and y (none, cartesian),
// the local x and y (angulated), radius and angle (polar). While a direction is
// being set, the first panel shows that direction instead.
CoordinateTexts CursorCoordinateTexts(const TGridObject& grid, const UnitChoice& units,
                                      std::optional<double> direction);

// " 250 [cm]": the value in the display unit of the quantity, and the unit.
std::string QuantityText(const UnitChoice& units, Quantity quantity, double value);

// Panel 1: the instruction for the mode (translation entries), the zoom-window
// and pan instructions while those are on, the document's path when idle.
std::string ModeInstruction(int mode, bool zoomWindow, bool pan, const std::string& path);

} // namespace strandel
