#pragma once
// The details list of the beam dialog: 26 section, material and buckling values
// of a beam in a fixed order, each with the unit it is shown in. The batch front
// end lists the same values under the same names.

#include <cstddef>
#include <string>
#include <vector>

#include "model/document.h"
#include "sections/section_context.h"
#include "units/units.h"

namespace strandel {

enum class DetailUnit {
  Shown,      // in the display unit of `Quantity`
  None,       // a pure number (slenderness, factors)
  NodeNumber, // a node's number
};

struct BeamDetail {
  const char* Name; // "A", "Iy,red", "StartNode", ...
  DetailUnit Unit;
  Quantity Shown; // meaningful for DetailUnit::Shown
  double (*Value)(const TBeamObject& beam, const ModelDocument& doc, SectionContext* context);
};

// "A", "Aeff", "SectMod", "Iy", "Iy,red", "Ix", "Ix,red", "Imin", "Mass",
// "Length", "Angle", "Lc", "Lambda", "Ebott", "Etop", "Ftd", "Fcd", "Fmd", "Ed",
// "HazRedFact", "DimRedFact", "MoistRedFact", "DurRedFact", "BucklRedFact",
// "StartNode", "StopNode".
const std::vector<BeamDetail>& BeamDetails();

// The three capacities the dialog shows with their bars: "Rtd", "Rcd" (force
// unit) and "Md" (moment unit).
const std::vector<BeamDetail>& BeamCapacities();

// A value as the dialog and the batch table show it, and its unit: a node
// number as an integer, a pure number with "[-]", an undefined value as
// "undefined" without a unit.
struct DetailText {
  std::string Value;
  std::string Unit;
};
DetailText ShownDetail(DetailUnit unit, Quantity shown, double value, const UnitChoice& units);
inline DetailText ShownDetail(const BeamDetail& detail, double value, const UnitChoice& units) {
  return ShownDetail(detail.Unit, detail.Shown, value, units);
}

} // namespace strandel
