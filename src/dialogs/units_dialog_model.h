#pragma once
// The rules of the "Select units" dialog: eleven lists, one per selectable
// quantity, working on a copy of the user's choices that OK alone stores, and
// the way a unit name with "^" is drawn (the power raised, the caret unseen).

#include <string>
#include <vector>

#include "units/units.h"

namespace strandel {

struct UnitBox {
  Quantity Shown;                 // the Displacement box lists the Length units
  std::string Label;              // "Length:", from the translation list
  std::vector<std::string> Names; // "[m]", "[dm]", ...
};

struct UnitsDialogModel {
  std::string Caption;        // "Select units"
  std::vector<UnitBox> Boxes; // in the dialog's order (see UnitBoxOrder)
  UnitChoice Working;         // what OK stores

  // The list row (0-based) selected in box `box`: the working choice - 1, or
  // the first row for a stored choice the list does not have.
  int SelectedRow(std::size_t box) const;
  // A row picked in box `box`; rows outside the list are ignored.
  void Select(std::size_t box, int row);
  // The "SI" and "US" buttons: every box goes to the preset (US keeps Density).
  void Preset(UnitPreset preset) { ApplyPreset(Working, preset); }
};

// Length, Displacement, Force, Distributed load, Stress, Moment of inertia,
// Section modulus, Area, Moment, Mass, Density: the order of the dialog's labels.
const std::vector<Quantity>& UnitBoxOrder();

UnitsDialogModel OpenUnitsDialog(const UnitChoice& stored);

// One character of a unit name as the unit lists draw it.
struct UnitGlyph {
  char Character;
  bool Superscript; // the character after a "^": smaller and raised
};
// "[m^2]" gives "[", "m", raised "2", "]". A "^" at the end draws nothing.
std::vector<UnitGlyph> UnitNameGlyphs(const std::string& name);

} // namespace strandel
