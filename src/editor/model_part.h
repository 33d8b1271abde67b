#pragma once
// Copying part of a model: the selected objects with the nodes they hang on,
// placed again moved, mirrored or many times over (paste, duplicate, mirror,
// arrays). A copy joins the model where it meets it: a node that lands on an
// existing node becomes that node, and a beam that would lie on an existing
// beam between the same nodes, or a support on a node that has one, is not
// made twice (two would silently double the stiffness).

#include <cstdint>
#include <optional>
#include <vector>

#include "common/geometry.h"
#include "model/document.h"

namespace strandel {

// A map of the plane: x' = XX x + XY y + DX, y' = YX x + YY y + DY. Only
// translations and mirrors are made here, so lengths stay.
struct PlaneMap {
  double XX = 1, XY = 0, YX = 0, YY = 1;
  double DX = 0, DY = 0;

  Point2 Apply(Point2 p) const { return {XX * p.X + XY * p.Y + DX, YX * p.X + YY * p.Y + DY}; }
  // A direction (rad) as the map turns it.
  double Direction(double angle) const;
  // A mirror turns the sense of rotations.
  bool Mirrors() const { return XX * YY - XY * YX < 0; }
};

PlaneMap Translation(Point2 delta);

// The support code (1..4: standing under, right of, above, left of its node)
// nearest to the direction (rad) in which it points towards its node; a
// boundary angle takes the lower code, as when the support is drawn by pointing.
std::uint16_t SupportCode(double direction);
// The mirror image about the line through a and b (a != b).
PlaneMap MirrorAbout(Point2 a, Point2 b);

// Copies of the selected objects and of the nodes they hang on. A load comes
// along only with the beam it lies on; a node lying on a beam that does not
// come along is copied as a free node.
struct ModelPart {
  std::vector<GraphObject> Objects; // nodes first, then the other kinds in model order
  Point2 Base;                      // the lowest, leftmost corner of its nodes' box
  bool Empty() const { return Objects.empty(); }
};
ModelPart SelectedPart(const ModelDocument& doc);

// Places a copy of the part, mapped, with new numbers; the copies are selected
// (the caller clears the selection first). Returns the number of objects added, or nothing (and the
// model as it was) when a kind has not enough free numbers.
std::optional<int> PlacePart(ModelDocument& doc, const ModelPart& part, const PlaneMap& map);

// The offsets of the copies of an array: `copies` in a row, k times `spacing`
// (k = 1..copies); or a grid of rows x columns whose first place is the
// original. Empty when the counts are below 1, give no copy, or more than
// kMostArrayCopies, or a spacing is not finite.
inline constexpr int kMostArrayCopies = 1000;
std::vector<Point2> LinearArray(int copies, Point2 spacing);
std::vector<Point2> RectangularArray(int rows, int columns, Point2 spacing);

} // namespace strandel
