#include "model/profile_size.h"

#include "common/undefined_value.h"

namespace strandel {
namespace {

// Profiles of the model stay under one metre and never vanish entirely.
constexpr double kLargestDimension = 0.999; // m
constexpr double kSmallestDimension = 0.01; // m

} // namespace

ProfileSize NormalisedSize(const TBeamObject& beam) {
  ProfileSize size{beam.ShapeNo, beam.B, beam.H, beam.TL, beam.TF};
  if (size.H > kLargestDimension) size.H = kLargestDimension;
  if (size.B > kLargestDimension) size.B = kLargestDimension;
  if (size.H <= 0) size.H = kSmallestDimension;
  if (size.B <= 0) size.B = kSmallestDimension;
  switch (size.ShapeNo) {
  case kRectangularTube:
  case kTProfile:
  case kLProfile:
  case kLLProfile:
    size.TL = SmallerOf(size.TL, 0.96 * size.H);
    size.TL = SmallerOf(size.TL, 0.96 * size.B);
    size.TF = size.TL;
    break;
  case kCircularTube:
    size.TL = SmallerOf(size.TL, 0.48 * size.H);
    break;
  case kIProfile:
  case kHProfile:
  case kUProfile:
    size.TL = SmallerOf(size.TL, 0.96 * size.B);
    size.TF = SmallerOf(size.TF, 0.48 * size.H);
    break;
  default:
    break;
  }
  return size;
}

void NormaliseProfile(TBeamObject& beam) {
  const ProfileSize size = NormalisedSize(beam);
  beam.B = size.B;
  beam.H = size.H;
  beam.TL = size.TL;
  beam.TF = size.TF;
}

} // namespace strandel
