#pragma once
// The stretches the solver works with. A beam is cut at every node that lies on
// it, so a node placed on a beam joins it rigidly to whatever else meets there;
// the beam's own end flags act only at its own end nodes. Each stretch carries
// its section values, the distributed loads spread over it and their equivalent
// nodal loads.

#include "analysis/analysis_outcome.h"
#include "analysis/node_table.h"
#include "model/document.h"

namespace strandel {

class SectionContext;

// Gravity as the design takes it, m/s^2.
inline constexpr double kGravity = 9.82;

struct SegmentBuild {
  AnalysisFailure Failure = AnalysisFailure::None;
  long Beam = -1; // the beam that could not be cut into stretches
};

// Empties doc.Segments and fills it beam by beam in list order, walking each
// beam from its first node through the nodes on it (by rising position, the
// first in list order among equal positions) to its second node. A beam whose
// end node does not exist cannot be placed in the structure and fails the build
// as unstable.
SegmentBuild BuildSegments(ModelDocument& doc, const NodeTable& nodes, SectionContext& context);

} // namespace strandel
