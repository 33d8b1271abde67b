#include "render/label_texts.h"

#include <cmath>

#include "common/number_text.h"
#include "common/text.h"
#include "units/units.h"

namespace strandel {
namespace {

// " 102 [kp/m]": the magnitude in the shown unit, with the unit's name.
std::string Magnitude(double value, Quantity quantity, const UnitChoice& units) {
  return ShownText(units, quantity, std::fabs(value)) + " " + UnitName(units, quantity);
}

} // namespace

std::string NodeLabelText(const TNodeObject& node) {
  return "N" + std::to_string(node.Number);
}

std::string BeamLabelText(const TBeamObject& beam, bool showNumbers, bool showGroups) {
  const std::string number = "B" + std::to_string(beam.Number);
  if (showNumbers && showGroups && !beam.BeamGroup.empty()) return number + "," + beam.BeamGroup;
  if (showNumbers) return number;
  if (showGroups) return beam.BeamGroup;
  return "";
}

std::string SupportLabelText(const TSupportObject& support) {
  return "S" + std::to_string(support.Number);
}

std::string LoadLabelText(const TLoadObject& load, bool showValue, const UnitChoice& units) {
  std::string text = "q" + std::to_string(load.Number);
  if (showValue) text += "=" + Magnitude(load.Value, Quantity::DistLoad, units);
  return text;
}

std::string ForceLabelText(const TForceObject& force, bool showValue, const UnitChoice& units) {
  std::string text = "F" + std::to_string(force.Number);
  if (showValue) text += Magnitude(force.Value, Quantity::Force, units);
  return text;
}

std::string MomentLabelText(const TMomentObject& moment, bool showValue, const UnitChoice& units) {
  std::string text = "M" + std::to_string(moment.Number);
  if (showValue) text += Magnitude(moment.Value, Quantity::Moment, units);
  return text;
}

std::string UtilisationText(double utilisation) {
  return std::string(Trim(FormatValue(100 * utilisation))) + "%";
}

} // namespace strandel
