#include "units/units.h"

#include "common/number_text.h"

namespace strandel {
namespace {

constexpr double kInch = 0.0254; // m
constexpr double kFoot = 3.281;  // feet per metre, as the program has always used

struct UnitTables {
  std::vector<UnitEntry> Lists[11];
};

const UnitTables& Tables() {
  static const UnitTables tables = [] {
    UnitTables t;
    t.Lists[0] = {{"[m]", 1},     {"[dm]", 10},    {"[cm]", 100},
                  {"[mm]", 1000}, {"[in]", 39.37}, {"[ft]", 3.281}};
    t.Lists[1] = {{"[Rad]", 1}, {"[Deg]", 57.29577951308232}};
    t.Lists[2] = {
        {"[N]", 1}, {"[KN]", 0.001}, {"[kp]", 0.10183}, {"[lbs]", 0.2248}, {"[kips]", 0.0002248}};
    t.Lists[3] = {{"[N/m]", 1},          {"[KN/m]", 0.001},      {"[kp/m]", 0.10183},
                  {"[lb/ft]", 0.068522}, {"[k/in]", 0.00000571}, {"[k/ft]", 0.00006852}};
    t.Lists[4] = {{"[Nm]", 1},           {"[KNm]", 0.001},       {"[Kpm]", 0.10183},
                  {"[ft-lbs]", 0.73756}, {"[k-in]", 0.00885507}, {"[k-ft]", 0.000737922},
                  {"[in-lb]", 8.85075}};
    t.Lists[5] = {{"[m^2]", 1},        {"[dm^2]", 100},  {"[cm^2]", 10000},
                  {"[mm^2]", 1000000}, {"[in^2]", 1550}, {"[ft^2]", 10.764}};
    t.Lists[6] = {{"[m^3]", 1},
                  {"[dm^3]", 1000},
                  {"[cm^3]", 1000000},
                  {"[mm^3]", 1000000000},
                  {"[in^3]", 1 / (kInch * kInch * kInch)},
                  {"[ft^3]", kFoot * kFoot * kFoot}};
    t.Lists[7] = {{"[m^4]", 1},
                  {"[dm^4]", 10000},
                  {"[cm^4]", 100000000},
                  {"[mm^4]", 1000000000000},
                  {"[in^4]", 1 / (kInch * kInch * kInch * kInch)},
                  {"[ft^4]", kFoot * kFoot * kFoot * kFoot}};
    t.Lists[8] = {{"[Pa]", 1},
                  {"[MPa]", 0.000001},
                  {"[GPa]", 0.000000001},
                  {"[N/mm^2]", 0.000001},
                  {"[Kp/cm^2]", 0.0000101833},
                  {"[psi]", 0.000145},
                  {"[ksi]", 0.000000145}};
    t.Lists[9] = {{"[kg]", 1}, {"[Ton]", 0.001}, {"[lbm]", 2.205}, {"[slug]", 0.06853}};
    t.Lists[10] = {{"[kg/m^3]", 1}, {"[Ton/m^3]", 0.001}, {"[kg/l]", 0.001}};
    return t;
  }();
  return tables;
}

int ListIndex(Quantity quantity) {
  return quantity == Quantity::Displacement ? 0 : static_cast<int>(quantity);
}

std::uint16_t* ChoiceField(UnitChoice& choice, Quantity quantity) {
  switch (quantity) {
  case Quantity::Length:
    return &choice.Length;
  case Quantity::Displacement:
    return &choice.Displacement;
  case Quantity::Force:
    return &choice.Force;
  case Quantity::DistLoad:
    return &choice.DistLoad;
  case Quantity::Moment:
    return &choice.Moment;
  case Quantity::Area:
    return &choice.Area;
  case Quantity::SectionModulus:
    return &choice.SectionModulus;
  case Quantity::MomentOfInertia:
    return &choice.MomentOfInertia;
  case Quantity::Stress:
    return &choice.Stress;
  case Quantity::Mass:
    return &choice.Mass;
  case Quantity::Density:
    return &choice.Density;
  case Quantity::Angle:
    return nullptr;
  }
  return nullptr;
}

const UnitEntry& ChosenEntry(const UnitChoice& choice, Quantity quantity) {
  return UnitList(quantity)[static_cast<std::size_t>(EffectivePosition(choice, quantity) - 1)];
}

} // namespace

const std::vector<UnitEntry>& UnitList(Quantity quantity) {
  return Tables().Lists[ListIndex(quantity)];
}

const std::vector<Quantity>& SelectableQuantities() {
  static const std::vector<Quantity> quantities = {
      Quantity::Length, Quantity::Displacement, Quantity::Force,          Quantity::DistLoad,
      Quantity::Moment, Quantity::Area,         Quantity::SectionModulus, Quantity::MomentOfInertia,
      Quantity::Stress, Quantity::Mass,         Quantity::Density};
  return quantities;
}

std::uint16_t ChoiceOf(const UnitChoice& choice, Quantity quantity) {
  if (quantity == Quantity::Angle) return 2;
  UnitChoice copy = choice;
  return *ChoiceField(copy, quantity);
}

void SetChoice(UnitChoice& choice, Quantity quantity, std::uint16_t position) {
  if (std::uint16_t* field = ChoiceField(choice, quantity)) *field = position;
}

int EffectivePosition(const UnitChoice& choice, Quantity quantity) {
  const int position = ChoiceOf(choice, quantity);
  const int filled = static_cast<int>(UnitList(quantity).size());
  return (position < 1 || position > filled) ? 1 : position;
}

std::string UnitName(const UnitChoice& choice, Quantity quantity) {
  return ChosenEntry(choice, quantity).Name;
}

double UnitFactor(const UnitChoice& choice, Quantity quantity) {
  return ChosenEntry(choice, quantity).Factor;
}

double ToShown(const UnitChoice& choice, Quantity quantity, double value) {
  return value * UnitFactor(choice, quantity);
}

double FromShown(const UnitChoice& choice, Quantity quantity, double shown) {
  return shown / UnitFactor(choice, quantity);
}

std::string ShownText(const UnitChoice& choice, Quantity quantity, double value) {
  return FormatValue(ToShown(choice, quantity, value));
}

void ApplyPreset(UnitChoice& choice, UnitPreset preset) {
  const UnitChoice before = choice;
  if (preset == UnitPreset::SI) {
    // Metres and millimetres; kN with kN/m and kNm, so that forces, loads and
    // moments read in one unit; sections in cm; MPa.
    choice = {1, 4, 2, 2, 2, 3, 3, 3, 2, 1, 1};
  } else {
    choice = {6, 5, 5, 6, 6, 5, 5, 5, 7, 3, before.Density};
  }
}

} // namespace strandel
