#pragma once
// Saving never destroys the previous file: the new content goes to a temporary
// file beside the target, which replaces the target only once it is complete.

#include <string>
#include <string_view>

namespace strandel {

// The operating-system calls of a save, replaceable so a test can make the k-th
// call fail. Every call returns 0 on success or an errno value.
class FileOps {
public:
  virtual ~FileOps() = default;
  // Creates a new file from a mkstemp pattern ("...XXXXXX"), filling in its name.
  virtual int CreateTemporary(std::string& pathPattern, int& fd);
  virtual int Write(int fd, const char* data, std::size_t size, std::size_t& written);
  virtual int Sync(int fd);
  virtual int Close(int fd);
  virtual int Rename(const std::string& from, const std::string& to);
  virtual int Remove(const std::string& path);
};

struct WriteResult {
  bool ok = true;
  std::string message; // user-facing, empty when ok
};

// Writes `bytes` to `path` through a temporary file in the same folder. On any
// failure the previous file is unchanged and no temporary file is left.
WriteResult WriteFileAtomically(const std::string& path, std::string_view bytes, FileOps& ops);
WriteResult WriteFileAtomically(const std::string& path, std::string_view bytes);

} // namespace strandel
