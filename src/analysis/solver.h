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
#include "analysis/second_order.h"
#include "model/document.h"

namespace strandel {

// Rebuilds doc.Segments and every support's Reactions and sets doc.ResultsValid.
// A model without nodes is left exactly as it was. A failed analysis (an unstable
// structure, a stretch of no length or no axial stiffness, a value that is not
// finite, a model too large for the memory) leaves the segment list empty and
// the reactions holding only the point forces and moments at the support's node.
//
// A document with load cases is solved for every case and combination
// (load_case_analysis.h), and the result its ResultSet chooses is left in the
// segments and reactions.
//
// The outcome tells alpha_cr of the loads (of each ultimate combination) unless
// the options say not to; with the document's "Second order effects" on, the
// single load set (each ultimate combination) is solved to second order, and
// loads beyond the critical load fail the analysis.
AnalysisOutcome AnalyseModel(ModelDocument& doc, const AnalysisOptions& options = {});

class SectionContext;

// Solves the frame for each selection of loads with one elimination of its
// stiffness. `store(s, holder, displacements)` is called once for each selection
// s while `holder` holds its results (its segments and its supports' reactions):
// doc or, for a large frame with several selections, a copy of it that a
// selection is recovered in on another core at the same time, so store must
// keep each selection's results apart. Afterwards doc holds those of the last
// selection. The first selection that fails ends the analysis: the outcome says
// why and, for a load case, which; the model is then left as after a failed
// analysis.
AnalysisOutcome AnalyseSelections(ModelDocument& doc, const std::vector<LoadSelection>& selections,
                                  SectionContext& context,
                                  const std::function<void(std::size_t, const ModelDocument&,
                                                           const std::vector<double>&)>& store);

} // namespace strandel
