#include "app/pdf_pages.h"

#include <QColor>
#include <cstdlib>
#include <sstream>

#include "support/process.h"
#include "support/temp_folder.h"

namespace strandel::testing {
namespace {

// Lighter than this in every component counts as paper.
constexpr int kPaper = 235;

} // namespace

PdfSummary ReadPdfSummary(const std::string& path) {
  const ProcessResult info = RunProgram("/usr/bin/pdfinfo", {path});
  PdfSummary summary;
  if (info.ExitCode != 0) return summary;
  summary.Read = true;
  std::istringstream lines(info.Out);
  std::string line;
  while (std::getline(lines, line)) {
    const std::size_t colon = line.find(':');
    if (colon == std::string::npos) continue;
    const std::string key = line.substr(0, colon);
    std::string value = line.substr(colon + 1);
    value.erase(0, value.find_first_not_of(' '));
    if (key == "Pages") summary.Pages = std::atoi(value.c_str());
    if (key == "Title") summary.Title = value;
  }
  return summary;
}

std::string PdfText(const std::string& path) {
  return RunProgram("/usr/bin/pdftotext", {"-layout", path, "-"}).Out;
}

std::vector<QImage> RasterisedPages(const std::string& path, int dpi) {
  TempFolder pictures;
  const ProcessResult run = RunProgram(
      "/usr/bin/pdftoppm", {"-r", std::to_string(dpi), "-png", path, pictures.File("page")});
  std::vector<QImage> pages;
  if (run.ExitCode != 0) return pages;
  // pdftoppm numbers the pages with as many digits as the last one needs.
  for (const std::string& name : FolderContents(pictures.Path()))
    pages.push_back(QImage(QString::fromStdString(pictures.File(name))));
  return pages;
}

QRect InkBox(const QImage& image) {
  int left = image.width(), top = image.height(), right = -1, bottom = -1;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor colour = image.pixelColor(x, y);
      if (colour.red() > kPaper && colour.green() > kPaper && colour.blue() > kPaper) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  if (right < 0) return {};
  return QRect(QPoint(left, top), QPoint(right, bottom));
}

bool HasColour(const QImage& image, const QColor& colour, int tolerance) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (std::abs(c.red() - colour.red()) <= tolerance &&
          std::abs(c.green() - colour.green()) <= tolerance &&
          std::abs(c.blue() - colour.blue()) <= tolerance)
        return true;
    }
  return false;
}

} // namespace strandel::testing
