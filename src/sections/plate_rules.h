#pragma once
// The plate rules of thin-walled profiles: a wide, thin plate in compression
// buckles locally before it yields, so only part of its thickness counts. Every
// plate is either outstanding (one edge free, kind 1: a flange half) or internal
// (both edges held, kind 2: a web or a tube wall).

#include "model/objects.h"

namespace strandel {

enum PlateKind : int { kOutstandingPlate = 1, kInternalPlate = 2 };

// The slenderness limits of the effective thickness: L1 for outstanding plates,
// L2 for internal plates, L3 for the wall of a round tube.
double OutstandingPlateLimit(double Fck, double Ek);
double InternalPlateLimit(double Fck, double Ek);
double RoundTubeLimit(double Fck, double Ek);

// The thickness of a plate of width b and thickness t (m) that carries
// compression: t while b/t stays below `limit`, else min(t, 18 t^2/b) for an
// outstanding and min(t, 50 t^2/b) for an internal plate. A plate of no
// thickness has none; a plate of no or negative width is not slender. Undefined
// for a negative thickness, an unknown kind or an undefined limit.
double EffectiveThickness(int kind, double t, double b, double limit);

// The thickness a slender plate keeps in bending stiffness, from its relative
// slenderness lambda_p and the buckling curve class (1..3) of the material.
// Undefined for an unknown class or kind, a negative thickness and a material
// without a defined Fck/Ek ratio.
double ReducedThickness(int curveClass, int kind, double t, double b, double Fck, double Ek);

// 1, 2 or 3: how strongly imperfections of the material's manufacture weaken it.
// Glued timber (Manufacture 1) is class 1, sawn timber 3; steel by manufacture
// 0, 1, 2+ gives 1, 2, 3; welded aluminium (Manufacture 1) 3, otherwise 1 when
// hardenable and 2 when not. Any other material: 3.
int BucklingCurveClass(const TBeamObject& beam);

} // namespace strandel
