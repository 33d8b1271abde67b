#pragma once
// Expressions in the numeric fields of the property dialogs: the checks the
// dialogs make and the one rule by which a field's text becomes a stored value,
// so that every dialog treats typed input the same way.

#include <string>
#include <string_view>

#include "expr/arithmetic.h"
#include "expr/parameters.h"

namespace strandel {

struct ExpressionValue {
  double Value = 0;  // meaningful only when Ok()
  std::string Error; // the compile message, empty when the text compiled
  EvaluationFault Fault = EvaluationFault::None;
  bool Ok() const { return Error.empty() && Fault == EvaluationFault::None; }
};

// Compiles and evaluates a field's text once (fields have no variables). A
// definition such as "L1=2.5" stores its parameter as a side effect.
ExpressionValue EvaluateText(std::string_view text,
                             ParameterTable& parameters = ProgramParameters());

// The text compiles and evaluates without an arithmetic fault.
bool IsValidExpression(std::string_view text, ParameterTable& parameters = ProgramParameters());

// Valid, and the value lies in 0..100 (positions on a beam, label positions).
bool IsPercentExpression(std::string_view text, ParameterTable& parameters = ProgramParameters());

enum class FieldKind {
  Value,   // a quantity in a display unit
  Percent, // a fraction shown as percent: pass 100 as the display factor
};

struct FieldEntry {
  std::string Text;      // what the field shows afterwards: FormatValue of the value
  double Stored = 0;     // the new stored value, in base units (a fraction for percent)
  bool Accepted = false; // false: the text was refused and the field reverted
};

// Applies a field's text when a dialog takes its fields. A valid expression is
// replaced by its display form, and the stored value is what that form shows,
// divided by the display unit's factor: what the user sees is what is stored.
// Anything else (a compile error, an arithmetic fault, a percentage outside
// 0..100, a value the display form cannot carry) reverts the field to the stored
// value and leaves that value exactly as it was; so does a text still equal to
// the display form of the stored value, so confirming a dialog never rounds a
// value the user did not touch.
FieldEntry ApplyNumericField(std::string_view text, double displayFactor, double storedValue,
                             FieldKind kind = FieldKind::Value,
                             ParameterTable& parameters = ProgramParameters());

} // namespace strandel
