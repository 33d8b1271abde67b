// The dense stiffness solve of support/independent_frame.h.

#include <array>
#include <cmath>
#include <map>

#include "support/independent_frame.h"

namespace strandel::testing {
namespace {

using Matrix6 = std::array<std::array<long double, 6>, 6>;
using Vector6L = std::array<long double, 6>;

// The rigid-ended beam in its own axes.
Matrix6 RigidEndedStiffness(long double ea, long double ei, long double l) {
  Matrix6 k{};
  k[0][0] = k[3][3] = ea / l;
  k[0][3] = k[3][0] = -ea / l;
  const long double a = 12 * ei / (l * l * l), b = 6 * ei / (l * l), c = 4 * ei / l, d = 2 * ei / l;
  k[1][1] = k[4][4] = a;
  k[1][4] = k[4][1] = -a;
  k[1][2] = k[2][1] = k[1][5] = k[5][1] = b;
  k[2][4] = k[4][2] = k[4][5] = k[5][4] = -b;
  k[2][2] = k[5][5] = c;
  k[2][5] = k[5][2] = d;
  return k;
}

// A hinged end carries no moment: its turn is eliminated from the element,
// with the loads that would have gone to it.
void Condense(Matrix6& k, Vector6L& f, int h) {
  const long double pivot = k[h][h];
  if (pivot == 0) return;
  Matrix6 reduced = k;
  Vector6L loads = f;
  for (int i = 0; i < 6; ++i) {
    loads[i] -= k[i][h] * f[h] / pivot;
    for (int j = 0; j < 6; ++j)
      reduced[i][j] -= k[i][h] * k[h][j] / pivot;
  }
  for (int i = 0; i < 6; ++i)
    reduced[i][h] = reduced[h][i] = 0, loads[h] = 0;
  k = reduced;
  f = loads;
}

} // namespace

std::vector<double> DenseDisplacements(const ModelDocument& doc) {
  std::map<long, int> position;
  std::vector<const TNodeObject*> nodes;
  for (const TNodeObject& node : ObjectsOf<TNodeObject>(doc)) {
    position.emplace(node.Number, static_cast<int>(nodes.size()));
    nodes.push_back(&node);
  }
  const std::size_t n = 3 * nodes.size();
  std::vector<std::vector<long double>> k(n, std::vector<long double>(n, 0));
  std::vector<long double> f(n, 0);

  for (const IndependentStretch& e : StretchesOf(doc)) {
    const TBeamObject& beam = *FindBeam(doc, e.Beam);
    double cosine, sine, length;
    Cosines(*nodes[e.A], *nodes[e.B], cosine, sine, length);
    const long double l = length, c = cosine, s = sine;
    const long double area = static_cast<long double>(beam.B) * beam.H;
    const long double inertia = static_cast<long double>(beam.B) * beam.H * beam.H * beam.H / 12;
    Matrix6 local = RigidEndedStiffness(beam.Ek * area, beam.Ek * inertia, l);
    // The loads along the stretch per length, in global axes, then in its own.
    long double qx = 0, qy = 0;
    for (const TLoadObject& load : ObjectsOf<TLoadObject>(doc)) {
      if (load.HostBeam != e.Beam) continue;
      qx += load.Value * std::cos(static_cast<long double>(load.Angle));
      qy += load.Value * std::sin(static_cast<long double>(load.Angle));
    }
    if (doc.Settings.OwnWeight) qy -= area * beam.Dens * 9.82L;
    const long double along = c * qx + s * qy, across = -s * qx + c * qy;
    Vector6L loads = {along * l / 2, across * l / 2, across * l * l / 12,
                      along * l / 2, across * l / 2, -across * l * l / 12};
    if (!e.LockedA && !e.LockedB) {
      // A bar: only its length is stiff, its transverse load goes half to each end.
      for (int i : {1, 2, 4, 5})
        for (int j = 0; j < 6; ++j)
          local[i][j] = local[j][i] = 0;
      loads[2] = loads[5] = 0;
    } else if (!e.LockedA) {
      Condense(local, loads, 2);
    } else if (!e.LockedB) {
      Condense(local, loads, 5);
    }
    // Into global axes: T has blocks [[c, s, 0], [-s, c, 0], [0, 0, 1]].
    Matrix6 t{};
    for (int block = 0; block < 6; block += 3) {
      t[block][block] = c, t[block][block + 1] = s;
      t[block + 1][block] = -s, t[block + 1][block + 1] = c;
      t[block + 2][block + 2] = 1;
    }
    const int at[6] = {3 * e.A, 3 * e.A + 1, 3 * e.A + 2, 3 * e.B, 3 * e.B + 1, 3 * e.B + 2};
    for (int i = 0; i < 6; ++i) {
      for (int j = 0; j < 6; ++j) {
        long double sum = 0;
        for (int p = 0; p < 6; ++p)
          for (int q = 0; q < 6; ++q)
            sum += t[p][i] * local[p][q] * t[q][j];
        k[at[i]][at[j]] += sum;
      }
      long double load = 0;
      for (int p = 0; p < 6; ++p)
        load += t[p][i] * loads[p];
      f[at[i]] += load;
    }
  }
  for (const TForceObject& force : ObjectsOf<TForceObject>(doc)) {
    const int d = 3 * position.at(force.NodeNo);
    f[d] += force.Value * std::cos(static_cast<long double>(force.Angle));
    f[d + 1] += force.Value * std::sin(static_cast<long double>(force.Angle));
  }
  for (const TMomentObject& moment : ObjectsOf<TMomentObject>(doc))
    f[3 * position.at(moment.NodeNo) + 2] += moment.Value;

  // Held unknowns take their settlement; their stiffness moves to the loads.
  const std::vector<char> held = HeldUnknowns(doc);
  std::vector<long double> u(n, 0);
  for (const TSupportObject& support : ObjectsOf<TSupportObject>(doc)) {
    const int d = 3 * position.at(support.NodeNo);
    const double values[3] = {support.DX, support.DY, support.DRot};
    for (int i = 0; i < 3; ++i)
      if (held[d + i]) u[d + i] = values[i];
  }
  std::vector<std::size_t> free;
  for (std::size_t d = 0; d < n; ++d) {
    bool stiff = false;
    for (std::size_t j = 0; j < n; ++j)
      stiff = stiff || k[d][j] != 0;
    if (!held[d] && stiff) free.push_back(d);
  }
  const std::size_t m = free.size();
  std::vector<std::vector<long double>> a(m, std::vector<long double>(m + 1, 0));
  for (std::size_t r = 0; r < m; ++r) {
    long double rhs = f[free[r]];
    for (std::size_t d = 0; d < n; ++d)
      if (held[d]) rhs -= k[free[r]][d] * u[d];
    for (std::size_t c = 0; c < m; ++c)
      a[r][c] = k[free[r]][free[c]];
    a[r][m] = rhs;
  }
  // Gaussian elimination with partial pivoting.
  for (std::size_t col = 0; col < m; ++col) {
    std::size_t best = col;
    for (std::size_t r = col + 1; r < m; ++r)
      if (std::fabs(a[r][col]) > std::fabs(a[best][col])) best = r;
    if (a[best][col] == 0) return {};
    std::swap(a[best], a[col]);
    for (std::size_t r = col + 1; r < m; ++r) {
      const long double factor = a[r][col] / a[col][col];
      if (factor == 0) continue;
      for (std::size_t c = col; c <= m; ++c)
        a[r][c] -= factor * a[col][c];
    }
  }
  for (std::size_t r = m; r-- > 0;) {
    long double sum = a[r][m];
    for (std::size_t c = r + 1; c < m; ++c)
      sum -= a[r][c] * u[free[c]];
    u[free[r]] = sum / a[r][r];
  }
  return std::vector<double>(u.begin(), u.end());
}

} // namespace strandel::testing
