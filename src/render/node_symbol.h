#pragma once
// A node: a circle half a BeamHeight in radius, darker when it lies on no beam;
// its label is a white disc over it with "N" and its number beside.

#include <QPainter>

#include "model/objects.h"
#include "render/draw_style.h"
#include "render/label_space.h"

namespace strandel {

// The radius in pixels: round(BeamHeight x Scale x 0.5 + 0.5).
int NodeRadius(const SymbolSizes& sizes, const ViewState& view);

// The label's text keeps out of the places taken in `space`.
void DrawNode(QPainter& painter, const TNodeObject& node, DrawStyle style, const SymbolSizes& sizes,
              const ViewState& view, LabelSpace* space = nullptr);

} // namespace strandel
