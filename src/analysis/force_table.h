#pragma once
// The force table under the free body: the reactions on the left, the point
// forces, moments and distributed loads on the right, as fixed-width text lines
// that the page draws one character per cell so the columns line up on every
// device. Values in the display units with their signs: the reactions'
// components in the beam's axes (x along it, y turned +90 degrees, moments
// counter-clockwise), the forces and loads along the direction the free body
// draws them (between 0 and 180 degrees from x, so positive points to +y).

#include "analysis/beam_page.h"

namespace strandel {

// Appends the table with its top at y, from the reactions, forces, moments and
// loads already on the page, and moves y below it.
void BuildForceTable(BeamPage& page, const AppSettings& settings, double& y);

} // namespace strandel
