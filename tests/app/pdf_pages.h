#pragma once
// Printed PDF files as a test reads them, through poppler's tools: the page
// count and title (pdfinfo), the text (pdftotext) and the pages as pictures
// (pdftoppm).

#include <QImage>
#include <QRect>
#include <string>
#include <vector>

namespace strandel::testing {

struct PdfSummary {
  bool Read = false; // pdfinfo could read the file
  int Pages = 0;
  std::string Title;
};

PdfSummary ReadPdfSummary(const std::string& path);
std::string PdfText(const std::string& path);
// Every page at `dpi` dots per inch, the whole paper.
std::vector<QImage> RasterisedPages(const std::string& path, int dpi);

// The smallest rectangle holding every pixel that is not near white; empty
// for a blank picture.
QRect InkBox(const QImage& image);

// Whether some pixel lies within `tolerance` of the colour in every component.
bool HasColour(const QImage& image, const QColor& colour, int tolerance);

} // namespace strandel::testing
