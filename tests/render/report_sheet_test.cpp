// The report on A4 sheets: the character grid, its markup and rules, the size
// that fits the widest line, and the sheets the lines need.

#include <gtest/gtest.h>

#include <QPainter>

#include "common/text.h"
#include "picture_probe.h"
#include "render/character_grid.h"
#include "render/picture_files.h"
#include "render/pixel_mapping.h"
#include "render/report_sheet.h"

namespace strandel {
namespace {

TEST(ReportSheet, MarkupTakesNoCellAndCarriesOn) {
  EXPECT_EQ(CellCharacters("|Total| ~mass~: 12 cm^2\xC2\xA8", true), U"Total mass: 12 cm2");
  EXPECT_EQ(CellCharacters("|a|", false), U"|a|");
  // The cell of a "^" comes back at the next blank: the columns after a unit stay.
  EXPECT_EQ(CellCharacters("[cm^2]   Masses [kg]", true), U"[cm2]    Masses [kg]");
  EXPECT_EQ(CellCharacters("[cm^2]   Masses", true).size(), CharacterCount("[cm^2]   Masses"));
  EXPECT_EQ(CellCharacters("R\xC3\xA4kna", true).size(), 5u); // UTF-8 letters take one cell
  TextMarkup markup = MarkupAfter("|Heading", {});
  EXPECT_TRUE(markup.Bold);
  EXPECT_FALSE(markup.Underline);
  markup = MarkupAfter("still bold| ~under", markup);
  EXPECT_FALSE(markup.Bold);
  EXPECT_TRUE(markup.Underline);
}

TEST(ReportSheet, TenPointUntilTheWidestLineNeedsLess) {
  // 10 point Courier: 6 points (2.117 mm) a character, 12 points a line; the
  // text area is 210 - 20 - 12 = 178 mm wide and 297 - 15 - 18 = 264 mm high.
  const double point = 25.4 / 72;
  std::vector<std::string> lines(130, std::string(80, 'x'));
  ReportLayout layout = LayoutReport(lines);
  EXPECT_NEAR(layout.Grid.CellWidth, 6 * point, 1e-12);
  EXPECT_NEAR(layout.Grid.CellHeight, 12 * point, 1e-12);
  EXPECT_EQ(layout.LinesPerSheet, 62); // 264 / 4.233
  EXPECT_EQ(layout.SheetCount, 3);     // 62 + 62 + 6
  EXPECT_NEAR(layout.Grid.Left, 20, 1e-12);
  EXPECT_NEAR(layout.Grid.Top, 282, 1e-12);

  // 120 characters, markup not counted, fill the width exactly.
  lines.push_back("|" + std::string(120, 'y') + "|");
  layout = LayoutReport(lines);
  EXPECT_NEAR(layout.Grid.CellWidth * 120, 178, 1e-9);
  EXPECT_GT(layout.LinesPerSheet, 62);

  EXPECT_EQ(LayoutReport({}).SheetCount, 1);
}

// Draws one line at 10 pixels a millimetre and returns the picture.
QImage Line(const std::string& text) {
  QImage image = BlankImage(1000, 100);
  const ViewState page = PageView(10, 0, 0, 1000, 100);
  CellGrid grid;
  grid.Left = 1;
  grid.Top = 8;
  grid.CellWidth = 2.5;
  grid.CellHeight = 5;
  QPainter painter(&image);
  DrawGridLine(painter, page, grid, 0, text, true);
  return image;
}

TEST(ReportSheet, BoldUnderlineAndRules) {
  EXPECT_GT(testing::DarkPixels(Line("|BOLD TEXT|")), testing::DarkPixels(Line("BOLD TEXT")) + 50);
  EXPECT_EQ(testing::DarkPixels(Line("|BOLD TEXT|")), testing::DarkPixels(Line("|BOLD TEXT")));

  // Underline runs without a break under the cells it covers, blanks included.
  const QImage underlined = Line("~a b~c");
  int row = -1;
  for (int y = 0; y < 100 && row < 0; ++y) {
    bool full = true;
    for (int x = 12; x < 10 + 3 * 25 - 2; ++x)
      full = full && qGray(underlined.pixel(x, y)) < 128;
    if (full) row = y;
  }
  ASSERT_GE(row, 0);
  EXPECT_GT(qGray(underlined.pixel(10 + 3 * 25 + 12, row)), 200); // "c" is not underlined

  // "----" and "====" are unbroken rules; "=" alone is a glyph.
  for (const char* rule : {"----------", "=========="}) {
    const QImage image = Line(rule);
    bool unbroken = false;
    for (int y = 0; y < 100 && !unbroken; ++y) {
      bool full = true;
      for (int x = 10; x < 10 + 10 * 25; ++x)
        full = full && qGray(image.pixel(x, y)) < 160;
      unbroken = full;
    }
    EXPECT_TRUE(unbroken) << rule;
  }
  const QImage lone = Line("a=b");
  for (int y = 0; y < 100; ++y)
    EXPECT_GT(qGray(lone.pixel(10 + 25 + 1, y)), 200) << y; // the "=" cell's left edge
}

} // namespace
} // namespace strandel
