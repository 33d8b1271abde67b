#pragma once
// Which nodes hold a beam against buckling and which nodes lie along it: the
// connections that buckling lengths walk, indexed once per operation so that a
// frame of thousands of beams is not searched object by object for each beam.

#include <cstdint>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "model/document.h"

namespace strandel {

struct NodeOnBeam {
  const TNodeObject* Node = nullptr;
  double Position = 0; // along the beam from its start node, fraction
};

class FrameConnections {
public:
  // The whole frame, for an operation that walks many beams.
  explicit FrameConnections(const ModelDocument& doc);
  // Only what one walk along `beam` asks about: the nodes on it, and whether its
  // end nodes, those nodes and the `alsoNode` are held. Two passes over the
  // objects, far cheaper than indexing the whole frame for a single question.
  FrameConnections(const ModelDocument& doc, const TBeamObject& beam, long alsoNode = -1);

  // True when a beam other than `beamNumber` starts or ends at the node, or a
  // support stands at it.
  bool IsHeld(long nodeNumber, long beamNumber) const;
  // The nodes whose host is the beam, in list order.
  const std::vector<NodeOnBeam>& NodesOn(long beamNumber) const;
  // The first node with the number in list order, or null.
  const TNodeObject* Node(long nodeNumber) const;

private:
  std::unordered_map<long, std::vector<long>> beamsAtNode_; // node -> beams ending there
  std::unordered_set<long> supported_;                      // nodes with a support
  std::unordered_map<long, std::vector<NodeOnBeam>> nodesOnBeam_;
  std::unordered_map<long, const TNodeObject*> firstNode_;
};

} // namespace strandel
