#include "sections/beam_groups.h"

#include <algorithm>

namespace strandel {

std::vector<std::string> BeamGroupNames(const ModelDocument& doc, const std::string& own) {
  std::vector<std::string> names;
  auto add = [&](const std::string& name) {
    if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end())
      names.push_back(name);
  };
  for (const TBeamObject& beam : ObjectsOf<TBeamObject>(doc))
    add(beam.BeamGroup);
  add(own);
  return names;
}

std::vector<long> GroupMembers(const ModelDocument& doc, const std::string& group,
                               long beamNumber) {
  std::vector<long> members;
  if (group.empty()) return members;
  for (const TBeamObject& beam : ObjectsOf<TBeamObject>(doc))
    if (beam.BeamGroup == group && beam.Number != beamNumber) members.push_back(beam.Number);
  return members;
}

void CopyBeamProperties(const TBeamObject& from, TBeamObject& to) {
  TBeamObject copy = from;
  copy.Number = to.Number;
  copy.Node1 = to.Node1;
  copy.Node2 = to.Node2;
  copy.X1 = to.X1;
  copy.Y1 = to.Y1;
  copy.X2 = to.X2;
  copy.Y2 = to.Y2;
  copy.Selected = to.Selected;
  to = std::move(copy);
}

const TBeamObject* FirstGroupMember(const ModelDocument& doc, const std::string& group,
                                    long beamNumber) {
  if (group.empty()) return nullptr;
  for (const TBeamObject& beam : ObjectsOf<TBeamObject>(doc))
    if (beam.BeamGroup == group && beam.Number != beamNumber) return &beam;
  return nullptr;
}

void DeleteBeamGroup(ModelDocument& doc, const std::string& group) {
  if (group.empty()) return;
  for (TBeamObject& beam : ObjectsOf<TBeamObject>(doc))
    if (beam.BeamGroup == group) beam.BeamGroup.clear();
}

} // namespace strandel
