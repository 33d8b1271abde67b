#include "model/node_move.h"

#include <unordered_map>
#include <vector>

#include "common/text_entries.h"
#include "common/translation.h"
#include "common/user_message.h"
#include "model/position_on_beam.h"

namespace strandel {

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

} // namespace strandel
