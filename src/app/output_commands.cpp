#include "app/output_commands.h"

#include <QClipboard>
#include <QGuiApplication>
#include <algorithm>

#include "app/print_dialog.h"
#include "app/print_jobs.h"
#include "app/qt_text.h"
#include "common/atomic_write.h"
#include "common/files.h"
#include "common/text_entries.h"
#include "common/translation.h"
#include "common/user_message.h"
#include "render/picture_files.h"

namespace strandel {
namespace {

// The print queue shows the document and what of it is printed.
std::string JobTitle(const ModelDocument& doc, int captionEntry) {
  return doc.FileName + " - " + PlainCaption(Translated(captionEntry));
}

// The job is named after the page that shows what it prints.
int PageCaptionOf(PrintJobKind job) {
  switch (job) {
  case PrintJobKind::Model:
    return tr::kPageModel;
  case PrintJobKind::Diagrams:
    return tr::kPageAnalysis;
  case PrintJobKind::Report:
    return tr::kPageReports;
  }
  return tr::kPageModel;
}

} // namespace

void OutputCommands::Print(const OutputContext& context) {
  TfPrintDialog dialog(options_, context.Parent);
  dialog.SetupClicked = [this, &dialog] { dialogs_.SetUpPrinter(printer_, &dialog); };
  dialog.PrintClicked = [this, &context](const PrintOptions& options) {
    options_ = options;
    PrintChosen(context, options);
  };
  dialogs_.RunPrintDialog(dialog);
  // The boxes keep their state for the next opening, however the dialog closed.
  options_ = dialog.Options();
}

void OutputCommands::PrintChosen(const OutputContext& context, const PrintOptions& options) {
  std::vector<PrintJobKind> jobs = PrintJobsFor(options, !context.Doc.GraphObjects.empty());
  if (jobs.empty() || !ReadyToPrint(context.Parent)) return;
  const bool needsResults = std::any_of(jobs.begin(), jobs.end(), NeedsResults);
  // Sheets of results that no longer match the model are never printed; the
  // model itself still is.
  if (needsResults && !context.UpdateSheets()) std::erase_if(jobs, NeedsResults);

  const QString chosenFile = printer_.outputFileName();
  const auto exists = [](const std::string& path) {
    return FileExists(path) || FolderExists(path);
  };
  for (std::size_t i = 0; i < jobs.size(); ++i) {
    if (!chosenFile.isEmpty())
      printer_.setOutputFileName(
          ToQt(JobOutputFile(FromQt(chosenFile), static_cast<int>(i), exists)));
    const std::string title = JobTitle(context.Doc, PageCaptionOf(jobs[i]));
    // Every sheet names the model it comes from; the beam sheets their beam too.
    const SheetTitle heading = TitleFor(context.Doc.FileName);
    PrintOutcome outcome;
    switch (jobs[i]) {
    case PrintJobKind::Model:
      outcome =
          PrintModel(printer_, title, context.Doc, context.Settings, heading, context.Buckling);
      break;
    case PrintJobKind::Diagrams:
      outcome = PrintBeamSheets(printer_, title, context.Diagrams, context.Settings,
                                TitleFor(context.Doc.FileName, context.Diagrams.ChoiceIndex >= 0
                                                                   ? context.Doc.Settings.FBDBeamNo
                                                                   : -1));
      break;
    case PrintJobKind::Report:
      outcome = PrintReport(printer_, title, context.ReportLines, heading);
      break;
    }
    if (!outcome.ok) {
      context.Messages.Show(outcome.message, MessageKind::Error);
      break;
    }
  }
  if (!chosenFile.isEmpty()) printer_.setOutputFileName(chosenFile);
}

bool OutputCommands::ReadyToPrint(QWidget* parent) {
  const bool nowhere = printer_.outputFormat() == QPrinter::PdfFormat &&
                       printer_.outputFileName().isEmpty() && printer_.printerName().isEmpty();
  return !nowhere || dialogs_.SetUpPrinter(printer_, parent);
}

void OutputCommands::PrintScreen(const OutputContext& context) {
  if (context.Parent == nullptr) return;
  const QImage picture = FramedWindowPicture(*context.Parent->window());
  if (!ReadyToPrint(context.Parent)) return;
  const PrintOutcome outcome =
      PrintWindowPicture(printer_, JobTitle(context.Doc, tr::kMenuFilePrintScreen), picture);
  if (!outcome.ok) context.Messages.Show(outcome.message, MessageKind::Error);
}

void OutputCommands::PrintSetup(const OutputContext& context) {
  dialogs_.SetUpPrinter(printer_, context.Parent);
}

void OutputCommands::SaveImage(const OutputContext& context) {
  const std::optional<std::string> chosen = dialogs_.ChooseImageToSave(
      context.Settings.LastPath, ProposedImageName(context.Doc.FileName), context.Parent);
  if (!chosen) return;
  const std::string path = ImageFileToWrite(*chosen);
  if (FileExists(path) && context.Messages.Ask(Translated(tr::kMsgOverwriteFile),
                                               MessageButtons::YesNo) != MessageAnswer::Yes)
    return;
  const std::optional<std::string> bytes = ImageBytes(context.ModelPicture(), ImageFormat::Bmp);
  if (!bytes) {
    context.Messages.Show("Could not save '" + path + "': the picture could not be made.",
                          MessageKind::Error);
    return;
  }
  const WriteResult written = WriteFileAtomically(path, *bytes);
  if (!written.ok) context.Messages.Show(written.message, MessageKind::Error);
}

void OutputCommands::CopyImage(const OutputContext& context) {
  QGuiApplication::clipboard()->setImage(context.ModelPicture());
}

} // namespace strandel
