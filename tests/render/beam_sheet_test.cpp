// The beam sheet: the A4 page with its frame, the free body drawn from the beam
// page's content, the force table's gapless rule, and the sheets on paper.

#include <gtest/gtest.h>

#include <QPainter>

#include "analysis/solver.h"
#include "common/text_entries.h"
#include "common/translation.h"
#include "picture_probe.h"
#include "render/beam_sheet.h"
#include "render/beam_sheet_pages.h"
#include "render/diagram_drawing.h"
#include "render/palette.h"
#include "render/picture_files.h"
#include "render/pixel_mapping.h"
#include "support/frame_models.h"

namespace strandel {
namespace {

// The whole sheet at 4 pixels a millimetre.
constexpr double kScale = 4;
ViewState Sheet() {
  return PageView(kScale, 0, 0, 840, 1188);
}

QColor At(const QImage& image, double x, double y) {
  return testing::ColourAt(image, Sheet(), x, y);
}

TEST(BeamSheet, GreyDeskWhiteSheetBlackFrame) {
  for (SheetSurround surround : {SheetSurround::Desk, SheetSurround::Paper}) {
    QImage image = BlankImage(840, 1188);
    QPainter painter(&image);
    DrawSheet(painter, Sheet(), surround);
    painter.end();
    const QColor outside = surround == SheetSurround::Desk ? QColor(128, 128, 128) : Qt::white;
    EXPECT_EQ(At(image, 2, 150), outside);
    EXPECT_EQ(At(image, 207, 295), outside);
    EXPECT_EQ(At(image, 100, 150), QColor(Qt::white));
    // The frame along (5, 5) .. (205, 292).
    EXPECT_EQ(image.pixelColor(20, 600), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(400, 20), QColor(Qt::black));
  }
}

TEST(BeamSheet, ForceTableSeparatorHasNoGaps) {
  TReactionTableObject table;
  table.Y = 200;
  table.Lines = {"   x        y", "--------------------------------     ----------", "R1  a-b"};
  QImage image = BlankImage(840, 1188);
  {
    QPainter painter(&image);
    DrawForceTable(painter, table, Sheet());
  }
  // Row 2 of cells 2 wide and 10/3 high: y from 196.67 down to 193.33.
  auto darkInColumn = [&](double x) {
    for (double y = 193.4; y < 196.6; y += 0.25)
      if (qGray(At(image, x, y).rgb()) < 160) return true;
    return false;
  };
  for (double x = 25.1; x < 25 + 32 * 2; x += 0.25)
    EXPECT_TRUE(darkInColumn(x)) << x;
  for (double x = 25 + 32 * 2 + 0.3; x < 25 + 37 * 2 - 0.3; x += 0.25)
    EXPECT_FALSE(darkInColumn(x)) << x;
  // A lone "-" is a glyph, narrower than its cell: its cell's edges stay white.
  auto darkInRow3 = [&](double x) {
    for (double y = 190.1; y < 193.3; y += 0.25)
      if (qGray(At(image, x, y).rgb()) < 160) return true;
    return false;
  };
  EXPECT_TRUE(darkInRow3(25 + 5 * 2 + 1));
  EXPECT_FALSE(darkInRow3(25 + 5 * 2 + 0.1));
}

TEST(BeamSheet, FreeBodyWithItsLoadReactionsAndDiagrams) {
  ModelDocument doc = testing::SimplySupportedBeam(6, 2000);
  ASSERT_TRUE(AnalyseModel(doc).Ok());
  doc.Settings.FBDBeamNo = 1;
  BeamPage page;
  const AppSettings settings = testing::QuietSettings();
  UpdateBeamPage(page, doc, settings);
  QImage image = BlankImage(840, 1188);
  {
    QPainter painter(&image);
    PaintBeamPage(painter, page, settings, Sheet());
  }
  // The beam from 25 to 185 at 260, 10 thick, rigid ends darker (2.5 x 10 from them).
  EXPECT_TRUE(testing::SameColour(At(image, 105, 262), FromPlatformColour(0xCCCCCC)));
  EXPECT_TRUE(testing::SameColour(At(image, 40, 262), Shaded(FromPlatformColour(0xCCCCCC), 0.7)));
  // The downward load stands on the beam's upper face.
  EXPECT_TRUE(testing::ColourNear(image, Sheet(), 106.3, 268, LoadColour(), 2));
  // Both ends are pushed up: arrows under the beam's ends, in the reaction green.
  EXPECT_TRUE(testing::ColourNear(image, Sheet(), 25, 250, ReactionColour(), 1));
  EXPECT_TRUE(testing::ColourNear(image, Sheet(), 185, 250, ReactionColour(), 1));
  // Every diagram's frame at its top, in the diagrams' grey.
  int diagrams = 0;
  for (const TDiagramObject* d : PageObjectsOf<TDiagramObject>(page)) {
    if (d->Top - d->Height < 5) continue; // below the sheet: on the next sheet of paper
    ++diagrams;
    EXPECT_TRUE(testing::SameColour(At(image, 184, d->Top - 1), QColor(0xEB, 0xEB, 0xEB)))
        << d->YLabel;
  }
  EXPECT_EQ(diagrams, 4);
}

TEST(BeamSheet, DiagramsThatRunOffTheSheetContinueWholeOnTheNext) {
  ModelDocument doc = testing::SimplySupportedBeam(6, 2000);
  ASSERT_TRUE(AnalyseModel(doc).Ok());
  doc.Settings.FBDBeamNo = 1;
  BeamPage page;
  const AppSettings settings = testing::QuietSettings();
  struct {
    int Shown;
    std::size_t Sheets;
  } cases[] = {{0, 1}, {4, 1}, {5, 2}, {7, 2}};
  for (const auto& c : cases) {
    for (int k = 0; k < kDiagramKinds; ++k)
      page.ShowDiagram[k] = k < c.Shown;
    UpdateBeamPage(page, doc, settings);
    const std::vector<BeamSheet> sheets = BeamSheets(page);
    EXPECT_EQ(sheets.size(), c.Sheets) << c.Shown;
    for (const TDiagramObject* d : PageObjectsOf<TDiagramObject>(page)) {
      const double top = d->Top + kDiagramReachAbove * page.TextHeight;
      const double bottom = d->Top - d->Height - kDiagramReachBelow * page.TextHeight;
      int holding = 0;
      for (const BeamSheet& sheet : sheets) {
        if (top > sheet.ContentTop || bottom < sheet.ContentBottom) continue;
        ++holding;
        // Inside the sheet's frame on that piece of paper.
        EXPECT_GE(bottom - sheet.OriginY, 5) << d->YLabel;
        EXPECT_LE(top - sheet.OriginY, 292) << d->YLabel;
      }
      EXPECT_EQ(holding, 1) << d->YLabel << " with " << c.Shown;
    }
  }
  // The second sheet of paper shows the fifth diagram at its top, framed.
  const std::vector<BeamSheet> sheets = BeamSheets(page);
  QImage image = BlankImage(840, 1188);
  {
    QPainter painter(&image);
    PaintBeamSheet(painter, page, settings, sheets[1], kScale, 840, 1188, SheetSurround::Paper);
  }
  const TDiagramObject* fifth = PageObjectsOf<TDiagramObject>(page)[4];
  EXPECT_TRUE(testing::SameColour(At(image, 184, fifth->Top - sheets[1].OriginY - 1),
                                  QColor(0xEB, 0xEB, 0xEB)));
  EXPECT_EQ(At(image, 2, 150), QColor(Qt::white));
}

} // namespace
} // namespace strandel

namespace strandel {
namespace {

// Dark pixels of text in the band of the sheet between two heights (mm).
int DarkPixelsBetween(const QImage& image, double low, double high) {
  int dark = 0;
  for (double y = low; y < high; y += 0.25)
    for (double x = 25; x < 150; x += 0.25)
      if (qGray(At(image, x, y).rgb()) < 100) ++dark;
  return dark;
}

TEST(BeamSheet, TheHeadOfASheetWithABeamSaysHowToReadTheSigns) {
  SetTranslations(std::vector<std::string>(tr::kLastEntry + 1, "Signs: N > 0 is tension"));
  ModelDocument beamModel = testing::SimplySupportedBeam(6, 2000);
  ASSERT_TRUE(AnalyseModel(beamModel).Ok());
  beamModel.Settings.FBDBeamNo = 1;
  ModelDocument empty;
  const AppSettings settings = testing::QuietSettings();
  for (ModelDocument* doc : {&beamModel, &empty}) {
    const bool showsBeam = doc == &beamModel;
    BeamPage page;
    UpdateBeamPage(page, *doc, settings);
    QImage image = BlankImage(840, 1188);
    {
      QPainter painter(&image);
      PaintBeamPage(painter, page, settings, Sheet());
    }
    if (showsBeam) {
      EXPECT_GT(DarkPixelsBetween(image, 289, 291), 50);     // the line on the axes
      EXPECT_GT(DarkPixelsBetween(image, 286.4, 288.4), 50); // the line on the forces
      EXPECT_GT(DarkPixelsBetween(image, 283.8, 285.8), 50); // what the table's R are
    } else {
      EXPECT_EQ(DarkPixelsBetween(image, 283, 291), 0); // no beam, nothing to read
    }
  }
  SetTranslations({});
}

} // namespace
} // namespace strandel
