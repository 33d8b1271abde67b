#pragma once
// Creating, moving and merging nodes. Moving a node carries everything that
// hangs on it along: the ends of its beams, the nodes lying on those beams (and
// so on through the frame), and the loads, forces, moments and supports at the
// nodes that moved.

#include <string>

#include "common/geometry.h"
#include "model/document.h"

namespace strandel {

class UserMessages;

// The message of a runaway propagation (nodes lying on beams in a circle) when
// no language file gives it.
inline constexpr const char* kInfiniteUpdateLoop = "Infinite update-loop";

// Appends a node with the next node number at (x, y). With onBeam != -1 it lies
// on that beam, at the parameter of (x, y) projected onto it. Null when every
// node number is taken.
TNodeObject* AddNode(ModelDocument& doc, Point2 p, long onBeam, bool provisional);

// Moves the node to (x, y) and propagates the move (see above). The propagation
// is cut off with "Infinite update-loop" after 5 moves per object of the model;
// the positions reached stay. False when it was cut off.
bool MoveNode(ModelDocument& doc, long number, Point2 p, UserMessages& messages);

// Copies every node's position to the supports, forces and moments at it and to
// the ends of the loads that start or end at it.
void CopyNodePositions(ModelDocument& doc);

// Why two nodes cannot become one: a beam joins them (it would shrink to a
// point), or the target lies on a beam that ends at the dragged node (it would
// lie on itself). Empty when they can.
std::string MergeRefusal(const ModelDocument& doc, long dragged, long target);

// Every beam end, load end, support, force and moment at `dragged` goes to
// `target`, and `dragged` is removed.
void MergeNodeInto(ModelDocument& doc, long dragged, long target);

// Whether anything refers to the node: a beam end, a support, a force, a moment
// or a load end.
bool NodeInUse(const ModelDocument& doc, long number);

// Removes the object from the list (nothing when it is not in it).
void RemoveObject(ModelDocument& doc, const GraphObject* object);
// Removes the first node of that number.
void RemoveNode(ModelDocument& doc, long number);

} // namespace strandel
