#include "analysis/element.h"

#include <cmath>

namespace strandel {

Matrix6 ElementStiffness(bool locked1, bool locked2, double length, double ea, double ei) {
  Matrix6 k{};
  const auto at = [&k](int i, int j) -> double& { return k[i * 6 + j]; };
  const double l2 = length * length, l3 = l2 * length;

  at(0, 0) = at(3, 3) = ea / length;
  at(0, 3) = at(3, 0) = -ea / length;

  if (locked1 && locked2) {
    at(1, 1) = at(4, 4) = 12 * ei / l3;
    at(1, 4) = at(4, 1) = -12 * ei / l3;
    at(1, 2) = at(2, 1) = at(1, 5) = at(5, 1) = 6 * ei / l2;
    at(2, 4) = at(4, 2) = at(4, 5) = at(5, 4) = -6 * ei / l2;
    at(2, 2) = at(5, 5) = 4 * ei / length;
    at(2, 5) = at(5, 2) = 2 * ei / length;
  } else if (!locked1 && locked2) {
    at(1, 1) = at(4, 4) = 3 * ei / l3;
    at(1, 4) = at(4, 1) = -3 * ei / l3;
    at(1, 5) = at(5, 1) = 3 * ei / l2;
    at(4, 5) = at(5, 4) = -3 * ei / l2;
    at(5, 5) = 3 * ei / length;
  } else if (locked1 && !locked2) {
    at(1, 1) = at(4, 4) = 3 * ei / l3;
    at(1, 4) = at(4, 1) = -3 * ei / l3;
    at(1, 2) = at(2, 1) = 3 * ei / l2;
    at(2, 4) = at(4, 2) = -3 * ei / l2;
    at(2, 2) = 3 * ei / length;
  }
  // Both ends hinged: a bar, axial terms only.
  return k;
}

void LocalStiffness(const TSegmentObject& segment, TMatrix& k) {
  const Matrix6 m =
      ElementStiffness(segment.Locked1, segment.Locked2, segment.Length,
                       segment.EModulus * segment.Area, segment.EModulus * segment.Inertia);
  for (int i = 0; i < 6; ++i)
    for (int j = 0; j < 6; ++j)
      k[i][j] = m[i * 6 + j];
}

Matrix6 GeometricStiffness(bool locked1, bool locked2, double length, double normal) {
  Matrix6 g{};
  const auto set = [&g](int i, int j, double value) { g[i * 6 + j] = g[j * 6 + i] = value; };
  const double n = normal, l = length;
  if (locked1 && locked2) {
    // N / 30L x [36, 3L, -36, 3L; 3L, 4L^2, -3L, -L^2; ...] over (v1, r1, v2, r2).
    const double c = n / (30 * l);
    set(1, 1, 36 * c), set(4, 4, 36 * c), set(1, 4, -36 * c);
    set(1, 2, 3 * l * c), set(1, 5, 3 * l * c), set(2, 4, -3 * l * c), set(4, 5, -3 * l * c);
    set(2, 2, 4 * l * l * c), set(5, 5, 4 * l * l * c), set(2, 5, -l * l * c);
  } else if (!locked1 && locked2) {
    // The shapes of a piece propped at its start: N / L x [6/5, -6/5, L/5; ...]
    // over (v1, v2, r2).
    set(1, 1, 1.2 * n / l), set(4, 4, 1.2 * n / l), set(1, 4, -1.2 * n / l);
    set(1, 5, n / 5), set(4, 5, -n / 5), set(5, 5, n * l / 5);
  } else if (locked1 && !locked2) {
    set(1, 1, 1.2 * n / l), set(4, 4, 1.2 * n / l), set(1, 4, -1.2 * n / l);
    set(1, 2, n / 5), set(2, 4, -n / 5), set(2, 2, n * l / 5);
  } else {
    set(1, 1, n / l), set(4, 4, n / l), set(1, 4, -n / l);
  }
  return g;
}

Matrix6 ToGlobal(const Matrix6& local, double angle) {
  const double c = std::cos(angle), s = std::sin(angle);
  // T has the blocks [c s 0; -s c 0; 0 0 1]; (T^t k T)[i][j] = sum T[a][i] k[a][b] T[b][j].
  std::array<double, 36> t{};
  for (int block = 0; block < 6; block += 3) {
    t[block * 6 + block] = c;
    t[block * 6 + block + 1] = s;
    t[(block + 1) * 6 + block] = -s;
    t[(block + 1) * 6 + block + 1] = c;
    t[(block + 2) * 6 + block + 2] = 1;
  }
  Matrix6 kt{}, g{};
  for (int a = 0; a < 6; ++a)
    for (int j = 0; j < 6; ++j) {
      double sum = 0;
      for (int b = 0; b < 6; ++b)
        sum += local[a * 6 + b] * t[b * 6 + j];
      kt[a * 6 + j] = sum;
    }
  for (int i = 0; i < 6; ++i)
    for (int j = 0; j < 6; ++j) {
      double sum = 0;
      for (int a = 0; a < 6; ++a)
        sum += t[a * 6 + i] * kt[a * 6 + j];
      g[i * 6 + j] = sum;
    }
  return g;
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
