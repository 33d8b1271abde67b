#pragma once
// The loads: a yellow band with arrows along a beam for a distributed load, a
// blue arrow for a point force, a curved arrow for a point moment. The arrows
// show which way a load acts: the magnitude's sign turns them round, so a load
// stored as -1000 N/m at 90 degrees (downwards) points at its beam.

#include <string>

#include <QPainter>

#include "model/objects.h"
#include "render/draw_style.h"
#include "render/label_space.h"

namespace strandel {

// The moment arc turns through this angle around its point.
inline constexpr double kMomentArcSweep = 270.0 * kPi / 180.0;

// `standOff` moves the band off the load line along the load's direction: the
// beam sheet stands it on the face of its thick beam.
void DrawLoad(QPainter& painter, const TLoadObject& load, DrawStyle style, const SymbolSizes& sizes,
              const ViewState& view, double standOff = 0);
void DrawForce(QPainter& painter, const TForceObject& force, DrawStyle style,
               const SymbolSizes& sizes, const ViewState& view);
void DrawMoment(QPainter& painter, const TMomentObject& moment, DrawStyle style,
                const SymbolSizes& sizes, const ViewState& view);

// The labels, just beyond the band, the arrow's tail end and the arc.
void DrawLoadLabel(QPainter& painter, const TLoadObject& load, const std::string& text,
                   const SymbolSizes& sizes, const ViewState& view, double standOff = 0,
                   LabelSpace* space = nullptr);
void DrawForceLabel(QPainter& painter, const TForceObject& force, const std::string& text,
                    const SymbolSizes& sizes, const ViewState& view, LabelSpace* space = nullptr);
void DrawMomentLabel(QPainter& painter, const TMomentObject& moment, const std::string& text,
                     const SymbolSizes& sizes, const ViewState& view, LabelSpace* space = nullptr);

} // namespace strandel
