#include "dialogs/support_dialog_model.h"

#include "common/text_entries.h"
#include "common/translation.h"

namespace strandel {
std::optional<SupportDialogModel> OpenSupportDialog(const ModelDocument& doc, int index,
                                                    const UnitChoice& units) {
  const TSupportObject* support = ObjectAt<TSupportObject>(doc, index);
  if (!support) return std::nullopt;
  SupportDialogModel dialog;
  dialog.Index = index;
  dialog.Number = support->Number;
  dialog.Caption = Translated(tr::kSupportCaption) + " S" + std::to_string(support->Number);
  dialog.DirectionLabel = Translated(tr::kSupportLabelDirection);
  // A damaged file may hold another code: no button is then down, and the code
  // stays unless one is chosen.
  dialog.Direction = support->Direction;
  const double displacement = UnitFactor(units, Quantity::Displacement);
  const std::string displacementUnit = UnitName(units, Quantity::Displacement);
  dialog.XDisplacement.Label = Translated(tr::kSupportLabelXDisplacement);
  dialog.XDisplacement.Unit = displacementUnit;
  dialog.XDisplacement.Show(support->DX, displacement);
  dialog.YDisplacement.Label = Translated(tr::kSupportLabelYDisplacement);
  dialog.YDisplacement.Unit = displacementUnit;
  dialog.YDisplacement.Show(support->DY, displacement);
  dialog.Rotation.Label = Translated(tr::kSupportLabelRotation);
  dialog.Rotation.Unit = UnitName(units, Quantity::Angle);
  dialog.Rotation.Show(support->DRot, UnitFactor(units, Quantity::Angle));
  dialog.LockedLabel = Translated(tr::kSupportLabelLocked);
  dialog.RolledLabel = Translated(tr::kSupportLabelRolled);
  dialog.Locked = support->Locked;
  dialog.Rolled = support->Rolled;
  dialog.Case = OpenCaseField(doc, support->Case);
  return dialog;
}

bool SupportDialogModel::EvaluateFields(ParameterTable& parameters) {
  return ApplyFields({&XDisplacement, &YDisplacement, &Rotation}, parameters);
}

ApplyOutcome SupportDialogModel::Apply(ModelDocument& doc, ParameterTable& parameters) {
  TSupportObject* support = ObjectAt<TSupportObject>(doc, Index);
  if (!support || support->Number != Number) return ApplyOutcome::ObjectGone;
  if (!EvaluateFields(parameters)) return ApplyOutcome::FieldRefused;
  support->DX = XDisplacement.Stored;
  support->DY = YDisplacement.Stored;
  support->DRot = Rotation.Stored;
  support->Locked = Locked;
  support->Rolled = Rolled;
  support->Case = Case.Chosen;
  if (Direction >= 1 && Direction <= 4) support->Direction = static_cast<std::uint16_t>(Direction);
  return ApplyOutcome::Applied;
}

} // namespace strandel
