#pragma once
// Moving a node carries everything that hangs on it along: the ends of its
// beams, the nodes lying on those beams (and so on through the frame), and the
// loads, forces, moments and supports at the nodes that moved. The document
// repeats every node's position in those objects, so whatever moves a node (a
// drag, the node dialog, an optimizer trial) moves it through here.

#include "common/geometry.h"
#include "model/document.h"

namespace strandel {

class UserMessages;

// The message of a runaway propagation (nodes lying on beams in a circle) when
// no language file gives it.
inline constexpr const char* kInfiniteUpdateLoop = "Infinite update-loop";

// Moves the node to (x, y) and propagates the move (see above). The propagation
// is cut off with "Infinite update-loop" after 5 moves per object of the model;
// the positions reached stay. False when it was cut off.
bool MoveNode(ModelDocument& doc, long number, Point2 p, UserMessages& messages);

// Copies every node's position to the supports, forces and moments at it and to
// the ends of the loads that start or end at it.
void CopyNodePositions(ModelDocument& doc);

} // namespace strandel
