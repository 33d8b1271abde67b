#pragma once
// Colours in stored text: one of the sixteen standard names ("clRed"), "$" with
// hexadecimal digits ("$00CCCCCC"), or a decimal number. Values are 0x00BBGGRR.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace strandel {

// The standard name when the colour has one, else "$" and eight upper-case hex digits.
std::string ColorText(std::uint32_t color);

// Empty when the text is neither a standard name (any case) nor an integer.
std::optional<std::uint32_t> ParseColorText(std::string_view text);

} // namespace strandel
