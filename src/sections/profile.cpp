#include "sections/profile.h"

#include <cmath>

#include "common/geometry.h"
#include "common/number_text.h"
#include "common/undefined_value.h"

namespace strandel {
namespace {

// Below this area (m^2) a profile has practically no material: worth telling.
constexpr double kVanishingArea = 1e-8;

bool HasPlateThickness(int shape) {
  return shape >= kRectangularTube && shape <= kLLProfile;
}

} // namespace

std::string ShapeCaption(int shape) {
  static const char* const captions[kShapeCount] = {
      "Rectangular massive", "Circular massive", "Rectangular Tube", "Circular Tube",
      "I - Profile",         "H - Profile",      "U - Profile",      "T - Profile",
      "L - Profile",         "LL - Profile"};
  if (shape < 1 || shape > kShapeCount) return {};
  return captions[shape - 1];
}

bool ProfileIsWellFormed(const TBeamObject& beam) {
  return ProfileIsWellFormed(NormalisedSize(beam));
}

bool ProfileIsWellFormed(const ProfileSize& size) {
  const int shape = size.ShapeNo;
  if (shape < 1 || shape > kShapeCount) return false;
  if (!(size.H > 0) || !(size.B > 0)) return false; // also refuses NaN
  if (!HasPlateThickness(shape)) return true;
  if (!(size.TL >= 0)) return false;
  const bool twoThicknesses = shape == kIProfile || shape == kHProfile || shape == kUProfile;
  if (twoThicknesses && !(size.TF >= 0)) return false;
  switch (shape) {
  case kRectangularTube: // opposite walls may meet, not overlap
    return 2 * size.TL <= size.H && 2 * size.TL <= size.B;
  case kHProfile: // the web lies between the flanges and within the height
    return 2 * size.TF <= size.B && size.TL <= size.H;
  case kUProfile: // the legs stand on the base and lie within the width
    return size.TL <= size.H && 2 * size.TF <= size.B;
  default:
    return true;
  }
}

double A(const TBeamObject& beam, const ModelDocument&, SectionContext* context) {
  const ProfileSize size = NormalisedSize(beam);
  if (!ProfileIsWellFormed(size)) return kUndefined;
  const double H = size.H, B = size.B, TL = size.TL, TF = size.TF;
  double area = kUndefined;
  switch (size.ShapeNo) {
  case kRectangularMassive:
    area = B * H;
    break;
  case kCircularMassive:
    area = kPi * (H / 2) * (H / 2);
    break;
  case kRectangularTube:
    area = 2 * TF * B + 2 * (H - 2 * TF) * TL;
    break;
  case kCircularTube:
    area = kPi * TL * (H - TL);
    break;
  case kIProfile:
    area = (H - 2 * TF) * TL + 2 * TF * B;
    break;
  case kHProfile:
    area = 2 * TF * H + (B - 2 * TF) * TL;
    break;
  case kUProfile:
    area = 2 * (H - TL) * TF + TL * B;
    break;
  case kTProfile:
  case kLProfile:
    area = (H - TF) * TL + TF * B;
    break;
  case kLLProfile:
    area = 2 * (H - TF) * TL + 2 * TF * B;
    break;
  }
  if (std::fabs(area) < kVanishingArea && context != nullptr)
    context->Note(SectionNote::VanishingArea, "A=" + FormatValue(area));
  return area;
}

double Aeff(const TBeamObject& beam, const ModelDocument& doc, SectionContext* context) {
  const ProfileSize size = NormalisedSize(beam);
  if (!ProfileIsWellFormed(size)) return kUndefined;
  const int shape = size.ShapeNo;
  if (shape == kRectangularMassive || shape == kCircularMassive) return A(beam, doc, context);
  const double H = size.H, B = size.B, TL = size.TL, TF = size.TF;
  const double L1 = OutstandingPlateLimit(beam.Fck, beam.Ek);
  const double L2 = InternalPlateLimit(beam.Fck, beam.Ek);
  const double L3 = RoundTubeLimit(beam.Fck, beam.Ek);
  switch (shape) {
  case kRectangularTube: {
    const double web = EffectiveThickness(kInternalPlate, TL, H - 2 * TF, L2);
    const double flange = EffectiveThickness(kInternalPlate, TF, B - 2 * TL, L2);
    return 2 * B * flange + 2 * (H - 2 * TF) * web;
  }
  case kCircularTube:
    return kPi * EffectiveThickness(kInternalPlate, TL, H / 2 - TL / 2, L3) * (H - TL);
  case kIProfile: {
    // The web's slenderness is taken over H - 4 TF, as the program has always done.
    const double web = EffectiveThickness(kInternalPlate, TL, H - 4 * TF, L2);
    const double flange = EffectiveThickness(kOutstandingPlate, TF, B / 2 - 1.5 * TL, L1);
    return (H - 2 * TF) * web + 2 * B * flange;
  }
  case kHProfile: {
    const double web = EffectiveThickness(kInternalPlate, TL, B - 4 * TF, L2);
    const double flange = EffectiveThickness(kOutstandingPlate, TF, H / 2 - 1.5 * TL, L1);
    return 2 * H * flange + (B - 2 * TF) * web;
  }
  case kUProfile: {
    const double base = EffectiveThickness(kInternalPlate, TL, B - 2 * TF, L2);
    const double legs = EffectiveThickness(kOutstandingPlate, TF, H - TL / 2, L1);
    return 2 * H * legs + (B - 2 * TF) * base;
  }
  case kTProfile: {
    const double web = EffectiveThickness(kOutstandingPlate, TL, H - 2 * TF, L1);
    const double flange = EffectiveThickness(kOutstandingPlate, TF, B / 2 - 1.5 * TL, L1);
    return (H - TF) * web + B * flange;
  }
  case kLProfile:
  case kLLProfile: {
    const double upright = EffectiveThickness(kOutstandingPlate, TL, H - TF / 2, L1);
    const double horizontal = EffectiveThickness(kOutstandingPlate, TF, B - TL / 2, L1);
    const double one = (H - TF) * upright + B * horizontal;
    return shape == kLProfile ? one : 2 * one;
  }
  }
  return kUndefined;
}

double IyUsed(const TBeamObject& beam, const ModelDocument& doc, SectionContext* context) {
  return doc.Settings.LocBuckRed ? IyRed(beam, doc, context) : Iy(beam, doc, context);
}

double IxUsed(const TBeamObject& beam, const ModelDocument& doc, SectionContext* context) {
  return doc.Settings.LocBuckRed ? IxRed(beam, doc, context) : Ix(beam, doc, context);
}

double Imin(const TBeamObject& beam, const ModelDocument& doc, SectionContext* context) {
  const double inPlane = IyUsed(beam, doc, context);
  if (beam.Braced) return inPlane;
  return SmallerOf(IxUsed(beam, doc, context), inPlane);
}

double Ebott(const TBeamObject& beam, const ModelDocument&, SectionContext*) {
  const ProfileSize size = NormalisedSize(beam);
  if (!ProfileIsWellFormed(size)) return kUndefined;
  const double H = size.H, B = size.B, TL = size.TL, TF = size.TF;
  switch (size.ShapeNo) {
  case kUProfile:
    return (B * TL * TL - 2 * TF * TL * TL + 2 * H * H * TF) /
           (2 * B * TL - 4 * TF * TL + 4 * H * TF);
  case kTProfile:
    return (H * H + TL * B - TL * TL) / (2 * H + 2 * B - 2 * TL);
  // An L or LL profile stands with its horizontal leg at the top.
  case kLProfile:
    return H - (H * H + TL * B - TL * TL) / (2 * H + 2 * B - 2 * TL);
  case kLLProfile:
    return H - (TL * H * H + TF * TF * B - TF * TF * TL) / (2 * TL * H + 2 * TF * B - 2 * TF * TL);
  default:
    return H / 2;
  }
}

double Etop(const TBeamObject& beam, const ModelDocument& doc, SectionContext* context) {
  const double bottom = Ebott(beam, doc, context);
  return NormalisedSize(beam).H - bottom;
}

double SectMod(const TBeamObject& beam, const ModelDocument& doc, SectionContext* context) {
  const double inertia = IyUsed(beam, doc, context);
  return inertia / LargerOf(Ebott(beam, doc, context), Etop(beam, doc, context));
}

double Length(const TBeamObject& beam, const ModelDocument&, SectionContext*) {
  return std::hypot(beam.X2 - beam.X1, beam.Y2 - beam.Y1);
}

double Angle(const TBeamObject& beam, const ModelDocument&, SectionContext*) {
  return std::atan2(beam.Y2 - beam.Y1, beam.X2 - beam.X1);
}

double Mass(const TBeamObject& beam, const ModelDocument& doc, SectionContext* context) {
  return A(beam, doc, context) * Length(beam, doc, context) * beam.Dens;
}

} // namespace strandel
