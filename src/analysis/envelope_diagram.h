#pragma once
// The envelope of a beam's diagram over the combinations of one kind: at each
// of the 21 points of every stretch the largest and the smallest value with the
// combination that gives it, and at the two extremes of the whole beam the
// normal force, shear and moment that act there at the same time.

#include <vector>

#include "analysis/beam_page.h"
#include "analysis/load_case_analysis.h"

namespace strandel {

struct EnvelopePoint {
  double X = 0; // along the undeformed beam from its first node, m
  double Max = 0, Min = 0;
  long MaxCombination = -1, MinCombination = -1;
};

struct EnvelopeCurves {
  std::vector<EnvelopePoint> Points;
  EnvelopeExtreme Highest, Lowest;
};

// Over every combination of `kind`, the utilisation in percent as its diagram
// shows it. A stress diagram takes both fibres. Empty when the analysis failed
// or has no combination of the kind.
EnvelopeCurves BeamDiagramEnvelope(const CaseAnalysis& analysis, const ModelDocument& doc,
                                   long beam, DiagramKind diagram, CombinationKind kind);

} // namespace strandel
