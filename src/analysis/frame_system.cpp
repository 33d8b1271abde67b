#include "analysis/frame_system.h"

#include <algorithm>
#include <cmath>

#include "analysis/element.h"

namespace strandel {
namespace {

FrameSystem::Block& BlockAt(FrameSystem& system, int rowNode, int columnNode) {
  std::vector<int>& row = system.BlocksOfRow[rowNode];
  for (int index : row) {
    if (system.Blocks[index].ColumnNode == columnNode) return system.Blocks[index];
  }
  row.push_back(static_cast<int>(system.Blocks.size()));
  FrameSystem::Block& block = system.Blocks.emplace_back();
  block.RowNode = rowNode;
  block.ColumnNode = columnNode;
  return block;
}

double& Entry(FrameSystem& system, int unknown) {
  FrameSystem::Block& block = BlockAt(system, unknown / 3, unknown / 3);
  return block.K[(unknown % 3) * 4];
}

// Adds kg = T^t k T of every segment at its two nodes.
void AddStiffness(const ModelDocument& doc, const NodeTable& nodes, FrameSystem& system) {
  TMatrix k, t, tt, kt, kg;
  for (TMatrix* m : {&k, &t, &tt, &kt, &kg})
    AllocMatrix(*m, 5, 5);
  for (const TSegmentObject& segment : doc.Segments) {
    LocalStiffness(segment, k);
    Transformation(segment.Angle, t);
    TransposedTransformation(segment.Angle, tt);
    MatMatMul(k, t, kt, 5, 5);
    MatMatMul(tt, kt, kg, 5, 5);
    const int a = nodes.IndexOf(segment.Node1), b = nodes.IndexOf(segment.Node2);
    FrameSystem::Block& aa = BlockAt(system, a, a);
    FrameSystem::Block& ba = BlockAt(system, b, a);
    FrameSystem::Block& ab = BlockAt(system, a, b);
    FrameSystem::Block& bb = BlockAt(system, b, b);
    for (int i = 0; i < 3; ++i) {
      for (int j = 0; j < 3; ++j) {
        aa.K[i * 3 + j] += kg[i][j];
        ba.K[i * 3 + j] += kg[i + 3][j];
        ab.K[i * 3 + j] += kg[i][j + 3];
        bb.K[i * 3 + j] += kg[i + 3][j + 3];
      }
    }
  }
}

void AddLoads(const ModelDocument& doc, const NodeTable& nodes, const LoadSelection& selection,
              FrameSystem& system) {
  for (const TForceObject& force : ObjectsOf<TForceObject>(doc)) {
    if (!selection.Takes(force.Case)) continue;
    const int node = nodes.IndexOf(force.NodeNo);
    if (node < 0) continue; // not placed: it acts nowhere
    system.F[3 * node] += std::cos(force.Angle) * force.Value;
    system.F[3 * node + 1] += std::sin(force.Angle) * force.Value;
    system.NodeLoadSize[node] += std::fabs(force.Value);
  }
  for (const TMomentObject& moment : ObjectsOf<TMomentObject>(doc)) {
    if (!selection.Takes(moment.Case)) continue;
    const int node = nodes.IndexOf(moment.NodeNo);
    if (node < 0) continue;
    system.F[3 * node + 2] += moment.Value;
  }
  for (const TSegmentObject& segment : doc.Segments) {
    const int a = 3 * nodes.IndexOf(segment.Node1), b = 3 * nodes.IndexOf(segment.Node2);
    for (int i = 0; i < 3; ++i) {
      system.F[a + i] += segment.EqLoadG[i];
      system.F[b + i] += segment.EqLoadG[i + 3];
    }
    system.NodeLoadSize[a / 3] += std::fabs(segment.EqLoadL[0]) + std::fabs(segment.EqLoadL[1]);
    system.NodeLoadSize[b / 3] += std::fabs(segment.EqLoadL[3]) + std::fabs(segment.EqLoadL[4]);
  }
}

void AddSupports(const ModelDocument& doc, const NodeTable& nodes, const LoadSelection& selection,
                 FrameSystem& system) {
  for (const TSupportObject& support : ObjectsOf<TSupportObject>(doc)) {
    const int node = nodes.IndexOf(support.NodeNo);
    if (node < 0) continue;
    for (const HeldFreedom& freedom : HeldFreedoms(support, node, selection)) {
      if (!freedom.held) continue;
      double& diagonal = Entry(system, freedom.unknown);
      system.F[freedom.unknown] = diagonal * kSupportPenalty * freedom.value;
      diagonal = diagonal * kSupportPenalty;
      system.Restrained[freedom.unknown] = 1;
      system.Prescribed[freedom.unknown] = freedom.value;
      if (freedom.value == 0.0) system.FixedAtZero[freedom.unknown] = 1;
    }
  }
}

void ChooseKept(FrameSystem& system, const std::vector<char>& leftOut) {
  std::vector<char> nonZero(system.Unknowns, 0);
  for (const FrameSystem::Block& block : system.Blocks) {
    for (int i = 0; i < 3; ++i) {
      for (int j = 0; j < 3; ++j) {
        if (block.K[i * 3 + j] == 0.0) continue;
        nonZero[3 * block.RowNode + i] = 1;
        nonZero[3 * block.ColumnNode + j] = 1;
      }
    }
  }
  system.Kept.clear();
  system.KeptIndex.assign(system.Unknowns, -1);
  for (int d = 0; d < system.Unknowns; ++d) {
    if (!nonZero[d] || system.FixedAtZero[d] || (!leftOut.empty() && leftOut[d])) continue;
    system.KeptIndex[d] = static_cast<int>(system.Kept.size());
    system.Kept.push_back(d);
  }
}

} // namespace

std::array<HeldFreedom, 3> HeldFreedoms(const TSupportObject& support, int node,
                                        const LoadSelection& selection) {
  const int d0 = 3 * node;
  const bool holdsX = !support.Rolled || support.Direction == 2 || support.Direction == 4;
  const bool holdsY = !support.Rolled || support.Direction == 1 || support.Direction == 3;
  const bool acts = selection.Takes(support.Case);
  return {{{holdsX, d0, acts ? support.DX : 0.0},
           {holdsY, d0 + 1, acts ? support.DY : 0.0},
           {support.Locked, d0 + 2, acts ? support.DRot : 0.0}}};
}

FrameSystem AssembleFrame(const ModelDocument& doc, const NodeTable& nodes,
                          const LoadSelection& selection) {
  FrameSystem system;
  system.Unknowns = 3 * nodes.Count();
  system.BlocksOfRow.resize(nodes.Count());
  system.Blocks.reserve(nodes.Count() + 2 * doc.Segments.size());
  system.F.assign(system.Unknowns, 0.0);
  system.NodeLoadSize.assign(nodes.Count(), 0.0);
  system.Restrained.assign(system.Unknowns, 0);
  system.FixedAtZero.assign(system.Unknowns, 0);
  system.Prescribed.assign(system.Unknowns, 0.0);
  AddStiffness(doc, nodes, system);
  AddLoads(doc, nodes, selection, system);
  AddSupports(doc, nodes, selection, system);
  ChooseKept(system, {});
  return system;
}

void SetSelectedLoads(const ModelDocument& doc, const NodeTable& nodes,
                      const LoadSelection& selection, FrameSystem& system) {
  system.F.assign(system.Unknowns, 0.0);
  system.NodeLoadSize.assign(system.NodeLoadSize.size(), 0.0);
  system.Prescribed.assign(system.Unknowns, 0.0);
  AddLoads(doc, nodes, selection, system);
  // The diagonal already holds the stiff spring: the force that imposes a
  // settlement is that diagonal times the settlement, as the assembly made it.
  for (const TSupportObject& support : ObjectsOf<TSupportObject>(doc)) {
    const int node = nodes.IndexOf(support.NodeNo);
    if (node < 0) continue;
    for (const HeldFreedom& freedom : HeldFreedoms(support, node, selection)) {
      if (!freedom.held) continue;
      system.F[freedom.unknown] = Entry(system, freedom.unknown) * freedom.value;
      system.Prescribed[freedom.unknown] = freedom.value;
    }
  }
}

void LeaveOut(FrameSystem& system, const std::vector<char>& unknowns) {
  ChooseKept(system, unknowns);
}

int UnresistedLoadedUnknown(const FrameSystem& system) {
  for (int d = 0; d < system.Unknowns; ++d) {
    if (d % 3 == 2 || system.KeptIndex[d] >= 0 || system.Restrained[d]) continue;
    // Not a number is a load too: it must not vanish from the analysis.
    if (!(std::fabs(system.F[d]) <= kRoundingLoadShare * system.NodeLoadSize[d / 3])) return d;
  }
  return -1;
}

bool DenseEquations(const FrameSystem& system, TMatrix& k, TVector& f) {
  const int high = system.Unknowns - 1;
  AllocMatrix(k, high, high);
  AllocVector(f, high);
  if (!k || !f) return false;
  for (const FrameSystem::Block& block : system.Blocks) {
    for (int i = 0; i < 3; ++i)
      for (int j = 0; j < 3; ++j)
        k[3 * block.RowNode + i][3 * block.ColumnNode + j] = block.K[i * 3 + j];
  }
  for (int d = 0; d <= high; ++d)
    f[d] = system.F[d];
  // The kept unknowns rise, so each row and column moves forward onto a place
  // already given up.
  const int kept = static_cast<int>(system.Kept.size());
  for (int r = 0; r < kept; ++r) {
    std::swap(k[r], k[system.Kept[r]]);
    f[r] = f[system.Kept[r]];
  }
  for (int r = 0; r < kept; ++r) {
    TVector& row = k[r];
    for (int c = 0; c < kept; ++c)
      row[c] = row[system.Kept[c]];
  }
  return true;
}

} // namespace strandel
