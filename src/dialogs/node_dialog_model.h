#pragma once
// The rules of the node dialog (TfNodeProp): what it shows for one node, and
// how OK moves the node. A free node is placed by its coordinates; a node that
// lies on a beam can only slide along it, so it offers only its position there.

#include <optional>
#include <string>

#include "dialogs/apply_outcome.h"
#include "expr/dialog_field.h"
#include "model/document.h"
#include "units/units.h"

namespace strandel {

class UserMessages;

struct NodeDialogModel {
  int Index = -1; // the node's place in the model list
  long Number = 0;
  bool OnBeam = false;  // lies on an existing beam (HostBeam)
  std::string Caption;  // "Node properties N3"
  DialogField X;        // ED_XPos, length unit
  DialogField Y;        // ED_YPos, length unit
  DialogField Position; // ED_BeamPos, percent of the beam from its start node

  // Evaluates every enabled field, as moving between fields does; false when
  // one refused its text.
  bool EvaluateFields(ParameterTable& parameters);
  // OK: evaluates, then moves the node with MoveNode, which carries its beams,
  // the nodes on them, and the supports, loads, forces and moments at them
  // along. Nothing changes unless it comes to Applied.
  ApplyOutcome Apply(ModelDocument& doc, ParameterTable& parameters, UserMessages& messages);
};

// The dialog of the object at `index`; nothing unless it is a node.
std::optional<NodeDialogModel> OpenNodeDialog(const ModelDocument& doc, int index,
                                              const UnitChoice& units);

} // namespace strandel
