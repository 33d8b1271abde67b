#pragma once
// The ten profile shapes and the limits a beam's profile dimensions are held to:
// profiles of the model stay under one metre, never vanish, and their walls fit
// their outline. A beam is normalised where it enters the model or changes (read
// from a document or the settings, confirmed in the beam dialog, made by the
// generator, given a library profile); everything that only reads a beam takes
// the normalised dimensions without writing them back.

#include "model/objects.h"

namespace strandel {

enum ProfileShape : int {
  kRectangularMassive = 1,
  kCircularMassive = 2,
  kRectangularTube = 3,
  kCircularTube = 4,
  kIProfile = 5,
  kHProfile = 6,
  kUProfile = 7,
  kTProfile = 8,
  kLProfile = 9,
  kLLProfile = 10,
};
constexpr int kShapeCount = 10;

// A profile's shape and its dimensions, m.
struct ProfileSize {
  int ShapeNo = kRectangularMassive;
  double B = 0;  // width
  double H = 0;  // height
  double TL = 0; // wall or web thickness
  double TF = 0; // flange thickness
};

// The beam's dimensions clamped: H and B at most 0.999 m, and 0.01 m where they
// are not positive; walls of tubes, T, L and LL profiles at most 0.96 of the
// outline (a round tube's at most 0.48 of its diameter), with one plate thickness
// for the T, L and LL; an I, H or U profile's web at most 0.96 of the width and
// its flanges at most 0.48 of the height. NaN stays NaN.
ProfileSize NormalisedSize(const TBeamObject& beam);

// Writes the clamped dimensions into the beam; doing it twice changes nothing.
void NormaliseProfile(TBeamObject& beam);

} // namespace strandel
