#include "editor/node_edit.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <vector>

#include "common/text_entries.h"
#include "common/translation.h"
#include "common/user_message.h"
#include "editor/snap.h"

namespace strandel {

TNodeObject* AddNode(ModelDocument& doc, Point2 p, long onBeam, bool provisional) {
  const long number = NextNumber(doc, ObjectKind::Node);
  if (number > 65535) return nullptr;
  const TBeamObject* host = onBeam != -1 ? FindBeam(doc, onBeam) : nullptr;
  TNodeObject& node = AppendObject<TNodeObject>(doc);
  node.Number = static_cast<std::uint16_t>(number);
  node.X = p.X;
  node.Y = p.Y;
  node.Provisional = provisional;
  if (host) {
    node.HostBeam = host->Number;
    node.PositionOnBeam = ParameterOnBeam(*host, p);
  }
  return &node;
}

bool MoveNode(ModelDocument& doc, long number, Point2 p, UserMessages& messages) {
  struct Move {
    long Node;
    bool FollowsHost; // takes its place on its host beam rather than `To`
    Point2 To;
  };
  // Depth first, like the recursion it replaces, without a deep call stack.
  std::vector<Move> pending{{number, false, p}};
  const std::size_t limit = 5 * doc.GraphObjects.size();
  std::size_t moves = 0;
  bool complete = true;
  while (!pending.empty()) {
    const Move move = pending.back();
    pending.pop_back();
    TNodeObject* node = FindNode(doc, move.Node);
    if (!node) continue;
    if (++moves > limit) {
      // The built-in text serves where no language file is loaded (the batch front end).
      messages.Show(TranslatedOr(tr::kMsgInfiniteUpdateLoop, kInfiniteUpdateLoop),
                    MessageKind::Error);
      complete = false;
      break;
    }
    Point2 to = move.To;
    if (move.FollowsHost) {
      const TBeamObject* host = FindBeam(doc, node->HostBeam);
      if (!host) continue;
      to = PointOnBeam(*host, node->PositionOnBeam);
    }
    node->X = to.X;
    node->Y = to.Y;
    std::vector<long> carried;
    for (TBeamObject& beam : ObjectsOf<TBeamObject>(doc)) {
      if (beam.Node1 != move.Node && beam.Node2 != move.Node) continue;
      if (beam.Node1 == move.Node) {
        beam.X1 = to.X;
        beam.Y1 = to.Y;
      }
      if (beam.Node2 == move.Node) {
        beam.X2 = to.X;
        beam.Y2 = to.Y;
      }
      carried.push_back(beam.Number);
    }
    for (long beamNumber : carried) {
      for (const TNodeObject& other : ObjectsOf<TNodeObject>(doc)) {
        if (other.HostBeam == beamNumber) pending.push_back({other.Number, true, {}});
      }
    }
  }
  CopyNodePositions(doc);
  return complete;
}

void CopyNodePositions(ModelDocument& doc) {
  // The first node of a number is the one every lookup finds.
  std::unordered_map<long, Point2> positions;
  for (const TNodeObject& node : ObjectsOf<TNodeObject>(doc))
    positions.emplace(node.Number, Point2{node.X, node.Y});
  auto at = [&](long number, double& x, double& y) {
    const auto found = positions.find(number);
    if (found == positions.end()) return;
    x = found->second.X;
    y = found->second.Y;
  };
  for (auto& object : doc.GraphObjects) {
    if (auto* force = std::get_if<TForceObject>(object.get())) {
      at(force->NodeNo, force->X, force->Y);
    } else if (auto* moment = std::get_if<TMomentObject>(object.get())) {
      at(moment->NodeNo, moment->X, moment->Y);
    } else if (auto* support = std::get_if<TSupportObject>(object.get())) {
      at(support->NodeNo, support->X, support->Y);
    } else if (auto* load = std::get_if<TLoadObject>(object.get())) {
      at(load->Node1, load->X1, load->Y1);
      at(load->Node2, load->X2, load->Y2);
    }
  }
}

std::string MergeRefusal(const ModelDocument& doc, long dragged, long target) {
  const TNodeObject* targetNode = FindNode(doc, target);
  for (const TBeamObject& beam : ObjectsOf<TBeamObject>(doc)) {
    const bool joins = (beam.Node1 == dragged && beam.Node2 == target) ||
                       (beam.Node1 == target && beam.Node2 == dragged);
    if (joins) {
      return "N" + std::to_string(dragged) + " and N" + std::to_string(target) +
             " are the ends of beam B" + std::to_string(beam.Number) +
             "; joining them would leave the beam without length";
    }
    const bool carriesTarget = targetNode && targetNode->HostBeam == beam.Number;
    if (carriesTarget && (beam.Node1 == dragged || beam.Node2 == dragged)) {
      return "N" + std::to_string(target) + " lies on beam B" + std::to_string(beam.Number) +
             ", which ends at N" + std::to_string(dragged) + "; the nodes cannot be joined";
    }
  }
  return {};
}

void MergeNodeInto(ModelDocument& doc, long dragged, long target) {
  const auto redirect16 = [&](std::uint16_t& ref) {
    if (ref == dragged) ref = static_cast<std::uint16_t>(target);
  };
  const auto redirect32 = [&](std::int32_t& ref) {
    if (ref == dragged) ref = static_cast<std::int32_t>(target);
  };
  for (auto& object : doc.GraphObjects) {
    if (auto* beam = std::get_if<TBeamObject>(object.get())) {
      redirect16(beam->Node1);
      redirect16(beam->Node2);
    } else if (auto* load = std::get_if<TLoadObject>(object.get())) {
      redirect32(load->Node1);
      redirect32(load->Node2);
    } else if (auto* force = std::get_if<TForceObject>(object.get())) {
      redirect32(force->NodeNo);
    } else if (auto* moment = std::get_if<TMomentObject>(object.get())) {
      redirect32(moment->NodeNo);
    } else if (auto* support = std::get_if<TSupportObject>(object.get())) {
      redirect16(support->NodeNo);
    }
  }
  RemoveNode(doc, dragged);
}

void RemoveNode(ModelDocument& doc, long number) {
  const auto first = std::find_if(doc.GraphObjects.begin(), doc.GraphObjects.end(),
                                  [&](const std::unique_ptr<GraphObject>& object) {
                                    const auto* node = std::get_if<TNodeObject>(object.get());
                                    return node && node->Number == number;
                                  });
  if (first != doc.GraphObjects.end()) doc.GraphObjects.erase(first);
}

bool NodeInUse(const ModelDocument& doc, long number) {
  for (const auto& object : doc.GraphObjects) {
    if (const auto* beam = std::get_if<TBeamObject>(object.get())) {
      if (beam->Node1 == number || beam->Node2 == number) return true;
    } else if (const auto* load = std::get_if<TLoadObject>(object.get())) {
      if (load->Node1 == number || load->Node2 == number) return true;
    } else if (const auto* force = std::get_if<TForceObject>(object.get())) {
      if (force->NodeNo == number) return true;
    } else if (const auto* moment = std::get_if<TMomentObject>(object.get())) {
      if (moment->NodeNo == number) return true;
    } else if (const auto* support = std::get_if<TSupportObject>(object.get())) {
      if (support->NodeNo == number) return true;
    }
  }
  return false;
}

void RemoveObject(ModelDocument& doc, const GraphObject* object) {
  std::erase_if(doc.GraphObjects,
                [&](const std::unique_ptr<GraphObject>& entry) { return entry.get() == object; });
}

} // namespace strandel
