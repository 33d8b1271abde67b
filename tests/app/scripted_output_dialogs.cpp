#include "app/scripted_output_dialogs.h"

#include <QCheckBox>
#include <QPageLayout>
#include <QPrinter>
#include <QPushButton>

#include "app/print_dialog.h"

namespace strandel::testing {

bool ScriptedOutputDialogs::SetUpPrinter(QPrinter& printer, QWidget*) {
  ++SetupAsked;
  if (SetupAnswers.empty()) return false;
  const std::optional<PrinterChoice> choice = SetupAnswers.front();
  SetupAnswers.pop_front();
  if (!choice) return false;
  printer.setOutputFileName(QString::fromStdString(choice->PdfFile));
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageOrientation(choice->Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
  printer.setPageMargins(choice->MarginsMm, QPageLayout::Millimeter);
  PrintableMm = printer.pageLayout().paintRect(QPageLayout::Millimeter);
  return true;
}

void ScriptedOutputDialogs::RunPrintDialog(TfPrintDialog& dialog) {
  ++PrintDialogShown;
  OptionsShown = dialog.Options();
  if (Inspect) Inspect(dialog);
  std::optional<PrintOptions> answer;
  if (!PrintAnswers.empty()) {
    answer = PrintAnswers.front();
    PrintAnswers.pop_front();
  }
  if (!answer) {
    dialog.CancelButton()->click();
    return;
  }
  dialog.PrintModelBox()->setChecked(answer->PrintModel);
  dialog.PrintFBDBox()->setChecked(answer->PrintFBD);
  dialog.PrintReportBox()->setChecked(answer->PrintReport);
  dialog.PrintButton()->click();
}

std::optional<std::string> ScriptedOutputDialogs::ChooseImageToSave(const std::string& folder,
                                                                    const std::string& proposedName,
                                                                    QWidget*) {
  ++ImageAsked;
  ImageFolder = folder;
  ProposedImageName = proposedName;
  if (ImageAnswers.empty()) return std::nullopt;
  std::optional<std::string> answer = ImageAnswers.front();
  ImageAnswers.pop_front();
  return answer;
}

} // namespace strandel::testing
