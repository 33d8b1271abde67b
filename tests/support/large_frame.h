#pragma once
// The large model the speed and memory goals are set for: a grid frame of 58
// bays and 43 storeys, 10,180 objects (2,596 nodes, 5,031 beams, 2,494 loads,
// 59 supports), every beam with a two-line material description as a library
// material carries.

#include "support/frame_models.h"

namespace strandel::testing {

inline ModelDocument LargeFrame() {
  ModelDocument doc = GridFrame(58, 43, 4.25, 3.125, 2500);
  for (TBeamObject& beam : ObjectsOf<TBeamObject>(doc)) {
    beam.MtrlName = "S355";
    beam.MtrlDesc = "Structural steel\r\nEN 10025-2";
    beam.ProfName = "HEA 200";
  }
  return doc;
}

} // namespace strandel::testing
