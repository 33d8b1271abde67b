#pragma once
// The rules of printing and picture export that need no window: which print
// jobs the chosen options give and in which order, the file each job writes
// when the printer prints to a file, where "Print Screen" puts the window's
// picture on the page, and the names of the exported picture.

#include <functional>
#include <string>
#include <vector>

namespace strandel {

// The check boxes of the print dialog; all off when the program starts, kept
// between openings.
struct PrintOptions {
  bool PrintModel = false;
  bool PrintFBD = false;
  bool PrintReport = false;
};

enum class PrintJobKind { Model, Diagrams, Report };

// The jobs in the order they print: model, diagrams, report. A model without
// objects has nothing to print and gives no job.
std::vector<PrintJobKind> PrintJobsFor(const PrintOptions& options, bool modelHasObjects);

// Whether a job needs the analysis results (the beam sheet and the report do).
bool NeedsResults(PrintJobKind job);

// Printing to a file makes one file per job, so no job writes over another: the
// first job (0) writes the chosen file, later ones the chosen name with "-2",
// "-3" ... before the extension, skipping names that `exists` says are taken,
// so no file the user did not name is replaced.
std::string JobOutputFile(const std::string& chosenFile, int job,
                          const std::function<bool(const std::string&)>& exists);

// A rectangle on the page, in the page's pixels, x to the right, y downwards.
struct PageRectangle {
  double X = 0;
  double Y = 0;
  double Width = 0;
  double Height = 0;
};

// "Print Screen": the window's picture keeps its proportions at 80 % of the page
// along its tighter direction, its top-left corner at 10 % of the page's width
// and height.
PageRectangle WindowPicturePlace(double pageWidth, double pageHeight, double imageWidth,
                                 double imageHeight);

// A menu or page caption as a title (of a window, of a print job): without its
// accelerator, its trailing dots and blanks ("&Print..." -> "Print").
std::string PlainCaption(const std::string& caption);

// The name "Save Model as image..." proposes: the document's name with ".bmp"
// for its extension ("Noname.qsd" -> "Noname.bmp").
std::string ProposedImageName(const std::string& documentFileName);

// The file written for a chosen name: the name itself when it ends in ".bmp"
// (in any case), else the name with ".bmp" added, so the file's name always
// says what it holds.
std::string ImageFileToWrite(const std::string& chosenFile);

} // namespace strandel
