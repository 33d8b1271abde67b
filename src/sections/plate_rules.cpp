#include "sections/plate_rules.h"

#include <cmath>

#include "common/undefined_value.h"
#include "sections/material_kind.h"

namespace strandel {

double OutstandingPlateLimit(double Fck, double Ek) {
  return 0.44 * std::sqrt(Ek / Fck);
}

double InternalPlateLimit(double Fck, double Ek) {
  return 1.14 * std::sqrt(Ek / Fck);
}

double RoundTubeLimit(double Fck, double Ek) {
  return 0.05 * Ek / Fck;
}

double EffectiveThickness(int kind, double t, double b, double limit) {
  if (!IsDefined(t) || !IsDefined(b) || !IsDefined(limit) || t < 0) return kUndefined;
  if (kind != kOutstandingPlate && kind != kInternalPlate) return kUndefined;
  if (t == 0) return 0;
  if (b / t < limit) return t;
  const double factor = kind == kOutstandingPlate ? 18 : 50;
  return SmallerOf(t, factor * t * t / b);
}

double ReducedThickness(int curveClass, int kind, double t, double b, double Fck, double Ek) {
  if (!IsDefined(t) || !IsDefined(b) || t < 0) return kUndefined;
  if (kind != kOutstandingPlate && kind != kInternalPlate) return kUndefined;
  if (curveClass < 1 || curveClass > 3) return kUndefined;
  const double strengthRatio = std::sqrt(Fck / Ek);
  if (!IsDefined(strengthRatio)) return kUndefined;
  if (t == 0) return 0;
  if (kind == kOutstandingPlate) {
    const double lambdaP = 1.52 * (b / t) * strengthRatio;
    if (lambdaP < 0.67) return t;
    return SmallerOf(t, t * (1 / lambdaP - 0.22 / (lambdaP * lambdaP)));
  }
  const double lambdaP = 0.525 * (b / t) * strengthRatio;
  if (lambdaP < 0.6) return t;
  const double inverse = 1 / lambdaP, inverseSquared = inverse * inverse;
  double rho = 0;
  switch (curveClass) {
  case 1:
    rho = 0.85 * inverse + 0.06 - 0.172 * inverseSquared;
    break;
  case 2:
    rho = 0.63 * inverse + 0.07 - 0.043 * inverseSquared;
    break;
  default:
    rho = 0.42 * inverse + 0.09 - 0.076 * inverseSquared;
    break;
  }
  return SmallerOf(t, rho * t);
}

int BucklingCurveClass(const TBeamObject& beam) {
  switch (MaterialKindOf(beam)) {
  case MaterialKind::Wood:
    return beam.Manufacture == 1 ? 1 : 3;
  case MaterialKind::Steel:
    return beam.Manufacture == 0 ? 1 : beam.Manufacture == 1 ? 2 : 3;
  case MaterialKind::Aluminium:
    if (beam.Manufacture == 1) return 3;
    return beam.HardenAble ? 1 : 2;
  case MaterialKind::Other:
    break;
  }
  return 3;
}

} // namespace strandel
