#include "dialogs/load_cases_dialog_model.h"

#include <algorithm>
#include <limits>

#include "common/text.h"
#include "common/text_entries.h"
#include "common/translation.h"
#include "model/load_case_check.h"

namespace strandel {
namespace {

constexpr std::array<int, 3> kPsiLabels = {tr::kCaseColumnPsi0, tr::kCaseColumnPsi1,
                                           tr::kCaseColumnPsi2};

// The case's psi values into its fields, as stored.
void ShowPsi(LoadCaseRow& row) {
  const std::array<double, 3> values = {row.Case.Psi0, row.Case.Psi1, row.Case.Psi2};
  for (std::size_t i = 0; i < 3; ++i) {
    row.Psi[i].Error.clear();
    row.Psi[i].Show(values[i], 1);
  }
}

LoadCaseRow RowOf(const TLoadCase& loadCase) {
  LoadCaseRow row;
  row.Case = loadCase;
  for (std::size_t i = 0; i < 3; ++i) {
    row.Psi[i].Label = Translated(kPsiLabels[i]);
    row.Psi[i].Kind = FieldKind::Fraction;
  }
  ShowPsi(row);
  return row;
}

// The case of an object that has one; none for nodes and beams.
std::optional<std::uint16_t> CaseOf(const GraphObject& object) {
  return std::visit(
      [](const auto& o) -> std::optional<std::uint16_t> {
        if constexpr (requires { o.Case; })
          return o.Case;
        else
          return std::nullopt;
      },
      object);
}

} // namespace

CaseMembers MembersOfCase(const ModelDocument& doc, long caseNumber) {
  CaseMembers members;
  for (const auto& object : doc.GraphObjects) {
    if (CaseOf(*object) != caseNumber) continue;
    switch (KindOf(*object)) {
    case ObjectKind::Load:
      ++members.Loads;
      break;
    case ObjectKind::Force:
      ++members.Forces;
      break;
    case ObjectKind::Moment:
      ++members.Moments;
      break;
    case ObjectKind::Support:
      ++members.Supports;
      break;
    default:
      break;
    }
  }
  return members;
}

void DeleteCaseMembers(ModelDocument& doc, const std::vector<std::uint16_t>& cases) {
  std::erase_if(doc.GraphObjects, [&cases](const std::unique_ptr<GraphObject>& object) {
    const std::optional<std::uint16_t> in = CaseOf(*object);
    return in && std::find(cases.begin(), cases.end(), *in) != cases.end();
  });
}

DocumentSettings CaseSettingsOf(const ModelDocument& doc) {
  if (!doc.Settings.LoadCases.empty()) return doc.Settings;
  ModelDocument scratch;
  scratch.Settings = doc.Settings;
  DefaultLoadCases(scratch);
  return scratch.Settings;
}

LoadCasesDialogModel OpenLoadCasesDialog(const ModelDocument& doc) {
  LoadCasesDialogModel dialog;
  dialog.Caption = Translated(tr::kLoadCasesCaption);
  const DocumentSettings settings = CaseSettingsOf(doc);
  for (const TLoadCase& loadCase : settings.LoadCases)
    dialog.Rows.push_back(RowOf(loadCase));
  dialog.Combinations = settings.Combinations;
  return dialog;
}

void LoadCasesDialogModel::Select(int row) {
  if (row >= 0 && row < static_cast<int>(Rows.size())) Current = row;
}

bool LoadCasesDialogModel::Add() {
  // A deleted case's number is not given again before OK: its objects still
  // name it until then.
  std::vector<TLoadCase> cases;
  for (const LoadCaseRow& row : Rows)
    cases.push_back(row.Case);
  for (std::uint16_t number : Deleted) {
    TLoadCase gone;
    gone.Number = number;
    cases.push_back(gone);
  }
  for (const TLoadCase& loadCase : cases)
    if (loadCase.Number == std::numeric_limits<std::uint16_t>::max()) return false;
  const std::uint16_t number = NextCaseNumber(cases);
  const std::string name = ReplaceAll(Translated(tr::kCaseNewName), "%1", std::to_string(number));
  Rows.push_back(RowOf(MakeLoadCase(number, name, ActionCategory::Imposed)));
  Current = static_cast<int>(Rows.size()) - 1;
  return true;
}

void LoadCasesDialogModel::Rename(const std::string& name) {
  Row().Case.Name = name;
}

void LoadCasesDialogModel::SetCategory(ActionCategory category) {
  LoadCaseRow& row = Row();
  const CategoryPreset preset = PresetOf(category);
  row.Case.Category = category;
  row.Case.Duration = preset.Duration;
  row.Case.Psi0 = preset.Psi0;
  row.Case.Psi1 = preset.Psi1;
  row.Case.Psi2 = preset.Psi2;
  ShowPsi(row);
}

void LoadCasesDialogModel::SetDuration(DurationClass duration) {
  Row().Case.Duration = duration;
}

bool LoadCasesDialogModel::SetSelfWeight(bool on) {
  if (!on) return !Row().Case.SelfWeight;
  for (LoadCaseRow& row : Rows)
    row.Case.SelfWeight = false;
  Row().Case.SelfWeight = true;
  return true;
}

bool LoadCasesDialogModel::Delete() {
  if (!CanDelete()) return false;
  const TLoadCase gone = Row().Case;
  Deleted.push_back(gone.Number);
  Rows.erase(Rows.begin() + Current);
  Current = std::min(Current, static_cast<int>(Rows.size()) - 1);
  for (TCombination& combination : Combinations)
    std::erase_if(combination.Factors,
                  [&gone](const CaseFactor& factor) { return factor.Case == gone.Number; });
  std::erase_if(Combinations,
                [](const TCombination& combination) { return combination.Factors.empty(); });
  if (gone.SelfWeight) {
    const auto permanent = std::find_if(Rows.begin(), Rows.end(), [](const LoadCaseRow& row) {
      return row.Case.Category == ActionCategory::Permanent;
    });
    (permanent != Rows.end() ? *permanent : Rows.front()).Case.SelfWeight = true;
  }
  return true;
}

std::string LoadCasesDialogModel::DeleteQuestion(const ModelDocument& doc) const {
  const long number = Row().Case.Number;
  const CaseMembers members = MembersOfCase(doc, number);
  if (members.Total() == 0) return {};
  std::string text = Translated(tr::kMsgDeleteCaseObjects);
  const int counts[] = {members.Loads, members.Forces, members.Moments, members.Supports};
  text = ReplaceAll(text, "%1", std::to_string(number));
  for (int i = 0; i < 4; ++i)
    text = ReplaceAll(text, "%" + std::to_string(i + 2), std::to_string(counts[i]));
  return text;
}

bool LoadCasesDialogModel::EvaluateFields(ParameterTable& parameters) {
  int firstRefused = -1;
  for (std::size_t r = 0; r < Rows.size(); ++r) {
    LoadCaseRow& row = Rows[r];
    if (!ApplyFields({&row.Psi[0], &row.Psi[1], &row.Psi[2]}, parameters)) {
      if (firstRefused < 0) firstRefused = static_cast<int>(r);
      continue;
    }
    row.Case.Psi0 = row.Psi[0].Stored;
    row.Case.Psi1 = row.Psi[1].Stored;
    row.Case.Psi2 = row.Psi[2].Stored;
  }
  if (firstRefused >= 0) Current = firstRefused;
  return firstRefused < 0;
}

ApplyOutcome LoadCasesDialogModel::Apply(ModelDocument& doc, ParameterTable& parameters) {
  if (!EvaluateFields(parameters)) return ApplyOutcome::FieldRefused;
  doc.Settings.LoadCases.clear();
  for (const LoadCaseRow& row : Rows)
    doc.Settings.LoadCases.push_back(row.Case);
  doc.Settings.Combinations = Combinations;
  DeleteCaseMembers(doc, Deleted);
  return ApplyOutcome::Applied;
}

} // namespace strandel
