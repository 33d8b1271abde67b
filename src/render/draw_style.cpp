#include "render/draw_style.h"

#include <algorithm>

#include "render/palette.h"
#include "render/pixel_mapping.h"

namespace strandel {

int ShadowOffset(const SymbolSizes& sizes, const ViewState& view) {
  return PixelLength(view, 0.3 * sizes.BeamHeight);
}

Ink InkFor(DrawStyle style, const QColor& ownColour, bool selected) {
  if (style == DrawStyle::Shadow) return {ShadowColour(), ShadowColour()};
  if (selected)
    return {Shaded(ownColour, kSelectionShade), Shaded(OutlineColour(), kSelectionShade)};
  return {ownColour, OutlineColour()};
}

QPen OutlinePen(const QColor& colour, const SymbolSizes& sizes, const ViewState& view) {
  QPen pen(colour);
  pen.setWidth(PixelLength(view, 0.1 * sizes.BeamHeight));
  pen.setJoinStyle(Qt::MiterJoin);
  return pen;
}

QPen LoadOutlinePen(const QColor& colour, const SymbolSizes& sizes, const ViewState& view) {
  QPen pen(colour);
  pen.setWidth(PixelLength(view, std::min(0.1 * sizes.BeamHeight, 0.04 * sizes.LoadHeight)));
  pen.setJoinStyle(Qt::MiterJoin);
  return pen;
}

void DrawShape(QPainter& painter, const QPolygonF& shape, const Ink& ink, const QPen& pen) {
  QPen outline = pen;
  outline.setColor(ink.Outline);
  painter.setPen(outline);
  painter.setBrush(ink.Fill);
  painter.drawPolygon(shape);
}

} // namespace strandel
