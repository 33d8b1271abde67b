#pragma once
// A second, independent reading of a frame for checking the analysis: its
// stretches taken straight from the document, the rank of its compatibility
// matrix by a singular value decomposition (one-sided Jacobi), and a dense
// stiffness solve with the supports eliminated exactly and hinged ends
// condensed numerically. Nothing here uses the analysis's own code.

#include <vector>

#include "model/document.h"

namespace strandel::testing {

struct IndependentStretch {
  int A = 0, B = 0; // node positions in list order
  bool LockedA = true, LockedB = true;
  long Beam = 0;
};

// Every beam cut at the nodes that lie on it, by rising position; the beam's
// end flags act at its own ends, the inner ends are rigid.
std::vector<IndependentStretch> StretchesOf(const ModelDocument& doc);

// Direction cosines and length of the member from a to b. A member drawn
// upright or level has a cosine of exactly 0: one that rounding left (a node
// placed at 90 degrees from another lies 6e-17 of the distance off) counts as 0.
void Cosines(const TNodeObject& a, const TNodeObject& b, double& c, double& s, double& length);

// Per unknown (3 x node position + 0 x, 1 y, 2 rotation): held by some support.
std::vector<char> HeldUnknowns(const ModelDocument& doc);

struct RankJudgement {
  // Translations no stretch stiffens that a load pushes along: the structure
  // moves along each.
  std::vector<int> LoadedUnstiffened;
  // The unknowns whose columns were judged (neither held nor empty).
  std::vector<int> Columns;
  // An orthonormal basis of the null space of the column-normalised matrix,
  // each vector over Columns.
  std::vector<std::vector<double>> NullSpace;
  // The singular values (columns normalised to length 1) counted as zero and
  // as not zero: the smallest that is not and the largest that is.
  double SmallestKept = 1e300, LargestDropped = 0;

  bool Stable() const { return LoadedUnstiffened.empty() && NullSpace.empty(); }
  // The unknown moves in some way the structure can move without deforming.
  bool Moves(int unknown) const;
};

// A singular value at or below this (columns of length 1) is a zero.
inline constexpr double kRankTolerance = 1e-10;

// The rows of the compatibility matrix are the deformations of every stretch:
// its lengthening over its length, and at every end that is rigid the end's turn
// less the turn of the chord. Directions come from the node coordinates, exact
// where two coordinates are equal. A column that is entirely zero belongs to an
// unknown nothing stiffens: left out when nothing loads it (a turn always is).
RankJudgement JudgeByRank(const ModelDocument& doc);

// The displacements of every node (three per node in list order) by a dense
// solve of the stiffness equations: element matrices of rigid-ended beams with
// hinged ends condensed out, supports and settlements eliminated exactly, a
// freedom without stiffness left at 0, partial pivoting in long double. Loads:
// point forces and moments, distributed loads over whole beams, self-weight.
// Empty when the system is singular.
std::vector<double> DenseDisplacements(const ModelDocument& doc);

} // namespace strandel::testing
