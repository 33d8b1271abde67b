#include "editor/node_dialog_model.h"

#include "common/text_entries.h"
#include "common/translation.h"
#include "editor/node_edit.h"
#include "editor/snap.h"

namespace strandel {

TNodeObject* NodeAt(ModelDocument& doc, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= doc.GraphObjects.size()) return nullptr;
  return std::get_if<TNodeObject>(doc.GraphObjects[static_cast<std::size_t>(index)].get());
}

const TNodeObject* NodeAt(const ModelDocument& doc, int index) {
  return NodeAt(const_cast<ModelDocument&>(doc), index);
}

std::optional<NodeDialogModel> OpenNodeDialog(const ModelDocument& doc, int index,
                                              const UnitChoice& units) {
  const TNodeObject* node = NodeAt(doc, index);
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

bool NodeDialogModel::Apply(ModelDocument& doc, ParameterTable& parameters,
                            UserMessages& messages) {
  TNodeObject* node = NodeAt(doc, Index);
  if (!node || node->Number != Number) return false;
  if (!EvaluateFields(parameters)) return false;
  Point2 target{X.Stored, Y.Stored};
  if (OnBeam) {
    const TBeamObject* host = FindBeam(doc, node->HostBeam);
    if (!host) return false;
    node->PositionOnBeam = Position.Stored;
    target = PointOnBeam(*host, Position.Stored);
  }
  MoveNode(doc, Number, target, messages);
  doc.Modified = true;
  InvalidateResults(doc);
  return true;
}

} // namespace strandel
