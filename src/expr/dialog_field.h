#pragma once
// One numeric field of a property dialog as the dialog's rules see it: the text
// it shows, the value that text stands for, and the display unit between them.
// The Qt dialogs copy the text to and from their edit controls; everything
// else about the field (the expression, the revert, the unit) happens here.

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

  // Holds `value` and shows it: FormatValue(value x factor).
  void Show(double value, double factor);
  // The field rule on the text: a valid expression shows as its value and is
  // stored; anything else shows the stored value again. True when accepted.
  bool Apply(ParameterTable& parameters = ProgramParameters());
};

// A percent field ("[%]"): a fraction shown times 100, only 0..100 accepted.
DialogField PercentField(std::string label, double fraction);

} // namespace strandel
