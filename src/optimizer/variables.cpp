#include "optimizer/variables.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace strandel {
namespace {

// The margin factor as the program has always used it: it differs from 1/sqrt(2)
// in the sixth digit, and stored results depend on it.
constexpr double kDiagonalFactor = 0.7071135624381276;
constexpr double kNoBeam = 1e10;

TVarItem NewVariable(TNodeObject& node, char kind, double value, double margin,
                     const UnitChoice& units) {
  TVarItem item;
  item.Name = VariableName(node.Number, kind);
  if (kind == 'P') {
    item.DispUnit = "[%]";
    item.DispFactor = 100;
  } else {
    item.DispUnit = UnitName(units, Quantity::Length);
    item.DispFactor = UnitFactor(units, Quantity::Length);
  }
  item.LowBound = value - margin;
  item.HighBound = value + margin;
  item.OrigValue = item.CurValue = value;
  item.NodeRef = &node;
  return item;
}

// A free node may move by a part of its shortest beam, so no beam folds over.
double FreeNodeMargin(const ModelDocument& doc, const TNodeObject& node) {
  double shortest = kNoBeam;
  for (const TBeamObject& beam : ObjectsOf<TBeamObject>(doc)) {
    if (beam.Node1 != node.Number && beam.Node2 != node.Number) continue;
    shortest = std::min(shortest, std::hypot(beam.X2 - beam.X1, beam.Y2 - beam.Y1));
  }
  return shortest == kNoBeam ? 0 : 0.3 * kDiagonalFactor * shortest;
}

// A node on a beam may move by a part of the way to its neighbours on the beam,
// so the order of the nodes along the beam stays.
double BeamNodeMargin(const ModelDocument& doc, const TNodeObject& node) {
  const double p = node.PositionOnBeam;
  double previous = 0, next = 1;
  for (const TNodeObject& other : ObjectsOf<TNodeObject>(doc)) {
    if (&other == &node || other.HostBeam != node.HostBeam) continue;
    const double q = other.PositionOnBeam;
    if (q < p && q > previous) previous = q;
    if (q > p && q < next) next = q;
  }
  // A position outside the beam (a damaged file) gets no room rather than a
  // reversed interval.
  return std::max(0.0, std::min(0.3 * (p - previous), 0.3 * (next - p)));
}

} // namespace

std::string VariableName(long nodeNumber, char kind) {
  char text[16];
  std::snprintf(text, sizeof text, "N%03ld.%c", ((nodeNumber % 1000) + 1000) % 1000, kind);
  return text;
}

void BuildVariables(VariableList& list, ModelDocument& doc, const UnitChoice& units) {
  list.clear();
  for (TNodeObject& node : ObjectsOf<TNodeObject>(doc)) {
    TBeamObject* host = node.HostBeam != -1 ? FindBeam(doc, node.HostBeam) : nullptr;
    if (host) {
      TVarItem p = NewVariable(node, 'P', node.PositionOnBeam, BeamNodeMargin(doc, node), units);
      p.BeamRef = host;
      list.push_back(std::move(p));
    } else {
      const double margin = FreeNodeMargin(doc, node);
      list.push_back(NewVariable(node, 'X', node.X, margin, units));
      list.push_back(NewVariable(node, 'Y', node.Y, margin, units));
    }
  }
}

TVarItem* FindVariable(VariableList& list, const std::string& name) {
  for (TVarItem& item : list)
    if (item.Name == name) return &item;
  return nullptr;
}

const TVarItem* FindVariable(const VariableList& list, const std::string& name) {
  for (const TVarItem& item : list)
    if (item.Name == name) return &item;
  return nullptr;
}

Selection SelectedVariables(VariableList& list) {
  Selection selection;
  for (TVarItem& item : list)
    if (item.InOptimize) selection.push_back(&item);
  return selection;
}

TVarItem* SelectedVariable(VariableList& list, int i) {
  for (TVarItem& item : list) {
    if (!item.InOptimize) continue;
    if (i-- == 0) return &item;
  }
  return nullptr;
}

int SelectedIndex(const VariableList& list, const std::string& name) {
  int index = 0;
  for (const TVarItem& item : list) {
    if (!item.InOptimize) continue;
    if (item.Name == name) return index;
    ++index;
  }
  return -1;
}

int SelectedCount(const VariableList& list) {
  return static_cast<int>(
      std::count_if(list.begin(), list.end(), [](const TVarItem& v) { return v.InOptimize; }));
}

int FreeCount(const VariableList& list) {
  return static_cast<int>(std::count_if(
      list.begin(), list.end(), [](const TVarItem& v) { return v.InOptimize && v.IsFree(); }));
}

} // namespace strandel
