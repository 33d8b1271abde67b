#pragma once
// The equations of the whole frame: every stretch's stiffness turned into global
// axes and added at its two nodes, the nodal and equivalent loads, the supports
// as stiff springs, and the choice of the unknowns actually solved for. The
// stiffness is held as one 3 x 3 block per pair of joined nodes, which holds
// exactly the sums the dense matrix would hold, in the same order of addition.

#include <array>
#include <vector>

#include "analysis/load_selection.h"
#include "analysis/matrix.h"
#include "analysis/node_table.h"
#include "model/document.h"

namespace strandel {

// A support holds its unknowns through a spring this many times stiffer than the
// structure there, so a prescribed displacement is imposed through its force.
inline constexpr double kSupportPenalty = 1e10;

struct FrameSystem {
  struct Block {
    int RowNode = 0, ColumnNode = 0;
    std::array<double, 9> K{}; // row-major, rows the row node's three unknowns
  };
  int Unknowns = 0; // three per node
  std::vector<Block> Blocks;
  std::vector<std::vector<int>> BlocksOfRow; // per node: its blocks, by column node
  std::vector<double> F;
  // Per node: the sizes of the loads applied there added up, forces and the
  // equivalent loads of its stretches.
  std::vector<double> NodeLoadSize;
  // Per unknown: held by a support, the value it prescribes (the last support
  // holding it wins), and held at exactly zero by some support.
  std::vector<char> Restrained, FixedAtZero;
  std::vector<double> Prescribed;
  // The unknowns solved for, in rising order, and each unknown's place among
  // them (-1 for one left out).
  std::vector<int> Kept, KeptIndex;
};

// A freedom a support holds, and the displacement it prescribes there.
struct HeldFreedom {
  bool held;
  int unknown;
  double value; // the displacement prescribed in the selected loads
};

// The x, y and rotation of the support's node (`node` its place in the node
// table); its prescribed displacements act only in the selection that takes
// its case.
std::array<HeldFreedom, 3> HeldFreedoms(const TSupportObject& support, int node,
                                        const LoadSelection& selection);

// Assembles the segment list, the point forces and moments and the supports of
// doc, and chooses the kept unknowns: those with a non-zero entry in their row or
// column that no support holds at exactly zero.
// Only the selected loads and settlements count; the stiffness and the choice of
// unknowns are the same for every selection that takes every case's supports
// with their settlements (EveryLoad).
FrameSystem AssembleFrame(const ModelDocument& doc, const NodeTable& nodes,
                          const LoadSelection& selection);
inline FrameSystem AssembleFrame(const ModelDocument& doc, const NodeTable& nodes) {
  return AssembleFrame(doc, nodes, EveryLoad(doc));
}

// The loads and settlements of another selection in place of those assembled,
// with the stretches of doc already carrying its loads: F, NodeLoadSize and
// Prescribed change; the stiffness and the kept unknowns stay.
void SetSelectedLoads(const ModelDocument& doc, const NodeTable& nodes,
                      const LoadSelection& selection, FrameSystem& system);

// Leaves the given unknowns out of the solved ones as well: those that only the
// rounding of a direction cosine stiffens (6e-17 of a bar standing upright).
void LeaveOut(FrameSystem& system, const std::vector<char>& unknowns);

// A load along an unknown of no more than this part of the loads at its node is
// the rounding of a load across it (the cosine of 90 degrees is 6e-17), not a
// load along it.
inline constexpr double kRoundingLoadShare = 4 * 2.220446049250313e-16;

// An unknown that nothing stiffens and nothing holds, yet is loaded: the
// structure would move along it. -1 when there is none. A rotation is never
// such an unknown: a moment on a node where every stretch is hinged turns the
// hinge and nothing else.
int UnresistedLoadedUnknown(const FrameSystem& system);

// The same equations the dense way: the full (Unknowns x Unknowns) matrix,
// compacted in place to its leading rows and columns by exchanging rows. For
// checking the frame's solve against the plain elimination; a frame is solved
// with its sparse factorisation (sparse_factor.h).
// False when the matrix cannot be allocated.
bool DenseEquations(const FrameSystem& system, TMatrix& k, TVector& f);

} // namespace strandel
