#pragma once
// Profile shapes and section values: the ten parametric shapes of a beam, the
// clamping of their dimensions, and the section quantities that the design
// check, the frame solver, the beam dialog and the reports take from them.
//
// Every quantity is evaluated on demand from the beam's fields and the
// document's dimensioning switches, never cached; each first normalises the
// beam's dimensions (and writes the clamped values back). Values are in SI base
// units. A quantity that a profile does not define (a wall thicker than half the
// tube, a shape number outside 1..10) is NaN, never a made-up number.
//
// The optional context collects the notes for the user once per operation and
// indexes the frame for the buckling lengths; pass one when evaluating many
// beams (see docs/design/sections.md).

#include <string>

#include "model/document.h"
#include "sections/plate_rules.h"
#include "sections/profile_editing.h"
#include "sections/section_context.h"

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

// "Rectangular massive" ... "LL - Profile": the shape's own caption; empty
// outside 1..10.
std::string ShapeCaption(int shape);

// Clamps the dimensions (profiles stay under one metre, never vanish, walls fit
// their outline; T, L and LL profiles have one plate thickness) and writes them
// back into the beam.
void NormaliseProfile(TBeamObject& beam);

// Whether the normalised dimensions describe a real section of the shape: a
// shape number 1..10, no negative plate thickness, and no plate of negative
// extent (tube walls meeting past the middle, flanges of an H wider than the
// profile, a U whose base is higher than its legs).
bool ProfileIsWellFormed(const TBeamObject& beam);

// Area, m^2. A (nearly) vanishing area is noted for the user as "A=" and its
// value.
double A(TBeamObject& beam, const ModelDocument& doc, SectionContext* context = nullptr);
// Area with every slender plate reduced to its effective thickness, m^2.
double Aeff(TBeamObject& beam, const ModelDocument& doc, SectionContext* context = nullptr);

// Second moments, m^4: Iy for bending in the plane of the frame (about the
// horizontal axis), Ix about the vertical axis; the reduced forms with each
// slender plate's thickness reduced in its own terms, lever arms unchanged.
double Iy(TBeamObject& beam, const ModelDocument& doc, SectionContext* context = nullptr);
double IyRed(TBeamObject& beam, const ModelDocument& doc, SectionContext* context = nullptr);
double Ix(TBeamObject& beam, const ModelDocument& doc, SectionContext* context = nullptr);
double IxRed(TBeamObject& beam, const ModelDocument& doc, SectionContext* context = nullptr);
// The second moments the design uses: reduced when the document's local-buckling
// switch is on, else unreduced.
double IyUsed(TBeamObject& beam, const ModelDocument& doc, SectionContext* context = nullptr);
double IxUsed(TBeamObject& beam, const ModelDocument& doc, SectionContext* context = nullptr);
// The second moment about which the beam buckles: the in-plane one when the beam
// is braced, else the smaller.
double Imin(TBeamObject& beam, const ModelDocument& doc, SectionContext* context = nullptr);

// Distances from the bottom and the top edge to the centroid, m.
double Ebott(TBeamObject& beam, const ModelDocument& doc, SectionContext* context = nullptr);
double Etop(TBeamObject& beam, const ModelDocument& doc, SectionContext* context = nullptr);
// Elastic section modulus for in-plane bending, m^3, at the farther edge.
double SectMod(TBeamObject& beam, const ModelDocument& doc, SectionContext* context = nullptr);

// Distance between the beam's end points, m; its direction, rad, in (-pi, pi];
// its mass A x Length x Dens, kg.
double Length(TBeamObject& beam, const ModelDocument& doc, SectionContext* context = nullptr);
double Angle(TBeamObject& beam, const ModelDocument& doc, SectionContext* context = nullptr);
double Mass(TBeamObject& beam, const ModelDocument& doc, SectionContext* context = nullptr);

} // namespace strandel
