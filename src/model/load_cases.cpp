#include "model/load_cases.h"

#include <algorithm>
#include <array>

namespace strandel {
namespace {

constexpr std::array<const char*, kActionCategoryCount> kCategoryCodes = {
    "G", "QA", "QB", "QC", "QD", "QE", "Q", "S", "W", "T", "A"};

constexpr std::array<const char*, kCombinationKindCount> kKindCodes = {"ULS", "SLS-C", "SLS-F",
                                                                       "SLS-QP"};

bool SameLetters(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; };
           return upper(x) == upper(y);
         });
}

} // namespace

const char* CategoryCode(ActionCategory category) {
  return kCategoryCodes[static_cast<std::size_t>(category)];
}

std::optional<ActionCategory> CategoryFromCode(std::string_view code) {
  for (std::size_t i = 0; i < kCategoryCodes.size(); ++i)
    if (SameLetters(code, kCategoryCodes[i])) return static_cast<ActionCategory>(i);
  return std::nullopt;
}

bool IsVariable(ActionCategory category) {
  return category != ActionCategory::Permanent && category != ActionCategory::Accidental;
}

const char* CombinationKindCode(CombinationKind kind) {
  return kKindCodes[static_cast<std::size_t>(kind)];
}

std::optional<CombinationKind> CombinationKindFromCode(std::string_view code) {
  for (std::size_t i = 0; i < kKindCodes.size(); ++i)
    if (SameLetters(code, kKindCodes[i])) return static_cast<CombinationKind>(i);
  return std::nullopt;
}

bool IsServiceability(CombinationKind kind) {
  return kind != CombinationKind::Ultimate;
}

CategoryPreset PresetOf(ActionCategory category) {
  using D = DurationClass;
  switch (category) {
  case ActionCategory::Permanent:
    return {1.0, 1.0, 1.0, D::Permanent};
  case ActionCategory::ImposedA:
  case ActionCategory::ImposedB:
    return {0.7, 0.5, 0.3, D::MediumTerm};
  case ActionCategory::ImposedC:
  case ActionCategory::ImposedD:
    return {0.7, 0.7, 0.6, D::MediumTerm};
  case ActionCategory::ImposedE:
    return {1.0, 0.9, 0.8, D::LongTerm};
  case ActionCategory::Imposed:
    // An imposed load of no named category takes the largest values of A to D.
    return {0.7, 0.7, 0.6, D::MediumTerm};
  case ActionCategory::Snow:
    return {0.7, 0.5, 0.2, D::MediumTerm};
  case ActionCategory::Wind:
    return {0.6, 0.2, 0.0, D::ShortTerm};
  case ActionCategory::Temperature:
    return {0.6, 0.5, 0.0, D::ShortTerm};
  case ActionCategory::Accidental:
    return {1.0, 1.0, 1.0, D::Instantaneous};
  }
  return {1.0, 1.0, 1.0, D::Permanent};
}

TLoadCase MakeLoadCase(std::uint16_t number, std::string name, ActionCategory category) {
  const CategoryPreset preset = PresetOf(category);
  TLoadCase loadCase;
  loadCase.Number = number;
  loadCase.Name = std::move(name);
  loadCase.Category = category;
  loadCase.Duration = preset.Duration;
  loadCase.Psi0 = preset.Psi0;
  loadCase.Psi1 = preset.Psi1;
  loadCase.Psi2 = preset.Psi2;
  return loadCase;
}

DurationClass CombinationDuration(const TCombination& combination,
                                  const std::vector<TLoadCase>& cases) {
  DurationClass shortest = DurationClass::Permanent;
  for (const CaseFactor& part : combination.Factors) {
    if (part.Factor == 0.0) continue;
    const TLoadCase* loadCase = FindLoadCase(cases, part.Case);
    if (loadCase != nullptr && loadCase->Duration > shortest) shortest = loadCase->Duration;
  }
  return shortest;
}

const TLoadCase* FindLoadCase(const std::vector<TLoadCase>& cases, long number) {
  for (const TLoadCase& loadCase : cases)
    if (loadCase.Number == number) return &loadCase;
  return nullptr;
}

const TCombination* FindCombination(const std::vector<TCombination>& combinations, long number) {
  for (const TCombination& combination : combinations)
    if (combination.Number == number) return &combination;
  return nullptr;
}

namespace {

template <class T> std::uint16_t NextOf(const std::vector<T>& list) {
  int largest = 0;
  for (const T& item : list)
    largest = std::max<int>(largest, item.Number);
  // Past the top the lowest free number is taken, as for model objects.
  if (largest < 65535) return static_cast<std::uint16_t>(largest + 1);
  for (int n = 1; n <= 65535; ++n)
    if (std::none_of(list.begin(), list.end(), [n](const T& item) { return item.Number == n; }))
      return static_cast<std::uint16_t>(n);
  return 65535;
}

} // namespace

std::uint16_t NextCaseNumber(const std::vector<TLoadCase>& cases) {
  return NextOf(cases);
}

std::uint16_t NextCombinationNumber(const std::vector<TCombination>& combinations) {
  return NextOf(combinations);
}

} // namespace strandel
