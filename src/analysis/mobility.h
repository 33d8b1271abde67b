#pragma once
// Whether the structure can move without deforming, decided from what decides
// it: where the nodes are, which stretch ends are hinged and what the supports
// hold. Neither the loads nor the sizes of the stiffnesses enter, so no rounding
// of a soft column or a slender girder can make a mechanism look stiff, or a
// stiff frame look like a mechanism.

#include <vector>

#include "analysis/frame_system.h"
#include "analysis/node_table.h"
#include "model/document.h"

namespace strandel {

// A freedom moves when its column of the compatibility equations lies within
// kMobilityRoundingFactor x machine precision x band, over the smallest sine of
// the columns before it, of the span of those columns, as a share of its own
// length (the sine of the angle between them). Givens rotations change a column
// by a few roundings of its length per rotation applied to it, at most one per
// entry of its band; the combination of earlier columns that would reproduce it
// is about 1 / (their smallest sine) long and carries their rounding with it.
inline constexpr double kMobilityRoundingFactor = 64;

struct Mobility {
  // 3 x node index + freedom (x, y, rotation) of a node that moves when the
  // structure moves without deforming; -1 when it cannot.
  int MovingUnknown = -1;
  // Per unknown of the frame: nothing stiffens it and no support holds it (the
  // rotation of a node where every stretch is hinged, a joint of bars that all
  // lie across that direction, a node no stretch meets).
  std::vector<char> Unstiffened;
  // The freedoms of the rigid bodies and joints judged, and the band of their
  // triangular factor.
  int Freedoms = 0;
  int Band = 0;
  // The largest sine below which a freedom counted as moving, the smallest sine
  // of a freedom that does not move and the sine of the one that does; and each
  // over the tolerance it was judged by: how far from the verdict's edge.
  double Tolerance = 0;
  double SmallestSine = 1, MovingSine = 1;
  double StandingMargin = 1e300, MovingMargin = 0;

  bool CanMove() const { return MovingUnknown >= 0; }
};

// The stretches of doc.Segments (built), the nodes and the freedoms the
// supports hold (system.Restrained). Stretches joined rigidly form rigid bodies
// of three freedoms each; a node where every stretch is hinged is a joint with
// its own two; a stretch hinged at one end pins that end to its body, a stretch
// hinged at both ends keeps only its length. A stretch that does not bend
// (E I = 0) keeps only its length too.
Mobility JudgeMobility(const ModelDocument& doc, const NodeTable& nodes, const FrameSystem& system);

// The direction cosines of a stretch from its end coordinates, a difference that
// is only the rounding of the coordinates taken as none: a stretch drawn upright
// or level has an exact zero.
struct Direction {
  double C = 1, S = 0;
};
Direction StretchDirection(const TSegmentObject& segment);

} // namespace strandel
