#pragma once
// The complex of Box's method: k trial points of n variable values (the rows of
// X) and their objective values F, with the moves of the search on them. Rows
// are numbered from 0 here; the first row is the point the cycle starts from.

#include <vector>

#include "analysis/matrix.h"
#include "optimizer/variables.h"

namespace strandel {

class ComplexTable {
public:
  // Room for k points of n values; false (and nothing held) when it does not fit
  // the memory or the capacity of the program's vectors (8191 points, that is
  // 4095 free variables, and 8191 variables).
  bool Allocate(int k, int n);
  void Release();
  bool Allocated() const { return static_cast<bool>(X); }

  int Points() const { return k_; }
  int Columns() const { return n_; }

  // A point's value, and whether its frame could be analysed at all.
  void SetValue(int point, double value, bool solved);
  bool Solved(int point) const { return solved_[point] != 0; }

  // The worst point is the first whose frame could not be analysed, else the
  // one with the largest value, on ties the first. The best is the solved point
  // with the smallest value (the first on ties), or the first point when none is
  // solved.
  int Worst() const;
  int Best() const;
  // The mean of every column over all points but `excluded`, into Centroid.
  void ComputeCentroid(int excluded);
  // Point w mirrored through the centroid of the others with coefficient 0.5
  // (x + 1.5 (c - x)), then held within each variable's bounds.
  void Reflect(int w, const Selection& selection);
  // Point w halfway to the centroid of the others, not held within the bounds.
  void Contract(int w);
  // Whether point w and the centroid of the others read the same in every column
  // in the three digits the program shows.
  bool ShowsAsCentroid(int w);
  void CopyPoint(int from, int to);

  // 1 - the largest spread of a column over the points as a part of its
  // variable's interval; NaN when an interval has width 0.
  double Convergence(const Selection& selection) const;

  TMatrix X;        // k x n
  TVector F;        // k; a point not yet valued counts as solved
  TVector Centroid; // n, of the last ComputeCentroid

private:
  int k_ = 0, n_ = 0;
  std::vector<char> solved_; // k
};

} // namespace strandel
