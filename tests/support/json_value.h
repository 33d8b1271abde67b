#pragma once
// Reads the JSON that strandel-cli prints, so tests can look at values by key
// instead of searching the text. Strict: anything that is not JSON (a NaN, a
// trailing comma) makes the whole text unreadable.

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace strandel::testing {

struct JsonValue {
  enum class Kind { Null, Bool, Number, String, Array, Object };
  Kind Type = Kind::Null;
  bool Bool = false;
  double Number = 0;
  std::string String;
  std::vector<JsonValue> Array;
  std::map<std::string, JsonValue> Object;

  bool IsNull() const { return Type == Kind::Null; }
  bool Has(const std::string& key) const { return Object.count(key) > 0; }
  // The member or element; a null value when it is not there.
  const JsonValue& operator[](const std::string& key) const;
  const JsonValue& operator[](std::size_t index) const;
  std::size_t Size() const { return Type == Kind::Array ? Array.size() : Object.size(); }
};

// The value of the whole text, or nothing when it is not exactly one JSON value.
std::optional<JsonValue> ParseJson(std::string_view text);

} // namespace strandel::testing
