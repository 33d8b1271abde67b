// The unit parameters: the name and the factor of the display unit of every
// quantity, so a template can head its columns with the units its values are in.

#include "reports/parameter_lists.h"

namespace strandel {
namespace {

template <Quantity Q> std::string Name(ParameterScope& scope) {
  return UnitName(scope.Sources.Settings.Units, Q);
}

// Shown units per base unit: 100 for [cm].
template <Quantity Q> std::string Factor(ParameterScope& scope) {
  return PlainParameterValue(UnitFactor(scope.Sources.Settings.Units, Q));
}

} // namespace

const std::vector<ReportParameter>& UnitParameters() {
  using Q = Quantity;
  constexpr ParameterList L = ParameterList::Unit;
  static const std::vector<ReportParameter> parameters = {
      {"LengthUnitStr", L, &Name<Q::Length>},
      {"LengthUnitFact", L, &Factor<Q::Length>},
      {"DisplUnitStr", L, &Name<Q::Displacement>},
      {"DisplUnitFact", L, &Factor<Q::Displacement>},
      {"ForceUnitStr", L, &Name<Q::Force>},
      {"ForceUnitFact", L, &Factor<Q::Force>},
      {"DistLoadUnitStr", L, &Name<Q::DistLoad>},
      {"DistLoadUnitFact", L, &Factor<Q::DistLoad>},
      {"MomentUnitStr", L, &Name<Q::Moment>},
      {"MomentUnitFact", L, &Factor<Q::Moment>},
      {"AreaUnitStr", L, &Name<Q::Area>},
      {"AreaUnitFact", L, &Factor<Q::Area>},
      {"SectModulusUnitStr", L, &Name<Q::SectionModulus>},
      {"SectModulusUnitFact", L, &Factor<Q::SectionModulus>},
      {"SurfMomOfInertiaUnitStr", L, &Name<Q::MomentOfInertia>},
      {"SurfMomOfInertiaUnitFact", L, &Factor<Q::MomentOfInertia>},
      {"StressUnitStr", L, &Name<Q::Stress>},
      {"StressUnitFact", L, &Factor<Q::Stress>},
      {"MassUnitStr", L, &Name<Q::Mass>},
      {"MassUnitFact", L, &Factor<Q::Mass>},
      {"DensityUnitStr", L, &Name<Q::Density>},
      {"DensityUnitFact", L, &Factor<Q::Density>},
  };
  return parameters;
}

} // namespace strandel
