#pragma once
// Where everything of the model stands: node coordinates and positions on beams,
// beam and load ends, and the points of supports, forces and moments. A run of
// the optimizer keeps one from before its first move, so rejecting the result or
// an aborted run puts the model back bit for bit, not merely close to it.

#include <cstdint>
#include <vector>

#include "model/document.h"

namespace strandel {

class PositionSnapshot {
public:
  void Capture(const ModelDocument& doc);
  // False, changing nothing, when the model no longer holds the same kinds of
  // object in the same order (nothing to restore into), or nothing was captured.
  bool Restore(ModelDocument& doc) const;
  void Clear();
  bool Empty() const { return kinds_.empty(); }

private:
  std::vector<std::uint8_t> kinds_; // the kind code of every object, in list order
  std::vector<double> values_;      // their coordinates, object by object
};

} // namespace strandel
