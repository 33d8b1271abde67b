#include "sections/capacity.h"

#include <cmath>
#include <memory>

#include "common/geometry.h"
#include "common/undefined_value.h"
#include "sections/frame_connections.h"
#include "sections/material.h"
#include "sections/profile.h"

namespace strandel {
namespace {

// The slenderness from which a compressed beam is checked linearly: slender
// members fail by buckling without the reserve that the squared rule assumes.
constexpr double kLinearCompressionSlenderness = 27;

// A point of the buckling walk along a beam.
struct WalkPoint {
  long Number = 0;
  double Position = 0; // along the beam, fraction
  double X = 0, Y = 0; // m
};

// The connections of the operation, or those one beam's question needs.
class ConnectionsFor {
public:
  ConnectionsFor(const ModelDocument& doc, const TBeamObject& beam, SectionContext* context,
                 long alsoNode = -1)
      : own_(context ? nullptr : std::make_unique<FrameConnections>(doc, beam, alsoNode)),
        connections_(context ? context->Connections(doc) : *own_) {}
  const FrameConnections& operator*() const { return connections_; }
  const FrameConnections* operator->() const { return &connections_; }

private:
  std::unique_ptr<FrameConnections> own_;
  const FrameConnections& connections_;
};

WalkPoint EndPoint(const FrameConnections& connections, long number, double x, double y,
                   double position) {
  // A beam keeps copies of its end coordinates; they stand in for a missing node.
  if (const TNodeObject* node = connections.Node(number))
    return {number, position, node->X, node->Y};
  return {number, position, x, y};
}

WalkPoint StopPoint(const FrameConnections& connections, const TBeamObject& beam) {
  return EndPoint(connections, beam.Node2, beam.X2, beam.Y2, 1);
}

// The node lying on the beam at the smallest position beyond `after` (positions
// from 2 on are not searched), else the stop node.
WalkPoint NextAfter(const FrameConnections& connections, const TBeamObject& beam, double after) {
  const NodeOnBeam* best = nullptr;
  double bestPosition = 2.0;
  for (const NodeOnBeam& candidate : connections.NodesOn(beam.Number)) {
    if (candidate.Position > after && candidate.Position < bestPosition) {
      bestPosition = candidate.Position;
      best = &candidate;
    }
  }
  if (best == nullptr) return StopPoint(connections, beam);
  return {best->Node->Number, best->Position, best->Node->X, best->Node->Y};
}

// The imperfection of a metal column by its manufacture.
double Imperfection(const TBeamObject& beam) {
  if (MaterialKindOf(beam) == MaterialKind::Steel)
    return beam.Manufacture == 0 ? 0.21 : beam.Manufacture == 1 ? 0.34 : 0.49;
  if (beam.Manufacture == 1) return 0.49;
  return beam.HardenAble ? 0.21 : 0.34;
}

double SqrtAbsolute(double x) {
  return std::sqrt(std::fabs(x));
}

// The utilisation one force or moment adds: none without it, all when nothing
// carries it.
double Term(double demand, double capacity) {
  if (!IsDefined(demand) || !IsDefined(capacity)) return kUndefined;
  if (demand == 0) return 0;
  if (!(capacity > 0)) return INFINITY;
  return std::fabs(demand / capacity);
}

} // namespace

double Rtd(const TBeamObject& beam, const ModelDocument& doc, SectionContext* context) {
  return Ftd(beam, doc, context) * A(beam, doc, context);
}

double Rcd(const TBeamObject& beam, const ModelDocument& doc, SectionContext* context) {
  const double area = doc.Settings.LocBuckRed ? Aeff(beam, doc, context) : A(beam, doc, context);
  return Fcd(beam, doc, context) * area;
}

double Md(const TBeamObject& beam, const ModelDocument& doc, SectionContext* context) {
  return Fmd(beam, doc, context) * SectMod(beam, doc, context);
}

bool IsHeldNode(long nodeNumber, const TBeamObject& beam, const ModelDocument& doc,
                SectionContext* context) {
  return ConnectionsFor(doc, beam, context, nodeNumber)->IsHeld(nodeNumber, beam.Number);
}

long NextNodeOnBeam(long nodeNumber, const TBeamObject& beam, const ModelDocument& doc,
                    SectionContext* context) {
  const ConnectionsFor connections(doc, beam, context, nodeNumber);
  double position = 0;
  if (nodeNumber != beam.Node1) {
    if (const TNodeObject* node = connections->Node(nodeNumber)) position = node->PositionOnBeam;
  }
  return NextAfter(*connections, beam, position).Number;
}

double Lc(const TBeamObject& beam, const ModelDocument& doc, SectionContext* context) {
  const ConnectionsFor connections(doc, beam, context);
  auto held = [&](const WalkPoint& point) {
    return connections->IsHeld(point.Number, beam.Number);
  };
  // Positions grow strictly along the walk, so it ends at the stop node even
  // when damaged node data put a node twice on the beam.
  WalkPoint start = EndPoint(*connections, beam.Node1, beam.X1, beam.Y1, 0);
  double longest = 0;
  for (;;) {
    WalkPoint next = NextAfter(*connections, beam, start.Position);
    while (!held(next) && next.Number != beam.Node2)
      next = NextAfter(*connections, beam, next.Position);
    const double stretch = std::hypot(next.X - start.X, next.Y - start.Y);
    longest = LargerOf(longest, held(start) && held(next) ? stretch : 2 * stretch);
    if (next.Number == beam.Node2) break;
    start = next;
  }
  return longest;
}

double Lambda(const TBeamObject& beam, const ModelDocument& doc, SectionContext* context) {
  return Lc(beam, doc, context) * std::sqrt(Aeff(beam, doc, context) / Imin(beam, doc, context));
}

double BucklRedFact(const TBeamObject& beam, const ModelDocument& doc, SectionContext* context) {
  if (!doc.Settings.LatBuckRed) return 1;
  const MaterialKind kind = MaterialKindOf(beam);
  if (kind == MaterialKind::Other) return 1;
  double E = beam.Ek;
  if (kind == MaterialKind::Wood) {
    // Timber columns buckle with a modulus well below the mean, the more so the weaker the timber.
    const double f = beam.Fck * 1e-6; // MPa
    E = beam.Ek / (0.0007 * f * f - 0.0619 * f + 2.6259);
  }
  const double lambda = Lc(beam, doc, context) / kPi *
                        std::sqrt(A(beam, doc, context) / Imin(beam, doc, context)) *
                        std::sqrt(beam.Fck / E);
  if (!IsDefined(lambda)) return kUndefined;
  if (std::isinf(lambda)) return 0; // an endlessly slender column carries nothing
  if (kind == MaterialKind::Wood) {
    const double betaC = beam.Manufacture == 1 ? 0.1 : 0.2;
    const double k = 0.5 * (1 + betaC * (lambda - 0.5) + lambda * lambda);
    return SmallerOf(1, 1 / (k + SqrtAbsolute(k * k - lambda * lambda)));
  }
  if (lambda == 0) return 1; // the curve's limit for a column without length
  const double alpha = Imperfection(beam);
  const double t = 1 + alpha * (lambda - 0.2) + 1.1 * lambda * lambda;
  const double squareTerm = 4.4 * lambda * lambda;
  const double difference = t * t - squareTerm;
  // (t - sqrt(t^2 - x)) / (2.2 lambda^2) written without the cancellation that
  // ruins it for short columns: the same value as 2 / (t + sqrt(t^2 - x)).
  const double factor = difference >= 0 ? 2 / (t + std::sqrt(difference))
                                        : (t - SqrtAbsolute(difference)) / (2.2 * lambda * lambda);
  return SmallerOf(1, factor);
}

double Utilisation(double N, double M, double Lambda, double Rtd, double Rcd, double Md) {
  if (!IsDefined(N) || !IsDefined(M)) return kUndefined;
  const double bending = Term(M, Md);
  if (N > 0) return bending + Term(N, Rtd);
  if (N == 0) return bending;
  if (!IsDefined(Lambda)) return kUndefined;
  const double compression = Term(N, Rcd);
  if (Lambda < kLinearCompressionSlenderness) return bending + compression * compression;
  return bending + compression;
}

} // namespace strandel
