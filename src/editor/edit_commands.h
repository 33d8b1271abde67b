#pragma once
// The model-changing commands of the Edit menu that act on the whole model or
// on the selection. They change the model only; the editor marks the document
// and repaints.

#include "common/geometry.h"
#include "model/document.h"

namespace strandel {

class UserMessages;

// Removes every distributed load, force and moment; the nodes they sat on stay.
void DeleteAllLoads(ModelDocument& doc);

// Moves every selected node to its foot on the line through `first` and
// `second`, and deselects it. A node lying on a beam stays on it: it goes to
// where its beam crosses the line, or stays put when the beam does not. Returns
// the number of nodes handled.
int AlignSelectedNodes(ModelDocument& doc, Point2 first, Point2 second, UserMessages& messages);

// Shifts the whole model by `delta`: nodes, beam and load ends, supports,
// forces and moments.
void MoveAllObjects(ModelDocument& doc, Point2 delta);

// Turns every selected beam end for end: points, nodes and end fixity swap, and
// the nodes lying on it keep their places (their parameter becomes 1 - t).
void FlipSelectedBeams(ModelDocument& doc, UserMessages& messages);

} // namespace strandel
