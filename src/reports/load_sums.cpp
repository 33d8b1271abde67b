#include "reports/load_sums.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <unordered_set>

#include "analysis/segments.h"
#include "common/geometry.h"
#include "sections/frame_connections.h"
#include "sections/profile.h"

namespace strandel {
namespace {

void Add(ForceSum& sum, double x, double y, double fx, double fy, double moment) {
  sum.X += fx;
  sum.Y += fy;
  sum.M += x * fy - y * fx + moment;
}

// A point of the frame: its node when there is one, else the copy of the
// point stored with the object (an unplaced load end, a beam whose node is gone).
Point2 At(const FrameConnections& nodes, long node, double x, double y) {
  if (const TNodeObject* found = nodes.Node(node)) return {found->X, found->Y};
  return {x, y};
}

LoadStretch Stretch(const FrameConnections& nodes, const TLoadObject& load, Point2 a, Point2 b) {
  const Point2 start = At(nodes, load.Node1, load.X1, load.Y1);
  const Point2 end = At(nodes, load.Node2, load.X2, load.Y2);
  const double t1 = SegmentParameter(start.X, start.Y, b.X, b.Y, a.X, a.Y);
  const double t2 = SegmentParameter(end.X, end.Y, b.X, b.Y, a.X, a.Y);
  return {std::min(t1, t2), std::max(t1, t2), std::hypot(b.X - a.X, b.Y - a.Y)};
}

} // namespace

LoadStretch StretchOnBeam(const FrameConnections& nodes, const TLoadObject& load,
                          const TBeamObject& beam) {
  return Stretch(nodes, load, At(nodes, beam.Node1, beam.X1, beam.Y1),
                 At(nodes, beam.Node2, beam.X2, beam.Y2));
}

ForceSum AppliedLoadSum(const ModelDocument& doc, SectionContext& context) {
  const FrameConnections& nodes = context.Connections(doc);
  std::unordered_map<long, const TBeamObject*> beams;
  for (const TBeamObject& beam : ObjectsOf<TBeamObject>(doc))
    beams.emplace(beam.Number, &beam);
  ForceSum sum;
  // Each load as it acts in the results: of its case, with the case's factor.
  for (const TForceObject& force : ObjectsOf<TForceObject>(doc)) {
    const TNodeObject* node = nodes.Node(force.NodeNo);
    const double value = force.Value * ResultLoadFactor(doc, force.Case);
    if (node == nullptr || value == 0) continue;
    Add(sum, node->X, node->Y, value * std::cos(force.Angle), value * std::sin(force.Angle), 0);
  }
  for (const TMomentObject& moment : ObjectsOf<TMomentObject>(doc)) {
    const double value = moment.Value * ResultLoadFactor(doc, moment.Case);
    if (nodes.Node(moment.NodeNo) == nullptr || value == 0) continue;
    Add(sum, 0, 0, 0, 0, value);
  }
  for (const TLoadObject& load : ObjectsOf<TLoadObject>(doc)) {
    const auto host = beams.find(load.HostBeam);
    const double factor = ResultLoadFactor(doc, load.Case);
    if (host == beams.end() || factor == 0) continue;
    const TBeamObject* beam = host->second;
    const Point2 a = At(nodes, beam->Node1, beam->X1, beam->Y1);
    const Point2 b = At(nodes, beam->Node2, beam->X2, beam->Y2);
    const LoadStretch stretch = Stretch(nodes, load, a, b);
    // Intensity per metre of the beam, so the resultant is it times the length covered.
    const double covered = (stretch.End - stretch.Start) * stretch.BeamLength;
    const double middle = (stretch.Start + stretch.End) / 2;
    const double resultant = load.Value * factor * covered;
    Add(sum, a.X + middle * (b.X - a.X), a.Y + middle * (b.Y - a.Y),
        resultant * std::cos(load.Angle), resultant * std::sin(load.Angle), 0);
  }
  if (const double factor = ResultOwnWeightFactor(doc); factor != 0) {
    for (const TBeamObject& beam : ObjectsOf<TBeamObject>(doc)) {
      // Weight acts on the gross section of the profile as the design takes it.
      TBeamObject copy = beam;
      NormaliseProfile(copy);
      const Point2 a = At(nodes, beam.Node1, beam.X1, beam.Y1);
      const Point2 b = At(nodes, beam.Node2, beam.X2, beam.Y2);
      const double weight =
          A(copy, doc, &context) * beam.Dens * kGravity * std::hypot(b.X - a.X, b.Y - a.Y) * factor;
      Add(sum, (a.X + b.X) / 2, (a.Y + b.Y) / 2, 0, -weight, 0);
    }
  }
  return sum;
}

ForceSum SupportForceSum(const ModelDocument& doc, SectionContext& context) {
  ForceSum sum;
  if (!doc.ResultsValid) return sum;
  const FrameConnections& nodes = context.Connections(doc);
  std::unordered_set<long> counted;
  for (const TSupportObject& support : ObjectsOf<TSupportObject>(doc)) {
    if (!counted.insert(support.NodeNo).second) continue;
    const TNodeObject* node = nodes.Node(support.NodeNo);
    const Point2 at = node ? Point2{node->X, node->Y} : Point2{support.X, support.Y};
    Add(sum, at.X, at.Y, support.Reactions[0], support.Reactions[1], support.Reactions[2]);
  }
  return sum;
}

} // namespace strandel
