// The title line of printed and exported sheets: its words in the program's
// language, its place in the margin above the frame of an A4 sheet (the report's
// foot number giving way to it), and the model sheet's title band above the model.

#include <gtest/gtest.h>

#include <QPainter>

#include "analysis/solver.h"
#include "common/text_entries.h"
#include "common/translation.h"
#include "picture_probe.h"
#include "render/beam_sheet_pages.h"
#include "render/model_sheet.h"
#include "render/picture_files.h"
#include "render/pixel_mapping.h"
#include "render/report_sheet.h"
#include "render/sheet_title.h"
#include "support/frame_models.h"

namespace strandel {
namespace {

constexpr double kScale = 4; // pixels a millimetre on an A4 image of 840 x 1188
ViewState Sheet() {
  return PageView(kScale, 0, 0, 840, 1188);
}

// Dark pixels in the rectangle of page points (x1, y1) .. (x2, y2).
int DarkIn(const QImage& image, const ViewState& page, double x1, double y1, double x2, double y2) {
  int dark = 0;
  for (double y = y1; y < y2; y += 1 / page.Scale)
    for (double x = x1; x < x2; x += 1 / page.Scale)
      if (qGray(testing::ColourAt(image, page, x, y).rgb()) < 100) ++dark;
  return dark;
}

TEST(SheetTitle, TextsNameModelBeamSheetAndDate) {
  SheetTitle base;
  base.FileName = "frame.qsd";
  base.Date = "2024-05-06";
  SheetTitle beam = base;
  beam.BeamNo = 12;
  struct Case {
    SheetTitle Title;
    std::vector<std::string> Language; // the title entries; none: the built-in English
    const char* Left;
    const char* Right;
  };
  const Case cases[] = {
      {OnSheet(beam, 0, 2), {}, "frame.qsd   Beam 12", "Page 1 of 2   2024-05-06"},
      {OnSheet(base, 2, 3), {}, "frame.qsd", "Page 3 of 3   2024-05-06"},
      {base, {}, "frame.qsd", "2024-05-06"}, // a picture of one page: no page count
      {OnSheet(beam, 1, 2),
       {"Balk %1", "Sida %1 av %2"},
       "frame.qsd   Balk 12",
       "Sida 2 av 2   2024-05-06"},
  };
  for (const Case& c : cases) {
    if (!c.Language.empty()) {
      std::vector<std::string> entries(tr::kLastEntry + 1, "?");
      entries[tr::kSheetTitleBeam] = c.Language[0];
      entries[tr::kSheetTitlePage] = c.Language[1];
      SetTranslations(entries);
    }
    const TitleTexts texts = SheetTitleTexts(c.Title);
    EXPECT_EQ(texts.Left, c.Left);
    EXPECT_EQ(texts.Right, c.Right);
    SetTranslations({});
  }
  // Printed today.
  EXPECT_EQ(TitleFor("a.qsd").Date.size(), 10u);
  EXPECT_EQ(TitleFor("a.qsd", 4).BeamNo, 4);
}

TEST(SheetTitle, StandsInTheMarginAboveTheFrame) {
  SheetTitle title = OnSheet(TitleFor("frame.qsd", 1), 0, 1);
  QImage image = BlankImage(840, 1188);
  {
    QPainter painter(&image);
    DrawSheet(painter, Sheet(), SheetSurround::Paper);
    DrawSheetTitle(painter, Sheet(), title);
  }
  // Left half from the frame's left edge, right half ending at its right edge,
  // both between the frame (292) and the paper's edge (297).
  EXPECT_GT(DarkIn(image, Sheet(), 5, 292.6, 40, 297), 100);
  EXPECT_GT(DarkIn(image, Sheet(), 170, 292.6, 205, 297), 100);
  EXPECT_EQ(DarkIn(image, Sheet(), 0, 292.6, 4.5, 297), 0);
  EXPECT_EQ(DarkIn(image, Sheet(), 205.5, 292.6, 210, 297), 0);
  EXPECT_EQ(DarkIn(image, Sheet(), 20, 250, 190, 291.5), 0); // nothing inside the frame
}

TEST(SheetTitle, AReportSheetIsNumberedByItsTitleOnPaperAndAtItsFootOnScreen) {
  const std::vector<std::string> lines(70, "line");
  const ReportLayout layout = LayoutReport(lines);
  ASSERT_EQ(layout.SheetCount, 2);
  const SheetTitle title = OnSheet(TitleFor("frame.qsd"), 1, 2);
  for (bool titled : {false, true}) {
    QImage image = BlankImage(840, 1188);
    {
      QPainter painter(&image);
      DrawReportSheet(painter, lines, layout, 1, Sheet(), SheetSurround::Paper,
                      titled ? &title : nullptr);
    }
    const int foot = DarkIn(image, Sheet(), 150, 6, 200, 14);
    const int head = DarkIn(image, Sheet(), 5, 292.6, 205, 297);
    EXPECT_EQ(foot > 0, !titled);
    EXPECT_EQ(head > 0, titled);
  }
}

TEST(SheetTitle, TheModelSheetKeepsTheModelBelowItsTitle) {
  const ModelDocument doc = testing::SimplySupportedBeam(6, 2000);
  // A4 across at 4 pixels a millimetre.
  const int width = 1188, height = 840;
  const ViewState page = PageView(kScale, 0, 0, width, height);
  QImage image = BlankImage(width, height);
  {
    QPainter painter(&image);
    DrawModelSheet(painter, doc, testing::QuietSettings(), TitleFor("beam.qsd"), width, height,
                   kScale);
  }
  const QColor load(244, 244, 0);
  int loadInBand = 0, loadBelow = 0;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (testing::SameColour(image.pixelColor(x, y), load, 8))
        ++(y < kModelTitleBand * kScale ? loadInBand : loadBelow);
  EXPECT_EQ(loadInBand, 0);
  EXPECT_GT(loadBelow, 100);
  // The title's text and its rule are in the band, left and right.
  EXPECT_GT(DarkIn(image, page, 5, 210 - 5, 30, 210 - 2), 20);
  EXPECT_GT(DarkIn(image, page, 270, 210 - 5, 292, 210 - 2), 20);
  EXPECT_GT(DarkIn(image, page, 100, 210 - 7, 200, 210 - 6), 100);
}

} // namespace
} // namespace strandel
