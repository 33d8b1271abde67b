#include "sections/beam_details.h"

#include <cmath>

#include "common/number_text.h"

#include "sections/capacity.h"
#include "sections/material.h"
#include "sections/profile.h"

namespace strandel {
namespace {

template <double (*Factor)(const TBeamObject&, const ModelDocument&)>
double FactorOf(const TBeamObject& beam, const ModelDocument& doc, SectionContext*) {
  return Factor(beam, doc);
}

double StartNode(const TBeamObject& beam, const ModelDocument&, SectionContext*) {
  return beam.Node1;
}

double StopNode(const TBeamObject& beam, const ModelDocument&, SectionContext*) {
  return beam.Node2;
}

} // namespace

const std::vector<BeamDetail>& BeamDetails() {
  using U = DetailUnit;
  using Q = Quantity;
  static const std::vector<BeamDetail> details = {
      {"A", U::Shown, Q::Area, &A},
      {"Aeff", U::Shown, Q::Area, &Aeff},
      {"SectMod", U::Shown, Q::SectionModulus, &SectMod},
      {"Iy", U::Shown, Q::MomentOfInertia, &Iy},
      {"Iy,red", U::Shown, Q::MomentOfInertia, &IyRed},
      {"Ix", U::Shown, Q::MomentOfInertia, &Ix},
      {"Ix,red", U::Shown, Q::MomentOfInertia, &IxRed},
      {"Imin", U::Shown, Q::MomentOfInertia, &Imin},
      {"Mass", U::Shown, Q::Mass, &Mass},
      {"Length", U::Shown, Q::Length, &Length},
      {"Angle", U::Shown, Q::Angle, &Angle},
      {"Lc", U::Shown, Q::Length, &Lc},
      {"Lambda", U::None, Q::Length, &Lambda},
      {"Ebott", U::Shown, Q::Displacement, &Ebott},
      {"Etop", U::Shown, Q::Displacement, &Etop},
      {"Ftd", U::Shown, Q::Stress, &Ftd},
      {"Fcd", U::Shown, Q::Stress, &Fcd},
      {"Fmd", U::Shown, Q::Stress, &Fmd},
      {"Ed", U::Shown, Q::Stress, &Ed},
      {"HazRedFact", U::None, Q::Length, &FactorOf<HazRedFact>},
      {"DimRedFact", U::None, Q::Length, &FactorOf<DimRedFact>},
      {"MoistRedFact", U::None, Q::Length, &FactorOf<MoistRedFact>},
      {"DurRedFact", U::None, Q::Length, &FactorOf<DurRedFact>},
      {"BucklRedFact", U::None, Q::Length, &BucklRedFact},
      {"StartNode", U::NodeNumber, Q::Length, &StartNode},
      {"StopNode", U::NodeNumber, Q::Length, &StopNode},
  };
  return details;
}

const std::vector<BeamDetail>& BeamCapacities() {
  static const std::vector<BeamDetail> capacities = {
      {"Rtd", DetailUnit::Shown, Quantity::Force, &Rtd},
      {"Rcd", DetailUnit::Shown, Quantity::Force, &Rcd},
      {"Md", DetailUnit::Shown, Quantity::Moment, &Md},
  };
  return capacities;
}

DetailText ShownDetail(DetailUnit unit, Quantity shown, double value, const UnitChoice& units) {
  if (unit == DetailUnit::NodeNumber) return {std::to_string(static_cast<long>(value)), ""};
  if (std::isnan(value)) return {"undefined", ""};
  if (unit == DetailUnit::None) return {FormatValue(value), "[-]"};
  return {ShownText(units, shown, value), UnitName(units, shown)};
}

} // namespace strandel
