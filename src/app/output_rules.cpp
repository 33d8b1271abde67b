#include "app/output_rules.h"

#include <algorithm>

#include "common/files.h"
#include "common/text.h"

namespace strandel {

std::vector<PrintJobKind> PrintJobsFor(const PrintOptions& options, bool modelHasObjects) {
  std::vector<PrintJobKind> jobs;
  if (options.PrintModel && modelHasObjects) jobs.push_back(PrintJobKind::Model);
  if (options.PrintFBD) jobs.push_back(PrintJobKind::Diagrams);
  if (options.PrintReport) jobs.push_back(PrintJobKind::Report);
  return jobs;
}

bool NeedsResults(PrintJobKind job) {
  return job != PrintJobKind::Model;
}

std::string JobOutputFile(const std::string& chosenFile, int job,
                          const std::function<bool(const std::string&)>& exists) {
  if (job <= 0) return chosenFile;
  const std::string extension = ExtensionOf(chosenFile);
  const std::string stem = chosenFile.substr(0, chosenFile.size() - extension.size());
  for (int number = job + 1;; ++number) {
    std::string candidate = stem + "-" + std::to_string(number) + extension;
    if (!exists(candidate)) return candidate;
  }
}

PageRectangle WindowPicturePlace(double pageWidth, double pageHeight, double imageWidth,
                                 double imageHeight) {
  if (imageWidth <= 0 || imageHeight <= 0) return {0.1 * pageWidth, 0.1 * pageHeight, 0, 0};
  const double f = std::min(0.8 * pageWidth / imageWidth, 0.8 * pageHeight / imageHeight);
  return {0.1 * pageWidth, 0.1 * pageHeight, f * imageWidth, f * imageHeight};
}

std::string PlainCaption(const std::string& caption) {
  std::string plain;
  for (char c : caption)
    if (c != '&') plain += c;
  while (!plain.empty() && (plain.back() == '.' || plain.back() == ' '))
    plain.pop_back();
  return plain;
}

std::string ProposedImageName(const std::string& documentFileName) {
  const std::string extension = ExtensionOf(documentFileName);
  return documentFileName.substr(0, documentFileName.size() - extension.size()) + ".bmp";
}

std::string ImageFileToWrite(const std::string& chosenFile) {
  if (UpperCase(ExtensionOf(chosenFile)) == ".BMP") return chosenFile;
  return chosenFile + ".bmp";
}

} // namespace strandel
