#pragma once
// The parameters of the structure generator: the kind of structure and its few
// dimensions, with the rules by which typed values are accepted and corrected.
// The dialog and the batch front end read their values through the same rules.

#include <cstdint>
#include <optional>
#include <string>

namespace strandel {

// In the order of the "Structure" list.
enum class StructureKind : int {
  Frame = 0,
  Tower = 1,
  TrussGirder = 2,
  Arch = 3,
  SuspensionBridge = 4
};
inline constexpr int kStructureKindCount = 5;

struct GeneratorParameters {
  StructureKind Kind = StructureKind::Frame;
  double W = 6;        // width or span, m
  double H = 5;        // height, depth or rise, m
  double H2 = 1;       // middle height (the chain's low point), m
  std::uint16_t n = 3; // length sections (bays, panels, segments)
  std::uint16_t m = 3; // height sections (storeys, tower panels)
  // Distributed load, N/m, along the load direction +y: negative values push down.
  double q = -1000;
  friend bool operator==(const GeneratorParameters&, const GeneratorParameters&) = default;
};

// Choosing a kind sets the kind and its preset values; the others stay.
void ApplyKindPreset(GeneratorParameters& parameters, StructureKind kind);

// Which fields a kind uses (the others are disabled in the dialog).
bool UsesMiddleHeight(StructureKind kind);
bool UsesLengthSections(StructureKind kind);
bool UsesHeightSections(StructureKind kind);
bool UsesLoad(StructureKind kind);

// The texts of the fields as typed; an absent text leaves its parameter alone.
struct GeneratorFieldTexts {
  std::optional<std::string> W{}, H{}, H2{}, n{}, m{}, q{};
};

// Values already taken from the fields, in base units (counts as typed); an
// absent value leaves its parameter alone.
struct GeneratorFieldValues {
  std::optional<double> W{}, H{}, H2{}, n{}, m{}, q{};
};

// Takes W, H and H2 when greater than 0, n and m when their integer part is
// greater than 0, q when it is finite; values not accepted keep the previous
// value. Then the kind's corrections apply (CorrectParameters).
void ReadGeneratorValues(GeneratorParameters& parameters, const GeneratorFieldValues& values);

// Reads the typed texts, the numbers among them as ReadGeneratorValues takes
// values: W, H and H2 in the shown length unit (lengthFactor shown units per
// metre), q in the shown distributed-load unit. Texts that are not numbers keep
// the previous value, without a message (the dialog's fields give one).
void ReadGeneratorFields(GeneratorParameters& parameters, const GeneratorFieldTexts& texts,
                         double lengthFactor, double loadFactor);

// The kind's corrections against the values before the reading: a frame of more
// than 25 cells gives up height sections (if they were changed) and then length
// sections (if they were changed), never below one; a tower keeps at most 25
// panels; truss girders, arches and bridges keep 3..25 sections; an arch rises at
// most to a half circle; a chain hangs below its ends.
void CorrectParameters(GeneratorParameters& parameters, const GeneratorParameters& previous);

// Whether a text would be accepted for the field (the batch front end refuses
// what the dialog would silently ignore).
bool IsAcceptedLength(const std::string& text);
bool IsAcceptedCount(const std::string& text);
bool IsAcceptedLoad(const std::string& text);

} // namespace strandel
