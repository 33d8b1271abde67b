#pragma once
// The nodes of a model in list order, which is also the order of their unknowns:
// node k owns unknowns 3k (x), 3k + 1 (y) and 3k + 2 (rotation). Finds a node by
// its number in constant time (the first of that number in list order).

#include <vector>

#include "model/document.h"

namespace strandel {

class NodeTable {
public:
  explicit NodeTable(const ModelDocument& doc);

  int Count() const { return static_cast<int>(nodes_.size()); }
  const TNodeObject& Node(int index) const { return *nodes_[index]; }
  // The node's position among the nodes, or -1 when no node has the number.
  int IndexOf(long number) const {
    return number >= 0 && number < static_cast<long>(indexOfNumber_.size()) ? indexOfNumber_[number]
                                                                            : -1;
  }
  const TNodeObject* Find(long number) const {
    const int index = IndexOf(number);
    return index < 0 ? nullptr : nodes_[index];
  }

private:
  std::vector<const TNodeObject*> nodes_;
  std::vector<int> indexOfNumber_;
};

inline NodeTable::NodeTable(const ModelDocument& doc) : indexOfNumber_(65536, -1) {
  for (const TNodeObject& node : ObjectsOf<TNodeObject>(doc)) {
    if (indexOfNumber_[node.Number] < 0) indexOfNumber_[node.Number] = Count();
    nodes_.push_back(&node);
  }
}

} // namespace strandel
