#pragma once
// The displaced shape of the solved frame over the model: every beam's stretches
// as one blue line through 21 points each, the deflections exaggerated so the
// largest shows at a readable size.

#include <QPainter>

#include "model/document.h"
#include "view/view_state.h"

namespace strandel {

// The exaggeration the picture uses: the document's DisplacementScale, or when
// that is 0 the automatic scale that draws the largest deflection as 5 % of the
// model's size (0 when nothing deflects).
double ShownDisplacementScale(const ModelDocument& doc);

// Draws the segments of the last analysis with the exaggeration `scale`.
void DrawDisplacedShape(QPainter& painter, const ModelDocument& doc, const ViewState& view,
                        double scale);

} // namespace strandel
