#include "dialogs/dimensioning_dialog_model.h"

#include "common/text_entries.h"
#include "common/translation.h"

namespace strandel {
namespace {

std::array<bool*, kDimensioningSwitchCount> Switches(ModelDocument& doc) {
  return {&doc.Settings.FailHazRed, &doc.Settings.DimUncertRed, &doc.Settings.LatBuckRed,
          &doc.Settings.LocBuckRed, &doc.Settings.LoadDurRed,   &doc.Settings.AirMoistRed,
          &doc.Settings.OwnWeight};
}

} // namespace

DimensioningDialogModel OpenDimensioningDialog(const ModelDocument& doc) {
  DimensioningDialogModel dialog;
  dialog.Caption = Translated(tr::kDimRulesCaption);
  dialog.GroupLabel = Translated(tr::kDimRulesGroup);
  // The switches' captions follow each other in the translation list.
  for (std::size_t i = 0; i < kDimensioningSwitchCount; ++i)
    dialog.Labels[i] = Translated(tr::kDimRuleFailureHazard + static_cast<int>(i));
  dialog.SecondOrderLabel = Translated(tr::kDimRuleSecondOrder);
  const auto switches = Switches(const_cast<ModelDocument&>(doc));
  for (std::size_t i = 0; i < kDimensioningSwitchCount; ++i)
    dialog.On[i] = *switches[i];
  dialog.SecondOrderOn = doc.Settings.SecondOrder;
  return dialog;
}

bool DimensioningDialogModel::Apply(ModelDocument& doc) const {
  bool changed = false;
  const auto switches = Switches(doc);
  for (std::size_t i = 0; i < kDimensioningSwitchCount; ++i) {
    changed = changed || *switches[i] != On[i];
    *switches[i] = On[i];
  }
  changed = changed || doc.Settings.SecondOrder != SecondOrderOn;
  doc.Settings.SecondOrder = SecondOrderOn;
  return changed;
}

} // namespace strandel
