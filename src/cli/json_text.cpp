#include "cli/json_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "common/number_text.h"

namespace strandel::cli {

std::string JsonString(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    switch (c) {
    case '"':
      out += "\\\"";
      break;
    case '\\':
      out += "\\\\";
      break;
    case '\n':
      out += "\\n";
      break;
    case '\r':
      out += "\\r";
      break;
    case '\t':
      out += "\\t";
      break;
    default:
      if (static_cast<unsigned char>(c) < 0x20) {
        char escape[8];
        std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(c));
        out += escape;
      } else {
        out.push_back(c);
      }
    }
  }
  out += '"';
  return out;
}

std::string JsonNumber(double value) {
  std::string text;
  AddJsonNumber(text, value);
  return text;
}

void AddJsonNumber(std::string& out, double value) {
  if (!std::isfinite(value)) {
    out += "null";
    return;
  }
  char buffer[64];
  const std::string_view text(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
  out += text;
  if (text.find_first_of(".e") == std::string_view::npos) out += ".0";
}

} // namespace strandel::cli
