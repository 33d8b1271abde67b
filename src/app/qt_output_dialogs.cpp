#include "app/qt_output_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

#include "app/output_rules.h"
#include "app/print_dialog.h"
#include "app/qt_text.h"
#include "common/text_entries.h"
#include "common/translation.h"

namespace strandel {
namespace {

// Pictures are written as ".bmp"; older programs' files may be upper case.
const QString kImageFilter = QStringLiteral("BMP files (*.bmp *.BMP)");

} // namespace

bool QtOutputDialogs::SetUpPrinter(QPrinter& printer, QWidget* parent) {
  // Every job prints all its pages, so the dialog offers no page range; it
  // chooses the printer (or a PDF file), the paper and the orientation.
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(ToQt(PlainCaption(Translated(tr::kMenuFilePrintSetup))));
  dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
  return dialog.exec() == QDialog::Accepted;
}

void QtOutputDialogs::RunPrintDialog(TfPrintDialog& dialog) {
  dialog.exec();
}

std::optional<std::string> QtOutputDialogs::ChooseImageToSave(const std::string& folder,
                                                              const std::string& proposedName,
                                                              QWidget* parent) {
  QFileDialog dialog(parent, Tr(tr::kFileDialogSaveImage), ToQt(folder), kImageFilter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(QStringLiteral("bmp"));
  // The command asks about replacing a file in the program's own words.
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  dialog.selectFile(ToQt(proposedName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return FromQt(QDir::fromNativeSeparators(dialog.selectedFiles().front()));
}

} // namespace strandel
