#pragma once
// The load combinations of EN 1990 written from the cases' categories and psi
// values: the ultimate set by expression 6.10 or by the pair 6.10a/6.10b, each
// variable case leading in turn, and the characteristic, frequent and
// quasi-permanent serviceability sets. What is generated are ordinary
// combinations: the user may edit or delete them afterwards.
//
// The scheme, G standing for every permanent case (they always act together at
// one factor), Q_i for a variable case, accidental cases taking part in none:
//   6.10     "ULS 6.10: G"                      gG,sup G
//            "ULS 6.10: <i> leading"            gG,sup G + gQ Q_i + sum_j gQ psi0_j Q_j
//            "ULS 6.10: <i> leading, G favourable"  gG,inf G + gQ Q_i
//   6.10a/b  "ULS 6.10a: G"                     gG,sup G
//            "ULS 6.10a"                        gG,sup G + sum_j gQ psi0_j Q_j (all j)
//            "ULS 6.10b: <i> leading"           xi gG,sup G + gQ Q_i + sum_j gQ psi0_j Q_j
//            "ULS 6.10b: <i> leading, G favourable"  gG,inf G + gQ Q_i
//   "SLS-C: <i> leading"  G + Q_i + sum_j psi0_j Q_j
//   "SLS-F: <i> leading"  G + psi1_i Q_i + sum_j psi2_j Q_j
//   "SLS-QP"              G + sum_j psi2_j Q_j
// (j runs over the variable cases other than i). Where a favourable permanent
// action holds the structure, the accompanying variable ones would help too and
// are left out. With no variable case each serviceability set is "<kind>: G";
// a combination that would act on nothing (G alone without a permanent case) is
// not written. A case with factor 0 is not listed; a product of factors is
// stored to twelve significant digits, so 1.5 x 0.7 is stored as 1.05. <i> is
// the case's name, or "Case N" when it has none.

#include <cstdint>
#include <vector>

#include "model/load_cases.h"

namespace strandel {

enum class UltimateRule {
  Eq610,   // 6.10: gamma_G,sup G + gamma_Q Q_lead + sum gamma_Q psi0 Q_other
  Eq610ab, // 6.10a with every variable case at psi0, and 6.10b with xi gamma_G,sup
};

struct GeneratorFactors {
  UltimateRule Rule = UltimateRule::Eq610;
  double GammaGUnfavourable = 1.35; // gamma_G,sup
  double GammaGFavourable = 1.0;    // gamma_G,inf
  double GammaQ = 1.5;
  double Xi = 0.85; // reduction of the permanent actions in 6.10b
};

// The combinations for `cases`, numbered from `firstNumber` on. Accidental cases
// take part in none (the accidental design situation is not generated).
std::vector<TCombination> GenerateCombinations(const std::vector<TLoadCase>& cases,
                                               const GeneratorFactors& factors,
                                               std::uint16_t firstNumber = 1);

} // namespace strandel
