#pragma once
// A fresh folder under the system's temporary directory, removed with everything
// in it when the test ends.

#include <string>
#include <string_view>
#include <vector>

namespace strandel::testing {

class TempFolder {
public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder, ending in "/".
  const std::string& Path() const { return path_; }
  // Path() joined with a relative name.
  std::string File(std::string_view name) const;
  // Writes bytes as they are (no conversion) and returns the file's path.
  std::string Write(std::string_view name, std::string_view bytes) const;

private:
  std::string path_;
};

// The bytes of a file, empty when it cannot be read.
std::string ReadBytes(const std::string& path);

// The names in a folder (not "." and ".."), sorted.
std::vector<std::string> FolderContents(const std::string& folder);

} // namespace strandel::testing
