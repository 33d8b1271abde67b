#pragma once
// Builders for the frames the analysis tests and benchmarks solve: objects with
// the fields a test cares about, and a few classic structures.

#include <cstdint>
#include <vector>

#include "model/document.h"

namespace strandel::testing {

// A solid rectangular steel section.
struct Section {
  double B = 0.1;    // m
  double H = 0.2;    // m
  double E = 2.1e11; // Pa
  double Density = 7850;
  double Area() const { return B * H; }
  double Inertia() const { return B * H * H * H / 12; }
};

// A model with self-weight off, so loads are only those a test adds; the other
// dimensioning switches as in a new document.
ModelDocument EmptyModel();

// A node at (x, y); with a host beam it claims to lie on that beam at `position`
// (the coordinates are taken as given, so a test can also make them disagree).
TNodeObject& AddNode(ModelDocument& doc, int number, double x, double y, int hostBeam = -1,
                     double position = 0);
// A node lying on the beam at `position` (0..1 from its first node).
TNodeObject& AddNodeOnBeam(ModelDocument& doc, int number, int beam, double position);
TBeamObject& AddBeam(ModelDocument& doc, int number, int node1, int node2, bool locked1 = true,
                     bool locked2 = true, const Section& section = {});
// A copy of `like` between two existing nodes, its end coordinates taken from them
// (zero for a node that does not exist).
TBeamObject& AddBeamLike(ModelDocument& doc, int number, int node1, int node2,
                         const TBeamObject& like);
// A pin by default; rolled supports hold only the direction of `direction`.
TSupportObject& AddSupport(ModelDocument& doc, int number, int node, bool rolled = false,
                           int direction = 3, bool locked = false);
TLoadObject& AddLoad(ModelDocument& doc, int number, int beam, int node1, int node2, double value,
                     double angle);
TForceObject& AddForce(ModelDocument& doc, int number, int node, double value, double angle);
TMomentObject& AddMoment(ModelDocument& doc, int number, int node, double value);

// Beam 1 from node 1 at (0, 0) to node 3 at (L, 0), both ends locked, node 2 on
// it at mid-span; a pin at node 1, a roller holding y (direction 1) at node 3;
// a downward load q (N/m) over the whole beam.
ModelDocument SimplySupportedBeam(double length, double q, const Section& section = {});

// Three locked beams closing a triangle: nodes 1 (0, 0), 2 (4, 0), 3 (4, 3), beams
// 1-2, 2-3, 3-1; a pin at node 1 and a roller holding y at node 2; no loads.
ModelDocument TriangleOnTwoSupports();

// A rigid frame of `bays` x `storeys` fields on fixed bases, every beam locked at
// both ends, nodes numbered storey by storey from the bottom left, columns then
// floor beams; every floor beam carries a downward load q (N/m).
ModelDocument GridFrame(int bays, int storeys, double bayWidth, double storeyHeight, double q,
                        const Section& column = {}, const Section& girder = {});

// A Pratt truss of `panels` panels of 2 m by 2 m, every member a bar, on a pin
// and a roller, 10 kN down at every top node.
ModelDocument PrattTruss(int panels);
// A column of `height` on a fixed base, node 1 at (0, 0) and its free top node 2
// above it, pressed down at the top by `axial` (force 1) and pushed along +x
// by `side` (force 2, none when 0), both in case 1.
ModelDocument PressedColumn(double height, double axial, double side, const Section& section);
// The load that buckles that column: pi^2 EI / 4 height^2.
double CantileverEulerLoad(double height, const Section& section);

// The same frame with each floor's girder one beam over all bays, the nodes
// between its ends lying on it: as many stretches, a beam per storey where the
// grid frame has a beam per bay, so that 200 x 200 fields (80,400 stretches)
// stay within the 65,535 beam numbers of a document. One load per girder.
ModelDocument GridFrameOfContinuousGirders(int bays, int storeys, double bayWidth,
                                           double storeyHeight, double q,
                                           const Section& column = {}, const Section& girder = {});

// The same model with its node objects in another order in the list, each in
// the place of another node, every other object where it stood: by their place
// from left to right and bottom to top (column by column), or shuffled.
enum class NodeOrder { Columns, Random };
ModelDocument WithNodesInOrder(ModelDocument doc, NodeOrder order, unsigned seed = 1);

// The node numbers of a grid frame.
inline int GridNode(int bays, int column, int storey) {
  return storey * (bays + 1) + column + 1;
}

// A load combination named "Combination <number>" of the cases with their factors.
TCombination Combination(int number, CombinationKind kind, std::vector<CaseFactor> factors);

// The node's position among the nodes (its first unknown is three times it).
int NodeIndex(const ModelDocument& doc, int number);

} // namespace strandel::testing
