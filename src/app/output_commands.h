#pragma once
// "&Print...", "Print Screen", "Print Setup...", "Save Model as image..." and
// "Copy &Image to Clippboard". One printer and the print dialog's options are
// kept for the whole run, so a printer chosen once and the boxes ticked once
// stay chosen for the next print.

#include <QPrinter>
#include <memory>

#include "app/output_dialogs.h"
#include "app/output_rules.h"
#include "app/window_dialogs.h"

namespace strandel {

class OutputCommands {
public:
  explicit OutputCommands(std::shared_ptr<OutputDialogs> dialogs);

  // The print dialog; its Print button prints each chosen item as a job of its
  // own, in the order model, diagrams, report.
  void Print(const OutputContext& context);
  // The window's picture on one page.
  void PrintScreen(const OutputContext& context);
  // The platform's printer set-up.
  void PrintSetup(const OutputContext& context);
  // The Model page's picture as a BMP file.
  void SaveImage(const OutputContext& context);
  // The Model page's picture on the clipboard.
  void CopyImage(const OutputContext& context);

  const PrintOptions& Options() const { return options_; }
  QPrinter& Printer() { return printer_; }

private:
  void PrintChosen(const OutputContext& context, const PrintOptions& options);
  // A printer that has neither a printer nor a file to print to is set up
  // first; false when the set-up is cancelled.
  bool ReadyToPrint(QWidget* parent);

  std::shared_ptr<OutputDialogs> dialogs_;
  QPrinter printer_{QPrinter::HighResolution};
  PrintOptions options_;
};

// Fills the window's five printing and picture slots with one OutputCommands
// over `dialogs`.
void InstallOutputCommands(WindowDialogs& windowDialogs, std::shared_ptr<OutputDialogs> dialogs);

} // namespace strandel
