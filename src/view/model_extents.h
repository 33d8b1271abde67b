#pragma once
// The box that holds the whole drawn model, symbols included: what Zoom extents
// fits into the view and what printing fits onto the page.

#include <limits>

#include "common/geometry.h"
#include "model/document.h"

namespace strandel {

struct ModelBox {
  double MinX = std::numeric_limits<double>::infinity();
  double MinY = std::numeric_limits<double>::infinity();
  double MaxX = -std::numeric_limits<double>::infinity();
  double MaxY = -std::numeric_limits<double>::infinity();

  bool Empty() const { return MinX > MaxX || MinY > MaxY; }
  double Width() const { return MaxX - MinX; }
  double Height() const { return MaxY - MinY; }
  // Grows the box to hold p; points that are not finite are left out, so one
  // damaged coordinate cannot blow the view up to nothing.
  void Include(Point2 p);
  void Include(Point2 p, double margin);
};

// Nodes and beam ends with 2 BeamHeight around them (the node circle and its
// shadow), supports with their triangles, loads with their bands, forces with
// their arrows and moments with their arcs. Empty for a model without objects.
ModelBox ModelExtents(const ModelDocument& doc);

} // namespace strandel
