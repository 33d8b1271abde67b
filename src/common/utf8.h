#pragma once
// UTF-8, the text of the program: reading code points one at a time and writing
// them back. Every reader of text (the file conversions, the expression
// evaluator) goes through these, so all agree on what is malformed.

#include <cstddef>
#include <string>
#include <string_view>

namespace strandel {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// The character starting at `pos`: its code point and byte length. A malformed
// byte (a stray continuation, a cut-off or overlong sequence, a surrogate,
// anything above U+10FFFF) is one byte long and not valid.
struct Utf8Character {
  char32_t CodePoint = 0;
  std::size_t Length = 1;
  bool Valid = false;
};
Utf8Character DecodeUtf8At(std::string_view text, std::size_t pos);

// Malformed UTF-8 becomes U+FFFD, one per bad byte, so every byte is accounted for.
std::u32string DecodeUtf8(std::string_view text);
std::string EncodeUtf8(std::u32string_view text);
void AppendUtf8(std::string& out, char32_t codePoint);

// True when the bytes are well-formed UTF-8 throughout.
bool IsValidUtf8(std::string_view bytes);

} // namespace strandel
