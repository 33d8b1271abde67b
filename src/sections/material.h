#pragma once
// Materials and design strengths: the five reduction factors that turn a beam's
// characteristic material values into design values, each switched by one of the
// document's dimensioning rules (a factor switched off is exactly 1), and the
// design values themselves. A material of no known kind gets no reduction at
// all: its design values are its characteristic values. Strengths and moduli in Pa.

#include "model/document.h"
#include "sections/material_kind.h"
#include "sections/section_context.h"

namespace strandel {

// Higher safety classes guard against the consequences of failure: 1, 1/1.1 and
// 1/1.2 for classes 1, 2 and 3.
double HazRedFact(const TBeamObject& beam, const ModelDocument& doc);
// Dimensions that are not checked may fall short: 1/1.25 (timber) or 1/1.1
// (metals) without dimension control, 1/1.15 or 1 with it.
double DimRedFact(const TBeamObject& beam, const ModelDocument& doc);
// Timber in the wettest climate zone keeps 0.85 of its strength.
double MoistRedFact(const TBeamObject& beam, const ModelDocument& doc);
// Timber loses strength under long-lasting loads, and stronger timber loses
// more: the factor falls with the tensile strength. Never below 0: timber so
// strong that the rule would give a negative strength gets none.
double DurRedFact(const TBeamObject& beam, const ModelDocument& doc);

// Design values: characteristic value x hazard, dimension, moisture and
// duration factors; the compressive strength also x the column-buckling factor.
double Ftd(const TBeamObject& beam, const ModelDocument& doc, SectionContext* context = nullptr);
double Fcd(const TBeamObject& beam, const ModelDocument& doc, SectionContext* context = nullptr);
double Fmd(const TBeamObject& beam, const ModelDocument& doc, SectionContext* context = nullptr);
// Shown and reported; the frame's stiffness uses Ek.
double Ed(const TBeamObject& beam, const ModelDocument& doc, SectionContext* context = nullptr);

} // namespace strandel
