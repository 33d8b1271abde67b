#include "dialogs/case_field.h"

#include <algorithm>

#include "common/text_entries.h"
#include "common/translation.h"

namespace strandel {

int CaseField::ChosenIndex() const {
  const auto at = std::find(Cases.begin(), Cases.end(), Chosen);
  return at == Cases.end() ? -1 : static_cast<int>(at - Cases.begin());
}

std::string CaseEntryText(const TLoadCase& loadCase) {
  return std::to_string(loadCase.Number) + ": " + loadCase.Name;
}

CaseField OpenCaseField(const ModelDocument& doc, std::uint16_t current) {
  CaseField field;
  field.Label = Translated(tr::kLoadCaseLabel);
  field.Chosen = current;
  const std::vector<TLoadCase>& cases = doc.Settings.LoadCases;
  if (cases.empty()) return field;
  for (const TLoadCase& loadCase : cases) {
    field.Cases.push_back(loadCase.Number);
    field.Texts.push_back(CaseEntryText(loadCase));
  }
  if (field.ChosenIndex() < 0) {
    field.Cases.push_back(current);
    field.Texts.push_back(std::to_string(current));
  }
  return field;
}

} // namespace strandel
