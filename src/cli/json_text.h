#pragma once
// The pieces of strandel-cli's JSON output: strings with their escapes and
// numbers that read back exactly.

#include <string>
#include <string_view>

namespace strandel::cli {

// A JSON string literal, quotes included; UTF-8 passes through unchanged.
std::string JsonString(std::string_view text);

// The shortest text that reads back to the same double, always with a fraction or
// an exponent so that it reads as a floating-point number: 14.0, 0.1, 1e+300.
// Not-a-number and infinities have no JSON form and give null.
std::string JsonNumber(double value);
// The same added to out.
void AddJsonNumber(std::string& out, double value);

// Adds the pieces to out in turn, text as it is and numbers as JsonNumber
// gives them: a large output grows in place, without a string per entry.
inline void AddJsonPiece(std::string& out, std::string_view text) {
  out += text;
}
inline void AddJsonPiece(std::string& out, double value) {
  AddJsonNumber(out, value);
}
template <class... Pieces> void AddJson(std::string& out, const Pieces&... pieces) {
  (AddJsonPiece(out, pieces), ...);
}

} // namespace strandel::cli
