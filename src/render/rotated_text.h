#pragma once
// Text drawn at any angle: the labels of beams, loads, forces and the
// utilisation along a beam, and every text of the sheets. Text is UTF-8.

#include <string>

#include <QColor>
#include <QPainter>

#include "common/geometry.h"
#include "render/label_space.h"
#include "view/view_state.h"

namespace strandel {

// Draws text with its baseline starting at pixel (x, y), turned by `angle`
// (radians, counter-clockwise as in the model), `height` device pixels high, on
// a transparent background.
void DrawRotatedText(QPainter& painter, double x, double y, const std::string& text,
                     const std::string& fontName, const QColor& colour, double height, bool bold,
                     double angle);

// The advance width in pixels of the text as DrawRotatedText draws it.
double RotatedTextWidth(const QPainter& painter, const std::string& text,
                        const std::string& fontName, double height, bool bold);

// Text lower than this many screen pixels would only smudge the picture (a
// zoomed-out frame of thousands of beams), so labels that small are left out.
bool IsLegibleHeight(const QPainter& painter, double pixelHeight);

// The same angle turned by half a turn when the text would otherwise read
// upside down: the result lies in (-90, 90] degrees.
double ReadableAngle(double angle);

enum class TextAnchor {
  BaselineLeft,
  BaselineCentre,
  BaselineRight,
  MiddleLeft,
  MiddleCentre,
  MiddleRight
};

// A label of `height` model (or page) units at the model point `at`, turned by
// `angle`, placed by `anchor` relative to that point. Nothing when the height
// is not legible at this zoom, or when `space` is given and the place is taken
// (the label then takes its place in `space`). True when it was drawn.
bool DrawLabel(QPainter& painter, const ViewState& view, Point2 at, const std::string& text,
               double height, double angle = 0, TextAnchor anchor = TextAnchor::BaselineLeft,
               LabelSpace* space = nullptr);

// A horizontal label just beyond `at`, seen from the object, in the direction
// `angle`: the nearest edge of the text lies `clearance` units from `at`.
void DrawLabelBeyond(QPainter& painter, const ViewState& view, Point2 at, double angle,
                     const std::string& text, double height, double clearance,
                     LabelSpace* space = nullptr);

} // namespace strandel
