#pragma once
// Load cases and load combinations. Every load, force and moment belongs to one
// load case, and so does a support's prescribed displacement (the restraint
// itself holds in every case). A combination is an explicit list of cases and
// the factors they are taken with; the design is checked under every ultimate
// combination and the displacements are judged under a serviceability one.
//
// A document without load cases is one case holding every load and one
// combination "1.0 x case 1": it analyses, writes and reads exactly as a
// document always has.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace strandel {

// What kind of action a case is, as the combination rules treat it.
enum class ActionCategory {
  Permanent,   // "G"
  ImposedA,    // "QA" domestic, residential
  ImposedB,    // "QB" offices
  ImposedC,    // "QC" congregation
  ImposedD,    // "QD" shopping
  ImposedE,    // "QE" storage
  Imposed,     // "Q"  other imposed loads
  Snow,        // "S"
  Wind,        // "W"
  Temperature, // "T"
  Accidental,  // "A"
};
inline constexpr int kActionCategoryCount = 11;

// How long a case's loads act. The first four are the beam's "Load duration"
// choices, in the same order; long-term loads weaken timber more than short ones.
enum class DurationClass : std::uint16_t {
  Permanent = 0,
  LongTerm = 1,
  MediumTerm = 2,
  ShortTerm = 3,
  Instantaneous = 4,
};
inline constexpr int kDurationClassCount = 5;

struct TLoadCase {
  std::uint16_t Number = 1;
  std::string Name;
  ActionCategory Category = ActionCategory::Permanent;
  DurationClass Duration = DurationClass::Permanent;
  // The combination values of a variable action: its combination, frequent and
  // quasi-permanent parts.
  double Psi0 = 1, Psi1 = 1, Psi2 = 1;
  bool SelfWeight = false; // the beams' own weight acts in this case

  bool operator==(const TLoadCase&) const = default;
};

enum class CombinationKind {
  Ultimate,       // "ULS"
  Characteristic, // "SLS-C"
  Frequent,       // "SLS-F"
  QuasiPermanent, // "SLS-QP"
};
inline constexpr int kCombinationKindCount = 4;

struct CaseFactor {
  std::uint16_t Case = 1;
  double Factor = 1;
  bool operator==(const CaseFactor&) const = default;
};

struct TCombination {
  std::uint16_t Number = 1;
  std::string Name;
  CombinationKind Kind = CombinationKind::Ultimate;
  std::vector<CaseFactor> Factors;

  bool operator==(const TCombination&) const = default;
};

// The kind codes of the two lines in a document's object list.
inline constexpr int kLoadCaseKindCode = 7;
inline constexpr int kCombinationKindCode = 8;

// "G", "QA" .. "QE", "Q", "S", "W", "T", "A".
const char* CategoryCode(ActionCategory category);
std::optional<ActionCategory> CategoryFromCode(std::string_view code);
bool IsVariable(ActionCategory category); // neither permanent nor accidental

// "ULS", "SLS-C", "SLS-F", "SLS-QP".
const char* CombinationKindCode(CombinationKind kind);
std::optional<CombinationKind> CombinationKindFromCode(std::string_view code);
bool IsServiceability(CombinationKind kind);

// The values a new case of the category starts from: its psi values (EN 1990
// table A1.1, snow as for the Nordic countries) and how long its loads act.
struct CategoryPreset {
  double Psi0, Psi1, Psi2;
  DurationClass Duration;
};
CategoryPreset PresetOf(ActionCategory category);

// A case of the category with its preset values.
TLoadCase MakeLoadCase(std::uint16_t number, std::string name, ActionCategory category);

// The duration class a combination takes for timber: that of its shortest
// acting case (a factor that is not zero). Permanent when it has none.
DurationClass CombinationDuration(const TCombination& combination,
                                  const std::vector<TLoadCase>& cases);

const TLoadCase* FindLoadCase(const std::vector<TLoadCase>& cases, long number);
const TCombination* FindCombination(const std::vector<TCombination>& combinations, long number);

// The largest number in use plus 1; 1 for none.
std::uint16_t NextCaseNumber(const std::vector<TLoadCase>& cases);
std::uint16_t NextCombinationNumber(const std::vector<TCombination>& combinations);

} // namespace strandel
