#pragma once
// The rules of the constraint editor ("Constrains editor") of one selected
// variable: its type (Interval, Equal, Mirror), the bounds of an interval in the
// shown unit, and the variable an Equal or Mirror variable follows. The dialog
// binds its controls to this; Cancel puts back what the variable held.

#include <string>
#include <vector>

#include "expr/dialog_field.h"
#include "optimizer/variables.h"

namespace strandel {

// What the editor's controls hold.
struct ConstraintFields {
  int Type = kConstrainInterval; // CB_ConstrainType
  DialogField Low;               // ED_LBound, in the shown unit
  DialogField High;              // ED_UBound
  int AssocIndex = -1;           // CB_AssocNode: index into AssociatedChoices, -1 none
};

class ConstraintEditorDialogModel {
public:
  // `variable` belongs to `list`; its bounds, type and associated name are kept
  // for Cancel. The bound fields evaluate with `parameters`.
  ConstraintEditorDialogModel(VariableList& list, TVarItem& variable, ParameterTable& parameters);

  // " N001.X", the read-only name field.
  std::string NameText() const;
  const std::string& UnitName() const { return variable_.DispUnit; }
  // The selected Interval variables of the same coordinate kind, other than this
  // one: the variables this one may follow.
  std::vector<std::string> AssociatedChoices() const;
  // The controls as they show the variable now: bounds x DispFactor in as many
  // digits as they need (storing them again changes nothing; a bound text the
  // editor refused stays, with its reason, while the bound is unchanged), the
  // associated variable or, when it is not among the choices, the first choice.
  ConstraintFields Fields() const;
  // The type the choice keeps when the user picks `type`: Equal and Mirror only
  // when there is a variable to follow, else Interval.
  int AcceptedType(int type) const;
  // Takes the controls into the variable. An interval's bound texts follow the
  // field rule (expressions in the shown unit); the bounds change only when
  // both texts are taken and high - low > 0; an interval follows nothing. Equal
  // and Mirror follow the chosen variable, or none. False when a bound's text
  // was refused (the reason is in the field Fields() gives).
  bool Store(const ConstraintFields& fields);
  // OK stores the fields; Cancel restores what the variable held at the start.
  bool Ok(const ConstraintFields& fields) { return Store(fields); }
  void Cancel();

private:
  VariableList& list_;
  ParameterTable& parameters_;
  TVarItem& variable_;
  double savedLow_, savedHigh_;
  int savedType_;
  std::string savedAssoc_;
  DialogField low_, high_; // the bound fields as last stored
  bool pending_ = false;   // a bound text was refused: neither bound is stored yet
};

} // namespace strandel
