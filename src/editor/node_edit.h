#pragma once
// Creating, merging and removing nodes as the editor does it. Moving a node is a
// rule of the document (model/node_move.h).

#include <string>

#include "common/geometry.h"
#include "model/document.h"

namespace strandel {

// Appends a node with the next node number at (x, y). With onBeam != -1 it lies
// on that beam, at the parameter of (x, y) projected onto it. Null when every
// node number is taken.
TNodeObject* AddNode(ModelDocument& doc, Point2 p, long onBeam, bool provisional);

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
