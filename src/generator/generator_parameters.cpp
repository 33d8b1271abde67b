#include "generator/generator_parameters.h"

#include <algorithm>
#include <cmath>

#include "common/number_text.h"
#include "expr/numeric_field.h"

namespace strandel {
namespace {

std::uint16_t ClampCount(long long value, long long low, long long high) {
  return static_cast<std::uint16_t>(std::clamp(value, low, high));
}

// The integer part of an accepted count, limited to what the parameter can hold.
std::uint16_t CountOf(double typed) {
  return static_cast<std::uint16_t>(std::min(std::trunc(typed), 65535.0));
}

// The number in an accepted text, in base units.
std::optional<double> NumberOf(const std::optional<std::string>& text, double factor) {
  if (!text || !IsNumber(*text)) return std::nullopt;
  return FromFieldUnits(ParseNumber(*text), factor);
}

} // namespace

void ApplyKindPreset(GeneratorParameters& p, StructureKind kind) {
  p.Kind = kind;
  switch (kind) {
  case StructureKind::Frame:
    p.n = 3;
    p.m = 3;
    p.W = 6;
    p.H = 5;
    break;
  case StructureKind::Tower:
    p.m = 4;
    p.W = 1;
    p.H = 4;
    break;
  case StructureKind::TrussGirder:
    p.n = 4;
    p.W = 6;
    p.H = 1;
    break;
  case StructureKind::Arch:
    p.n = 8;
    p.W = 8;
    p.H = 1;
    break;
  case StructureKind::SuspensionBridge:
    p.n = 8;
    p.W = 8;
    p.H = 2;
    p.H2 = 0.5;
    break;
  }
}

bool UsesMiddleHeight(StructureKind kind) {
  return kind == StructureKind::SuspensionBridge;
}
bool UsesLengthSections(StructureKind kind) {
  return kind != StructureKind::Tower;
}
bool UsesHeightSections(StructureKind kind) {
  return kind == StructureKind::Frame || kind == StructureKind::Tower;
}
bool UsesLoad(StructureKind kind) {
  return kind != StructureKind::Tower;
}

bool IsAcceptedLength(const std::string& text) {
  return IsNumber(text) && ParseNumber(text) > 0;
}
bool IsAcceptedCount(const std::string& text) {
  return IsNumber(text) && std::trunc(ParseNumber(text)) > 0;
}
bool IsAcceptedLoad(const std::string& text) {
  return IsNumber(text);
}

void ReadGeneratorValues(GeneratorParameters& p, const GeneratorFieldValues& values) {
  const GeneratorParameters previous = p;
  auto readLength = [](const std::optional<double>& value, double& target) {
    if (value && *value > 0 && std::isfinite(*value)) target = *value;
  };
  readLength(values.W, p.W);
  readLength(values.H, p.H);
  readLength(values.H2, p.H2);
  if (values.n && *values.n >= 1) p.n = CountOf(*values.n);
  if (values.m && *values.m >= 1) p.m = CountOf(*values.m);
  if (values.q && std::isfinite(*values.q)) p.q = *values.q;
  CorrectParameters(p, previous);
}

void ReadGeneratorFields(GeneratorParameters& p, const GeneratorFieldTexts& texts,
                         double lengthFactor, double loadFactor) {
  ReadGeneratorValues(p, {NumberOf(texts.W, lengthFactor), NumberOf(texts.H, lengthFactor),
                          NumberOf(texts.H2, lengthFactor), NumberOf(texts.n, 1),
                          NumberOf(texts.m, 1), NumberOf(texts.q, loadFactor)});
}

void CorrectParameters(GeneratorParameters& p, const GeneratorParameters& previous) {
  switch (p.Kind) {
  case StructureKind::Frame:
    if (static_cast<long>(p.n) * p.m > 25) {
      // At least one bay and one storey, however large the other count.
      if (p.m != previous.m) p.m = ClampCount(RoundHalfEven(25.0 / p.n), 1, 65535);
      if (p.n != previous.n) p.n = ClampCount(RoundHalfEven(25.0 / p.m), 1, 65535);
    }
    break;
  case StructureKind::Tower:
    p.m = std::min<std::uint16_t>(p.m, 25);
    break;
  case StructureKind::TrussGirder:
    p.n = ClampCount(p.n, 3, 25);
    break;
  case StructureKind::Arch:
    p.n = ClampCount(p.n, 3, 25);
    if (p.W / 2 <= p.H) p.H = p.W / 2;
    break;
  case StructureKind::SuspensionBridge:
    p.n = ClampCount(p.n, 3, 25);
    if (p.H2 >= p.H) p.H2 = 0.9 * p.H;
    break;
  }
}

} // namespace strandel
