#pragma once
// What the optimizer tests share: a host that records what the optimizer asks
// of the window, a steel template beam, the generated truss girder, and every
// coordinate of a model for comparisons bit for bit.

#include <functional>
#include <string>
#include <vector>

#include "common/user_message.h"
#include "generator/structures.h"
#include "model/document.h"
#include "model/object_text.h"
#include "optimizer/optimizer.h"

namespace strandel::testing {

class TestHost : public OptimizerHost {
public:
  void Redraw() override {
    ++Redraws;
    if (OnRedraw) OnRedraw();
  }
  UserMessages& Messages() override { return Recorded; }

  RecordingMessages Recorded;
  int Redraws = 0;
  std::function<void()> OnRedraw; // runs at every redraw, that is after every analysis
};

// The beam line of a solid steel bar, S235, rigid at both ends.
inline std::string SteelTemplateBeam(double width = 0.06, double height = 0.06) {
  TBeamObject beam;
  beam.Locked1 = beam.Locked2 = true;
  beam.MtrlName = "S235";
  beam.MtrlType = "STEEL";
  beam.Ftk = beam.Fck = beam.Fmk = 235e6;
  beam.Ek = 2.1e11;
  beam.Dens = 7850;
  beam.ShapeNo = 1;
  beam.ProfName = "Bar";
  beam.B = width;
  beam.H = height;
  beam.SafetyClass = 3;
  beam.ClimateZone = 3;
  return WriteText(beam);
}

// The generator's truss girder of 6 m span, 1 m deep, 4 panels, -1000 N/m on the
// bottom chord: bottom nodes 1, 3, 5, 7, 9 at x = -3 .. 3 (3, 5 and 7 lie on the
// chord, beam 1), top nodes 4, 6, 8 free; a pin at node 1, a roller at node 9.
inline ModelDocument TrussGirder() {
  GeneratorParameters p;
  ApplyKindPreset(p, StructureKind::TrussGirder);
  p.W = 6;
  p.H = 1;
  p.n = 4;
  p.q = -1000;
  ModelDocument doc;
  GenerateStructure(doc, p, SteelTemplateBeam(), DocumentSizes{});
  doc.Modified = false;
  return doc;
}

// The same girder as a roof girder: no load on the chord, purlins bearing down
// with 10 kN on each top node, so the members work as a truss and the depth of
// the girder governs their forces.
inline ModelDocument RoofGirder() {
  ModelDocument doc = TrussGirder();
  std::erase_if(doc.GraphObjects, [](const std::unique_ptr<GraphObject>& object) {
    return std::holds_alternative<TLoadObject>(*object);
  });
  int number = 0;
  for (long node : {4, 6, 8}) {
    TForceObject& force = AppendObject<TForceObject>(doc);
    force.Number = ++number;
    force.NodeNo = static_cast<std::int32_t>(node);
    force.Value = 10000;
    force.Angle = -kPi / 2;
    force.X = FindNode(doc, node)->X;
    force.Y = FindNode(doc, node)->Y;
  }
  return doc;
}

// Every coordinate of every object in list order: node X, Y and position on its
// beam, beam and load ends, support, force and moment points.
inline std::vector<double> AllCoordinates(const ModelDocument& doc) {
  std::vector<double> values;
  for (const auto& object : doc.GraphObjects) {
    if (const auto* node = std::get_if<TNodeObject>(object.get())) {
      values.insert(values.end(), {node->X, node->Y, node->PositionOnBeam});
    } else if (const auto* beam = std::get_if<TBeamObject>(object.get())) {
      values.insert(values.end(), {beam->X1, beam->Y1, beam->X2, beam->Y2});
    } else if (const auto* load = std::get_if<TLoadObject>(object.get())) {
      values.insert(values.end(), {load->X1, load->Y1, load->X2, load->Y2});
    } else if (const auto* support = std::get_if<TSupportObject>(object.get())) {
      values.insert(values.end(), {support->X, support->Y});
    } else if (const auto* force = std::get_if<TForceObject>(object.get())) {
      values.insert(values.end(), {force->X, force->Y});
    } else if (const auto* moment = std::get_if<TMomentObject>(object.get())) {
      values.insert(values.end(), {moment->X, moment->Y});
    }
  }
  return values;
}

// Steps the optimizer until it is idle; the number of steps (at most `limit`).
inline int RunToEnd(Optimizer& optimizer, int limit = 1000000) {
  int steps = 0;
  while (steps < limit) {
    ++steps;
    if (!optimizer.IterationStep()) break;
  }
  return steps;
}

} // namespace strandel::testing
