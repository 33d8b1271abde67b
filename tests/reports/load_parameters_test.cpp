// The parameters that make a report checkable on its own: node coordinates,
// every applied load with its host and values, and the sums of the loads and of
// the forces on the supports, against values worked out by hand.

#include <cmath>

#include "analysis/segments.h"
#include "analysis/solver.h"
#include "common/geometry.h"
#include "common/number_text.h"
#include "report_fixture.h"
#include "reports/load_sums.h"
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

class LoadParameters : public testing::ReportTest {};

// An L of two locked beams: beam 1 from node 1 (0, 0) to node 2 (4, 0), beam 2
// up to node 3 (4, 3); node 4 on beam 1 at a quarter, (1, 0). A pin at node 1
// and a roller holding x at node 3. Loads: 2 kN/m down from node 4 to node 2,
// 5 kN at node 2 along (4, 3)/5, 1.5 kNm counter-clockwise at node 3.
//
// Loads by hand: x 4 kN; y -2 * 3 + 3 = -3 kN; about the origin the load acts
// at x = 2.5 (-6 * 2.5 = -15), the force at (4, 0) (4 * 3 - 0 * 4 = 12), the
// moment 1.5: -1.5 kNm. The supports take the same: the roller at height 3
// alone balances the moment, -3 * Rx3 = -1.5, so Rx3 = 0.5 kN on the support,
// and the pin takes Rx1 = 3.5 kN and Ry1 = -3 kN.
ModelDocument LoadedL() {
  ModelDocument doc = testing::EmptyModel();
  AddNode(doc, 1, 0, 0);
  AddNode(doc, 2, 4, 0);
  AddNode(doc, 3, 4, 3);
  AddBeam(doc, 1, 1, 2);
  AddBeam(doc, 2, 2, 3);
  AddNodeOnBeam(doc, 4, 1, 0.25);
  AddSupport(doc, 1, 1);
  AddSupport(doc, 2, 3, /*rolled=*/true, /*direction=*/2);
  AddLoad(doc, 1, 1, 4, 2, -2000, kPi / 2);
  AddForce(doc, 1, 2, 5000, std::atan2(3.0, 4.0));
  AddMoment(doc, 1, 3, 1500);
  return doc;
}

template <class T> const T* Numbered(const ModelDocument& doc, long number) {
  for (const T& object : ObjectsOf<T>(doc))
    if (object.Number == number) return &object;
  return nullptr;
}

double Number(const std::string& text) {
  EXPECT_TRUE(IsNumber(text)) << text;
  return ParseNumber(text);
}

TEST_F(LoadParameters, NodesAndLoadsWithTheirHostsAndValues) {
  const ModelDocument doc = LoadedL();
  struct Case {
    ReportObject Object;
    const char* Name;
    const char* Expected;
  };
  const TLoadObject* load = Numbered<TLoadObject>(doc, 1);
  const TForceObject* force = Numbered<TForceObject>(doc, 1);
  const TNodeObject* onBeam = Numbered<TNodeObject>(doc, 4);
  const Case cases[] = {
      {Numbered<TNodeObject>(doc, 3), "Node_No", "3"},
      {Numbered<TNodeObject>(doc, 3), "Node_X", "4"},
      {Numbered<TNodeObject>(doc, 3), "Node_Y", "3"},
      {Numbered<TNodeObject>(doc, 3), "Node_Beam", ""}, // a node of its own
      {onBeam, "Node_X", "1"},
      {onBeam, "node_beam", "1"},
      {load, "Load_No", "1"},
      {load, "Load_Beam", "1"},
      {load, "Load_Node1", "4"},
      {load, "Load_Node2", "2"},
      {load, "Load_Start", "1"}, // a quarter of the 4 m beam
      {load, "Load_End", "4"},
      {load, "Load_Value", "-2"},
      {load, "Load_Angle", "90"},
      {load, "Load_Qx", "0"}, // not the cosine's rounding of 1E-16
      {load, "Load_Qy", "-2"},
      {force, "Force_No", "1"},
      {force, "Force_Node", "2"},
      {force, "Force_Value", "5"},
      {force, "Force_Angle", "36.9"},
      {force, "Force_Fx", "4"},
      {force, "Force_Fy", "3"},
      {Numbered<TMomentObject>(doc, 1), "Moment_No", "1"},
      {Numbered<TMomentObject>(doc, 1), "Moment_Node", "3"},
      {Numbered<TMomentObject>(doc, 1), "Moment_Value", "1.5"},
      // Asked without its object a repeated parameter is blank.
      {{}, "Node_X", ""},
      {Numbered<TSupportObject>(doc, 1), "Force_Fx", ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Value(doc, c.Name, c.Object), c.Expected) << c.Name;
}

TEST_F(LoadParameters, SumsOfLoadsAndSupportsBalance) {
  ModelDocument doc = LoadedL();
  // Before an analysis the supports carry nothing, so everything is left over.
  EXPECT_EQ(Value(doc, "Sum_SuppY"), "0");
  EXPECT_EQ(Value(doc, "Sum_DiffY"), "3");
  ASSERT_TRUE(AnalyseModel(doc).Ok());
  const TSupportObject* roller = Numbered<TSupportObject>(doc, 2);
  EXPECT_EQ(Value(doc, "Supp_Rx", roller), "0.5");
  struct Case {
    const char* Name;
    double Expected; // kN, kNm
  };
  const Case cases[] = {
      {"Sum_LoadX", 4}, {"Sum_LoadY", -3}, {"Sum_LoadM", -1.5},
      {"Sum_SuppX", 4}, {"Sum_SuppY", -3}, {"Sum_SuppM", -1.5},
      {"Sum_DiffX", 0}, {"Sum_DiffY", 0},  {"Sum_DiffM", 0},
  };
  for (const Case& c : cases)
    EXPECT_NEAR(Number(Value(doc, c.Name)), c.Expected, 1e-9) << c.Name;

  // Own weight: 0.1 x 0.2 m of steel weighs 0.02 * 7850 * 9.82 = 1541.74 N/m,
  // 4 m of it at (2, 0) and 3 m at (4, 1.5).
  doc.Settings.OwnWeight = true;
  ASSERT_TRUE(AnalyseModel(doc).Ok());
  const double w = 0.02 * 7850 * kGravity;
  const double weightY = -w * 4 - w * 3;
  const double weightM = 2 * (-w * 4) + 4 * (-w * 3);
  // Shown with three digits: -13.8 for -13.79 kN.
  EXPECT_NEAR(Number(Value(doc, "Sum_LoadY")), -3 + weightY / 1000, 0.005 * 13.8);
  EXPECT_NEAR(Number(Value(doc, "Sum_LoadM")), -1.5 + weightM / 1000, 0.005 * 32.3);
  SectionContext context;
  const ForceSum loads = AppliedLoadSum(doc, context);
  EXPECT_NEAR(loads.Y, -3000 + weightY, 1e-9);
  EXPECT_NEAR(loads.M, -1500 + weightM, 1e-8);
  // The analysis's own weight is the report's: they balance to its rounding.
  const ForceSum supports = SupportForceSum(doc, context);
  EXPECT_NEAR(supports.Y, loads.Y, 1e-9 * std::fabs(loads.Y));
  EXPECT_NEAR(supports.M, loads.M, 1e-9 * std::fabs(loads.M));
}

TEST_F(LoadParameters, LoadsThatActNowhereAreNeitherSummedNorPlaced) {
  ModelDocument doc = LoadedL();
  // A load whose beam is gone, a force and a moment on a node that is not there,
  // and a second support on node 1, which reports the same forces as the first.
  TLoadObject& stray = AddLoad(doc, 2, 9, 1, 2, -50000, kPi / 2);
  AddForce(doc, 2, 77, 80000, 0);
  AddMoment(doc, 2, 77, 90000);
  TLoadObject& unplaced = AddLoad(doc, 3, 2, -1, -1, 1000, 0);
  unplaced.X1 = 4;
  unplaced.Y1 = 1;
  unplaced.X2 = 4;
  unplaced.Y2 = 9; // beyond the beam's end: it covers the beam from y = 1 to 3
  ASSERT_TRUE(AnalyseModel(doc).Ok());
  EXPECT_EQ(Value(doc, "Load_Start", &stray), "");
  EXPECT_EQ(Value(doc, "Load_Node1", &unplaced), "");
  EXPECT_EQ(Value(doc, "Load_Start", &unplaced), "1");
  EXPECT_EQ(Value(doc, "Load_End", &unplaced), "3");
  // The unplaced load adds 1 kN/m over 2 m in x, at height 2: 2 kN, -4 kNm.
  EXPECT_NEAR(Number(Value(doc, "Sum_LoadX")), 4 + 2, 1e-9);
  EXPECT_NEAR(Number(Value(doc, "Sum_LoadY")), -3, 1e-9);
  EXPECT_NEAR(Number(Value(doc, "Sum_LoadM")), -1.5 - 4, 1e-9);

  AddSupport(doc, 3, 1);
  ASSERT_TRUE(AnalyseModel(doc).Ok());
  EXPECT_NEAR(Number(Value(doc, "Sum_SuppX")), Number(Value(doc, "Sum_LoadX")), 1e-9);
}

TEST_F(LoadParameters, LinesRepeatPerObjectOfTheirKind) {
  ModelDocument doc = LoadedL();
  AddForce(doc, 2, 3, 1000, 0);
  const ReportSources sources{doc, settings, "/models/", environment};
  struct Case {
    const char* Line;
    ReportLineKind Kind;
    std::vector<std::string> Expected;
  };
  const Case cases[] = {
      {"N{2;R;Node_No}", ReportLineKind::PerNode, {"N 1", "N 2", "N 3", "N 4"}},
      {"{;;Load_No}|", ReportLineKind::PerLoad, {"1        |"}},
      {"F{2;R;Force_No} at {;;Force_Node}",
       ReportLineKind::PerForce,
       {"F 1 at 2        ", "F 2 at 3        "}},
      {"{3;L;Moment_Value}", ReportLineKind::PerMoment, {"1.5"}},
      {"{5;R;Sum_LoadX}", ReportLineKind::Plain, {"    5"}},
      {"{;;Node_X}{;;Force_Fx}",
       ReportLineKind::Error,
       {"Error:Repetetiv parameters of two kinds are mixed on the same line!"}},
      {"{;;BeamNo}{;;Load_Beam}",
       ReportLineKind::Error,
       {"Error:Repetetiv parameters of two kinds are mixed on the same line!"}},
      // A sum on a repeated line is the same on every line.
      {"{2;R;Node_No}{4;R;Sum_LoadX}",
       ReportLineKind::PerNode,
       {" 1   5", " 2   5", " 3   5", " 4   5"}},
  };
  for (const Case& c : cases) {
    std::string line = c.Line;
    EXPECT_EQ(LineKind(line), c.Kind) << c.Line;
    EXPECT_EQ(BuildReport({c.Line}, sources), c.Expected) << c.Line;
  }
}

} // namespace
} // namespace strandel
