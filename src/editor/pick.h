#pragma once
// Which model object lies under the cursor. The pick regions are the drawn
// symbols, so they scale with the document's BeamHeight and LoadHeight rather
// than with pixels. Kinds are tried in a fixed order; within a kind the object
// created last wins, as it is drawn on top.

#include <cstdint>
#include <optional>

#include "common/geometry.h"
#include "model/document.h"

namespace strandel {

bool HitNode(const TNodeObject& node, Point2 p, double beamHeight);
bool HitMoment(const TMomentObject& moment, Point2 p, double loadHeight);
bool HitForce(const TForceObject& force, Point2 p, double loadHeight);
// The disc around the support's point belongs to its node.
bool HitSupport(const TSupportObject& support, Point2 p, double beamHeight);
// The discs around both ends belong to the end nodes.
bool HitBeam(const TBeamObject& beam, Point2 p, double beamHeight);
bool HitLoad(const TLoadObject& load, Point2 p, double loadHeight);

// Nodes, moments, forces, supports, beams, loads: what a click selects.
// With `unfaded`, the loads, forces and moments of other cases, drawn faded,
// are taken only where nothing drawn in full is hit.
GraphObject* PickForSelection(ModelDocument& doc, Point2 p,
                              std::optional<std::uint16_t> unfaded = std::nullopt);
// Nodes, forces, moments, supports, beams, loads: what a double click edits.
GraphObject* PickForProperties(ModelDocument& doc, Point2 p,
                               std::optional<std::uint16_t> unfaded = std::nullopt);

// Window selection. Dragged from left to right it takes what lies wholly
// inside the box; from right to left, whatever the box touches.
enum class BoxRule { Inside, Crossing };
// Whether the object's points (a node's, a beam's or load's two ends, the point
// a support, force or moment acts at) meet the box by the rule.
bool InBox(const GraphObject& object, Point2 corner1, Point2 corner2, BoxRule rule);
// Sets the selection of every object the box takes to `select`; the number of
// objects taken.
int SelectInBox(ModelDocument& doc, Point2 corner1, Point2 corner2, BoxRule rule, bool select);

} // namespace strandel
