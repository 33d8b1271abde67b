#pragma once
// Beams for the section and capacity tests; frames are built with the shared
// helpers of support/frame_models.h.

#include <string>

#include "model/document.h"
#include "support/frame_models.h"

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

} // namespace strandel::testing
