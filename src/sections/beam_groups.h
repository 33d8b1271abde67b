#pragma once
// Beam groups: beams that share a group name share their profile, material and
// design choices, so one edit serves every member.

#include <string>
#include <vector>

#include "model/document.h"

namespace strandel {

// The distinct non-empty group names of the model's beams, in order of first
// appearance, and `own` after them when it is not among them.
std::vector<std::string> BeamGroupNames(const ModelDocument& doc, const std::string& own);

// The numbers of the other beams (not `beamNumber`) in the group; none for the
// empty group.
std::vector<long> GroupMembers(const ModelDocument& doc, const std::string& group, long beamNumber);

// Everything that is not the beam's place in the frame (number, nodes, end
// coordinates) or its selection goes from `from` to `to`.
void CopyBeamProperties(const TBeamObject& from, TBeamObject& to);

// The first beam other than `beamNumber` in the group, or null.
const TBeamObject* FirstGroupMember(const ModelDocument& doc, const std::string& group,
                                    long beamNumber);

// Clears the group name on every beam of the model that has it.
void DeleteBeamGroup(ModelDocument& doc, const std::string& group);

} // namespace strandel
