#include "model/recovery.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sys/stat.h>
#include <unistd.h>

#include "common/files.h"
#include "common/text.h"
#include "model/document_file.h"

namespace strandel {
namespace {

constexpr const char* kCopyExtension = ".qsd";
constexpr const char* kNoteExtension = ".path";

// The modification time in ns; -1 when the file is not there.
std::int64_t ModificationTimeNs(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return -1;
  return static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec;
}

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::string WithoutEnd(const std::string& text, std::size_t count) {
  return text.substr(0, text.size() - count);
}

// Another program that is still running keeps its copies up to date itself.
bool IsOtherLiveProcess(long pid) {
  if (pid <= 0 || pid == static_cast<long>(::getpid())) return false;
  return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

struct Note {
  bool ok = false;
  std::string DocumentPath;
  long Process = 0;
};

// Line 1 the document's path, line 2 the writer's process id; UTF-8, as paths
// are inside the program.
Note ReadNote(const std::string& notePath) {
  const FileReadResult read = ReadWholeFile(notePath, 64 * 1024);
  Note note;
  if (!read.ok) return note;
  const std::size_t firstEnd = read.bytes.find('\n');
  if (firstEnd == std::string::npos || firstEnd == 0) return note;
  note.DocumentPath = read.bytes.substr(0, firstEnd);
  note.Process = std::strtol(read.bytes.c_str() + firstEnd + 1, nullptr, 10);
  note.ok = note.DocumentPath.front() == '/';
  return note;
}

} // namespace

std::string RecoverySessionName() {
  return std::to_string(static_cast<long>(::getpid())) + "-" +
         std::to_string(static_cast<long long>(std::time(nullptr)));
}

std::string RecoveryCopyPath(const std::string& folder, const std::string& documentPath,
                             const std::string& session) {
  return EnsureFolder(folder) + FileTitle(documentPath) + "." + session + kCopyExtension;
}

std::string RecoveryNotePath(const std::string& copyPath) {
  const std::string extension = kCopyExtension;
  const std::string base =
      EndsWith(copyPath, extension) ? WithoutEnd(copyPath, extension.size()) : copyPath;
  return base + kNoteExtension;
}

WriteResult WriteRecoveryCopy(const ModelDocument& doc, const std::string& documentPath,
                              const std::string& copyPath, FileOps& ops) {
  return WriteRecoveryText(WriteDocumentText(doc), documentPath, copyPath, ops);
}

WriteResult WriteRecoveryText(const std::string& text, const std::string& documentPath,
                              const std::string& copyPath, FileOps& ops) {
  std::string message;
  if (!MakeFolders(FolderOf(copyPath), &message)) return {false, message};
  // The note first: a copy is never without the name of its document, and a note
  // left without a copy by an interrupted write is recognised as such.
  const std::string note =
      documentPath + "\n" + std::to_string(static_cast<long>(::getpid())) + "\n";
  WriteResult written = WriteFileAtomically(RecoveryNotePath(copyPath), note, ops);
  if (!written.ok) return written;
  return WriteFileAtomically(copyPath, text, ops);
}

WriteResult WriteRecoveryCopy(const ModelDocument& doc, const std::string& documentPath,
                              const std::string& copyPath) {
  FileOps ops;
  return WriteRecoveryCopy(doc, documentPath, copyPath, ops);
}

void RemoveRecoveryCopy(const std::string& copyPath) {
  std::remove(copyPath.c_str());
  std::remove(RecoveryNotePath(copyPath).c_str());
}

std::vector<RecoveryCopy> FindRecoveryCopies(const std::string& folder) {
  std::vector<RecoveryCopy> found;
  for (const std::string& copyPath : ListFiles(folder, std::string("*") + kCopyExtension)) {
    const Note note = ReadNote(RecoveryNotePath(copyPath));
    if (!note.ok) continue;
    if (IsOtherLiveProcess(note.Process)) continue;
    RecoveryCopy copy{copyPath, note.DocumentPath, ModificationTimeNs(copyPath), note.Process};
    const std::int64_t documentTime = ModificationTimeNs(note.DocumentPath);
    if (documentTime >= 0 && documentTime >= copy.SavedAtNs) {
      RemoveRecoveryCopy(copyPath);
      continue;
    }
    found.push_back(std::move(copy));
  }
  for (const std::string& notePath : ListFiles(folder, std::string("*") + kNoteExtension)) {
    const std::string copyPath =
        WithoutEnd(notePath, std::string(kNoteExtension).size()) + kCopyExtension;
    if (!FileExists(copyPath) && !IsOtherLiveProcess(ReadNote(notePath).Process))
      std::remove(notePath.c_str());
  }
  std::stable_sort(found.begin(), found.end(), [](const RecoveryCopy& a, const RecoveryCopy& b) {
    return a.SavedAtNs > b.SavedAtNs;
  });
  return found;
}

std::string ClockText(std::int64_t timeNs) {
  const std::time_t seconds = static_cast<std::time_t>(timeNs / 1'000'000'000);
  std::tm local{};
  if (!::localtime_r(&seconds, &local)) return "?";
  char text[8];
  std::snprintf(text, sizeof text, "%02d:%02d", local.tm_hour, local.tm_min);
  return text;
}

} // namespace strandel
