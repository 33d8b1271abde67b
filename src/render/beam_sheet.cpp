#include "render/beam_sheet.h"

#include <cmath>
#include <string>

#include "common/text_entries.h"
#include "common/translation.h"
#include "render/beam_symbol.h"
#include "render/character_grid.h"
#include "render/diagram_drawing.h"
#include "render/load_symbols.h"
#include "render/node_symbol.h"
#include "render/palette.h"
#include "render/pixel_mapping.h"
#include "render/reaction_symbol.h"
#include "render/rotated_text.h"

namespace strandel {
namespace {

// The table's cells: 80 characters across its width, 5/3 as high as wide.
constexpr double kCellFraction = 0.0125;
constexpr double kCellAspect = 5.0 / 3.0;

template <class T, class Draw> void EachOnPage(const BeamPage& page, Draw draw) {
  for (const PageObject& object : page.Objects)
    if (const T* typed = std::get_if<T>(&object)) draw(*typed);
}

// The sheet's beam is thicker than its loads are high: the bands stand on its
// face instead of hiding behind it.
double LoadStandOff(const BeamPage& page) {
  return page.BeamHeight / 2;
}

// Likewise a force's arrow meets the beam's face rather than its centre line.
TForceObject OnBeamFace(const TForceObject& force, const BeamPage& page) {
  TForceObject moved = force;
  moved.X += std::cos(force.Angle) * page.BeamHeight / 2;
  moved.Y += std::sin(force.Angle) * page.BeamHeight / 2;
  return moved;
}

std::string Letter(const char* letter, long number) {
  return letter + std::to_string(number);
}

} // namespace

void DrawSheet(QPainter& painter, const ViewState& page, SheetSurround surround) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.fillRect(QRect(0, 0, page.Width, page.Height),
                   surround == SheetSurround::Desk ? FromPlatformColour(0x808080) : Qt::white);
  const QRectF area(PixelOf(page, kSheetMargin, kSheetHeight - kSheetMargin),
                    PixelOf(page, kSheetWidth - kSheetMargin, kSheetMargin));
  painter.fillRect(area, Qt::white);
  QPen frame(Qt::black);
  frame.setWidthF(DevicePixels(painter, 1));
  painter.setPen(frame);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(area);
  painter.restore();
}

SymbolSizes PageSizes(const BeamPage& page) {
  return {page.BeamHeight, page.LoadHeight, page.TextHeight};
}

void DrawForceTable(QPainter& painter, const TReactionTableObject& table, const ViewState& page) {
  CellGrid grid;
  grid.Left = table.X;
  grid.Top = table.Y;
  grid.CellWidth = kCellFraction * table.Width;
  grid.CellHeight = kCellAspect * grid.CellWidth;
  for (std::size_t row = 0; row < table.Lines.size(); ++row)
    DrawGridLine(painter, page, grid, static_cast<int>(row), table.Lines[row], false);
}

namespace {

// The head of the sheet says how to read its signs, so nobody has to guess which
// way a positive moment bends the beam, and what the table's R stand for: the
// forces on this beam, not the forces on a support that tables of supports give.
void DrawSignLegend(QPainter& painter, const BeamPage& page, const ViewState& view) {
  bool showsBeam = false;
  EachOnPage<TBeamObject>(page, [&](const TBeamObject&) { showsBeam = true; });
  if (!showsBeam) return;
  constexpr double kLegendHeight = 2.1;  // mm, smaller than the labels
  constexpr double kLegendTop = 289.2;   // the first line's baseline, mm
  constexpr double kLegendLeading = 2.6; // mm from line to line
  const int lines[] = {tr::kBeamSheetSignsAxes, tr::kBeamSheetSignsForces,
                       tr::kBeamSheetSignsTable};
  double y = kLegendTop;
  for (int entry : lines) {
    DrawLabel(painter, view, {kPageBeamLeft, y}, Translated(entry), kLegendHeight);
    y -= kLegendLeading;
  }
}

} // namespace

void PaintBeamPageContent(QPainter& painter, const BeamPage& page, const AppSettings& settings,
                          const ViewState& view) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  const SymbolSizes sizes = PageSizes(page);

  painter.save();
  const int offset = ShadowOffset(sizes, view);
  painter.translate(offset, offset);
  for (const PageObject& object : page.Objects) {
    if (const auto* load = std::get_if<TLoadObject>(&object))
      DrawLoad(painter, *load, DrawStyle::Shadow, sizes, view, LoadStandOff(page));
    else if (const auto* beam = std::get_if<TBeamObject>(&object))
      DrawBeam(painter, *beam, DrawStyle::Shadow, sizes, view, false);
    else if (const auto* node = std::get_if<TNodeObject>(&object))
      DrawNode(painter, *node, DrawStyle::Shadow, sizes, view);
    else if (const auto* reaction = std::get_if<TReactionObject>(&object))
      DrawReaction(painter, *reaction, DrawStyle::Shadow, sizes, settings, view);
    else if (const auto* force = std::get_if<TForceObject>(&object))
      DrawForce(painter, OnBeamFace(*force, page), DrawStyle::Shadow, sizes, view);
    else if (const auto* moment = std::get_if<TMomentObject>(&object))
      DrawMoment(painter, *moment, DrawStyle::Shadow, sizes, view);
  }
  painter.restore();

  EachOnPage<TLoadObject>(page, [&](const TLoadObject& load) {
    DrawLoad(painter, load, DrawStyle::Body, sizes, view, LoadStandOff(page));
  });
  for (int rigidEnds = 0; rigidEnds <= 2; ++rigidEnds) {
    EachOnPage<TBeamObject>(page, [&](const TBeamObject& beam) {
      if (RigidEnds(beam) == rigidEnds)
        DrawBeam(painter, beam, DrawStyle::Body, sizes, view, settings.ShowBeamDirection);
    });
  }
  EachOnPage<TReactionObject>(page, [&](const TReactionObject& reaction) {
    DrawReaction(painter, reaction, DrawStyle::Body, sizes, settings, view);
  });
  EachOnPage<TNodeObject>(page, [&](const TNodeObject& node) {
    DrawNode(painter, node, DrawStyle::Body, sizes, view);
  });
  EachOnPage<TForceObject>(page, [&](const TForceObject& force) {
    DrawForce(painter, OnBeamFace(force, page), DrawStyle::Body, sizes, view);
  });
  EachOnPage<TMomentObject>(page, [&](const TMomentObject& moment) {
    DrawMoment(painter, moment, DrawStyle::Body, sizes, view);
  });
  // The letters name the table's entries, which give the magnitudes.
  EachOnPage<TLoadObject>(page, [&](const TLoadObject& load) {
    DrawLoadLabel(painter, load, Letter("q", load.Number), sizes, view, LoadStandOff(page));
  });
  EachOnPage<TForceObject>(page, [&](const TForceObject& force) {
    DrawForceLabel(painter, OnBeamFace(force, page), Letter("F", force.Number), sizes, view);
  });
  EachOnPage<TMomentObject>(page, [&](const TMomentObject& moment) {
    DrawMomentLabel(painter, moment, Letter("M", moment.Number), sizes, view);
  });
  EachOnPage<TReactionTableObject>(
      page, [&](const TReactionTableObject& table) { DrawForceTable(painter, table, view); });
  DrawSignLegend(painter, page, view);
  EachOnPage<TDiagramObject>(page, [&](const TDiagramObject& diagram) {
    DrawDiagram(painter, diagram, page.TextHeight, view, settings.Units);
  });
  painter.restore();
}

void PaintBeamPage(QPainter& painter, const BeamPage& page, const AppSettings& settings,
                   const ViewState& view, SheetSurround surround) {
  DrawSheet(painter, view, surround);
  PaintBeamPageContent(painter, page, settings, view);
}

} // namespace strandel
