#pragma once
// The load combinations of EN 1990 written from the cases' categories and psi
// values: the ultimate set by expression 6.10 or by the pair 6.10a/6.10b, each
// variable case leading in turn, and the characteristic, frequent and
// quasi-permanent serviceability sets. What is generated are ordinary
// combinations: the user may edit or delete them afterwards.

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
