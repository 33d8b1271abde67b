// The support parameters: where the support stands, what it is prescribed to
// do, and the reactions the analysis found.

#include "reports/parameter_lists.h"

namespace strandel {
namespace {

// Supports are named in a report by the node they hold, the number the engineer
// finds on the drawing.
std::string NodeNumber(ParameterScope& scope) {
  return std::to_string(scope.Support->NodeNo);
}

// The force or moment the structure exerts on the support. After a failed
// analysis the support holds only the loads applied at its node, which are no
// reaction at all, so the report gives 0 as for every other result.
template <int Component> std::string Reaction(ParameterScope& scope) {
  const double value = scope.Sources.Doc.ResultsValid ? scope.Support->Reactions[Component] : 0.0;
  const AppSettings& settings = scope.Sources.Settings;
  if (Component == 2)
    return ThresholdParameterValue(scope, Quantity::Moment, value, settings.MinMomentValue);
  return ThresholdParameterValue(scope, Quantity::Force, value, settings.MinForceValue);
}

template <double TSupportObject::*Field> std::string Prescribed(ParameterScope& scope) {
  return ShownParameterValue(scope, Quantity::Displacement, (*scope.Support).*Field);
}

// The load case its prescribed displacements belong to.
std::string CaseNumber(ParameterScope& scope) {
  return CaseParameterValue(scope, scope.Support->Case);
}

} // namespace

const std::vector<ReportParameter>& SupportParameters() {
  constexpr ParameterList L = ParameterList::Support;
  static const std::vector<ReportParameter> parameters = {
      {"Supp_No", L, &NodeNumber},
      {"Supp_Rx", L, &Reaction<0>},
      {"Supp_Ry", L, &Reaction<1>},
      {"Supp_Rm", L, &Reaction<2>},
      {"Supp_Dx", L, &Prescribed<&TSupportObject::DX>},
      {"Supp_Dy", L, &Prescribed<&TSupportObject::DY>},
      {"Supp_Case", L, &CaseNumber},
  };
  return parameters;
}

} // namespace strandel
