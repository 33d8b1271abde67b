#pragma once
// Expressions in the numeric fields of the dialogs: the checks the dialogs make
// and the one rule by which a field's text becomes a stored value, so that every
// dialog treats typed input the same way: what is typed is what is stored, and
// what cannot be stored is refused with a reason instead of being replaced.

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
ExpressionValue EvaluateText(std::string_view text, ParameterTable& parameters);

// The text compiles and evaluates without an arithmetic fault.
bool IsValidExpression(std::string_view text, ParameterTable& parameters);

// Valid, and the value lies in 0..100 (positions on a beam, label positions).
bool IsPercentExpression(std::string_view text, ParameterTable& parameters);

// What a field accepts besides a value the evaluator gives.
enum class FieldKind {
  Value,    // any value, a quantity in a display unit
  Percent,  // a fraction shown as percent, 0..100: pass 100 as the display factor
  Positive, // a length that must be greater than 0
  Count,    // a number of sections: its integer part must be 1 or more
  Fraction, // a share from 0 to 1 (the combination values of a load case)
};

// A value in base units in a field's display unit, and back. A factor that is a
// power of ten moves the decimal point (1.234 cm is the double nearest 0.01234 m,
// not 1.234 / 100 rounded once more); any other factor multiplies or divides.
double ToFieldUnits(double value, double displayFactor);
double FromFieldUnits(double shown, double displayFactor);

// What a field shows for a stored value: the fewest digits (three to fifteen, in
// FormatFieldValue's layout) that, typed back in the display unit, give the stored
// value to fifteen significant digits. With a factor of 1 that is FormatFieldValue
// of the value; with others it leaves out the noise a factor adds in the last
// digits.
std::string FieldText(double storedValue, double displayFactor);

// The reason an evaluation failed, for the user: "Division by zero".
std::string FaultMessage(EvaluationFault fault);

struct FieldEntry {
  std::string Text;      // what the field shows afterwards
  double Stored = 0;     // the stored value, in base units (a fraction for percent)
  bool Accepted = false; // false: the text was refused
  std::string Message;   // why it was refused, empty when accepted
};

// Applies a field's text when a dialog takes its fields. A text still equal to
// the display form of the stored value keeps that value bit for bit, so
// confirming a dialog never changes a value the user did not touch. A valid
// expression is stored with every digit of its value, converted from the display
// unit, and the field shows it (FieldText). Anything else (a compile error, an
// arithmetic fault, a value outside the kind's range or beyond what the unit can
// carry) is refused: the text stays as typed, the stored value stays exactly as it
// was, and Message says why, in the evaluator's words or the translation list's.
FieldEntry ApplyNumericField(std::string_view text, double displayFactor, double storedValue,
                             FieldKind kind, ParameterTable& parameters);

} // namespace strandel
