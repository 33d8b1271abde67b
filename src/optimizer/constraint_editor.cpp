#include "optimizer/constraint_editor.h"

#include <algorithm>

#include "common/number_text.h"

namespace strandel {

ConstraintEditor::ConstraintEditor(VariableList& list, TVarItem& variable)
    : list_(list), variable_(variable), savedLow_(variable.LowBound),
      savedHigh_(variable.HighBound), savedType_(variable.ConstrainType),
      savedAssoc_(variable.AssocName) {}

std::string ConstraintEditor::NameText() const {
  return " " + variable_.Name;
}

std::vector<std::string> ConstraintEditor::AssociatedChoices() const {
  std::vector<std::string> choices;
  for (const TVarItem& item : list_) {
    // Following itself would leave the variable without a value of its own.
    if (&item == &variable_ || item.Name == variable_.Name) continue;
    if (item.InOptimize && item.IsFree() && item.Kind() == variable_.Kind())
      choices.push_back(item.Name);
  }
  return choices;
}

ConstraintFields ConstraintEditor::Fields() const {
  ConstraintFields fields;
  fields.Type = variable_.ConstrainType;
  fields.LowText = FormatGeneral(variable_.LowBound * variable_.DispFactor);
  fields.HighText = FormatGeneral(variable_.HighBound * variable_.DispFactor);
  const std::vector<std::string> choices = AssociatedChoices();
  const auto found = std::find(choices.begin(), choices.end(), variable_.AssocName);
  if (found != choices.end())
    fields.AssocIndex = static_cast<int>(found - choices.begin());
  else
    fields.AssocIndex = choices.empty() ? -1 : 0;
  return fields;
}

int ConstraintEditor::AcceptedType(int type) const {
  if (type != kConstrainEqual && type != kConstrainMirror) return kConstrainInterval;
  return AssociatedChoices().empty() ? kConstrainInterval : type;
}

void ConstraintEditor::Store(const ConstraintFields& fields) {
  variable_.ConstrainType = AcceptedType(fields.Type);
  if (variable_.ConstrainType == kConstrainInterval) {
    const double low = ParseNumber(fields.LowText) / variable_.DispFactor;
    const double high = ParseNumber(fields.HighText) / variable_.DispFactor;
    if (high - low > 0) {
      variable_.LowBound = low;
      variable_.HighBound = high;
    }
    variable_.AssocName.clear();
    return;
  }
  const std::vector<std::string> choices = AssociatedChoices();
  const bool chosen =
      fields.AssocIndex >= 0 && fields.AssocIndex < static_cast<int>(choices.size());
  variable_.AssocName = chosen ? choices[fields.AssocIndex] : std::string();
}

void ConstraintEditor::Cancel() {
  variable_.LowBound = savedLow_;
  variable_.HighBound = savedHigh_;
  variable_.ConstrainType = savedType_;
  variable_.AssocName = savedAssoc_;
}

} // namespace strandel
