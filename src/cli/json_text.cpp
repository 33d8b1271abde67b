#include "cli/json_text.h"

#include <cmath>
#include <cstdio>

#include "common/number_text.h"

namespace strandel::cli {

std::string JsonNumber(double value) {
  if (!std::isfinite(value)) return "null";
  return FormatShortest(value);
}

std::string JsonString(std::string_view text) {
  std::string json = "\"";
  for (const char c : text) {
    switch (c) {
    case '"':
      json += "\\\"";
      break;
    case '\\':
      json += "\\\\";
      break;
    case '\n':
      json += "\\n";
      break;
    case '\r':
      json += "\\r";
      break;
    case '\t':
      json += "\\t";
      break;
    default:
      if (static_cast<unsigned char>(c) < 0x20) {
        char escape[8];
        std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
        json += escape;
      } else {
        json.push_back(c);
      }
    }
  }
  return json + "\"";
}

} // namespace strandel::cli
