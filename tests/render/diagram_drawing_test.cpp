// The diagrams of the beam sheet: tick steps, the frame and its zero axes, ticks
// only inside the frame, the two curves.

#include <gtest/gtest.h>

#include <QPainter>

#include "picture_probe.h"
#include "render/diagram_drawing.h"
#include "render/picture_files.h"
#include "render/pixel_mapping.h"

namespace strandel {
namespace {

TEST(TickStep, PowerOfTenThenTheFractionWhoseCountComesNearest) {
  struct {
    int N;
    double Range;
    double Step;
    int Count;
    double Power;
  } cases[] = {
      // p = 1: counts 37, 18, 14, 7, 3 against 9: 0.5 with 7 ticks.
      {9, 3.7, 0.5, 7, 1},
      // A utilisation range: p = 100, counts 11, 5, 4, 2, 1: 20 with 5 ticks.
      {5, 110, 20, 5, 100},
      // Two significant digits make 999 a thousand: counts 9, 4, 3, 1, 0.
      {9, 999, 100, 9, 1000},
      // 950 keeps 100: counts 95, 47, 38, 19, 9: |9 - 9| wins with the step 100.
      {9, 950, 100, 9, 100},
      // p = 0.01: counts 42, 21, 16, 8, 4 against 5: 0.01 with 4.
      {5, 0.042, 0.01, 4, 0.01},
      // 0.3 / 0.1 counts 3 as the decimals say, not 2.
      {3, 0.3, 0.1, 3, 0.1},
      // Counts 12, 6, 4, 2, 1: 6 and 4 are both 1 from 5, the later fraction wins.
      {5, 1.2, 0.25, 4, 1},
  };
  for (const auto& c : cases) {
    const TickSteps ticks = TickStep(c.N, c.Range);
    EXPECT_NEAR(ticks.Step, c.Step, 1e-12 * c.Step) << c.Range;
    EXPECT_EQ(ticks.Count, c.Count) << c.Range;
    EXPECT_NEAR(ticks.Power, c.Power, 1e-12 * c.Power) << c.Range;
  }
  EXPECT_EQ(TickStep(5, 0).Count, 0);
  EXPECT_EQ(TickStep(5, -3).Step, 0);
  EXPECT_EQ(TickStep(5, NAN).Count, 0);
}

// A diagram at the page's usual place, 25 .. 185 across and 30 high.
TDiagramObject Diagram(double minX, double maxX, double minValue, double maxValue) {
  TDiagramObject d;
  d.Kind = DiagramKind::Moment;
  d.YLabel = "M";
  d.Top = 100;
  d.MinX = minX, d.MaxX = maxX, d.MinValue = minValue, d.MaxValue = maxValue;
  return d;
}

// 5 pixels a millimetre, the page from y = 50 to 130.
ViewState PageWindow() {
  return PageView(5, 0, 50, 1100, 400);
}

QImage Drawn(const TDiagramObject& diagram) {
  QImage image = BlankImage(1100, 400);
  QPainter painter(&image);
  DrawDiagram(painter, diagram, 3, PageWindow(), UnitChoice{});
  return image;
}

bool Black(const QImage& image, double x, double y) {
  return qGray(testing::ColourAt(image, PageWindow(), x, y).rgb()) < 60;
}

TEST(DiagramDrawing, AllZeroDiagramHasItsAbscissaInTheMiddle) {
  // The range +-0.55 of an all-zero diagram: the zero line at 0.55 x 30 / 1.1 =
  // 15 below the top.
  TDiagramObject d = Diagram(0, 1, -0.55, 0.55);
  const QImage image = Drawn(d);
  EXPECT_TRUE(testing::SameColour(testing::ColourAt(image, PageWindow(), 30, 95),
                                  QColor(0xEB, 0xEB, 0xEB)));
  for (double x : {40.3, 77.7, 121.1, 170.9}) {
    EXPECT_TRUE(Black(image, x, 85)) << x;
    EXPECT_FALSE(Black(image, x, 86.2)) << x;
    EXPECT_FALSE(Black(image, x, 83.8)) << x;
  }
  // The value axis at the left edge (x from 0), the abscissa's head beyond the right edge.
  EXPECT_TRUE(Black(image, 25.05, 95));
  EXPECT_TRUE(Black(image, 186, 85));
}

TEST(DiagramDrawing, TicksOnlyInsideTheFrame) {
  // Values from 0 up: the abscissa lies on the frame's bottom edge, the value
  // axis on its left edge; no tick may stand left of or below the frame.
  TDiagramObject d = Diagram(0, 6, 0, 110);
  const QImage image = Drawn(d);
  for (double y = 70 - 6; y < 70 - 0.5; y += 0.2)
    for (double x = 24; x <= 26; x += 0.2)
      EXPECT_FALSE(Black(image, x, y)) << x << ", " << y;
  for (double x = 17; x < 24.5; x += 0.2)
    for (double y = 69.6; y <= 70.4; y += 0.2)
      EXPECT_FALSE(Black(image, x, y)) << x << ", " << y;
  // Inside: the value ticks at 20 units are 30 x 20 / 110 = 5.45 apart up the
  // left edge, each crossing the axis.
  for (int k = 1; k <= 5; ++k)
    EXPECT_TRUE(Black(image, 25.6, 70 + k * 30.0 * 20 / 110)) << k;
}

TEST(DiagramDrawing, CurvesInNavyAndBlue) {
  TDiagramObject d = Diagram(0, 1, -1.1, 1.1);
  d.Kind = DiagramKind::Stress;
  d.Curve1 = {{0, 0}, {1, 1}};
  d.Curve2 = {{0, 0}, {1, -1}};
  const QImage image = Drawn(d);
  // At x = 0.5 the curves stand 0.5 x 30 / 2.2 above and below the zero line.
  const double zero = 85, offset = 0.5 * 30 / 2.2;
  EXPECT_TRUE(
      testing::ColourNear(image, PageWindow(), 105, zero + offset, QColor(0, 0, 128), 1, 30));
  EXPECT_TRUE(
      testing::ColourNear(image, PageWindow(), 105, zero - offset, QColor(0, 0, 255), 1, 30));
  EXPECT_FALSE(
      testing::ColourNear(image, PageWindow(), 105, zero - offset, QColor(0, 0, 128), 1, 30));
}

} // namespace
} // namespace strandel
