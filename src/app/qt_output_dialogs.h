#pragma once
// The dialogs of printing and picture export as the platform shows them: Qt's
// print dialog for the printer set-up, the print dialog run modally, and the
// platform's file dialog for BMP files.

#include "app/output_dialogs.h"

namespace strandel {

class QtOutputDialogs : public OutputDialogs {
public:
  bool SetUpPrinter(QPrinter& printer, QWidget* parent) override;
  void RunPrintDialog(TfPrintDialog& dialog) override;
  std::optional<std::string> ChooseImageToSave(const std::string& folder,
                                               const std::string& proposedName,
                                               QWidget* parent) override;
};

} // namespace strandel
