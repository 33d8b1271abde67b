#pragma once
// How model coordinates map to the pixels of the drawing area, and the zoom and
// pan arithmetic. Model y grows upwards, pixel y downwards. The same mapping
// serves the screen, image export and the printer: every drawing routine is
// given Scale, OriginX and OriginY.

#include <optional>
#include <vector>

#include "common/geometry.h"
#include "view/model_extents.h"

namespace strandel {

struct PixelPoint {
  int X = 0;
  int Y = 0;
  friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// One earlier view for Zoom back.
struct ViewRecord {
  double Scale = 1;
  double OriginX = 0;
  double OriginY = 0;
  friend bool operator==(const ViewRecord&, const ViewRecord&) = default;
};

// The zoom factor of one Zoom in or Zoom out step.
inline constexpr double kZoomStep = 1.1;

struct ViewState {
  double OriginX = -5.1;               // model x at the left edge of the drawing area
  double OriginY = 0;                  // model y at the bottom edge
  double Scale = 50;                   // pixels per model length unit, > 0
  std::vector<ViewRecord> ZoomHistory; // newest last; unbounded
  bool ZoomWindowActive = false;
  bool PanActive = false;
  // Press point and current corner of a zoom-window or pan drag.
  std::optional<PixelPoint> DragStart;
  std::optional<PixelPoint> DragCorner;
  ViewRecord PanStart; // the view when the pan drag began
  // A drag with the middle button (or Space and the left one) pans at any
  // time, without ending the operation under way.
  std::optional<PixelPoint> GrabStart;
  ViewRecord GrabView;
  int Width = 1; // drawing area, pixels
  int Height = 1;

  ViewRecord Current() const { return {Scale, OriginX, OriginY}; }
  void Restore(const ViewRecord& view);
};

Point2 ToModel(const ViewState& view, double px, double py);
// Rounded to the nearest pixel; far-off points are held at +-1e9 pixels so the
// result always fits an int.
PixelPoint ToScreen(const ViewState& view, double x, double y);

// Zooms about the centre of the view by factor f (> 1 shows more of the
// model) and records the previous view for Zoom back.
void ZoomAboutCentre(ViewState& view, double f);

// The wheel's zoom: by factor f (> 1 shows more) about a pixel, whose model
// point stays under it. Not recorded for Zoom back, as a pan is not: a burst of
// wheel steps would bury the views worth going back to. False (and nothing
// changed) when the scale would leave kLeastScale..kGreatestScale.
inline constexpr double kLeastScale = 1e-6; // pixels per model unit
inline constexpr double kGreatestScale = 1e9;
bool ZoomAboutPixel(ViewState& view, double f, PixelPoint pixel);

// Fits the pixel rectangle between two corners into the view along its tighter
// dimension, centred along the other, and records the previous view. False (and
// nothing changed) when the rectangle has no width or no height.
bool ZoomToRectangle(ViewState& view, PixelPoint corner1, PixelPoint corner2);

// Fits the box, widened by 5% on each side, into the view and clears the zoom
// history. False (and nothing changed) for an empty box or one that would give
// no usable scale.
bool ZoomToBox(ViewState& view, const ModelBox& box);

// Returns to the newest recorded view; false when there is none.
bool PopZoomHistory(ViewState& view);

// During a pan drag the model follows the pointer from where the drag began.
void PanTo(ViewState& view, PixelPoint pointer);
// The same for a drag that began at `start` with the view `startView`.
void PanFrom(ViewState& view, PixelPoint start, const ViewRecord& startView, PixelPoint pointer);

// The view of a new document for a drawing area of width x height pixels: about
// ten model units across, centred on y = 0. The zoom history is emptied.
void SetInitialView(ViewState& view, int width, int height);

// The drawing area changed size; the view keeps its centre.
void ResizeView(ViewState& view, int width, int height);

} // namespace strandel
