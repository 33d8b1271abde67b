#pragma once
// The frame analysis: linear-elastic, first-order statics of the plane frame by
// the displacement method, three unknowns per node and one frame element per
// beam stretch. Results go into the segment list (displacements and end forces
// of every stretch) and into the supports' reaction vectors; the document's
// ResultsValid says whether they are current.

#include <cstddef>
#include <functional>
#include <vector>

#include "analysis/analysis_outcome.h"
#include "analysis/load_selection.h"
#include "model/document.h"

namespace strandel {

// The vectors hold 8190 unknowns, three per node.
inline constexpr int kMaxAnalysedNodes = 2730;

// Rebuilds doc.Segments and every support's Reactions and sets doc.ResultsValid.
// A model without nodes is left exactly as it was. A failed analysis (an unstable
// structure, a stretch of no length or no axial stiffness, too many nodes, a
// value that is not finite) leaves the segment list empty and the reactions
// holding only the point forces and moments at the support's node.
//
// A document with load cases is solved for every case and combination
// (load_case_analysis.h), and the result its ResultSet chooses is left in the
// segments and reactions.
AnalysisOutcome AnalyseModel(ModelDocument& doc);

class SectionContext;

// Solves the frame for each selection of loads in turn with one elimination of
// its stiffness. `store(s)` is called while doc holds the results of selection
// s (its segments and its supports' reactions) and the outcome its
// displacements. The first selection that fails ends the analysis: the outcome
// says why and, for a load case, which; the model is then left as after a
// failed analysis.
AnalysisOutcome
AnalyseSelections(ModelDocument& doc, const std::vector<LoadSelection>& selections,
                  SectionContext& context,
                  const std::function<void(std::size_t, const std::vector<double>&)>& store);

} // namespace strandel
