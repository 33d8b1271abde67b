#pragma once
// The model picture on paper (printed, or a PDF from the batch front end): a
// title line with the model's name and the date across the head of the page,
// and the model fitted below it as Zoom extents fits it to the window.

#include <QPainter>

#include "model/app_settings.h"
#include "model/document.h"
#include "render/model_picture.h"
#include "render/sheet_title.h"

namespace strandel {

// The head of the page the title takes, in millimetres.
inline constexpr double kModelTitleBand = 8;

// On a target of width x height device pixels, `pixelsPerMm` of them to a
// millimetre of paper.
void DrawModelSheet(QPainter& painter, const ModelDocument& doc, const AppSettings& settings,
                    const SheetTitle& title, int width, int height, double pixelsPerMm,
                    const ModelPictureOptions& options = {});

} // namespace strandel
