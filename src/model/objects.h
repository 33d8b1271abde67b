#pragma once
// The six kinds of model object of a plane frame. Plain structs with the fields
// in the order the program stores them; values in SI base units and radians.
// Objects refer to one another by their per-kind number, never by pointer.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <type_traits>
#include <variant>

#include "common/geometry.h"

namespace strandel {

// The kind codes of the object lines in a document.
enum class ObjectKind : int { Node = 1, Beam = 2, Support = 3, Load = 4, Force = 5, Moment = 6 };

// A joint of the frame.
struct TNodeObject {
  double X = 0; // m
  double Y = 0; // m
  // Position along the host beam from its start node, fraction 0..1.
  double PositionOnBeam = 0;
  std::uint16_t Number = 0;
  // Made while a beam or support was being placed; cancelling the placing removes
  // it again when nothing else uses it.
  bool Provisional = false;
  bool Selected = false;
  std::int32_t HostBeam = -1; // number of the beam the node lies on; -1 free

  bool operator==(const TNodeObject&) const = default;
};

// A straight prismatic member between two nodes, with its material and profile.
struct TBeamObject {
  std::uint16_t Number = 0;
  std::uint16_t Node1 = 0;
  std::uint16_t Node2 = 0;
  bool Locked1 = false;  // rigid at the start node; false is a hinge
  bool Locked2 = false;  // rigid at the end node
  bool Braced = false;   // braced against lateral buckling
  double X1 = 0, Y1 = 0; // start point, m (copy of Node1)
  double X2 = 0, Y2 = 0; // end point, m (copy of Node2)
  std::string BeamGroup;
  std::string MtrlName;           // strength class, e.g. "K12"
  std::string MtrlType = "STEEL"; // "WOOD", "STEEL" or "ALUMINIUM"
  std::string MtrlDesc;           // may hold CR LF line breaks
  bool HardenAble = false;
  double Ftk = 0;                // characteristic tensile strength, Pa
  double Fck = 0;                // characteristic compressive strength, Pa
  double Fmk = 0;                // characteristic bending strength, Pa
  double Ek = 0;                 // modulus of elasticity, Pa
  double Dens = 0;               // density, kg/m^3
  std::string ProfName;          // e.g. "WOOD 10x10"
  double B = 0;                  // width, m
  double H = 0;                  // height, m
  double TL = 0;                 // wall or web thickness, m
  double TF = 0;                 // flange thickness, m
  std::uint16_t ShapeNo = 1;     // profile shape 1..10
  std::uint16_t Manufacture = 0; // 0-based index of the "Manufacture" choice
  std::uint16_t DimControl = 0;
  std::uint16_t SafetyClass = 0;
  std::uint16_t ClimateZone = 0;
  std::uint16_t LoadDuration = 0;
  bool Selected = false;
  std::uint32_t BeamColor = 0xCCCCCC; // 0x00BBGGRR, light grey
  double TxtPos = 0.5;                // label position along the beam, fraction

  bool operator==(const TBeamObject&) const = default;
};

// A support at a node.
struct TSupportObject {
  double X = 0, Y = 0; // m (copy of its node)
  double DX = 0;       // prescribed x displacement, m
  double DY = 0;       // prescribed y displacement, m
  double DRot = 0;     // prescribed rotation, rad
  std::uint16_t Number = 0;
  std::uint16_t NodeNo = 0;
  // 1..4; a roller in direction 1 or 3 holds y only, in 2 or 4 x only.
  std::uint16_t Direction = 3;
  // Written by the solver: 0 x force, 1 y force, 2 moment that the structure
  // exerts on the support; 3..5 stay 0.
  std::array<double, 6> Reactions{};
  bool Selected = false;
  bool Locked = false; // rotation held
  bool Rolled = false; // roller: only the direction given by Direction is held
  // The load case its prescribed displacements belong to; the restraint holds in
  // every case.
  std::uint16_t Case = 1;

  bool operator==(const TSupportObject&) const = default;
};

// A uniformly distributed load on a stretch of one beam.
struct TLoadObject {
  double Angle = kPi / 2;  // direction, rad
  double Value = 0;        // intensity, N/m
  double TxtPos = 0.5;     // label position along the load, fraction
  double X1 = 0, Y1 = 0;   // start point, m
  double X2 = 0, Y2 = 0;   // end point, m
  std::int32_t Node1 = -1; // node at the start point; -1 until placed
  std::int32_t Node2 = -1;
  std::int32_t HostBeam = 0;
  std::uint16_t Number = 0;
  bool Selected = false;
  std::uint16_t Case = 1; // the load case it belongs to

  bool operator==(const TLoadObject&) const = default;
};

// A point force at a node.
struct TForceObject {
  std::int32_t Number = 0;
  std::int32_t NodeNo = 0; // -1 until placed
  double Angle = kPi / 2;  // direction, rad
  double Value = 0;        // magnitude, N
  double X = 0, Y = 0;     // m (copy of its node)
  bool Selected = false;
  std::uint16_t Case = 1; // the load case it belongs to

  bool operator==(const TForceObject&) const = default;
};

// A point moment at a node, counter-clockwise positive.
struct TMomentObject {
  double Angle = kPi / 2; // direction in which the symbol is drawn, rad
  double Value = 1000;    // Nm
  double X = 0, Y = 0;    // m (copy of its node)
  std::int32_t NodeNo = -1;
  std::int32_t Number = 0;
  bool Selected = false;
  std::uint16_t Case = 1; // the load case it belongs to

  bool operator==(const TMomentObject&) const = default;
};

// One entry of the document's object list: exactly one of the six kinds. The
// variant's alternatives are in kind-code order, so index + 1 is the kind code.
using GraphObject = std::variant<TNodeObject, TBeamObject, TSupportObject, TLoadObject,
                                 TForceObject, TMomentObject>;

inline ObjectKind KindOf(const GraphObject& object) {
  return static_cast<ObjectKind>(object.index() + 1);
}

template <class T> constexpr ObjectKind KindOfType() {
  if constexpr (std::is_same_v<T, TNodeObject>)
    return ObjectKind::Node;
  else if constexpr (std::is_same_v<T, TBeamObject>)
    return ObjectKind::Beam;
  else if constexpr (std::is_same_v<T, TSupportObject>)
    return ObjectKind::Support;
  else if constexpr (std::is_same_v<T, TLoadObject>)
    return ObjectKind::Load;
  else if constexpr (std::is_same_v<T, TForceObject>)
    return ObjectKind::Force;
  else
    return ObjectKind::Moment;
}

// The Selected flag of any object.
bool& SelectedFlag(GraphObject& object);
bool IsSelected(const GraphObject& object);
// The Number of any object (forces and moments have 32-bit numbers).
long NumberOf(const GraphObject& object);

} // namespace strandel
