#pragma once
// The buckling mode of a document's loads, worked out on demand for the model
// picture and the batch front end: alpha_cr and the mode of one ultimate load
// set, from its first-order axial forces.

#include "analysis/analysis_outcome.h"
#include "analysis/second_order.h"
#include "model/document.h"

namespace strandel {

struct BucklingAnalysis {
  AnalysisOutcome Outcome; // of the first-order analysis it starts from
  long Combination = 0;    // the load set: 0 the single one of a document without cases
  CriticalLoad Critical;   // with its mode, stretch by stretch as in doc.Segments
  bool Ok() const { return Outcome.Ok(); }
};

// The load set of a document whose buckling concerns the user most: without
// cases the single one (0); with cases the ultimate combination of the lowest
// alpha_cr in the outcome, -1 when it has none.
long GoverningBucklingLoadSet(const ModelDocument& doc, const AnalysisOutcome& outcome);

// alpha_cr and the mode of load set `combination` (0 for a document without
// cases). The document's results are as they were afterwards.
BucklingAnalysis AnalyseBuckling(ModelDocument& doc, long combination);

} // namespace strandel
