// The parameters of load cases and combinations: each case with its category,
// duration and combination values, each combination with its factors and the
// utilisation it gives, and which result the report shows.

#include <algorithm>
#include <cmath>
#include <optional>

#include "analysis/beam_curves.h"
#include "analysis/load_case_analysis.h"
#include "common/number_text.h"
#include "common/text.h"
#include "common/text_entries.h"
#include "common/translation.h"
#include "model/load_case_texts.h"
#include "reports/parameter_lists.h"
#include "reports/stability_parameters.h"

namespace strandel {
namespace {

std::string CaseNumber(ParameterScope& scope) {
  return std::to_string(scope.Case->Number);
}
std::string CaseName(ParameterScope& scope) {
  return scope.Case->Name;
}
std::string CaseCategoryCode(ParameterScope& scope) {
  return CategoryCode(scope.Case->Category);
}
std::string CaseCategoryName(ParameterScope& scope) {
  return CategoryName(scope.Case->Category);
}
std::string CaseDuration(ParameterScope& scope) {
  return DurationName(scope.Case->Duration);
}
// psi values are data the user typed: every digit of them.
template <double TLoadCase::*Psi> std::string CasePsi(ParameterScope& scope) {
  return FormatGeneral((*scope.Case).*Psi);
}
std::string CaseSelfWeight(ParameterScope& scope) {
  return Translated(scope.Case->SelfWeight ? tr::kChoiceYes : tr::kChoiceNo);
}

std::string CombinationNumber(ParameterScope& scope) {
  return std::to_string(scope.Combination->Number);
}
std::string CombinationName(ParameterScope& scope) {
  return scope.Combination->Name;
}
std::string CombinationKindCodeText(ParameterScope& scope) {
  return CombinationKindCode(scope.Combination->Kind);
}
std::string CombinationKindText(ParameterScope& scope) {
  return CombinationKindName(scope.Combination->Kind);
}
std::string CombinationFactors(ParameterScope& scope) {
  return FactorsText(scope.Combination->Factors);
}
std::string CombinationDurationText(ParameterScope& scope) {
  return DurationName(
      CombinationDuration(*scope.Combination, scope.Sources.Doc.Settings.LoadCases));
}

// The place of the combination in the document's list when the analysis holds
// the results of the document's cases; none otherwise.
std::optional<std::size_t> AnalysedIndex(const ParameterScope& scope, long number) {
  const CaseAnalysis* analysis = scope.Sources.Cases;
  if (analysis == nullptr || !analysis->Ok() || analysis->Cases.empty()) return std::nullopt;
  const std::vector<TCombination>& combinations = scope.Sources.Doc.Settings.Combinations;
  if (analysis->Durations.size() != combinations.size()) return std::nullopt;
  for (std::size_t k = 0; k < combinations.size(); ++k)
    if (combinations[k].Number == number) return k;
  return std::nullopt;
}

// The highest utilisation of any stretch under the combination, undefined when
// one of them is; 0 without an analysis.
std::string CombinationUtilisation(ParameterScope& scope) {
  const std::optional<std::size_t> index = AnalysedIndex(scope, scope.Combination->Number);
  if (!index) return PercentParameterValue(0.0);
  const ResultSet result = CombinationResult(*scope.Sources.Cases, scope.Sources.Doc, *index);
  double highest = 0;
  for (const TSegmentObject& segment : result.Segments) {
    const double u = StretchUtilisation(segment);
    if (std::isnan(u)) return PercentParameterValue(u);
    highest = std::max(highest, u);
  }
  return PercentParameterValue(highest);
}

// The case or combination whose results the model holds, as the analysis of
// the document's choice installs them: the one named, or when it names none or
// one that does not exist the ultimate combination that governs (then the
// first combination, then the first case). Without the analysis the governing
// combination is the one whose factors the results are of.
struct ShownResult {
  const TLoadCase* Case = nullptr;
  const TCombination* Combination = nullptr;
};

const TCombination* CombinationOfResults(const ModelDocument& doc) {
  if (!doc.ResultsValid) return nullptr;
  for (const TCombination& combination : doc.Settings.Combinations)
    if (combination.Factors == doc.ResultFactors) return &combination;
  return nullptr;
}

ShownResult Shown(const ParameterScope& scope) {
  const ModelDocument& doc = scope.Sources.Doc;
  const DocumentSettings& settings = doc.Settings;
  if (settings.LoadCases.empty()) return {};
  const ResultChoice choice = ParseResultChoice(settings.ResultSet);
  if (choice.Kind == ResultKind::Case) {
    if (const TLoadCase* named = FindLoadCase(settings.LoadCases, choice.Number)) return {named};
  }
  if (choice.Kind == ResultKind::Combination) {
    if (const TCombination* named = FindCombination(settings.Combinations, choice.Number))
      return {nullptr, named};
  }
  const CaseAnalysis* analysis = scope.Sources.Cases;
  if (analysis == nullptr) return {nullptr, CombinationOfResults(doc)};
  if (!analysis->Ok()) return {}; // no result is installed
  long number = GoverningCombination(*analysis, doc, choice);
  if (number < 0) number = GoverningCombination(*analysis, doc, ResultChoice{});
  if (const TCombination* governing = FindCombination(settings.Combinations, number))
    return {nullptr, governing};
  return {&settings.LoadCases.front()};
}

// "Combination 4: ULS 6.10: Snow leading", "Case 2: Office".
std::string ResultName(ParameterScope& scope) {
  const ShownResult shown = Shown(scope);
  const auto named = [](int entry, long number, const std::string& name) {
    return ReplaceAll(ReplaceAll(Translated(entry), "%1", std::to_string(number)), "%2", name);
  };
  if (shown.Case) return named(tr::kResultCase, shown.Case->Number, shown.Case->Name);
  if (shown.Combination)
    return named(tr::kResultCombination, shown.Combination->Number, shown.Combination->Name);
  return {};
}

// "ULS", "SLS-C", "SLS-F", "SLS-QP", or "case".
std::string ResultKindText(ParameterScope& scope) {
  const ShownResult shown = Shown(scope);
  if (shown.Case) return "case";
  return shown.Combination ? CombinationKindCode(shown.Combination->Kind) : "";
}

std::string ResultFactors(ParameterScope& scope) {
  const ShownResult shown = Shown(scope);
  if (shown.Case) return FactorsText({{shown.Case->Number, 1.0}});
  return shown.Combination ? FactorsText(shown.Combination->Factors) : std::string();
}

std::string CaseCount(ParameterScope& scope) {
  return std::to_string(scope.Sources.Doc.Settings.LoadCases.size());
}
std::string CombinationCount(ParameterScope& scope) {
  return std::to_string(scope.Sources.Doc.Settings.Combinations.size());
}

} // namespace

const std::vector<ReportParameter>& LoadCaseParameters() {
  constexpr ParameterList L = ParameterList::LoadCase;
  static const std::vector<ReportParameter> parameters = {
      {"Case_No", L, &CaseNumber},
      {"Case_Name", L, &CaseName},
      {"Case_Category", L, &CaseCategoryCode},
      {"Case_CategoryStr", L, &CaseCategoryName},
      {"Case_Duration", L, &CaseDuration},
      {"Case_Psi0", L, &CasePsi<&TLoadCase::Psi0>},
      {"Case_Psi1", L, &CasePsi<&TLoadCase::Psi1>},
      {"Case_Psi2", L, &CasePsi<&TLoadCase::Psi2>},
      {"Case_SelfWeight", L, &CaseSelfWeight},
  };
  return parameters;
}

const std::vector<ReportParameter>& CombinationParameters() {
  constexpr ParameterList L = ParameterList::Combination;
  static const std::vector<ReportParameter> parameters = {
      {"Comb_No", L, &CombinationNumber},
      {"Comb_Name", L, &CombinationName},
      {"Comb_Kind", L, &CombinationKindCodeText},
      {"Comb_KindStr", L, &CombinationKindText},
      {"Comb_Factors", L, &CombinationFactors},
      {"Comb_Duration", L, &CombinationDurationText},
      {"Comb_MaxUtilisation", L, &CombinationUtilisation},
      {"Comb_Order", L, &CombinationOrderText},
      {"Comb_AlphaCr", L, &CombinationCriticalFactor},
  };
  return parameters;
}

const std::vector<ReportParameter>& ResultParameters() {
  constexpr ParameterList L = ParameterList::Result;
  static const std::vector<ReportParameter> parameters = {
      {"Result_Name", L, &ResultName},
      {"Result_Kind", L, &ResultKindText},
      {"Result_Factors", L, &ResultFactors},
      {"Case_Count", L, &CaseCount},
      {"Combination_Count", L, &CombinationCount},
      {"Result_Order", L, &ResultOrderText},
      {"Result_AlphaCr", L, &LowestCriticalFactor},
      {"Result_AlphaCrComb", L, &LowestCriticalCombination},
  };
  return parameters;
}

} // namespace strandel
