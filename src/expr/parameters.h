#pragma once
// Named parameters of input-field expressions. "L1=2.5" typed into any field
// defines L1 for every later field evaluated with the same table; parameters are
// not saved. The main window owns the table of a program run and hands it to its
// dialogs, a strandel-cli command makes its own, and every test its own.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace strandel {

class ParameterTable {
public:
  // Holds "pi" only.
  ParameterTable();
  // Back to "pi" only: forgets every parameter the user defined.
  void Reset();

  std::size_t Count() const { return entries_.size(); }
  // Names are kept longest first, so scanning them in order finds the longest match.
  const std::u32string& Name(std::size_t index) const { return entries_[index].Name; }
  // The value as text; empty while a definition has not evaluated yet.
  const std::string& ValueText(std::size_t index) const { return entries_[index].ValueText; }

  std::optional<std::size_t> Find(std::u32string_view name) const;
  // The index of the parameter of that name, inserting it (without a value) before
  // the first strictly shorter name when it is new.
  std::size_t Define(std::u32string_view name);
  // Stores the value, defining the parameter first when it is not there.
  void SetValue(std::u32string_view name, long double value);
  // The value of a parameter by its UTF-8 name; empty when unknown or without value.
  std::optional<long double> Value(std::string_view name) const;
  // The longest name that matches exactly at `pos`.
  std::optional<std::size_t> LongestMatchAt(std::u32string_view text, std::size_t pos) const;

private:
  struct Entry {
    std::u32string Name;
    std::string ValueText;
  };
  std::vector<Entry> entries_;
};

// Why `name` cannot be defined as a parameter, in the program's wording; empty when
// it can. Letters A-Z, a-z, Ä Å Ö ä å ö and digits, at most 16 characters, not
// starting with a digit, and not a name the expressions already give a meaning.
std::string ParameterNameError(std::u32string_view name);

} // namespace strandel
