#include "common/number_text.h"

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <locale.h>

#include "common/text.h"

namespace strandel {
namespace {

// A decimal approximation d1.d2d3... x 10^exponent of a magnitude.
struct DecimalDigits {
  std::string digits; // significant digits, no leading zero unless the value is 0
  int exponent = 0;
};

// The value's first `significant` digits. The digits are taken from an 18-digit
// expansion and then rounded half up, the way the original number formatting
// rounded, so 1.125 shows as 1.13 rather than the binary-nearest 1.12.
DecimalDigits RoundedDigits(double magnitude, int significant) {
  DecimalDigits result;
  if (magnitude == 0) {
    result.digits.assign(static_cast<std::size_t>(significant), '0');
    return result;
  }
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.17e", magnitude);
  // buffer: "d.ddddddddddddddddde+XX"
  std::string all;
  const char* p = buffer;
  for (; *p && *p != 'e'; ++p) {
    if (*p >= '0' && *p <= '9') all.push_back(*p);
  }
  result.exponent = (*p == 'e') ? std::atoi(p + 1) : 0;
  const bool roundUp = all.size() > static_cast<std::size_t>(significant) &&
                       all[static_cast<std::size_t>(significant)] >= '5';
  all.resize(static_cast<std::size_t>(significant), '0');
  if (roundUp) {
    int i = significant - 1;
    while (i >= 0 && all[static_cast<std::size_t>(i)] == '9') {
      all[static_cast<std::size_t>(i)] = '0';
      --i;
    }
    if (i >= 0) {
      ++all[static_cast<std::size_t>(i)];
    } else {
      all.insert(all.begin(), '1');
      all.pop_back();
      ++result.exponent;
    }
  }
  result.digits = all;
  return result;
}

std::string StripTrailingZeros(std::string digits) {
  while (digits.size() > 1 && digits.back() == '0')
    digits.pop_back();
  return digits;
}

// Fixed notation of digits x 10^exponent, without trailing zeros after the point.
std::string FixedText(const DecimalDigits& d) {
  const std::string digits = StripTrailingZeros(d.digits);
  const int count = static_cast<int>(digits.size());
  std::string text;
  if (d.exponent < 0) {
    text = "0.";
    text.append(static_cast<std::size_t>(-d.exponent - 1), '0');
    text += digits;
  } else if (d.exponent + 1 >= count) {
    text = digits;
    text.append(static_cast<std::size_t>(d.exponent + 1 - count), '0');
  } else {
    text = digits.substr(0, static_cast<std::size_t>(d.exponent + 1)) + "." +
           digits.substr(static_cast<std::size_t>(d.exponent + 1));
  }
  return text;
}

// The fewest significant digits that read back as exactly `magnitude` (not 0).
DecimalDigits ShortestDigits(double magnitude) {
  char buffer[64];
  const auto written =
      std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific);
  // buffer: "d.ddde+XX", or "de+XX" for a single digit
  DecimalDigits result;
  const char* p = buffer;
  for (; p < written.ptr && *p != 'e'; ++p) {
    if (*p >= '0' && *p <= '9') result.digits.push_back(*p);
  }
  result.exponent =
      p < written.ptr ? std::atoi(std::string(p + 1, static_cast<const char*>(written.ptr)).c_str())
                      : 0;
  return result;
}

// FormatValue's layout of a magnitude's digits: fixed notation for exponents -4..7,
// otherwise one digit, the others after the point and an exponent of at least two
// digits with its sign; a blank before values that are not negative.
std::string ValueText(const DecimalDigits& d, bool negative) {
  std::string text;
  if (d.exponent >= -4 && d.exponent <= 7) {
    text = FixedText(d);
  } else {
    char exponent[16];
    std::snprintf(exponent, sizeof exponent, "E%c%02d", d.exponent < 0 ? '-' : '+',
                  std::abs(d.exponent));
    text = d.digits.substr(0, 1);
    if (d.digits.size() > 1) text += "." + d.digits.substr(1);
    text += exponent;
  }
  return (negative ? "-" : " ") + text;
}

// The general layout of document numbers: fixed notation for exponents -5..14,
// otherwise the digits without trailing zeros and a plain exponent ("2.5E20").
std::string GeneralText(const DecimalDigits& d, bool negative) {
  std::string text;
  if (d.exponent >= -5 && d.exponent <= 14) {
    text = FixedText(d);
  } else {
    const std::string digits = StripTrailingZeros(d.digits);
    text = digits.substr(0, 1);
    if (digits.size() > 1) text += "." + digits.substr(1);
    text += "E" + std::to_string(d.exponent);
  }
  return (negative ? "-" : "") + text;
}

std::string NonFiniteText(double x) {
  if (std::isnan(x)) return "NAN";
  return x < 0 ? "-INF" : "INF";
}

locale_t CLocale() {
  static locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return locale;
}

// Checks the literal grammar on already trimmed text with "." as the separator.
bool IsDecimalLiteral(std::string_view s) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t mantissaDigits = 0;
  while (i < s.size() && IsDigit(s[i]))
    ++i, ++mantissaDigits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && IsDigit(s[i]))
      ++i, ++mantissaDigits;
  }
  if (mantissaDigits == 0) return false;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t exponentDigits = 0;
    while (i < s.size() && IsDigit(s[i]))
      ++i, ++exponentDigits;
    if (exponentDigits == 0) return false;
  }
  return i == s.size();
}

// Converts a literal that passed IsDecimalLiteral; empty when it overflows.
std::optional<double> ConvertLiteral(const std::string& literal) {
  const double value = strtod_l(literal.c_str(), nullptr, CLocale());
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

std::string NormalisedLiteral(std::string_view text) {
  std::string s(Trim(text));
  for (char& c : s) {
    if (c == ',') c = '.';
  }
  return s;
}

// For a normal double (not a subnormal one) the shortest exact digits decide
// every "fewest digits that read back" question at once: when they number n or
// fewer, rounding to n digits gives them back, padded with zeros; when they number
// more, no rounding to n digits reads back. So one conversion replaces a round of
// formatting and reading back for each candidate length.
bool HasShortestDigits(double x) {
  return std::isfinite(x) && std::fabs(x) >= std::numeric_limits<double>::min();
}

} // namespace

std::string FormatValue(double x) {
  if (!std::isfinite(x)) {
    const std::string text = NonFiniteText(x);
    return text[0] == '-' ? text : " " + text;
  }
  const DecimalDigits d = RoundedDigits(std::fabs(x), 3);
  if (d.digits == "000") return " 0";
  return ValueText(d, x < 0);
}

std::string FormatFieldValue(double x, int significant) {
  if (!std::isfinite(x) || x == 0) return FormatValue(x);
  DecimalDigits d = RoundedDigits(std::fabs(x), std::clamp(significant, 1, 17));
  d.digits = StripTrailingZeros(d.digits);
  return ValueText(d, x < 0);
}

std::string FormatFieldValue(double x) {
  if (HasShortestDigits(x)) {
    const DecimalDigits d = ShortestDigits(std::fabs(x));
    if (d.digits.size() <= 15) return ValueText(d, x < 0);
    return FormatFieldValue(x, 15);
  }
  std::string text;
  for (int significant = 3; significant <= 15; ++significant) {
    text = FormatFieldValue(x, significant);
    if (!std::isfinite(x) || ParseNumber(text) == x) break;
  }
  return text;
}

std::string FormatValueExact(double x) {
  if (HasShortestDigits(x)) {
    const DecimalDigits d = ShortestDigits(std::fabs(x));
    return d.digits.size() <= 3 ? FormatValue(x) : ValueText(d, x < 0);
  }
  const std::string text = FormatValue(x);
  if (!std::isfinite(x) || (IsNumber(text) && ParseNumber(text) == x)) return text;
  return ValueText(ShortestDigits(std::fabs(x)), x < 0);
}

std::string FormatGeneral(double x) {
  if (!std::isfinite(x)) return NonFiniteText(x);
  if (x == 0) return "0";
  // Fifteen digits read back exactly just when the shortest exact digits number
  // fifteen or fewer, and then they are those digits.
  if (HasShortestDigits(x)) return GeneralText(ShortestDigits(std::fabs(x)), x < 0);
  const std::string text = GeneralText(RoundedDigits(std::fabs(x), 15), x < 0);
  if (IsNumber(text) && ParseNumber(text) == x) return text;
  return GeneralText(ShortestDigits(std::fabs(x)), x < 0);
}

std::string FormatShortest(double x) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, x);
  return std::string(buffer, result.ptr);
}

double ShiftDecimalPoint(double x, int places) {
  if (x == 0 || !std::isfinite(x) || places == 0) return x;
  const DecimalDigits d = ShortestDigits(std::fabs(x));
  std::string literal = (x < 0 ? "-" : "") + d.digits.substr(0, 1);
  if (d.digits.size() > 1) literal += "." + d.digits.substr(1);
  literal += "e" + std::to_string(d.exponent + places);
  return strtod_l(literal.c_str(), nullptr, CLocale());
}

std::optional<int> PowerOfTenExponent(double factor) {
  if (!(factor > 0) || !std::isfinite(factor)) return std::nullopt;
  const long exponent = std::lround(std::log10(factor));
  if (exponent < -30 || exponent > 30) return std::nullopt;
  const std::string power = "1e" + std::to_string(exponent);
  if (strtod_l(power.c_str(), nullptr, CLocale()) != factor) return std::nullopt;
  return static_cast<int>(exponent);
}

bool IsNumber(std::string_view text) {
  const std::string s = NormalisedLiteral(text);
  return IsDecimalLiteral(s) && ConvertLiteral(s).has_value();
}

double ParseNumber(std::string_view text) {
  const std::string s = NormalisedLiteral(text);
  if (!IsDecimalLiteral(s)) return 0;
  return ConvertLiteral(s).value_or(0);
}

std::optional<std::int32_t> ParseStrictInteger(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
    ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  bool hex = false;
  if (i < text.size() && text[i] == '$') {
    hex = true;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  if (i >= text.size()) return std::nullopt;
  unsigned long long value = 0;
  std::size_t digits = 0;
  for (; i < text.size(); ++i, ++digits) {
    const char c = text[i];
    int digit;
    if (IsDigit(c)) {
      digit = c - '0';
    } else if (hex && c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else if (hex && c >= 'A' && c <= 'F') {
      digit = c - 'A' + 10;
    } else {
      return std::nullopt;
    }
    value = value * (hex ? 16 : 10) + static_cast<unsigned long long>(digit);
    if (value > 0xFFFFFFFFull) return std::nullopt;
  }
  if (digits == 0) return std::nullopt;
  if (hex) {
    // A hexadecimal text is a 32-bit pattern: $FFFFFFFF is -1.
    auto pattern = static_cast<std::uint32_t>(value);
    if (negative) pattern = ~pattern + 1u;
    return static_cast<std::int32_t>(pattern);
  }
  const long long signedValue =
      negative ? -static_cast<long long>(value) : static_cast<long long>(value);
  if (signedValue < INT32_MIN || signedValue > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(signedValue);
}

std::string InvalidIntegerMessage(std::string_view text) {
  return "'" + std::string(text) + "' is not a valid integer value";
}

std::string OutOfRangeMessage(std::string_view text, long long low, long long high) {
  return "'" + std::string(text) + "' is not within the valid range " + std::to_string(low) + ".." +
         std::to_string(high);
}

long long RoundHalfEven(double x) {
  if (!std::isfinite(x)) return 0;
  const double rounded = std::nearbyint(x); // the default rounding mode is to nearest, even
  if (rounded >= 9.2e18) return INT64_MAX;
  if (rounded <= -9.2e18) return INT64_MIN;
  return static_cast<long long>(rounded);
}

} // namespace strandel
