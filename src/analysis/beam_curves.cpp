#include "analysis/beam_curves.h"

#include <cmath>
#include <limits>

#include "sections/capacity.h"

namespace strandel {

StretchCurves::StretchCurves(const TSegmentObject& segment)
    : segment_(segment), length_(segment.Length), px_(segment.Px), py_(segment.Py),
      ei_(segment.EModulus * segment.Inertia) {
  const Vector6& d = segment.DispL;
  const Vector6& f = segment.ForceL;
  // The start node's forces on the piece are the section forces at s = 0 with
  // the sign of the section facing back along the axis.
  n0_ = -f[0];
  v0_ = -f[1];
  m0_ = f[2];
  elongation_ = d[3] - d[0];
  startAxial_ = d[0];
  startDeflection_ = d[1];
  const double L = length_;
  // The start slope that brings the deflection curve to d[4] at the far end.
  theta0_ = d[1] / L + py_ * L * L * L / (24 * ei_) - v0_ * L * L / (6 * ei_) -
            m0_ * L / (2 * ei_) - d[4] / L;
  // Second order: the moment at s is that of first order less N0 times how far
  // the axis has moved from the start's line, EI w'' = -(M0 + V0 s - py s^2/2 - N0 w).
  // A hinged start's rotation is not the stretch's own; its slope then comes
  // from the end deflection alone.
  if (segment.SecondOrder && ei_ > 0 && std::isfinite(ei_))
    beamColumn_.emplace(n0_, ei_, m0_, v0_, -py_ / 2, L, d[4] - d[1],
                        segment.Locked1 ? d[2] : -theta0_);
}

double StretchCurves::ShearForce(double s) const {
  if (beamColumn_) return v0_ - py_ * s - n0_ * beamColumn_->Slope(s);
  return v0_ - py_ * s;
}

double StretchCurves::Moment(double s) const {
  if (beamColumn_) return m0_ + v0_ * s - py_ * s * s / 2 - n0_ * beamColumn_->Deflection(s);
  return m0_ + v0_ * s - py_ * s * s / 2;
}

double StretchCurves::Slope(double s) const {
  if (beamColumn_) return beamColumn_->Slope(s);
  return py_ * s * s * s / (6 * ei_) - v0_ * s * s / (2 * ei_) - m0_ * s / ei_ - theta0_;
}

double StretchCurves::Deflection(double s) const {
  if (beamColumn_) return startDeflection_ + beamColumn_->Deflection(s);
  return py_ * s * s * s * s / (24 * ei_) - v0_ * s * s * s / (6 * ei_) - m0_ * s * s / (2 * ei_) -
         theta0_ * s + startDeflection_;
}

double StretchCurves::StressTop(double s) const {
  return NormalForce(s) / segment_.Area + Moment(s) * segment_.Etop / segment_.Inertia;
}

double StretchCurves::StressBottom(double s) const {
  return NormalForce(s) / segment_.Area - Moment(s) * segment_.Ebott / segment_.Inertia;
}

double StretchCurves::Utilisation(double s) const {
  return strandel::Utilisation(NormalForce(s), Moment(s), segment_.Lambda, segment_.Rtd,
                               segment_.Rcd, segment_.Md);
}

double StretchUtilisation(const TSegmentObject& segment) {
  const StretchCurves curves(segment);
  double highest = 0;
  for (int i = 0; i < kStretchSamples; ++i) {
    const double u = curves.Utilisation(SampleFraction(i) * curves.Length());
    if (std::isnan(u)) return u;
    if (u > highest) highest = u;
  }
  return highest;
}

double BeamUtilisation(const ModelDocument& doc, long beamNumber) {
  double highest = 0;
  for (const TSegmentObject& segment : doc.Segments) {
    if (segment.BeamNo != beamNumber) continue;
    const double u = StretchUtilisation(segment);
    if (std::isnan(u)) return u;
    if (u > highest) highest = u;
  }
  return highest;
}

double StretchMaxDisplacement(const TSegmentObject& segment) {
  const StretchCurves curves(segment);
  double highest = 0;
  for (int i = 0; i < kStretchSamples; ++i) {
    const double u = curves.StartAxial() + SampleFraction(i) * curves.Elongation();
    const double v = curves.Deflection(SampleFraction(i) * curves.Length());
    // hypot, since squaring a displacement of a support moved absurdly far
    // overflows although the distance itself is a finite number.
    const double distance = std::hypot(u, v);
    if (distance > highest) highest = distance;
  }
  return highest;
}

bool StretchBendsWithinDoubles(const TSegmentObject& segment) {
  const StretchCurves curves(segment);
  for (int i = 0; i < kStretchSamples; ++i) {
    const double u = curves.StartAxial() + SampleFraction(i) * curves.Elongation();
    const double v = curves.Deflection(SampleFraction(i) * curves.Length());
    if (!std::isfinite(u) || !std::isfinite(v)) return false;
    // Below half the largest double the distance cannot overflow; the costly
    // hypot is needed only above.
    constexpr double kSafe = std::numeric_limits<double>::max() / 2;
    if ((std::fabs(u) > kSafe || std::fabs(v) > kSafe) && !std::isfinite(std::hypot(u, v)))
      return false;
  }
  return true;
}

double BeamMaxDisplacement(const ModelDocument& doc, long beamNumber) {
  double highest = 0;
  for (const TSegmentObject& segment : doc.Segments) {
    if (segment.BeamNo != beamNumber) continue;
    const double distance = StretchMaxDisplacement(segment);
    if (distance > highest) highest = distance;
  }
  return highest;
}

std::unordered_map<long, BeamPeak> BeamPeaks(const ModelDocument& doc) {
  std::unordered_map<long, BeamPeak> peaks;
  for (const TSegmentObject& segment : doc.Segments) {
    BeamPeak& peak = peaks[segment.BeamNo];
    if (!std::isnan(peak.Utilisation)) {
      const double u = StretchUtilisation(segment);
      if (std::isnan(u) || u > peak.Utilisation) peak.Utilisation = u;
    }
    const double distance = StretchMaxDisplacement(segment);
    if (distance > peak.MaxDisplacement) peak.MaxDisplacement = distance;
  }
  return peaks;
}

BeamPeak PeakOf(const std::unordered_map<long, BeamPeak>& peaks, long beamNumber) {
  const auto at = peaks.find(beamNumber);
  return at == peaks.end() ? BeamPeak{} : at->second;
}

double DeflectionDrawScale(const ModelDocument& doc, double span) {
  double highest = 0;
  for (const TSegmentObject& segment : doc.Segments) {
    const StretchCurves curves(segment);
    for (int i = 0; i < kStretchSamples; ++i) {
      const double v = std::fabs(curves.Deflection(SampleFraction(i) * curves.Length()));
      if (v > highest) highest = v;
    }
  }
  if (highest <= 1e-9) return 0;
  return 0.05 * span / highest;
}

} // namespace strandel
