#pragma once
// The program's files are 8-bit Windows-1252 text; inside the program text is UTF-8.
// These two conversions are the only place where the two meet.

#include <string>
#include <string_view>

#include "common/utf8.h" // IsValidUtf8

namespace strandel {

// Every byte becomes its Windows-1252 character (the five unassigned bytes keep
// their C1 control code points, so nothing read is lost).
std::string Cp1252ToUtf8(std::string_view bytes);

// Characters without a Windows-1252 byte, and malformed UTF-8, become "?".
std::string Utf8ToCp1252(std::string_view text);

} // namespace strandel
