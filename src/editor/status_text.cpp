#include "editor/status_text.h"

#include "common/text_entries.h"
#include "common/translation.h"
#include "editor/editor_modes.h"

namespace strandel {

std::string QuantityText(const UnitChoice& units, Quantity quantity, double value) {
  return ShownText(units, quantity, value) + " " + UnitName(units, quantity);
}

CoordinateTexts CursorCoordinateTexts(const TGridObject& grid, const UnitChoice& units,
                                      std::optional<double> direction) {
  CoordinateTexts texts;
  switch (grid.GridType) {
  case kAngulatedGrid:
    texts = {QuantityText(units, Quantity::Length, grid.LocalX),
             QuantityText(units, Quantity::Length, grid.LocalY)};
    break;
  case kPolarGrid:
    texts = {QuantityText(units, Quantity::Length, grid.Radius),
             QuantityText(units, Quantity::Angle, grid.Theta)};
    break;
  default:
    texts = {QuantityText(units, Quantity::Length, grid.Cursor.X),
             QuantityText(units, Quantity::Length, grid.Cursor.Y)};
    break;
  }
  if (direction) texts.First = QuantityText(units, Quantity::Angle, *direction);
  return texts;
}

std::string ModeInstruction(int mode, bool zoomWindow, bool pan, const std::string& path) {
  if (zoomWindow) return Translated(tr::kStatusZoomWindow);
  if (pan) return Translated(tr::kStatusPan);
  const int entry = StatusEntryOfMode(mode);
  return entry < 0 ? path : Translated(entry);
}

} // namespace strandel
