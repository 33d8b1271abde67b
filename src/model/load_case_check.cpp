#include "model/load_case_check.h"

#include <cmath>
#include <unordered_set>

#include "common/text.h"
#include "common/text_entries.h"
#include "common/translation.h"

namespace strandel {
namespace {

std::string Filled(int entry, const char* english, long first, long second = 0) {
  const std::string text = ReplaceAll(TranslatedOr(entry, english), "%1", std::to_string(first));
  return ReplaceAll(text, "%2", std::to_string(second));
}

// Each number used twice is named once, however often it recurs.
template <class T>
void CheckNumbersOnce(const std::vector<T>& list, int entry, const char* english,
                      std::vector<std::string>& problems) {
  std::unordered_set<long> seen, named;
  for (const T& item : list)
    if (!seen.insert(item.Number).second && named.insert(item.Number).second)
      problems.push_back(Filled(entry, english, item.Number));
}

void CheckSelfWeight(const std::vector<TLoadCase>& cases, std::vector<std::string>& problems) {
  const TLoadCase* carrier = nullptr;
  for (const TLoadCase& loadCase : cases) {
    if (!loadCase.SelfWeight) continue;
    if (carrier != nullptr) {
      problems.push_back(Filled(tr::kMsgSelfWeightTwice,
                                "Load cases %1 and %2 both carry the beams' own weight; exactly "
                                "one case carries it.",
                                carrier->Number, loadCase.Number));
      return;
    }
    carrier = &loadCase;
  }
  if (carrier == nullptr)
    problems.push_back(
        TranslatedOr(tr::kMsgSelfWeightNone,
                     "No load case carries the beams' own weight; exactly one case carries it."));
}

void CheckCombination(const TCombination& combination, const std::vector<TLoadCase>& cases,
                      std::vector<std::string>& problems) {
  if (cases.empty()) {
    problems.push_back(Filled(tr::kMsgCombinationWithoutCases,
                              "Combination %1 has nothing to combine: the document has no "
                              "load cases.",
                              combination.Number));
    return;
  }
  if (combination.Factors.empty())
    problems.push_back(
        Filled(tr::kMsgCombinationEmpty, "Combination %1 takes no load case.", combination.Number));
  for (const CaseFactor& part : combination.Factors) {
    if (FindLoadCase(cases, part.Case) == nullptr)
      problems.push_back(Filled(tr::kMsgCombinationCaseMissing,
                                "Combination %1 takes load case %2, which does not exist.",
                                combination.Number, part.Case));
    if (!std::isfinite(part.Factor))
      problems.push_back(Filled(tr::kMsgCombinationFactorNotFinite,
                                "Combination %1 takes load case %2 with a factor that is not a "
                                "finite number.",
                                combination.Number, part.Case));
  }
}

// "Load 3 belongs to load case 7, which does not exist."
void CheckObjectCase(const GraphObject& object, const std::unordered_set<long>& caseNumbers,
                     std::vector<std::string>& problems) {
  const auto check = [&](int entry, const char* english, long number, long loadCase) {
    if (!caseNumbers.count(loadCase)) problems.push_back(Filled(entry, english, number, loadCase));
  };
  if (const auto* support = std::get_if<TSupportObject>(&object))
    check(tr::kMsgSupportCaseMissing, "Support %1 belongs to load case %2, which does not exist.",
          support->Number, support->Case);
  else if (const auto* load = std::get_if<TLoadObject>(&object))
    check(tr::kMsgLoadCaseMissing, "Load %1 belongs to load case %2, which does not exist.",
          load->Number, load->Case);
  else if (const auto* force = std::get_if<TForceObject>(&object))
    check(tr::kMsgForceCaseMissing, "Force %1 belongs to load case %2, which does not exist.",
          force->Number, force->Case);
  else if (const auto* moment = std::get_if<TMomentObject>(&object))
    check(tr::kMsgMomentCaseMissing, "Moment %1 belongs to load case %2, which does not exist.",
          moment->Number, moment->Case);
}

} // namespace

std::vector<std::string> CheckLoadCases(const ModelDocument& doc) {
  const std::vector<TLoadCase>& cases = doc.Settings.LoadCases;
  const std::vector<TCombination>& combinations = doc.Settings.Combinations;
  std::vector<std::string> problems;
  if (!cases.empty()) {
    CheckNumbersOnce(cases, tr::kMsgLoadCaseNumberTwice, "Two load cases have the number %1.",
                     problems);
    CheckSelfWeight(cases, problems);
  }
  for (const TCombination& combination : combinations)
    CheckCombination(combination, cases, problems);
  CheckNumbersOnce(combinations, tr::kMsgCombinationNumberTwice,
                   "Two combinations have the number %1.", problems);
  if (cases.empty()) return problems;
  std::unordered_set<long> caseNumbers;
  for (const TLoadCase& loadCase : cases)
    caseNumbers.insert(loadCase.Number);
  for (const auto& object : doc.GraphObjects)
    CheckObjectCase(*object, caseNumbers, problems);
  return problems;
}

bool DefaultLoadCases(ModelDocument& doc) {
  if (!doc.Settings.LoadCases.empty()) return false;
  TLoadCase permanent = MakeLoadCase(
      1, TranslatedOr(tr::kDefaultPermanentCaseName, "Permanent load"), ActionCategory::Permanent);
  permanent.SelfWeight = true;
  doc.Settings.LoadCases = {permanent};
  TCombination combination;
  combination.Number = 1;
  combination.Name = "1.0 x case 1";
  combination.Kind = CombinationKind::Ultimate;
  combination.Factors = {{1, 1.0}};
  doc.Settings.Combinations = {combination};
  // Every load acted in the one load set: now it acts in case 1.
  for (const auto& object : doc.GraphObjects)
    std::visit(
        [](auto& item) {
          if constexpr (requires { item.Case; }) item.Case = 1;
        },
        *object);
  return true;
}

} // namespace strandel
