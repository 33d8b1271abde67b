#pragma once
// The document commands of the main window: New, Open (the open dialog, a
// recent document, a standard structure), Save, Save As, Close and the close
// query, with the question before unsaved changes are lost. Plain C++ over the
// document record, the settings, the user-message interface and the file
// dialogs, so every rule runs in a test without a window.

#include <string>

#include "app/file_dialogs.h"
#include "common/user_message.h"
#include "model/app_settings.h"
#include "model/document.h"

namespace strandel {

// What the commands ask of the window that shows the document.
class DocumentHost {
public:
  virtual ~DocumentHost() = default;
  // Ends any editing operation under way (a half-made beam goes away).
  virtual void CancelOperation() = 0;
  // A new document is in place: the view goes to its extents and the menus
  // that depend on the folders and the recent list are built again.
  virtual void ResetView() = 0;
  // The document's name or its modified state may have changed.
  virtual void DocumentIdentityChanged() = 0;
  // The results were thrown away: the result displays are off.
  virtual void ResultsInvalidated() = 0;
  // The document was written to its file as it is now.
  virtual void DocumentSaved() {}
};

// Where an open request comes from; a standard structure opens as a template.
enum class OpenOrigin { OpenCommand, RecentDocument, StandardStructure, CommandLine };

// The name of a document that has never been saved.
inline constexpr const char* kUnnamedDocument = "Noname.qsd";

class DocumentCommands {
public:
  DocumentCommands(ModelDocument& doc, AppSettings& settings, UserMessages& messages,
                   FileDialogs& dialogs, DocumentHost& host);

  // The document's full path: the model folder followed by its file name.
  std::string DocumentPath() const;

  // Each returns whether the command was carried out (false: cancelled, refused
  // or failed, with the document as it was).
  bool New();
  bool Open(OpenOrigin origin, const std::string& path = {});
  bool Save();
  bool SaveAs();
  bool Close();
  // Opens a recovery copy as the document it recovers: under that document's
  // name and folder, with unsaved changes, so the next Save writes it there.
  bool Recover(const std::string& copyPath, const std::string& documentPath);
  // Closing the window: true when it may close.
  bool QueryClose();
  // With unsaved changes, asks whether to save them: Yes saves (asking for a
  // name first when there is none), No goes on without saving, Cancel stops.
  bool ConfirmSaveChanges();

private:
  struct Identity {
    std::string FileName, LastPath;
    std::string CreatedDate, CreatedByUser, CreationVersion, LastModDate, LastModByUser;
  };
  Identity CurrentIdentity() const;
  void RestoreIdentity(const Identity& identity);
  // The save dialog for a name; an existing file is replaced only when the user
  // says so. False when the user cancels or refuses.
  bool ChooseSaveName();
  enum class WriteOutcome { Written, Failed, TryAnotherName };
  // Writes the document to its path. On failure names the folder and the reason
  // and asks whether to save under another name or folder.
  WriteOutcome WriteDocument();
  // Stamps the modification and writes; the name and history go back when the
  // write fails, and Save As follows when the user wants it.
  bool SaveUnderCurrentName(const Identity& before);
  // Save As without ending an operation first: a name, then the write, again
  // while the chosen folder refuses and the user wants another.
  bool SaveUnderNewName();
  bool LoadFile(const std::string& path, bool asTemplate);
  // After a document was read: one warning naming what the file lacks (`damage`)
  // and the loads, forces and moments that act on nothing; nothing when all is well.
  void TellWhatIsMissing(const std::string& damage);

  ModelDocument& doc_;
  AppSettings& settings_;
  UserMessages& messages_;
  FileDialogs& dialogs_;
  DocumentHost& host_;
};

} // namespace strandel
