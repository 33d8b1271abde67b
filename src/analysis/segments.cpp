#include "analysis/segments.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <unordered_map>

#include "analysis/element.h"
#include "common/geometry.h"
#include "common/parallel.h"
#include "sections/capacity.h"
#include "sections/material_kind.h"
#include "sections/profile.h"

namespace strandel {
namespace {

struct HostedNode {
  double Position;
  const TNodeObject* Node;
};

// The nodes on each beam by rising position; a stable sort keeps list order
// among equal positions. A position that is not a number is never "further
// along" than another, so such a node never becomes a stretch end.
std::unordered_map<long, std::vector<HostedNode>> NodesOnBeams(const NodeTable& nodes) {
  std::unordered_map<long, std::vector<HostedNode>> onBeam;
  for (int i = 0; i < nodes.Count(); ++i) {
    const TNodeObject& node = nodes.Node(i);
    if (node.HostBeam == -1 || std::isnan(node.PositionOnBeam)) continue;
    onBeam[node.HostBeam].push_back({node.PositionOnBeam, &node});
  }
  for (auto& [beam, hosted] : onBeam) {
    std::stable_sort(hosted.begin(), hosted.end(), [](const HostedNode& a, const HostedNode& b) {
      return a.Position < b.Position;
    });
  }
  return onBeam;
}

std::unordered_map<long, std::vector<const TLoadObject*>>
LoadsOnBeams(const ModelDocument& doc, const LoadSelection& selection) {
  std::unordered_map<long, std::vector<const TLoadObject*>> onBeam;
  for (const TLoadObject& load : ObjectsOf<TLoadObject>(doc))
    if (selection.Takes(load.Case)) onBeam[load.HostBeam].push_back(&load);
  return onBeam;
}

// The values every stretch of a beam shares.
struct BeamValues {
  double Angle = 0;
  double Area = 0, GrossArea = 0, Inertia = 0, EModulus = 0, Density = 0;
  double Etop = 0, Ebott = 0, Lambda = 0, Rtd = 0, Rcd = 0, Md = 0;
};

BeamValues ValuesOf(const TBeamObject& beam, const TNodeObject& first, const TNodeObject& second,
                    const ModelDocument& doc, SectionContext& context) {
  BeamValues values;
  values.Angle = std::atan2(second.Y - first.Y, second.X - first.X);
  values.GrossArea = A(beam, doc, &context);
  // The stiffness takes the section that local buckling leaves effective.
  values.Area = doc.Settings.LocBuckRed ? Aeff(beam, doc, &context) : values.GrossArea;
  values.Inertia = IyUsed(beam, doc, &context);
  values.EModulus = beam.Ek;
  values.Density = beam.Dens;
  values.Etop = Etop(beam, doc, &context);
  values.Ebott = Ebott(beam, doc, &context);
  values.Lambda = Lambda(beam, doc, &context);
  values.Rtd = Rtd(beam, doc, &context);
  values.Rcd = Rcd(beam, doc, &context);
  values.Md = Md(beam, doc, &context);
  return values;
}

Point2 LoadEnd(const NodeTable& nodes, long number, double x, double y) {
  // An unplaced load end has no node; its own stored point stands in.
  if (const TNodeObject* node = nodes.Find(number)) return {node->X, node->Y};
  return {x, y};
}

// Self-weight and the distributed loads of the beam, spread per stretch.
// The matrix and vectors that turn the equivalent loads into global axes, made
// once for all the stretches of one pass.
struct LoadTransform {
  TMatrix tt;
  TVector local, global;
  LoadTransform() {
    AllocMatrix(tt, 5, 5);
    AllocVector(local, 5);
    AllocVector(global, 5);
  }
};

void AddLoads(LoadTransform& transform, TSegmentObject& segment, bool ownWeight,
              const std::vector<const TLoadObject*>& loads, const NodeTable& nodes) {
  const double length = segment.Length;
  const double theta = segment.Angle;
  segment.Px = 0;
  segment.Py = 0;
  segment.EqLoadL = {};
  if (ownWeight) {
    const double w = segment.OwnWeight;
    segment.Px = -w * std::sin(theta);
    segment.Py = -w * std::cos(theta);
  }
  AddEquivalentLoads(segment.Locked1, segment.Locked2, segment.Px * length, segment.Py * length,
                     length, segment.EqLoadL);

  for (const TLoadObject* load : loads) {
    const Point2 start = LoadEnd(nodes, load->Node1, load->X1, load->Y1);
    const Point2 end = LoadEnd(nodes, load->Node2, load->X2, load->Y2);
    const double t1 =
        SegmentParameter(start.X, start.Y, segment.X2, segment.Y2, segment.X1, segment.Y1);
    const double t2 =
        SegmentParameter(end.X, end.Y, segment.X2, segment.Y2, segment.X1, segment.Y1);
    const double alpha =
        SignedAngle(std::cos(theta), std::sin(theta), std::cos(load->Angle), std::sin(load->Angle));
    // The part of the load on this stretch, spread evenly over the whole stretch.
    const double r = std::fabs(t2 - t1) * load->Value;
    segment.Px += r * std::cos(alpha);
    segment.Py += r * std::sin(alpha);
    AddEquivalentLoads(segment.Locked1, segment.Locked2, r * length * std::cos(alpha),
                       r * length * std::sin(alpha), length, segment.EqLoadL);
  }

  TMatrix& tt = transform.tt;
  TransposedTransformation(theta, tt);
  TVector& local = transform.local;
  TVector& global = transform.global;
  for (int i = 0; i < 6; ++i)
    local[i] = segment.EqLoadL[i];
  MatVecMul(tt, local, global, 5, 5);
  for (int i = 0; i < 6; ++i)
    segment.EqLoadG[i] = global[i];
}

TSegmentObject Stretch(const TBeamObject& beam, int number, const TNodeObject& start,
                       const TNodeObject& end, const BeamValues& values) {
  TSegmentObject segment;
  segment.BeamNo = beam.Number;
  segment.SegmentNo = static_cast<std::uint16_t>(number);
  segment.Node1 = start.Number;
  segment.Node2 = end.Number;
  // Inside the beam the stretches are joined rigidly; the beam's hinges sit at
  // its own ends only.
  segment.Locked1 = (start.HostBeam == -1 || start.Number == beam.Node1) ? beam.Locked1 : true;
  segment.Locked2 = (end.HostBeam == -1 || end.Number == beam.Node2) ? beam.Locked2 : true;
  segment.Angle = values.Angle;
  segment.Length = std::hypot(end.X - start.X, end.Y - start.Y);
  segment.Length2 = segment.Length;
  segment.Area = values.Area;
  segment.Inertia = values.Inertia;
  segment.EModulus = values.EModulus;
  segment.X1 = start.X;
  segment.Y1 = start.Y;
  segment.X2 = end.X;
  segment.Y2 = end.Y;
  segment.Etop = values.Etop;
  segment.Ebott = values.Ebott;
  segment.Lambda = values.Lambda;
  segment.Rtd = values.Rtd;
  segment.Rcd = values.Rcd;
  segment.Md = values.Md;
  // Weight acts on the gross section whatever local buckling does to stiffness.
  segment.OwnWeight = values.GrossArea * values.Density * kGravity;
  return segment;
}

} // namespace

SegmentBuild BuildSegments(ModelDocument& doc, const NodeTable& nodes, SectionContext& context,
                           const LoadSelection& selection) {
  doc.Segments.clear();
  const auto onBeam = NodesOnBeams(nodes);
  const auto loadsOnBeam = LoadsOnBeams(doc, selection);
  const std::vector<const TLoadObject*> noLoads;
  const std::vector<HostedNode> noNodes;
  LoadTransform transform;
  // A stretch per beam and per node lying on one, at most: the list is not
  // moved as it grows.
  std::size_t stretches = 0;
  for (const auto& [beam, hosted] : onBeam)
    stretches += hosted.size();
  for ([[maybe_unused]] const TBeamObject& beam : ObjectsOf<TBeamObject>(doc))
    ++stretches;
  doc.Segments.reserve(stretches);

  for (const TBeamObject& beam : ObjectsOf<TBeamObject>(doc)) {
    const TNodeObject* first = nodes.Find(beam.Node1);
    const TNodeObject* second = nodes.Find(beam.Node2);
    if (first == nullptr || second == nullptr) {
      doc.Segments.clear();
      return {AnalysisFailure::Unstable, beam.Number};
    }
    const BeamValues values = ValuesOf(beam, *first, *second, doc, context);
    const auto hostedAt = onBeam.find(beam.Number);
    const std::vector<HostedNode>& hosted = hostedAt == onBeam.end() ? noNodes : hostedAt->second;
    const auto loadsAt = loadsOnBeam.find(beam.Number);
    const auto& loads = loadsAt == loadsOnBeam.end() ? noLoads : loadsAt->second;

    // Positions rise strictly along the walk, so it ends even on a damaged model.
    const TNodeObject* current = first;
    double position = 0;
    std::size_t next = 0;
    int number = 0;
    while (true) {
      while (next < hosted.size() && !(hosted[next].Position > position))
        ++next;
      const TNodeObject* end = next < hosted.size() ? hosted[next].Node : second;
      TSegmentObject segment = Stretch(beam, ++number, *current, *end, values);
      AddLoads(transform, segment, selection.OwnWeight, loads, nodes);
      doc.Segments.push_back(segment);
      if (end == second || end->Number == beam.Node2) break;
      current = end;
      position = hosted[next].Position;
    }
  }
  return {};
}

void LoadSegments(std::vector<TSegmentObject>& segments, const ModelDocument& doc,
                  const NodeTable& nodes, const LoadSelection& selection) {
  const auto loadsOnBeam = LoadsOnBeams(doc, selection);
  const std::vector<const TLoadObject*> noLoads;
  // Every stretch on its own: a large frame shares them among the cores.
  constexpr std::size_t kStretchesPerPart = 2000;
  ParallelFor(segments.size(), kStretchesPerPart,
              [&](std::size_t, std::size_t from, std::size_t to) {
                LoadTransform transform;
                for (std::size_t s = from; s < to; ++s) {
                  const auto loadsAt = loadsOnBeam.find(segments[s].BeamNo);
                  AddLoads(transform, segments[s], selection.OwnWeight,
                           loadsAt == loadsOnBeam.end() ? noLoads : loadsAt->second, nodes);
                }
              });
}

StretchCapacities CapacitiesFor(const std::vector<TSegmentObject>& segments,
                                const ModelDocument& doc, SectionContext& context) {
  std::unordered_map<long, StretchCapacity> timber;
  for (const TBeamObject& beam : ObjectsOf<TBeamObject>(doc)) {
    // Only timber weakens with the duration of its load; the first beam of a
    // number is the one its stretches were built from.
    if (MaterialKindOf(beam) != MaterialKind::Wood || timber.count(beam.Number)) continue;
    timber[beam.Number] = {Rtd(beam, doc, &context), Rcd(beam, doc, &context),
                           Md(beam, doc, &context)};
  }
  StretchCapacities capacities;
  capacities.reserve(segments.size());
  for (const TSegmentObject& segment : segments) {
    const auto at = timber.find(segment.BeamNo);
    capacities.push_back(
        at != timber.end() ? at->second : StretchCapacity{segment.Rtd, segment.Rcd, segment.Md});
  }
  return capacities;
}

void SetCapacities(std::vector<TSegmentObject>& segments, const StretchCapacities& capacities) {
  for (std::size_t i = 0; i < segments.size() && i < capacities.size(); ++i) {
    segments[i].Rtd = capacities[i].Rtd;
    segments[i].Rcd = capacities[i].Rcd;
    segments[i].Md = capacities[i].Md;
  }
}

} // namespace strandel
