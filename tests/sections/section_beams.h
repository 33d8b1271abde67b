#pragma once
// Beams and small frames for the section and capacity tests.

#include <string>

#include "model/document.h"

namespace strandel::testing {

// A steel beam of the shape and dimensions (m), stocky enough that no plate is
// slender: S235 values, lying from (0, 0) to (4, 0).
inline TBeamObject SteelBeam(int shape, double H, double B, double TL, double TF) {
  TBeamObject beam;
  beam.Number = 1;
  beam.Node1 = 1;
  beam.Node2 = 2;
  beam.X2 = 4;
  beam.MtrlType = "STEEL";
  beam.Ftk = beam.Fck = beam.Fmk = 235e6;
  beam.Ek = 210e9;
  beam.Dens = 7850;
  beam.ShapeNo = static_cast<std::uint16_t>(shape);
  beam.H = H;
  beam.B = B;
  beam.TL = TL;
  beam.TF = TF;
  return beam;
}

inline TNodeObject& AddNode(ModelDocument& doc, int number, double x, double y, int hostBeam = -1,
                            double position = 0) {
  TNodeObject& node = AppendObject<TNodeObject>(doc);
  node.Number = static_cast<std::uint16_t>(number);
  node.X = x;
  node.Y = y;
  node.HostBeam = hostBeam;
  node.PositionOnBeam = position;
  return node;
}

// A beam between two existing nodes, its end coordinates copied from them.
inline TBeamObject& AddBeam(ModelDocument& doc, int number, int node1, int node2,
                            const TBeamObject& like) {
  TBeamObject& beam = AppendObject<TBeamObject>(doc);
  beam = like;
  beam.Number = static_cast<std::uint16_t>(number);
  beam.Node1 = static_cast<std::uint16_t>(node1);
  beam.Node2 = static_cast<std::uint16_t>(node2);
  const TNodeObject* start = FindNode(doc, node1);
  const TNodeObject* stop = FindNode(doc, node2);
  beam.X1 = start ? start->X : 0;
  beam.Y1 = start ? start->Y : 0;
  beam.X2 = stop ? stop->X : 0;
  beam.Y2 = stop ? stop->Y : 0;
  return beam;
}

inline TSupportObject& AddSupport(ModelDocument& doc, int number, int node) {
  TSupportObject& support = AppendObject<TSupportObject>(doc);
  support.Number = static_cast<std::uint16_t>(number);
  support.NodeNo = static_cast<std::uint16_t>(node);
  return support;
}

} // namespace strandel::testing
