#pragma once
// What a report adds up to check the analysis on paper: the loads applied to
// the frame and the forces it puts on its supports, each as a sum in x and y and
// a moment about the origin. In equilibrium the two sums are equal.

#include "model/document.h"
#include "sections/frame_connections.h"
#include "sections/section_context.h"

namespace strandel {

struct ForceSum {
  double X = 0; // N
  double Y = 0; // N
  double M = 0; // Nm about the origin, counter-clockwise
};

// Point forces and moments at their nodes, distributed loads over the stretch
// of their beam they cover (acting at its middle), and with own weight switched
// on the weight of every beam at its middle. A load whose node or beam does not
// exist acts nowhere and is left out, as the analysis leaves it out.
ForceSum AppliedLoadSum(const ModelDocument& doc, SectionContext& context);

// The forces and moments the structure exerts on its supports, at their nodes;
// two supports of one node report the same forces, which count once. Zero
// while the results are not valid.
ForceSum SupportForceSum(const ModelDocument& doc, SectionContext& context);

// The stretch of its beam a distributed load covers, as fractions of the beam
// from its start node (start <= end): the projections of the load's ends onto
// the beam, kept on the beam.
struct LoadStretch {
  double Start = 0;
  double End = 0;
  double BeamLength = 0; // m, between the beam's nodes
};
LoadStretch StretchOnBeam(const FrameConnections& nodes, const TLoadObject& load,
                          const TBeamObject& beam);

} // namespace strandel
