#pragma once
// TSegmentObject, one analysis element: the stretch of a beam between two
// consecutive nodes along it. The solver empties and rebuilds the model's segment
// list on every run; displacements and end forces live only here.

#include <array>
#include <cmath>
#include <cstdint>

namespace strandel {

using Vector6 =
    std::array<double, 6>; // (start x, start y, start rotation, end x, end y, end rotation)

inline bool Finite(const Vector6& v) {
  for (double x : v)
    if (!std::isfinite(x)) return false;
  return true;
}

struct TSegmentObject {
  std::uint16_t BeamNo = 0;
  std::uint16_t SegmentNo = 0; // 1-based index along the beam
  std::uint16_t Node1 = 0;
  std::uint16_t Node2 = 0;
  bool Locked1 = false; // rigid at the start (a beam runs rigidly through nodes on it)
  bool Locked2 = false;
  double Angle = 0;                      // angle of the whole beam, rad
  double Length = 0;                     // m
  double Length2 = 0;                    // second copy of the length, kept beside it
  double OwnWeight = 0;                  // weight of the gross section, N/m
  double Px = 0;                         // distributed load along the local x axis, N/m
  double Py = 0;                         // distributed load along the local y axis, N/m
  double Area = 0;                       // m^2, effective when local buckling reduces the section
  double Inertia = 0;                    // m^4, reduced likewise
  double EModulus = 0;                   // Pa
  double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0; // m
  double Etop = 0, Ebott = 0;            // edge distances from the centroid, m
  double Lambda = 0;                     // slenderness, copied for diagrams and the optimizer
  double Rtd = 0, Rcd = 0;               // tensile and compressive capacity, N
  double Md = 0;                         // moment capacity, Nm
  Vector6 DispG{}, DispL{};              // end displacements, global and local axes
  Vector6 ForceL{}, ForceG{};            // forces the nodes exert on the piece
  Vector6 EqLoadL{}, EqLoadG{};          // equivalent nodal loads of the distributed loads
  // The results are second order: the axial force bends the stretch further
  // (its curves are those of a beam-column).
  bool SecondOrder = false;
};

} // namespace strandel
