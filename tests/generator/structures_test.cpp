#include "generator/structures.h"

#include <cmath>
#include <set>

#include <gtest/gtest.h>

#include "analysis/solver.h"
#include "model/document_file.h"

namespace strandel {
namespace {

struct Counts {
  int nodes = 0, beams = 0, supports = 0, loads = 0;
};

Counts CountObjects(const ModelDocument& doc) {
  Counts c;
  for (const auto& object : doc.GraphObjects) {
    switch (KindOf(*object)) {
    case ObjectKind::Node:
      ++c.nodes;
      break;
    case ObjectKind::Beam:
      ++c.beams;
      break;
    case ObjectKind::Support:
      ++c.supports;
      break;
    case ObjectKind::Load:
      ++c.loads;
      break;
    default:
      break;
    }
  }
  return c;
}

ModelDocument Generate(const GeneratorParameters& p, const std::string& templateBeam = "") {
  ModelDocument doc;
  GenerateStructure(doc, p, templateBeam, DocumentSizes{});
  return doc;
}

GeneratorParameters Preset(StructureKind kind) {
  GeneratorParameters p;
  ApplyKindPreset(p, kind);
  return p;
}

// Every structure the generator makes is consistent: beams end at their nodes,
// nodes on beams lie where their position says, loads and supports sit on their
// objects, numbers are unique.
void ExpectConsistent(const ModelDocument& doc) {
  std::set<long> nodeNumbers, beamNumbers;
  for (const TNodeObject& node : ObjectsOf<TNodeObject>(doc)) {
    EXPECT_TRUE(nodeNumbers.insert(node.Number).second) << "node " << node.Number;
  }
  for (const TBeamObject& beam : ObjectsOf<TBeamObject>(doc)) {
    EXPECT_TRUE(beamNumbers.insert(beam.Number).second) << "beam " << beam.Number;
    const TNodeObject* a = FindNode(doc, beam.Node1);
    const TNodeObject* b = FindNode(doc, beam.Node2);
    ASSERT_TRUE(a && b) << "beam " << beam.Number;
    EXPECT_NEAR(beam.X1, a->X, 1e-12);
    EXPECT_NEAR(beam.Y1, a->Y, 1e-12);
    EXPECT_NEAR(beam.X2, b->X, 1e-12);
    EXPECT_NEAR(beam.Y2, b->Y, 1e-12);
  }
  for (const TNodeObject& node : ObjectsOf<TNodeObject>(doc)) {
    if (node.HostBeam == -1) continue;
    const TBeamObject* host = FindBeam(doc, node.HostBeam);
    ASSERT_NE(host, nullptr) << "node " << node.Number;
    EXPECT_NEAR(node.X, host->X1 + (host->X2 - host->X1) * node.PositionOnBeam, 1e-12);
    EXPECT_NEAR(node.Y, host->Y1 + (host->Y2 - host->Y1) * node.PositionOnBeam, 1e-12);
  }
  for (const TSupportObject& support : ObjectsOf<TSupportObject>(doc)) {
    const TNodeObject* node = FindNode(doc, support.NodeNo);
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(support.X, node->X);
    EXPECT_EQ(support.Y, node->Y);
    EXPECT_EQ(support.Direction, 1);
  }
  for (const TLoadObject& load : ObjectsOf<TLoadObject>(doc)) {
    const TBeamObject* host = FindBeam(doc, load.HostBeam);
    ASSERT_NE(host, nullptr);
    EXPECT_EQ(load.Node1, host->Node1);
    EXPECT_EQ(load.Node2, host->Node2);
    EXPECT_DOUBLE_EQ(load.Angle, kPi / 2);
  }
}

TEST(Generator, DarkenedGreys) {
  EXPECT_EQ(DarkenedGrey(0.7), 0x8E8E8Eu);
  EXPECT_EQ(DarkenedGrey(0.8), 0xA3A3A3u);
  EXPECT_EQ(DarkenedGrey(0.9), 0xB7B7B7u);
  EXPECT_EQ(DarkenedGrey(1.0), 0xCCCCCCu);
}

TEST(Generator, TheInitialFrame) {
  ModelDocument doc;
  TNodeObject& stale = AppendObject<TNodeObject>(doc);
  stale.Number = 40;
  doc.FileName = "old.qsd";
  GenerateStructure(doc, GeneratorParameters{}, "", DocumentSizes{});
  EXPECT_EQ(doc.FileName, "Noname.qsd");
  EXPECT_TRUE(doc.Modified);
  const Counts c = CountObjects(doc);
  EXPECT_EQ(c.nodes, 16);
  EXPECT_EQ(c.beams, 16);
  EXPECT_EQ(c.loads, 4);
  EXPECT_EQ(c.supports, 4);
  for (int b = 1; b <= 12; ++b) {
    EXPECT_EQ(FindBeam(doc, b)->BeamGroup, "Vertical Beams");
    EXPECT_TRUE(FindBeam(doc, b)->Locked1 && FindBeam(doc, b)->Locked2);
  }
  for (int level = 0; level <= 3; ++level) {
    const TBeamObject* floor = FindBeam(doc, 13 + level);
    EXPECT_EQ(floor->BeamGroup, "Horizontal Beams");
    EXPECT_EQ(floor->TxtPos, 0.5); // three bays: the middle is no node
    EXPECT_DOUBLE_EQ(floor->Y1, level * 5.0 / 3);
    EXPECT_EQ(floor->X1, -3);
    EXPECT_EQ(floor->X2, 3);
  }
  // Nodes 5 to 12 are the two interior columns; each lies on the floor of its level.
  for (int number = 5; number <= 12; ++number) {
    const TNodeObject* node = FindNode(doc, number);
    EXPECT_EQ(node->HostBeam, 13 + (number - 1) % 4) << number;
  }
  EXPECT_EQ(FindNode(doc, 4)->HostBeam, -1);
  EXPECT_EQ(FindNode(doc, 13)->HostBeam, -1);
  EXPECT_DOUBLE_EQ(FindNode(doc, 6)->PositionOnBeam, 1.0 / 3);
  // Supports at the feet of the columns, nodes 1, 5, 9, 13.
  std::vector<int> feet;
  for (const TSupportObject& s : ObjectsOf<TSupportObject>(doc)) {
    feet.push_back(s.NodeNo);
    EXPECT_FALSE(s.Rolled || s.Locked);
  }
  EXPECT_EQ(feet, (std::vector<int>{1, 5, 9, 13}));
  // Each floor's load follows its beam immediately.
  for (std::size_t i = 0; i + 1 < doc.GraphObjects.size(); ++i) {
    if (const auto* beam = std::get_if<TBeamObject>(doc.GraphObjects[i].get());
        beam && beam->BeamGroup == "Horizontal Beams") {
      const auto* load = std::get_if<TLoadObject>(doc.GraphObjects[i + 1].get());
      ASSERT_NE(load, nullptr);
      EXPECT_EQ(load->HostBeam, beam->Number);
      EXPECT_EQ(load->Value, -1000);
    }
  }
  ExpectConsistent(doc);
}

TEST(Generator, FramesWithMoreBaysThanStoreysPutColumnNodesOnTheirOwnFloor) {
  GeneratorParameters p;
  p.n = 4;
  p.m = 2;
  const ModelDocument doc = Generate(p);
  EXPECT_EQ(CountObjects(doc).beams, 5 * 2 + 3);
  EXPECT_EQ(FindBeam(doc, 11)->BeamGroup, "Horizontal Beams");
  EXPECT_EQ(FindBeam(doc, 11)->TxtPos, 0.375); // four bays: just left of the middle node
  ExpectConsistent(doc); // every interior node lies on the beam of its own level
}

TEST(Generator, TheTower) {
  const ModelDocument doc = Generate(Preset(StructureKind::Tower));
  const Counts c = CountObjects(doc);
  EXPECT_EQ(c.nodes, 10);
  EXPECT_EQ(c.beams, 8 + 5 + 8);
  EXPECT_EQ(c.loads, 0);
  EXPECT_EQ(c.supports, 2);
  const TBeamObject* firstColumn = FindBeam(doc, 1);
  EXPECT_FALSE(firstColumn->Locked1);
  EXPECT_TRUE(firstColumn->Locked2);
  EXPECT_EQ(firstColumn->BeamColor, 0x8E8E8Eu);
  const TBeamObject* topColumn = FindBeam(doc, 7);
  EXPECT_TRUE(topColumn->Locked1);
  EXPECT_FALSE(topColumn->Locked2);
  EXPECT_EQ(FindBeam(doc, 9)->BeamGroup, "Horizontal Beams");
  EXPECT_EQ(FindBeam(doc, 9)->BeamColor, 0xA3A3A3u);
  const TBeamObject* diagonal = FindBeam(doc, 14);
  EXPECT_EQ(diagonal->BeamGroup, "Diagonal Beams");
  EXPECT_EQ(diagonal->Node1, 1);
  EXPECT_EQ(diagonal->Node2, 4);
  EXPECT_EQ(diagonal->TxtPos, 0.25);
  ExpectConsistent(doc);
}

TEST(Generator, TheTrussGirderHasNoTopCornerNodes) {
  const ModelDocument doc = Generate(Preset(StructureKind::TrussGirder));
  EXPECT_EQ(FindNode(doc, 2), nullptr);
  EXPECT_EQ(FindNode(doc, 10), nullptr);
  EXPECT_EQ(CountObjects(doc).nodes, 8);
  const TBeamObject* chord = FindBeam(doc, 1);
  EXPECT_TRUE(chord->BeamGroup.empty());
  EXPECT_EQ(chord->TxtPos, 0.375);
  EXPECT_EQ(chord->BeamColor, 0x8E8E8Eu);
  EXPECT_EQ(FindBeam(doc, 2)->Node2, 4); // the first end diagonal
  EXPECT_TRUE(FindBeam(doc, 2)->Locked2);
  EXPECT_EQ(FindNode(doc, 3)->HostBeam, 1);
  EXPECT_EQ(FindNode(doc, 4)->HostBeam, -1);
  // 1 chord + 2 end diagonals + 2 top chords + 3 verticals + 4 diagonals.
  EXPECT_EQ(CountObjects(doc).beams, 12);
  const TSupportObject& last = *std::get_if<TSupportObject>(doc.GraphObjects.back().get());
  EXPECT_EQ(last.NodeNo, 9);
  EXPECT_TRUE(last.Rolled);
  ExpectConsistent(doc);
}

TEST(Generator, TheArchIsACircleThroughItsSupportsAndCrown) {
  GeneratorParameters p = Preset(StructureKind::Arch);
  ReadGeneratorFields(p, {.H = "5"}, 1, 1); // a half circle of radius 4
  const ModelDocument doc = Generate(p);
  EXPECT_EQ(CountObjects(doc).nodes, 9);
  for (const TNodeObject& node : ObjectsOf<TNodeObject>(doc)) {
    EXPECT_NEAR(std::hypot(node.X, node.Y), 4, 1e-12);
  }
  EXPECT_NEAR(FindNode(doc, 1)->X, -4, 1e-12);
  EXPECT_NEAR(FindNode(doc, 5)->Y, 4, 1e-12);
  EXPECT_NEAR(FindNode(doc, 9)->X, 4, 1e-12);
  // Segments of 22.5 degrees: only the four within 60 degrees of the crown are loaded.
  std::vector<int> loaded;
  for (const TLoadObject& load : ObjectsOf<TLoadObject>(doc))
    loaded.push_back(load.HostBeam);
  EXPECT_EQ(loaded, (std::vector<int>{3, 4, 5, 6}));
  EXPECT_FALSE(FindBeam(doc, 1)->Locked1);
  EXPECT_TRUE(FindBeam(doc, 1)->Locked2);
  EXPECT_FALSE(FindBeam(doc, 8)->Locked2);
  ExpectConsistent(doc);
  // The preset arch is flat enough for every segment to carry the load.
  EXPECT_EQ(CountObjects(Generate(Preset(StructureKind::Arch))).loads, 8);
}

TEST(Generator, TheSuspensionBridgeChainHangsThroughItsPoints) {
  const ModelDocument doc = Generate(Preset(StructureKind::SuspensionBridge));
  const Counts c = CountObjects(doc);
  EXPECT_EQ(c.nodes, 20);
  EXPECT_EQ(c.beams, 20);
  EXPECT_EQ(c.loads, 1);
  EXPECT_EQ(c.supports, 4);
  EXPECT_NEAR(FindNode(doc, 2)->Y, 2, 1e-9);   // chain end at the left tower
  EXPECT_NEAR(FindNode(doc, 6)->Y, 0.5, 1e-9); // low point at mid-span
  EXPECT_NEAR(FindNode(doc, 10)->Y, 2, 1e-9);
  EXPECT_EQ(FindNode(doc, 1)->X, -5);
  EXPECT_EQ(FindNode(doc, 11)->X, 5);
  const TBeamObject* road = FindBeam(doc, 20);
  EXPECT_EQ(road->BeamGroup, "Road-Beam");
  EXPECT_EQ(road->TxtPos, 0.4375);
  EXPECT_EQ(FindNode(doc, 13)->HostBeam, 20);
  EXPECT_EQ(FindNode(doc, 12)->HostBeam, -1);
  EXPECT_EQ(FindBeam(doc, 11)->BeamGroup, "Columns");
  EXPECT_EQ(FindBeam(doc, 11)->BeamColor, 0xA3A3A3u);
  std::vector<int> supported;
  for (const TSupportObject& s : ObjectsOf<TSupportObject>(doc))
    supported.push_back(s.NodeNo);
  EXPECT_EQ(supported, (std::vector<int>{1, 12, 20, 11}));
  ExpectConsistent(doc);
}

TEST(Generator, BeamsTakeTheTemplatesMaterialAndProfile) {
  const std::string templateBeam =
      "2;9;1;2;True;True;True;; 0; 0; 1; 1;Old group;S355;STEEL;Hot rolled;False;;;;;; 3.55E+08; "
      "3.55E+08; 3.55E+08; 2.10E+11;; 7850;;;;;;;;;;;;;;;;;;;;;;5;IPE 200;;;;;;; 0.1; 0.2; 0.0056; "
      "0.0085;;;;;;2;1;0;1;0;;;;;;;clRed; 0.5";
  const ModelDocument doc = Generate(Preset(StructureKind::Tower), templateBeam);
  for (const TBeamObject& beam : ObjectsOf<TBeamObject>(doc)) {
    EXPECT_EQ(beam.MtrlName, "S355");
    EXPECT_EQ(beam.ProfName, "IPE 200");
    EXPECT_EQ(beam.ShapeNo, 5);
    EXPECT_EQ(beam.Manufacture, 1);
    EXPECT_TRUE(beam.Braced);
    EXPECT_NE(beam.BeamGroup, "Old group");
    EXPECT_NE(beam.BeamColor, 0x0000FFu);
  }
  EXPECT_EQ(FindBeam(doc, 1)->Number, 1);
}

TEST(Generator, EveryKindAtItsPresetsAndLimitsReadsBackUnchanged) {
  std::vector<GeneratorParameters> cases;
  for (int k = 0; k < kStructureKindCount; ++k) {
    GeneratorParameters p = Preset(static_cast<StructureKind>(k));
    cases.push_back(p);
    GeneratorParameters low = p, high = p;
    ReadGeneratorFields(low, {.n = "1", .m = "1"}, 1, 1);
    ReadGeneratorFields(high, {.n = "25", .m = "25"}, 1, 1);
    cases.push_back(low);
    cases.push_back(high);
  }
  for (const GeneratorParameters& p : cases) {
    const ModelDocument doc = Generate(p);
    ExpectConsistent(doc);
    const std::string text = WriteDocumentText(doc);
    ModelDocument back;
    ASSERT_TRUE(ReadDocumentText(text, back).ok);
    EXPECT_EQ(WriteDocumentText(back), text) << static_cast<int>(p.Kind) << " n=" << p.n;
    EXPECT_EQ(back.GraphObjects.size(), doc.GraphObjects.size());
    // The structure stands: it solves, and it still solves when read back.
    const AnalysisOutcome outcome = AnalyseModel(back);
    EXPECT_TRUE(outcome.Ok()) << static_cast<int>(p.Kind) << " n=" << p.n << " m=" << p.m
                              << ": " << FailureReason(outcome.Failure);
    EXPECT_TRUE(back.ResultsValid);
  }
}

} // namespace
} // namespace strandel
