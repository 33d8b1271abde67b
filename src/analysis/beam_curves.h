#pragma once
// What happens along a stretch between its ends: normal force, shear, moment,
// slope and deflection at a distance s from its start, from the end forces and
// displacements the solver left in the segment and the load spread along it.
// The beam page's diagrams, the displaced shape of the model, the utilisation of
// beams and the largest displacement of a beam all sample these at 21 points.

#include <optional>
#include <unordered_map>

#include "analysis/beam_column.h"
#include "model/document.h"

namespace strandel {

// Points sampled along a stretch: s = i x 0.05 x L for i = 0 .. 20.
inline constexpr int kStretchSamples = 21;
inline double SampleFraction(int i) {
  return 0.05 * i;
}

class StretchCurves {
public:
  explicit StretchCurves(const TSegmentObject& segment);

  double Length() const { return length_; }
  // Growth of the stretch along its axis, d[3] - d[0] in local axes, m.
  double Elongation() const { return elongation_; }
  // Local x displacement of the start, m.
  double StartAxial() const { return startAxial_; }

  double NormalForce(double s) const { return n0_ - px_ * s; } // N, tension positive
  // Across the stretch's axis; in second order across its displaced axis.
  double ShearForce(double s) const; // N
  double Moment(double s) const;     // Nm
  double Slope(double s) const;      // rad
  double Deflection(double s) const; // m, along local y
  // Stress at the top and bottom fibre, Pa.
  double StressTop(double s) const;
  double StressBottom(double s) const;
  // Of the section at s, with the beam's capacities copied into the stretch.
  double Utilisation(double s) const;

private:
  const TSegmentObject& segment_;
  double length_, px_, py_, ei_;
  double n0_, v0_, m0_, elongation_, theta0_, startAxial_, startDeflection_;
  // Of second-order results: the start's axial force bends the stretch further.
  std::optional<BeamColumnCurve> beamColumn_;
};

// The largest utilisation over the 21 points of the stretch; 0 to start with, so
// a stretch without force or moment has 0. Undefined (NaN) when the utilisation
// of any point is: a capacity that is not defined makes the check impossible.
double StretchUtilisation(const TSegmentObject& segment);
// The largest over the stretches of the beam; 0 for a beam without stretches.
double BeamUtilisation(const ModelDocument& doc, long beamNumber);

// The largest distance a point of the stretch moves over its 21 points: the axial
// displacement interpolated between the ends and the deflection, m.
double StretchMaxDisplacement(const TSegmentObject& segment);
// Whether every point of the stretch stays at a finite place, the distance it
// moves included; a section of next to no stiffness can turn its ends so far
// that the deflection between them overflows although the ends are finite.
bool StretchBendsWithinDoubles(const TSegmentObject& segment);
// The largest distance a point of the beam moves, over its stretches' 21 points:
// the axial displacement interpolated between the ends and the deflection, m.
// 0 for a beam without stretches.
double BeamMaxDisplacement(const ModelDocument& doc, long beamNumber);

// A beam's highest utilisation and largest displacement over its stretches,
// as BeamUtilisation and BeamMaxDisplacement give them.
struct BeamPeak {
  double Utilisation = 0;     // fraction; undefined (NaN) when a stretch's is
  double MaxDisplacement = 0; // m
};
// Every beam's peaks by its number, in one pass over the stretches: what a
// list of every beam reads, without going over the stretches once per beam.
// A beam without stretches is not in it.
std::unordered_map<long, BeamPeak> BeamPeaks(const ModelDocument& doc);
// The peaks of beamNumber in `peaks`; 0 and 0 for a beam without stretches.
BeamPeak PeakOf(const std::unordered_map<long, BeamPeak>& peaks, long beamNumber);

// The exaggeration at which the largest transverse deflection of the model is
// drawn as 5 % of `span`, the larger of the model's width and height; 0 when no
// point deflects by more than 1e-9 m.
double DeflectionDrawScale(const ModelDocument& doc, double span);

} // namespace strandel
