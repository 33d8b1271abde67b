#include "common/files.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/text.h"

namespace strandel {
namespace {

bool LessIgnoringCase(const std::string& a, const std::string& b) {
  const std::string la = LowerCase(a);
  const std::string lb = LowerCase(b);
  return la != lb ? la < lb : a < b;
}

std::string WithoutTrailingSlash(std::string path) {
  while (path.size() > 1 && path.back() == '/')
    path.pop_back();
  return path;
}

} // namespace

std::string FileNameOf(std::string_view path) {
  const std::size_t slash = path.find_last_of('/');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string FileTitle(std::string_view path) {
  const std::string name = FileNameOf(path);
  const std::size_t dot = name.find_last_of('.');
  return (dot == std::string::npos || dot == 0) ? name : name.substr(0, dot);
}

std::string ExtensionOf(std::string_view path) {
  const std::string name = FileNameOf(path);
  const std::size_t dot = name.find_last_of('.');
  return (dot == std::string::npos || dot == 0) ? std::string() : name.substr(dot);
}

std::string FolderOf(std::string_view path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string_view::npos) return "./";
  return std::string(path.substr(0, slash + 1));
}

std::string JoinPath(std::string_view folder, std::string_view name) {
  if (folder.empty()) return std::string(name);
  std::string result(folder);
  if (result.back() != '/') result.push_back('/');
  while (!name.empty() && name.front() == '/')
    name.remove_prefix(1);
  result += name;
  return result;
}

std::string EnsureFolder(std::string_view path, bool* exists) {
  std::string folder(path);
  if (folder.empty() || folder.back() != '/') folder.push_back('/');
  if (exists) *exists = FolderExists(folder);
  return folder;
}

bool FileExists(const std::string& path) {
  struct stat info {};
  return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool FolderExists(const std::string& path) {
  struct stat info {};
  return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool IsWritableFolder(const std::string& path) {
  return FolderExists(path) && ::access(path.c_str(), W_OK | X_OK) == 0;
}

bool MakeFolders(const std::string& path, std::string* message) {
  const std::string target = WithoutTrailingSlash(path);
  if (target.empty() || FolderExists(target)) return true;
  const std::string parent = WithoutTrailingSlash(FolderOf(target));
  if (parent != target && parent != "." && !MakeFolders(parent, message)) return false;
  if (::mkdir(target.c_str(), 0777) != 0 && errno != EEXIST) {
    if (message) *message = "Cannot create the folder '" + target + "': " + std::strerror(errno);
    return false;
  }
  return true;
}

FileReadResult ReadWholeFile(const std::string& path, std::size_t maxSize) {
  FileReadResult result;
  // Without O_NONBLOCK opening a named pipe waits for a writer that may never
  // come; regular files read the same either way, and anything else is refused.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    result.missing = errno == ENOENT;
    result.message = "Cannot read '" + path + "': " + std::strerror(errno);
    return result;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    result.message = "Cannot read '" + path + "': not a file";
    return result;
  }
  if (static_cast<unsigned long long>(info.st_size) > maxSize) {
    ::close(fd);
    result.message = "Cannot read '" + path + "': the file is larger than " +
                     std::to_string(maxSize / (1024 * 1024)) + " MB";
    return result;
  }
  result.bytes.reserve(static_cast<std::size_t>(info.st_size));
  char buffer[1 << 16];
  while (true) {
    const ssize_t count = ::read(fd, buffer, sizeof buffer);
    if (count < 0) {
      if (errno == EINTR) continue;
      result.message = "Cannot read '" + path + "': " + std::strerror(errno);
      ::close(fd);
      result.bytes.clear();
      return result;
    }
    if (count == 0) break;
    if (result.bytes.size() + static_cast<std::size_t>(count) > maxSize) {
      ::close(fd);
      result.bytes.clear();
      result.message = "Cannot read '" + path + "': the file is too large";
      return result;
    }
    result.bytes.append(buffer, static_cast<std::size_t>(count));
  }
  ::close(fd);
  result.ok = true;
  return result;
}

namespace {

// A link from a sub-folder back to one of its parents would make the walk
// endless; no data folder is nearly this deep.
constexpr int kMaxFolderDepth = 12;

FolderTree ListFolderTreeAt(const std::string& folder, const std::string& pattern, bool recurse,
                            int depth) {
  FolderTree tree;
  tree.Path = EnsureFolder(folder);
  tree.Name = FileNameOf(WithoutTrailingSlash(folder));
  DIR* dir = ::opendir(tree.Path.c_str());
  if (!dir) return tree;
  std::vector<std::string> files;
  std::vector<std::string> folders;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    const std::string full = tree.Path + name;
    if (FolderExists(full)) {
      if (recurse && depth < kMaxFolderDepth) folders.push_back(name);
    } else if (FileExists(full) && ::fnmatch(pattern.c_str(), name.c_str(), FNM_CASEFOLD) == 0) {
      files.push_back(name);
    }
  }
  ::closedir(dir);
  std::sort(files.begin(), files.end(), LessIgnoringCase);
  std::sort(folders.begin(), folders.end(), LessIgnoringCase);
  for (const std::string& name : files)
    tree.Files.push_back({tree.Path + name, FileTitle(name)});
  for (const std::string& name : folders) {
    tree.Folders.push_back(ListFolderTreeAt(tree.Path + name, pattern, true, depth + 1));
  }
  return tree;
}

} // namespace

FolderTree ListFolderTree(const std::string& folder, const std::string& pattern, bool recurse) {
  return ListFolderTreeAt(folder, pattern, recurse, 0);
}

std::vector<std::string> ListFiles(const std::string& folder, const std::string& pattern,
                                   bool titles) {
  std::vector<std::string> result;
  for (const FolderEntry& entry : ListFolderTree(folder, pattern, false).Files) {
    result.push_back(titles ? entry.Title : entry.Path);
  }
  return result;
}

} // namespace strandel
