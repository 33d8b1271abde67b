#pragma once
// The utilisation colouring of the solved frame: every stretch drawn over its
// beam in green when its sections hold (utilisation below 1) and light red when
// they do not, with its utilisation in percent along it.

#include <QPainter>

#include "model/document.h"
#include "render/draw_style.h"
#include "render/label_space.h"

namespace strandel {

// A stretch whose utilisation cannot be worked out (an undefined capacity)
// counts as not holding and shows "NAN%".
void DrawUtilisation(QPainter& painter, const ModelDocument& doc, const SymbolSizes& sizes,
                     const ViewState& view, LabelSpace* space = nullptr);

} // namespace strandel
