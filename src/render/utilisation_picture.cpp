#include "render/utilisation_picture.h"

#include <cmath>
#include <vector>

#include <QLineF>

#include "analysis/beam_curves.h"
#include "render/label_texts.h"
#include "render/palette.h"
#include "render/pixel_mapping.h"
#include "render/rotated_text.h"

namespace strandel {
namespace {

// The text stands at the middle of its stretch, or where that is taken, on
// either side of it.
constexpr double kTextPlaces[] = {0.5, 0.3, 0.7};
// Bands thinner than this many screen pixels are drawn as lines this wide.
constexpr double kSmallestBand = 2;

} // namespace

void DrawUtilisation(QPainter& painter, const ModelDocument& doc, const SymbolSizes& sizes,
                     const ViewState& view, LabelSpace* space) {
  const QPen pen = OutlinePen(OutlineColour(), sizes, view);
  const double h = sizes.BeamHeight;
  const bool legible = IsLegibleHeight(painter, sizes.LabelHeight * view.Scale);
  // A band thinner than a couple of pixels would show only its outline: the
  // stretch is then a line in its colour, so green and red still show.
  const bool thin = h * view.Scale < DevicePixels(painter, kSmallestBand);
  std::vector<QLineF> lines[2]; // holding, not holding
  // All bands first, so no band covers the text of another stretch.
  for (int pass = 0; pass < (legible ? 2 : 1); ++pass) {
    for (const TSegmentObject& segment : doc.Segments) {
      const double dx = segment.X2 - segment.X1, dy = segment.Y2 - segment.Y1;
      const double length = std::hypot(dx, dy);
      if (!(length > 0)) continue;
      const double u = StretchUtilisation(segment);
      if (pass == 0) {
        const bool holds = u < 1.0; // false for an undefined utilisation too
        if (thin) {
          lines[holds ? 0 : 1].emplace_back(PixelOf(view, segment.X1, segment.Y1),
                                            PixelOf(view, segment.X2, segment.Y2));
          continue;
        }
        const double nx = -dy / length * h / 2, ny = dx / length * h / 2;
        const QPolygonF band = PixelPolygon(view, {{segment.X1 - nx, segment.Y1 - ny},
                                                   {segment.X2 - nx, segment.Y2 - ny},
                                                   {segment.X2 + nx, segment.Y2 + ny},
                                                   {segment.X1 + nx, segment.Y1 + ny}});
        DrawShape(painter, band,
                  {holds ? UtilisationOkColour() : UtilisationExceededColour(), OutlineColour()},
                  pen);
        continue;
      }
      if (thin) continue;
      // Below the stretch, so it never meets the beam's own label above it; the
      // text's top edge just under the band.
      const double angle = ReadableAngle(std::atan2(dy, dx));
      const double below = h / 2 + 0.95 * sizes.LabelHeight;
      for (double t : kTextPlaces) {
        const Point2 base{segment.X1 + t * dx + std::sin(angle) * below,
                          segment.Y1 + t * dy - std::cos(angle) * below};
        if (DrawLabel(painter, view, base, UtilisationText(u), sizes.LabelHeight, angle,
                      TextAnchor::BaselineCentre, space))
          break;
      }
    }
  }
  for (int i = 0; i < 2; ++i) {
    QPen line(i == 0 ? UtilisationOkColour() : UtilisationExceededColour());
    line.setWidthF(DevicePixels(painter, kSmallestBand));
    line.setCapStyle(Qt::FlatCap);
    painter.setPen(line);
    painter.drawLines(lines[i].data(), static_cast<int>(lines[i].size()));
  }
}

} // namespace strandel
