#pragma once
// The rules of the force, load and moment dialog (TfFQMprop): one dialog for
// the three kinds of action, each with its direction and its value in its own
// unit; a distributed load also places its label along its stretch.

#include <optional>
#include <string>

#include "dialogs/apply_outcome.h"
#include "dialogs/case_field.h"
#include "expr/dialog_field.h"
#include "model/document.h"
#include "units/units.h"

namespace strandel {

struct LoadDialogModel {
  ObjectKind Kind = ObjectKind::Force; // Force, Load or Moment
  int Index = -1;                      // the object's place in the model list
  long Number = 0;
  std::string Caption; // "Force F2", "Distributed load q1", "Moment M3"
  DialogField Angle;   // ED_Angle, degrees
  DialogField Value;   // ED_Load, the kind's unit
  DialogField TextPos; // ED_TextPos, percent; only a load has one
  bool HasTextPos = false;
  CaseField Case; // the load case it belongs to

  // Evaluates the fields the kind has; false when one refused its text.
  bool EvaluateFields(ParameterTable& parameters);
  // OK: evaluates and writes the direction (normalised into (-180, 180]
  // degrees, so a direction turned once round reads as the same direction),
  // the value and, for a load, the label position. Nothing changes unless it
  // comes to Applied.
  ApplyOutcome Apply(ModelDocument& doc, ParameterTable& parameters);
};

// The dialog of the object at `index`; nothing unless it is a force, a load or
// a moment.
std::optional<LoadDialogModel> OpenLoadDialog(const ModelDocument& doc, int index,
                                              const UnitChoice& units);

// The angle, rad, turned into (-pi, pi].
double NormalisedAngle(double angle);

} // namespace strandel
