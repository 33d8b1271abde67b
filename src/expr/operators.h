#pragma once
// The 25 operators and functions of input-field expressions. The compiler writes
// each as one character whose code is also its precedence: the lowest code in a
// group is applied first, so "sqrt" binds tighter than "^" and "*" than "-".

#include <cstddef>
#include <string_view>

namespace strandel {

// The operator codes; a lower code is applied first.
enum OperatorCode : int {
  kOpSqrt = 128,
  kOpSqr = 129,
  kOpExp = 130,
  kOpLn = 131,
  kOpLog = 132,
  kOpRaise = 133,
  kOpArcSin = 134,
  kOpArcCos = 135,
  kOpArcTan = 136,
  kOpSinh = 137,
  kOpCosh = 138,
  kOpTanh = 139,
  kOpSin = 140,
  kOpCos = 141,
  kOpTan = 142,
  kOpHev = 143,
  kOpAbs = 144,
  kOpMod = 145,
  kOpDiv = 146,
  kOpMin = 147,
  kOpMax = 148,
  kOpDivide = 149,
  kOpMultiply = 150,
  kOpSubtract = 151,
  kOpAdd = 152,
};
constexpr int kFirstOperatorCode = kOpSqrt;
constexpr int kLastOperatorCode = kOpAdd;

struct ExprOperator {
  std::u32string_view Name; // as typed, case-sensitive
  int Code;                 // 128..152, lower is applied first
  bool Infix;               // needs a left operand as well (binary operators, mod, div, min, max)
  const char* MissingLeft;  // message when an infix operator has no left operand
  const char* MissingRight; // message when the right operand is missing
};

// The operator written as `code`, or nullptr when the code is none.
const ExprOperator* OperatorOfCode(int code);

// The operator whose name is the longest one matching exactly at `pos`, or nullptr.
const ExprOperator* LongestOperatorAt(std::u32string_view text, std::size_t pos);

// The operator whose name is exactly `name`, or nullptr.
const ExprOperator* OperatorNamed(std::u32string_view name);

} // namespace strandel
