#include "reports/report_parameters.h"

#include <cmath>
#include <unordered_map>

#include "common/number_text.h"
#include "common/system_info.h"
#include "common/text.h"
#include "reports/parameter_lists.h"

namespace strandel {

ReportEnvironment CurrentReportEnvironment() {
  return {TodayText(), CurrentUserName(), STRANDEL_VERSION};
}

bool RepeatsPerObject(ParameterList list) {
  switch (list) {
  case ParameterList::Beam:
  case ParameterList::Support:
  case ParameterList::Node:
  case ParameterList::Load:
  case ParameterList::Force:
  case ParameterList::Moment:
  case ParameterList::LoadCase:
  case ParameterList::Combination:
    return true;
  default:
    return false;
  }
}

const std::vector<ReportParameter>& ParametersOf(ParameterList list) {
  switch (list) {
  case ParameterList::Node:
    return NodeParameters();
  case ParameterList::Load:
    return LoadParameters();
  case ParameterList::Force:
    return ForceParameters();
  case ParameterList::Moment:
    return MomentParameters();
  case ParameterList::Balance:
    return BalanceParameters();
  case ParameterList::Beam:
    return BeamParameters();
  case ParameterList::Support:
    return SupportParameters();
  case ParameterList::Unit:
    return UnitParameters();
  case ParameterList::Dimensioning:
    return DimensioningParameters();
  case ParameterList::Model:
    return ModelParameters();
  case ParameterList::Document:
    return DocumentParameters();
  case ParameterList::LoadCase:
    return LoadCaseParameters();
  case ParameterList::Combination:
    return CombinationParameters();
  case ParameterList::Result:
    return ResultParameters();
  case ParameterList::Environment:
    break;
  }
  return EnvironmentParameters();
}

const ReportParameter* FindReportParameter(std::string_view name) {
  // Built once: every line of every report looks its names up here.
  static const std::unordered_map<std::string, const ReportParameter*> byName = [] {
    std::unordered_map<std::string, const ReportParameter*> names;
    for (ParameterList list :
         {ParameterList::Beam, ParameterList::Support, ParameterList::Unit,
          ParameterList::Dimensioning, ParameterList::Model, ParameterList::Document,
          ParameterList::Environment, ParameterList::Node, ParameterList::Load,
          ParameterList::Force, ParameterList::Moment, ParameterList::Balance,
          ParameterList::LoadCase, ParameterList::Combination, ParameterList::Result}) {
      for (const ReportParameter& parameter : ParametersOf(list))
        names.emplace(LowerCase(parameter.Name), &parameter);
    }
    return names;
  }();
  const auto found = byName.find(LowerCase(name));
  return found == byName.end() ? nullptr : found->second;
}

std::string PlainParameterValue(double value) {
  return std::string(Trim(FormatValue(value)));
}

BeamPeak BeamPeakOf(const ReportSources& sources, long beamNumber) {
  if (!sources.Peaks) sources.Peaks = BeamPeaks(sources.Doc);
  return PeakOf(*sources.Peaks, beamNumber);
}

std::string ShownParameterValue(const ParameterScope& scope, Quantity quantity, double value) {
  return PlainParameterValue(ToShown(scope.Sources.Settings.Units, quantity, value));
}

std::string ThresholdParameterValue(const ParameterScope& scope, Quantity quantity, double value,
                                    double threshold) {
  // A result left out keeps the blank of FormatValue's zero: templates in use
  // are laid out for " 0".
  if (std::fabs(value) <= threshold) return " 0";
  return ShownParameterValue(scope, quantity, value);
}

std::string PercentParameterValue(double fraction) {
  const double percent = 100 * fraction;
  return PlainParameterValue(std::isfinite(percent) ? std::round(percent) : percent);
}

std::string CaseParameterValue(const ParameterScope& scope, long caseNumber) {
  if (scope.Sources.Doc.Settings.LoadCases.empty()) return {};
  return std::to_string(caseNumber);
}

} // namespace strandel
