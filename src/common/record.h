#pragma once
// The one-line records of the model and its files: fields separated by ";",
// numbered from 1. Line ends inside a line never reach a field.

#include <string>
#include <string_view>
#include <vector>

namespace strandel {

// The n-th field (1-based) of the line, without the delimiter, CR and LF; the
// default when that field is empty or absent.
std::string FieldAt(int n, std::string_view line, std::string_view fallback, char delimiter = ';');

// Number of fields: delimiters + 1, 0 for an empty line. A trailing delimiter
// counts an empty last field.
int FieldCount(std::string_view line, char delimiter = ';');

// A line split once, for readers that take many fields of the same line.
class FieldList {
public:
  explicit FieldList(std::string_view line, char delimiter = ';');
  // Same rule as FieldAt.
  std::string At(int n, std::string_view fallback) const;
  int Count() const { return static_cast<int>(fields_.size()); }

private:
  std::vector<std::string_view> fields_;
};

// Joins the fields with ";" (no trailing delimiter).
std::string JoinFields(const std::vector<std::string>& fields, char delimiter = ';');

} // namespace strandel
