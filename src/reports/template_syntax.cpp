#include "reports/template_syntax.h"

#include "common/number_text.h"
#include "common/record.h"
#include "common/text.h"

namespace strandel {

std::vector<TemplatePart> SplitTemplateLine(std::string_view line) {
  std::vector<TemplatePart> parts;
  std::size_t at = 0;
  while (at < line.size()) {
    const std::size_t open = line.find('{', at);
    if (open == std::string_view::npos) {
      parts.push_back({false, std::string(line.substr(at))});
      break;
    }
    if (open > at) parts.push_back({false, std::string(line.substr(at, open - at))});
    const std::size_t close = line.find('}', open + 1);
    const std::size_t end = close == std::string_view::npos ? line.size() : close;
    const std::string_view content = line.substr(open + 1, end - open - 1);
    parts.push_back({true, ReplaceAll(ReplaceAll(content, "\r", ""), "\n", "")});
    at = close == std::string_view::npos ? line.size() : close + 1;
  }
  return parts;
}

ParameterField ReadParameterField(std::string_view content) {
  const FieldList fields(content);
  ParameterField field;
  field.Width = std::string(Trim(fields.At(1, "")));
  if (field.Width.empty()) field.Width = "9";
  field.Alignment = std::string(Trim(fields.At(2, "")));
  if (field.Alignment.empty()) field.Alignment = "L";
  field.Name = std::string(Trim(fields.At(3, "")));
  return field;
}

std::optional<int> FieldWidth(std::string_view widthText) {
  const std::string_view text = Trim(widthText);
  // Only decimal digits: "$10" and "0x10" are integers to the file readers but
  // no one means them as a column width.
  if (text.empty() || text.size() > 9) return std::nullopt;
  for (char c : text) {
    if (!IsDigit(c)) return std::nullopt;
  }
  const std::optional<std::int32_t> width = ParseStrictInteger(text);
  if (!width || *width > kMaxFieldWidth) return std::nullopt;
  return static_cast<int>(*width);
}

std::string PadField(std::string_view value, std::string_view alignment, int width) {
  if (width <= 0) return {};
  const std::string blanks(static_cast<std::size_t>(width), ' ');
  const std::size_t n = static_cast<std::size_t>(width);
  if (alignment == "L") return LeftStr(std::string(value) + blanks, n);
  if (alignment == "R") return RightStr(blanks + std::string(value), n);
  return blanks;
}

} // namespace strandel
