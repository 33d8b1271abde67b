#pragma once
// The arithmetic of one compiled operation, in extended precision. Every fault is
// found by a check before or after the operation, never by a floating-point trap,
// so a field with 1/0 in it is refused with a reason instead of storing infinity.

#include <string>

namespace strandel {

enum class EvaluationFault {
  None,
  DivisionByZero,         // x/0, x mod 0, x div 0, 0^-1
  LogarithmOfNonPositive, // ln and log of zero or a negative number
  RootOfNegative,         // sqrt of a negative number
  OutOfDomain,            // asin and acos beyond [-1, 1], a negative number to a fractional power
  Overflow,               // a value beyond the range of the numbers a field can hold
  NotCompiled,            // evaluated although the expression did not compile
};

// "division by zero", "overflow", ...: the fault as the batch front end words it.
std::string FaultText(EvaluationFault fault);

struct OperationResult {
  long double Value = 0;
  EvaluationFault Fault = EvaluationFault::None;
};

// Applies the operator of `code` (128..152) to its operands; functions use only
// `right`. Angles are radians times `angleFactor`. Operands must be finite.
OperationResult ApplyOperator(int code, long double left, long double right,
                              long double angleFactor);

} // namespace strandel
