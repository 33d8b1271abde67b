// Arrows point the way their loads act: a push ends at its point, a pull starts
// there; the reactions on the beam sheet likewise.

#include <gtest/gtest.h>

#include <QPainter>

#include "picture_probe.h"
#include "render/beam_sheet.h"
#include "render/palette.h"
#include "render/picture_files.h"
#include "render/pixel_mapping.h"
#include "render/reaction_symbol.h"
#include "support/frame_models.h"

namespace strandel {
namespace {

// How many pixels of the row at height y between x0 and x1 have the colour.
int RunLength(const QImage& image, const ViewState& view, double y, double x0, double x1,
              const QColor& colour) {
  int count = 0;
  for (double x = x0; x <= x1; x += 1 / view.Scale)
    count += testing::SameColour(testing::ColourAt(image, view, x, y), colour, 8) ? 1 : 0;
  return count;
}

TEST(Arrows, ForceArrowHeadWhereTheForceActs) {
  // LoadHeight 1: arrows 1.5 long, shafts 0.3 wide, heads 0.525 long and 0.75 wide.
  const ViewState view = testing::TestView(100, -1, -1, 400, 400);
  for (double value : {-1000.0, 1000.0}) {
    ModelDocument doc = testing::EmptyModel();
    doc.Settings.LoadHeight = 1;
    testing::AddNode(doc, 1, 1, 0);
    testing::AddForce(doc, 1, 1, value, kPi / 2); // drawn above the node
    const QImage image = testing::DrawnModel(doc, testing::QuietSettings(), view);
    // Just inside the end near the node and the end far from it.
    const int nearNode = RunLength(image, view, 0.35, 0.5, 1.5, ForceColour());
    const int farEnd = RunLength(image, view, 1.2, 0.5, 1.5, ForceColour());
    if (value < 0) {
      EXPECT_GT(nearNode, farEnd + 8) << "a push has its head at the node";
    } else {
      EXPECT_GT(farEnd, nearNode + 8) << "a pull has its head away from the node";
    }
  }
}

TEST(Arrows, ReactionsPointTheWayTheyActOnTheBeam) {
  const ViewState page = PageView(10, 0, 200, 2100, 1000);
  BeamPage sheet;
  const SymbolSizes sizes = PageSizes(sheet);
  AppSettings settings;
  for (double fy : {500.0, -500.0}) {
    TReactionObject reaction;
    reaction.Number = 1;
    reaction.X = kPageBeamLeft;
    reaction.Y = kPageBeamY - 9;
    reaction.ForceY = fy;
    QImage image = BlankImage(2100, 1000);
    {
      QPainter painter(&image);
      DrawReaction(painter, reaction, DrawStyle::Body, sizes, settings, page);
    }
    // The arrow under the beam's left end runs from its face (255) 9 down; the
    // head is 3.2 long. 1.8 from the face and 1.8 from the far end:
    const int nearFace = RunLength(image, page, 253.2, 20, 30, ReactionColour());
    const int farEnd = RunLength(image, page, 247.8, 20, 30, ReactionColour());
    if (fy > 0) {
      EXPECT_GT(nearFace, farEnd + 5) << "pushing up against the beam";
    } else {
      EXPECT_GT(farEnd, nearFace + 5) << "pulling the beam down";
    }
  }
  // A component at or below the threshold is not drawn.
  TReactionObject small;
  small.X = kPageBeamLeft;
  small.ForceY = settings.MinForceValue;
  QImage image = BlankImage(2100, 1000);
  {
    QPainter painter(&image);
    DrawReaction(painter, small, DrawStyle::Body, sizes, settings, page);
  }
  EXPECT_EQ(RunLength(image, page, 250, 20, 30, ReactionColour()), 0);
}

} // namespace
} // namespace strandel
