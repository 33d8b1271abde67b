#include "render/character_grid.h"

#include <algorithm>
#include <vector>

#include <QFontMetricsF>
#include <QString>

#include "render/fonts.h"
#include "render/pixel_mapping.h"

namespace strandel {
namespace {

constexpr char32_t kBold = U'|';
constexpr char32_t kUnderline = U'~';
constexpr char32_t kRaise = U'^';
constexpr char32_t kDiaeresis = U'\u00A8';

std::u32string Decode(const std::string& line) {
  return QString::fromStdString(line).toStdU32String();
}

bool IsMarkup(char32_t c) {
  return c == kBold || c == kUnderline || c == kRaise || c == kDiaeresis;
}

// One drawn cell: the character and how it is drawn.
struct Cell {
  char32_t Character;
  TextMarkup Markup;
  bool Raised;
};

std::u32string CellsOf(const std::u32string& text, bool withMarkup, TextMarkup& markup,
                       std::vector<Cell>* cells) {
  std::u32string characters;
  bool raise = false;
  // A field padded to its width counted the "^" of a unit such as "[cm^2]"; the
  // next blank gets its cell back, so the columns after it stay where the
  // template put them.
  int owed = 0;
  auto add = [&](char32_t c, bool raised) {
    characters.push_back(c);
    if (cells != nullptr) cells->push_back({c, markup, raised});
  };
  for (char32_t c : text) {
    if (withMarkup && IsMarkup(c)) {
      if (c == kBold) markup.Bold = !markup.Bold;
      if (c == kUnderline) markup.Underline = !markup.Underline;
      raise = c == kRaise;
      if (raise) ++owed;
      continue;
    }
    // "^2" raises the digits (and a sign) that follow it: "cm^2", "10^-3".
    raise = raise && ((c >= U'0' && c <= U'9') || c == U'-');
    if (c == U' ' && owed > 0) {
      add(U' ', false);
      --owed;
    }
    add(c, raise);
  }
  return characters;
}

void Rule(QPainter& painter, const ViewState& page, double left, double right, double y,
          double thickness) {
  QPen pen(Qt::black);
  pen.setWidthF(std::max(1.0, thickness * page.Scale));
  pen.setCapStyle(Qt::FlatCap);
  painter.setPen(pen);
  painter.drawLine(PixelOf(page, left, y), PixelOf(page, right, y));
}

} // namespace

std::u32string CellCharacters(const std::string& line, bool withMarkup) {
  TextMarkup markup;
  return CellsOf(Decode(line), withMarkup, markup, nullptr);
}

TextMarkup MarkupAfter(const std::string& line, TextMarkup before) {
  CellsOf(Decode(line), true, before, nullptr);
  return before;
}

TextMarkup DrawGridLine(QPainter& painter, const ViewState& page, const CellGrid& grid, int row,
                        const std::string& line, bool withMarkup, TextMarkup markup) {
  std::vector<Cell> cells;
  CellsOf(Decode(line), withMarkup, markup, &cells);
  const double em = grid.FontHeight();
  const double top = grid.Top - row * grid.CellHeight;
  const double baseline = top - grid.CellHeight + 0.22 * em + (grid.CellHeight - em) / 2;
  const double pixelEm = em * page.Scale;
  if (!(pixelEm > 0)) return markup;
  const QFont regular = ProgramFont(painter, kFixedFont, pixelEm, false);
  const QFont bold = ProgramFont(painter, kFixedFont, pixelEm, true);
  const QFont small = ProgramFont(painter, kFixedFont, 0.62 * pixelEm, false);
  painter.save();
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const Cell& cell = cells[i];
    const double left = grid.Left + static_cast<double>(i) * grid.CellWidth;
    const double right = left + grid.CellWidth;
    const char32_t c = cell.Character;
    const bool sameBefore = i > 0 && cells[i - 1].Character == c;
    const bool sameAfter = i + 1 < cells.size() && cells[i + 1].Character == c;
    if ((c == U'-' || c == U'=') && (sameBefore || sameAfter)) {
      if (c == U'-') {
        Rule(painter, page, left, right, baseline + 0.3 * em, 0.07 * em);
      } else {
        Rule(painter, page, left, right, baseline + 0.2 * em, 0.06 * em);
        Rule(painter, page, left, right, baseline + 0.42 * em, 0.06 * em);
      }
    } else if (c != U' ') {
      const QFont& font = cell.Raised ? small : (cell.Markup.Bold ? bold : regular);
      const QString glyph = QString::fromStdU32String(std::u32string(1, c));
      const double advance = QFontMetricsF(font, painter.device()).horizontalAdvance(glyph);
      const QPointF at = PixelOf(page, left, cell.Raised ? baseline + 0.38 * em : baseline);
      painter.setFont(font);
      painter.setPen(Qt::black);
      // Centred in its cell, so a face of another pitch still keeps the columns.
      painter.drawText(QPointF(at.x() + (grid.CellWidth * page.Scale - advance) / 2, at.y()),
                       glyph);
    }
    if (cell.Markup.Underline) Rule(painter, page, left, right, baseline - 0.12 * em, 0.05 * em);
  }
  painter.restore();
  return markup;
}

} // namespace strandel
