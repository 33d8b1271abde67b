#include "common/record.h"

#include <algorithm>

namespace strandel {
namespace {

std::string WithoutLineEnds(std::string_view field) {
  std::string result;
  result.reserve(field.size());
  for (char c : field) {
    if (c != '\r' && c != '\n') result.push_back(c);
  }
  return result;
}

} // namespace

std::string FieldAt(int n, std::string_view line, std::string_view fallback, char delimiter) {
  if (n < 1) return std::string(fallback);
  std::size_t start = 0;
  for (int index = 1; index < n; ++index) {
    const std::size_t next = line.find(delimiter, start);
    if (next == std::string_view::npos) return std::string(fallback);
    start = next + 1;
  }
  std::size_t end = line.find(delimiter, start);
  if (end == std::string_view::npos) end = line.size();
  std::string field = WithoutLineEnds(line.substr(start, end - start));
  return field.empty() ? std::string(fallback) : field;
}

int FieldCount(std::string_view line, char delimiter) {
  if (line.empty()) return 0;
  int count = 1;
  for (char c : line) {
    if (c == delimiter) ++count;
  }
  return count;
}

FieldList::FieldList(std::string_view line, char delimiter) {
  fields_.reserve(static_cast<std::size_t>(std::count(line.begin(), line.end(), delimiter)) + 1);
  std::size_t start = 0;
  while (true) {
    const std::size_t next = line.find(delimiter, start);
    if (next == std::string_view::npos) {
      fields_.push_back(line.substr(start));
      break;
    }
    fields_.push_back(line.substr(start, next - start));
    start = next + 1;
  }
}

std::string FieldList::At(int n, std::string_view fallback) const {
  if (n < 1 || n > Count()) return std::string(fallback);
  std::string field = WithoutLineEnds(fields_[static_cast<std::size_t>(n - 1)]);
  return field.empty() ? std::string(fallback) : field;
}

std::string JoinFields(const std::vector<std::string>& fields, char delimiter) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line.push_back(delimiter);
    line += fields[i];
  }
  return line;
}

} // namespace strandel
