#pragma once
// The platform's dialogs of printing and picture export behind one seam, so the
// commands run in tests with chosen answers and no modal dialog waits for a
// hand: the printer set-up, the program's own print dialog run modally, and the
// save dialog for the model's picture.

#include <optional>
#include <string>

class QPrinter;
class QWidget;

namespace strandel {

class TfPrintDialog;

class OutputDialogs {
public:
  virtual ~OutputDialogs() = default;
  // The platform's printer set-up for `printer` (which printer, or a PDF file;
  // paper and orientation); true when confirmed, and only then is the printer
  // changed.
  virtual bool SetUpPrinter(QPrinter& printer, QWidget* parent) = 0;
  // Runs the print dialog modally until it closes (its Print button prints).
  virtual void RunPrintDialog(TfPrintDialog& dialog) = 0;
  // The BMP file to write the model's picture to, starting in `folder` with
  // `proposedName` filled in; nothing when cancelled. The command asks about
  // an existing file itself.
  virtual std::optional<std::string> ChooseImageToSave(const std::string& folder,
                                                       const std::string& proposedName,
                                                       QWidget* parent) = 0;
};

} // namespace strandel
