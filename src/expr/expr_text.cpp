#include "expr/expr_text.h"

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <locale.h>

namespace strandel {
namespace {

locale_t CLocale() {
  static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return locale;
}

} // namespace

std::size_t NumberLiteralLength(std::u32string_view text, std::size_t pos) {
  auto digitsFrom = [&](std::size_t at) {
    std::size_t end = at;
    while (end < text.size() && IsExprDigit(text[end]))
      ++end;
    return end - at;
  };
  std::size_t end = pos + digitsFrom(pos);
  if (end == pos) return 0;
  if (end < text.size() && (text[end] == U'.' || text[end] == U',')) {
    if (const std::size_t fraction = digitsFrom(end + 1)) end += 1 + fraction;
  }
  if (end < text.size() && (text[end] == U'E' || text[end] == U'e')) {
    std::size_t at = end + 1;
    if (at < text.size() && (text[at] == U'+' || text[at] == U'-')) ++at;
    if (const std::size_t exponent = digitsFrom(at)) end = at + exponent;
  }
  return end - pos;
}

long double LiteralValue(std::u32string_view literal) {
  std::string ascii;
  ascii.reserve(literal.size());
  for (char32_t c : literal)
    ascii.push_back(c == U',' ? '.' : static_cast<char>(c));
  // strtold_l gives infinity on overflow and 0 (or a subnormal) on underflow.
  return strtold_l(ascii.c_str(), nullptr, CLocale());
}

std::string WriteValueText(long double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

bool ReadValueText(std::string_view text, long double& value) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && IsExprBlank(static_cast<unsigned char>(text[begin])))
    ++begin;
  while (end > begin && IsExprBlank(static_cast<unsigned char>(text[end - 1])))
    --end;
  bool negative = false;
  if (begin < end && (text[begin] == '+' || text[begin] == '-')) {
    negative = text[begin] == '-';
    ++begin;
  }
  const std::u32string literal = DecodeUtf8(text.substr(begin, end - begin));
  if (literal.empty() || NumberLiteralLength(literal, 0) != literal.size()) return false;
  const long double magnitude = LiteralValue(literal);
  value = negative ? -magnitude : magnitude;
  return true;
}

} // namespace strandel
