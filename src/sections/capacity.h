#pragma once
// Beam capacity, buckling and utilisation: the tensile, compressive and moment
// capacities of a beam, the buckling length found by walking the beam from held
// point to held point, the slenderness and column-buckling factor, and the
// interaction rule that gives the utilisation of a point of a beam.
//
// Capacities in N and Nm, lengths in m. An undefined value is NaN. For many
// beams pass one SectionContext: the buckling length then walks an index of the
// frame built once instead of searching the whole model for every beam.

#include "model/document.h"
#include "sections/section_context.h"

namespace strandel {

// Ftd x A.
double Rtd(const TBeamObject& beam, const ModelDocument& doc, SectionContext* context = nullptr);
// Fcd x Aeff when the local-buckling rule is on, else Fcd x A; Fcd already holds
// the column-buckling factor.
double Rcd(const TBeamObject& beam, const ModelDocument& doc, SectionContext* context = nullptr);
// Fmd x SectMod.
double Md(const TBeamObject& beam, const ModelDocument& doc, SectionContext* context = nullptr);

// Whether the node holds the beam against buckling: another beam starts or ends
// there, or a support stands there. A beam does not hold its own ends.
bool IsHeldNode(long nodeNumber, const TBeamObject& beam, const ModelDocument& doc,
                SectionContext* context = nullptr);
// The node that follows along the beam: the node lying on the beam at the
// smallest position beyond this node's (0 for the start node), else the stop node.
long NextNodeOnBeam(long nodeNumber, const TBeamObject& beam, const ModelDocument& doc,
                    SectionContext* context = nullptr);

// Buckling length, m: the longest stretch between consecutive held points along
// the beam, a stretch with a free end counting double.
double Lc(const TBeamObject& beam, const ModelDocument& doc, SectionContext* context = nullptr);
// Slenderness Lc x sqrt(Aeff / Imin), with Aeff whatever the local-buckling rule.
double Lambda(const TBeamObject& beam, const ModelDocument& doc, SectionContext* context = nullptr);
// The column-buckling factor (1 when the lateral-buckling rule is off or the
// material is of no known kind): timber by its own curve with a modulus lowered
// for its strength, steel and aluminium by the imperfection of their manufacture.
double BucklRedFact(const TBeamObject& beam, const ModelDocument& doc,
                    SectionContext* context = nullptr);

// The utilisation of a point of a beam carrying normal force N (N, tension
// positive) and moment M (Nm); 1.0 is fully used. Tension adds |N/Rtd| to
// |M/Md|; compression adds (N/Rcd)^2 below slenderness 27 and |N/Rcd| from 27
// on. A force or moment meeting no capacity (zero or negative) makes the
// utilisation infinite; where there is no force or moment its term is 0.
// Undefined (NaN) when an input it needs is.
double Utilisation(double N, double M, double Lambda, double Rtd, double Rcd, double Md);

// Whether a utilisation counts as exceeded: above 1, infinite or undefined.
inline bool IsExceeded(double utilisation) {
  return !(utilisation <= 1.0);
}

} // namespace strandel
