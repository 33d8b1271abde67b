// The model picture drawn into an image: which object lies on top, the colours
// of every kind and of a selection, the utilisation colouring, the displaced
// shape and the sizes that follow BeamHeight.

#include <cmath>

#include <gtest/gtest.h>

#include "analysis/solver.h"
#include "picture_probe.h"
#include "render/palette.h"
#include "support/frame_models.h"

namespace strandel {
namespace {

using testing::ColourAt;
using testing::Describe;
using testing::SameColour;

// 100 pixels per metre, the model window x -1..7, y -1.5..4.5.
ViewState Window() {
  return testing::TestView(100, -1, -1.5, 800, 600);
}

// One object of every kind, apart from each other: BeamHeight 0.2 and
// LoadHeight 1 make every symbol large enough to probe its inside.
ModelDocument EveryKind(bool selected) {
  ModelDocument doc = testing::EmptyModel();
  doc.Settings.BeamHeight = 0.2;
  doc.Settings.LoadHeight = 1.0;
  testing::AddNode(doc, 1, 0, 3.5);
  testing::AddNode(doc, 2, 0, 0);
  testing::AddNode(doc, 3, 2, 0);
  TBeamObject& beam = testing::AddBeam(doc, 1, 2, 3, /*locked1=*/true, /*locked2=*/false);
  beam.BeamColor = 0x336699; // platform order: red 0x99, green 0x66, blue 0x33
  testing::AddNodeOnBeam(doc, 4, 1, 0.75);
  testing::AddNode(doc, 5, 3.5, 0);
  testing::AddSupport(doc, 1, 5, /*rolled=*/false, /*direction=*/1);
  testing::AddNode(doc, 6, 4.5, 0);
  testing::AddNode(doc, 7, 6.5, 0);
  testing::AddBeam(doc, 2, 6, 7, false, false);
  TLoadObject& load = testing::AddLoad(doc, 1, 2, -1, -1, -1000, kPi / 2);
  load.X1 = 4.8, load.Y1 = 0, load.X2 = 5.0, load.Y2 = 0;
  testing::AddNode(doc, 8, 0, 2);
  testing::AddForce(doc, 1, 8, 1000, 0);
  testing::AddNode(doc, 9, 3.5, 2.5);
  testing::AddMoment(doc, 1, 9, 500);
  for (auto& object : doc.GraphObjects)
    if (KindOf(*object) != ObjectKind::Node || selected) SelectedFlag(*object) = selected;
  return doc;
}

struct Probe {
  const char* What;
  double X, Y;
  QColor Colour;
};

TEST(ModelPicture, EveryKindInItsColourAndSelectionShadedTo60Percent) {
  const QColor beam(0x99, 0x66, 0x33);
  const Probe probes[] = {
      {"free node", 0, 3.5, FreeNodeColour()},
      {"node on a beam", 1.5, 0, BeamNodeColour()},
      {"beam", 1.0, 0, beam},
      // The first 2.5 BeamHeights (0.5 m) of a rigid end: 0.7 of the beam's colour.
      {"rigid end", 0.3, 0, QColor(107, 71, 36)},
      {"support triangle", 3.5, -0.3, SupportColour()},
      {"base plate", 3.5, -0.435, SupportPlateColour()},
      {"load band", 4.9, 0.6, LoadColour()},
      {"force arrow", 0.6, 2.0, ForceColour()},
      {"moment arc", 3.5, 2.85, MomentColour()},
      // The shadow lies round(0.3 x 0.2 x 100) = 6 pixels right of and below the beam.
      {"beam shadow", 1.0, -0.13, ShadowColour()},
  };
  const ViewState view = Window();
  const QImage plain = testing::DrawnModel(EveryKind(false), testing::QuietSettings(), view);
  const QImage chosen = testing::DrawnModel(EveryKind(true), testing::QuietSettings(), view);
  for (const Probe& probe : probes) {
    const QColor found = ColourAt(plain, view, probe.X, probe.Y);
    EXPECT_TRUE(SameColour(found, probe.Colour))
        << probe.What << ": " << Describe(found) << " instead of " << Describe(probe.Colour);
    // Each component times 0.6, rounded; the shadow keeps its grey.
    const QColor shaded = std::string(probe.What) == "beam shadow"
                              ? probe.Colour
                              : QColor(static_cast<int>(std::lround(probe.Colour.red() * 0.6)),
                                       static_cast<int>(std::lround(probe.Colour.green() * 0.6)),
                                       static_cast<int>(std::lround(probe.Colour.blue() * 0.6)));
    const QColor selected = ColourAt(chosen, view, probe.X, probe.Y);
    EXPECT_TRUE(SameColour(selected, shaded))
        << probe.What << " selected: " << Describe(selected) << " instead of " << Describe(shaded);
  }
}

TEST(ModelPicture, LaterPassesLieOnTop) {
  ModelDocument doc = testing::EmptyModel();
  doc.Settings.BeamHeight = 0.2;
  doc.Settings.LoadHeight = 1.0;
  testing::AddNode(doc, 1, 0, 0);
  testing::AddNode(doc, 2, 4, 0);
  testing::AddBeam(doc, 1, 1, 2, false, false).BeamColor = 0x0000FF; // red
  testing::AddNodeOnBeam(doc, 3, 1, 0.5);                            // at (2, 0)
  // A support under node 4 with a beam hanging down through its triangle.
  testing::AddNode(doc, 4, 5.5, 0);
  testing::AddNode(doc, 5, 5.5, -1);
  testing::AddBeam(doc, 2, 4, 5, false, false).BeamColor = 0x0000FF;
  testing::AddSupport(doc, 1, 4, false, /*direction=*/1);
  // A load band from the beam's centre line upwards, and a force pushing on it.
  testing::AddLoad(doc, 1, 1, 1, 3, -1000, kPi / 2);
  testing::AddNode(doc, 6, 3, 0).HostBeam = 1;
  testing::AddForce(doc, 1, 6, -1000, kPi / 2);

  const ViewState view = Window();
  const QImage image = testing::DrawnModel(doc, testing::QuietSettings(), view);
  const Probe probes[] = {
      {"node above its beam", 2, 0, BeamNodeColour()},
      {"support above the beam through it", 5.5, -0.3, SupportColour()},
      {"beam above its load", 0.5, 0.05, QColor(255, 0, 0)},
      {"load band beyond the beam", 0.5, 0.6, LoadColour()},
      {"force above the beam it pushes on", 3, 0.09, ForceColour()},
  };
  for (const Probe& probe : probes) {
    const QColor found = ColourAt(image, view, probe.X, probe.Y);
    EXPECT_TRUE(SameColour(found, probe.Colour))
        << probe.What << ": " << Describe(found) << " instead of " << Describe(probe.Colour);
  }
}

TEST(ModelPicture, UtilisationColouringGreenBelowFullAndRedAbove) {
  // S235, 0.1 x 0.2 m over 6 m: M = q L^2 / 8 is 9 kNm for 2 kN/m, far below the
  // section's roughly 140 kNm, and 1800 kNm for 400 kN/m, far above.
  const ViewState view = testing::TestView(100, -0.5, -1.5, 700, 300);
  struct Case {
    double Q;
    QColor Colour;
  } cases[] = {{2000, UtilisationOkColour()}, {400000, UtilisationExceededColour()}};
  for (const Case& c : cases) {
    ModelDocument doc = testing::SimplySupportedBeam(6, c.Q);
    ASSERT_TRUE(AnalyseModel(doc).Ok());
    doc.ShowUtilisation = true;
    QImage image = testing::DrawnModel(doc, testing::QuietSettings(), view);
    // The middle of the first stretch (node 2 splits the beam at mid-span).
    QColor found = ColourAt(image, view, 1.5, 0);
    EXPECT_TRUE(SameColour(found, c.Colour)) << c.Q << ": " << Describe(found);

    // Results out of date: no colouring, the beam's own grey.
    doc.ResultsValid = false;
    image = testing::DrawnModel(doc, testing::QuietSettings(), view);
    found = ColourAt(image, view, 1.5, 0);
    EXPECT_TRUE(SameColour(found, FromPlatformColour(0xCCCCCC))) << Describe(found);
  }
}

TEST(ModelPicture, DisplacedShapeAtFivePercentOfTheModelSize) {
  ModelDocument doc = testing::SimplySupportedBeam(6, 2000);
  ASSERT_TRUE(AnalyseModel(doc).Ok());
  doc.ShowDisplacements = true;
  const ViewState view = testing::TestView(100, -0.5, -1.5, 700, 300);
  // The drawing extents run 2 BeamHeights beyond the nodes at 0 and 6 m: 6.44 m
  // wide, taller than nothing else, so the largest deflection (at mid-span) is
  // drawn 0.05 x 6.44 = 0.322 m below the beam.
  QImage image = testing::DrawnModel(doc, testing::QuietSettings(), view);
  EXPECT_TRUE(testing::ColourNear(image, view, 3, -0.322, DisplacedShapeColour(), 1, 40));
  EXPECT_FALSE(testing::ColourNear(image, view, 3, -0.25, DisplacedShapeColour(), 1, 80));

  doc.ShowDisplacements = false;
  image = testing::DrawnModel(doc, testing::QuietSettings(), view);
  EXPECT_FALSE(testing::ColourNear(image, view, 3, -0.322, DisplacedShapeColour(), 3, 80));
}

TEST(ModelPicture, BeamHeightSizesNodesAndBeams) {
  // Radius round(BeamHeight x Scale x 0.5 + 0.5): 6 pixels for 0.1 m, 11 for 0.2 m
  // at 100 pixels per metre; a beam is BeamHeight thick.
  for (double height : {0.1, 0.2}) {
    ModelDocument doc = testing::EmptyModel();
    doc.Settings.BeamHeight = height;
    testing::AddNode(doc, 1, 1, 1);
    testing::AddNode(doc, 2, 2, 3);
    testing::AddNode(doc, 3, 5, 3);
    testing::AddBeam(doc, 1, 2, 3, false, false);
    const ViewState view = Window();
    const QImage image = testing::DrawnModel(doc, testing::QuietSettings(), view);
    const bool large = height > 0.15;
    EXPECT_EQ(SameColour(ColourAt(image, view, 1.085, 1), FreeNodeColour()), large) << height;
    EXPECT_TRUE(SameColour(ColourAt(image, view, 1.045, 1), FreeNodeColour())) << height;
    EXPECT_EQ(SameColour(ColourAt(image, view, 3.5, 3.075), FromPlatformColour(0xCCCCCC)), large)
        << height;
  }
}

TEST(ModelPicture, LabelsFollowTheDisplaySwitches) {
  ModelDocument doc = testing::EmptyModel();
  testing::AddNode(doc, 1, 0, 0);
  testing::AddNode(doc, 2, 4, 0);
  testing::AddBeam(doc, 1, 1, 2, false, false);
  const ViewState view = Window();
  AppSettings settings = testing::QuietSettings();
  const int bare = testing::DarkPixels(testing::DrawnModel(doc, settings, view));
  settings.ShowBeamNumbers = true;
  const int numbered = testing::DarkPixels(testing::DrawnModel(doc, settings, view));
  EXPECT_GT(numbered, bare + 20);
  settings.ShowBeamNumbers = false;
  ModelPictureOptions options;
  options.ForceNodeNumbers = true;
  const int nodes = testing::DarkPixels(testing::DrawnModel(doc, settings, view, options));
  EXPECT_GT(nodes, bare + 40);
}

TEST(ModelPicture, EmptyModelIsBlankWithoutGridAndGridOnlyWithIt) {
  const ModelDocument doc = testing::EmptyModel();
  const ViewState view = Window();
  TGridObject grid;
  grid.LengthFactor = 100; // centimetres: lines every 20 cm, 20 pixels apart
  for (std::uint16_t type : {kNoGrid, kCartesianGrid, kAngulatedGrid, kPolarGrid}) {
    grid.GridType = type;
    ModelPictureOptions options;
    options.Grid = &grid;
    const QImage image = testing::DrawnModel(doc, testing::QuietSettings(), view, options);
    int gridPixels = 0, other = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const QColor c = image.pixelColor(x, y);
        // Smoothed lines blend the grid colour into white, nothing else.
        const bool gridShade = std::abs(c.green() - c.blue()) <= 3 && c.red() <= c.green() + 3 &&
                               c.red() >= 150 && c.green() >= 200;
        if (SameColour(c, GridColour(), 2))
          ++gridPixels;
        else if (!gridShade && !SameColour(c, Qt::white))
          ++other;
      }
    EXPECT_EQ(other, 0) << "grid type " << type;
    if (type == kNoGrid) {
      EXPECT_EQ(gridPixels, 0);
    } else {
      EXPECT_GT(gridPixels, 2000) << "grid type " << type;
    }
    if (type == kCartesianGrid) {
      // Lines at every multiple of 0.2 m, the axis x = 0 three pixels wide.
      int axis = 0, fine = 0;
      for (int dx = -3; dx <= 3; ++dx) {
        axis +=
            SameColour(ColourAt(image, view, 0 + dx / 100.0 + 0.005, 1.1), GridColour()) ? 1 : 0;
        fine +=
            SameColour(ColourAt(image, view, 1 + dx / 100.0 + 0.005, 1.1), GridColour()) ? 1 : 0;
      }
      EXPECT_EQ(axis, 3);
      EXPECT_EQ(fine, 1);
      EXPECT_TRUE(SameColour(ColourAt(image, view, 1.1 + 0.005, 1.1), Qt::white));
    }
  }
}

} // namespace
} // namespace strandel
