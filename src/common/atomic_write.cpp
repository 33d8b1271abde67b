#include "common/atomic_write.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/files.h"

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

int FileOps::Remove(const std::string& path) {
  return ::unlink(path.c_str()) == 0 ? 0 : errno;
}

namespace {

constexpr std::size_t kMaxFileNameLength = 255;

WriteResult Failure(const std::string& path, int error) {
  return {false, "Could not save '" + path + "': " + std::strerror(error)};
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

}  // namespace

WriteResult WriteFileAtomically(const std::string& given, std::string_view bytes, FileOps& ops) {
  if (FolderExists(given)) return {false, "Could not save '" + given + "': it is a folder"};
  const std::string path = ThroughLinks(given);
  const std::string folder = FolderOf(path);
  // The temporary name adds eleven bytes to the target's; a target name near the
  // longest a file system takes (255 bytes) must still leave room for them.
  const std::string name = FileNameOf(path).substr(0, kMaxFileNameLength - 11);
  std::string temporary = folder + "." + name + ".tmpXXXXXX";
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
  return {};
}

WriteResult WriteFileAtomically(const std::string& path, std::string_view bytes) {
  FileOps ops;
  return WriteFileAtomically(path, bytes, ops);
}

} // namespace strandel
