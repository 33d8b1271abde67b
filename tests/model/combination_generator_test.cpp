// The EN 1990 combinations a set of cases gives, counted and factored by hand:
// a roof over an office floor with dead load, imposed load of category B, snow
// and wind, under both ultimate rules and the three serviceability sets.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "model/combination_generator.h"
#include "model/object_text.h"

namespace strandel {
namespace {

struct Expected {
  std::string Name;
  CombinationKind Kind;
  std::vector<CaseFactor> Factors;
};

// G (1), imposed B (2: psi 0.7 / 0.5 / 0.3), snow (3: 0.7 / 0.5 / 0.2) and wind
// (4: 0.6 / 0.2 / 0).
std::vector<TLoadCase> OfficeRoofCases() {
  return {MakeLoadCase(1, "G", ActionCategory::Permanent),
          MakeLoadCase(2, "Imposed", ActionCategory::ImposedB),
          MakeLoadCase(3, "Snow", ActionCategory::Snow),
          MakeLoadCase(4, "Wind", ActionCategory::Wind)};
}

// Each factor is compared exactly: 1.5 x 0.7 must be stored as the double a
// reader of "1.05" gets, not as the product's binary neighbour.
void ExpectCombinations(const std::vector<TCombination>& actual,
                        const std::vector<Expected>& expected, int firstNumber = 1) {
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(expected[i].Name);
    EXPECT_EQ(actual[i].Number, firstNumber + static_cast<int>(i));
    EXPECT_EQ(actual[i].Name, expected[i].Name);
    EXPECT_EQ(actual[i].Kind, expected[i].Kind);
    EXPECT_EQ(actual[i].Factors, expected[i].Factors);
  }
}

using K = CombinationKind;

// The serviceability sets are the same under both ultimate rules.
const std::vector<Expected> kOfficeRoofServiceability = {
    {"SLS-C: Imposed leading", K::Characteristic, {{1, 1}, {2, 1}, {3, 0.7}, {4, 0.6}}},
    {"SLS-C: Snow leading", K::Characteristic, {{1, 1}, {2, 0.7}, {3, 1}, {4, 0.6}}},
    {"SLS-C: Wind leading", K::Characteristic, {{1, 1}, {2, 0.7}, {3, 0.7}, {4, 1}}},
    // Wind's psi2 is 0: it is not listed where it accompanies.
    {"SLS-F: Imposed leading", K::Frequent, {{1, 1}, {2, 0.5}, {3, 0.2}}},
    {"SLS-F: Snow leading", K::Frequent, {{1, 1}, {2, 0.3}, {3, 0.5}}},
    {"SLS-F: Wind leading", K::Frequent, {{1, 1}, {2, 0.3}, {3, 0.2}, {4, 0.2}}},
    {"SLS-QP", K::QuasiPermanent, {{1, 1}, {2, 0.3}, {3, 0.2}}},
};

std::vector<Expected> Joined(std::vector<Expected> first, const std::vector<Expected>& second) {
  first.insert(first.end(), second.begin(), second.end());
  return first;
}

TEST(CombinationGenerator, OfficeRoofByExpression610) {
  // 1.35 G; 1.35 G + 1.5 Q_i + 1.5 psi0_j Q_j (1.5 x 0.7 = 1.05, 1.5 x 0.6 = 0.9);
  // 1.0 G + 1.5 Q_i.
  const std::vector<Expected> expected = Joined(
      {
          {"ULS 6.10: G", K::Ultimate, {{1, 1.35}}},
          {"ULS 6.10: Imposed leading", K::Ultimate, {{1, 1.35}, {2, 1.5}, {3, 1.05}, {4, 0.9}}},
          {"ULS 6.10: Snow leading", K::Ultimate, {{1, 1.35}, {2, 1.05}, {3, 1.5}, {4, 0.9}}},
          {"ULS 6.10: Wind leading", K::Ultimate, {{1, 1.35}, {2, 1.05}, {3, 1.05}, {4, 1.5}}},
          {"ULS 6.10: Imposed leading, G favourable", K::Ultimate, {{1, 1}, {2, 1.5}}},
          {"ULS 6.10: Snow leading, G favourable", K::Ultimate, {{1, 1}, {3, 1.5}}},
          {"ULS 6.10: Wind leading, G favourable", K::Ultimate, {{1, 1}, {4, 1.5}}},
      },
      kOfficeRoofServiceability);
  ExpectCombinations(GenerateCombinations(OfficeRoofCases(), GeneratorFactors{}), expected);
}

TEST(CombinationGenerator, OfficeRoofByExpressions610aAnd610b) {
  // 6.10a: 1.35 G + 1.5 psi0 of every variable case; 6.10b: 0.85 x 1.35 = 1.1475 G
  // with each variable case leading.
  GeneratorFactors factors;
  factors.Rule = UltimateRule::Eq610ab;
  const std::vector<Expected> expected = Joined(
      {
          {"ULS 6.10a: G", K::Ultimate, {{1, 1.35}}},
          {"ULS 6.10a", K::Ultimate, {{1, 1.35}, {2, 1.05}, {3, 1.05}, {4, 0.9}}},
          {"ULS 6.10b: Imposed leading", K::Ultimate, {{1, 1.1475}, {2, 1.5}, {3, 1.05}, {4, 0.9}}},
          {"ULS 6.10b: Snow leading", K::Ultimate, {{1, 1.1475}, {2, 1.05}, {3, 1.5}, {4, 0.9}}},
          {"ULS 6.10b: Wind leading", K::Ultimate, {{1, 1.1475}, {2, 1.05}, {3, 1.05}, {4, 1.5}}},
          {"ULS 6.10b: Imposed leading, G favourable", K::Ultimate, {{1, 1}, {2, 1.5}}},
          {"ULS 6.10b: Snow leading, G favourable", K::Ultimate, {{1, 1}, {3, 1.5}}},
          {"ULS 6.10b: Wind leading, G favourable", K::Ultimate, {{1, 1}, {4, 1.5}}},
      },
      kOfficeRoofServiceability);
  ExpectCombinations(GenerateCombinations(OfficeRoofCases(), factors), expected);
}

TEST(CombinationGenerator, EditedFactorsAndNumbersFromFirst) {
  // gamma_G,sup 1.2, gamma_G,inf 0.9, gamma_Q 1.6, xi 0.9; snow's psi0 edited to 0.6
  // (1.6 x 0.6 = 0.96) and two permanent cases that act together.
  std::vector<TLoadCase> cases = {MakeLoadCase(5, "Dead", ActionCategory::Permanent),
                                  MakeLoadCase(6, "Finishes", ActionCategory::Permanent),
                                  MakeLoadCase(9, "Snow", ActionCategory::Snow),
                                  MakeLoadCase(7, "", ActionCategory::Imposed)};
  cases[2].Psi0 = 0.6;
  GeneratorFactors factors;
  factors.Rule = UltimateRule::Eq610ab;
  factors.GammaGUnfavourable = 1.2;
  factors.GammaGFavourable = 0.9;
  factors.GammaQ = 1.6;
  factors.Xi = 0.9;
  const std::vector<TCombination> combinations = GenerateCombinations(cases, factors, 20);
  const std::vector<Expected> ultimate = {
      {"ULS 6.10a: G", K::Ultimate, {{5, 1.2}, {6, 1.2}}},
      {"ULS 6.10a", K::Ultimate, {{5, 1.2}, {6, 1.2}, {9, 0.96}, {7, 1.12}}},
      {"ULS 6.10b: Snow leading", K::Ultimate, {{5, 1.08}, {6, 1.08}, {9, 1.6}, {7, 1.12}}},
      {"ULS 6.10b: Case 7 leading", K::Ultimate, {{5, 1.08}, {6, 1.08}, {9, 0.96}, {7, 1.6}}},
      {"ULS 6.10b: Snow leading, G favourable", K::Ultimate, {{5, 0.9}, {6, 0.9}, {9, 1.6}}},
      {"ULS 6.10b: Case 7 leading, G favourable", K::Ultimate, {{5, 0.9}, {6, 0.9}, {7, 1.6}}},
  };
  ASSERT_EQ(combinations.size(), ultimate.size() + 5);
  ExpectCombinations({combinations.begin(), combinations.begin() + 6}, ultimate, 20);
  EXPECT_EQ(combinations.back().Number, 30);
  EXPECT_EQ(combinations.back().Name, "SLS-QP");
  EXPECT_EQ(combinations.back().Factors,
            (std::vector<CaseFactor>{{5, 1}, {6, 1}, {9, 0.2}, {7, 0.6}}));
}

TEST(CombinationGenerator, SetsWithoutOneKindOfAction) {
  struct Row {
    const char* Situation;
    std::vector<TLoadCase> Cases;
    std::vector<Expected> Combinations;
  };
  const std::vector<Row> rows = {
      {"permanent cases only: each set is G alone",
       {MakeLoadCase(1, "G", ActionCategory::Permanent)},
       {{"ULS 6.10: G", K::Ultimate, {{1, 1.35}}},
        {"SLS-C: G", K::Characteristic, {{1, 1}}},
        {"SLS-F: G", K::Frequent, {{1, 1}}},
        {"SLS-QP: G", K::QuasiPermanent, {{1, 1}}}}},
      {"variable cases only: no G alone, no favourable G, wind's psi2 0 leaves SLS-QP "
       "with snow alone",
       {MakeLoadCase(1, "Snow", ActionCategory::Snow),
        MakeLoadCase(2, "Wind", ActionCategory::Wind)},
       {{"ULS 6.10: Snow leading", K::Ultimate, {{1, 1.5}, {2, 0.9}}},
        {"ULS 6.10: Wind leading", K::Ultimate, {{1, 1.05}, {2, 1.5}}},
        {"SLS-C: Snow leading", K::Characteristic, {{1, 1}, {2, 0.6}}},
        {"SLS-C: Wind leading", K::Characteristic, {{1, 0.7}, {2, 1}}},
        {"SLS-F: Snow leading", K::Frequent, {{1, 0.5}}},
        {"SLS-F: Wind leading", K::Frequent, {{1, 0.2}, {2, 0.2}}},
        {"SLS-QP", K::QuasiPermanent, {{1, 0.2}}}}},
      {"wind alone: the quasi-permanent set acts on nothing and is not written",
       {MakeLoadCase(3, "W", ActionCategory::Wind)},
       {{"ULS 6.10: W leading", K::Ultimate, {{3, 1.5}}},
        {"SLS-C: W leading", K::Characteristic, {{3, 1}}},
        {"SLS-F: W leading", K::Frequent, {{3, 0.2}}}}},
      {"accidental cases take part in none",
       {MakeLoadCase(1, "G", ActionCategory::Permanent),
        MakeLoadCase(2, "Impact", ActionCategory::Accidental),
        MakeLoadCase(3, "T", ActionCategory::Temperature)},
       {{"ULS 6.10: G", K::Ultimate, {{1, 1.35}}},
        {"ULS 6.10: T leading", K::Ultimate, {{1, 1.35}, {3, 1.5}}},
        {"ULS 6.10: T leading, G favourable", K::Ultimate, {{1, 1}, {3, 1.5}}},
        {"SLS-C: T leading", K::Characteristic, {{1, 1}, {3, 1}}},
        {"SLS-F: T leading", K::Frequent, {{1, 1}, {3, 0.5}}},
        {"SLS-QP", K::QuasiPermanent, {{1, 1}}}}},
      {"no cases at all: nothing", {}, {}},
      {"an accidental case alone: nothing", {MakeLoadCase(1, "A", ActionCategory::Accidental)}, {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.Situation);
    ExpectCombinations(GenerateCombinations(row.Cases, GeneratorFactors{}), row.Combinations);
  }
}

TEST(CombinationGenerator, PropertiesOverGeneratedCaseSets) {
  // For any mix of categories: every combination acts on something, names no
  // accidental case, lists each case at most once with a finite non-zero factor,
  // and the numbers run on without gaps; each variable case leads once per set.
  for (unsigned seed = 1; seed <= 200; ++seed) {
    std::vector<TLoadCase> cases;
    unsigned state = seed;
    const int count = static_cast<int>(seed % 7);
    int variable = 0;
    for (int i = 0; i < count; ++i) {
      state = state * 1103515245u + 12345u;
      const auto category = static_cast<ActionCategory>((state >> 16) % kActionCategoryCount);
      variable += IsVariable(category) ? 1 : 0;
      cases.push_back(MakeLoadCase(static_cast<std::uint16_t>(10 + i), "", category));
    }
    SCOPED_TRACE(seed);
    const std::vector<TCombination> combinations =
        GenerateCombinations(cases, GeneratorFactors{}, 3);
    int characteristic = 0;
    for (std::size_t i = 0; i < combinations.size(); ++i) {
      const TCombination& combination = combinations[i];
      EXPECT_EQ(combination.Number, 3 + i);
      EXPECT_FALSE(combination.Factors.empty());
      characteristic += combination.Kind == K::Characteristic ? 1 : 0;
      for (std::size_t j = 0; j < combination.Factors.size(); ++j) {
        const CaseFactor& part = combination.Factors[j];
        const TLoadCase* loadCase = FindLoadCase(cases, part.Case);
        ASSERT_NE(loadCase, nullptr);
        EXPECT_NE(loadCase->Category, ActionCategory::Accidental);
        EXPECT_TRUE(std::isfinite(part.Factor) && part.Factor > 0);
        for (std::size_t k = 0; k < j; ++k)
          EXPECT_NE(combination.Factors[k].Case, part.Case);
      }
    }
    const bool anyPermanent = std::any_of(cases.begin(), cases.end(), [](const TLoadCase& c) {
      return c.Category == ActionCategory::Permanent;
    });
    EXPECT_EQ(characteristic, variable > 0 ? variable : (anyPermanent ? 1 : 0));
  }
}

} // namespace
} // namespace strandel
