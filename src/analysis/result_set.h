#pragma once
// The results of one load set, a case or a combination: what the document
// holds after an analysis of one load set.

#include <array>
#include <vector>

#include "model/document.h"

namespace strandel {

struct ResultSet {
  std::vector<TSegmentObject> Segments;
  std::vector<std::array<double, 6>> Reactions; // per support, in list order
  std::vector<double> Displacements;            // three per node, in node list order
  std::vector<CaseFactor> Factors;              // the cases it is of, with their factors
};

} // namespace strandel
