#pragma once
// Saving never destroys the previous file: the new content goes to a temporary
// file beside the target, which replaces the target only once it is complete;
// the folder is then synced, so the new name survives a power loss.

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
  // Makes the folder's entries (a rename into it) durable.
  virtual int SyncFolder(const std::string& folder);
  virtual int Remove(const std::string& path);
};

struct WriteResult {
  bool ok = true;
  std::string message; // user-facing, empty when ok
  int error = 0;       // the system's error number of a failed save
};

// Writes `bytes` to `path` through a temporary file in the same folder. On any
// failure before the rename the previous file is unchanged and no temporary file
// is left; a failed folder sync after it is reported too (the new file is then
// in place but may not survive a power loss). A successful save removes what
// earlier saves of the same name left behind when they were killed mid-write:
// the temporary files of exactly this name's pattern, last written before this
// save began (a save of another program running at the same moment keeps its own).
// A folder that cannot be synced (a file system without it, a folder that
// cannot be opened for reading) is taken as it is.
WriteResult WriteFileAtomically(const std::string& path, std::string_view bytes, FileOps& ops);
WriteResult WriteFileAtomically(const std::string& path, std::string_view bytes);

} // namespace strandel
