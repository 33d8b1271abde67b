#pragma once
// The beam page on paper. The page's content runs down from the free body as far
// as the diagrams need, past the bottom of one A4 sheet when most diagrams are
// shown; on paper it continues on further sheets, each diagram whole on one.

#include <vector>

#include <QPainter>

#include "analysis/beam_page.h"
#include "model/app_settings.h"
#include "render/beam_sheet.h"
#include "render/sheet_title.h"

namespace strandel {

struct BeamSheet {
  double OriginY = 0;    // page y shown at the bottom edge of the paper
  double ContentTop = 0; // the page y range of the content this sheet shows
  double ContentBottom = 0;
};

// The sheets the page needs, the first showing the page as the window does.
std::vector<BeamSheet> BeamSheets(const BeamPage& page);

// One sheet on paper that `paper` maps in millimetres, (0, 0) the sheet's
// bottom-left corner (SheetOnPaper for a printer's page), with its title line
// in the top margin when one is given (paper and exports; the window has none).
void PaintBeamSheet(QPainter& painter, const BeamPage& page, const AppSettings& settings,
                    const BeamSheet& sheet, const ViewState& paper, SheetSurround surround,
                    const SheetTitle* title = nullptr);

// One sheet on a target of width x height pixels that is the paper, `scale`
// pixels per millimetre.
void PaintBeamSheet(QPainter& painter, const BeamPage& page, const AppSettings& settings,
                    const BeamSheet& sheet, double scale, int width, int height,
                    SheetSurround surround, const SheetTitle* title = nullptr);

} // namespace strandel
