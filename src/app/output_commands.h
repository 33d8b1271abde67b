#pragma once
// "&Print...", "Print Screen", "Print Setup...", "Save Model as image..." and
// "Copy &Image to Clippboard". One printer and the print dialog's options are
// kept for the whole run, so a printer chosen once and the boxes ticked once
// stay chosen for the next print.

#include <QImage>
#include <QPrinter>
#include <functional>
#include <string>
#include <vector>

#include "app/output_dialogs.h"
#include "app/output_rules.h"
#include "model/app_settings.h"
#include "model/document.h"
#include "render/buckling_picture.h"

namespace strandel {

class UserMessages;
struct BeamPage;

// What printing and picture export work on: the pages as the window shows them.
struct OutputContext {
  QWidget* Parent = nullptr; // the main window
  const ModelDocument& Doc;
  const AppSettings& Settings;
  UserMessages& Messages;
  const BeamPage& Diagrams;
  const std::vector<std::string>& ReportLines;
  // The Model page's picture as the window keeps it (grid included, without
  // the cursor cross).
  std::function<QImage()> ModelPicture;
  // Brings the beam sheet and the report up to the model, analysing it when
  // the results are out of date; false (after saying so) when it cannot be
  // solved.
  std::function<bool()> UpdateSheets;
  // The buckling mode the Model page shows, printed with the model; none when
  // null.
  const BucklingPicture* Buckling = nullptr;
};

class OutputCommands {
public:
  // The platform's dialogs (or a test's answers) stay with the caller.
  explicit OutputCommands(OutputDialogs& dialogs) : dialogs_(dialogs) {}

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

  OutputDialogs& dialogs_;
  QPrinter printer_{QPrinter::HighResolution};
  PrintOptions options_;
};

} // namespace strandel
