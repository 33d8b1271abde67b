#include "expr/expr_text.h"

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <locale.h>

namespace strandel {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

locale_t CLocale() {
  static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return locale;
}

void AppendUtf8(std::string& out, char32_t c) {
  const auto code = static_cast<std::uint32_t>(c);
  if (code < 0x80) {
    out.push_back(static_cast<char>(code));
  } else if (code < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (code >> 6)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else if (code < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (code >> 12)));
    out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | ((code >> 18) & 0x07)));
    out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  }
}

} // namespace

std::u32string DecodeUtf8(std::string_view text) {
  std::u32string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    std::uint32_t code = 0;
    std::uint32_t smallest = 0; // overlong forms are malformed
    if (lead < 0x80) {
      out.push_back(lead);
      ++i;
      continue;
    } else if ((lead & 0xE0) == 0xC0) {
      length = 2, code = lead & 0x1Fu, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
      length = 3, code = lead & 0x0Fu, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
      length = 4, code = lead & 0x07u, smallest = 0x10000;
    }
    bool valid = length > 0 && i + length <= text.size();
    for (std::size_t k = 1; valid && k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      valid = (next & 0xC0) == 0x80;
      code = (code << 6) | (next & 0x3Fu);
    }
    valid = valid && code >= smallest && code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF);
    if (valid) {
      out.push_back(static_cast<char32_t>(code));
      i += length;
    } else {
      out.push_back(kReplacement);
      ++i;
    }
  }
  return out;
}

std::string EncodeUtf8(std::u32string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char32_t c : text)
    AppendUtf8(out, c);
  return out;
}

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
