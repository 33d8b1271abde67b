#include "dialogs/combinations_dialog_model.h"

#include <algorithm>
#include <limits>

#include "common/text.h"
#include "common/text_entries.h"
#include "common/translation.h"
#include "dialogs/load_cases_dialog_model.h"

namespace strandel {
namespace {

constexpr std::array<int, kGeneratorFactorCount> kGeneratorLabels = {
    tr::kGenerateGammaGSup, tr::kGenerateGammaGInf, tr::kGenerateGammaQ, tr::kGenerateXi};

DialogField FactorField(const std::optional<double>& factor) {
  DialogField field;
  field.Label = Translated(tr::kCombinationColumnCase);
  if (factor) {
    field.Show(*factor, 1);
  } else {
    field.Text.clear(); // not in the combination
  }
  return field;
}

CombinationRow RowOf(const TCombination& combination, const std::vector<TLoadCase>& cases) {
  CombinationRow row{combination.Number, combination.Name, combination.Kind, {}};
  for (const TLoadCase& loadCase : cases) {
    const auto it = std::find_if(combination.Factors.begin(), combination.Factors.end(),
                                 [&](const CaseFactor& f) { return f.Case == loadCase.Number; });
    row.Factors.push_back(FactorField(
        it == combination.Factors.end() ? std::nullopt : std::optional<double>(it->Factor)));
  }
  return row;
}

bool Empty(const DialogField& field) {
  return Trim(field.Text).empty();
}

} // namespace

CombinationsDialogModel OpenCombinationsDialog(const ModelDocument& doc) {
  CombinationsDialogModel dialog;
  dialog.Caption = Translated(tr::kCombinationsCaption);
  const DocumentSettings settings = CaseSettingsOf(doc);
  dialog.StoresCases = doc.Settings.LoadCases.empty();
  dialog.Cases = settings.LoadCases;
  for (const TCombination& combination : settings.Combinations)
    dialog.Rows.push_back(RowOf(combination, dialog.Cases));
  const GeneratorFactors defaults;
  const std::array<double, kGeneratorFactorCount> values = {
      defaults.GammaGUnfavourable, defaults.GammaGFavourable, defaults.GammaQ, defaults.Xi};
  for (std::size_t i = 0; i < kGeneratorFactorCount; ++i) {
    dialog.Generator[i].Label = Translated(kGeneratorLabels[i]);
    dialog.Generator[i].Kind = FieldKind::Positive;
    dialog.Generator[i].Show(values[i], 1);
  }
  dialog.Rule = defaults.Rule;
  return dialog;
}

bool CombinationsDialogModel::Add() {
  std::uint16_t highest = 0;
  for (const CombinationRow& row : Rows)
    highest = std::max(highest, row.Number);
  if (highest == std::numeric_limits<std::uint16_t>::max()) return false;
  TCombination combination;
  combination.Number = static_cast<std::uint16_t>(highest + 1);
  combination.Name =
      ReplaceAll(Translated(tr::kCombinationNewName), "%1", std::to_string(combination.Number));
  for (const TLoadCase& loadCase : Cases)
    combination.Factors.push_back({loadCase.Number, 1.0});
  Rows.push_back(RowOf(combination, Cases));
  return true;
}

void CombinationsDialogModel::Delete(int row) {
  if (row >= 0 && row < static_cast<int>(Rows.size())) Rows.erase(Rows.begin() + row);
}

bool CombinationsDialogModel::SetFactorText(int row, int column, const std::string& text,
                                            ParameterTable& parameters) {
  DialogField& field = Factor(row, column);
  field.Text = text;
  field.Error.clear();
  if (Empty(field)) {
    field.Text.clear();
    return true;
  }
  return field.Apply(parameters);
}

bool CombinationsDialogModel::EvaluateFields(ParameterTable& parameters, int* firstRow,
                                             int* firstColumn) {
  bool accepted = true;
  const auto refuse = [&](std::size_t r, std::size_t c) {
    if (accepted && firstRow) *firstRow = static_cast<int>(r);
    if (accepted && firstColumn) *firstColumn = static_cast<int>(c);
    accepted = false;
  };
  for (std::size_t r = 0; r < Rows.size(); ++r) {
    bool anyCase = false;
    for (std::size_t c = 0; c < Rows[r].Factors.size(); ++c) {
      DialogField& field = Rows[r].Factors[c];
      if (Empty(field)) {
        field.Text.clear();
        field.Error.clear();
        continue;
      }
      anyCase = true;
      if (!field.Apply(parameters)) refuse(r, c);
    }
    if (!anyCase && !Rows[r].Factors.empty()) {
      Rows[r].Factors.front().Error = Translated(tr::kMsgCombinationWithoutCase);
      refuse(r, 0);
    }
  }
  return accepted;
}

bool CombinationsDialogModel::Generate(ParameterTable& parameters) {
  bool accepted = true;
  for (DialogField& field : Generator)
    accepted = field.Apply(parameters) && accepted;
  if (!accepted) return false;
  GeneratorFactors factors;
  factors.Rule = Rule;
  factors.GammaGUnfavourable = GeneratorValue(GeneratorFactor::GammaGSup).Stored;
  factors.GammaGFavourable = GeneratorValue(GeneratorFactor::GammaGInf).Stored;
  factors.GammaQ = GeneratorValue(GeneratorFactor::GammaQ).Stored;
  factors.Xi = GeneratorValue(GeneratorFactor::Xi).Stored;
  Rows.clear();
  for (const TCombination& combination : GenerateCombinations(Cases, factors, 1))
    Rows.push_back(RowOf(combination, Cases));
  return true;
}

ApplyOutcome CombinationsDialogModel::Apply(ModelDocument& doc, ParameterTable& parameters) {
  if (!EvaluateFields(parameters)) return ApplyOutcome::FieldRefused;
  std::vector<TCombination> combinations;
  for (const CombinationRow& row : Rows) {
    TCombination combination{row.Number, row.Name, row.Kind, {}};
    for (std::size_t c = 0; c < Cases.size() && c < row.Factors.size(); ++c) {
      if (!Empty(row.Factors[c]))
        combination.Factors.push_back({Cases[c].Number, row.Factors[c].Stored});
    }
    combinations.push_back(std::move(combination));
  }
  if (StoresCases) doc.Settings.LoadCases = Cases;
  doc.Settings.Combinations = std::move(combinations);
  return ApplyOutcome::Applied;
}

} // namespace strandel
