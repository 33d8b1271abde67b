#include "model/combination_generator.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace strandel {
namespace {

// A product such as 1.5 x 0.7 is 1.0499999999999998 in binary; stored with twelve
// significant digits it is the 1.05 an engineer reads in the file, and what the
// file says is what the analysis computes.
double RoundedFactor(double value) {
  if (!std::isfinite(value) || value == 0.0) return value;
  char text[40];
  const auto written =
      std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, 11);
  double rounded = value;
  std::from_chars(text, written.ptr, rounded);
  return rounded;
}

std::string CaseName(const TLoadCase& loadCase) {
  if (!loadCase.Name.empty()) return loadCase.Name;
  return "Case " + std::to_string(loadCase.Number);
}

// The cases split as the rules treat them, in the order the user listed them.
struct CaseGroups {
  std::vector<const TLoadCase*> Permanent;
  std::vector<const TLoadCase*> Variable;
};

CaseGroups GroupCases(const std::vector<TLoadCase>& cases) {
  CaseGroups groups;
  for (const TLoadCase& loadCase : cases) {
    if (loadCase.Category == ActionCategory::Permanent)
      groups.Permanent.push_back(&loadCase);
    else if (IsVariable(loadCase.Category))
      groups.Variable.push_back(&loadCase);
  }
  return groups;
}

// Builds the combinations one at a time, numbered in order.
class CombinationList {
public:
  CombinationList(const CaseGroups& groups, std::uint16_t firstNumber)
      : Groups(groups), First(firstNumber) {}

  // Starts a combination with every permanent case at `permanentFactor`.
  void Start(CombinationKind kind, std::string name, double permanentFactor) {
    TCombination combination;
    combination.Name = std::move(name);
    combination.Kind = kind;
    Result.push_back(std::move(combination));
    for (const TLoadCase* permanent : Groups.Permanent)
      Add(*permanent, permanentFactor);
  }

  // A case that acts with a factor of 0 is not listed.
  void Add(const TLoadCase& loadCase, double factor) {
    const double rounded = RoundedFactor(factor);
    if (rounded != 0.0) Result.back().Factors.push_back({loadCase.Number, rounded});
  }

  // The variable cases in their order: `leading` (none when null) at
  // `leadingFactor`, every other one at the factor `accompanying` gives it.
  template <class Accompanying>
  void AddVariable(const TLoadCase* leading, double leadingFactor, Accompanying accompanying) {
    for (const TLoadCase* other : Groups.Variable)
      Add(*other, other == leading ? leadingFactor : accompanying(*other));
  }

  // The combinations that act at all (G alone where there is no permanent
  // case acts on nothing), numbered in order as far as numbers go.
  std::vector<TCombination> Take() {
    std::vector<TCombination> taken;
    int number = std::max<int>(First, 1);
    for (TCombination& combination : Result) {
      if (combination.Factors.empty()) continue;
      if (number > 65535) break;
      combination.Number = static_cast<std::uint16_t>(number++);
      taken.push_back(std::move(combination));
    }
    return taken;
  }

private:
  const CaseGroups& Groups;
  std::uint16_t First;
  std::vector<TCombination> Result;
};

void AddUltimate(CombinationList& list, const CaseGroups& groups, const GeneratorFactors& f) {
  const bool split = f.Rule == UltimateRule::Eq610ab;
  const std::string plain = "ULS 6.10";
  const std::string withoutLeading = split ? "ULS 6.10a" : plain;
  const std::string withLeading = split ? "ULS 6.10b" : plain;
  const auto accompanying = [&f](const TLoadCase& c) { return f.GammaQ * c.Psi0; };

  list.Start(CombinationKind::Ultimate, withoutLeading + ": G", f.GammaGUnfavourable);
  if (split && !groups.Variable.empty()) {
    list.Start(CombinationKind::Ultimate, withoutLeading, f.GammaGUnfavourable);
    list.AddVariable(nullptr, 0, accompanying);
  }
  const double leadingPermanent = split ? f.Xi * f.GammaGUnfavourable : f.GammaGUnfavourable;
  for (const TLoadCase* leading : groups.Variable) {
    list.Start(CombinationKind::Ultimate, withLeading + ": " + CaseName(*leading) + " leading",
               leadingPermanent);
    list.AddVariable(leading, f.GammaQ, accompanying);
  }
  // Where the permanent actions hold the structure down (uplift, overturning)
  // they are taken at their lower value; the other variable actions would then
  // help too and are left out.
  if (groups.Permanent.empty()) return;
  for (const TLoadCase* leading : groups.Variable) {
    list.Start(CombinationKind::Ultimate,
               withLeading + ": " + CaseName(*leading) + " leading, G favourable",
               f.GammaGFavourable);
    list.AddVariable(leading, f.GammaQ, [](const TLoadCase&) { return 0.0; });
  }
}

void AddServiceability(CombinationList& list, const CaseGroups& groups) {
  const auto withLeading = [&](CombinationKind kind, const char* code, auto leadingFactor,
                               auto accompanyingFactor) {
    if (groups.Variable.empty()) {
      list.Start(kind, std::string(code) + ": G", 1.0);
      return;
    }
    for (const TLoadCase* leading : groups.Variable) {
      list.Start(kind, std::string(code) + ": " + CaseName(*leading) + " leading", 1.0);
      list.AddVariable(leading, leadingFactor(*leading), accompanyingFactor);
    }
  };
  withLeading(
      CombinationKind::Characteristic, "SLS-C", [](const TLoadCase&) { return 1.0; },
      [](const TLoadCase& c) { return c.Psi0; });
  withLeading(
      CombinationKind::Frequent, "SLS-F", [](const TLoadCase& c) { return c.Psi1; },
      [](const TLoadCase& c) { return c.Psi2; });
  list.Start(CombinationKind::QuasiPermanent, groups.Variable.empty() ? "SLS-QP: G" : "SLS-QP",
             1.0);
  list.AddVariable(nullptr, 0, [](const TLoadCase& c) { return c.Psi2; });
}

} // namespace

std::vector<TCombination> GenerateCombinations(const std::vector<TLoadCase>& cases,
                                               const GeneratorFactors& factors,
                                               std::uint16_t firstNumber) {
  const CaseGroups groups = GroupCases(cases);
  CombinationList list(groups, firstNumber);
  AddUltimate(list, groups, factors);
  AddServiceability(list, groups);
  return list.Take();
}

} // namespace strandel
