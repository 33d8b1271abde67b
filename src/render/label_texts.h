#pragma once
// The texts of the labels the model page writes beside its objects, with the
// display switches and the chosen units: "N3", "B2,Roof", "S1", "q1= 102 [kp/m]",
// "F2 1000 [N]", "M1 50 [Nm]", and the utilisation "87.5%".

#include <string>

#include "model/app_settings.h"
#include "model/objects.h"

namespace strandel {

std::string NodeLabelText(const TNodeObject& node);
// "B" + number with the numbers on, then "," and the group with both on (when
// the beam has a group); the group alone with groups only; empty with neither.
std::string BeamLabelText(const TBeamObject& beam, bool showNumbers, bool showGroups);
std::string SupportLabelText(const TSupportObject& support);
// Values are magnitudes: the arrows show which way a load acts.
std::string LoadLabelText(const TLoadObject& load, bool showValue, const UnitChoice& units);
std::string ForceLabelText(const TForceObject& force, bool showValue, const UnitChoice& units);
std::string MomentLabelText(const TMomentObject& moment, bool showValue, const UnitChoice& units);
// 100 x the utilisation, formatted, with "%".
std::string UtilisationText(double utilisation);

} // namespace strandel
