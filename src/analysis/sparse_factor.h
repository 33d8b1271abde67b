#pragma once
// The frame's stiffness factorised as P K P^t = L D L^t, its unknowns taken in
// an approximate-minimum-degree order, so that the work and the memory follow
// the fill of the factor and not the order in which the nodes stand in the
// document. One factorisation serves every load case.

#include <memory>
#include <vector>

#include "analysis/pivot_check.h"

namespace strandel {

struct FrameSystem;

// One entry on or below the diagonal of a symmetric matrix.
struct LowerEntry {
  int Row = 0, Column = 0; // Column <= Row
  double Value = 0;
};

// The kept part of the frame's stiffness, on and below the diagonal, in the
// kept unknowns' numbering (FrameSystem::KeptIndex).
std::vector<LowerEntry> KeptStiffness(const FrameSystem& system);

class SparseFactor {
public:
  SparseFactor();
  ~SparseFactor();
  SparseFactor(const SparseFactor&) = delete;
  SparseFactor& operator=(const SparseFactor&) = delete;

  // Factorises the symmetric matrix of `size` unknowns whose lower triangle the
  // entries give (an entry given twice: the later one counts, or with
  // `sumDuplicates` their sum). Fails at the
  // first pivot, in the order of elimination, that is zero or not finite;
  // Unknown names it in the matrix's own numbering. A pivot that is small but
  // not zero is divided by like any other (pivot_check.h), and the result tells
  // the smallest share of its diagonal a pivot kept, and whose. Throws
  // std::bad_alloc when the factor does not fit in memory.
  EliminationResult Factorise(int size, const std::vector<LowerEntry>& lower,
                              bool sumDuplicates = false);

  // The solution for each right-hand side, after a factorisation that
  // succeeded; NotFinite, naming the first unknown, when one is not finite.
  EliminationResult Solve(const std::vector<std::vector<double>>& bs,
                          std::vector<std::vector<double>>& xs) const;

private:
  struct Factor;
  std::unique_ptr<Factor> factor_;
};

} // namespace strandel
