#include "sections/frame_connections.h"

namespace strandel {

FrameConnections::FrameConnections(const ModelDocument& doc) {
  for (const auto& object : doc.GraphObjects) {
    if (const auto* node = std::get_if<TNodeObject>(object.get())) {
      firstNode_.try_emplace(node->Number, node);
      if (node->HostBeam != -1)
        nodesOnBeam_[node->HostBeam].push_back({node, node->PositionOnBeam});
    } else if (const auto* beam = std::get_if<TBeamObject>(object.get())) {
      beamsAtNode_[beam->Node1].push_back(beam->Number);
      if (beam->Node2 != beam->Node1) beamsAtNode_[beam->Node2].push_back(beam->Number);
    } else if (const auto* support = std::get_if<TSupportObject>(object.get())) {
      supported_.insert(support->NodeNo);
    }
  }
}

FrameConnections::FrameConnections(const ModelDocument& doc, const TBeamObject& beam,
                                   long alsoNode) {
  std::vector<long> asked = {beam.Node1, beam.Node2};
  if (alsoNode != -1) asked.push_back(alsoNode);
  auto isAsked = [&](long number) {
    for (long n : asked)
      if (n == number) return true;
    return false;
  };
  std::vector<NodeOnBeam>& onBeam = nodesOnBeam_[beam.Number];
  for (const auto& object : doc.GraphObjects) {
    if (const auto* node = std::get_if<TNodeObject>(object.get())) {
      if (node->HostBeam == beam.Number) onBeam.push_back({node, node->PositionOnBeam});
      if (isAsked(node->Number)) firstNode_.try_emplace(node->Number, node);
    }
  }
  for (const NodeOnBeam& node : onBeam)
    asked.push_back(node.Node->Number);
  for (const auto& object : doc.GraphObjects) {
    if (const auto* other = std::get_if<TBeamObject>(object.get())) {
      if (isAsked(other->Node1)) beamsAtNode_[other->Node1].push_back(other->Number);
      if (other->Node2 != other->Node1 && isAsked(other->Node2))
        beamsAtNode_[other->Node2].push_back(other->Number);
    } else if (const auto* support = std::get_if<TSupportObject>(object.get())) {
      if (isAsked(support->NodeNo)) supported_.insert(support->NodeNo);
    }
  }
}

bool FrameConnections::IsHeld(long nodeNumber, long beamNumber) const {
  if (supported_.count(nodeNumber)) return true;
  const auto beams = beamsAtNode_.find(nodeNumber);
  if (beams == beamsAtNode_.end()) return false;
  for (long other : beams->second) {
    if (other != beamNumber) return true;
  }
  return false;
}

const std::vector<NodeOnBeam>& FrameConnections::NodesOn(long beamNumber) const {
  static const std::vector<NodeOnBeam> none;
  const auto nodes = nodesOnBeam_.find(beamNumber);
  return nodes == nodesOnBeam_.end() ? none : nodes->second;
}

const TNodeObject* FrameConnections::Node(long nodeNumber) const {
  const auto node = firstNode_.find(nodeNumber);
  return node == firstNode_.end() ? nullptr : node->second;
}

} // namespace strandel
