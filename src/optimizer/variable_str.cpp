#include "optimizer/variable_str.h"

#include <optional>

#include "common/number_text.h"
#include "common/profile_file.h"
#include "common/record.h"
#include "common/text.h"

namespace strandel {
namespace {

// Fields 3 to 9 are empty; the variables start at field 10.
constexpr int kFirstVariableField = 10;

std::string Trimmed(std::string_view text) {
  return std::string(Trim(text));
}

int IndexField(const FieldList& fields, int n) {
  const std::optional<std::int32_t> value = ParseStrictInteger(Trim(fields.At(n, "0")));
  return value.value_or(0);
}

} // namespace

VariableStrText VariableStrOf(const VariableList& list, const OptimizerChoice& choice) {
  VariableStrText result;
  std::string& text = result.Text;
  text = std::to_string(choice.Objective) + ";" + std::to_string(choice.Algorithm) + ";;;;;;;;";
  for (const TVarItem& item : list) {
    if (!item.InOptimize) continue;
    const std::string triple = Trimmed(item.Name) + ";" + std::to_string(item.ConstrainType) + ";" +
                               Trimmed(item.AssocName) + ";";
    // Text beyond what reading gives back would come back as a cut name or a
    // cut associated name, and so as a different constraint.
    if (result.LeftOut > 0 || text.size() + triple.size() - 1 > kMaxProfileValueLength) {
      ++result.LeftOut;
      continue;
    }
    text += triple;
  }
  text.pop_back(); // the last ";"
  return result;
}

int WriteVariableStr(ModelDocument& doc, const VariableList& list, const OptimizerChoice& choice) {
  VariableStrText written = VariableStrOf(list, choice);
  doc.Settings.VariableStr = std::move(written.Text);
  return written.LeftOut;
}

OptimizerChoice ReadVariableStr(const std::string& text, VariableList& list) {
  const FieldList fields(text);
  OptimizerChoice choice;
  choice.Objective = IndexField(fields, 1);
  choice.Algorithm = IndexField(fields, 2);
  for (int n = kFirstVariableField; n <= fields.Count(); n += 3) {
    TVarItem* item = FindVariable(list, Trimmed(fields.At(n, "")));
    if (!item) continue;
    item->InOptimize = true;
    const std::string type = Trimmed(fields.At(n + 1, ""));
    if (!type.empty()) {
      const std::optional<std::int32_t> value = ParseStrictInteger(type);
      const bool known = value && *value >= kConstrainInterval && *value <= kConstrainMirror;
      item->ConstrainType = known ? *value : kConstrainInterval;
    }
    const std::string assoc = Trimmed(fields.At(n + 2, ""));
    if (!assoc.empty()) item->AssocName = assoc;
  }
  return choice;
}

} // namespace strandel
