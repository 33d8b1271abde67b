#pragma once
// The picture of the model page: one routine for every target (the window's
// off-screen picture, image and PDF export, the printer), drawing in a fixed
// order of passes so that shadows lie under everything, loads under beams,
// beams under supports, nodes and point loads, and labels on top.

#include <cstdint>
#include <optional>
#include <utility>

#include <QPainter>

#include "model/app_settings.h"
#include "render/buckling_picture.h"
#include "model/document.h"
#include "render/draw_style.h"
#include "view/grid.h"
#include "view/view_state.h"

namespace strandel {

// What the model page shows besides the model.
struct ModelPictureOptions {
  // The grid under the model; none when null or of type 0 (printing, export).
  const TGridObject* Grid = nullptr;
  // The 1-pixel line from the first picked point to the cursor while an align
  // line or a grid direction is being picked (Editor::GuideLine).
  std::optional<std::pair<Point2, Point2>> GuideLine;
  // Node labels even with ShowNodeNumbers off (the optimizer shows them).
  bool ForceNodeNumbers = false;
  // The load case whose loads, forces and moments are drawn as usual; those of
  // every other case are drawn faded, without shadows. None: all as usual.
  std::optional<std::uint16_t> UnfadedCase;
  // The buckling mode drawn over the model, with its caption; none when null.
  const BucklingPicture* Buckling = nullptr;
};

// The model page's sizes: BeamHeight, LoadHeight and labels 1.5 BeamHeight high.
SymbolSizes ModelSizes(const ModelDocument& doc);

// Clears the view's width x height pixels to white and draws the model: the
// shadows and the grid; loads; beams hinged at both ends, then with one rigid
// end, then rigid at both; the utilisation colouring (results valid and shown);
// supports; nodes; forces; moments; the labels; node labels; the displaced
// shape (results valid and shown); the buckling mode (when given); the guide
// line.
void DrawModel(QPainter& painter, const ModelDocument& doc, const AppSettings& settings,
               const ViewState& view, const ModelPictureOptions& options = {});

// The view of a picture of width x height pixels that shows the whole model as
// Zoom extents does; the initial view for a model without objects.
ViewState FittedView(const ModelDocument& doc, int width, int height);

} // namespace strandel
