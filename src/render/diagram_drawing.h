#pragma once
// One result diagram of the beam sheet: the grey frame, the two axes through the
// zero point with their arrow heads, captions with the unit and the power of ten
// of the axis's range, ticks at round values inside the frame, and the curves.

#include <QPainter>

#include "analysis/beam_page.h"
#include "units/units.h"
#include "view/view_state.h"

namespace strandel {

struct TickSteps {
  double Step = 0;     // display units between ticks: Fraction x Power
  int Count = 0;       // ticks the range holds
  double Power = 0;    // the power of ten of the range
  double Fraction = 0; // 0.1, 0.2, 0.25, 0.5 or 1
};

// The tick step that puts about n ticks into the range R (display units): the
// power of ten of R (with R rounded to two significant digits, so 999 gives
// 1000), then of the fractions 0.1, 0.2, 0.25, 0.5 and 1 of it the one whose
// count trunc(R / step) comes nearest n, a later fraction winning a tie.
// All zero for a range that is not a positive finite number.
TickSteps TickStep(int n, double range);

// The unit name of a diagram's values ("[KN]", "[Deg]"); empty for the
// utilisation, whose label "U[%]" carries its unit.
std::string DiagramUnitName(DiagramKind kind, const UnitChoice& units);

// Draws the diagram in page units with `textHeight` as the base of its pen
// widths and captions.
void DrawDiagram(QPainter& painter, const TDiagramObject& diagram, double textHeight,
                 const ViewState& page, const UnitChoice& units);

// How far the diagram's captions and tick labels reach above its top and below
// its bottom, in text heights.
inline constexpr double kDiagramReachAbove = 1.0;
inline constexpr double kDiagramReachBelow = 1.2;

} // namespace strandel
