#pragma once
// How one object is drawn in a pass: as the soft shadow under the picture, as
// its body in its own colour (shaded when selected), or as its label. The
// sizes come from the document on the model page and are fixed on the beam sheet.

#include <QColor>
#include <QPainter>
#include <QPolygonF>

#include "view/view_state.h"

namespace strandel {

enum class DrawStyle { Shadow = 0, Body = 1, Label = 2 };

// The drawing sizes, in model units on the model page and page units on the
// beam sheet.
struct SymbolSizes {
  double BeamHeight = 0.11;   // beam thickness, node size, support size
  double LoadHeight = 0.30;   // load band, force arrow, moment arc
  double LabelHeight = 0.165; // text of the labels
};

// The shadow lies this far right and down of its object: 0.3 BeamHeight.
int ShadowOffset(const SymbolSizes& sizes, const ViewState& view);

struct Ink {
  QColor Fill;
  QColor Outline;
};
// Shadow: both in the shadow grey. Body: the own colour with the outline grey,
// both shaded to 60 % when the object is selected.
Ink InkFor(DrawStyle style, const QColor& ownColour, bool selected);

// The outline pen: 0.1 BeamHeight wide in whole pixels (0 draws one pixel).
QPen OutlinePen(const QColor& colour, const SymbolSizes& sizes, const ViewState& view);
// The outline of the symbols sized by LoadHeight (loads, forces, moments,
// reactions): as OutlinePen, but never wider than 0.04 LoadHeight, so it stays
// in proportion where loads are drawn small beside thick beams (the beam sheet).
QPen LoadOutlinePen(const QColor& colour, const SymbolSizes& sizes, const ViewState& view);

// Fills and outlines a polygon.
void DrawShape(QPainter& painter, const QPolygonF& shape, const Ink& ink, const QPen& pen);

} // namespace strandel
