#include "analysis/beam_column.h"

#include <cmath>

namespace strandel {

BeamColumnCurve::BeamColumnCurve(double normal, double ei, double m0, double m1, double m2,
                                 double length, double endDeflection, double startSlope)
    : a_(normal / ei), ei_(ei), m0_(m0), m1_(m1), m2_(m2), length_(length) {
  const double wave = std::fabs(a_) * length * length;
  if (!(wave > 1)) {
    // A power series, whose terms fall at once when |N| L^2 / EI <= 1 and
    // which is the polynomial of first order when N = 0:
    // (n + 2)(n + 1) c[n+2] = a c[n] - m[n] / EI, c[0] = 0, c[1] = the start slope.
    std::array<double, kTerms> h{}, p{};
    h[1] = 1;
    const double m[3] = {m0, m1, m2};
    for (int n = 0; n + 2 < kTerms; ++n) {
      const double d = (n + 2.0) * (n + 1.0);
      h[n + 2] = a_ * h[n] / d;
      p[n + 2] = (a_ * p[n] - (n < 3 ? m[n] / ei : 0.0)) / d;
    }
    double hl = 0, pl = 0, power = 1;
    for (int n = 0; n < kTerms; ++n) {
      hl += h[n] * power;
      pl += p[n] * power;
      power *= length;
    }
    const double theta = (endDeflection - pl) / hl;
    for (int n = 0; n < kTerms; ++n)
      c_[n] = theta * h[n] + p[n];
    return;
  }
  k_ = std::sqrt(std::fabs(a_));
  tension_ = a_ > 0;
  const double sine = std::sin(k_ * length);
  if (!tension_ && std::fabs(sine) < 1e-9) {
    // w = w_p(s) - w_p(0) cos ks + (theta - w_p'(0)) sin(ks) / k.
    form_ = Form::StartSlope;
    startPart_ = Particular(0);
    endPart_ = startSlope - ParticularSlope(0);
    return;
  }
  // w = w_p(s) - w_p(0) R(L - s) + (w(L) - w_p(L)) R(s).
  form_ = Form::Ends;
  startPart_ = Particular(0);
  endPart_ = endDeflection - Particular(length);
}

double BeamColumnCurve::Particular(double s) const {
  return (m0_ + m1_ * s + m2_ * s * s + 2 * m2_ / a_) / (a_ * ei_);
}

double BeamColumnCurve::ParticularSlope(double s) const {
  return (m1_ + 2 * m2_ * s) / (a_ * ei_);
}

double BeamColumnCurve::Rising(double x) const {
  if (!tension_) return std::sin(k_ * x) / std::sin(k_ * length_);
  // sinh(kx) / sinh(kL) without overflow for a long, stretched stretch.
  const double kx = k_ * x, kl = k_ * length_;
  return std::exp(kx - kl) * -std::expm1(-2 * kx) / -std::expm1(-2 * kl);
}

double BeamColumnCurve::RisingSlope(double x) const {
  if (!tension_) return k_ * std::cos(k_ * x) / std::sin(k_ * length_);
  const double kx = k_ * x, kl = k_ * length_;
  return k_ * std::exp(kx - kl) * (1 + std::exp(-2 * kx)) / -std::expm1(-2 * kl);
}

double BeamColumnCurve::Deflection(double s) const {
  switch (form_) {
  case Form::Series: {
    double sum = 0, power = 1;
    for (int n = 0; n < kTerms; ++n) {
      sum += c_[n] * power;
      power *= s;
    }
    return sum;
  }
  case Form::Ends:
    return Particular(s) - startPart_ * Rising(length_ - s) + endPart_ * Rising(s);
  case Form::StartSlope:
    return Particular(s) - startPart_ * std::cos(k_ * s) + endPart_ * std::sin(k_ * s) / k_;
  }
  return 0;
}

double BeamColumnCurve::Slope(double s) const {
  switch (form_) {
  case Form::Series: {
    double sum = 0, power = 1;
    for (int n = 1; n < kTerms; ++n) {
      sum += n * c_[n] * power;
      power *= s;
    }
    return sum;
  }
  case Form::Ends:
    return ParticularSlope(s) + startPart_ * RisingSlope(length_ - s) + endPart_ * RisingSlope(s);
  case Form::StartSlope:
    return ParticularSlope(s) + startPart_ * k_ * std::sin(k_ * s) + endPart_ * std::cos(k_ * s);
  }
  return 0;
}

} // namespace strandel
