#pragma once
// Equal and Mirror variables follow another selected variable: they are not
// searched themselves, their entry of every trial point is set from the one they
// follow. The links are worked out once per run, in an order in which every
// variable is set before another reads it, so a chain of links holds as well.

#include <string>
#include <vector>

#include "analysis/matrix.h"
#include "optimizer/variables.h"

namespace strandel {

struct DependentLink {
  int Index = 0;         // the column of the Equal or Mirror variable
  int Source = 0;        // the column it follows
  bool Mirror = false;   // takes -value, or 1 - value for a position on a beam
  bool Position = false; // a P variable
};

struct DependentPlan {
  std::vector<DependentLink> Links;
  // Why some variable has no defined value (it follows no selected variable, a
  // variable of the other kind, or itself through a circle); empty when all do.
  std::string Problem;
  bool Ok() const { return Problem.empty(); }
};

// The links of the selection, whose positions are the point's columns.
DependentPlan PlanDependents(const Selection& selection);

// Sets the Equal and Mirror entries of the point from the entries they follow.
void EnforceDependents(const DependentPlan& plan, TVector& point);

} // namespace strandel
