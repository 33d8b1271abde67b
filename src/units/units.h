#pragma once
// Display units. Values are held in SI base units; each physical quantity is shown
// and typed in the unit the user chose for it. A held value v shows as v x factor,
// a typed value t is held as t / factor. The factors are the program's own
// approximations (0.10183 for the kilopond) and are used exactly as listed.

#include <cstdint>
#include <string>
#include <vector>

namespace strandel {

// The quantities, numbered as in the unit table. Displacement has no list of its
// own: it uses the Length list with a choice of its own, so coordinates can show
// in m while section dimensions show in mm.
enum class Quantity : int {
  Length = 0,
  Angle = 1, // always degrees, not selectable
  Force = 2,
  DistLoad = 3,
  Moment = 4,
  Area = 5,
  SectionModulus = 6,
  MomentOfInertia = 7,
  Stress = 8, // strengths and moduli
  Mass = 9,
  Density = 10,
  Displacement = 11, // displacements, profile dimensions, support displacements
};

struct UnitEntry {
  std::string Name;  // as shown, brackets included: "[KN/m]"
  double Factor = 1; // shown units per base unit
};

// The filled positions of a quantity's list (Displacement gives the Length list).
const std::vector<UnitEntry>& UnitList(Quantity quantity);

// The user's unit choices: 1-based positions in the lists, in the stored order
// Length, Displacement, Force, Distributed load, Moment, Area, Section modulus,
// Moment of inertia, Stress, Mass, Density. The defaults are cm, mm, kp, kp/m,
// kpm, cm^2, cm^3, cm^4, MPa, kg and kg/m^3.
struct UnitChoice {
  std::uint16_t Length = 3;
  std::uint16_t Displacement = 4;
  std::uint16_t Force = 3;
  std::uint16_t DistLoad = 3;
  std::uint16_t Moment = 3;
  std::uint16_t Area = 3;
  std::uint16_t SectionModulus = 3;
  std::uint16_t MomentOfInertia = 3;
  std::uint16_t Stress = 2;
  std::uint16_t Mass = 1;
  std::uint16_t Density = 1;
  friend bool operator==(const UnitChoice&, const UnitChoice&) = default;
};

// The eleven selectable quantities in the stored order of UnitChoice.
const std::vector<Quantity>& SelectableQuantities();

// The stored choice of a selectable quantity (Angle has none: reading gives 2, degrees).
std::uint16_t ChoiceOf(const UnitChoice& choice, Quantity quantity);
void SetChoice(UnitChoice& choice, Quantity quantity, std::uint16_t position);

// The position actually used: a stored 0 or one beyond the filled positions of
// the list falls back to position 1.
int EffectivePosition(const UnitChoice& choice, Quantity quantity);

std::string UnitName(const UnitChoice& choice, Quantity quantity);
double UnitFactor(const UnitChoice& choice, Quantity quantity);
double ToShown(const UnitChoice& choice, Quantity quantity, double value);
double FromShown(const UnitChoice& choice, Quantity quantity, double shown);
// FormatValue of the shown value: " 250" for 2.5 m in [cm].
std::string ShownText(const UnitChoice& choice, Quantity quantity, double value);

// Percentages (positions on beams, label positions): held as fractions.
inline double ToPercent(double fraction) {
  return fraction * 100;
}
inline double FromPercent(double percent) {
  return percent * 0.01;
}

enum class UnitPreset { SI, US };
// Sets every choice of the preset; US leaves Density as it is (no US density unit).
void ApplyPreset(UnitChoice& choice, UnitPreset preset);

} // namespace strandel
