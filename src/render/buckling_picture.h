#pragma once
// The buckling mode on the model picture: every stretch drawn where the mode
// moves it, scaled as the displaced shape is (its largest translation 5 % of
// the model's larger side), and a caption naming the load set and its alpha_cr.

#include <string>

#include <QPainter>

#include "analysis/second_order.h"
#include "model/document.h"
#include "view/view_state.h"

namespace strandel {

struct BucklingPicture {
  BucklingMode Mode;   // stretch by stretch as in doc.Segments
  std::string Caption; // "Buckling mode of combination 3, alpha_cr = 4.21"
};

// The colour of the mode, apart from the blue of the displaced shape.
inline QColor BucklingModeColour() {
  return {200, 0, 160};
}

// The exaggeration that draws the mode's largest translation (1) as 5 % of
// the model's larger side.
double BucklingDrawScale(const ModelDocument& doc);

void DrawBucklingMode(QPainter& painter, const ModelDocument& doc, const ViewState& view,
                      const BucklingPicture& picture);

} // namespace strandel
