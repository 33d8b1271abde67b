#include "expr/arithmetic.h"

#include <cmath>

#include "expr/operators.h"

namespace strandel {
namespace {

OperationResult Fault(EvaluationFault fault) {
  return {0, fault};
}

// Infinity and not-a-number out of an operation on finite operands can only mean
// that the result left the range of extended numbers.
OperationResult Checked(long double value) {
  if (!std::isfinite(value)) return Fault(EvaluationFault::Overflow);
  return {value, EvaluationFault::None};
}

OperationResult Power(long double base, long double exponent) {
  if (base == 0 && exponent < 0) return Fault(EvaluationFault::DivisionByZero);
  if (base < 0 && std::trunc(exponent) != exponent) return Fault(EvaluationFault::OutOfDomain);
  return Checked(std::pow(base, exponent));
}

} // namespace

std::string FaultText(EvaluationFault fault) {
  switch (fault) {
  case EvaluationFault::None:
    return "no fault";
  case EvaluationFault::DivisionByZero:
    return "division by zero";
  case EvaluationFault::LogarithmOfNonPositive:
    return "logarithm of zero or a negative number";
  case EvaluationFault::RootOfNegative:
    return "square root of a negative number";
  case EvaluationFault::OutOfDomain:
    return "argument outside the domain of the function";
  case EvaluationFault::Overflow:
    return "overflow";
  case EvaluationFault::NotCompiled:
    return "the expression did not compile";
  }
  return "unknown fault";
}

OperationResult ApplyOperator(int code, long double left, long double right,
                              long double angleFactor) {
  using F = EvaluationFault;
  switch (code) {
  case kOpSqrt:
    if (right < 0) return Fault(F::RootOfNegative);
    return Checked(std::sqrt(right));
  case kOpSqr:
    return Checked(right * right);
  case kOpExp:
    return Checked(std::exp(right));
  case kOpLn:
    if (right <= 0) return Fault(F::LogarithmOfNonPositive);
    return Checked(std::log(right));
  case kOpLog:
    if (right <= 0) return Fault(F::LogarithmOfNonPositive);
    return Checked(std::log10(right));
  case kOpRaise:
    return Power(left, right);
  case kOpArcSin:
    if (right < -1 || right > 1) return Fault(F::OutOfDomain);
    return Checked(std::asin(right) / angleFactor);
  case kOpArcCos:
    if (right < -1 || right > 1) return Fault(F::OutOfDomain);
    return Checked(std::acos(right) / angleFactor);
  case kOpArcTan:
    return Checked(std::atan(right) / angleFactor);
  case kOpSinh:
    return Checked(std::sinh(angleFactor * right));
  case kOpCosh:
    return Checked(std::cosh(angleFactor * right));
  case kOpTanh:
    return Checked(std::tanh(angleFactor * right));
  case kOpSin:
    return Checked(std::sin(angleFactor * right));
  case kOpCos:
    return Checked(std::cos(angleFactor * right));
  case kOpTan:
    return Checked(std::tan(angleFactor * right));
  case kOpHev: // the Heaviside step, 0 up to and including 0
    return {right <= 0 ? 0.0L : 1.0L, F::None};
  case kOpAbs:
    return {std::fabs(right), F::None};
  case kOpMod: // L - R trunc(L/R), which fmod computes without rounding
    if (right == 0) return Fault(F::DivisionByZero);
    return Checked(std::fmod(left, right));
  case kOpDiv: // the truncated quotient
    if (right == 0) return Fault(F::DivisionByZero);
    return Checked(std::trunc(left / right));
  case kOpMin:
    return {right <= left ? right : left, F::None};
  case kOpMax:
    return {left <= right ? right : left, F::None};
  case kOpDivide:
    if (right == 0) return Fault(F::DivisionByZero);
    return Checked(left / right);
  case kOpMultiply:
    return Checked(left * right);
  case kOpSubtract:
    return Checked(left - right);
  case kOpAdd:
    return Checked(left + right);
  }
  return Fault(F::NotCompiled);
}

} // namespace strandel
