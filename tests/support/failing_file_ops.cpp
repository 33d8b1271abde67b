#include "support/failing_file_ops.h"

#include <algorithm>

namespace strandel::testing {

int FailingFileOps::CreateTemporary(std::string& pattern, int& fd) {
  return Fail() ? error_ : FileOps::CreateTemporary(pattern, fd);
}

int FailingFileOps::Write(int fd, const char* data, std::size_t size, std::size_t& written) {
  if (Fail()) return error_;
  if (Interrupt && !interrupted_) {
    interrupted_ = true;
    return EINTR;
  }
  interrupted_ = false;
  if (WriteNothing) {
    written = 0;
    return 0;
  }
  return FileOps::Write(fd, data, std::min(size, PieceSize), written);
}

int FailingFileOps::Sync(int fd) {
  return Fail() ? error_ : FileOps::Sync(fd);
}

int FailingFileOps::Close(int fd) {
  // A failed close still releases the descriptor, as close(2) does.
  const int result = FileOps::Close(fd);
  return Fail() ? error_ : result;
}

int FailingFileOps::Rename(const std::string& from, const std::string& to) {
  return Fail() ? error_ : FileOps::Rename(from, to);
}

int FailingFileOps::SyncFolder(const std::string& folder) {
  return Fail() ? error_ : FileOps::SyncFolder(folder);
}

int FailingFileOps::Remove(const std::string& path) {
  // Only clearing up removes (after a failure, or what killed saves left); it is
  // not one of the calls counted.
  return FileOps::Remove(path);
}

} // namespace strandel::testing
