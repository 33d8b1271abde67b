#pragma once
// The file-writing layer of a save with faults put in: the k-th operating-system
// call fails, writes are cut into small pieces so that a failure falls in the
// middle of the file, and a write may be interrupted or report nothing written.

#include <cerrno>
#include <string>

#include "common/atomic_write.h"

namespace strandel::testing {

class FailingFileOps : public FileOps {
public:
  // Fails the call numbered `failAt` (counting from 1; 0 never) with `error`.
  explicit FailingFileOps(int failAt = 0, int error = EIO) : failAt_(failAt), error_(error) {}

  int CreateTemporary(std::string& pattern, int& fd) override;
  int Write(int fd, const char* data, std::size_t size, std::size_t& written) override;
  int Sync(int fd) override;
  int Close(int fd) override;
  int Rename(const std::string& from, const std::string& to) override;
  int SyncFolder(const std::string& folder) override;
  int Remove(const std::string& path) override;

  // Every write of at most this many bytes, as a pipe or a full disk gives them.
  std::size_t PieceSize = 7;
  // Every other write is interrupted by a signal before it writes anything.
  bool Interrupt = false;
  // Writes report success with nothing written (a device that takes no more).
  bool WriteNothing = false;
  // The calls made so far (Remove, which only clears up, not counted).
  int Calls() const { return calls_; }

private:
  bool Fail() { return ++calls_ == failAt_; }
  int failAt_;
  int error_;
  int calls_ = 0;
  bool interrupted_ = false;
};

} // namespace strandel::testing
