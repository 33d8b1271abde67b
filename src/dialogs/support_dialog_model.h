#pragma once
// The rules of the support dialog (TfSuppProp): the support's direction (one
// of four, chosen with buttons that show the symbol turned that way), its
// prescribed displacements and rotation, and whether it holds the rotation and
// whether it rolls.

#include <optional>
#include <string>

#include "dialogs/apply_outcome.h"
#include "dialogs/case_field.h"
#include "expr/dialog_field.h"
#include "model/document.h"
#include "units/units.h"

namespace strandel {

struct SupportDialogModel {
  int Index = -1; // the support's place in the model list
  long Number = 0;
  std::string Caption;        // "Support properties S2"
  std::string DirectionLabel; // "Direction"
  int Direction = 3;          // RB_Dir1 .. RB_Dir4 (1..4)
  DialogField XDisplacement;  // ED_XDispl, displacement unit
  DialogField YDisplacement;  // ED_YDispl, displacement unit
  DialogField Rotation;       // ED_MDispl, degrees
  std::string LockedLabel;    // CH_Locked
  std::string RolledLabel;    // CH_Rolled
  bool Locked = false;
  bool Rolled = false;
  CaseField Case; // the case its prescribed displacements belong to

  // Evaluates the three fields; false when one refused its text.
  bool EvaluateFields(ParameterTable& parameters);
  // OK: evaluates and writes everything back in base units. Nothing changes
  // unless it comes to Applied.
  ApplyOutcome Apply(ModelDocument& doc, ParameterTable& parameters);
};

// The dialog of the object at `index`; nothing unless it is a support.
std::optional<SupportDialogModel> OpenSupportDialog(const ModelDocument& doc, int index,
                                                    const UnitChoice& units);

} // namespace strandel
