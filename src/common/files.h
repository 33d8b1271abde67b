#pragma once
// Paths, folders and whole-file reading. Paths use "/" and folder names end in "/"
// inside the program.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace strandel {

// "/a/b/frame.qsd" -> "frame": the name without folder and without extension.
std::string FileTitle(std::string_view path);
// "/a/b/frame.qsd" -> "frame.qsd".
std::string FileNameOf(std::string_view path);
// "/a/b/frame.qsd" -> "/a/b/"; a bare name gives "./". Always ends in "/".
std::string FolderOf(std::string_view path);
// The extension with its dot, ".qsd"; empty when there is none.
std::string ExtensionOf(std::string_view path);
// Joins a folder and a name with exactly one "/".
std::string JoinPath(std::string_view folder, std::string_view name);

// Appends "/" when missing; `exists` tells whether the folder is there.
std::string EnsureFolder(std::string_view path, bool* exists = nullptr);
bool FileExists(const std::string& path);   // a regular file (or a link to one)
bool FolderExists(const std::string& path); // a directory
bool IsWritableFolder(const std::string& path);
// Creates the folder and its missing parents; false when that fails.
bool MakeFolders(const std::string& path, std::string* message = nullptr);

// Files larger than this are refused by ReadWholeFile: no model, settings,
// library or language file comes near it, and a mistaken huge file must not
// exhaust memory.
constexpr std::size_t kMaxReadableFileSize = 256u * 1024u * 1024u;

struct FileReadResult {
  bool ok = false;
  bool missing = false; // the file does not exist (ok is false)
  std::string bytes;
  std::string message; // user-facing, empty when ok
};
FileReadResult ReadWholeFile(const std::string& path, std::size_t maxSize = kMaxReadableFileSize);

struct FolderEntry {
  std::string Path;  // full path
  std::string Title; // FileTitle of the path
};
struct FolderTree {
  std::string Name; // the folder's own name ("Trusses")
  std::string Path; // ends in "/"
  std::vector<FolderEntry> Files;
  std::vector<FolderTree> Folders;
};

// The files of `folder` whose names match the shell pattern ("*.txt", matched
// without regard to case), sorted by name; with `recurse`, every sub-folder as a
// tree of its own. An absent folder gives an empty tree.
FolderTree ListFolderTree(const std::string& folder, const std::string& pattern, bool recurse);
// The matching files of the folder itself: full paths, or titles when `titles`.
std::vector<std::string> ListFiles(const std::string& folder, const std::string& pattern,
                                   bool titles = false);

} // namespace strandel
