// The second moments of the ten shapes, unreduced and with slender plates
// reduced. Both come from one set of formulas: a plate's own thickness enters
// its own terms (its second moment and its Steiner term), while lever arms,
// plate lengths and the centroid keep the unreduced dimensions and area.

#include <cmath>

#include "common/geometry.h"
#include "common/undefined_value.h"
#include "sections/profile.h"

namespace strandel {
namespace {

constexpr double kTwelfth = 1.0 / 12.0;

double Cube(double x) {
  return x * x * x;
}
double Square(double x) {
  return x * x;
}

// The thicknesses that the plates contribute with: the web-type plate (webs,
// vertical tube walls, the U's base, upright legs) and the flange-type plate.
struct PlateThicknesses {
  double Web = 0;
  double Flange = 0;
};

PlateThicknesses Unreduced(const ProfileSize& size) {
  return {size.TL, size.TF};
}

PlateThicknesses Reduced(const TBeamObject& beam, const ProfileSize& size) {
  const int curve = BucklingCurveClass(beam);
  const double H = size.H, B = size.B, TL = size.TL, TF = size.TF;
  auto reduce = [&](int kind, double t, double width) {
    return ReducedThickness(curve, kind, t, width, beam.Fck, beam.Ek);
  };
  switch (size.ShapeNo) {
  case kRectangularTube:
    return {reduce(kInternalPlate, TL, H - 2 * TL), reduce(kInternalPlate, TF, B - 2 * TL)};
  case kCircularTube: // the wall's width is the ring's mean radius
    return {reduce(kInternalPlate, TL, H / 2 - TL / 2), TF};
  case kIProfile:
    return {reduce(kInternalPlate, TL, H - 4 * TF),
            reduce(kOutstandingPlate, TF, B / 2 - 1.5 * TL)};
  case kHProfile:
    return {reduce(kInternalPlate, TL, B - 4 * TF),
            reduce(kOutstandingPlate, TF, H / 2 - 1.5 * TL)};
  case kUProfile:
    return {reduce(kInternalPlate, TL, B - 2 * TF), reduce(kOutstandingPlate, TF, H - TL / 2)};
  case kTProfile:
    return {reduce(kOutstandingPlate, TL, H - 2 * TL),
            reduce(kOutstandingPlate, TF, B / 2 - 1.5 * TL)};
  case kLProfile:
  case kLLProfile:
    return {reduce(kOutstandingPlate, TL, H - TL / 2), reduce(kOutstandingPlate, TF, B - TL / 2)};
  default:
    return Unreduced(size);
  }
}

// The ring of mean radius r with wall w.
double RingMoment(double r, double w) {
  return kPi / 4 * (std::pow(r + w / 2, 4) - std::pow(r - w / 2, 4));
}

// In-plane second moment (about the horizontal axis); `area` is the unreduced area.
double InPlaneMoment(const ProfileSize& size, PlateThicknesses p, double area) {
  const double H = size.H, B = size.B, TL = size.TL, TF = size.TF, t = TL;
  const double w = p.Web, f = p.Flange;
  switch (size.ShapeNo) {
  case kRectangularMassive:
    return B * Cube(H) * kTwelfth;
  case kCircularMassive:
    return kPi * std::pow(H / 2, 4) / 4;
  case kRectangularTube:
    return 2 * (B * Cube(f) * kTwelfth + B * f * Square(H / 2 - t / 2)) +
           2 * (w * Cube(H - 2 * t) * kTwelfth);
  case kCircularTube:
    return RingMoment(H / 2 - TL / 2, w);
  case kIProfile:
    return 2 * (B * Cube(f) * kTwelfth + B * f * Square(H / 2 - TF / 2)) +
           w * Cube(H - 2 * TF) * kTwelfth;
  case kHProfile:
    return 2 * f * Cube(H) * kTwelfth + (B - 2 * TF) * Cube(w) * kTwelfth;
  case kUProfile: {
    const double c = (B * TL * TL / 2 + 2 * TF * (H - TL) * (H + TL) / 2) / area;
    return B * Cube(w) * kTwelfth + B * w * Square(c - TL / 2) +
           2 * (f * Cube(H - TL) * kTwelfth + f * (H - TL) * Square((H + TL) / 2 - c));
  }
  case kTProfile:
  case kLProfile:
  case kLLProfile: {
    // For the LL profile the centroid is that of one of the two angles.
    const double pair = size.ShapeNo == kLLProfile ? 2 : 1;
    const double c = pair * (B * t * t / 2 + (H - t) * t * (H + t) / 2) / area;
    const double one = B * Cube(f) * kTwelfth + B * f * Square(c - t / 2) +
                       w * Cube(H - t) * kTwelfth + w * (H - t) * Square((H + t) / 2 - c);
    return pair * one;
  }
  }
  return kUndefined;
}

// Second moment about the vertical axis.
double OutOfPlaneMoment(const ProfileSize& size, PlateThicknesses p, double area) {
  const double H = size.H, B = size.B, TL = size.TL, TF = size.TF, t = TL;
  const double w = p.Web, f = p.Flange;
  switch (size.ShapeNo) {
  case kRectangularMassive:
    return H * Cube(B) * kTwelfth;
  case kCircularMassive:
    return kPi * std::pow(H / 2, 4) / 4;
  case kRectangularTube:
    return 2 * (H * Cube(w) * kTwelfth + H * w * Square(B / 2 - t / 2)) +
           2 * (f * Cube(B - 2 * t) * kTwelfth);
  case kCircularTube:
    return RingMoment(H / 2 - TL / 2, w);
  case kIProfile:
    return 2 * f * Cube(B) * kTwelfth + (H - 2 * TF) * Cube(w) * kTwelfth;
  case kHProfile:
    return 2 * (H * Cube(f) * kTwelfth + H * f * Square(B / 2 - TF / 2)) +
           w * Cube(B - 2 * TF) * kTwelfth;
  case kUProfile:
    return w * Cube(B - 2 * TF) * kTwelfth +
           2 * (H * Cube(f) * kTwelfth + H * f * Square(B / 2 - TF / 2));
  case kTProfile:
    return (H - t) * Cube(w) * kTwelfth + f * Cube(B) * kTwelfth;
  case kLProfile: {
    const double d = ((H - t) * t * t / 2 + t * B * B / 2) / area;
    return f * Cube(B) * kTwelfth + (H - t) * Cube(w) * kTwelfth + w * (H - t) * Square(d - t / 2) +
           B * f * Square(B / 2 - d);
  }
  case kLLProfile:
    // The two angles stand a plate thickness apart, back to back.
    return 2 * (f * Cube(B) * kTwelfth + f * B * Square(B / 2 + t / 2)) +
           2 * ((H - t) * Cube(w) * kTwelfth + w * (H - t) * t * t);
  }
  return kUndefined;
}

bool IsMassive(const ProfileSize& size) {
  return size.ShapeNo == kRectangularMassive || size.ShapeNo == kCircularMassive;
}

} // namespace

double Iy(const TBeamObject& beam, const ModelDocument& doc, SectionContext* context) {
  const double area = A(beam, doc, context);
  if (!IsDefined(area)) return kUndefined;
  const ProfileSize size = NormalisedSize(beam);
  return InPlaneMoment(size, Unreduced(size), area);
}

double IyRed(const TBeamObject& beam, const ModelDocument& doc, SectionContext* context) {
  const double area = A(beam, doc, context);
  if (!IsDefined(area)) return kUndefined;
  const ProfileSize size = NormalisedSize(beam);
  if (IsMassive(size)) return InPlaneMoment(size, Unreduced(size), area);
  return InPlaneMoment(size, Reduced(beam, size), area);
}

double Ix(const TBeamObject& beam, const ModelDocument& doc, SectionContext* context) {
  const double area = A(beam, doc, context);
  if (!IsDefined(area)) return kUndefined;
  const ProfileSize size = NormalisedSize(beam);
  return OutOfPlaneMoment(size, Unreduced(size), area);
}

double IxRed(const TBeamObject& beam, const ModelDocument& doc, SectionContext* context) {
  const double area = A(beam, doc, context);
  if (!IsDefined(area)) return kUndefined;
  const ProfileSize size = NormalisedSize(beam);
  if (IsMassive(size)) return OutOfPlaneMoment(size, Unreduced(size), area);
  return OutOfPlaneMoment(size, Reduced(beam, size), area);
}

} // namespace strandel
