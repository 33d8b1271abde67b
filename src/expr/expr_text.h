#pragma once
// The characters and numbers of expression texts. The evaluator works on code
// points rather than UTF-8 bytes: parameter names may hold the letters Ä Å Ö ä å ö,
// whose UTF-8 bytes would otherwise look like the operator codes 128..152 that the
// compiler writes into the same text.

#include <cstddef>
#include <string>
#include <string_view>

#include "common/utf8.h"

namespace strandel {

inline bool IsExprDigit(char32_t c) {
  return c >= U'0' && c <= U'9';
}
inline bool IsExprBlank(char32_t c) {
  return c == U' ' || c == U'\t' || c == U'\r' || c == U'\n' || c == U'\f' || c == U'\v';
}

// The length of the number literal at `pos`, 0 when there is none: digits, then
// optionally "." or "," and digits, then optionally "E" or "e", an optional sign and
// digits. A literal never starts with the decimal separator.
std::size_t NumberLiteralLength(std::u32string_view text, std::size_t pos);

// The value of a literal found by NumberLiteralLength, in extended precision
// ("," read as "."). Too large a literal gives infinity, which the evaluation
// reports as an overflow; too small a one gives 0.
long double LiteralValue(std::u32string_view literal);

// A parameter value as text: the shortest form that reads back to the same
// extended value, with "." whatever the locale ("2.5", "-1e+300").
std::string WriteValueText(long double value);

// Reads a value text back: blanks, an optional sign and a literal, nothing else.
// False when the text holds no value (a parameter whose definition never
// evaluated).
bool ReadValueText(std::string_view text, long double& value);

} // namespace strandel
