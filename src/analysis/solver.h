#pragma once
// The frame analysis: linear-elastic, first-order statics of the plane frame by
// the displacement method, three unknowns per node and one frame element per
// beam stretch. Results go into the segment list (displacements and end forces
// of every stretch) and into the supports' reaction vectors; the document's
// ResultsValid says whether they are current.

#include "analysis/analysis_outcome.h"
#include "model/document.h"

namespace strandel {

// The vectors hold 8190 unknowns, three per node.
inline constexpr int kMaxAnalysedNodes = 2730;

// Rebuilds doc.Segments and every support's Reactions and sets doc.ResultsValid.
// A model without nodes is left exactly as it was. A failed analysis (an unstable
// structure, a stretch of no length or no axial stiffness, too many nodes, a
// value that is not finite) leaves the segment list empty and the reactions
// holding only the point forces and moments at the support's node.
AnalysisOutcome AnalyseModel(ModelDocument& doc);

} // namespace strandel
