#pragma once
// Profile shapes and section values: the ten parametric shapes of a beam, the
// clamping of their dimensions, and the section quantities that the design
// check, the frame solver, the beam dialog and the reports take from them.
//
// Every quantity is evaluated on demand from the beam's fields and the
// document's dimensioning switches, never cached, from the beam's normalised
// dimensions (model/profile_size.h); the beam itself is only read. Values are
// in SI base units. A quantity that a profile does not define (a wall thicker than half the
// tube, a shape number outside 1..10) is NaN, never a made-up number.
//
// The optional context collects the notes for the user once per operation and
// indexes the frame for the buckling lengths; pass one when evaluating many
// beams (see docs/design/sections.md).

#include <string>

#include "model/document.h"
#include "model/profile_size.h"
#include "sections/plate_rules.h"
#include "sections/profile_editing.h"
#include "sections/section_context.h"

namespace strandel {

// "Rectangular massive" ... "LL - Profile": the shape's own caption; empty
// outside 1..10.
std::string ShapeCaption(int shape);

// Whether the normalised dimensions describe a real section of the shape: a
// shape number 1..10, no negative plate thickness, and no plate of negative
// extent (tube walls meeting past the middle, flanges of an H wider than the
// profile, a U whose base is higher than its legs).
bool ProfileIsWellFormed(const ProfileSize& size);
bool ProfileIsWellFormed(const TBeamObject& beam);

// Area, m^2. A (nearly) vanishing area is noted for the user as "A=" and its
// value.
double A(const TBeamObject& beam, const ModelDocument& doc, SectionContext* context = nullptr);
// Area with every slender plate reduced to its effective thickness, m^2.
double Aeff(const TBeamObject& beam, const ModelDocument& doc, SectionContext* context = nullptr);

// Second moments, m^4: Iy for bending in the plane of the frame (about the
// horizontal axis), Ix about the vertical axis; the reduced forms with each
// slender plate's thickness reduced in its own terms, lever arms unchanged.
double Iy(const TBeamObject& beam, const ModelDocument& doc, SectionContext* context = nullptr);
double IyRed(const TBeamObject& beam, const ModelDocument& doc, SectionContext* context = nullptr);
double Ix(const TBeamObject& beam, const ModelDocument& doc, SectionContext* context = nullptr);
double IxRed(const TBeamObject& beam, const ModelDocument& doc, SectionContext* context = nullptr);
// The second moments the design uses: reduced when the document's local-buckling
// switch is on, else unreduced.
double IyUsed(const TBeamObject& beam, const ModelDocument& doc, SectionContext* context = nullptr);
double IxUsed(const TBeamObject& beam, const ModelDocument& doc, SectionContext* context = nullptr);
// The second moment about which the beam buckles: the in-plane one when the beam
// is braced, else the smaller.
double Imin(const TBeamObject& beam, const ModelDocument& doc, SectionContext* context = nullptr);

// Distances from the bottom and the top edge to the centroid, m.
double Ebott(const TBeamObject& beam, const ModelDocument& doc, SectionContext* context = nullptr);
double Etop(const TBeamObject& beam, const ModelDocument& doc, SectionContext* context = nullptr);
// Elastic section modulus for in-plane bending, m^3, at the farther edge.
double SectMod(const TBeamObject& beam, const ModelDocument& doc,
               SectionContext* context = nullptr);

// Distance between the beam's end points, m; its direction, rad, in (-pi, pi];
// its mass A x Length x Dens, kg.
double Length(const TBeamObject& beam, const ModelDocument& doc, SectionContext* context = nullptr);
double Angle(const TBeamObject& beam, const ModelDocument& doc, SectionContext* context = nullptr);
double Mass(const TBeamObject& beam, const ModelDocument& doc, SectionContext* context = nullptr);

} // namespace strandel
