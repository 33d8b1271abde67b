#pragma once
// A support: a green triangle with its apex at the node, pointing along the
// support's direction, on a grey base plate (fixed) or two rollers (rolled),
// with a further grey block when it also holds the rotation.

#include <QPainter>

#include "model/objects.h"
#include "render/draw_style.h"
#include "render/label_space.h"

namespace strandel {

void DrawSupport(QPainter& painter, const TSupportObject& support, DrawStyle style,
                 const SymbolSizes& sizes, const ViewState& view);

// "S" + number, to the right of the symbol.
void DrawSupportLabel(QPainter& painter, const TSupportObject& support, const SymbolSizes& sizes,
                      const ViewState& view, LabelSpace* space = nullptr);

} // namespace strandel
