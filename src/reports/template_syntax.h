#pragma once
// The syntax of a report template line: literal text, and parameters written in
// braces as {width;alignment;name}, each replaced by a value padded to its field.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace strandel {

// One stretch of a template line: literal text copied as it is, or the text
// between a "{" and the next "}" (to the end of the line when none follows).
struct TemplatePart {
  bool IsParameter = false;
  std::string Text; // literal text, or the braces' content without CR and LF
};
std::vector<TemplatePart> SplitTemplateLine(std::string_view line);

// The three ";" fields of a parameter, trimmed, with the defaults of empty
// fields: width "9", alignment "L".
struct ParameterField {
  std::string Width;
  std::string Alignment;
  std::string Name;
};
ParameterField ReadParameterField(std::string_view content);

// Report lines are set on a fixed character grid no wider than a sheet of
// paper turned sideways many times over; a wider field is a typing error, and
// taking it at its word would fill memory with blanks.
inline constexpr int kMaxFieldWidth = 1000;

// The width as a whole number 0..kMaxFieldWidth, or nothing when the text is not
// one (a fraction, a word, a negative or an absurd number).
std::optional<int> FieldWidth(std::string_view widthText);

// The value set in a field of `width` characters: "L" keeps its first `width`
// characters and fills up with blanks on the right; "R" keeps its last `width`
// characters and fills up on the left. Any other alignment gives blanks only;
// width 0 gives nothing. Widths count characters, not bytes.
std::string PadField(std::string_view value, std::string_view alignment, int width);

} // namespace strandel
