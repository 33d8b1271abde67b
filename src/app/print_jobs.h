#pragma once
// The print jobs: the model fitted to the page as Zoom extents fits the window,
// the beam sheets and the report sheets on A4, and a picture of the window.
// Each is one job on the printer (begin the document, its pages, end it), so
// a printer, a print queue or a PDF file gets them as separate documents.

#include <QImage>
#include <QSize>
#include <functional>
#include <string>
#include <vector>

#include "analysis/beam_page.h"
#include "model/app_settings.h"
#include "model/document.h"
#include "render/buckling_picture.h"
#include "render/sheet_title.h"

class QPainter;
class QPrinter;
class QWidget;

namespace strandel {

struct PrintOutcome {
  bool ok = true;
  int Pages = 0;
  std::string message; // user-facing, empty when ok
};

// Draws page `page` (from 0) on the printable area of `area` device pixels.
using PrintedPage = std::function<void(QPainter& painter, int page, QSize area)>;

// One job named `title` (the print queue's name for it, a PDF's title) of
// `pageCount` pages.
PrintOutcome PrintJob(QPrinter& printer, const std::string& title, int pageCount,
                      const PrintedPage& draw);

// The model as the Model page draws it, without the grid, fitted to the page
// below the title line `heading` (the model's name and the date), with the
// buckling mode when one is given.
PrintOutcome PrintModel(QPrinter& printer, const std::string& title, const ModelDocument& doc,
                        const AppSettings& settings, const SheetTitle& heading,
                        const BucklingPicture* buckling = nullptr);

// The beam page on as many A4 sheets as its diagrams need, each headed by
// `heading` (model, beam, date) with its sheet's number.
PrintOutcome PrintBeamSheets(QPrinter& printer, const std::string& title, const BeamPage& page,
                             const AppSettings& settings, const SheetTitle& heading);

// The report on as many A4 sheets as its lines need, each headed likewise.
PrintOutcome PrintReport(QPrinter& printer, const std::string& title,
                         const std::vector<std::string>& lines, const SheetTitle& heading);

// `picture` at 80 % of the page, 10 % in from its left and top edges.
PrintOutcome PrintWindowPicture(QPrinter& printer, const std::string& title, const QImage& picture);

// The whole window as the screen shows it, framed along its outer edge so the
// picture's bounds show on white paper.
QImage FramedWindowPicture(QWidget& window);

} // namespace strandel
