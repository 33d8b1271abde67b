#pragma once
// A beam: a band BeamHeight thick along its centre line in the beam's colour,
// its rigid ends darker over 2.5 BeamHeight, an arrow from start to end when the
// direction is shown, and its label along it.

#include <QPainter>

#include "model/objects.h"
#include "render/draw_style.h"
#include "render/label_space.h"

namespace strandel {

// The part of a beam within this many BeamHeights of a rigid end is darker.
inline constexpr double kRigidEndMark = 2.5;

// How many of the beam's two ends are rigid: the beams are drawn in that order.
int RigidEnds(const TBeamObject& beam);

void DrawBeam(QPainter& painter, const TBeamObject& beam, DrawStyle style, const SymbolSizes& sizes,
              const ViewState& view, bool showDirection);

// The label at the beam's TxtPos, along the beam on its upper side; when that
// place is taken in `space`, a little further along either way.
void DrawBeamLabel(QPainter& painter, const TBeamObject& beam, const std::string& text,
                   const SymbolSizes& sizes, const ViewState& view, LabelSpace* space = nullptr);

} // namespace strandel
