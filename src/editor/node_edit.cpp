#include "editor/node_edit.h"

#include <algorithm>

#include "model/position_on_beam.h"

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
