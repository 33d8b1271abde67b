#pragma once
// The stretches the solver works with. A beam is cut at every node that lies on
// it, so a node placed on a beam joins it rigidly to whatever else meets there;
// the beam's own end flags act only at its own end nodes. Each stretch carries
// its section values, the distributed loads spread over it and their equivalent
// nodal loads.

#include "analysis/analysis_outcome.h"
#include "analysis/load_selection.h"
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
SegmentBuild BuildSegments(ModelDocument& doc, const NodeTable& nodes, SectionContext& context,
                           const LoadSelection& selection);
inline SegmentBuild BuildSegments(ModelDocument& doc, const NodeTable& nodes,
                                  SectionContext& context) {
  return BuildSegments(doc, nodes, context, EveryLoad(doc));
}

// Spreads the selected loads over stretches already built, in place of the
// loads they carried: everything else of a stretch stays.
void LoadSegments(std::vector<TSegmentObject>& segments, const ModelDocument& doc,
                  const NodeTable& nodes, const LoadSelection& selection);

// The tensile, compressive and moment capacities of every stretch.
struct StretchCapacity {
  double Rtd = 0, Rcd = 0, Md = 0;
};

// The capacities of the stretches for the load duration `context` now gives (a
// load combination's): timber's worked out again, every other material's as the
// stretch holds them.
using StretchCapacities = std::vector<StretchCapacity>;
StretchCapacities CapacitiesFor(const std::vector<TSegmentObject>& segments,
                                const ModelDocument& doc, SectionContext& context);
void SetCapacities(std::vector<TSegmentObject>& segments, const StretchCapacities& capacities);

} // namespace strandel
