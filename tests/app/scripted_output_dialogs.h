#pragma once
// The dialogs of printing and picture export answered from queues, as a user
// would answer them: the printer set-up chooses a PDF file (and may change the
// margins), the print dialog ticks boxes and presses Print or Cancel, the save
// dialog gives a file name. An empty queue answers "cancelled".

#include <QMarginsF>
#include <QRectF>
#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "app/output_dialogs.h"
#include "app/output_rules.h"

namespace strandel::testing {

struct PrinterChoice {
  std::string PdfFile;
  QMarginsF MarginsMm{3.53, 3.53, 3.53, 3.53}; // left, top, right, bottom
  bool Landscape = false;
};

class ScriptedOutputDialogs : public OutputDialogs {
public:
  bool SetUpPrinter(QPrinter& printer, QWidget* parent) override;
  void RunPrintDialog(TfPrintDialog& dialog) override;
  std::optional<std::string> ChooseImageToSave(const std::string& folder,
                                               const std::string& proposedName,
                                               QWidget* parent) override;

  std::deque<std::optional<PrinterChoice>> SetupAnswers;
  int SetupAsked = 0;
  // The printer's printable area after the last confirmed set-up, millimetres
  // from the paper's top-left corner.
  QRectF PrintableMm;

  // Boxes to tick before Print; nullopt presses Cancel.
  std::deque<std::optional<PrintOptions>> PrintAnswers;
  int PrintDialogShown = 0;
  PrintOptions OptionsShown; // the boxes as the dialog opened
  // Looks at the dialog before it is answered.
  std::function<void(TfPrintDialog&)> Inspect;

  std::deque<std::optional<std::string>> ImageAnswers;
  int ImageAsked = 0;
  std::string ImageFolder;
  std::string ProposedImageName;
};

} // namespace strandel::testing
