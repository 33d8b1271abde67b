#pragma once
// One numeric field of a dialog as the dialog's rules see it: the text it shows,
// the value that text stands for, the display unit between them, and why a typed
// text was refused. The Qt dialogs copy the text to and from their edit controls;
// everything else about the field (the expression, the refusal, the unit)
// happens here.

#include <initializer_list>
#include <string>

#include "expr/numeric_field.h"

namespace strandel {

struct DialogField {
  std::string Label; // from the translation list: "X-possition"
  std::string Unit;  // the unit label beside the field: "[m]", "[%]"
  std::string Text;  // as shown, or as typed since
  double Stored = 0; // base units; a fraction for a percent field
  double Factor = 1; // display units per base unit; 100 for a percent field
  FieldKind Kind = FieldKind::Value;
  bool Enabled = true;
  std::string Error; // why Text was refused; empty while the field holds a value

  // Holds `value` and shows it (FieldText). A refused text stays, with its
  // message, while the field is enabled and the value and unit it would replace
  // are unchanged: a dialog
  // that shows all its values again after a change elsewhere does not throw
  // away what the user is still correcting.
  void Show(double value, double factor);
  // The field rule on the text: a valid expression is stored and shown as its
  // value; anything else stays as typed with Error set. True when accepted.
  bool Apply(ParameterTable& parameters);
  bool Refused() const { return !Error.empty(); }
  // What the field shows for its stored value: the text Esc goes back to.
  std::string StoredText() const { return FieldText(Stored, Factor); }
};

// A percent field ("[%]"): a fraction shown times 100, only 0..100 accepted.
DialogField PercentField(std::string label, double fraction);

// Applies every enabled field (all of them, so each refusal shows at once). True
// when every one was accepted: only then may a dialog's OK go ahead.
bool ApplyFields(std::initializer_list<DialogField*> fields, ParameterTable& parameters);

} // namespace strandel
