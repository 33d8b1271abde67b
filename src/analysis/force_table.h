#pragma once
// The force table under the free body: the reactions on the left, the point
// forces, moments and distributed loads on the right, as fixed-width text lines
// that the page draws one character per cell so the columns line up on every
// device. Magnitudes only, in the display units; the arrows give the directions.

#include "analysis/beam_page.h"

namespace strandel {

// Appends the table with its top at y, from the reactions, forces, moments and
// loads already on the page, and moves y below it.
void BuildForceTable(BeamPage& page, const AppSettings& settings, double& y);

} // namespace strandel
