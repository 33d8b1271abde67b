#include "app/document_commands.h"

#include <cstring>
#include <utility>

#include "app/recent_documents.h"
#include "common/files.h"
#include "common/system_info.h"
#include "common/text.h"
#include "common/text_entries.h"
#include "common/translation.h"
#include "model/document_file.h"
#include "model/loose_objects.h"

namespace strandel {

DocumentCommands::DocumentCommands(ModelDocument& doc, AppSettings& settings,
                                   UserMessages& messages, FileDialogs& dialogs, DocumentHost& host)
    : doc_(doc), settings_(settings), messages_(messages), dialogs_(dialogs), host_(host) {}

std::string DocumentCommands::DocumentPath() const {
  return settings_.LastPath + doc_.FileName;
}

bool DocumentCommands::New() {
  host_.CancelOperation();
  if (!ConfirmSaveChanges()) return false;
  InvalidateResults(doc_);
  NewDocument(doc_, NewDocumentSizes(settings_));
  host_.ResetView();
  host_.DocumentIdentityChanged();
  return true;
}

bool DocumentCommands::Close() {
  host_.CancelOperation();
  InvalidateResults(doc_);
  host_.ResultsInvalidated();
  return New();
}

bool DocumentCommands::QueryClose() {
  host_.CancelOperation();
  return ConfirmSaveChanges();
}

bool DocumentCommands::ConfirmSaveChanges() {
  if (!doc_.Modified) return true;
  switch (messages_.Ask(Translated(tr::kMsgSaveChanges), MessageButtons::YesNoCancel)) {
  case MessageAnswer::Yes: {
    const Identity before = CurrentIdentity();
    if (doc_.FileName == kUnnamedDocument && !ChooseSaveName()) return false;
    // A failed save keeps the changes in the window: the command stops.
    return SaveUnderCurrentName(before);
  }
  case MessageAnswer::No:
    return true;
  default:
    return false;
  }
}

bool DocumentCommands::Open(OpenOrigin origin, const std::string& path) {
  std::string file = path;
  if (origin == OpenOrigin::CommandLine) {
    if (!FileExists(file)) return false;
  } else {
    host_.CancelOperation();
    if (!ConfirmSaveChanges()) return false;
    if (origin == OpenOrigin::OpenCommand || !FileExists(file)) {
      const std::optional<std::string> chosen = dialogs_.ChooseModelToOpen(settings_.LastPath);
      if (!chosen) return false;
      file = *chosen;
    }
  }
  const std::string extension = ExtensionOf(file);
  if (UpperCase(extension) != ".QSD") {
    messages_.Show(Translated(tr::kMsgWrongFileType) + extension, MessageKind::Error);
    return false;
  }
  return LoadFile(file, origin == OpenOrigin::StandardStructure);
}

bool DocumentCommands::LoadFile(const std::string& path, bool asTemplate) {
  // Read into a record of its own, so a file that cannot be read leaves the open
  // document as it was.
  ModelDocument loaded;
  const DocumentReadResult read = LoadDocument(path, loaded);
  if (!read.ok) {
    messages_.Show(read.message, MessageKind::Error);
    return false;
  }
  doc_ = std::move(loaded);
  InvalidateResults(doc_);
  if (asTemplate) {
    // A standard structure is the start of a new model, never edited in place.
    doc_.FileName = kUnnamedDocument;
    doc_.CreatedDate = TodayText();
    doc_.CreatedByUser = CurrentUserName();
    doc_.CreationVersion = kCreationVersion;
    doc_.LastModDate = "?";
    doc_.LastModByUser = "?";
    doc_.Modified = true;
  } else if (!read.damage.empty()) {
    // What could be read of a damaged file is a copy: a Save must not write
    // the part over the whole without the user choosing the name.
    doc_.FileName = kUnnamedDocument;
    doc_.Modified = true;
    settings_.LastPath = FolderOf(path);
  } else {
    settings_.LastPath = FolderOf(path);
    NoteRecentDocument(settings_.RecentDocs, path);
  }
  host_.ResetView();
  host_.DocumentIdentityChanged();
  TellWhatIsMissing(read.damage);
  return true;
}

void DocumentCommands::TellWhatIsMissing(const std::string& damage) {
  std::string text;
  if (!damage.empty()) {
    text = damage + "\n" +
           TranslatedOr(tr::kMsgOpenedAsUntitledCopy,
                        "The whole objects open as an untitled copy; the file stays as it is.");
  }
  if (const std::string loose = LooseObjectsText(LooseObjects(doc_)); !loose.empty())
    text += (text.empty() ? "" : "\n\n") + loose;
  if (!text.empty()) messages_.Show(text, MessageKind::Warning);
}

bool DocumentCommands::Recover(const std::string& copyPath, const std::string& documentPath) {
  host_.CancelOperation();
  if (!ConfirmSaveChanges()) return false;
  ModelDocument loaded;
  const DocumentReadResult read = LoadDocument(copyPath, loaded);
  if (!read.ok) {
    messages_.Show(read.message, MessageKind::Error);
    return false;
  }
  doc_ = std::move(loaded);
  InvalidateResults(doc_);
  // A damaged copy must not replace its document on the next Save unasked.
  doc_.FileName = read.damage.empty() ? FileNameOf(documentPath) : kUnnamedDocument;
  settings_.LastPath = FolderOf(documentPath);
  // The recovered work is not in the document yet.
  doc_.Modified = true;
  host_.ResetView();
  host_.DocumentIdentityChanged();
  TellWhatIsMissing(read.damage);
  return true;
}

bool DocumentCommands::Save() {
  host_.CancelOperation();
  const Identity before = CurrentIdentity();
  if (doc_.FileName == kUnnamedDocument && !ChooseSaveName()) return false;
  return SaveUnderCurrentName(before);
}

bool DocumentCommands::SaveAs() {
  host_.CancelOperation();
  return SaveUnderNewName();
}

bool DocumentCommands::SaveUnderNewName() {
  // Until the document is written or the user gives up: a folder that cannot
  // take it offers the choice again.
  for (;;) {
    const Identity before = CurrentIdentity();
    if (!ChooseSaveName()) return false;
    // A document saved under a new name starts a history of its own.
    doc_.CreatedDate = TodayText();
    doc_.CreatedByUser = CurrentUserName();
    doc_.CreationVersion = kCreationVersion;
    doc_.LastModDate = "-";
    doc_.LastModByUser = "-";
    const WriteOutcome written = WriteDocument();
    if (written == WriteOutcome::Written) {
      host_.DocumentIdentityChanged();
      return true;
    }
    RestoreIdentity(before);
    if (written == WriteOutcome::Failed) return false;
  }
}

bool DocumentCommands::SaveUnderCurrentName(const Identity& before) {
  StampModification(doc_);
  const WriteOutcome written = WriteDocument();
  if (written == WriteOutcome::Written) {
    host_.DocumentIdentityChanged();
    return true;
  }
  RestoreIdentity(before);
  return written == WriteOutcome::TryAnotherName && SaveUnderNewName();
}

bool DocumentCommands::ChooseSaveName() {
  const std::optional<std::string> chosen =
      dialogs_.ChooseModelToSave(settings_.LastPath, doc_.FileName);
  if (!chosen) return false;
  const std::string title = FileTitle(*chosen);
  if (title.empty()) return false;
  const std::string folder = FolderOf(*chosen);
  const std::string name = title + ".qsd";
  // Whatever the dialog was given, the file written is <title>.qsd: that is the
  // file whose replacement is asked about.
  if (FileExists(folder + name) &&
      messages_.Ask(Translated(tr::kMsgOverwriteFile), MessageButtons::YesNo) != MessageAnswer::Yes)
    return false;
  doc_.FileName = name;
  settings_.LastPath = folder;
  return true;
}

DocumentCommands::WriteOutcome DocumentCommands::WriteDocument() {
  const WriteResult written = SaveDocument(doc_, DocumentPath());
  if (written.ok) {
    // A saved document is as recent as an opened one.
    NoteRecentDocument(settings_.RecentDocs, DocumentPath());
    host_.DocumentSaved();
    return WriteOutcome::Written;
  }
  // The folder is named (the first save of an installed program used to offer a
  // system folder), and another name or folder is one answer away.
  const std::string reason = written.error != 0 ? std::strerror(written.error) : written.message;
  const std::string question =
      ReplaceAll(ReplaceAll(TranslatedOr(tr::kMsgSaveFailedOfferSaveAs,
                                         "The document could not be saved in the folder %1: "
                                         "%2. Save it under another name or in another folder?"),
                            "%1", settings_.LastPath),
                 "%2", reason);
  return messages_.Ask(question, MessageButtons::YesNo) == MessageAnswer::Yes
             ? WriteOutcome::TryAnotherName
             : WriteOutcome::Failed;
}

DocumentCommands::Identity DocumentCommands::CurrentIdentity() const {
  return {doc_.FileName,        settings_.LastPath, doc_.CreatedDate,  doc_.CreatedByUser,
          doc_.CreationVersion, doc_.LastModDate,   doc_.LastModByUser};
}

void DocumentCommands::RestoreIdentity(const Identity& identity) {
  doc_.FileName = identity.FileName;
  settings_.LastPath = identity.LastPath;
  doc_.CreatedDate = identity.CreatedDate;
  doc_.CreatedByUser = identity.CreatedByUser;
  doc_.CreationVersion = identity.CreationVersion;
  doc_.LastModDate = identity.LastModDate;
  doc_.LastModByUser = identity.LastModByUser;
}

} // namespace strandel
