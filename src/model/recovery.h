#pragma once
// Recovery copies of unsaved work: where the program keeps them, what each one
// holds, and which of them are worth offering when the program starts again
// after it was ended without closing its document.

#include <cstdint>
#include <string>
#include <vector>

#include "common/atomic_write.h"
#include "model/document.h"

namespace strandel {

// What a running program calls itself in the names of its copies, so that two
// programs working at once never write over each other's copy.
std::string RecoverySessionName();

// One recovery copy on disk: the document's bytes as a save would write them, in
// <folder><title>.<session>.qsd, and beside it a note (.path) naming the document
// it belongs to and the process that wrote it.
struct RecoveryCopy {
  std::string CopyPath;
  std::string DocumentPath;   // the full path the document had when copied
  std::int64_t SavedAtNs = 0; // the copy's modification time, ns since 1970
  long WriterProcess = 0;     // the process id that wrote it
};

// The copy a session keeps for a document path.
std::string RecoveryCopyPath(const std::string& folder, const std::string& documentPath,
                             const std::string& session);
// The note that goes with a copy.
std::string RecoveryNotePath(const std::string& copyPath);

// Writes the copy and its note, each atomically, creating the folder when needed.
// The document itself is not touched: its Modified state stays as it is.
WriteResult WriteRecoveryCopy(const ModelDocument& doc, const std::string& documentPath,
                              const std::string& copyPath, FileOps& ops);
WriteResult WriteRecoveryCopy(const ModelDocument& doc, const std::string& documentPath,
                              const std::string& copyPath);
// The same with the document's text already written (WriteDocumentText).
WriteResult WriteRecoveryText(const std::string& text, const std::string& documentPath,
                              const std::string& copyPath, FileOps& ops);

// Removes a copy and its note; a copy already gone is no error.
void RemoveRecoveryCopy(const std::string& copyPath);

// The copies of the folder that hold work the documents lack: newer than their
// document, or whose document is gone (never saved, or deleted), newest first.
// Copies the document has since overtaken (it was saved later) are removed;
// copies of a program that is still running are left to it. A note without its
// copy is left over from an interrupted first write and removed; a copy without
// its note (which the program never leaves) is left alone. The folder is the one of
// RecoveryFolderPath() (common/data_folders.h).
std::vector<RecoveryCopy> FindRecoveryCopies(const std::string& folder);

// "14:32": the local time of day of a modification time, for the question.
std::string ClockText(std::int64_t timeNs);

} // namespace strandel
