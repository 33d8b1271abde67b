#include "optimizer/complex_table.h"

#include <cmath>
#include <limits>

#include "common/number_text.h"

namespace strandel {

bool ComplexTable::Allocate(int k, int n) {
  Release();
  if (k < 1 || n < 1) return false;
  AllocMatrix(X, k - 1, n - 1);
  AllocVector(F, k - 1);
  AllocVector(Centroid, n - 1);
  if (!X || !F || !Centroid) {
    Release();
    return false;
  }
  k_ = k;
  n_ = n;
  solved_.assign(k, 1);
  return true;
}

void ComplexTable::Release() {
  FreeMatrix(X, k_ - 1, n_ - 1);
  FreeVector(F, k_ - 1);
  FreeVector(Centroid, n_ - 1);
  k_ = n_ = 0;
  solved_.clear();
}

void ComplexTable::SetValue(int point, double value, bool solved) {
  F[point] = value;
  solved_[point] = solved ? 1 : 0;
}

int ComplexTable::Worst() const {
  for (int j = 0; j < k_; ++j)
    if (!Solved(j)) return j;
  int worst = 0;
  for (int j = 1; j < k_; ++j)
    if (F[j] > F[worst]) worst = j;
  return worst;
}

int ComplexTable::Best() const {
  int best = -1;
  for (int j = 0; j < k_; ++j)
    if (Solved(j) && (best < 0 || F[j] < F[best])) best = j;
  return best < 0 ? 0 : best;
}

void ComplexTable::ComputeCentroid(int excluded) {
  for (int i = 0; i < n_; ++i) {
    double sum = 0;
    for (int j = 0; j < k_; ++j)
      if (j != excluded) sum += X[j][i];
    Centroid[i] = sum / (k_ - 1);
  }
}

void ComplexTable::Reflect(int w, const Selection& selection) {
  ComputeCentroid(w);
  TVector& x = X[w];
  for (int i = 0; i < n_; ++i) {
    double value = x[i] + 1.5 * (Centroid[i] - x[i]);
    const TVarItem& item = *selection[i];
    if (value < item.LowBound) value = item.LowBound;
    if (value > item.HighBound) value = item.HighBound;
    x[i] = value;
  }
}

void ComplexTable::Contract(int w) {
  ComputeCentroid(w);
  TVector& x = X[w];
  for (int i = 0; i < n_; ++i)
    x[i] = (Centroid[i] + x[i]) / 2;
}

bool ComplexTable::ShowsAsCentroid(int w) {
  ComputeCentroid(w);
  const TVector& x = X[w];
  for (int i = 0; i < n_; ++i)
    if (FormatValue(x[i]) != FormatValue(Centroid[i])) return false;
  return true;
}

void ComplexTable::CopyPoint(int from, int to) {
  for (int i = 0; i < n_; ++i)
    X[to][i] = X[from][i];
}

double ComplexTable::Convergence(const Selection& selection) const {
  double widest = 0;
  for (int i = 0; i < n_; ++i) {
    double low = X[0][i], high = X[0][i];
    for (int j = 1; j < k_; ++j) {
      low = std::fmin(low, X[j][i]);
      high = std::fmax(high, X[j][i]);
    }
    const double width = selection[i]->HighBound - selection[i]->LowBound;
    // The spread is measured against the interval: one without width gives no
    // measure, and the run cannot tell when it has converged.
    if (width == 0 || !std::isfinite(width)) return std::numeric_limits<double>::quiet_NaN();
    widest = std::fmax(widest, std::fabs((high - low) / width));
  }
  return 1 - widest;
}

} // namespace strandel
