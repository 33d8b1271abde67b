#pragma once
// The frame's equations with every stretch cut into pieces of its own, as many
// as its axial force needs for the bending between its ends (P-small-delta) to
// follow the beam-column solution. The pieces of a stretch are joined rigidly
// at points that are no nodes of the model, each with three unknowns after
// the nodes'. A support's freedoms are no unknowns here: they take their
// prescribed values exactly, and what those push into the free unknowns goes to
// the right-hand side. Each piece is stiffened or softened by its own axial
// force, scaled by a factor: 1 for the second-order response to the loads, the
// unknown load factor for the critical load.

#include <array>
#include <cstddef>
#include <vector>

#include "analysis/node_table.h"
#include "analysis/sparse_factor.h"
#include "model/segment.h"

namespace strandel {

// The loads of one load set at the nodes and the displacements its supports
// prescribe, three per node (x, y, rotation).
struct NodeLoadSet {
  std::vector<double> Loads;
  std::vector<char> Held;
  std::vector<double> Prescribed; // at the held unknowns
};

// A piece may span no more than this many radians of its own buckling wave,
// L sqrt(|N| / EI), for its bending under the axial force to come within
// 0.01 % of the beam-column solution (the consistent matrices err as the
// fourth power of it), so that alpha_cr is right in the three digits shown.
inline constexpr double kPieceWave = 0.5;
// The most pieces a stretch is cut into.
inline constexpr int kMostPieces = 32;

// The pieces a stretch of bending stiffness `ei` needs under the axial force
// `normal`: 1 when it does not bend or carries no force.
int PiecesFor(double length, double ei, double normal);

class RefinedFrame {
public:
  // `free`: per node unknown, whether it is solved for (no support holds it and
  // some stretch stiffens it); `pieces`: per stretch.
  RefinedFrame(const std::vector<TSegmentObject>& segments, const NodeTable& nodes,
               const std::vector<char>& free, std::vector<int> pieces);

  const std::vector<int>& Pieces() const { return pieces_; }
  int Unknowns() const { return unknowns_; }    // nodes' and inner points'
  int FreeCount() const { return freeCount_; }  // those solved for
  int FreeIndex(int unknown) const { return freeIndex_[unknown]; } // -1 for one not solved for
  int NodeUnknowns() const { return nodeUnknowns_; }
  // The six unknowns of piece p of stretch s, its start's three and its end's.
  std::array<int, 6> PieceUnknowns(std::size_t s, int p) const;
  // The axial force of piece p of a stretch from the force at its start: less
  // the load along it up to the piece's middle.
  double PieceNormal(const TSegmentObject& segment, double startNormal, std::size_t s,
                     int p) const;

private:
  std::vector<int> pieces_, firstInner_;
  std::vector<int> freeIndex_;
  std::vector<int> start_, end_; // per stretch: the first unknown of its end nodes
  int nodeUnknowns_ = 0, unknowns_ = 0, freeCount_ = 0;
};

struct RefinedEquations {
  std::vector<LowerEntry> Lower; // entries given twice add up
  std::vector<double> Rhs;       // empty when no loads were given
};

// elastic x K + geometric x K_G(normal), over the free unknowns, with the axial
// force at the start of each stretch in `normal`. With `loads`, the right-hand
// side of the load set: its nodal loads, its stretches' loads spread over the
// pieces, less what the prescribed displacements push.
RefinedEquations AssembleRefined(const RefinedFrame& frame,
                                 const std::vector<TSegmentObject>& segments,
                                 const std::vector<double>& normal, double elastic,
                                 double geometric, const NodeLoadSet* loads);

// Every unknown from the free ones: held ones take their prescribed values,
// the others 0.
std::vector<double> SpreadSolution(const RefinedFrame& frame, const std::vector<double>& free,
                                   const NodeLoadSet* loads);

// The end displacements and forces of every stretch from all the unknowns: the
// forces at its start are those of its first piece, at its end those of its
// last, each with its axial force times `geometric`.
void RecoverRefined(const RefinedFrame& frame, const std::vector<double>& u,
                    const std::vector<double>& normal, double geometric,
                    std::vector<TSegmentObject>& segments);

// y = A x for the symmetric matrix whose lower triangle `lower` gives (entries
// given twice add up).
void SymmetricProduct(const std::vector<LowerEntry>& lower, const std::vector<double>& x,
                      std::vector<double>& y);

} // namespace strandel
