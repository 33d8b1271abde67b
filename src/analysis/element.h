#pragma once
// The two-node frame element of a beam stretch: its stiffness in its own axes,
// the rotation between its axes and the global ones, and the nodal loads that
// stand in for a load spread along it. A hinged end carries no moment, so its
// rotation drops out of the element and the remaining bending terms are those of
// a beam fixed at one end and pinned at the other.

#include <array>

#include "analysis/matrix.h"
#include "model/segment.h"

namespace strandel {

// A 6 x 6 element matrix, row-major, in the order of a Vector6.
using Matrix6 = std::array<double, 36>;

// The element stiffness for the end flags, with EA and EI over `length`.
Matrix6 ElementStiffness(bool locked1, bool locked2, double length, double ea, double ei);

// The stiffness an axial force `normal` (tension positive) adds across a piece:
// the consistent geometric matrix of the same bending shapes as the elastic
// one, so a hinged end condenses it alike and a piece hinged at both ends keeps
// only the chord's turn. Compression softens, tension stiffens.
Matrix6 GeometricStiffness(bool locked1, bool locked2, double length, double normal);

// T^t k T: an element matrix in local axes turned into global ones.
Matrix6 ToGlobal(const Matrix6& local, double angle);

// k (6 x 6, allocated by the caller) for the stretch's end flags, with
// EA = EModulus x Area and EI = EModulus x Inertia over Length.
void LocalStiffness(const TSegmentObject& segment, TMatrix& k);

// T for the angle (local = T x global) and its transpose.
void Transformation(double angle, TMatrix& t);
void TransposedTransformation(double angle, TMatrix& tt);

// Adds the equivalent nodal loads of a load spread evenly along a stretch of
// length `length` with the resultants `along` (local x) and `across` (local y):
// halves of the axial part at both ends, the transverse part shared and its end
// moments as the end flags allow.
void AddEquivalentLoads(bool locked1, bool locked2, double along, double across, double length,
                        Vector6& eqLoad);

} // namespace strandel
