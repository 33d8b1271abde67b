#include "common/utf8.h"

#include <cstdint>

namespace strandel {

Utf8Character DecodeUtf8At(std::string_view text, std::size_t pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  if (lead < 0x80) return {lead, 1, true};
  std::size_t length = 0;
  std::uint32_t code = 0;
  std::uint32_t smallest = 0; // shorter would be an overlong form
  if ((lead & 0xE0) == 0xC0) {
    length = 2, code = lead & 0x1Fu, smallest = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, code = lead & 0x0Fu, smallest = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, code = lead & 0x07u, smallest = 0x10000;
  }
  bool valid = length > 0 && pos + length <= text.size();
  for (std::size_t k = 1; valid && k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[pos + k]);
    valid = (next & 0xC0) == 0x80;
    code = (code << 6) | (next & 0x3Fu);
  }
  valid = valid && code >= smallest && code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF);
  if (!valid) return {static_cast<char32_t>(lead), 1, false};
  return {static_cast<char32_t>(code), length, true};
}

std::u32string DecodeUtf8(std::string_view text) {
  std::u32string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const Utf8Character c = DecodeUtf8At(text, i);
    out.push_back(c.Valid ? c.CodePoint : kReplacementCharacter);
    i += c.Length;
  }
  return out;
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

std::string EncodeUtf8(std::u32string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char32_t c : text)
    AppendUtf8(out, c);
  return out;
}

bool IsValidUtf8(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size();) {
    const Utf8Character c = DecodeUtf8At(bytes, i);
    if (!c.Valid) return false;
    i += c.Length;
  }
  return true;
}

} // namespace strandel
