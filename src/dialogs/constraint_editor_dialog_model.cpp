#include "dialogs/constraint_editor_dialog_model.h"

#include <algorithm>

namespace strandel {

ConstraintEditorDialogModel::ConstraintEditorDialogModel(VariableList& list, TVarItem& variable,
                                                         ParameterTable& parameters)
    : list_(list), parameters_(parameters), variable_(variable), savedLow_(variable.LowBound),
      savedHigh_(variable.HighBound), savedType_(variable.ConstrainType),
      savedAssoc_(variable.AssocName) {
  low_.Show(variable.LowBound, variable.DispFactor);
  high_.Show(variable.HighBound, variable.DispFactor);
}

std::string ConstraintEditorDialogModel::NameText() const {
  return " " + variable_.Name;
}

std::vector<std::string> ConstraintEditorDialogModel::AssociatedChoices() const {
  std::vector<std::string> choices;
  for (const TVarItem& item : list_) {
    // Following itself would leave the variable without a value of its own.
    if (&item == &variable_ || item.Name == variable_.Name) continue;
    if (item.InOptimize && item.IsFree() && item.Kind() == variable_.Kind())
      choices.push_back(item.Name);
  }
  return choices;
}

ConstraintFields ConstraintEditorDialogModel::Fields() const {
  ConstraintFields fields;
  fields.Type = variable_.ConstrainType;
  fields.Low = low_;
  fields.High = high_;
  // While a bound text is refused, both fields keep what was typed into them.
  if (!pending_) {
    fields.Low.Show(variable_.LowBound, variable_.DispFactor);
    fields.High.Show(variable_.HighBound, variable_.DispFactor);
  }
  const std::vector<std::string> choices = AssociatedChoices();
  const auto found = std::find(choices.begin(), choices.end(), variable_.AssocName);
  if (found != choices.end())
    fields.AssocIndex = static_cast<int>(found - choices.begin());
  else
    fields.AssocIndex = choices.empty() ? -1 : 0;
  return fields;
}

int ConstraintEditorDialogModel::AcceptedType(int type) const {
  if (type != kConstrainEqual && type != kConstrainMirror) return kConstrainInterval;
  return AssociatedChoices().empty() ? kConstrainInterval : type;
}

bool ConstraintEditorDialogModel::Store(const ConstraintFields& fields) {
  variable_.ConstrainType = AcceptedType(fields.Type);
  if (variable_.ConstrainType == kConstrainInterval) {
    if (!pending_) {
      low_.Show(variable_.LowBound, variable_.DispFactor);
      high_.Show(variable_.HighBound, variable_.DispFactor);
    }
    low_.Text = fields.Low.Text;
    high_.Text = fields.High.Text;
    const bool lowTaken = low_.Apply(parameters_);
    const bool highTaken = high_.Apply(parameters_);
    pending_ = !lowTaken || !highTaken;
    if (!pending_ && high_.Stored - low_.Stored > 0) {
      variable_.LowBound = low_.Stored;
      variable_.HighBound = high_.Stored;
    }
    variable_.AssocName.clear();
    return lowTaken && highTaken;
  }
  const std::vector<std::string> choices = AssociatedChoices();
  const bool chosen =
      fields.AssocIndex >= 0 && fields.AssocIndex < static_cast<int>(choices.size());
  variable_.AssocName = chosen ? choices[fields.AssocIndex] : std::string();
  return true;
}

void ConstraintEditorDialogModel::Cancel() {
  variable_.LowBound = savedLow_;
  variable_.HighBound = savedHigh_;
  variable_.ConstrainType = savedType_;
  variable_.AssocName = savedAssoc_;
}

} // namespace strandel
