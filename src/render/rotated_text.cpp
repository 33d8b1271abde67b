#include "render/rotated_text.h"

#include <cmath>

#include <QFontMetricsF>

#include "render/fonts.h"
#include "render/palette.h"
#include "render/pixel_mapping.h"

namespace strandel {
namespace {

constexpr double kSmallestLegiblePixels = 4;
// Where the middle of a line of capitals and digits lies above its baseline.
constexpr double kMiddleAboveBaseline = 0.36;

} // namespace

void DrawRotatedText(QPainter& painter, double x, double y, const std::string& text,
                     const std::string& fontName, const QColor& colour, double height, bool bold,
                     double angle) {
  if (text.empty() || !(height > 0) || !std::isfinite(x) || !std::isfinite(y)) return;
  painter.save();
  painter.setFont(ProgramFont(painter, fontName, height, bold));
  painter.setPen(colour);
  painter.setBrush(Qt::NoBrush);
  painter.translate(x, y);
  // Pixel y grows downwards, so a counter-clockwise model angle turns the other way.
  if (angle != 0) painter.rotate(-angle * 180 / kPi);
  painter.drawText(QPointF(0, 0), QString::fromStdString(text));
  painter.restore();
}

double RotatedTextWidth(const QPainter& painter, const std::string& text,
                        const std::string& fontName, double height, bool bold) {
  const QFontMetricsF metrics(ProgramFont(painter, fontName, height, bold), painter.device());
  return metrics.horizontalAdvance(QString::fromStdString(text));
}

bool IsLegibleHeight(const QPainter& painter, double pixelHeight) {
  return pixelHeight >= DevicePixels(painter, kSmallestLegiblePixels);
}

double ReadableAngle(double angle) {
  double a = std::remainder(angle, 2 * kPi); // (-pi, pi]
  if (a > kPi / 2 + 1e-9) a -= kPi;
  if (a <= -kPi / 2 + 1e-9) a += kPi;
  return a;
}

bool DrawLabel(QPainter& painter, const ViewState& view, Point2 at, const std::string& text,
               double height, double angle, TextAnchor anchor, LabelSpace* space) {
  const double pixelHeight = height * view.Scale;
  if (text.empty() || !IsLegibleHeight(painter, pixelHeight)) return false;
  const QPointF origin = PixelOf(view, at);
  const double width = RotatedTextWidth(painter, text, kFixedFont, pixelHeight, false);
  double along = 0, up = 0; // shift of the baseline start, pixels in the text's axes
  if (anchor == TextAnchor::MiddleRight || anchor == TextAnchor::BaselineRight) along = -width;
  if (anchor == TextAnchor::BaselineCentre || anchor == TextAnchor::MiddleCentre)
    along = -width / 2;
  if (anchor == TextAnchor::MiddleLeft || anchor == TextAnchor::MiddleCentre ||
      anchor == TextAnchor::MiddleRight)
    up = -kMiddleAboveBaseline * pixelHeight;
  // The text's axes on the screen (y down): along the baseline (c, -s), up (-s, -c).
  const double c = std::cos(angle), s = std::sin(angle);
  const double x = origin.x() + along * c - up * s;
  const double y = origin.y() - along * s - up * c;
  if (space != nullptr) {
    // The box from just below the baseline to the top of the capitals.
    const double middleAlong = width / 2, middleUp = 0.28 * pixelHeight;
    const PixelBox box{{x + middleAlong * c - middleUp * s, y - middleAlong * s - middleUp * c},
                       width / 2 + 1,
                       0.5 * pixelHeight + 1,
                       angle};
    if (!space->IsFree(box)) return false;
    space->Take(box);
  }
  DrawRotatedText(painter, x, y, text, kFixedFont, LabelColour(), pixelHeight, false, angle);
  return true;
}

void DrawLabelBeyond(QPainter& painter, const ViewState& view, Point2 at, double angle,
                     const std::string& text, double height, double clearance, LabelSpace* space) {
  const double pixelHeight = height * view.Scale;
  if (text.empty() || !IsLegibleHeight(painter, pixelHeight) || !(view.Scale > 0)) return;
  const double width = RotatedTextWidth(painter, text, kFixedFont, pixelHeight, false) / view.Scale;
  const double c = std::cos(angle), s = std::sin(angle);
  // Half the text box measured along the direction, so the box just clears `at`.
  const double half = std::fabs(c) * width / 2 + std::fabs(s) * height / 2;
  const Point2 centre{at.X + c * (clearance + half), at.Y + s * (clearance + half)};
  DrawLabel(painter, view, centre, text, height, 0, TextAnchor::MiddleCentre, space);
}

} // namespace strandel
