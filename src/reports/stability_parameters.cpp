#include "reports/stability_parameters.h"

#include "analysis/buckling_analysis.h"
#include "analysis/failure_message.h"
#include "analysis/load_case_analysis.h"
#include "common/text_entries.h"
#include "common/translation.h"

namespace strandel {
namespace {

const std::vector<LoadSetStability>* StabilityList(const ReportSources& sources) {
  if (sources.Stability != nullptr) return sources.Stability;
  if (sources.Cases != nullptr) return &sources.Cases->Outcome.Stability;
  return nullptr;
}

const LoadSetStability* Find(const ReportSources& sources, long combination) {
  const std::vector<LoadSetStability>* list = StabilityList(sources);
  if (list == nullptr) return nullptr;
  for (const LoadSetStability& stability : *list)
    if (stability.Combination == combination) return &stability;
  return nullptr;
}

const LoadSetStability* Lowest(const ReportSources& sources) {
  const std::vector<LoadSetStability>* list = StabilityList(sources);
  if (list == nullptr || !sources.Doc.ResultsValid) return nullptr;
  AnalysisOutcome held;
  held.Stability = *list;
  return Find(sources, GoverningBucklingLoadSet(sources.Doc, held));
}

std::string OrderText(bool secondOrder) {
  return Translated(secondOrder ? tr::kReportSecondOrder : tr::kReportFirstOrder);
}

} // namespace

std::string SecondOrderRuleText(ParameterScope& scope) {
  return Translated(scope.Sources.Doc.Settings.SecondOrder ? tr::kReportSwitchOn
                                                           : tr::kReportSwitchOff);
}

std::string ResultOrderText(ParameterScope& scope) {
  const ModelDocument& doc = scope.Sources.Doc;
  if (!doc.ResultsValid || doc.Segments.empty()) return {};
  return OrderText(doc.Segments.front().SecondOrder);
}

std::string CombinationOrderText(ParameterScope& scope) {
  const LoadSetStability* stability = Find(scope.Sources, scope.Combination->Number);
  if (!scope.Sources.Doc.ResultsValid) return {};
  return OrderText(stability != nullptr && stability->SecondOrder);
}

std::string LowestCriticalFactor(ParameterScope& scope) {
  const LoadSetStability* lowest = Lowest(scope.Sources);
  return lowest ? CriticalFactorText(lowest->CriticalFactor) : std::string();
}

std::string LowestCriticalCombination(ParameterScope& scope) {
  const LoadSetStability* lowest = Lowest(scope.Sources);
  return lowest && lowest->Combination > 0 ? std::to_string(lowest->Combination) : std::string();
}

std::string CombinationCriticalFactor(ParameterScope& scope) {
  const LoadSetStability* stability = Find(scope.Sources, scope.Combination->Number);
  if (stability == nullptr || !scope.Sources.Doc.ResultsValid) return {};
  return CriticalFactorText(stability->CriticalFactor);
}

} // namespace strandel
