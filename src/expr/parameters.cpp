#include "expr/parameters.h"

#include <numbers>

#include "expr/expr_text.h"
#include "expr/operators.h"

namespace strandel {
namespace {

constexpr std::size_t kMaxNameLength = 16;

bool IsNameCharacter(char32_t c) {
  return IsExprDigit(c) || (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z') || c == U'Ä' ||
         c == U'Å' || c == U'Ö' || c == U'ä' || c == U'å' || c == U'ö';
}

} // namespace

ParameterTable::ParameterTable() {
  Reset();
}

void ParameterTable::Reset() {
  entries_.clear();
  entries_.push_back({U"pi", " " + WriteValueText(std::numbers::pi_v<long double>)});
}

std::optional<std::size_t> ParameterTable::Find(std::u32string_view name) const {
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].Name == name) return i;
  }
  return std::nullopt;
}

std::size_t ParameterTable::Define(std::u32string_view name) {
  if (const auto existing = Find(name)) return *existing;
  std::size_t at = 0;
  while (at < entries_.size() && entries_[at].Name.size() >= name.size())
    ++at;
  entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(at),
                  Entry{std::u32string(name), std::string()});
  return at;
}

void ParameterTable::SetValue(std::u32string_view name, long double value) {
  entries_[Define(name)].ValueText = WriteValueText(value);
}

std::optional<long double> ParameterTable::Value(std::string_view name) const {
  const auto index = Find(DecodeUtf8(name));
  long double value = 0;
  if (!index || !ReadValueText(entries_[*index].ValueText, value)) return std::nullopt;
  return value;
}

std::optional<std::size_t> ParameterTable::LongestMatchAt(std::u32string_view text,
                                                          std::size_t pos) const {
  if (pos > text.size()) return std::nullopt;
  const std::u32string_view rest = text.substr(pos);
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (rest.starts_with(entries_[i].Name)) return i;
  }
  return std::nullopt;
}

std::string ParameterNameError(std::u32string_view name) {
  if (name.empty()) return "A parameter name must bee entered";
  if (name.size() > kMaxNameLength)
    return "A parameter name can consist of a maximum of 16 characters";
  if (IsExprDigit(name[0])) return "Parameter names are not allowed to start with numbers";
  for (char32_t c : name) {
    if (!IsNameCharacter(c)) return "Characters you can use in parameter names are :[a-ö,A-Ö,0-9]";
  }
  // "y'" never gets this far (the apostrophe is no name character); the message
  // names it because t, y and y' are the variables of curve expressions.
  if (name == U"y" || name == U"t" || name == U"y'")
    return "These names are reserved fore variables: t,y,y'";
  if (name == U"e" || name == U"E")
    return "The names e and E are reserved for power of ten notation";
  if (OperatorNamed(name)) {
    const std::string text = EncodeUtf8(name);
    return "The name:" + text + " is reserved for the function:" + text;
  }
  return {};
}

} // namespace strandel
