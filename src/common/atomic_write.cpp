#include "common/atomic_write.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string_view>
#include <vector>

#include "common/files.h"
#include "common/text.h"

namespace strandel {

int FileOps::CreateTemporary(std::string& pathPattern, int& fd) {
  fd = ::mkstemp(pathPattern.data());
  return fd < 0 ? errno : 0;
}

int FileOps::Write(int fd, const char* data, std::size_t size, std::size_t& written) {
  const ssize_t count = ::write(fd, data, size);
  if (count < 0) return errno;
  written = static_cast<std::size_t>(count);
  return 0;
}

int FileOps::Sync(int fd) {
  return ::fsync(fd) == 0 ? 0 : errno;
}
int FileOps::Close(int fd) {
  return ::close(fd) == 0 ? 0 : errno;
}

int FileOps::Rename(const std::string& from, const std::string& to) {
  return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

int FileOps::SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return errno;
  const int error = ::fsync(fd) == 0 ? 0 : errno;
  ::close(fd);
  return error;
}

int FileOps::Remove(const std::string& path) {
  return ::unlink(path.c_str()) == 0 ? 0 : errno;
}

namespace {

constexpr std::size_t kMaxFileNameLength = 255;

WriteResult Failure(const std::string& path, int error) {
  return {false, "Could not save '" + path + "': " + std::strerror(error), error};
}

// The temporary files of a save are named "." + name + ".tmp" + six characters
// that mkstemp chose from letters and digits.
constexpr std::string_view kTemporaryMark = ".tmp";
constexpr std::size_t kTemporaryLetters = 6;

std::string TemporaryPrefix(const std::string& path) {
  // The temporary name adds eleven bytes to the target's; a target name near the
  // longest a file system takes (255 bytes) must still leave room for them.
  return "." + FileNameOf(path).substr(0, kMaxFileNameLength - 11) + std::string(kTemporaryMark);
}

bool IsTemporaryOf(std::string_view entry, std::string_view prefix) {
  if (entry.size() != prefix.size() + kTemporaryLetters || entry.substr(0, prefix.size()) != prefix)
    return false;
  for (char c : entry.substr(prefix.size())) {
    const bool letterOrDigit = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || IsDigit(c);
    if (!letterOrDigit) return false;
  }
  return true;
}

bool WrittenBefore(const struct stat& info, const timespec& moment) {
  return info.st_mtim.tv_sec < moment.tv_sec ||
         (info.st_mtim.tv_sec == moment.tv_sec && info.st_mtim.tv_nsec <= moment.tv_nsec);
}

// Removes the temporary files that killed saves of `path` left in its folder.
void RemoveLeftovers(const std::string& path, const timespec& saveBegan, FileOps& ops) {
  const std::string folder = FolderOf(path);
  const std::string prefix = TemporaryPrefix(path);
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return;
  std::vector<std::string> leftovers;
  while (const dirent* entry = ::readdir(dir)) {
    if (!IsTemporaryOf(entry->d_name, prefix)) continue;
    const std::string candidate = folder + entry->d_name;
    struct stat info {};
    // Never a link or a folder, and never a file still being written.
    if (::lstat(candidate.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
        WrittenBefore(info, saveBegan))
      leftovers.push_back(candidate);
  }
  ::closedir(dir);
  for (const std::string& leftover : leftovers)
    ops.Remove(leftover);
}

} // namespace

namespace {

// A document kept behind a symbolic link is saved where the link points, so the
// link and the files of other names for it stay as the user made them.
std::string ThroughLinks(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
  char* resolved = ::realpath(path.c_str(), nullptr);
  if (!resolved) return path;
  std::string target(resolved);
  std::free(resolved);
  return target;
}

} // namespace

WriteResult WriteFileAtomically(const std::string& given, std::string_view bytes, FileOps& ops) {
  if (FolderExists(given)) return {false, "Could not save '" + given + "': it is a folder", EISDIR};
  const std::string path = ThroughLinks(given);
  const std::string folder = FolderOf(path);
  timespec saveBegan{};
  ::clock_gettime(CLOCK_REALTIME, &saveBegan);
  std::string temporary = folder + TemporaryPrefix(path) + "XXXXXX";
  int fd = -1;
  if (const int error = ops.CreateTemporary(temporary, fd); error != 0) {
    return Failure(given, error);
  }
  // Failing anywhere from here on removes the temporary file again.
  auto abandon = [&](int error) {
    if (fd >= 0) ops.Close(fd);
    ops.Remove(temporary);
    return Failure(given, error);
  };
  std::size_t offset = 0;
  while (offset < bytes.size()) {
    std::size_t written = 0;
    const int error = ops.Write(fd, bytes.data() + offset, bytes.size() - offset, written);
    if (error == EINTR) continue;
    if (error != 0) return abandon(error);
    if (written == 0) return abandon(EIO);
    offset += written;
  }
  // A new document is readable like any file the user makes (mkstemp gives 0600).
  const mode_t mask = ::umask(0);
  ::umask(mask);
  struct stat existing {};
  const mode_t mode =
      ::stat(path.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : (0666 & ~mask);
  ::fchmod(fd, mode);
  if (const int error = ops.Sync(fd); error != 0) return abandon(error);
  const int closeError = ops.Close(fd);
  fd = -1;
  if (closeError != 0) return abandon(closeError);
  if (const int error = ops.Rename(temporary, path); error != 0) return abandon(error);
  RemoveLeftovers(path, saveBegan, ops);
  // Without the folder sync a power loss may bring back the old file. Only an
  // error that says the entry may be lost fails the save; a folder that cannot be
  // opened for reading, or a file system that cannot sync folders, gives the
  // rename as durable as it gets there.
  const int error = ops.SyncFolder(folder);
  if (error == EIO || error == ENOSPC || error == EDQUOT) return Failure(given, error);
  return {};
}

WriteResult WriteFileAtomically(const std::string& path, std::string_view bytes) {
  FileOps ops;
  return WriteFileAtomically(path, bytes, ops);
}

} // namespace strandel
