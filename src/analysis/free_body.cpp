#include "analysis/free_body.h"

#include <algorithm>
#include <cmath>

#include "analysis/node_table.h"
#include "common/geometry.h"

namespace strandel {
namespace {

double BeamAngle(const TBeamObject& beam) {
  return std::atan2(beam.Y2 - beam.Y1, beam.X2 - beam.X1);
}

double Normalised(double angle) {
  return std::atan2(std::sin(angle), std::cos(angle));
}

// An object's direction relative to the beam in [0, pi]: a direction pointing
// below the beam is drawn as the opposite direction with the magnitude negated.
void RelativeDirection(double objectAngle, double beamAngle, double& angle, double& value) {
  angle = Normalised(objectAngle - beamAngle);
  if (angle < 0) {
    angle = Normalised(angle + kPi);
    value = -value;
  }
}

bool LiesOnBeam(const NodeTable& nodes, long nodeNumber, long beamNumber) {
  const TNodeObject* node = nodes.Find(nodeNumber);
  return node != nullptr && node->HostBeam == beamNumber;
}

double ReactionY(const BeamPage& page) {
  return kPageBeamY - page.BeamHeight / 2 - 8 / page.Zoom;
}

// A global force and moment in the axes of a beam at `angle`.
std::array<double, 3> InBeamAxes(double fx, double fy, double m, double angle) {
  const double c = std::cos(angle), s = std::sin(angle);
  return {c * fx + s * fy, -s * fx + c * fy, m};
}

} // namespace

double PageX(const TBeamObject& beam, double x, double y) {
  return kPageBeamLeft +
         kPageBeamWidth * SegmentParameter(x, y, beam.X2, beam.Y2, beam.X1, beam.Y1);
}

void BuildFreeBody(BeamPage& page, const ModelDocument& doc) {
  const TBeamObject* chosen =
      doc.Settings.FBDBeamNo == -1 ? nullptr : FindBeam(doc, doc.Settings.FBDBeamNo);
  if (chosen == nullptr) return;
  TBeamObject copy = *chosen;
  copy.X1 = kPageBeamLeft;
  copy.Y1 = kPageBeamY;
  copy.X2 = kPageBeamLeft + kPageBeamWidth;
  copy.Y2 = kPageBeamY;
  page.Objects.push_back(copy);
  const double beamAngle = BeamAngle(*chosen);
  const NodeTable nodes(doc);

  // The loads as they act in the results shown: of their case, with its factor.
  for (const TForceObject& force : ObjectsOf<TForceObject>(doc)) {
    const TNodeObject* node = nodes.Find(force.NodeNo);
    const double factor = ResultLoadFactor(doc, force.Case);
    if (node == nullptr || node->HostBeam != doc.Settings.FBDBeamNo || factor == 0) continue;
    TForceObject onPage = force;
    onPage.Value *= factor;
    RelativeDirection(force.Angle, beamAngle, onPage.Angle, onPage.Value);
    onPage.X = PageX(*chosen, node->X, node->Y);
    onPage.Y = kPageBeamY;
    onPage.Selected = false;
    page.Objects.push_back(onPage);
  }
  for (const TMomentObject& moment : ObjectsOf<TMomentObject>(doc)) {
    const TNodeObject* node = nodes.Find(moment.NodeNo);
    const double factor = ResultLoadFactor(doc, moment.Case);
    if (node == nullptr || node->HostBeam != doc.Settings.FBDBeamNo || factor == 0) continue;
    TMomentObject onPage = moment;
    onPage.Value *= factor;
    onPage.Angle = kPi / 2;
    onPage.X = PageX(*chosen, node->X, node->Y);
    onPage.Y = kPageBeamY;
    onPage.Selected = false;
    page.Objects.push_back(onPage);
  }
  for (const TLoadObject& load : ObjectsOf<TLoadObject>(doc)) {
    // Only loads the beam carries: a load on a beam meeting this one at a node
    // on it reaches it through that beam's end forces, not as a load of its own.
    const double factor = ResultLoadFactor(doc, load.Case);
    if (load.HostBeam != doc.Settings.FBDBeamNo || factor == 0) continue;
    const bool touches = LiesOnBeam(nodes, load.Node1, doc.Settings.FBDBeamNo) ||
                         LiesOnBeam(nodes, load.Node2, doc.Settings.FBDBeamNo);
    const bool spans = (load.Node1 == chosen->Node1 && load.Node2 == chosen->Node2) ||
                       (load.Node1 == chosen->Node2 && load.Node2 == chosen->Node1);
    if (!touches && !spans) continue;
    const TNodeObject* start = nodes.Find(load.Node1);
    const TNodeObject* end = nodes.Find(load.Node2);
    TLoadObject onPage = load;
    onPage.Value *= factor;
    RelativeDirection(load.Angle, beamAngle, onPage.Angle, onPage.Value);
    onPage.X1 = start ? PageX(*chosen, start->X, start->Y) : PageX(*chosen, load.X1, load.Y1);
    onPage.X2 = end ? PageX(*chosen, end->X, end->Y) : PageX(*chosen, load.X2, load.Y2);
    onPage.Y1 = onPage.Y2 = kPageBeamY;
    onPage.Selected = false;
    page.Objects.push_back(onPage);
  }
}

TReactionObject& FindOrCreateReaction(std::deque<TReactionObject>& reactions, BeamPage& page,
                                      long nodeNumber, bool withNode, double x, double y) {
  for (TReactionObject& reaction : reactions)
    if (reaction.NodeNo == nodeNumber) return reaction;
  TReactionObject& reaction = reactions.emplace_back();
  reaction.NodeNo = nodeNumber;
  reaction.X = x;
  reaction.Y = y;
  if (withNode) {
    TNodeObject node;
    node.Number = static_cast<std::uint16_t>(nodeNumber);
    node.X = x;
    node.Y = y;
    page.Objects.push_back(node);
  }
  return reaction;
}

void BuildReactions(BeamPage& page, const ModelDocument& doc, const AppSettings& settings) {
  const TBeamObject* chosen =
      doc.Settings.FBDBeamNo == -1 ? nullptr : FindBeam(doc, doc.Settings.FBDBeamNo);
  if (chosen == nullptr) return;
  const double beamAngle = BeamAngle(*chosen);
  const double y = ReactionY(page);
  const NodeTable nodes(doc);
  std::deque<TReactionObject> reactions;

  // The beam's own stretches give the forces at its ends, in its axes already.
  for (const TSegmentObject& segment : doc.Segments) {
    if (segment.BeamNo != chosen->Number) continue;
    if (segment.Node1 == chosen->Node1) {
      TReactionObject& r =
          FindOrCreateReaction(reactions, page, chosen->Node1, false, kPageBeamLeft, y);
      r.ForceX += segment.ForceL[0];
      r.ForceY += segment.ForceL[1];
      r.Moment += segment.ForceL[2];
    }
    if (segment.Node2 == chosen->Node2) {
      TReactionObject& r = FindOrCreateReaction(reactions, page, chosen->Node2, false,
                                                kPageBeamLeft + kPageBeamWidth, y);
      r.ForceX += segment.ForceL[3];
      r.ForceY += segment.ForceL[4];
      r.Moment += segment.ForceL[5];
    }
  }

  // At a node on the beam, what the other beams and the supports take from the
  // node is pushed onto the beam; turned into the beam's axes like the rest.
  auto subtract = [&](long nodeNumber, double fx, double fy, double m) {
    const TNodeObject* node = nodes.Find(nodeNumber);
    if (node == nullptr || node->HostBeam != chosen->Number) return;
    TReactionObject& r = FindOrCreateReaction(reactions, page, nodeNumber, true,
                                              PageX(*chosen, node->X, node->Y), y);
    const std::array<double, 3> local = InBeamAxes(fx, fy, m, beamAngle);
    r.ForceX -= local[0];
    r.ForceY -= local[1];
    r.Moment -= local[2];
  };
  for (const TSegmentObject& segment : doc.Segments) {
    if (segment.BeamNo == chosen->Number) continue;
    subtract(segment.Node1, segment.ForceG[0], segment.ForceG[1], segment.ForceG[2]);
    subtract(segment.Node2, segment.ForceG[3], segment.ForceG[4], segment.ForceG[5]);
  }
  for (const TSupportObject& support : ObjectsOf<TSupportObject>(doc))
    subtract(support.NodeNo, support.Reactions[0], support.Reactions[1], support.Reactions[2]);

  std::vector<TReactionObject> shown;
  for (const TReactionObject& r : reactions) {
    if (std::fabs(r.ForceX) < settings.MinForceValue &&
        std::fabs(r.ForceY) < settings.MinForceValue &&
        std::fabs(r.Moment) < settings.MinMomentValue)
      continue;
    shown.push_back(r);
  }
  std::stable_sort(shown.begin(), shown.end(),
                   [](const TReactionObject& a, const TReactionObject& b) { return a.X < b.X; });
  int number = 0;
  for (TReactionObject& r : shown) {
    r.Number = ++number;
    page.Objects.push_back(r);
  }
}

} // namespace strandel
