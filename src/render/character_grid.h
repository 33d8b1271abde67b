#pragma once
// Text on a fixed character grid: one character per cell of a fixed width, so
// columns line up on every device whatever its fonts. The force table of the
// beam sheet and the report sheet are drawn this way; the report's lines also
// carry markup: "|" toggles bold, "~" underline, "^" raises the digits after it,
// and "^" and the diaeresis (0xA8) are not drawn. A "-" or "=" next to the same
// character is a rule through its cell, so separator lines have no gaps.

#include <string>

#include <QPainter>

#include "view/view_state.h"

namespace strandel {

// In page units; row 0 has its top edge at Top.
struct CellGrid {
  double Left = 0;
  double Top = 0;
  double CellWidth = 2;
  double CellHeight = 10.0 / 3.0;
  // The em of the font: the cell holds one fixed-pitch character (0.6 em wide).
  double FontHeight() const { return CellWidth / 0.6; }
};

// The switches the markup characters toggle; they carry on to the next line.
struct TextMarkup {
  bool Bold = false;
  bool Underline = false;
  friend bool operator==(const TextMarkup&, const TextMarkup&) = default;
};

// The characters of a line that take a cell, after its markup is taken out.
std::u32string CellCharacters(const std::string& line, bool withMarkup);

// The markup in force after the line, from the markup in force before it.
TextMarkup MarkupAfter(const std::string& line, TextMarkup before);

// Draws the line in row `row`; with `withMarkup` its markup characters act and
// take no cell. Returns the markup in force after it.
TextMarkup DrawGridLine(QPainter& painter, const ViewState& page, const CellGrid& grid, int row,
                        const std::string& line, bool withMarkup, TextMarkup markup = {});

} // namespace strandel
