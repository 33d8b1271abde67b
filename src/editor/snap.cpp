#include "editor/snap.h"

#include <cmath>
#include <vector>

#include "model/position_on_beam.h"

namespace strandel {
namespace {

double Distance(Point2 a, Point2 b) {
  return std::hypot(a.X - b.X, a.Y - b.Y);
}

const TNodeObject* NearestNode(const ModelDocument& doc, Point2 p, double radius,
                               const SnapExclusions& exclusions) {
  const TNodeObject* nearest = nullptr;
  double best = radius;
  for (const TNodeObject& node : ObjectsOf<TNodeObject>(doc)) {
    if (exclusions.Node != 0 && node.Number == exclusions.Node) continue;
    const double d = Distance(p, {node.X, node.Y});
    if (d < best) {
      best = d;
      nearest = &node;
    }
  }
  return nearest;
}

bool Excluded(const TBeamObject& beam, const SnapExclusions& exclusions) {
  if (beam.Number == exclusions.Beam) return true;
  return exclusions.Node != 0 && (beam.Node1 == exclusions.Node || beam.Node2 == exclusions.Node);
}

const TBeamObject* NearestBeam(const ModelDocument& doc, Point2 p, double tol,
                               const SnapExclusions& exclusions) {
  const TBeamObject* nearest = nullptr;
  double best = tol;
  for (const TBeamObject& beam : ObjectsOf<TBeamObject>(doc)) {
    if (Excluded(beam, exclusions)) continue;
    const double dx = beam.X2 - beam.X1, dy = beam.Y2 - beam.Y1;
    const double length = std::hypot(dx, dy);
    if (!(length > 0)) continue;
    const double along = ((p.X - beam.X1) * dx + (p.Y - beam.Y1) * dy) / length;
    if (along < 0 || along > length) continue;
    const double across = std::fabs((p.Y - beam.Y1) * dx - (p.X - beam.X1) * dy) / length;
    if (across < best) {
      best = across;
      nearest = &beam;
    }
  }
  return nearest;
}

// Where the line through `base` along `dir` crosses the line through `at`
// along `other`; false for parallel lines.
bool CrossLines(Point2 base, Point2 dir, Point2 at, Point2 other, Point2& crossing) {
  const double denominator = dir.X * other.Y - dir.Y * other.X;
  if (denominator == 0) return false;
  const double s = ((at.X - base.X) * other.Y - (at.Y - base.Y) * other.X) / denominator;
  crossing = {base.X + s * dir.X, base.Y + s * dir.Y};
  return std::isfinite(crossing.X) && std::isfinite(crossing.Y);
}

// Where the grid lines near the projected point cross the beam line.
std::vector<Point2> GridCrossings(const TGridObject& grid, const TBeamObject& beam, Point2 foot,
                                  double step, bool fine) {
  const Point2 base{beam.X1, beam.Y1};
  const Point2 dir{beam.X2 - beam.X1, beam.Y2 - beam.Y1};
  const Point2 g = RoundToGrid(grid, foot, step, fine);
  std::vector<Point2> crossings;
  Point2 crossing;
  if (grid.GridType == kPolarGrid) {
    // The ray through the rounded angle, and the circle of the rounded radius.
    const Point2 centre = grid.PolarCentre;
    const Point2 ray{g.X - centre.X, g.Y - centre.Y};
    if (CrossLines(base, dir, centre, ray, crossing)) crossings.push_back(crossing);
    const double radius = Distance(g, centre);
    const double a = dir.X * dir.X + dir.Y * dir.Y;
    const double bx = base.X - centre.X, by = base.Y - centre.Y;
    const double b = 2 * (bx * dir.X + by * dir.Y);
    const double c = bx * bx + by * by - radius * radius;
    const double discriminant = b * b - 4 * a * c;
    if (a > 0 && discriminant >= 0) {
      for (double sign : {-1.0, 1.0}) {
        const double s = (-b + sign * std::sqrt(discriminant)) / (2 * a);
        crossings.push_back({base.X + s * dir.X, base.Y + s * dir.Y});
      }
    }
    return crossings;
  }
  const Point2 axisX = grid.GridType == kAngulatedGrid ? GridAxisX(grid) : Point2{1, 0};
  const Point2 axisY = grid.GridType == kAngulatedGrid ? GridAxisY(grid) : Point2{0, 1};
  if (CrossLines(base, dir, g, axisX, crossing)) crossings.push_back(crossing);
  if (CrossLines(base, dir, g, axisY, crossing)) crossings.push_back(crossing);
  return crossings;
}

// On a beam: the foot of p, or a grid crossing on the beam line closer than tol.
Point2 SnapAlongBeam(const TGridObject& grid, const TBeamObject& beam, Point2 p, double step,
                     bool fine, double tol) {
  const Point2 foot = ProjectOntoBeamLine(beam, p);
  Point2 best = foot;
  double bestDistance = tol;
  for (const Point2& crossing : GridCrossings(grid, beam, foot, step, fine)) {
    const double d = Distance(crossing, foot);
    if (d < bestDistance) {
      bestDistance = d;
      best = crossing;
    }
  }
  return best;
}

double RoundingStep(const TGridObject& grid, int flags) {
  if ((flags & kSnapFine) || grid.GridType == kNoGrid) return grid.FineStep;
  return grid.Spacing;
}

} // namespace

Point2 Snap(const ModelDocument& doc, TGridObject& grid, Point2 p, int flags, double tol,
            const SnapExclusions& exclusions) {
  const bool nodes = flags & kSnapNodes, beams = flags & kSnapBeams, fine = flags & kSnapFine;
  const TNodeObject* node = nodes ? NearestNode(doc, p, 2 * tol, exclusions) : nullptr;
  const TBeamObject* beam = beams ? NearestBeam(doc, p, tol, exclusions) : nullptr;
  const double step = RoundingStep(grid, flags);
  const Point2 gridPoint = RoundToGrid(grid, p, step, fine);
  if (!node && nodes) node = NearestNode(doc, gridPoint, 2 * tol, exclusions);
  grid.SnappedNode = node ? node->Number : -1;
  grid.SnappedBeam = -1;
  if (node) return {node->X, node->Y};
  if (!beam && beams) beam = NearestBeam(doc, gridPoint, tol, exclusions);
  if (!beam) return fine ? p : gridPoint;
  grid.SnappedBeam = beam->Number;
  return SnapAlongBeam(grid, *beam, p, step, fine, tol);
}

Point2 SnapOntoBeam(const ModelDocument& doc, TGridObject& grid, const TBeamObject& beam,
                    Point2 raw, double tol) {
  const Point2 foot = PointOnBeam(beam, ParameterOnBeam(beam, raw));
  const Point2 snapped = Snap(doc, grid, foot, kSnapNodes | kSnapBeams, tol);
  if (grid.SnappedNode != -1) {
    const TNodeObject* node = FindNode(doc, grid.SnappedNode);
    if (node && (node->Number == beam.Node1 || node->Number == beam.Node2 ||
                 node->HostBeam == beam.Number)) {
      return snapped;
    }
  }
  grid.SnappedNode = -1;
  grid.SnappedBeam = beam.Number;
  const Point2 along =
      SnapAlongBeam(grid, beam, foot, RoundingStep(grid, kSnapNodes | kSnapBeams), false, tol);
  return PointOnBeam(beam, ParameterOnBeam(beam, along));
}

} // namespace strandel
