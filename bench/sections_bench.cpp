// What the section and capacity values of a big frame cost: the values the
// solver takes from every beam once per analysis, for a rigid frame of N bays
// and N storeys, with one context for the run (one index of the frame) and,
// for comparison, without one.

#include <benchmark/benchmark.h>

#include "model/document.h"
#include "sections/capacity.h"
#include "sections/profile.h"

namespace strandel {
namespace {

ModelDocument RigidFrame(int bays) {
  ModelDocument doc;
  auto node = [&](int column, int floor) { return floor * (bays + 1) + column + 1; };
  for (int floor = 0; floor <= bays; ++floor) {
    for (int column = 0; column <= bays; ++column) {
      TNodeObject& n = AppendObject<TNodeObject>(doc);
      n.Number = static_cast<std::uint16_t>(node(column, floor));
      n.X = 6.0 * column;
      n.Y = 3.5 * floor;
    }
  }
  int number = 0;
  auto beam = [&](int from, int to) {
    TBeamObject& b = AppendObject<TBeamObject>(doc);
    b.Number = static_cast<std::uint16_t>(++number);
    b.Node1 = static_cast<std::uint16_t>(from);
    b.Node2 = static_cast<std::uint16_t>(to);
    const TNodeObject* start = FindNode(doc, from);
    const TNodeObject* stop = FindNode(doc, to);
    b.X1 = start->X;
    b.Y1 = start->Y;
    b.X2 = stop->X;
    b.Y2 = stop->Y;
    b.MtrlType = "STEEL";
    b.Ftk = b.Fck = b.Fmk = 355e6;
    b.Ek = 210e9;
    b.Dens = 7850;
    b.ShapeNo = 5; // IPE 300
    b.H = 0.3;
    b.B = 0.15;
    b.TL = 0.0071;
    b.TF = 0.0107;
  };
  for (int floor = 0; floor < bays; ++floor)
    for (int column = 0; column <= bays; ++column)
      beam(node(column, floor), node(column, floor + 1));
  for (int floor = 1; floor <= bays; ++floor)
    for (int column = 0; column < bays; ++column)
      beam(node(column, floor), node(column + 1, floor));
  for (int column = 0; column <= bays; ++column) {
    TSupportObject& s = AppendObject<TSupportObject>(doc);
    s.Number = static_cast<std::uint16_t>(column + 1);
    s.NodeNo = static_cast<std::uint16_t>(node(column, 0));
  }
  return doc;
}

// The values the solver copies into the segments of every beam.
double SolverValues(TBeamObject& beam, const ModelDocument& doc, SectionContext* context) {
  return A(beam, doc, context) + Aeff(beam, doc, context) + IyUsed(beam, doc, context) +
         Ebott(beam, doc, context) + Etop(beam, doc, context) + Lambda(beam, doc, context) +
         Rtd(beam, doc, context) + Rcd(beam, doc, context) + Md(beam, doc, context);
}

void BM_AllBeamsWithContext(benchmark::State& state) {
  ModelDocument doc = RigidFrame(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    SectionContext context;
    double sum = 0;
    for (TBeamObject& beam : ObjectsOf<TBeamObject>(doc))
      sum += SolverValues(beam, doc, &context);
    benchmark::DoNotOptimize(sum);
  }
  state.counters["beams"] = static_cast<double>(2 * state.range(0) * (state.range(0) + 1));
}
BENCHMARK(BM_AllBeamsWithContext)->Arg(10)->Arg(25)->Arg(50)->Unit(benchmark::kMillisecond);

void BM_AllBeamsWithoutContext(benchmark::State& state) {
  ModelDocument doc = RigidFrame(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    double sum = 0;
    for (TBeamObject& beam : ObjectsOf<TBeamObject>(doc))
      sum += SolverValues(beam, doc, nullptr);
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_AllBeamsWithoutContext)->Arg(10)->Arg(25)->Arg(50)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace strandel
