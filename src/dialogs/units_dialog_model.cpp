#include "dialogs/units_dialog_model.h"

#include "common/text_entries.h"
#include "common/translation.h"

namespace strandel {

const std::vector<Quantity>& UnitBoxOrder() {
  static const std::vector<Quantity> order = {
      Quantity::Length,         Quantity::Displacement, Quantity::Force,
      Quantity::DistLoad,       Quantity::Stress,       Quantity::MomentOfInertia,
      Quantity::SectionModulus, Quantity::Area,         Quantity::Moment,
      Quantity::Mass,           Quantity::Density};
  return order;
}

UnitsDialogModel OpenUnitsDialog(const UnitChoice& stored) {
  UnitsDialogModel dialog;
  dialog.Caption = Translated(tr::kUnitsCaption);
  dialog.Working = stored;
  const std::vector<Quantity>& order = UnitBoxOrder();
  // The labels are entries 76..86 in the boxes' order.
  for (std::size_t i = 0; i < order.size(); ++i) {
    UnitBox box;
    box.Shown = order[i];
    box.Label = Translated(tr::kUnitLabelLength + static_cast<int>(i));
    for (const UnitEntry& entry : UnitList(order[i]))
      box.Names.push_back(entry.Name);
    dialog.Boxes.push_back(std::move(box));
  }
  return dialog;
}

int UnitsDialogModel::SelectedRow(std::size_t box) const {
  if (box >= Boxes.size()) return -1;
  return EffectivePosition(Working, Boxes[box].Shown) - 1;
}

void UnitsDialogModel::Select(std::size_t box, int row) {
  if (box >= Boxes.size() || row < 0 || static_cast<std::size_t>(row) >= Boxes[box].Names.size())
    return;
  SetChoice(Working, Boxes[box].Shown, static_cast<std::uint16_t>(row + 1));
}

std::vector<UnitGlyph> UnitNameGlyphs(const std::string& name) {
  std::vector<UnitGlyph> glyphs;
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (name[i] == '^') {
      if (i + 1 < name.size()) glyphs.push_back({name[++i], true});
    } else {
      glyphs.push_back({name[i], false});
    }
  }
  return glyphs;
}

} // namespace strandel
