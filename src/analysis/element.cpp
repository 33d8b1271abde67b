#include "analysis/element.h"

#include <cmath>

namespace strandel {

void LocalStiffness(const TSegmentObject& segment, TMatrix& k) {
  for (int i = 0; i < 6; ++i)
    for (int j = 0; j < 6; ++j)
      k[i][j] = 0.0;
  const double length = segment.Length;
  const double ea = segment.EModulus * segment.Area;
  const double ei = segment.EModulus * segment.Inertia;
  const double l2 = length * length, l3 = l2 * length;

  k[0][0] = k[3][3] = ea / length;
  k[0][3] = k[3][0] = -ea / length;

  if (segment.Locked1 && segment.Locked2) {
    k[1][1] = k[4][4] = 12 * ei / l3;
    k[1][4] = k[4][1] = -12 * ei / l3;
    k[1][2] = k[2][1] = k[1][5] = k[5][1] = 6 * ei / l2;
    k[2][4] = k[4][2] = k[4][5] = k[5][4] = -6 * ei / l2;
    k[2][2] = k[5][5] = 4 * ei / length;
    k[2][5] = k[5][2] = 2 * ei / length;
  } else if (!segment.Locked1 && segment.Locked2) {
    k[1][1] = k[4][4] = 3 * ei / l3;
    k[1][4] = k[4][1] = -3 * ei / l3;
    k[1][5] = k[5][1] = 3 * ei / l2;
    k[4][5] = k[5][4] = -3 * ei / l2;
    k[5][5] = 3 * ei / length;
  } else if (segment.Locked1 && !segment.Locked2) {
    k[1][1] = k[4][4] = 3 * ei / l3;
    k[1][4] = k[4][1] = -3 * ei / l3;
    k[1][2] = k[2][1] = 3 * ei / l2;
    k[2][4] = k[4][2] = -3 * ei / l2;
    k[2][2] = 3 * ei / length;
  }
  // Both ends hinged: a bar, axial terms only.
}

namespace {

void FillRotation(double c, double s, TMatrix& m) {
  for (int i = 0; i < 6; ++i)
    for (int j = 0; j < 6; ++j)
      m[i][j] = 0.0;
  for (int block = 0; block < 6; block += 3) {
    m[block][block] = c;
    m[block][block + 1] = s;
    m[block + 1][block] = -s;
    m[block + 1][block + 1] = c;
    m[block + 2][block + 2] = 1;
  }
}

} // namespace

void Transformation(double angle, TMatrix& t) {
  FillRotation(std::cos(angle), std::sin(angle), t);
}

void TransposedTransformation(double angle, TMatrix& tt) {
  FillRotation(std::cos(angle), -std::sin(angle), tt);
}

void AddEquivalentLoads(bool locked1, bool locked2, double along, double across, double length,
                        Vector6& eqLoad) {
  double v1, m1, v2, m2;
  if (locked1 && locked2) {
    v1 = across / 2, m1 = across * length / 12, v2 = across / 2, m2 = -across * length / 12;
  } else if (locked1) {
    v1 = 5 * across / 8, m1 = across * length / 8, v2 = 3 * across / 8, m2 = 0;
  } else if (locked2) {
    v1 = 3 * across / 8, m1 = 0, v2 = 5 * across / 8, m2 = -across * length / 8;
  } else {
    v1 = across / 2, m1 = 0, v2 = across / 2, m2 = 0;
  }
  eqLoad[0] += along / 2;
  eqLoad[1] += v1;
  eqLoad[2] += m1;
  eqLoad[3] += along / 2;
  eqLoad[4] += v2;
  eqLoad[5] += m2;
}

} // namespace strandel
