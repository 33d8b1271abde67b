#include "model/colour_text.h"

#include <cstdio>

#include "common/number_text.h"
#include "common/text.h"

namespace strandel {
namespace {

struct NamedColor {
  const char* Name;
  std::uint32_t Value;
};

constexpr NamedColor kNamedColors[] = {
    {"clBlack", 0x000000},  {"clMaroon", 0x000080},  {"clGreen", 0x008000}, {"clOlive", 0x008080},
    {"clNavy", 0x800000},   {"clPurple", 0x800080},  {"clTeal", 0x808000},  {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0}, {"clRed", 0x0000FF},     {"clLime", 0x00FF00},  {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},   {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00},  {"clWhite", 0xFFFFFF},
};

} // namespace

std::string ColorText(std::uint32_t color) {
  for (const NamedColor& named : kNamedColors) {
    if (named.Value == color) return named.Name;
  }
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "$%08X", static_cast<unsigned>(color));
  return buffer;
}

std::optional<std::uint32_t> ParseColorText(std::string_view text) {
  const std::string_view trimmed = Trim(text);
  for (const NamedColor& named : kNamedColors) {
    if (EqualsIgnoreCase(trimmed, named.Name)) return named.Value;
  }
  const std::optional<std::int32_t> value = ParseStrictInteger(text);
  if (!value) return std::nullopt;
  return static_cast<std::uint32_t>(*value);
}

} // namespace strandel
