#pragma once
// Whether a document's load cases and combinations hold together: every load
// belongs to a case that exists, every combination combines cases that exist
// with finite factors, and exactly one case carries the beams' own weight.

#include <string>
#include <vector>

#include "model/document.h"

namespace strandel {

// The problems as user-facing texts in the chosen language, each naming the
// object it concerns, first problem first: the cases, then the combinations,
// then the supports, loads, forces and moments in list order. Empty when the
// document is sound; a document without cases and combinations always is.
std::vector<std::string> CheckLoadCases(const ModelDocument& doc);

// Turns a document of one load set into one with load cases: a single
// permanent case 1 that carries the own weight and holds every support, load,
// force and moment, and one ultimate combination "1.0 x case 1", so it analyses
// as before. A document that already has cases is left as it is (false).
bool DefaultLoadCases(ModelDocument& doc);

} // namespace strandel
