#include "dialogs/node_dialog_model.h"

#include "common/text_entries.h"
#include "common/translation.h"
#include "model/node_move.h"
#include "model/position_on_beam.h"

namespace strandel {

std::optional<NodeDialogModel> OpenNodeDialog(const ModelDocument& doc, int index,
                                              const UnitChoice& units) {
  const TNodeObject* node = ObjectAt<TNodeObject>(doc, index);
  if (!node) return std::nullopt;
  NodeDialogModel dialog;
  dialog.Index = index;
  dialog.Number = node->Number;
  // A host beam that no longer exists cannot carry the node: it is placed freely.
  dialog.OnBeam = node->HostBeam != -1 && FindBeam(doc, node->HostBeam);
  dialog.Caption = Translated(tr::kNodeCaption) + " N" + std::to_string(node->Number);
  const double length = UnitFactor(units, Quantity::Length);
  const std::string lengthUnit = UnitName(units, Quantity::Length);
  dialog.X.Label = Translated(tr::kNodeLabelX);
  dialog.X.Unit = lengthUnit;
  dialog.X.Show(node->X, length);
  dialog.Y.Label = Translated(tr::kNodeLabelY);
  dialog.Y.Unit = lengthUnit;
  dialog.Y.Show(node->Y, length);
  dialog.Position = PercentField(Translated(tr::kNodeLabelPositionOnBeam), node->PositionOnBeam);
  dialog.X.Enabled = dialog.Y.Enabled = !dialog.OnBeam;
  dialog.Position.Enabled = dialog.OnBeam;
  return dialog;
}

bool NodeDialogModel::EvaluateFields(ParameterTable& parameters) {
  return ApplyFields({&X, &Y, &Position}, parameters);
}

ApplyOutcome NodeDialogModel::Apply(ModelDocument& doc, ParameterTable& parameters,
                                    UserMessages& messages) {
  TNodeObject* node = ObjectAt<TNodeObject>(doc, Index);
  if (!node || node->Number != Number) return ApplyOutcome::ObjectGone;
  const TBeamObject* host = OnBeam ? FindBeam(doc, node->HostBeam) : nullptr;
  if (OnBeam && !host) return ApplyOutcome::ObjectGone;
  if (!EvaluateFields(parameters)) return ApplyOutcome::FieldRefused;
  Point2 target{X.Stored, Y.Stored};
  if (host) {
    node->PositionOnBeam = Position.Stored;
    target = PointOnBeam(*host, Position.Stored);
  }
  MoveNode(doc, Number, target, messages);
  return ApplyOutcome::Applied;
}

} // namespace strandel
