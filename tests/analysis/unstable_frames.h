#pragma once
// Frames a new user builds and that can move: each is a small slip in the
// supports or the end flags of a structure that would otherwise stand, so the
// tests can also build the frame that stands.

#include <vector>

#include "analysis/frame_system.h"
#include "analysis/mobility.h"
#include "analysis/segments.h"
#include "analysis/sparse_factor.h"
#include "common/geometry.h"
#include "sections/section_context.h"
#include "support/frame_models.h"

namespace strandel::testing {

// The factorisation of the frame's equations as the analysis builds them, the
// segments made first, whether or not the frame can stand. The failing or
// smallest pivot's unknown is one of the frame's (3 x node index + freedom).
inline EliminationResult EliminateFrame(ModelDocument& doc) {
  const NodeTable nodes(doc);
  SectionContext context;
  BuildSegments(doc, nodes, context);
  const FrameSystem system = AssembleFrame(doc, nodes);
  SparseFactor factor;
  EliminationResult result =
      factor.Factorise(static_cast<int>(system.Kept.size()), KeptStiffness(system));
  for (int* unknown : {&result.Unknown, &result.SmallestPivotUnknown})
    if (*unknown >= 0) *unknown = system.Kept[*unknown];
  return result;
}

// The verdict on the frame's stability as the analysis takes it, the segments
// made first.
inline Mobility JudgeFrame(ModelDocument& doc) {
  const NodeTable nodes(doc);
  SectionContext context;
  BuildSegments(doc, nodes, context);
  return JudgeMobility(doc, nodes, AssembleFrame(doc, nodes));
}

// A portal 5 m wide and 3 m high on pins at nodes 1 (0, 0) and 4 (5, 0), with
// columns 1-2 and 4-3 and girder 2-3; 10 kN to the right at node 2 and 20 kN down
// at node 3. With every beam end hinged it is a four-bar linkage that sways.
inline ModelDocument SwayPortal(bool hinged, const Section& girder = {}) {
  ModelDocument doc = EmptyModel();
  AddNode(doc, 1, 0, 0);
  AddNode(doc, 2, 0, 3);
  AddNode(doc, 3, 5, 3);
  AddNode(doc, 4, 5, 0);
  AddBeam(doc, 1, 1, 2, !hinged, !hinged);
  AddBeam(doc, 2, 2, 3, !hinged, !hinged, girder);
  AddBeam(doc, 3, 4, 3, !hinged, !hinged);
  AddSupport(doc, 1, 1);
  AddSupport(doc, 2, 4);
  AddForce(doc, 1, 2, 10000, 0);
  AddForce(doc, 2, 3, 20000, -kPi / 2);
  return doc;
}

// A beam from node 1 at (0, 0) to node 2 at (dx, dy) on two rollers; `direction`
// 1 holds only y, so nothing holds it along x. 1 kN down at node 2.
inline ModelDocument BeamOnRollers(double dx, double dy, int direction = 1) {
  ModelDocument doc = EmptyModel();
  AddNode(doc, 1, 0, 0);
  AddNode(doc, 2, dx, dy);
  AddBeam(doc, 1, 1, 2);
  AddSupport(doc, 1, 1, true, 1);
  AddSupport(doc, 2, 2, true, direction);
  AddForce(doc, 1, 2, 1000, -kPi / 2);
  return doc;
}

// A pin-jointed truss of two 3 m panels, 2.5 m deep: bottom nodes 1, 2, 3, top
// nodes 4, 5, 6, a pin at node 1 and a roller holding y at node 3; 10 kN down at
// node 5 and 5 kN to the right at node 6. The left panel has its diagonal 1-5;
// the right panel's diagonal 2-6 only when asked for. `braced` is the section of
// the left panel's chords, post and diagonal.
inline ModelDocument TwoPanelTruss(bool bothDiagonals, const Section& braced = {}) {
  ModelDocument doc = EmptyModel();
  AddNode(doc, 1, 0, 0);
  AddNode(doc, 2, 3, 0);
  AddNode(doc, 3, 6, 0);
  AddNode(doc, 4, 0, 2.5);
  AddNode(doc, 5, 3, 2.5);
  AddNode(doc, 6, 6, 2.5);
  AddBeam(doc, 1, 1, 2, false, false, braced);
  AddBeam(doc, 2, 2, 3, false, false);
  AddBeam(doc, 3, 4, 5, false, false);
  AddBeam(doc, 4, 5, 6, false, false, braced);
  AddBeam(doc, 5, 1, 4, false, false);
  AddBeam(doc, 6, 2, 5, false, false, braced);
  AddBeam(doc, 7, 3, 6, false, false);
  AddBeam(doc, 8, 1, 5, false, false, braced);
  if (bothDiagonals) AddBeam(doc, 9, 2, 6, false, false);
  AddSupport(doc, 1, 1);
  AddSupport(doc, 2, 3, true, 1);
  AddForce(doc, 1, 5, 10000, -kPi / 2);
  AddForce(doc, 2, 6, 5000, 0);
  return doc;
}

// A rigid portal like SwayPortal, its left foot on a roller that also holds the
// rotation and its right foot on a roller of direction `rightDirection`: 1 holds
// y, the wrong way for the only support that could hold it horizontally; 2
// holds x.
inline ModelDocument PortalOnRollers(int rightDirection) {
  ModelDocument doc = EmptyModel();
  AddNode(doc, 1, 0, 0);
  AddNode(doc, 2, 0, 3);
  AddNode(doc, 3, 5, 3);
  AddNode(doc, 4, 5, 0);
  AddBeam(doc, 1, 1, 2);
  AddBeam(doc, 2, 2, 3);
  AddBeam(doc, 3, 4, 3);
  AddSupport(doc, 1, 1, true, 1, /*locked=*/true);
  AddSupport(doc, 2, 4, true, rightDirection);
  AddForce(doc, 1, 2, 10000, 0);
  return doc;
}

// A bar hinged at both ends from node 1 at (0, 0) to node 2 at (dx, dy), on a
// pin at node 1 and a roller at node 2 that holds the direction along the bar;
// a force of 1 kN across the bar at node 2.
inline ModelDocument BarOnARoller(double dx, double dy) {
  ModelDocument doc = EmptyModel();
  AddNode(doc, 1, 0, 0);
  AddNode(doc, 2, dx, dy);
  AddBeam(doc, 1, 1, 2, false, false);
  const bool upright = dx == 0;
  AddSupport(doc, 1, 1);
  AddSupport(doc, 2, 2, true, upright ? 1 : 2);
  AddForce(doc, 1, 2, 1000, upright ? 0 : kPi / 2);
  return doc;
}

// A rigid frame of one bay and six storeys (14 nodes, 4 m by 3 m, every beam
// end locked) on a single pin at node 1, 10 kN sideways at the top.
inline ModelDocument RigidFrameOnOnePin() {
  ModelDocument doc = GridFrame(1, 6, 4, 3, 0);
  std::erase_if(doc.GraphObjects, [](const std::unique_ptr<GraphObject>& object) {
    return std::holds_alternative<TSupportObject>(*object);
  });
  AddSupport(doc, 1, 1);
  AddForce(doc, 1, GridNode(1, 0, 6), 10000, 0);
  return doc;
}

} // namespace strandel::testing
