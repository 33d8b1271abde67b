#pragma once
// Pictures for the drawing tests: a model or a sheet drawn into an image, and
// the colour found where a model or page point lands.

#include <string>

#include <QColor>
#include <QImage>

#include "model/app_settings.h"
#include "model/document.h"
#include "render/model_picture.h"
#include "view/view_state.h"

namespace strandel::testing {

// Settings with every label and the beam direction arrow off, so probes meet
// only the objects themselves.
AppSettings QuietSettings();

// A view of width x height pixels, `scale` pixels per unit, (x0, y0) at the
// bottom-left corner.
ViewState TestView(double scale, double x0, double y0, int width, int height);

// The model drawn on a white image of the view's size.
QImage DrawnModel(const ModelDocument& doc, const AppSettings& settings, const ViewState& view,
                  const ModelPictureOptions& options = {});

// The pixel the point (x, y) lies in; white outside the image.
QColor ColourAt(const QImage& image, const ViewState& view, double x, double y);

// Every component within `tolerance`.
bool SameColour(const QColor& a, const QColor& b, int tolerance = 0);
// Whether some pixel within `radius` pixels of the point has the colour.
bool ColourNear(const QImage& image, const ViewState& view, double x, double y,
                const QColor& colour, int radius, int tolerance = 0);

std::string Describe(const QColor& colour); // "(12, 34, 56)"

// How many pixels of the image are darker than mid-grey.
int DarkPixels(const QImage& image);

} // namespace strandel::testing
