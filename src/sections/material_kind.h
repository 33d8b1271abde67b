#pragma once
// The three kinds of material the design rules know. The stored type text is
// compared exactly: "wood" in lower case is none of them, and every rule then
// treats the beam as a material without reductions.

#include "model/objects.h"

namespace strandel {

enum class MaterialKind { Wood, Steel, Aluminium, Other };

inline MaterialKind MaterialKindOf(const TBeamObject& beam) {
  if (beam.MtrlType == "WOOD") return MaterialKind::Wood;
  if (beam.MtrlType == "STEEL") return MaterialKind::Steel;
  if (beam.MtrlType == "ALUMINIUM") return MaterialKind::Aluminium;
  return MaterialKind::Other;
}

} // namespace strandel
