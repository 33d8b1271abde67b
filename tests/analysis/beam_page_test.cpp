// The beam page: the choice of beam, the free body in equilibrium, the reactions
// and their thresholds, the force table text and the diagrams' points and ranges.

#include "analysis/beam_page.h"

#include <cmath>

#include <gtest/gtest.h>

#include "analysis/diagram.h"
#include "analysis/force_table.h"
#include "analysis/free_body.h"
#include "analysis/solver.h"
#include "common/geometry.h"
#include "support/frame_models.h"

namespace strandel {
namespace {

using testing::AddBeam;
using testing::AddForce;
using testing::AddLoad;
using testing::AddMoment;
using testing::AddNode;
using testing::AddNodeOnBeam;
using testing::AddSupport;

AppSettings KiloNewtonSettings() {
  AppSettings settings;
  settings.Units.Force = 2;    // [KN]
  settings.Units.Moment = 2;   // [KNm]
  settings.Units.DistLoad = 2; // [KN/m]
  return settings;
}

BeamPage PageOf(ModelDocument& doc, const AppSettings& settings, long beam) {
  doc.Settings.FBDBeamNo = beam;
  BeamPage page;
  UpdateBeamPage(page, doc, settings);
  return page;
}

TEST(BeamPage, ChoiceListFollowsTheModel) {
  ModelDocument doc = testing::EmptyModel();
  AddNode(doc, 1, 0, 0);
  AddNode(doc, 2, 1, 0);
  AddBeam(doc, 4, 1, 2);
  AddBeam(doc, 7, 2, 1);
  BeamPage page;
  doc.Settings.FBDBeamNo = 7;
  FillBeamChoice(page, doc);
  EXPECT_EQ(page.BeamChoice, (std::vector<std::string>{"Beam; 4", "Beam; 7"}));
  EXPECT_EQ(page.ChoiceIndex, 1);
  EXPECT_EQ(doc.Settings.FBDBeamNo, 7);
  doc.Settings.FBDBeamNo = 99; // gone: the first line is taken
  FillBeamChoice(page, doc);
  EXPECT_EQ(page.ChoiceIndex, 0);
  EXPECT_EQ(doc.Settings.FBDBeamNo, 4);
  ChooseBeam(page, doc, AppSettings{}, 1);
  EXPECT_EQ(doc.Settings.FBDBeamNo, 7);
  EXPECT_EQ(page.ChoiceIndex, 1);

  // Without beams the number stays and the page holds only the table's head.
  ModelDocument empty = testing::EmptyModel();
  empty.Settings.FBDBeamNo = 3;
  UpdateBeamPage(page, empty, AppSettings{});
  EXPECT_TRUE(page.BeamChoice.empty());
  EXPECT_EQ(empty.Settings.FBDBeamNo, 3);
  ASSERT_EQ(page.Objects.size(), 1u);
  EXPECT_EQ(std::get<TReactionTableObject>(page.Objects[0]).Lines.size(), 2u);
}

// A 6 m simple beam under 2 kN/m with a node at mid-span carrying 5 kN down and a
// counter-clockwise moment of 1.5 kNm. By moments about the left support the
// right one carries (36 + 15 - 1.5)/6 = 8.25 kN, the left one 17 - 8.25 = 8.75 kN.
ModelDocument LoadedSimpleBeam() {
  ModelDocument doc = testing::SimplySupportedBeam(6, 2000);
  AddForce(doc, 1, 2, 5000, -kPi / 2);
  AddMoment(doc, 1, 2, 1500);
  return doc;
}

TEST(BeamPage, ForceTableText) {
  ModelDocument doc = LoadedSimpleBeam();
  ASSERT_TRUE(AnalyseModel(doc).Ok());
  const BeamPage page = PageOf(doc, KiloNewtonSettings(), 1);
  const auto tables = PageObjectsOf<TReactionTableObject>(page);
  ASSERT_EQ(tables.size(), 1u);
  const std::vector<std::string> expected = {
      "       x[KN]     y[KN]    m[KNm]     F[KN]          M[KNm]         q[KN/m]      ",
      "--------------------------------     -------------------------------------------",
      "R1                8.75               F1         -5  M1        1.5  q1         -2",
      "R2                8.25          ",
  };
  EXPECT_EQ(tables[0]->Lines, expected);
  EXPECT_EQ(tables[0]->Y, 230);
  EXPECT_NEAR(tables[0]->Height, 7 * 160 * 0.0125 * 5 / 3, 1e-12);
  // The page force points the other way with its magnitude negated, so that its
  // angle lies in [0, pi].
  const auto forces = PageObjectsOf<TForceObject>(page);
  ASSERT_EQ(forces.size(), 1u);
  EXPECT_NEAR(forces[0]->Angle, kPi / 2, 1e-12);
  EXPECT_EQ(forces[0]->Value, -5000);
  EXPECT_EQ(forces[0]->X, 105);
}

TEST(BeamPage, ReactionsBelowTheThresholdsAreLeftOff) {
  ModelDocument doc = LoadedSimpleBeam();
  ASSERT_TRUE(AnalyseModel(doc).Ok());
  AppSettings settings = KiloNewtonSettings();
  settings.MinForceValue = 8500; // between the two reactions
  const BeamPage page = PageOf(doc, settings, 1);
  const auto reactions = PageObjectsOf<TReactionObject>(page);
  ASSERT_EQ(reactions.size(), 1u);
  EXPECT_EQ(reactions[0]->Number, 1);
  EXPECT_EQ(reactions[0]->NodeNo, 1);
  EXPECT_NEAR(reactions[0]->ForceY, 8750, 1e-6);
  // A component at or below its threshold is blank in the table, too.
  settings.MinForceValue = 8750.5;
  const BeamPage none = PageOf(doc, settings, 1);
  EXPECT_TRUE(PageObjectsOf<TReactionObject>(none).empty());
}

TEST(BeamPage, FreeBodyOfAnInclinedBeamIsInEquilibrium) {
  // Beam 1 rises from node 1 at (0, 0) to node 2 at (4, 3), 5 m long, under
  // 1 kN/m downward; a hanger from node 3 on it (at 40 %) down to a pin at node 4;
  // pins at nodes 1 and 2; at node 3 a horizontal 2 kN and 500 Nm. The hanger's
  // own load reaches beam 1 only through the hanger. Everything on the page is in
  // the beam's axes, so the free body must balance in them.
  ModelDocument doc = testing::EmptyModel();
  AddNode(doc, 1, 0, 0);
  AddNode(doc, 2, 4, 3);
  AddBeam(doc, 1, 1, 2);
  AddNodeOnBeam(doc, 3, 1, 0.4);
  AddNode(doc, 4, 1.6, -2);
  AddBeam(doc, 2, 3, 4);
  AddSupport(doc, 1, 1);
  AddSupport(doc, 2, 2);
  AddSupport(doc, 3, 4);
  AddLoad(doc, 1, 1, 1, 2, 1000, -kPi / 2);
  AddLoad(doc, 2, 2, 3, 4, 3000, 0);
  AddForce(doc, 1, 3, 2000, 0);
  AddMoment(doc, 1, 3, 500);
  ASSERT_TRUE(AnalyseModel(doc).Ok());
  AppSettings settings;
  settings.MinForceValue = settings.MinMomentValue = 0;
  const BeamPage page = PageOf(doc, settings, 1);

  const double L = 5;
  auto along = [L](double pageX) { return (pageX - 25) / 160 * L; };
  double fx = 0, fy = 0, m = 0; // moments about the beam's start
  const auto reactions = PageObjectsOf<TReactionObject>(page);
  ASSERT_EQ(reactions.size(), 3u);
  for (const TReactionObject* r : reactions) {
    fx += r->ForceX;
    fy += r->ForceY;
    m += r->Moment + along(r->X) * r->ForceY;
  }
  EXPECT_EQ(reactions[1]->NodeNo, 3);
  EXPECT_EQ(reactions[1]->X, 25 + 0.4 * 160);
  for (const TForceObject* f : PageObjectsOf<TForceObject>(page)) {
    fx += f->Value * std::cos(f->Angle);
    fy += f->Value * std::sin(f->Angle);
    m += along(f->X) * f->Value * std::sin(f->Angle);
  }
  for (const TMomentObject* moment : PageObjectsOf<TMomentObject>(page))
    m += moment->Value;
  const auto loads = PageObjectsOf<TLoadObject>(page);
  ASSERT_EQ(loads.size(), 1u);
  EXPECT_EQ(loads[0]->Number, 1);
  for (const TLoadObject* load : loads) {
    const double a1 = along(load->X1), a2 = along(load->X2);
    const double total = load->Value * std::fabs(a2 - a1);
    fx += total * std::cos(load->Angle);
    fy += total * std::sin(load->Angle);
    m += (a1 + a2) / 2 * total * std::sin(load->Angle);
  }
  EXPECT_NEAR(fx, 0, 1e-6);
  EXPECT_NEAR(fy, 0, 1e-6);
  EXPECT_NEAR(m, 0, 1e-6);
  // The node on the beam is drawn where its reaction acts.
  const auto nodes = PageObjectsOf<TNodeObject>(page);
  ASSERT_EQ(nodes.size(), 1u);
  EXPECT_EQ(nodes[0]->Number, 3);
}

TEST(BeamPage, DiagramsOfASimpleBeam) {
  const double L = 6, q = 2000;
  ModelDocument doc = testing::SimplySupportedBeam(L, q);
  ASSERT_TRUE(AnalyseModel(doc).Ok());
  AppSettings settings;
  const BeamPage page = PageOf(doc, settings, 1);
  const auto diagrams = PageObjectsOf<TDiagramObject>(page);
  ASSERT_EQ(diagrams.size(), 7u);
  const double tableBottom = 230 - PageObjectsOf<TReactionTableObject>(page)[0]->Height;
  for (std::size_t i = 0; i < diagrams.size(); ++i) {
    const TDiagramObject& d = *diagrams[i];
    EXPECT_EQ(static_cast<int>(d.Kind), static_cast<int>(i) + 1);
    EXPECT_NEAR(d.Top, tableBottom - 45 * static_cast<double>(i), 1e-9);
    // Two stretches: 42 points, the 21st and 22nd at the shared end.
    ASSERT_EQ(d.Curve1.size(), 42u) << d.YLabel;
    EXPECT_EQ(d.Curve1[20].X, d.Curve1[21].X);
    EXPECT_EQ(d.Curve2.size(), d.Kind == DiagramKind::Stress ? 42u : 0u);
  }
  EXPECT_EQ(diagrams[0]->YLabel, "N");
  EXPECT_EQ(diagrams[6]->YLabel, "U[%]");
  EXPECT_EQ(diagrams[3]->YUnitFactor, 57.29577951308232); // slopes in degrees

  // Shear runs linearly from py L/2 to -py L/2 with py = -q, the load along
  // the local y axis; the moment reaches q L^2/8 at mid-span; the range is
  // widened by a tenth.
  const TDiagramObject& shear = *diagrams[1];
  EXPECT_NEAR(shear.Curve1.front().Y, -q * L / 2, 1e-6);
  EXPECT_NEAR(shear.Curve1.back().Y, q * L / 2, 1e-6);
  EXPECT_NEAR(shear.Curve1[10].Y, -q * L / 4, 1e-6);
  EXPECT_NEAR(shear.MaxValue, 1.1 * q * L / 2, 1e-6);
  EXPECT_NEAR(shear.MinValue, -1.1 * q * L / 2, 1e-6);
  const TDiagramObject& moment = *diagrams[2];
  EXPECT_NEAR(moment.Curve1[20].Y, -q * L * L / 8, 1e-6);
  EXPECT_NEAR(moment.MinValue, -1.1 * q * L * L / 8, 1e-6);
  EXPECT_NEAR(moment.MinX, 0, 1e-12);
  EXPECT_NEAR(moment.MaxX, L, 1e-9);

  // An unloaded beam: every value is 0, drawn over -0.5..0.5 widened to -0.55..0.55.
  ModelDocument unloaded = testing::SimplySupportedBeam(L, 0);
  ASSERT_TRUE(AnalyseModel(unloaded).Ok());
  const BeamPage quiet = PageOf(unloaded, settings, 1);
  for (const TDiagramObject* d : PageObjectsOf<TDiagramObject>(quiet)) {
    if (d->Kind == DiagramKind::Utilisation) continue;
    EXPECT_NEAR(d->MaxValue, 0.55, 1e-15) << d->YLabel;
    EXPECT_NEAR(d->MinValue, -0.55, 1e-15) << d->YLabel;
  }
}

TEST(BeamPage, UtilisationDiagramAlwaysReachesOneHundredPercent) {
  // Load the beam to about 60 %: q = 0.6 x 8 Md / L^2.
  const double L = 4;
  ModelDocument probe = testing::SimplySupportedBeam(L, 1000);
  ASSERT_TRUE(AnalyseModel(probe).Ok());
  const double Md = probe.Segments[0].Md;
  ModelDocument doc = testing::SimplySupportedBeam(L, 0.6 * 8 * Md / (L * L));
  ASSERT_TRUE(AnalyseModel(doc).Ok());
  AppSettings settings;
  BeamPage page;
  doc.Settings.FBDBeamNo = 1;
  double y = 100;
  BuildDiagram(page, doc, settings, DiagramKind::Utilisation, y);
  const auto diagrams = PageObjectsOf<TDiagramObject>(page);
  ASSERT_EQ(diagrams.size(), 1u);
  EXPECT_NEAR(diagrams[0]->Curve1[20].Y, 60, 1e-9);
  EXPECT_NEAR(diagrams[0]->MaxValue, 110, 1e-12);
  EXPECT_EQ(diagrams[0]->MinValue, 0);
  EXPECT_EQ(y, 55);

  // Without results a diagram has no points and the default range.
  doc.Segments.clear();
  BuildDiagram(page, doc, settings, DiagramKind::Moment, y);
  const TDiagramObject& empty = *PageObjectsOf<TDiagramObject>(page)[1];
  EXPECT_TRUE(empty.Curve1.empty());
  EXPECT_EQ(empty.MinX, 0);
  EXPECT_EQ(empty.MaxX, 1);
  EXPECT_NEAR(empty.MaxValue, 0.55, 1e-15);
  EXPECT_NEAR(empty.MinValue, -0.55, 1e-15);
  // No beam chosen: nothing at all.
  doc.Settings.FBDBeamNo = -1;
  BuildDiagram(page, doc, settings, DiagramKind::Moment, y);
  EXPECT_EQ(PageObjectsOf<TDiagramObject>(page).size(), 2u);
}

TEST(BeamPage, ExtremesAlwaysContainZero) {
  const DiagramRange positive = DiagramExtremes({{1, 2}, {3, 5}}, {});
  EXPECT_EQ(positive.MinValue, 0);
  EXPECT_EQ(positive.MaxValue, 5);
  EXPECT_EQ(positive.MinX, 0);
  EXPECT_EQ(positive.MaxX, 3);
  const DiagramRange both = DiagramExtremes({{-1, -2}}, {{4, 7}});
  EXPECT_EQ(both.MinValue, -2);
  EXPECT_EQ(both.MaxValue, 7);
  EXPECT_EQ(both.MinX, -1);
  EXPECT_EQ(both.MaxX, 4);
  const DiagramRange zero = DiagramExtremes({{0, 0}, {2, 0}}, {});
  EXPECT_EQ(zero.MinValue, -0.5);
  EXPECT_EQ(zero.MaxValue, 0.5);
}

} // namespace
} // namespace strandel
