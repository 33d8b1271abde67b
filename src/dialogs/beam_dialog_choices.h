#pragma once
// The choice lists of the beam dialog and their item texts, which depend on
// the material: steel is hot-rolled, cold-formed or welded, aluminium
// extruded or welded, timber sawn or glued-laminated.

#include <string>
#include <vector>

#include "sections/material_kind.h"

namespace strandel {

std::vector<std::string> ManufactureItems(MaterialKind kind);
std::vector<std::string> DimControlItems();
std::vector<std::string> SafetyClassItems(); // "1 - low", "2 - normal", "3 - high"
std::vector<std::string> ClimateZoneItems();
std::vector<std::string> LoadDurationItems();
std::vector<std::string> HardenableItems(); // yes first: index 0 is hardenable
std::vector<std::string> BracedItems();     // no first: index 1 is braced

} // namespace strandel
