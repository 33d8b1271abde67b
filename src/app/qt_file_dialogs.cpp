#include "app/qt_file_dialogs.h"

#include <QDir>
#include <QFileDialog>

#include "app/qt_text.h"
#include "common/text_entries.h"

namespace strandel {
namespace {

// Model files are named ".qsd"; files written by older programs may be upper case.
const QString kModelFilter = QStringLiteral("QSD files (*.qsd *.QSD)");

std::optional<std::string> RunDialog(QFileDialog& dialog) {
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return FromQt(QDir::fromNativeSeparators(dialog.selectedFiles().front()));
}

} // namespace

std::optional<std::string> QtFileDialogs::ChooseModelToOpen(const std::string& folder) {
  QFileDialog dialog(parent_, Tr(tr::kFileDialogOpenModel), ToQt(folder), kModelFilter);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  return RunDialog(dialog);
}

std::optional<std::string> QtFileDialogs::ChooseModelToSave(const std::string& folder,
                                                            const std::string& proposedName) {
  QFileDialog dialog(parent_, Tr(tr::kFileDialogSaveModel), ToQt(folder), kModelFilter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(QStringLiteral("qsd"));
  // The commands ask about replacing a file in the program's own words.
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  dialog.selectFile(ToQt(proposedName));
  return RunDialog(dialog);
}

} // namespace strandel
