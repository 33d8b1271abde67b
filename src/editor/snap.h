#pragma once
// Turns the pointer's model position into the snapped position every editing
// state works on: onto a nearby node, onto a nearby beam (at a grid crossing
// where one is close), or onto the grid.

#include "common/geometry.h"
#include "model/document.h"
#include "view/grid.h"

namespace strandel {

enum SnapFlag : int {
  kSnapBeams = 2,
  kSnapNodes = 4,
  kSnapFine = 8, // round to FineStep, and never to the grid when nothing is near
};

// What the cursor must not snap to: the node being dragged (0 none) and the
// beam being drawn (-1 none). Beams ending at the dragged node are left out too,
// as the dragged node would otherwise snap onto its own beams.
struct SnapExclusions {
  long Node = 0;
  long Beam = -1;
};

// The snapped position of p; sets grid.SnappedNode and grid.SnappedBeam. A node
// is found within 2 tol, a beam within tol of its line where the foot point
// lies between its ends. The editor's tolerance is BeamHeight / 2.
Point2 Snap(const ModelDocument& doc, TGridObject& grid, Point2 p, int flags, double tol,
            const SnapExclusions& exclusions = {});

// Snapping for a load, force or moment being placed along its beam: the raw
// position is projected onto the beam and snapped with nodes and beams, but the
// result never leaves the beam; a node off the beam is not taken.
Point2 SnapOntoBeam(const ModelDocument& doc, TGridObject& grid, const TBeamObject& beam,
                    Point2 raw, double tol);

} // namespace strandel
