#include "analysis/force_table.h"

#include <cmath>
#include <string>

#include "common/number_text.h"
#include "common/text.h"
#include "units/units.h"

namespace strandel {
namespace {

const std::string kTenBlanks(10, ' ');

std::string R9(const std::string& text) {
  return RightStr(text, 9);
}
std::string R10(const std::string& text) {
  return RightStr(kTenBlanks + text, 10);
}
std::string L13(const std::string& text) {
  return LeftStr(text + std::string(12, ' '), 13);
}

// Signed as the sheet's legend reads them: components in the beam's axes,
// moments counter-clockwise, so a value here is the value of the JSON and the
// report in the display unit.
std::string Shown(double value, double factor) {
  return FormatValue(value * factor);
}

// A component too small to show leaves its column blank.
std::string Column(double value, double threshold, double factor) {
  return std::fabs(value) <= threshold ? kTenBlanks : R10(Shown(value, factor));
}

// Puts `entry` on line `index`, starting at character `column` (0-based).
void PlaceEntry(std::vector<std::string>& lines, std::size_t index, std::size_t column,
                const std::string& entry) {
  while (lines.size() <= index)
    lines.emplace_back();
  std::string& line = lines[index];
  const std::size_t length = CharacterCount(line);
  if (length < column) line.append(column - length, ' ');
  line += entry;
}

template <class T>
void PlaceColumn(const BeamPage& page, std::vector<std::string>& lines, std::size_t column,
                 const char* letter, double factor) {
  std::size_t index = 2;
  for (const T* object : PageObjectsOf<T>(page)) {
    const std::string name = LeftStr(letter + std::to_string(object->Number) + " ", 3);
    PlaceEntry(lines, index++, column, name + R10(Shown(object->Value, factor)));
  }
}

} // namespace

void BuildForceTable(BeamPage& page, const AppSettings& settings, double& y) {
  const UnitChoice& units = settings.Units;
  const std::string fu = UnitName(units, Quantity::Force);
  const std::string mu = UnitName(units, Quantity::Moment);
  const std::string qu = UnitName(units, Quantity::DistLoad);
  const double forceFactor = UnitFactor(units, Quantity::Force);
  const double momentFactor = UnitFactor(units, Quantity::Moment);
  const double loadFactor = UnitFactor(units, Quantity::DistLoad);

  TReactionTableObject table;
  std::vector<std::string>& lines = table.Lines;
  lines.push_back("   " + R9("        x" + fu) + " " + R9("        y" + fu) + " " +
                  R9("        m" + mu) + "     " + L13("F" + fu) + "  " + L13("M" + mu) + "  " +
                  L13("q" + qu));
  lines.push_back(
      "--------------------------------     -------------------------------------------");
  for (const TReactionObject* reaction : PageObjectsOf<TReactionObject>(page)) {
    lines.push_back(LeftStr("R" + std::to_string(reaction->Number), 2) +
                    Column(reaction->ForceX, settings.MinForceValue, forceFactor) +
                    Column(reaction->ForceY, settings.MinForceValue, forceFactor) +
                    Column(reaction->Moment, settings.MinMomentValue, momentFactor));
  }
  PlaceColumn<TForceObject>(page, lines, 37, "F", forceFactor);
  PlaceColumn<TMomentObject>(page, lines, 52, "M", momentFactor);
  PlaceColumn<TLoadObject>(page, lines, 67, "q", loadFactor);

  table.X = kPageBeamLeft;
  table.Y = y;
  table.Width = kPageBeamWidth;
  // Each line is a row of character cells 0.0125 of the width wide and 5/3 as high.
  table.Height = (static_cast<double>(lines.size()) + 3) * kPageBeamWidth * 0.0125 * 5 / 3;
  y -= table.Height;
  page.Objects.push_back(std::move(table));
}

} // namespace strandel
