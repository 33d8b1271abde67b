#pragma once
// The deflection between the ends of a stretch that carries an axial force as
// well as bending: EI w'' - N w = -m(s), with w measured from the start's
// deflection, m(s) = m0 + m1 s + m2 s^2 the moment the start's forces and the
// spread load give at s, and w(L) the far end's deflection. Tension
// straightens the stretch, compression bends it further; without axial force
// it is the cubic-and-quartic curve of first order.

#include <array>

namespace strandel {

class BeamColumnCurve {
public:
  // `normal` N (tension positive), `ei` > 0; `startSlope` is used only when
  // the end deflection cannot fix the curve (a stretch at its own pinned
  // buckling load, whose shape the ends then leave free).
  BeamColumnCurve(double normal, double ei, double m0, double m1, double m2, double length,
                  double endDeflection, double startSlope);

  double Deflection(double s) const; // w(s), m
  double Slope(double s) const;      // w'(s), rad

private:
  enum class Form { Series, Ends, StartSlope };
  double Particular(double s) const;      // w_p, a solution of the equation itself
  double ParticularSlope(double s) const; // w_p'
  // The homogeneous solution that is 0 at x = 0 and 1 at x = L, and its slope.
  double Rising(double x) const;
  double RisingSlope(double x) const;

  static constexpr int kTerms = 28;
  double a_, ei_, m0_, m1_, m2_, length_;
  Form form_ = Form::Series;
  double k_ = 0;
  bool tension_ = false;
  double startPart_ = 0, endPart_ = 0; // weights of the homogeneous solutions
  std::array<double, kTerms> c_{};     // w = sum c_n s^n, for a small axial force
};

} // namespace strandel
