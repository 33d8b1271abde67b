#pragma once
// A force the rest of the structure exerts on the beam of the beam sheet: an
// arrow along the beam for its x component, one across it for its y component
// (each pointing the way the component acts), a curved arrow for its moment, and
// "R" with its number. Components at or below the display thresholds are left out.

#include <QPainter>

#include "analysis/beam_page.h"
#include "model/app_settings.h"
#include "render/draw_style.h"

namespace strandel {

void DrawReaction(QPainter& painter, const TReactionObject& reaction, DrawStyle style,
                  const SymbolSizes& sizes, const AppSettings& settings, const ViewState& page);

} // namespace strandel
