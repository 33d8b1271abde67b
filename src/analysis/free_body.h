#pragma once
// The chosen beam cut free from the structure: its loads turned into the beam's
// axes, and the forces the rest of the structure exerts on it at its ends and at
// the nodes lying on it. The beam is drawn horizontal, so every force on the page
// is given in the beam's axes: x along the beam, y turned +90 degrees from it.

#include <deque>

#include "analysis/beam_page.h"

namespace strandel {

// Appends the beam copy and the point forces, point moments and distributed loads
// acting on it. Nothing when doc.Settings.FBDBeamNo names no beam.
void BuildFreeBody(BeamPage& page, const ModelDocument& doc);

// The reaction of `nodeNumber` in `reactions`, created at page position (x, y) on
// first use; a new reaction placed `withNode` also puts a page node there.
TReactionObject& FindOrCreateReaction(std::deque<TReactionObject>& reactions, BeamPage& page,
                                      long nodeNumber, bool withNode, double x, double y);

// Appends the reactions: the end forces of the beam's own stretches at its end
// nodes, and at every node on the beam what the other beams and the supports
// there exert. Reactions whose components all stay below the display thresholds
// are left off; the rest are numbered from left to right.
void BuildReactions(BeamPage& page, const ModelDocument& doc, const AppSettings& settings);

// Where a point of the model lies along the chosen beam: 25 + 160 t for its
// projection t (0..1) onto the beam.
double PageX(const TBeamObject& beam, double x, double y);

} // namespace strandel
